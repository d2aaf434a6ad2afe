// TProStringGrid: the editor life cycle and its glue.  CanEditShow chooses the editor kind of the
// current cell (DefaultEditor, then OnGetEditorType for the base cell): the plain text kinds are
// edited in place by TProInplaceEdit; edNone and cells with a clickable graphic are not edited;
// every other kind is an editor control, opened over the cell by OpenEditControl and read back by
// CloseEditControl (pro_string_grid_edit_controls.cpp).  A kind without a control here (and
// edDataCheckBox) opens nothing, closes storing nothing and leaves the cell its text.  An edit ends
// with OnEditingDone and the posted "GridEditDone".
#include "grid/cell_properties.h"
#include "grid/markup_text.h"
#include "grid/pro_grid_unit.h"
#include "grid/pro_inplace_edit.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "platform/user/post_message.h"

namespace {

bool IsInplaceKind(TEditorType Kind) {
  switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase: return true;
    default: return false;
  }
}

}   // namespace

TInplaceEdit* TProStringGrid::CreateEditor() { return new TProInplaceEdit(this); }

TProInplaceEdit* TProStringGrid::GetInplaceEditor() const { return dynamic_cast<TProInplaceEdit*>(InplaceEditor()); }

bool TProStringGrid::CanEditShow() {
  if (validating_) return false;
  bool answer = inherited::CanEditShow();
  if (ComponentState().Contains(csDesigning)) return answer;
  if (Col() >= ColCount() || Row() >= RowCount()) return false;   // the selection is put aside
  const TPoint base = GetBaseCell(Col(), Row());
  if (answer && !editorActive_ && HasClickableGraphic(base.X, base.Y)) return false;
  if (editorActive_ && editControlOpened_) return false;   // an editor control is over the cell
  if (answer && !editorActive_) {
    suppressEditChange_ = true;
    RememberCellValue(Col(), Row());
    activeEditorType_ = EditorKindOf(base.X, base.Y);
    if (activeEditorType_ == edNone) return false;
    editorActive_ = true;
    if (IsEditControlKind(activeEditorType_)) {
      OpenEditControl(base.X, base.Y);
      editorShown_ = true;
      return false;
    }
  }
  if (answer) {
    editorShown_ = true;
    editorOpen_ = true;
  }
  return answer;
}

TEditorType TProStringGrid::EditorKindOf(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(ACol, ARow);
  TEditorType kind = DefaultEditor();
  DoGetEditorType(DisplToRealCol(base.X), base.Y, kind);
  return kind;
}

bool TProStringGrid::IsEditControlKind(TEditorType Kind) { return Kind != edNone && !IsInplaceKind(Kind); }

void TProStringGrid::ShowCellEditor() {
  if (HasClickableGraphic(Col(), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  RememberCellValue(Col(), Row());
  ShowEditor();
}

void TProStringGrid::HideCellEdit() {
  if (!editorActive_) return;
  HideEditor();
  CloseEditControl(Col(), Row());
  editorActive_ = false;
  SelectCell(Col(), Row());
}

void TProStringGrid::NotifyEditingDone(Integer ACol, Integer ARow) {
  OnEditingDone(this);
  if (HandleAllocated()) PostMessage(Handle(), GridEditDoneMessage(), WPARAM(ACol), LPARAM(ARow));
  if (searchFooter_->Visible()) RefreshSearchPanel();
}

// ---- The editor's text transfer ----

std::string TProStringGrid::GetEditText(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(DisplToRealCol(ACol), ARow);
  std::string text = inherited::GetEditText(base.X, base.Y);
  if (TProInplaceEdit* editor = GetInplaceEditor())
    editor->SetVAlign(GetCellAlignment(ACol, ARow).first == taRightJustify);
  return EditWithTags() ? text : StripMarkup(text);
}

void TProStringGrid::SetEditText(Integer ACol, Integer ARow, const std::string& Value) {
  const TPoint base = GetBaseCell(DisplToRealCol(ACol), ARow);
  inherited::SetEditText(base.X, base.Y, Value);
  if (GetCellText(base.X, base.Y) != Value) SetCellText(base.X, base.Y, Value);
}

std::string TProStringGrid::GetCurrentCellText() {
  const TPoint base = GetBaseCell(Col(), Row());
  return GetRawCellText(base.X, base.Y);
}

void TProStringGrid::SetCurrentCellText(const std::string& Value) {
  const TPoint base = GetBaseCell(Col(), Row());
  SetCellText(base.X, base.Y, Value);
}

void TProStringGrid::SetCurrentEditText(const std::string& Value) {
  const TPoint base = GetBaseCell(Col(), Row());
  SetEditText(base.X, base.Y, Value);
}

std::string TProStringGrid::DoEllipsClick(const std::string& Value) {
  std::string text = Value;
  OnEllipsClick(this, DisplToRealCol(Col()), Row(), text);
  return text;
}
