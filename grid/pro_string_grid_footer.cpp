// TProStringGrid: the footer row's calculation and the column aggregates it uses.
//
// The footer row is the grid's last row while the floating footer shows it (fsFixedLastRow).  The
// aggregate kind of each of its cells is the low 7 bits of FooterCalc in the cell's properties:
// 1 sum, 2 average, 3 count, 4 minimum, 5 maximum, 7 OnCalcFooter's text, 0 an empty cell; a cell
// without properties, or of another kind (6, ...), is left as it is.
#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"

namespace {

constexpr Byte kFooterKindMask = 0x7F;
enum FooterKind : Byte { kEmpty = 0, kSum = 1, kAverage = 2, kCount = 3, kMinimum = 4, kMaximum = 5, kCustom = 7 };

}   // namespace

void TProStringGrid::CalculateFooter(Integer ACol) {
  if (!floatingFooter_->ShowsLastRow() || !floatingFooter_->AutoCalculate()) return;
  if (ACol >= 0) return CalculateFooterColumn(ACol);
  const Integer columns = ColCount() + NumHiddenColumns();
  for (Integer col = 0; col < columns; ++col) CalculateFooterColumn(col);
}

// With CalculateHiddenRows the aggregates run over real rows (hidden rows included), which end
// right above the footer row, the last real row.
void TProStringGrid::CalculateFooterColumn(Integer ACol) {
  const Integer footerRow = RowCount() - 1;
  if (!HasCellProperties(ACol, footerRow)) return;
  const Integer hidden = floatingFooter_->CalculateHiddenRows() ? NumHiddenRows() : 0;
  const Integer lastDataRow = RowCount() - 2 + hidden;
  const Byte kind = GetCellProperties(ACol, footerRow)->FooterCalc() & kFooterKindMask;
  switch (kind) {
    case kEmpty:
      return SetCellText(ACol, footerRow, "");
    case kSum:
      return SetFloats(ACol, footerRow, ColumnSum(ACol, FixedRows(), lastDataRow));
    case kAverage:
      return SetFloats(ACol, footerRow, ColumnAvg(ACol, FixedRows(), lastDataRow));
    case kCount:
      return SetFloats(ACol, footerRow, lastDataRow - FixedRows() + 1);
    case kMinimum:
    case kMaximum:
      // A start row that does not read as a number leaves no minimum or maximum to show.
      try {
        SetFloats(
            ACol, footerRow,
            kind == kMinimum ? ColumnMin(ACol, FixedRows(), lastDataRow) : ColumnMax(ACol, FixedRows(), lastDataRow));
      } catch (const EProGridError&) {
        SetCellText(ACol, footerRow, "");
      }
      return;
    case kCustom: {
      std::string value;
      floatingFooter_->OnCalcFooter(floatingFooter_.get(), ACol, footerRow + hidden, value);
      return SetCellText(ACol, footerRow, value);
    }
    default:
      return;
  }
}

// ---- Column aggregates ----

// A row counts when its cell is a base cell and, while the grid is grouped, it is neither a node
// row nor a summary row.  A hidden row (real rows only) always counts.
bool TProStringGrid::TakesPartInAggregate(Integer ACol, Integer ARow, bool RealRow) {
  if (RealRow) {
    if (IsHiddenRow(ARow)) return true;
    ARow = RealToDisplayRow(ARow);
  }
  if (!IsBaseCell(ACol, ARow)) return false;
  if (groupColumn_ < 0) return true;
  const TCellType kind = GetCellType(0, ARow);
  return kind != ctNode && kind != ctSummary;
}

// A range that reaches past the shown data rows (into the footer rows or beyond) counts real rows:
// the footer's range over hidden rows ends there, and the footer row itself is never data.
bool TProStringGrid::AggregatesRealRows(Integer ToRow) const { return ToRow >= RowCount() - fixedFooters_; }

double TProStringGrid::AggregateValue(Integer ACol, Integer ARow, bool RealRow) {
  return RealRow ? GetAllFloats(ACol, ARow) : GetFloats(ACol, ARow);
}

// Walks the rows FromRow..ToRow of the column, handing each value that reads to Take; values that
// do not read are skipped.  SaveProgress reports the walk (0, each row that counts, 2).
void TProStringGrid::ForEachAggregateValue(Integer ACol, Integer FromRow, Integer ToRow,
                                           TFunctionRef<void(double)> Take) {
  const bool realRows = AggregatesRealRows(ToRow);
  SaveProgress(0, -1);
  for (Integer row = FromRow; row <= ToRow; ++row) {
    if (!TakesPartInAggregate(ACol, row, realRows)) continue;
    SaveProgress(1, row);
    try {
      Take(AggregateValue(ACol, row, realRows));
    } catch (const EProGridError&) {
    }
  }
  SaveProgress(2, -1);
}

double TProStringGrid::ColumnSum(Integer ACol, Integer FromRow, Integer ToRow) {
  double sum = 0;
  ForEachAggregateValue(ACol, FromRow, ToRow, [&](double value) { sum += value; });
  return sum;
}

double TProStringGrid::ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow) {
  const Integer rows = ToRow - FromRow + 1;
  return rows > 0 ? ColumnSum(ACol, FromRow, ToRow) / rows : 0;
}

double TProStringGrid::ColumnMin(Integer ACol, Integer FromRow, Integer ToRow) {
  double result = AggregateValue(ACol, FromRow, AggregatesRealRows(ToRow));
  ForEachAggregateValue(ACol, FromRow, ToRow, [&](double value) {
    if (value < result) result = value;
  });
  return result;
}

double TProStringGrid::ColumnMax(Integer ACol, Integer FromRow, Integer ToRow) {
  double result = AggregateValue(ACol, FromRow, AggregatesRealRows(ToRow));
  ForEachAggregateValue(ACol, FromRow, ToRow, [&](double value) {
    if (value > result) result = value;
  });
  return result;
}

void TProStringGrid::FooterRowChanged() { floatingFooter_->Invalidate(); }
