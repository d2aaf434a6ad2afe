// Rows and columns of the string grid: inserting, removing (with what travels with rows: texts,
// properties, graphics, heights, flags, cell controls), the current row afterwards, clearing.  The
// cases with properties and graphics run under the leak checker: every freed object must be gone
// and no object still in use may be freed.
#include <gtest/gtest.h>

#include <functional>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/control_list.h"
#include "grid/floating_footer.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/show_modified.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class RowsTest : public StringGridTest {
 protected:
  // Rows "r0".."r<n-1>" in column 1; each data row has properties with its row number as node
  // level and a check-box graphic in column 2; row i has height 21 + i.
  TTestStringGrid* Rows(Integer n) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetRowCount(n);
    for (Integer row = 0; row < n; ++row) {
      grid->SetCellText(1, row, "r" + std::to_string(row));
      grid->SetRowHeights(row, 21 + row);
      if (row == 0) continue;
      grid->GetCellProperties(1, row)->SetNodeLevel(row);
      grid->CreateCellGraphic(2, row)->SetCellType(ctCheckBox);
    }
    return grid;
  }
  static std::vector<Integer> Levels(TProStringGrid* Grid) {
    std::vector<Integer> levels;
    for (Integer row = 0; row < Grid->RowCount(); ++row)
      levels.push_back(Grid->HasCellProperties(1, row) ? Grid->GetCellProperties(1, row)->NodeLevel() : -1);
    return levels;
  }
  static std::vector<Integer> Heights(TProStringGrid* Grid) {
    std::vector<Integer> heights;
    for (Integer row = 0; row < Grid->RowCount(); ++row) heights.push_back(Grid->RowHeights(row));
    return heights;
  }
};

TEST_F(RowsTest, RemovingRowsMovesTextsPropertiesAndGraphicsUpAndFreesTheRemovedOnes) {
  const struct {
    const char* what;
    std::function<void(TProStringGrid*)> remove;
    std::vector<Integer> heights;
  } cases[] = {
      // RemoveRows leaves the heights where they are; the other two move them with their rows.
      {"RemoveRows", [](TProStringGrid* g) { g->RemoveRows(2, 2); }, {21, 22, 23, 24}},
      {"RemoveRowsEx", [](TProStringGrid* g) { g->RemoveRowsEx(2, 2); }, {21, 22, 25, 26}},
      {"DeleteRows", [](TProStringGrid* g) { g->DeleteRows(2, 2); }, {21, 22, 25, 26}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(6);
    c.remove(grid);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(Column(grid, 1, 0, 3), (std::vector<std::string>{"r0", "r1", "r4", "r5"}));
    EXPECT_EQ(Levels(grid), (std::vector<Integer>{-1, 1, 4, 5}));
    EXPECT_EQ(grid->GetCellType(2, 3), ctCheckBox);
    EXPECT_EQ(Heights(grid), c.heights);
  }
}

TEST_F(RowsTest, TheCurrentRowAfterRemovingTheLastNormalRow) {
  const struct {
    const char* what;
    std::function<void(TProStringGrid*)> remove;
    Integer row, topRow;
  } cases[] = {
      {"RemoveRows", [](TProStringGrid* g) { g->RemoveRows(5, 1); }, 1, 1},
      {"RemoveRowsEx", [](TProStringGrid* g) { g->RemoveRowsEx(5, 1); }, 4, 1},
      {"DeleteRows", [](TProStringGrid* g) { g->DeleteRows(5, 1); }, 4, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Rows(6);
    grid->SetRow(5);
    c.remove(grid);
    EXPECT_EQ(grid->Row(), c.row);
    EXPECT_EQ(grid->TopRow(), c.topRow);
  }
}

TEST_F(RowsTest, ARowRemovalKeepsTheRowSelectOptionAsItWas) {
  for (const bool rowSelect : {false, true}) {
    TTestStringGrid* grid = Rows(6);
    if (rowSelect) grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    grid->DeleteRows(2, 1);
    grid->RemoveRowsEx(2, 1);
    EXPECT_EQ(grid->Options().Contains(goRowSelect), rowSelect);
  }
}

TEST_F(RowsTest, RemovingEveryNormalRowPutsTheSelectionAsideUntilRowsComeBack) {
  for (const bool ex : {true, false}) {
    SCOPED_TRACE(ex ? "RemoveRowsEx" : "DeleteRows");
    TTestStringGrid* grid = Rows(3);
    grid->SetFixedRowAlways(true);
    if (ex)
      grid->RemoveRowsEx(1, 2);
    else
      grid->DeleteRows(1, 2);
    EXPECT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_GE(grid->Row(), grid->RowCount());   // outside the grid
    EXPECT_FALSE(grid->SelectionHidden());
    grid->SetRowCount(4);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_LT(grid->Row(), 4);
  }
}

TEST_F(RowsTest, RowRemovalsKeepTheFlagsAndControlsInStep) {
  TTestStringGrid* grid = Rows(6);
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->ShowModified()->SetEnabled(true);
  for (Integer row = 0; row < 6; ++row) grid->SetRowModified(row, row == 4);
  TControl* control = grid;   // any control will do: the entries only refer to it
  grid->CellControls()->AddControl(new TCellControl(1, 5, control));
  grid->CellControls()->AddControl(new TCellControl(1, 1, control));
  grid->RemoveRowsEx(2, 2);
  EXPECT_TRUE(grid->GetRowModified(2));   // row 4 moved up to 2
  EXPECT_FALSE(grid->GetRowModified(4));
  EXPECT_EQ(grid->CellControls()->GetControl(0)->Row, 3);
  EXPECT_EQ(grid->CellControls()->GetControl(1)->Row, 1);
  grid->InsertRows(1, 2);
  EXPECT_TRUE(grid->GetRowModified(4));
  EXPECT_FALSE(grid->GetRowModified(1));
  EXPECT_EQ(grid->CellControls()->GetControl(0)->Row, 5);
  EXPECT_EQ(grid->CellControls()->GetControl(1)->Row, 3);
  grid->InsertRows(1, 1, false);
  EXPECT_EQ(grid->CellControls()->GetControl(0)->Row, 5);
}

TEST_F(RowsTest, InsertedRowsAreEmptyWithTheDefaultHeightAndTheRowsBelowMoveDown) {
  TTestStringGrid* grid = Rows(4);
  TRect changed{};
  grid->OnCellsChanged = [&](TObject*, TRect r) { changed = r; };
  grid->InsertRows(2, 2);
  EXPECT_EQ(Column(grid, 1, 0, 5), (std::vector<std::string>{"r0", "r1", "", "", "r2", "r3"}));
  EXPECT_EQ(Levels(grid), (std::vector<Integer>{-1, 1, -1, -1, 2, 3}));
  EXPECT_EQ(Heights(grid), (std::vector<Integer>{21, 22, 21, 21, 23, 24}));
  EXPECT_EQ(changed, (TRect{0, 2, 4, 4}));
}

TEST_F(RowsTest, AppendRowAddsARowAboveAVisibleFooterRow) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetRowCount(3);
  Fill(grid, {{"", "r0"}, {"", "r1"}, {"", "footer"}});
  grid->FloatingFooter()->SetVisible(true);
  grid->AppendRow();
  EXPECT_EQ(Column(grid, 1, 0, 3), (std::vector<std::string>{"r0", "r1", "", "footer"}));
  grid->FloatingFooter()->SetVisible(false);
  grid->AppendRow();
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->GetCellText(1, 4), "");
  grid->AddRow();
  EXPECT_EQ(grid->RowCount(), 6);
}

