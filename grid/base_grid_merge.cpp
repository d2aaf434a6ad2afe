// TBaseGrid: merged ranges (recorded in the cells' properties), the base-cell rule, the geometry of
// cells in and out of view, and repainting a cell's range.
#include "grid/base_grid.h"

#include <algorithm>

#include "grid/cell_properties.h"
#include "platform/user/painting.h"

namespace {

// Sums of column widths or row heights over [From, To).
template <class Extent>
Integer SumExtents(Integer From, Integer To, Extent extent) {
  Integer sum = 0;
  for (Integer i = From; i < To; ++i) sum += extent(i);
  return sum;
}

TRect UnionOf(const TRect& A, const TRect& B) {
  return TRect{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
               std::max(A.Bottom, B.Bottom)};
}

}  // namespace

// ---- Ranges ----

void TBaseGrid::SetSpans(Integer ACol, Integer ARow, bool IsBase, Integer SpanX, Integer SpanY) {
  TCellProperties* props = GetCellProperties(ACol, ARow);
  props->SetIsBaseCell(IsBase);
  props->SetCellSpanX(SpanX);
  props->SetCellSpanY(SpanY);
}

void TBaseGrid::RepaintRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow) {
  for (Integer col = FromCol; col <= ToCol; ++col)
    for (Integer row = FromRow; row <= ToRow; ++row) RepaintCell(col, row);
}

void TBaseGrid::MergeCells(Integer ACol, Integer ARow, Integer NumCols, Integer NumRows) {
  if (NumCols < 1 || NumRows < 1) return;
  const Integer lastCol = ACol + NumCols - 1;
  const Integer lastRow = ARow + NumRows - 1;
  // A range reaching outside the grid raises the index error before any cell changes.
  GetRawCellObject(ACol, ARow);
  GetRawCellObject(lastCol, lastRow);
  for (Integer col = ACol; col <= lastCol; ++col) {
    for (Integer row = ARow; row <= lastRow; ++row) {
      const bool isBase = col == ACol && row == ARow;
      SetSpans(col, row, isBase, isBase ? NumCols - 1 : col - ACol, isBase ? NumRows - 1 : row - ARow);
    }
  }
  RepaintRange(ACol, ARow, lastCol, lastRow);
}

void TBaseGrid::SplitCells(Integer ACol, Integer ARow) {
  const TPoint base = GetCellProperties(ACol, ARow)->ResolveBaseCell(ACol, ARow);
  const TCellProperties* baseProps = GetCellProperties(base.X, base.Y);
  const Integer lastCol = base.X + baseProps->CellSpanX();
  const Integer lastRow = base.Y + baseProps->CellSpanY();
  for (Integer col = base.X; col <= lastCol; ++col)
    for (Integer row = base.Y; row <= lastRow; ++row) SetSpans(col, row, true, -1, -1);
  RepaintRange(base.X, base.Y, lastCol, lastRow);
}

