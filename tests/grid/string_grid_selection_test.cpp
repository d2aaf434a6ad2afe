// Disjunct row and column selection of the string grid: the range checks, the flags and the
// selected-row numbers, a refused selection, the rectangular fall-back and IsCellSelected.
#include <gtest/gtest.h>

#include <functional>

#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_error.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class SelectionTest : public StringGridTest {
 protected:
  TTestStringGrid* Grid(bool Disjunct) {
    TTestStringGrid* grid = NewGrid(true);
    grid->MouseActions()->SetDisjunctRowSelect(Disjunct);
    return grid;
  }
};

TEST_F(SelectionTest, RowFlagsAreCheckedAgainstShownAndHiddenRows) {
  TTestStringGrid* grid = Grid(true);
  grid->HideRows(4, 4);
  EXPECT_FALSE(grid->GetRowSelect(9));   // RowCount 9 + 1 hidden row
  EXPECT_EQ(grid->SelectedRowCount(), 0);
  const auto error = [](const std::function<void()>& call) -> std::string {
    try {
      call();
    } catch (const EProGridError& e) {
      return e.Message();
    }
    return "no error";
  };
  for (Integer row : {-1, 10}) {
    SCOPED_TRACE(row);
    EXPECT_EQ(error([&] { grid->GetRowSelect(row); }), SInvalidRowAccessed);
    EXPECT_EQ(error([&] { grid->SetDisjunctRowSelected(row, true); }), SInvalidRowAccessed);
  }
  EXPECT_EQ(error([&] { grid->GetColSelect(grid->ColCount()); }), SInvalidColumnAccessed);
  EXPECT_EQ(error([&] { grid->SetDisjunctColSelected(-1, true); }), SInvalidColumnAccessed);
}

TEST_F(SelectionTest, SelectingKeepsOneNumberPerRowAndARefusalChangesNothing) {
  TTestStringGrid* grid = Grid(true);
  std::vector<Integer> selected;
  grid->OnRowDisjunctSelected = [&](TObject*, Integer row) { selected.push_back(row); };
  grid->SetDisjunctRowSelected(5, true);
  grid->SetDisjunctRowSelected(2, true);
  grid->SetDisjunctRowSelected(5, true);
  EXPECT_EQ(grid->SelectedRows()->GetCommaText(), "5,2");
  EXPECT_EQ(grid->SelectedRowCount(), 2);
  bool refuse = true;
  grid->OnRowDisjunctSelect = [&](TObject*, Integer, bool, bool& allow) { allow = !refuse; };
  grid->SetDisjunctRowSelected(2, false);
  grid->SetDisjunctRowSelected(3, true);
  EXPECT_TRUE(grid->GetRowSelect(2));
  EXPECT_FALSE(grid->GetRowSelect(3));
  EXPECT_EQ(grid->SelectedRows()->GetCommaText(), "5,2");
  refuse = false;
  grid->SetDisjunctRowSelected(5, false);
  EXPECT_EQ(grid->SelectedRows()->GetCommaText(), "2");
  EXPECT_EQ(selected, (std::vector<Integer>{5, 2, 5, 5}));
  grid->ClearDisjunctRowSelection();
  EXPECT_EQ(grid->SelectedRowCount(), 0);
  EXPECT_EQ(grid->SelectedRows()->Count(), 0);
}

TEST_F(SelectionTest, WithoutDisjunctRowsTheSelectionRectangleAnswers) {
  TTestStringGrid* grid = Grid(false);
  grid->SetSelection(TGridRect{1, 7, 2, 3});
  EXPECT_EQ(grid->SelectedRowCount(), 5);
  EXPECT_TRUE(grid->GetRowSelect(3));
  EXPECT_FALSE(grid->GetRowSelect(8));
}

TEST_F(SelectionTest, TheSelectionCopiedIntoTheFlags) {
  TTestStringGrid* grid = Grid(true);
  grid->SetDisjunctRowSelected(1, true);
  grid->SetDisjunctRowSelected(8, true);
  grid->SetSelection(TGridRect{1, 3, 1, 4});
  grid->SelectionToDisjunctRows(false);
  EXPECT_EQ(grid->SelectedRowCount(), 4);
  grid->SelectionToDisjunctRows(true);
  EXPECT_EQ(grid->SelectedRowCount(), 2);
  EXPECT_FALSE(grid->GetRowSelect(1));
  EXPECT_TRUE(grid->GetRowSelect(4));
  grid->SelectionToDisjunctCols(true);
  EXPECT_TRUE(grid->GetColSelect(1));
  EXPECT_FALSE(grid->GetColSelect(2));
}

TEST_F(SelectionTest, IsCellSelectedInEachMode) {
  TTestStringGrid* grid = Grid(false);
  grid->SetSelection(TGridRect{1, 2, 2, 3});
  EXPECT_TRUE(grid->IsCellSelected(2, 3));
  EXPECT_FALSE(grid->IsCellSelected(3, 3));
  EXPECT_FALSE(grid->IsCellSelected(0, 2));   // fixed
  grid->MouseActions()->SetDisjunctColSelect(true);
  grid->SetDisjunctColSelected(3, true);
  EXPECT_TRUE(grid->IsCellSelected(3, 7));
  EXPECT_FALSE(grid->IsCellSelected(2, 3));
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetDisjunctRowSelected(6, true);
  EXPECT_TRUE(grid->IsCellSelected(1, 6));
  EXPECT_FALSE(grid->IsCellSelected(3, 7));
  EXPECT_FALSE(grid->IsCellSelected(1, 0));
  // With persistent rows the flags count real rows: row 6 shows at 5 once row 2 is hidden.
  grid->MouseActions()->SetRowSelectPersistent(true);
  grid->HideRows(2, 2);
  EXPECT_TRUE(grid->IsCellSelected(1, 5));
  EXPECT_FALSE(grid->IsCellSelected(1, 6));
}

}   // namespace
}   // namespace gridtest
