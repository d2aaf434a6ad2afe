// TProStringGrid: the event dispatchers the painting, editing and input handling call, with the
// grid's own answers they start from (active-cell and cell-property colours, group lines, fixed
// cells, edit permission, alignment), and the cell accessors they rest on.
#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/cell_text_kinds.h"
#include "grid/grouping_settings.h"
#include "grid/mouse_actions.h"
#include "grid/pro_string_grid.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/brush.h"
#include "platform/ui/font.h"
#include "platform/ui/pen.h"

// ---- Look ----

void TProStringGrid::DoGridHint(Integer ACol, Integer ARow, std::string& Hint) { OnGridHint(this, ARow, ACol, Hint); }

void TProStringGrid::ApplyActiveCellColors(Integer ACol, Integer ARow, TBrush* ABrush, TFont* AFont) {
  // Only the first fixed column of the current row and the first fixed row of the current column
  // show the active cell.
  const Integer displayCol = DisplColIndex(ACol);
  const bool rowHeader = displayCol == 0 && ARow == Row() && FixedCols() > 0;
  const bool colHeader = ARow == 0 && displayCol == Col() && FixedRows() > 0;
  if (activeCellShow_ && (rowHeader || colHeader)) {
    AFont->Assign(activeCellFont_.get());
    ABrush->SetColor(activeCellColor_);
  }
}

