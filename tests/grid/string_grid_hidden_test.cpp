// Hidden rows of the string grid: hiding and showing with texts, properties and heights, the index
// mappings in every state, reading hidden rows, the filter switched on and off, and the row and
// column operations that must keep the store in step.  Cases with properties and graphics in
// hidden rows run under the leak checker.
#include <gtest/gtest.h>

#include <functional>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/grid_filter.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "platform/classes/collection.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// What a grid holds, for comparing before and after.
struct Snapshot {
  std::vector<std::vector<std::string>> texts;
  std::vector<std::vector<TObject*>> objects;
  std::vector<Integer> heights;
  Integer fixedRows = 0;
  bool operator==(const Snapshot&) const = default;
};

class HiddenRowsTest : public StringGridTest {
 protected:
  // Column 1 holds "r<i>", column 2 "v<i>"; data rows have properties in column 1 (node level i)
  // and a check-box graphic in column 2; row i is 21 + i high.
  TTestStringGrid* Rows(Integer n) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(4);
    grid->SetRowCount(n);
    for (Integer row = 0; row < n; ++row) {
      grid->SetCellText(1, row, "r" + std::to_string(row));
      grid->SetCellText(2, row, "v" + std::to_string(row));
      grid->SetRowHeights(row, 21 + row);
      if (row == 0) continue;
      grid->GetCellProperties(1, row)->SetNodeLevel(row);
      grid->CreateCellGraphic(2, row)->SetCellType(ctCheckBox);
    }
    return grid;
  }
  static Snapshot Take(TProStringGrid* Grid) {
    Snapshot s;
    for (Integer row = 0; row < Grid->RowCount(); ++row) {
      s.texts.emplace_back();
      s.objects.emplace_back();
      for (Integer col = 0; col < Grid->ColCount(); ++col) {
        s.texts.back().push_back(Grid->GetRawCellText(col, row));
        s.objects.back().push_back(Grid->GetRawCellObject(col, row));
      }
      s.heights.push_back(Grid->RowHeights(row));
    }
    s.fixedRows = Grid->FixedRows();
    return s;
  }
  static TGridItem* Entry(TProStringGrid* Grid, Integer Index) {
    return static_cast<TGridItem*>(Grid->HiddenRows()->Items(Index));
  }
  static std::vector<Integer> HiddenIdx(TProStringGrid* Grid) {
    std::vector<Integer> idx;
    for (Integer i = 0; i < Grid->NumHiddenRows(); ++i) idx.push_back(Entry(Grid, i)->Idx());
    return idx;
  }
  // Every shown row maps to a real row that is not hidden and back.
  static void ExpectMappingsInverse(TProStringGrid* Grid) {
    for (Integer row = 0; row < Grid->RowCount(); ++row) {
      const Integer real = Grid->DisplayToRealRow(row);
      EXPECT_FALSE(Grid->IsHiddenRow(real)) << row;
      EXPECT_EQ(Grid->RealToDisplayRow(real), row);
      EXPECT_EQ(Grid->GetCellTextInclHidden(1, real), Grid->GetCellText(1, row));
    }
  }
  // Keeps the data rows whose column 1 does not hold `Dropped`.
  static void FilterOut(TProStringGrid* Grid, const std::string& Dropped) {
    TFilterData* item = Grid->Filter()->Add();
    item->SetColumn(1);
    item->SetCondition("!" + Dropped);
  }
};

TEST_F(HiddenRowsTest, HidingStoresTheRowsAndShowingPutsThemBack) {
  TTestStringGrid* grid = Rows(12);
  TObject* props6 = grid->GetRawCellObject(1, 6);
  grid->HideRows(7, 7);
  ExpectMappingsInverse(grid);
  grid->HideRows(5, 9);
  EXPECT_EQ(grid->RowCount(), 7);   // four more shown rows gone
  EXPECT_EQ(HiddenIdx(grid), (std::vector<Integer>{5, 6, 7, 8, 9}));
  for (Integer i = 0; i < 5; ++i) {
    TGridItem* entry = Entry(grid, i);
    EXPECT_EQ(entry->Items()->Strings(1), "r" + std::to_string(5 + i));
    EXPECT_EQ(entry->Height(), 26 + i);
  }
  EXPECT_EQ(Entry(grid, 1)->Items()->Objects(1), props6);
  EXPECT_EQ(Column(grid, 1, 4, 6), (std::vector<std::string>{"r4", "r10", "r11"}));
  ExpectMappingsInverse(grid);
  EXPECT_EQ(grid->GetCellTextInclHidden(2, 8), "v8");
  ASSERT_NE(grid->GetRowItems(8), nullptr);
  EXPECT_EQ(grid->GetRowItems(8)->Count(), 4);
  EXPECT_EQ(grid->GetRowItems(8)->Strings(2), "v8");
  EXPECT_EQ(grid->GetRowItems(10), nullptr);
  grid->OnGetDisplText = [](TObject*, Integer, Integer, std::string& value) { value += "!"; };
  EXPECT_EQ(grid->GetCellTextInclHidden(1, 6), "r6!");
}

