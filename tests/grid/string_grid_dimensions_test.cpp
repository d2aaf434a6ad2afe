// The string grid's dimensions: fixed areas kept by FixedRowAlways, the recorded counts, the
// current row's event, the save range, the selection put aside, headers (also lists shorter or
// longer than the grid) and merged runs of equal cells.
#include <gtest/gtest.h>

#include "grid/int_list.h"
#include "platform/classes/string_list.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

using DimensionsTest = StringGridTest;

TEST_F(DimensionsTest, FixedRowAlwaysKeepsOneFixedRowAndRestoresTheRememberedOnes) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  EXPECT_EQ(grid->FixedRows(), 1);   // stored 0, reported 1
  EXPECT_EQ(grid->TBaseGrid::FixedRows(), 0);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->TBaseGrid::FixedRows(), 1);
  grid->SetFixedRowAlways(false);
  grid->SetRowCount(1);
  EXPECT_EQ(grid->FixedRows(), 0);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->FixedRows(), 0);
}

TEST_F(DimensionsTest, CountsRecordTheirLargestValueAndTheRealRowCount) {
  TTestStringGrid* grid = NewGrid();
  grid->SetRowCount(30);
  grid->SetRowCount(4);
  grid->SetColCount(9);
  grid->SetColCount(3);
  EXPECT_EQ(grid->MaxRowCount(), 30);
  EXPECT_EQ(grid->MaxColCount(), 9);
  EXPECT_EQ(grid->RealRowCount(), 4);
  grid->SetRowCount(0);   // the class library keeps one row; the requested value is recorded
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->RealRowCount(), 0);
}

TEST_F(DimensionsTest, FixedSizes) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFixedCols(2);
  grid->SetFixedColWidth(64);   // the default column width: nothing changes
  grid->SetColWidths(0, 50);
  grid->SetFixedColWidth(64);
  EXPECT_EQ(grid->FixedColWidth(), 50);
  grid->SetFixedColWidth(40);
  EXPECT_EQ(grid->ColWidths(0), 40);
  EXPECT_EQ(grid->ColWidths(1), 40);
  EXPECT_EQ(grid->ColWidths(2), 64);
  grid->SetFixedRowHeight(30);
  EXPECT_EQ(grid->RowHeights(0), 30);
  EXPECT_EQ(grid->RowHeights(1), 21);
  EXPECT_EQ(grid->FixedRowHeight(), 30);
}

TEST_F(DimensionsTest, SetRowReportsToOnRowUpdateOnlyWhileItIsAssigned) {
  TTestStringGrid* grid = NewGrid();
  grid->SetRow(3);
  EXPECT_EQ(grid->LastUpdatedRow(), -1);
  std::vector<std::pair<Integer, Integer>> updates;
  grid->OnRowUpdate = [&](TObject*, Integer oldRow, Integer newRow) { updates.emplace_back(oldRow, newRow); };
  grid->SetRow(5);
  grid->SetRow(5);
  grid->SetRow(2);
  EXPECT_EQ(updates, (std::vector<std::pair<Integer, Integer>>{{-1, 5}, {5, 2}}));
  EXPECT_EQ(grid->LastUpdatedRow(), 2);
}

TEST_F(DimensionsTest, TheSaveRangeIsTheWholeGrid) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFixedFooters(1);
  grid->SetFixedRightCols(1);
  EXPECT_EQ(grid->FirstSaveCol(), 0);
  EXPECT_EQ(grid->FirstSaveRow(), 0);
  EXPECT_EQ(grid->LastSaveCol(), 4);
  EXPECT_EQ(grid->LastSaveRow(), 9);
  EXPECT_EQ(grid->SaveColCount(), 5);
  EXPECT_EQ(grid->SaveRowCount(), 10);
}

