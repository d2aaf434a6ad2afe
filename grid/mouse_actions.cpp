// TMouseActions; see mouse_actions.h.
#include "grid/mouse_actions.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TMouseActions) {
  p.Property("AllColumnSize", &TMouseActions::AllColumnSize, &TMouseActions::SetAllColumnSize).Default(false);
  p.Property("AllRowSize", &TMouseActions::AllRowSize, &TMouseActions::SetAllRowSize).Default(false);
  p.Property("AllSelect", &TMouseActions::AllSelect, &TMouseActions::SetAllSelect).Default(false);
  p.Property("AutoSizeColOnDblClick", &TMouseActions::AutoSizeColOnDblClick, &TMouseActions::SetAutoSizeColOnDblClick)
      .Default(true);
  p.Property("CaretPositioning", &TMouseActions::CaretPositioning, &TMouseActions::SetCaretPositioning).Default(false);
  p.Property("CheckAllCheck", &TMouseActions::CheckAllCheck, &TMouseActions::SetCheckAllCheck).Default(false);
  p.Property("ColSelect", &TMouseActions::ColSelect, &TMouseActions::SetColSelect).Default(false);
  p.Property("DirectComboDrop", &TMouseActions::DirectComboDrop, &TMouseActions::SetDirectComboDrop).Default(false);
  p.Property("DirectDateDrop", &TMouseActions::DirectDateDrop, &TMouseActions::SetDirectDateDrop).Default(false);
  p.Property("DirectEdit", &TMouseActions::DirectEdit, &TMouseActions::SetDirectEdit).Default(false);
  p.Property("DisjunctCellSelect", &TMouseActions::DisjunctCellSelect, &TMouseActions::SetDisjunctCellSelect)
      .Default(false);
  p.Property("DisjunctColSelect", &TMouseActions::DisjunctColSelect, &TMouseActions::SetDisjunctColSelect)
      .Default(false);
  p.Property("DisjunctRowSelect", &TMouseActions::DisjunctRowSelect, &TMouseActions::SetDisjunctRowSelect)
      .Default(false);
  p.Property("FixedColsEdit", &TMouseActions::FixedColsEdit, &TMouseActions::SetFixedColsEdit).Default(fceNone);
  p.Property("FixedRowsEdit", &TMouseActions::FixedRowsEdit, &TMouseActions::SetFixedRowsEdit).Default(fceNone);
  p.Property("HotmailRowSelect", &TMouseActions::HotmailRowSelect, &TMouseActions::SetHotmailRowSelect).Default(false);
  p.Property("MoveRowOnNodeClick", &TMouseActions::MoveRowOnNodeClick, &TMouseActions::SetMoveRowOnNodeClick)
      .Default(false);
  p.Property("NoAutoRangeScroll", &TMouseActions::NoAutoRangeScroll, &TMouseActions::SetNoAutoRangeScroll)
      .Default(false);
  p.Property("NoScrollOnPartialRow", &TMouseActions::NoScrollOnPartialRow, &TMouseActions::SetNoScrollOnPartialRow)
      .Default(false);
  p.Property("NodeAllExpandContract", &TMouseActions::NodeAllExpandContract, &TMouseActions::SetNodeAllExpandContract)
      .Default(false);
  p.Property("PreciseCheckBoxCheck", &TMouseActions::PreciseCheckBoxCheck, &TMouseActions::SetPreciseCheckBoxCheck)
      .Default(false);
  p.Property("RangeSelectAndEdit", &TMouseActions::RangeSelectAndEdit, &TMouseActions::SetRangeSelectAndEdit)
      .Default(false);
  p.Property("RowSelect", &TMouseActions::RowSelect, &TMouseActions::SetRowSelect).Default(false);
  p.Property("RowSelectPersistent", &TMouseActions::RowSelectPersistent, &TMouseActions::SetRowSelectPersistent)
      .Default(false);
  p.Property("SelectOnRightClick", &TMouseActions::SelectOnRightClick, &TMouseActions::SetSelectOnRightClick)
      .Default(false);
  p.Property("SizeFixedCol", &TMouseActions::SizeFixedCol, &TMouseActions::SetSizeFixedCol).Default(false);
  p.Property("SizeFixedRow", &TMouseActions::SizeFixedRow, &TMouseActions::SetSizeFixedRow).Default(false);
  p.Property("WheelAction", &TMouseActions::WheelAction, &TMouseActions::SetWheelAction).Default(waMoveSelection);
  p.Property("WheelIncrement", &TMouseActions::WheelIncrement, &TMouseActions::SetWheelIncrement).Default(0);
}

bool TMouseActions::Designing() const { return grid_->ComponentState().Contains(csDesigning); }

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  disjunctRowSelect_ = Value;
  if (!Value || !Designing()) return;
  disjunctColSelect_ = false;
  disjunctCellSelect_ = false;
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  disjunctColSelect_ = Value;
  if (!Value || !Designing()) return;
  disjunctRowSelect_ = false;
  disjunctCellSelect_ = false;
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  disjunctCellSelect_ = Value;
  if (!Value || !Designing()) return;
  disjunctRowSelect_ = false;
  disjunctColSelect_ = false;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  hotmailRowSelect_ = Value;
  grid_->Invalidate();
}

void TMouseActions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TMouseActions*>(Source);
  if (source == nullptr) return;
  disjunctRowSelect_ = source->disjunctRowSelect_;
  disjunctColSelect_ = source->disjunctColSelect_;
  disjunctCellSelect_ = source->disjunctCellSelect_;
  AllColumnSize_ = source->AllColumnSize_;
  AllRowSize_ = source->AllRowSize_;
  AllSelect_ = source->AllSelect_;
  AutoSizeColOnDblClick_ = source->AutoSizeColOnDblClick_;
  CaretPositioning_ = source->CaretPositioning_;
  CheckAllCheck_ = source->CheckAllCheck_;
  ColSelect_ = source->ColSelect_;
  DirectComboDrop_ = source->DirectComboDrop_;
  DirectDateDrop_ = source->DirectDateDrop_;
  DirectEdit_ = source->DirectEdit_;
  MoveRowOnNodeClick_ = source->MoveRowOnNodeClick_;
  NoAutoRangeScroll_ = source->NoAutoRangeScroll_;
  NodeAllExpandContract_ = source->NodeAllExpandContract_;
  NoScrollOnPartialRow_ = source->NoScrollOnPartialRow_;
  PreciseCheckBoxCheck_ = source->PreciseCheckBoxCheck_;
  RangeSelectAndEdit_ = source->RangeSelectAndEdit_;
  RowSelect_ = source->RowSelect_;
  RowSelectPersistent_ = source->RowSelectPersistent_;
  SelectOnRightClick_ = source->SelectOnRightClick_;
  SizeFixedCol_ = source->SizeFixedCol_;
  FixedRowsEdit_ = source->FixedRowsEdit_;
  FixedColsEdit_ = source->FixedColsEdit_;
  WheelIncrement_ = source->WheelIncrement_;
  WheelAction_ = source->WheelAction_;
}
