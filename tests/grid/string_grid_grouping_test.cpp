// The string grid's grouping: Group and UnGroup (the column taken out and put back), GroupOnColumn
// and UnGroupOnColumn (in place), summary rows, merged headers and summaries, and the round trips
// with a filter on, contracted nodes and settings changed in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/grid_filter.h"
#include "grid/grouping_settings.h"
#include "tests/grid/string_grid_fixture.h"

namespace {

using gridtest::StringGridTest;
using gridtest::TTestStringGrid;

using Rows = std::vector<std::vector<std::string>>;

class GroupingTest : public StringGridTest {
 protected:
  // Row 0 the titles, then one row per value: (row number, value, "x" + row number).
  TTestStringGrid* ValuesGrid(const std::vector<std::string>& Values, Integer FixedCols = 1) {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(4);
    grid->SetRowCount(static_cast<Integer>(Values.size()) + 1);
    grid->SetFixedCols(FixedCols);
    grid->SetCellText(1, 0, "key");
    grid->SetCellText(2, 0, "other");
    for (size_t i = 0; i < Values.size(); ++i) {
      const auto row = static_cast<Integer>(i + 1);
      grid->SetCellText(0, row, std::to_string(row));
      grid->SetCellText(1, row, Values[i]);
      grid->SetCellText(2, row, "x" + std::to_string(row));
    }
    return grid;
  }

  static Rows Snapshot(TProStringGrid* Grid) {
    Rows rows;
    for (Integer row = 0; row < Grid->RowCount(); ++row) {
      rows.emplace_back();
      for (Integer col = 0; col < Grid->ColCount(); ++col) rows.back().push_back(Grid->GetCellText(col, row));
    }
    return rows;
  }
};

TEST_F(GroupingTest, GroupMakesHeaderNodesAndUnGroupRestores) {
  TTestStringGrid* grid = ValuesGrid({"B", "A", "A"});
  grid->SetColWidths(1, 77);
  grid->Group(1);
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->GroupColumn(), 1);
  ASSERT_EQ(grid->RowCount(), 6);
  EXPECT_TRUE(grid->IsNode(1));
  EXPECT_EQ(grid->GetNodeSpan(1), 3);
  EXPECT_EQ(grid->GetCellText(1, 1), "A");   // header text in column 1 (column 2 before)
  EXPECT_TRUE(grid->IsNode(4));
  EXPECT_EQ(grid->GetNodeSpan(4), 2);
  EXPECT_EQ(grid->GetCellText(1, 4), "B");
  EXPECT_EQ(grid->NodeCount(), 2);
  grid->UnGroup();
  EXPECT_EQ(grid->GroupColumn(), -1);
  EXPECT_EQ(grid->NodeCount(), 0);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->ColWidths(1), 77);
  // The rows come back in the grouping's sort order with their own values.
  ASSERT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(Column(grid, 1, 0, 3), (std::vector<std::string>{"key", "A", "A", "B"}));
  EXPECT_EQ(grid->GetCellText(2, 3), "x1");
  for (Integer row = 1; row <= 3; ++row)
    EXPECT_EQ(grid->GetCellText(2, row), "x" + grid->GetCellText(0, row)) << row;
}

TEST_F(GroupingTest, SummaryRowsFollowEveryGroupAndLeaveNothingBehind) {
  TTestStringGrid* grid = ValuesGrid({"A", "A", "B"});
  grid->SetFixedFooters(1);
  grid->SetRowCount(5);
  grid->SetCellText(1, 4, "total");
  grid->Grouping()->SetSummary(true);
  grid->Grouping()->SetSummaryColor(clYellow);
  grid->Group(1);
  // A, its two rows, summary, B, its row, summary, footer.
  ASSERT_EQ(grid->RowCount(), 9);
  const bool node[] = {false, true, false, false, false, true, false, false, false};
  const bool summary[] = {false, false, false, false, true, false, false, true, false};
  for (Integer row = 0; row < 9; ++row) {
    EXPECT_EQ(grid->IsNode(row), node[row]) << row;
    EXPECT_EQ(grid->IsSummary(row), summary[row]) << row;
  }
  EXPECT_EQ(grid->GetCellColor(1, 4), clYellow);
  grid->UnGroup();
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(Column(grid, 1, 0, 4), (std::vector<std::string>{"key", "A", "A", "B", "total"}));
  EXPECT_FALSE(grid->IsSummary(4));
}

TEST_F(GroupingTest, MergedHeadersAndSummariesTakeTheirColours) {
  TTestStringGrid* grid = ValuesGrid({"A", "A", "B"});
  grid->Grouping()->SetSummary(true);
  grid->Grouping()->SetMergeHeader(true);
  grid->Grouping()->SetMergeSummary(true);
  grid->Grouping()->SetHeaderColor(clAqua);
  grid->Grouping()->SetSummaryColor(clYellow);
  grid->Group(1);
  EXPECT_TRUE(grid->IsMergedCell(1, 1));
  EXPECT_EQ(grid->GetCellSpan(1, 1).X, grid->ColCount() - 2);
  EXPECT_EQ(grid->GetCellColor(1, 1), clAqua);
  EXPECT_TRUE(grid->IsMergedCell(1, 4));
  EXPECT_EQ(grid->GetCellColor(1, 4), clYellow);
  EXPECT_FALSE(grid->IsMergedCell(1, 2));
  grid->UnGroup();
  for (Integer row = 1; row < grid->RowCount(); ++row) EXPECT_FALSE(grid->IsMergedCell(1, row)) << row;
  EXPECT_EQ(Column(grid, 1, 1, 3), (std::vector<std::string>{"A", "A", "B"}));
}

