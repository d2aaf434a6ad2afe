// TProStringGrid: grouping rows by the runs of equal values of a column into node rows with
// optional summary rows, and ungrouping; see pro_string_grid.h ("Grouping").
//
// Both forms first switch the filter off and expand every node, so that every row takes part and
// comes back with its own value.  Summary rows are marked as such (a ctSummary graphic in column
// 0) and the ungroupings remove exactly the marked rows, whatever the Grouping settings say by then.
// Group remembers which merges it made, so UnGroup splits exactly those.
#include <string>

#include "grid/cell_graphic.h"
#include "grid/grid_update_lock.h"
#include "grid/grouping_settings.h"
#include "grid/pro_string_grid.h"
#include "grid/sort_settings.h"
#include "platform/ui/font.h"

namespace {

// A value no cell holds: the first row always starts a group.
const std::string kNoValue = "\xFF\xFE";

}   // namespace

// ---- Looks ----

void TProStringGrid::ColorGroupRow(Integer ARow, TColor Color, TColor ColorTo, TColor TextColor) {
  if (Color != clNone) SetRowColor(ARow, Color);
  if (ColorTo != clNone) SetRowColorTo(ARow, ColorTo);
  if (TextColor != clNone) SetRowFontColor(ARow, TextColor);
}

void TProStringGrid::ColorGroupCell(Integer ACol, Integer ARow, TColor Color, TColor ColorTo, TColor TextColor) {
  if (Color != clNone) SetCellColor(ACol, ARow, Color);
  if (ColorTo != clNone) SetCellColorTo(ACol, ARow, ColorTo);
  if (TextColor != clNone) SetCellFontColor(ACol, ARow, TextColor);
}

void TProStringGrid::ColorHeaderRow(Integer ARow) {
  ColorGroupRow(ARow, grouping_->HeaderColor(), grouping_->HeaderColorTo(), grouping_->HeaderTextColor());
}

void TProStringGrid::ColorSummaryRow(Integer ARow) {
  ColorGroupRow(ARow, grouping_->SummaryColor(), grouping_->SummaryColorTo(), grouping_->SummaryTextColor());
}

// A header or summary row merged from AFromCol to the last column, the merged cell coloured.
void TProStringGrid::MergeGroupRow(Integer ARow, Integer AFromCol, bool Header) {
  MergeCells(AFromCol, ARow, ColCount() - AFromCol, 1);
  if (Header)
    ColorGroupCell(AFromCol, ARow, grouping_->HeaderColor(), grouping_->HeaderColorTo(), grouping_->HeaderTextColor());
  else
    ColorGroupCell(AFromCol, ARow, grouping_->SummaryColor(), grouping_->SummaryColorTo(),
                   grouping_->SummaryTextColor());
}

// ---- Common steps ----

void TProStringGrid::BringEveryRowBack() {
  if (filterActive_) SetFilterActive(false);
  ExpandAll();
}

void TProStringGrid::SaveGroupedColumn(Integer ACol) {
  groupColumn_ = ACol;
  savedGroupWidth_ = ColWidths(ACol);
  savedGroupHeader_ = FixedRows() > 0 ? GetCellText(ACol, 0) : std::string();
  savedGroupFooter_ = FixedFooters() > 0 ? GetCellText(ACol, RowCount() - 1) : std::string();
}

Integer TProStringGrid::InsertSummaryRow(Integer ARow) {
  InsertRows(ARow, 1);
  AddSummaryRow(DisplayToRealRow(ARow));
  return ARow;
}

void TProStringGrid::MakeGroupNode(Integer ARow, Integer ASpan, Integer AGroupedCol) {
  AddNode(DisplayToRealRow(ARow), ASpan);
  if (AGroupedCol >= 0) GetCellGraphic(0, ARow)->SetCellVar(Variant(AGroupedCol));
}

// ---- Group / UnGroup ----