TEST_F(HiddenRowsTest, ShowingRestoresOrderHeightsAndProperties) {
  const struct {
    const char* what;
    std::function<void(TProStringGrid*)> show;
    std::vector<Integer> stillHidden;
  } cases[] = {
      {"all", [](TProStringGrid* g) { g->UnHideRowsAll(); }, {}},
      {"range 5-6", [](TProStringGrid* g) { g->UnHideRows(5, 6); }, {2}},
      {"range 2-9", [](TProStringGrid* g) { g->UnHideRows(2, 9); }, {}},
      // The range's first row is shown: nothing happens.
      {"range 4-6", [](TProStringGrid* g) { g->UnHideRows(4, 6); }, {2, 5, 6}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(10);
    const Snapshot before = Take(grid);
    grid->HideRows(2, 2);
    grid->HideRows(5, 6);
    ExpectMappingsInverse(grid);
    c.show(grid);
    ExpectMappingsInverse(grid);
    EXPECT_EQ(HiddenIdx(grid), c.stillHidden);
    if (c.stillHidden.empty()) {
      EXPECT_EQ(Take(grid), before);
    }
  }
}

TEST_F(HiddenRowsTest, ColumnMappingsAreTheIdentityWithoutHiddenColumns) {
  TTestStringGrid* grid = Rows(3);
  for (Integer col : {0, 1, 4, 511, 512, 513, 700}) {
    EXPECT_EQ(grid->DisplToRealCol(col), col);
    EXPECT_EQ(grid->RealToDisplCol(col), col);
    EXPECT_FALSE(grid->IsHiddenColumn(col));
  }
  EXPECT_EQ(grid->AllColCount(), grid->ColCount());
  grid->SetRealColWidth(2, 77);
  EXPECT_EQ(grid->ColWidths(2), 77);
  EXPECT_EQ(grid->GetRealColWidth(2), 77);
}

TEST_F(HiddenRowsTest, TheFilterOnAndOffGivesBackTheSameGrid) {
  const struct {
    const char* what;
    const char* condition;
    Integer shownRows;
  } cases[] = {
      {"some rows fail", "!r3|r5", 8},   // (not r3) or r5: only r3 is hidden
      {"every data row fails", "nothing", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(9);
    const Snapshot before = Take(grid);
    TFilterData* item = grid->Filter()->Add();
    item->SetColumn(1);
    item->SetCondition(c.condition);
    grid->SetFilterActive(true);
    EXPECT_EQ(grid->RowCount(), c.shownRows);
    ExpectMappingsInverse(grid);
    grid->SetFilterActive(false);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    EXPECT_EQ(Take(grid), before);
  }
}

TEST_F(HiddenRowsTest, SettingTheFilterOnAgainOnlyRecalculatesTheFooter) {
  TTestStringGrid* grid = Rows(6);
  grid->FloatingFooter()->SetVisible(true);
  grid->GetCellProperties(1, 5)->SetFooterCalc(7);
  Integer footerRuns = 0;
  grid->FloatingFooter()->OnCalcFooter = [&](TObject*, Integer, Integer, std::string&) { ++footerRuns; };
  Integer progress = 0;
  grid->OnFilterProgress = [&](TObject*, SmallInt) { ++progress; };
  FilterOut(grid, "r2");
  grid->SetFilterActive(true);
  EXPECT_EQ(progress, 5);   // 4 data rows, then 100
  const Integer runs = footerRuns;
  grid->Filter()->Items(0)->SetCondition("!r3");
  grid->SetFilterActive(true);
  EXPECT_EQ(progress, 5);
  EXPECT_EQ(footerRuns, runs + 1);
  EXPECT_EQ(HiddenIdx(grid), (std::vector<Integer>{2}));
}

TEST_F(HiddenRowsTest, AssignCopiesTheFilterConditions) {
  TTestStringGrid* source = Rows(3);
  FilterOut(source, "r1");
  source->Filter()->Items(0)->SetPrefix("ID-");
  TTestStringGrid* copy = NewGrid();
  EXPECT_EQ(copy->Filter()->Count(), 0);
  copy->Assign(source);
  ASSERT_EQ(copy->Filter()->Count(), 1);
  EXPECT_EQ(copy->Filter()->Items(0)->Condition(), "!r1");
  EXPECT_EQ(copy->Filter()->Items(0)->Prefix(), "ID-");
  EXPECT_TRUE(copy->Filter()->Items(0)->CaseSensitive());
}

// ---- Operations that must keep the store in step ----

// A filter switched on while a contracted node hides rows: the filter's rows are stored by real
// index in order, and switching the filter off brings everything back with the node expanded.
TEST_F(HiddenRowsTest, AFilterOverContractedNodeRowsKeepsTheOrder) {
  TTestStringGrid* grid = Rows(10);
  TCellGraphic* node = grid->CreateCellGraphic(0, 1);
  node->SetCellType(ctNode);
  node->SetCellBoolean(true);
  const Snapshot before = Take(grid);
  grid->HideRows(2, 3);
  FilterOut(grid, "r7");
  grid->SetFilterActive(true);
  EXPECT_EQ(HiddenIdx(grid), (std::vector<Integer>{2, 3, 7}));
  ExpectMappingsInverse(grid);
  grid->SetFilterActive(false);
  EXPECT_EQ(Take(grid), before);
  EXPECT_FALSE(node->CellBoolean());
}

TEST_F(HiddenRowsTest, RowsInsertedWhileFilteredComeBackAboveTheirRow) {
  const struct {
    Integer insertAt;   // display row
    std::vector<std::string> after;
  } cases[] = {
      {3, {"r0", "r1", "r2", "r3", "", "r4", "r5", "r6"}},   // shown row 3 is r4 (r3 hidden)
      {1, {"r0", "", "r1", "r2", "r3", "r4", "r5", "r6"}},
      {6, {"r0", "r1", "r2", "r3", "r4", "r5", "r6", ""}},   // appended after the last row
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.insertAt);
    TTestStringGrid* grid = Rows(7);
    FilterOut(grid, "r3");
    grid->SetFilterActive(true);
    grid->InsertRows(c.insertAt, 1);
    ExpectMappingsInverse(grid);
    grid->SetFilterActive(false);
    EXPECT_EQ(Column(grid, 1, 0, 7), c.after);
  }
}

TEST_F(HiddenRowsTest, RowsRemovedWhileFilteredLeaveTheHiddenRowsInPlace) {
  const struct {
    const char* what;
    std::function<void(TProStringGrid*)> remove;
  } cases[] = {
      {"RemoveRows", [](TProStringGrid* g) { g->RemoveRows(1, 3); }},
      {"RemoveRowsEx", [](TProStringGrid* g) { g->RemoveRowsEx(1, 3); }},
      {"DeleteRows", [](TProStringGrid* g) { g->DeleteRows(1, 3); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(8);
    FilterOut(grid, "r2");   // shown 1..3 are r1, r3, r4: the hidden r2 lies between them
    grid->HideRows(6, 6);
    grid->SetFilterActive(true);
    c.remove(grid);
    ExpectMappingsInverse(grid);
    grid->SetFilterActive(false);
    EXPECT_EQ(Column(grid, 1, 0, 4), (std::vector<std::string>{"r0", "r2", "r5", "r6", "r7"}));
  }
}

TEST_F(HiddenRowsTest, InsertingARowKeepsTheSelectedRowsForRemoveSelectedRows) {
  for (bool persistent : {false, true}) {
    SCOPED_TRACE(persistent);
    TTestStringGrid* grid = Rows(8);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->MouseActions()->SetRowSelectPersistent(persistent);
    grid->SetDisjunctRowSelected(3, true);
    grid->SetDisjunctRowSelected(5, true);
    grid->InsertRows(4, 1);
    grid->RemoveSelectedRows();
    EXPECT_EQ(Column(grid, 1, 0, 6), (std::vector<std::string>{"r0", "r1", "r2", "", "r4", "r6", "r7"}));
  }
}

TEST_F(HiddenRowsTest, ColumnsInsertedOrRemovedWhileFilteredStayAligned) {
  const struct {
    const char* what;
    std::function<void(TProStringGrid*)> change;
    Integer col;   // where "r<i>" stands afterwards
  } cases[] = {
      {"InsertCols", [](TProStringGrid* g) { g->InsertCols(1, 2); }, 3},
      {"RemoveCols", [](TProStringGrid* g) { g->RemoveCols(0, 1); }, 0},
      // The hidden rows' graphics of column 2 go with the column.
      {"RemoveCols with graphics", [](TProStringGrid* g) { g->RemoveCols(2, 1); }, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(6);
    FilterOut(grid, "r2");
    grid->HideRows(4, 5);
    grid->SetFilterActive(true);
    c.change(grid);
    grid->SetFilterActive(false);
    for (Integer row = 0; row < 6; ++row) EXPECT_EQ(grid->GetCellText(c.col, row), "r" + std::to_string(row));
    if (c.col == 1) {
      EXPECT_EQ(grid->GetCellProperties(1, 4)->NodeLevel(), 4);
    }
  }
}

TEST_F(HiddenRowsTest, AGridFreedWhileFilteredFreesTheHiddenRowsContents) {
  TTestStringGrid* grid = Rows(6);
  FilterOut(grid, "r3");
  grid->SetFilterActive(true);
  EXPECT_EQ(grid->NumHiddenRows(), 1);
  delete grid;   // the leak checker reports the hidden row's properties and graphic otherwise
}

}   // namespace
}   // namespace gridtest
