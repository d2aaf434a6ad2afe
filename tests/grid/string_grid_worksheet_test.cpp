// The string grid importing a workbook's active sheet through the worksheet automation server,
// over the workbooks of tests/platform/shims/workbooks (made by make_workbooks.py there).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "grid/pro_grid_error.h"
#include "grid/worksheet_address.h"
#include "platform/core/cp874.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/shims/automation.h"
#include "platform/shims/ole_init.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "string_grid_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

std::string Workbook(const std::string& name) {
  const char* source = std::getenv("PR_SOURCE_DIR");
  return std::string(source ? source : ".") + "/tests/platform/shims/workbooks/" + name;
}

class WorksheetImportTest : public StringGridTest {
 protected:
  WorksheetImportTest() { OleInitialize(nullptr); }
  ~WorksheetImportTest() override {
    SetAutomationServerAbsent("excel.application", false);
    OleUninitialize();
  }

  // A 3 x 3 grid, one fixed row and column, every cell "old", logging the cells reported changed.
  TTestStringGrid* OldGrid() {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(3);
    grid->SetRowCount(3);
    Fill(grid, {{"old", "old", "old"}, {"old", "old", "old"}, {"old", "old", "old"}});
    grid->OnCellsChanged = [this](TObject*, TRect r) { changed.push_back(r); };
    return grid;
  }
  static std::vector<std::string> Row(TProStringGrid* grid, Integer row) {
    std::vector<std::string> texts;
    for (Integer col = 0; col < grid->ColCount(); ++col) texts.push_back(grid->GetCellText(col, row));
    return texts;
  }

  std::vector<TRect> changed;
};

TEST(WorksheetAddressTest, UsedRangesAndTheAddressesTheyAreReadBy) {
  const struct {
    const char* used;
    TCellRect rect;
    const char* read;
  } cases[] = {
      {"$A$1:$C$2", {1, 1, 2, 3}, "A1:C2"},
      {"$B$3:$AD$40", {3, 2, 40, 30}, "B3:AD40"},
      {"$1:$5", {1, 1, 5, 256}, "A1:IV5"},
      {"$B$3", {3, 2, 3, 2}, "B3:B3"},
  };
  for (const auto& c : cases) {
    TCellRect rect{};
    ASSERT_TRUE(ReadUsedRangeAddress(c.used, rect)) << c.used;
    EXPECT_EQ(rect, c.rect) << c.used;
    EXPECT_EQ(RangeReadAddress(rect), c.read);
  }
  for (const char* unreadable : {"", "$5:$1", "$0:$2", "$x:$5", "$B$3:", "B"}) {
    TCellRect rect{};
    EXPECT_FALSE(ReadUsedRangeAddress(unreadable, rect)) << unreadable;
  }
}

TEST_F(WorksheetImportTest, TheActiveSheetsUsedRangeFillsTheGridFromItsCorner) {
  TTestStringGrid* grid = OldGrid();
  grid->LoadWorksheetFile(Workbook("cells.xlsx"));
  ASSERT_EQ(grid->ColCount(), 4);
  ASSERT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->GetCellText(0, 0), "Name") << "the active sheet, not the first";
  EXPECT_EQ(grid->GetCellText(1, 0), "สมชาย ใจดี"_cp874);
  EXPECT_EQ(grid->GetCellText(3, 0), "7");
  EXPECT_EQ(grid->GetCellText(0, 1), DateToStr(EncodeDate(2024, 3, 15)));
  EXPECT_EQ(Row(grid, 2), (std::vector<std::string>{"True", "old", "caf? ??", "0.25"}))
      << "the error cell keeps its text";
  EXPECT_EQ(Row(grid, 3), (std::vector<std::string>{"-3", "", "rich", "10000000000"}));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0], (TRect{0, 0, 4, 4}));
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(WorksheetImportTest, WithoutTheFixedCellsTheRangeStartsPastThem) {
  TTestStringGrid* grid = OldGrid();
  grid->SetIncludeFixedCells(false);
  grid->LoadWorksheetFile(Workbook("dates1904.xls"));
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(Row(grid, 0), (std::vector<std::string>{"old", "old"}));
  EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"old", DateToStr(EncodeDate(2024, 3, 15))}));
  EXPECT_EQ(grid->GetCellText(0, 2), "old");
}

// A used range of one cell has no ":" in its address; it is that cell, wherever it lies.
TEST_F(WorksheetImportTest, AOneCellSheetGivesThatCell) {
  for (const char* name : {"one_cell.xls", "one_cell.xlsx", "empty.xlsx"}) {
    SCOPED_TRACE(name);
    TTestStringGrid* grid = OldGrid();
    grid->LoadWorksheetFile(Workbook(name));
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->GetCellText(0, 0), std::string(name).starts_with("one") ? "only" : "");
  }
}

TEST_F(WorksheetImportTest, WhatCannotBeImportedRaisesWithTheCountsUnchanged) {
  TempFolder folder;
  const std::string garbage = folder / "garbage.xlsx";
  WriteRawFile(garbage, std::string(3000, 'Z'));
  const std::string truncated = folder / "truncated.xls";
  const std::string whole = ReadRawFile(Workbook("cells.xls"));
  WriteRawFile(truncated, whole.substr(0, whole.size() / 2));
  struct Case {
    std::string file;
    std::string message;   // how the error's message starts
  };
  const Case cases[] = {
      {Workbook("missing.xls"), "Cannot open the workbook"},
      {garbage, "Cannot open the workbook"},
      {truncated, "Cannot open the workbook"},
      {Workbook("sparse.xlsx"), "The range $A$1:$ZZ$1048576 holds more than 1048576 cells"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    changed.clear();
    TTestStringGrid* grid = OldGrid();
    try {
      grid->LoadWorksheetFile(c.file);
      ADD_FAILURE() << "no error";
    } catch (const EOleException& e) {
      EXPECT_EQ(e.Message().rfind(c.message, 0), 0u) << e.Message();
    }
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->GetCellText(1, 1), "old");
    EXPECT_EQ(changed.size(), 1u) << "the whole grid is reported changed on the way out";
    EXPECT_EQ(Screen->Cursor(), crDefault);
  }
}

TEST_F(WorksheetImportTest, WithoutTheServerNothingHappens) {
  TTestStringGrid* grid = OldGrid();
  SetAutomationServerAbsent("excel.application", true);
  try {
    grid->LoadWorksheetFile(Workbook("cells.xlsx"));
    ADD_FAILURE() << "no error";
  } catch (const EProGridError& e) {
    EXPECT_EQ(e.Message(), "Excel OLE server not found");
  }
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_TRUE(changed.empty());
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

}   // namespace
}   // namespace gridtest