void TProStringGrid::Group(Integer ACol) {
  // Column 0 holds the node graphics: it is never grouped away.
  if (ACol < FixedCols() || ACol < 1 || ACol >= ColCount()) return;
  if (groupRemoved_) UnGroup();
  const Integer headerCol = ACol == 1 ? 2 : 1;
  if (headerCol >= ColCount() || RowCount() - FixedRows() - FixedFooters() <= 0) return;
  BringEveryRowBack();
  GridUpdateLock lock(this);
  SaveGroupedColumn(ACol);
  groupSummary_ = grouping_->Summary();
  groupMergeHeader_ = grouping_->MergeHeader();
  groupMergeSummary_ = grouping_->MergeSummary();
  groupRemoved_ = true;
  if (sortSettings_->AutoSortForGrouping()) {
    sortSettings_->SetColumn(ACol);
    SortByColumn();
  }
  std::string previous = kNoValue;
  Integer header = -1;
  Integer row = FixedRows();
  // A group ends where the next one starts: its node is made then, after the summary row of the
  // group before it (which ends right above it) is inserted.
  auto closeGroup = [&](Integer End) {
    if (header > FixedRows() && groupSummary_) {
      InsertSummaryRow(header);
      if (!groupMergeSummary_) ColorSummaryRow(header);
      ++header;
      ++End;
    }
    MakeGroupNode(header, End - header, -1);
    return End;
  };
  while (row <= RowCount() - FixedFooters() - 1) {
    const std::string value = GetCellText(ACol, row);
    if (value != previous) {
      if (header >= 0) row = closeGroup(row);
      InsertRows(row, 1);
      SetCellText(headerCol, row, value);
      if (!groupMergeHeader_) ColorHeaderRow(row);
      header = row;
      ++row;
    }
    previous = value;
    ++row;
  }
  row = closeGroup(row);
  if (groupSummary_) {
    InsertSummaryRow(row);
    if (!groupMergeSummary_) ColorSummaryRow(row);
  }
  RemoveCols(ACol, 1);
  if (groupMergeHeader_ || groupMergeSummary_) MergeGroupRows();
  SetRow(FixedRows());
}

// The rows Group merges: node rows with MergeHeader; with MergeSummary each group's closing row
// (the row before a node row, and the last normal row): its summary row, or its last data row.
bool TProStringGrid::IsGroupClosingRow(Integer ARow) {
  return !IsNode(ARow) && (ARow == RowCount() - FixedFooters() - 1 || IsNode(ARow + 1));
}

void TProStringGrid::MergeGroupRows() {
  for (Integer row = FixedRows(); row <= RowCount() - FixedFooters() - 1; ++row) {
    if (groupMergeHeader_ && IsNode(row)) MergeGroupRow(row, 1, true);
    if (groupMergeSummary_ && IsGroupClosingRow(row)) MergeGroupRow(row, 1, false);
  }
}

void TProStringGrid::SplitGroupMerges() {
  for (Integer row = FixedRows(); row <= RowCount() - FixedFooters() - 1; ++row) {
    const bool merged = (groupMergeHeader_ && IsNode(row)) || (groupMergeSummary_ && IsGroupClosingRow(row));
    if (!merged || !IsMergedCell(1, row)) continue;
    SplitCells(1, row);
    if (!IsSummary(row) && !IsNode(row)) ResetGroupCellLook(row);
  }
}

// A data row that carried a merged summary look gets the plain look back.
void TProStringGrid::ResetGroupCellLook(Integer ARow) {
  SetCellColor(1, ARow, clNone);
  SetCellColorTo(1, ARow, clNone);
  SetCellFontColor(1, ARow, Font()->Color());
}

