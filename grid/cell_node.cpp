// TCellNode; see cell_node.h.
#include "grid/cell_node.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"

PR_PUBLISH(TCellNode) {
  p.Property("Color", &TCellNode::Color, &TCellNode::SetColor).Type(ColorTypeInfo()).Default(clSilver);
  p.Property("ContractGlyph", &TCellNode::ContractGlyph, &TCellNode::SetContractGlyph);
  p.Property("ExpandGlyph", &TCellNode::ExpandGlyph, &TCellNode::SetExpandGlyph);
  p.Property("ExpandOne", &TCellNode::ExpandOne, &TCellNode::SetExpandOne).Default(false);
  p.Property("NodeColor", &TCellNode::NodeColor, &TCellNode::SetNodeColor).Type(ColorTypeInfo()).Default(clBlack);
  p.Property("NodeIndent", &TCellNode::NodeIndent, &TCellNode::SetNodeIndent).Default(12);
  p.Property("NodeType", &TCellNode::NodeType, &TCellNode::SetNodeType).Default(cnXP);
  p.Property("ShowTree", &TCellNode::ShowTree, &TCellNode::SetShowTree).Default(true);
  p.Property("ShowTreeFull", &TCellNode::ShowTreeFull, &TCellNode::SetShowTreeFull).Default(true);
  p.Property("TreeColor", &TCellNode::TreeColor, &TCellNode::SetTreeColor).Type(ColorTypeInfo()).Default(clGray);
}

TCellNode::TCellNode(TProStringGrid* AGrid)
    : grid_(AGrid), expandGlyph_(std::make_unique<TBitmap>()), contractGlyph_(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Changed() { grid_->Invalidate(); }

template <class T>
void TCellNode::ChangeIfDifferent(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TCellNode::SetColor(TColor Value) {
  color_ = Value;
  Changed();
}

void TCellNode::SetExpandOne(bool Value) {
  expandOne_ = Value;
  Changed();
}

void TCellNode::SetNodeColor(TColor Value) {
  nodeColor_ = Value;
  Changed();
}

void TCellNode::SetNodeType(TNodeType Value) { ChangeIfDifferent(nodeType_, Value); }
void TCellNode::SetNodeIndent(Integer Value) { ChangeIfDifferent(nodeIndent_, Value); }
void TCellNode::SetShowTree(bool Value) { ChangeIfDifferent(showTree_, Value); }
void TCellNode::SetShowTreeFull(bool Value) { ChangeIfDifferent(showTreeFull_, Value); }
void TCellNode::SetTreeColor(TColor Value) { ChangeIfDifferent(treeColor_, Value); }

void TCellNode::SetExpandGlyph(TBitmap* Value) {
  expandGlyph_->Assign(Value);
  Changed();
}

void TCellNode::SetContractGlyph(TBitmap* Value) {
  contractGlyph_->Assign(Value);
  Changed();
}

void TCellNode::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCellNode*>(Source);
  if (source == nullptr) return;
  SetColor(source->color_);
  SetExpandOne(source->expandOne_);
  SetNodeType(source->nodeType_);
  SetNodeColor(source->nodeColor_);
  SetNodeIndent(source->nodeIndent_);
  SetExpandGlyph(source->ExpandGlyph());
  SetContractGlyph(source->ContractGlyph());
  SetShowTree(source->showTree_);
  SetShowTreeFull(source->showTreeFull_);
  SetTreeColor(source->treeColor_);
}
