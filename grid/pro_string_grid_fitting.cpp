// TProStringGrid fitting: column widths and row heights sized to the cells' texts and graphics.
#include <algorithm>

#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/grid_values.h"
#include "grid/pro_inplace_edit.h"
#include "grid/pro_string_grid.h"
#include "grid/size_while_typing.h"
#include "platform/ui/canvas.h"

namespace {

// The pixels a combo box's button takes beside the text when it always shows.
constexpr Integer kDropDownButtonWidth = 16;

}  // namespace

void TProStringGrid::FitColumnWidth(Integer ACol, bool GrowOnly) {
  const Integer lines = 2 * GridLineWidth();
  Integer widest = 0;
  for (Integer row = 0; row < RowCount(); ++row) {
    if (GetCellSpan(ACol, row).X > 0) continue;
    TPoint graphic{};
    GetCellGraphicSize(ACol, row, graphic);
    // The measurement counts the margin on both sides; the width below adds it once.
    const Integer text = std::max<Integer>(0, MeasureCellText(ACol, row, false).cx - 2 * xMargin_);
    Integer width = graphic.X + text;
    if (controlLook_->DropDownAlwaysVisible() && DoHasComboBox(DisplToRealCol(ACol), row))
      width += kDropDownButtonWidth;
    if (const TCellGraphic* cellGraphic = GetCellGraphic(ACol, row);
        cellGraphic != nullptr && cellGraphic->CellHAlign() == haFull)
      width = graphic.X - lines - xMargin_ - 2;
    widest = std::max(widest, width);
  }
  Integer width = lines + widest + xMargin_ + 2;
  if (GrowOnly && ColWidths(ACol) >= width) return;
  OnUpdateColumnSize(this, ACol, width);
  SetColWidths(ACol, ClampValue(width, minColWidth_, maxColWidth_));
}

void TProStringGrid::AutoSizeColumns(bool IncludeFixed, Integer Extra) {
  for (Integer col = IncludeFixed ? 0 : FixedCols(); col < ColCount(); ++col) {
    AutoSizeColumn(col);
    if (Extra != 0) SetColWidths(col, ClampValue(ColWidths(col) + Extra, minColWidth_, maxColWidth_));
  }
}

void TProStringGrid::SizeRowToContents(Integer ARow, bool GrowOnly) {
  const Integer lines = 2 * GridLineWidth();
  Integer highest = 0;
  for (Integer col = 0; col < ColCount(); ++col) {
    if (GetCellSpan(col, ARow).Y > 0) continue;
    Integer height = 0;
    if (IsBaseCell(col, ARow)) {
      Integer text = std::max<Integer>(0, MeasureCellText(col, ARow, WordWrap()).cy - 2 * yMargin_);
      TPoint graphic{};
      GetCellGraphicSize(col, ARow, graphic);
      const TCellGraphic* cellGraphic = GetCellGraphic(col, ARow);
      const TCellType kind = cellGraphic != nullptr ? cellGraphic->CellType() : ctNone;
      if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && graphic.Y > 0) text = 0;
      height = text + graphic.Y;
      if (cellGraphic != nullptr && cellGraphic->CellVAlign() == vaFull) height = graphic.Y - lines - yMargin_ - 2;
      if (kind == ctCheckBox || kind == ctDataCheckBox) height = DefaultRowHeight();
    }
    highest = std::max(highest, height);
  }
  const Integer height = lines + highest + yMargin_;
  if (GrowOnly && RowHeights(ARow) >= height) return;
  const bool allRowsShown = TopRow() + VisibleRowCount() >= RowCount();
  SetRowHeights(ARow, ClampValue(height, minRowHeight_, maxRowHeight_));
  const bool allRowsShownNow = TopRow() + VisibleRowCount() >= RowCount();
  TProInplaceEdit* editor = GetInplaceEditor();
  if (!allRowsShown || allRowsShownNow || !EditorMode() || editor == nullptr || !sizeWhileTyping_->Height()) return;
  ShowCellEditor();
  editor->SetSelStart(static_cast<Integer>(editor->Text().size()));
}

void TProStringGrid::SetRowHeightForLines(Integer ARow, Integer Lines, Integer Extra) {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  TGridDrawState state;
  DoGetCellColor(DisplToRealCol(FixedCols()), ARow, state, canvas->Brush(), canvas->Font());
  const Integer h = canvas->TextHeight("gh");
  SetRowHeights(ARow, ClampValue(Extra + Lines * (h + h / 8), minRowHeight_, maxRowHeight_));
}
