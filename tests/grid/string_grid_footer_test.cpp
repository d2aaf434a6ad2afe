// The footer row and the column aggregates: each aggregate kind over a column holding a text that is
// no number, the switches that stop the calculation, the rows that count, the progress hook, and a
// footer recalculated after a load.
#include <gtest/gtest.h>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/pro_grid_error.h"
#include "platform/os/locale.h"
#include "string_grid_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

class FooterTest : public StringGridTest {
 protected:
  // Rows 1-3 of column 1 hold the texts, row 4 is the footer row; column 1's footer cell has the
  // aggregate kind.
  TTestStringGrid* Footed(const std::vector<std::string>& Data, Byte Kind) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetRowCount(static_cast<Integer>(Data.size()) + 2);
    grid->FloatingFooter()->SetVisible(true);
    for (size_t i = 0; i < Data.size(); ++i) grid->SetCellText(1, static_cast<Integer>(i) + 1, Data[i]);
    const Integer footer = grid->RowCount() - 1;
    grid->SetCellText(1, footer, "before");
    grid->GetCellProperties(1, footer)->SetFooterCalc(Kind);
    return grid;
  }
  ScopedLocale thai_{"th-TH"};
};

TEST_F(FooterTest, EachKindFillsTheFooterCellFromTheRowsThatRead) {
  const struct {
    Byte kind;
    const char* footer;
  } cases[] = {{1, "6.00"},       {2, "2.00"}, {3, "3.00"},   {4, "2.00"},   {5, "4.00"},
               {7, "custom 1,4"}, {0, ""},     {6, "before"}, {0x81, "6.00"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    TTestStringGrid* grid = Footed({"2", "abc", "4"}, c.kind);
    grid->FloatingFooter()->OnCalcFooter = [](TObject*, Integer col, Integer row, std::string& value) {
      value = "custom " + std::to_string(col) + "," + std::to_string(row);
    };
    grid->AllCellsChanged();
    EXPECT_EQ(grid->GetCellText(1, 4), c.footer);
  }
}

TEST_F(FooterTest, ACustomCellWithoutAHandlerIsEmptiedAndNothingRunsWithoutTheSwitches) {
  TTestStringGrid* grid = Footed({"2", "3"}, 7);
  grid->RecalcFooter(1);
  EXPECT_EQ(grid->GetCellText(1, 3), "");
  grid->GetCellProperties(1, 3)->SetFooterCalc(1);
  grid->SetCellText(1, 3, "kept");
  grid->FloatingFooter()->SetAutoCalculate(false);
  grid->CalculateFooter(-1);
  EXPECT_EQ(grid->GetCellText(1, 3), "kept");
  grid->FloatingFooter()->SetAutoCalculate(true);
  grid->FloatingFooter()->SetFooterStyle(fsColumnPreview);
  grid->CalculateFooter(1);
  EXPECT_EQ(grid->GetCellText(1, 3), "kept");
  grid->FloatingFooter()->SetFooterStyle(fsFixedLastRow);
  grid->CalculateFooter(1);
  EXPECT_EQ(grid->GetCellText(1, 3), "5.00");
}

TEST_F(FooterTest, MinimumAndMaximumStartFromTheFirstRowAndItsErrorReachesTheCaller) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{""}, {"", "abc"}, {"", "5"}, {"", "-1"}});
  EXPECT_THROW(grid->ColumnMin(1, 1, 3), EProGridError);
  EXPECT_THROW(grid->ColumnMax(1, 1, 3), EProGridError);
  EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 2, 3), -1);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 2, 3), 5);
  EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 3, 2), -1);   // an empty range: the start row's value
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 4);
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 1, 3), 4.0 / 3);
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 3, 2), 0);
}

TEST_F(FooterTest, OnlyBaseCellsCountAndTheWalkIsReportedToTheProgressHook) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{""}, {"", "1"}, {"", "10"}, {"", "100"}});
  grid->MergeCells(1, 1, 1, 2);   // row 2 is covered by row 1
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 101);
  EXPECT_EQ(grid->log, (std::vector<std::string>{"save 0,-1", "save 1,1", "save 1,3", "save 2,-1"}));
}

TEST_F(FooterTest, ALoadedFileWhoseFirstAmountIsNoNumberLoadsAndEmptiesMinimumAndMaximum) {
  TempFolder folder;
  WriteRawFile(folder / "amounts.csv", "Code,Min,Max,Sum\r\nA1,abc,abc,abc\r\nA2,7,7,7\r\n");
  TTestStringGrid* grid = NewGrid(true);
  grid->FloatingFooter()->SetVisible(true);
  // Three lines and the footer row: the footer cells are in row 3 after the load.
  grid->GetCellProperties(1, 3)->SetFooterCalc(4);
  grid->GetCellProperties(2, 3)->SetFooterCalc(5);
  grid->GetCellProperties(3, 3)->SetFooterCalc(1);
  grid->LoadCSVFile(folder / "amounts.csv");
  ASSERT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->GetCellText(1, 1), "abc");
  EXPECT_EQ(grid->GetCellText(1, 3), "");
  EXPECT_EQ(grid->GetCellText(2, 3), "");
  EXPECT_EQ(grid->GetCellText(3, 3), "7.00");
}

// With CalculateHiddenRows the aggregates take the hidden rows too, by real index, and never the
// footer row (the last real row) itself.
TEST_F(FooterTest, HiddenRowsCountWithCalculateHiddenRows) {
  const struct {
    Byte kind;
    const char* withHidden;
    const char* shownOnly;
  } cases[] = {{1, "7.00", "3.00"}, {2, "2.33", "1.50"}, {4, "1.00", "1.00"},
               {5, "4.00", "2.00"}, {7, "custom 1,4", "custom 1,3"}};
  for (const auto& c : cases) {
    for (bool hidden : {true, false}) {
      SCOPED_TRACE(std::to_string(c.kind) + (hidden ? " with hidden rows" : " shown rows only"));
      TTestStringGrid* grid = Footed({"1", "2", "4"}, c.kind);
      grid->FloatingFooter()->OnCalcFooter = [](TObject*, Integer col, Integer row, std::string& value) {
        value = "custom " + std::to_string(col) + "," + std::to_string(row);
      };
      grid->FloatingFooter()->SetCalculateHiddenRows(hidden);
      grid->HideRows(3, 3);
      grid->CalculateFooter(-1);
      grid->CalculateFooter(-1);   // the footer's own value must not join the next sum
      EXPECT_EQ(grid->GetCellText(1, 3), hidden ? c.withHidden : c.shownOnly);
    }
  }
}

TEST_F(FooterTest, TheCountTakesTheHiddenRowsWithCalculateHiddenRows) {
  for (bool hidden : {true, false}) {
    SCOPED_TRACE(hidden);
    TTestStringGrid* grid = Footed(std::vector<std::string>(12, "1"), 3);   // 10 data rows stay shown
    grid->FloatingFooter()->SetCalculateHiddenRows(hidden);
    grid->HideRows(4, 5);
    grid->RecalcFooter(1);
    EXPECT_EQ(grid->GetCellText(1, grid->RowCount() - 1), hidden ? "12.00" : "10.00");
  }
}

}   // namespace
}   // namespace gridtest