TEST_F(RowsTest, ColumnsInsertedAndRemovedCarryTheirCellsAndWidths) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{"a", "b", "c", "d"}});
  grid->GetCellProperties(3, 0)->SetNodeLevel(7);
  grid->CreateCellGraphic(1, 0)->SetCellType(ctProgress);
  grid->SetColWidths(3, 99);
  grid->InsertCols(1, 2);
  EXPECT_EQ(grid->ColCount(), 7);
  EXPECT_EQ(grid->GetCellText(3, 0), "b");
  EXPECT_EQ(grid->GetCellText(1, 0), "");
  EXPECT_EQ(grid->GetCellProperties(5, 0)->NodeLevel(), 7);
  EXPECT_EQ(grid->ColWidths(5), 99);
  EXPECT_EQ(grid->ColWidths(1), 64);
  grid->RemoveCols(2, 2);   // an empty column and "b" with its graphic
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->GetCellText(2, 0), "c");
  EXPECT_EQ(grid->GetCellProperties(3, 0)->NodeLevel(), 7);
  EXPECT_EQ(grid->ColWidths(3), 99);
}

TEST_F(RowsTest, ClearingFreesPropertiesAndGraphicsAndKeepsTheCounts) {
  TTestStringGrid* grid = Rows(5);
  grid->SetColWidths(1, 80);
  grid->ClearRows(1, 2);
  EXPECT_EQ(Column(grid, 1, 0, 4), (std::vector<std::string>{"r0", "", "", "r3", "r4"}));
  EXPECT_FALSE(grid->HasCellProperties(1, 2));
  EXPECT_EQ(grid->GetCellType(2, 1), ctEmpty);
  grid->ClearCols(2, 1);
  EXPECT_EQ(grid->GetCellType(2, 4), ctEmpty);
  grid->Clear();
  EXPECT_EQ(Column(grid, 1, 0, 4), std::vector<std::string>(5, ""));
  EXPECT_FALSE(grid->HasCellProperties(1, 4));
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->ColWidths(1), 80);
}

TEST_F(RowsTest, SelectedRowsAreDeletedAndSelectedCellsCleared) {
  TTestStringGrid* grid = Rows(6);
  grid->SetSelection(TGridRect{1, 4, 1, 2});
  grid->ClearSelectedCells();
  EXPECT_EQ(Column(grid, 1, 0, 5), (std::vector<std::string>{"r0", "r1", "", "", "", "r5"}));
  grid->SetSelection(TGridRect{1, 2, 1, 3});
  grid->RemoveSelectedRows();
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(Levels(grid), (std::vector<Integer>{-1, 1, -1, 5}));   // row 4's properties were cleared
}

TEST_F(RowsTest, ShrinkingTheGridFreesThePropertiesOfTheCellsItCutsOff) {
  TTestStringGrid* grid = Rows(6);
  grid->SetRowCount(3);
  grid->SetColCount(2);
  grid->SetRowCount(6);
  grid->SetColCount(5);
  EXPECT_FALSE(grid->HasCellProperties(1, 4));
  EXPECT_EQ(grid->GetCellType(2, 1), ctEmpty);
  EXPECT_EQ(grid->GetCellProperties(1, 2)->NodeLevel(), 2);
}

}   // namespace
}   // namespace gridtest