void TProStringGrid::DoGetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  ApplyActiveCellColors(ACol, ARow, ABrush, AFont);
  if (HasCellProperties(ACol, ARow)) {
    const TCellProperties* props = GetCellProperties(ACol, ARow);
    // Cells that draw a control of their own (check boxes, progress bars, ...) keep the brush.
    switch (GetCellType(ACol, ARow)) {
      case ctIcon:
      case ctNone:
      case ctImageList:
      case ctEmpty:
      case ctImages:
      case ctComment:
        if (props->BrushColor() != clNone) ABrush->SetColor(props->BrushColor());
        break;
      default:
        break;
    }
    if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
    if (!props->FontStyle().Empty()) AFont->SetStyle(props->FontStyle());
    if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
    if (!props->FontName().empty()) AFont->SetName(props->FontName());
  }
  OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TProStringGrid::DoGetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush,
                                         TFont* AFont) {
  OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TProStringGrid::DoGetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  if (ACol > 0 && GetCellType(0, ARow) == ctNode && grouping_->HeaderUnderline()) {
    Borders = TCellBorders{cbBottom};
    APen->SetColor(grouping_->HeaderLineColor());
    APen->SetWidth(grouping_->HeaderLineWidth());
  }
  if (ACol > 0 && GetCellType(0, ARow) == ctSummary && grouping_->SummaryLine()) {
    Borders = TCellBorders{cbTop};
    APen->SetColor(grouping_->SummaryLineColor());
    APen->SetWidth(grouping_->SummaryLineWidth());
  }
  OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TProStringGrid::DoGetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TProStringGrid::DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && mouseActions_->HotmailRowSelect()) HAlign = taCenter;
  OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TProStringGrid::DoGetFormat(Integer ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) {
  OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TProStringGrid::DoGetWordWrap(Integer ACol, Integer ARow, bool& WordWrap) {
  OnGetWordWrap(this, ACol, ARow, WordWrap);
}

void TProStringGrid::DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword) {
  OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

std::pair<TAlignment, TVAlignment> TProStringGrid::GetCellAlignment(Integer ACol, Integer ARow) {
  TVAlignment vertical = vAlignment_;
  TAlignment horizontal = taLeftJustify;
  const std::string display = GetCellText(ACol, ARow);
  if (AutoNumAlign()) {
    const bool wideFormula = display.size() > 3 && display.starts_with("|\\") && display[3] == '=';
    std::string text = display;
    if (display.starts_with("=") || wideFormula) GetCalculatedCellText(ACol, ARow, text);
    const Integer kind = NumberTextKind(Trim(text));
    if (kind == ntkInteger || kind == ntkDecimal || kind == ntkScientific) horizontal = taRightJustify;
  }
  if (HasCellProperties(ACol, ARow) && (!AutoNumAlign() || !display.starts_with("=")))
    horizontal = GetCellProperties(ACol, ARow)->Alignment();
  DoGetAlignment(ACol, ARow, horizontal, vertical);
  return {horizontal, vertical};
}

// ---- Fixed cells and edit permission ----

void TProStringGrid::DoIsFixedCell(Integer ACol, Integer ARow, bool& IsFixed) {
  if (IsFixed) return;
  const bool keptFixedRow = fixedRowAlways_ && RowCount() == loadedFixedRows_ && ARow < loadedFixedRows_;
  const bool keptFixedCol = fixedColAlways_ && ColCount() == loadedFixedCols_ && ACol < loadedFixedCols_;
  IsFixed = keptFixedRow || keptFixedCol || ACol < FixedCols() || ARow < FixedRows();
  if (!IsFixed) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TProStringGrid::DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  OnCanEditCell(this, ARow, ACol, CanEdit);
}

// The base cell of the cell's range decides: a read-only cell cannot be edited; without goEditing
// nothing can, unless the grid edits a fixed cell (forced edit) or RangeSelectAndEdit is on.
void TProStringGrid::CanEditCell(Integer ACol, Integer ARow, bool& CanEdit) {
  const TPoint base = GetBaseCell(ACol, ARow);
  if (HasCellProperties(base.X, base.Y) && CanEdit) CanEdit = !GetCellProperties(base.X, base.Y)->ReadOnly();
  if (!Options().Contains(goEditing) && !forcedEdit_ && !mouseActions_->RangeSelectAndEdit()) CanEdit = false;
  DoCanEditCell(base.X, base.Y, CanEdit);
}

bool TProStringGrid::GetCellReadOnly(Integer ACol, Integer ARow) { return GetCellProperties(ACol, ARow)->ReadOnly(); }

void TProStringGrid::DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor) {
  OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TProStringGrid::DoHasComboBox(Integer ACol, Integer ARow) {
  bool hasComboBox = false;
  OnHasComboBox(this, ACol, ARow, hasComboBox);
  return hasComboBox;
}

void TProStringGrid::DoGetCheckTrue(Integer ACol, Integer ARow, std::string& Value) {
  Value = checkTrue_;
  OnGetCheckTrue(this, ACol, ARow, Value);
}

void TProStringGrid::DoGetCheckFalse(Integer ACol, Integer ARow, std::string& Value) {
  Value = checkFalse_;
  OnGetCheckFalse(this, ACol, ARow, Value);
}

// ---- Rows ----

void TProStringGrid::DoCanAddRow(bool& CanAdd) { OnCanAddRow(this, CanAdd); }

void TProStringGrid::DoCanInsertRow(Integer ARow, bool& CanInsert) { OnCanInsertRow(this, ARow, CanInsert); }

void TProStringGrid::DoDatePickerCloseUp() { OnDatePickerCloseUp(this, Row(), Col()); }

// ---- Scrolling to a cell ----

void TProStringGrid::ScrollToCell(Integer ACol, Integer ARow) {
  if (ACol >= ColCount() || ARow >= RowCount()) return;
  Integer left = LeftCol();
  Integer top = TopRow();
  if (ACol < LeftCol() || ACol >= LeftCol() + VisibleColCount()) {
    SetCol(ACol);
    left = std::max(ACol - VisibleColCount() / 2, FixedCols());
  }
  if (ARow < TopRow() || ARow >= TopRow() + VisibleRowCount()) {
    SetRow(ARow);
    top = std::max(ARow - VisibleRowCount() / 2, FixedRows());
  }
  SetLeftCol(std::min(left, ColCount() - VisibleColCount() + 1));
  SetTopRow(std::min(top, RowCount() - VisibleRowCount() + 1));
}
