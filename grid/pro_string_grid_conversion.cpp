// TProStringGrid: a cell's display, save and calculated texts, loaded texts, the cell being
// edited, change notification (OnCellsChanged and the footer) and the validation that ends an
// edit.
#include "grid/cell_checker.h"
#include "grid/cell_graphic.h"
#include "grid/cell_text_kinds.h"
#include "grid/int_list.h"
#include "grid/markup_text.h"
#include "grid/navigation.h"
#include "grid/pro_grid_undo_redo.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"
#include "grid/wide_cell_text.h"
#include "platform/core/format.h"

// ---- Texts ----

void TProStringGrid::GetFloatFormat(Integer ACol, Integer ARow, std::string& Text) {
  Text = GetCellText(ACol, ARow);
  if (!OnGetFloatFormat) return;
  const Integer kind = NumberTextKind(Text);
  if (kind != ntkInteger && kind != ntkDecimal && kind != ntkScientific) return;
  std::string format = floatFormat_;
  bool isFloat = true;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat) return;
  try {
    Text = format.find('d') != std::string::npos ? Format(format, {GetInts(ACol, ARow)})
                                                 : Format(format, {GetFloats(ACol, ARow)});
  } catch (const Exception&) {
    // A format that does not fit the value leaves the text as it is.
  }
}

void TProStringGrid::GetCalculatedCellText(Integer ACol, Integer ARow, std::string& Text) {
  Text = GetCellText(ACol, ARow);
}

void TProStringGrid::GetSaveCellText(Integer ACol, Integer ARow, std::string& Text) {
  if (saveWithFormat_)
    GetFloatFormat(ACol, ARow, Text);
  else
    Text = GetRawCellText(ACol, ARow);
  if (Text.empty() && GetCellType(ACol, ARow) == ctCheckBox) {
    if (GetCellGraphic(ACol, ARow)->CellBoolean())
      DoGetCheckTrue(ACol, ARow, Text);
    else
      DoGetCheckFalse(ACol, ARow, Text);
  }
  if (!saveWithTags_) Text = StripMarkup(Text);
  OnSaveCell(this, ACol, ARow, Text);
}

void TProStringGrid::SetLoadedCellText(Integer ACol, Integer ARow, const std::string& Text) {
  if (!OnLoadCell) return SetRawCellText(ACol, ARow, Text);
  std::string value = Text;
  OnLoadCell(this, ACol, ARow, value);
  SetRawCellText(ACol, ARow, value);
}

// ---- Change notification ----

void TProStringGrid::CellValueChanged(Integer ACol) { RecalcFooter(ACol); }

void TProStringGrid::CellsChanged(const TRect& R) {
  OnCellsChanged(this, R);
  RecalcFooter(-1);
}

void TProStringGrid::AllCellsChanged() { RecalcFooter(-1); }

// ---- The cell being edited ----

void TProStringGrid::RememberCellValue(Integer ACol, Integer ARow) {
  editCol_ = ACol;
  editRow_ = ARow;
  keptCellText_ = GetRawCellText(ACol, ARow);
  keptWideText_ = DecodeWideCellText(GetCellText(ACol, ARow));
}

void TProStringGrid::RememberCurrentCellValue() {
  if (Col() < ColCount() && Row() < RowCount()) RememberCellValue(Col(), Row());
}

void TProStringGrid::Click() {
  inherited::Click();
  RememberCurrentCellValue();
}

bool TProStringGrid::GetRowModified(Integer ARow) const {
  return ARow >= 0 && ARow < modifiedRows_->Count() && modifiedRows_->GetItem(ARow) != 0;
}

void TProStringGrid::SetRowModified(Integer ARow, bool State) {
  while (modifiedRows_->Count() <= ARow) modifiedRows_->Add(0);
  modifiedRows_->SetItem(ARow, State ? 1 : 0);
  RepaintCell(0, ARow);
}

// ---- Validation ----

namespace {

// Marks a validation as running for a scope; at its end, also after a handler raised, the grid
// remembers its current cell and the mark goes.
class ValidationScope {
 public:
  ValidationScope(bool& Validating, TFunctionRef<void()> AtEnd) : validating_(Validating), atEnd_(AtEnd) {
    validating_ = true;
  }
  ~ValidationScope() {
    atEnd_();
    validating_ = false;
  }
  ValidationScope(const ValidationScope&) = delete;
  ValidationScope& operator=(const ValidationScope&) = delete;