void TProStringGrid::UnGroup() {
  if (!groupRemoved_ || groupColumn_ <= 0) return;
  BringEveryRowBack();
  GridUpdateLock lock(this);
  SplitGroupMerges();
  const Integer column = groupColumn_;
  InsertCols(column, 1);
  SetColWidths(column, savedGroupWidth_);
  if (FixedRows() > 0) SetCellText(column, 0, savedGroupHeader_);
  if (FixedFooters() > 0) SetCellText(column, RowCount() - 1, savedGroupFooter_);
  const Integer headerCol = column == 1 ? 2 : 1;
  std::string value;
  Integer row = FixedRows();
  while (row <= RowCount() - FixedFooters() - 1) {
    if (IsSummary(row)) {
      RemoveRowsEx(row, 1);
    } else if (IsNode(row)) {
      value = GetCellText(headerCol, row);
      RemoveNode(DisplayToRealRow(row));
      RemoveRowsEx(row, 1);
    } else {
      SetCellText(column, row, value);
      ++row;
    }
  }
  groupColumn_ = -1;
  groupRemoved_ = false;
  Invalidate();
}

// ---- GroupOnColumn / UnGroupOnColumn ----

bool TProStringGrid::IsGroupingRow(Integer ARow) { return IsNode(ARow) || IsSummary(ARow); }

// Every run of equal values among the data rows (node and summary rows end a run) gets a header
// row in front, inside the nodes around it, holding the value in the next column; the run's cells
// of the column are emptied.  The last data row is treated like every other.
void TProStringGrid::GroupOnColumn(Integer ACol) {
  if (ACol < FixedCols() || ACol < 0 || ACol + 1 >= ColCount() || groupRemoved_) return;
  BringEveryRowBack();
  GridUpdateLock lock(this);
  SaveGroupedColumn(ACol);
  const Integer headerCol = ACol + 1;
  Integer row = FixedRows();
  Integer lastEnd = -1;
  while (row <= RowCount() - FixedFooters() - 1) {
    if (IsGroupingRow(row)) {
      ++row;
      continue;
    }
    const std::string value = GetCellText(ACol, row);
    Integer end = row + 1;
    while (end <= RowCount() - FixedFooters() - 1 && !IsGroupingRow(end) && GetCellText(ACol, end) == value) ++end;
    InsertChildRow(DisplayToRealRow(row), 0);
    SetCellText(headerCol, row, value);
    for (Integer data = row + 1; data <= end; ++data) SetCellText(ACol, data, "");
    MakeGroupNode(row, end - row + 1, ACol);
    if (grouping_->MergeHeader())
      MergeGroupRow(row, headerCol, true);
    else
      ColorHeaderRow(row);
    row = end + 1;
    lastEnd = row;
  }
  if (grouping_->Summary() && lastEnd >= 0) {
    InsertSummaryRow(lastEnd);
    if (grouping_->MergeSummary())
      MergeGroupRow(lastEnd, headerCol, false);
    else
      ColorSummaryRow(lastEnd);
  }
  SetRow(FixedRows());
}

void TProStringGrid::UnGroupOnColumn(Integer ACol) {
  BringEveryRowBack();
  GridUpdateLock lock(this);
  std::string value;
  Integer row = FixedRows();
  while (row <= RowCount() - FixedFooters() - 1) {
    if (IsSummary(row)) {
      if (IsMergedCell(ACol + 1, row)) SplitCells(ACol + 1, row);
      RemoveChildRow(DisplayToRealRow(row));
    } else if (IsNode(row) && GetCellGraphic(0, row)->CellVar().AsInteger() == ACol) {
      value = GetCellText(ACol + 1, row);
      if (IsMergedCell(ACol + 1, row)) SplitCells(ACol + 1, row);
      RemoveNode(DisplayToRealRow(row));
      RemoveChildRow(DisplayToRealRow(row));
    } else if (IsNode(row)) {
      ++row;
    } else {
      SetCellText(ACol, row, value);
      ++row;
    }
  }
  if (groupColumn_ == ACol && !groupRemoved_) groupColumn_ = -1;
}