TEST_F(GroupingTest, GroupRefusesTheNodeColumnAndEmptyGrids) {
  TTestStringGrid* grid = ValuesGrid({"A", "B"}, 0);
  const Rows before = Snapshot(grid);
  grid->Group(0);
  EXPECT_EQ(Snapshot(grid), before);
  EXPECT_EQ(grid->GroupColumn(), -1);
  grid->UnGroup();
  EXPECT_EQ(Snapshot(grid), before);

  TTestStringGrid* footerOnly = ValuesGrid({"A"});
  footerOnly->SetFixedFooters(1);   // the one row after the fixed row is the footer
  const Rows footerBefore = Snapshot(footerOnly);
  footerOnly->Group(1);
  EXPECT_EQ(Snapshot(footerOnly), footerBefore);
  EXPECT_FALSE(footerOnly->IsNode(1));
}

TEST_F(GroupingTest, SummarySettingsChangedInBetweenStillRestore) {
  for (bool summaryAtGroup : {true, false}) {
    SCOPED_TRACE(summaryAtGroup);
    TTestStringGrid* grid = ValuesGrid({"A", "A", "B"});
    grid->Grouping()->SetSummary(summaryAtGroup);
    grid->Group(1);
    grid->Grouping()->SetSummary(!summaryAtGroup);
    grid->UnGroup();
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(Column(grid, 1, 1, 3), (std::vector<std::string>{"A", "A", "B"}));
  }
  // MergeSummary alone merges each group's last data row; ungrouping keeps every row.
  TTestStringGrid* grid = ValuesGrid({"A", "A", "B"});
  grid->Grouping()->SetMergeSummary(true);
  grid->Group(1);
  grid->UnGroup();
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(Column(grid, 1, 1, 3), (std::vector<std::string>{"A", "A", "B"}));
  for (Integer row = 1; row < 4; ++row) EXPECT_FALSE(grid->IsMergedCell(1, row)) << row;
}

TEST_F(GroupingTest, GroupingWithAFilterOrAContractedNodeKeepsEveryValue) {
  TTestStringGrid* grid = ValuesGrid({"A", "B", "A", "C"});
  TFilterData* item = grid->Filter()->Add();
  item->SetColumn(1);
  item->SetCondition("A");
  grid->SetFilterActive(true);
  ASSERT_EQ(grid->RowCount(), 3);
  grid->Group(1);
  EXPECT_FALSE(grid->FilterActive());
  EXPECT_EQ(grid->NodeCount(), 3);
  grid->UnGroup();
  std::vector<std::string> keys = Column(grid, 1, 1, 4);
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"A", "A", "B", "C"}));

  TTestStringGrid* nodes = ValuesGrid({"A", "B", "B", "C"});
  nodes->AddNode(2, 2);
  nodes->ContractNode(2);
  nodes->GroupOnColumn(1);
  nodes->UnGroupOnColumn(1);
  EXPECT_EQ(Column(nodes, 1, 1, 4), (std::vector<std::string>{"A", "B", "B", "C"}));
}

TEST_F(GroupingTest, GroupOnColumnRoundTrips) {
  const struct {
    std::vector<std::string> values, headers;
  } cases[] = {{{"A", "A", "B"}, {"A", "B"}}, {{"A", "B"}, {"A", "B"}}, {{"A"}, {"A"}}};
  for (const auto& c : cases) {
    for (bool summary : {false, true}) {
      SCOPED_TRACE(std::to_string(c.values.size()) + (summary ? " with summary" : ""));
      TTestStringGrid* grid = ValuesGrid(c.values);
      grid->SetColCount(5);
      for (Integer row = 1; row < grid->RowCount(); ++row) {   // the values into column 2
        grid->SetCellText(2, row, grid->GetCellText(1, row));
        grid->SetCellText(1, row, "x" + std::to_string(row));
      }
      const Rows before = Snapshot(grid);
      grid->Grouping()->SetSummary(summary);
      grid->GroupOnColumn(2);
      std::vector<std::string> headers;
      for (Integer row = 1; row < grid->RowCount(); ++row) {
        if (grid->IsNode(row)) {
          headers.push_back(grid->GetCellText(3, row));
        } else if (!grid->IsSummary(row)) {
          EXPECT_EQ(grid->GetCellText(2, row), "") << row;
        }
      }
      EXPECT_EQ(headers, c.headers);   // each run its own header, the last row's included
      const auto rows = static_cast<Integer>(1 + c.values.size() + c.headers.size() + (summary ? 1 : 0));
      EXPECT_EQ(grid->RowCount(), rows);
      grid->UnGroupOnColumn(2);
      EXPECT_EQ(Snapshot(grid), before);
      EXPECT_EQ(grid->NodeCount(), 0);
    }
  }
}

}   // namespace
