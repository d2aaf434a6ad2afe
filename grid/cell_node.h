// TCellNode (the string grid's CellNode): how node rows look: the node box's colour and kind, the
// indent per node level, the expand and contract glyphs and the tree lines.  Every change repaints
// the grid; NodeType, ShowTree, ShowTreeFull, TreeColor and NodeIndent repaint only when the value
// changes.  ExpandOne: expanding a node contracts every other expanded node first.
#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/ui/colors.h"

class TBitmap;
class TProStringGrid;

PR_ENUM(TNodeType, cnFlat, cn3D, cnGlyph, cnLeaf, cnXP)

class TCellNode : public TPersistent {
  PR_CLASS(TCellNode, TPersistent)

 public:
  explicit TCellNode(TProStringGrid* AGrid);
  ~TCellNode() override;

  // Copies every published field (glyphs as bitmap copies) from another TCellNode; any other source
  // is ignored.
  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ExpandOne() const { return expandOne_; }
  void SetExpandOne(bool Value);
  TNodeType NodeType() const { return nodeType_; }
  void SetNodeType(TNodeType Value);
  TColor NodeColor() const { return nodeColor_; }
  void SetNodeColor(TColor Value);
  Integer NodeIndent() const { return nodeIndent_; }   // pixels per node level
  void SetNodeIndent(Integer Value);
  TBitmap* ExpandGlyph() const { return expandGlyph_.get(); }
  void SetExpandGlyph(TBitmap* Value);
  TBitmap* ContractGlyph() const { return contractGlyph_.get(); }
  void SetContractGlyph(TBitmap* Value);
  bool ShowTree() const { return showTree_; }
  void SetShowTree(bool Value);
  bool ShowTreeFull() const { return showTreeFull_; }
  void SetShowTreeFull(bool Value);
  TColor TreeColor() const { return treeColor_; }
  void SetTreeColor(TColor Value);

 private:
  void Changed();
  template <class T>
  void ChangeIfDifferent(T& Field, T Value);

  TProStringGrid* grid_;
  TColor color_ = clSilver;
  bool expandOne_ = false;
  TNodeType nodeType_ = cnXP;
  TColor nodeColor_ = clBlack;
  Integer nodeIndent_ = 12;
  std::unique_ptr<TBitmap> expandGlyph_;
  std::unique_ptr<TBitmap> contractGlyph_;
  bool showTree_ = true;
  bool showTreeFull_ = true;
  TColor treeColor_ = clGray;
};