TEST_F(DimensionsTest, HiddenSelectionComesBackWhenItStillFitsOrOnTheFirstNormalCell) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetSelection(TGridRect{2, 3, 3, 4});
  grid->HideSelection();
  EXPECT_TRUE(grid->SelectionHidden());
  EXPECT_EQ(grid->Selection(), (TGridRect{5, 10, 5, 10}));
  grid->RestoreSelection();
  EXPECT_FALSE(grid->SelectionHidden());
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 4}));
  grid->SetSelection(TGridRect{1, 8, 1, 8});
  grid->HideSelection();
  grid->SetRowCount(5);
  grid->RestoreSelection();
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(DimensionsTest, HeadersAreWrittenAsFarAsTheListAndTheGridReach) {
  const struct {
    const char* what;
    std::vector<std::string> headers;
    Integer cols;
    std::vector<std::string> row0;
  } cases[] = {
      // The company dialog's list: two headers over three columns.
      {"shorter list", {"Code", "Name"}, 3, {"Code", "Name", ""}},
      {"longer list", {"a", "b", "c", "d"}, 2, {"a", "b"}},
      {"escaped line break", {"one\\ntwo"}, 1, {"one\rtwo"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(c.cols);
    Fill(grid, {std::vector<std::string>(c.cols, "old")});
    TStringList headers;
    for (const auto& h : c.headers) headers.Add(h);
    grid->SetColumnHeaders(&headers);
    std::vector<std::string> row0;
    for (Integer col = 0; col < grid->ColCount(); ++col) row0.push_back(grid->GetCellText(col, 0));
    EXPECT_EQ(row0, c.row0);
  }
}

TEST_F(DimensionsTest, RowHeadersFillColumnZeroAndNothingIsWrittenWithoutFixedCells) {
  TTestStringGrid* grid = NewGrid();
  grid->SetRowCount(3);
  TStringList headers;
  for (const char* h : {"r0", "r1", "r2", "r3", "r4"}) headers.Add(h);
  grid->SetRowHeaders(&headers);
  EXPECT_EQ(Column(grid, 0, 0, 2), (std::vector<std::string>{"r0", "r1", "r2"}));
  grid->SetFixedRows(0);
  grid->SetCellText(1, 0, "kept");
  grid->ColumnHeaders()->Add("h");
  EXPECT_EQ(grid->GetCellText(1, 0), "kept");
  grid->RefreshColumnHeaders();
  EXPECT_EQ(grid->log, (std::vector<std::string>{"headers"}));
}

TEST_F(DimensionsTest, RunsOfEqualCellsMergeWithinTheRunsOfTheFirstListedColumn) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{"", "", ""}, {"", "A", "x"}, {"", "A", "x"}, {"", "A", "y"}, {"", "B", "y"}, {"", "B", "y"}});
  grid->SetRowCount(6);
  grid->MergeColumns()->Add(1);
  grid->MergeColumns()->Add(2);
  grid->MergeListedColumns();
  EXPECT_EQ(grid->GetCellSpan(1, 1).Y, 2);   // A over rows 1-3
  EXPECT_EQ(grid->GetCellSpan(1, 4).Y, 1);   // B over rows 4-5
  EXPECT_EQ(grid->GetCellSpan(2, 1).Y, 1);   // x over rows 1-2
  EXPECT_FALSE(grid->IsMergedCell(2, 3));    // y at row 3 belongs to A's run, the y below to B's
  EXPECT_EQ(grid->GetCellSpan(2, 4).Y, 1);
  grid->SplitAllColumnMerges();
  for (Integer row = 0; row < 6; ++row)
    for (Integer col = 0; col < 3; ++col) EXPECT_FALSE(grid->IsMergedCell(col, row)) << col << "," << row;
  grid->RemergeColumns();
  EXPECT_EQ(grid->GetCellSpan(1, 2).Y, 2);
}

TEST_F(DimensionsTest, AWideCellBeginsWithTheWideMarker) {
  TTestStringGrid* grid = NewGrid();
  grid->SetCellText(1, 1, "|\\");
  grid->SetCellText(2, 1, "x|\\");
  EXPECT_TRUE(grid->IsWideCell(1, 1));
  EXPECT_FALSE(grid->IsWideCell(2, 1));
}

}   // namespace
}   // namespace gridtest
