// Moving around merged ranges: the arrows leave a range from its edge to the adjacent cell, the
// wheel ends on base cells, and scrolling to the end of a grid with merged fixed cells raises
// nothing.
#include <gtest/gtest.h>

#include "base_grid_fixture.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"

namespace gridtest {
namespace {

class BaseGridNavigationTest : public BaseGridTest {
 protected:
  TTestBaseGrid* FocusedGrid() {
    TTestBaseGrid* grid = NewGrid(10, 10, 40, 20, 200, 100);
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }
  void Wheel(TTestBaseGrid* grid, Integer delta) {
    grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(50, 50));
  }
};

TEST_F(BaseGridNavigationTest, ArrowsLeaveARangeFromItsEdgeToTheAdjacentCell) {
  const struct {
    const char* what;
    TGridRect range;   // columns Left..Right, rows Top..Bottom
    TGridCoord from;
    Word key;
    TGridCoord to;
  } cases[] = {
      {"up from rows 3-5", {2, 3, 2, 5}, {2, 4}, VK_UP, {2, 2}},
      {"down from rows 3-5", {2, 3, 2, 5}, {2, 4}, VK_DOWN, {2, 6}},
      {"down from the base cell", {2, 3, 2, 5}, {2, 3}, VK_DOWN, {2, 6}},
      {"left from columns 3-5", {3, 2, 5, 2}, {4, 2}, VK_LEFT, {2, 2}},
      {"right from columns 3-5", {3, 2, 5, 2}, {4, 2}, VK_RIGHT, {6, 2}},
      {"into a range lands on its base cell", {3, 2, 5, 2}, {6, 2}, VK_LEFT, {3, 2}},
      {"a range at the last column stays", {7, 2, 9, 2}, {8, 2}, VK_RIGHT, {7, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestBaseGrid* grid = FocusedGrid();
    grid->MergeCells(c.range.Left, c.range.Top, c.range.Right - c.range.Left + 1, c.range.Bottom - c.range.Top + 1);
    grid->SetCol(c.from.X);
    grid->SetRow(c.from.Y);
    driver_->PressKey(c.key);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.to);
  }
}

TEST_F(BaseGridNavigationTest, TheWheelEndsOnBaseCells) {
  TTestBaseGrid* grid = FocusedGrid();
  grid->MergeCells(1, 3, 1, 3);   // column 1, rows 3-5
  grid->SetRow(2);
  const struct {
    Integer delta, row;
  } steps[] = {{-120, 3}, {-120, 3}, {120, 2}, {120, 1}};
  for (const auto& s : steps) {
    Wheel(grid, s.delta);
    EXPECT_EQ(grid->Row(), s.row);
    EXPECT_TRUE(grid->IsBaseCell(grid->Col(), grid->Row()));
  }
  grid->SetRow(6);
  Wheel(grid, 120);   // up into the range's last row: back to its base row
  EXPECT_EQ(grid->Row(), 3);
}

// At the end of the grid TopRow + VisibleRowCount is one past the last row (and the same for
// columns): the repaint of the fixed merged cells stops at the grid's edge.
TEST_F(BaseGridNavigationTest, ScrollingToTheLastRowAndColumnRaisesNothing) {
  TTestBaseGrid* grid = FocusedGrid();
  grid->MergeCells(0, 7, 1, 3);   // fixed column, rows 7-9
  grid->MergeCells(6, 0, 4, 1);   // fixed row, columns 6-9
  EXPECT_NO_THROW(grid->SetTopRow(6));
  EXPECT_NO_THROW(grid->SetLeftCol(6));
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount(), grid->RowCount());
  EXPECT_EQ(grid->LeftCol() + grid->VisibleColCount(), grid->ColCount());
  EXPECT_NO_THROW(driver_->PressKey(VK_END, TShiftState{ssCtrl}));
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{9, 9}));
  EXPECT_NO_THROW(driver_->Settle());
}

}  // namespace
}  // namespace gridtest