TPoint TBaseGrid::GetBaseCell(Integer ACol, Integer ARow) const {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  return props != nullptr ? props->ResolveBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TBaseGrid::IsBaseCell(Integer ACol, Integer ARow) const {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  return props == nullptr || props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(Integer ACol, Integer ARow) const {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  return props != nullptr && (props->CellSpanX() >= 1 || props->CellSpanY() >= 1);
}

bool TBaseGrid::IsCoveredCell(Integer ACol, Integer ARow) const {
  return IsMergedCell(ACol, ARow) && !PropertiesAt(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsColSpanned(Integer ACol, Integer ARow) const {
  return HasCellProperties(ACol, ARow) && GetCellSpan(ACol, ARow).X > 0;
}

bool TBaseGrid::IsRowSpanned(Integer ACol, Integer ARow) const {
  return HasCellProperties(ACol, ARow) && GetCellSpan(ACol, ARow).Y > 0;
}

TPoint TBaseGrid::GetCellSpan(Integer ACol, Integer ARow) const {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  if (props == nullptr || props->CellSpanX() == -1 || props->CellSpanY() == -1) return TPoint{0, 0};
  const TPoint base = props->ResolveBaseCell(ACol, ARow);
  const TCellProperties* baseProps = PropertiesAt(base.X, base.Y);
  if (baseProps == nullptr) return TPoint{0, 0};   // a range whose base cell lost its properties
  return TPoint{baseProps->CellSpanX(), baseProps->CellSpanY()};
}

bool TBaseGrid::RowsShareMergedRanges(Integer RowA, Integer RowB) const {
  bool counted = false;
  for (Integer col = 0; col < ColCount(); ++col) {
    if (GetCellSpan(col, RowA).Y <= 0 || GetCellSpan(col, RowB).Y <= 0) continue;
    if (GetBaseCell(col, RowA).Y != GetBaseCell(col, RowB).Y) return false;
    counted = true;
  }
  return counted;
}

void TBaseGrid::SnapToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  const TPoint base = GetBaseCell(Col(), Row());
  SetCol(base.X);
  SetRow(base.Y);
}

// ---- Geometry ----

Integer TBaseGrid::FixedColsWidth() const {
  return SumExtents(0, FixedCols(), [this](Integer i) { return ColWidths(i); });
}

Integer TBaseGrid::FixedRowsHeight() const {
  return SumExtents(0, FixedRows(), [this](Integer i) { return RowHeights(i); });
}

TRect TBaseGrid::VirtualCellRect(Integer ACol, Integer ARow) {
  const auto width = [this](Integer i) { return ColWidths(i); };
  const auto height = [this](Integer i) { return RowHeights(i); };
  Integer x = SumExtents(0, ACol, width);
  Integer y = SumExtents(0, ARow, height);
  // Normal cells move with the scrolled view; the first cell in view sits at its CellRect.
  const TRect origin = CellRect(LeftCol(), TopRow());
  if (ACol >= FixedCols()) x += origin.Left - SumExtents(0, LeftCol(), width);
  if (ARow >= FixedRows()) y += origin.Top - SumExtents(0, TopRow(), height);
  return TRect{x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

TRect TBaseGrid::CellSpanRect(Integer ACol, Integer ARow) {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  if (props != nullptr && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
    const TPoint base = props->ResolveBaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropertiesAt(base.X, base.Y);
    const TPoint span = baseProps != nullptr ? TPoint{baseProps->CellSpanX(), baseProps->CellSpanY()} : TPoint{0, 0};
    // Kept inside the grid, so a range cut by a lower count still paints.
    const TPoint last{std::clamp(base.X + span.X, base.X, ColCount() - 1),
                      std::clamp(base.Y + span.Y, base.Y, RowCount() - 1)};
    return UnionOf(VirtualCellRect(base.X, base.Y), VirtualCellRect(last.X, last.Y));
  }
  if (props != nullptr && props->Control() != nullptr) return VirtualCellRect(ACol, ARow);
  const TRect rect = CellRect(ACol, ARow);
  if (rect == TRect{}) return rect;
  return TRect{rect.Left, rect.Top, rect.Left + ColWidths(ACol), rect.Top + RowHeights(ARow)};
}

TPoint TBaseGrid::MergedCellExtent(Integer ACol, Integer ARow) {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  TRect rect;
  if (props == nullptr || (props->CellSpanX() == -1 && props->CellSpanY() == -1)) {
    rect = VirtualCellRect(ACol, ARow);
  } else {
    const TPoint base = props->ResolveBaseCell(ACol, ARow);
    const TPoint span = GetCellSpan(ACol, ARow);
    rect = UnionOf(VirtualCellRect(base.X, base.Y), VirtualCellRect(base.X + span.X, base.Y + span.Y));
  }
  return TPoint{rect.Width(), rect.Height()};
}

void TBaseGrid::RepaintCell(Integer ACol, Integer ARow) {
  if (!HandleAllocated()) return;
  const TRect rect = CellSpanRect(ACol, ARow);
  InvalidateRect(WindowHandle(), &rect, TRUE);
}
