#include "grid/pro_grid_undo_redo.h"

#include "grid/base_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TUndoRedoItem) {
  p.Property("Row", &TUndoRedoItem::Row, &TUndoRedoItem::SetRow).Default(0);
  p.Property("Col", &TUndoRedoItem::Col, &TUndoRedoItem::SetCol).Default(0);
  p.Property("Value", &TUndoRedoItem::Value, &TUndoRedoItem::SetValue);
  p.Property("OrigValue", &TUndoRedoItem::OrigValue, &TUndoRedoItem::SetOrigValue);
}

PR_IMPLEMENT_CLASS(TUndoRedoCollection)

PR_PUBLISH(TProGridUndoRedo) {
  p.Property("MaxLevel", &TProGridUndoRedo::MaxLevel, &TProGridUndoRedo::SetMaxLevel).Default(0);
}

TProGridUndoRedo::TProGridUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TUndoRedoCollection>()) {}

TProGridUndoRedo::~TProGridUndoRedo() = default;

void TProGridUndoRedo::RegisterChange(Integer ACol, Integer ARow, const std::string& OrigValue,
                                      const std::string& Value) {
  if (maxLevel_ > 0 && items_->Count() >= maxLevel_) items_->Delete(0);
  auto* item = static_cast<TUndoRedoItem*>(items_->Add());
  item->SetCol(ACol);
  item->SetRow(ARow);
  item->SetValue(Value);
  item->SetOrigValue(OrigValue);
  level_ = items_->Count();
}

void TProGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == grid_) grid_ = nullptr;
  inherited::Notification(AComponent, Operation);
}