 private:
  bool& validating_;
  TFunctionRef<void()> atEnd_;
};

// Switches Navigation.AdvanceOnEnter off for a scope.
class AdvanceOnEnterOff {
 public:
  explicit AdvanceOnEnterOff(TNavigation* Navigation) : navigation_(Navigation), saved_(Navigation->AdvanceOnEnter()) {
    navigation_->SetAdvanceOnEnter(false);
  }
  ~AdvanceOnEnterOff() { navigation_->SetAdvanceOnEnter(saved_); }
  AdvanceOnEnterOff(const AdvanceOnEnterOff&) = delete;
  AdvanceOnEnterOff& operator=(const AdvanceOnEnterOff&) = delete;

 private:
  TNavigation* navigation_;
  bool saved_;
};

}   // namespace

bool TProStringGrid::ValidateCell(const std::string& NewValue) {
  if (!editorOpen_ || validating_) return true;
  editorOpen_ = false;
  const auto rememberCurrent = [this] { RememberCurrentCellValue(); };   // outlives the scope
  ValidationScope scope(validating_, rememberCurrent);
  bool valid = true;
  const Integer col = editCol_;
  const Integer row = editRow_;
  lastEditedText_ = NewValue;
  if (NewValue == keptCellText_ && !alwaysValidate_) return valid;
  std::string value = NewValue;
  {
    AdvanceOnEnterOff advanceOff(navigation_.get());
    const Integer realCol = DisplToRealCol(col);
    if (cellChecker_ != nullptr && cellChecker_->AutoCorrect()) value = cellChecker_->Correct(realCol, row, value);
    OnCellValidate(this, col, row, value, valid);
    if (cellChecker_ != nullptr && cellChecker_->AutoMarkError()) value = cellChecker_->MarkError(realCol, row, value);
    if (showModified_->Enabled() && FixedCols() > 0 && value != keptCellText_) SetRowModified(row, true);
    if (valid) {
      CellValueChanged(col);
      if (UndoRedo() != nullptr) UndoRedo()->RegisterChange(col, row, keptCellText_, value);
      CellsChanged(TRect{col, row, col, row});
    }
  }
  lastEditedText_ = value;
  if (!valid) lastEditValid_ = false;
  if (valid) {
    if (IsCoveredCell(col, row)) SetRawCellText(col, row, value);
    SetCellText(col, row, value);
  } else if (value != NewValue) {
    ReopenEditorOn(col, row, value);
  } else {
    SetCellText(col, row, keptCellText_);
    if (col != Col()) InvalidateEditor();
  }
  keptCellText_ = GetRawCellText(col, row);
  return valid;
}

// A refused edit whose text the handler changed: the editor goes, the changed text is stored, the
// edit cell becomes current again and the editor opens on it.
void TProStringGrid::ReopenEditorOn(Integer ACol, Integer ARow, const std::string& Text) {
  HideEditor();
  SetCellText(ACol, ARow, Text);
  if (ACol != Col() || ARow != Row()) MoveColRow(ACol, ARow, true, true);
  editorOpen_ = true;
  ShowEditor();
}

bool TProStringGrid::ValidateCellWide(const std::u16string& NewValue) {
  if (!editorOpen_ || validating_) return true;
  editorOpen_ = false;
  const auto rememberCurrent = [this] { RememberCurrentCellValue(); };   // outlives the scope
  ValidationScope scope(validating_, rememberCurrent);
  bool valid = true;
  const Integer col = editCol_;
  const Integer row = editRow_;
  if (NewValue == keptWideText_ && !alwaysValidate_) return valid;
  std::u16string value = NewValue;
  CellValueChanged(col);
  OnCellValidateWide(this, col, row, value, valid);
  CellsChanged(TRect{col, row, col, row});
  if (valid)
    SetRawCellText(col, row, EncodeWideCellText(value));
  else
    ReopenEditorOn(col, row, EncodeWideCellText(value != NewValue ? value : keptWideText_));
  keptWideText_ = DecodeWideCellText(GetCellText(col, row));
  return valid;
}
