// Moving about the grid: key sequences on a 10 x 10 grid (three whole rows to a page) with their
// current cell and selection, SelectCell refusing a move, mouse presses and drags, and the 0..127
// scroll bar scale both ways.
#include "platform/user/message_ids.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/virtual_keys.h"
#include "grid_test_support.h"

namespace uitest {
namespace {

class GridNavigationTest : public GridTest {
 protected:
  struct Step {
    Word key;
    TShiftState shift;
    TGridCoord cell;
    TGridRect selection;
  };

  void Play(TTestGrid* grid, std::initializer_list<Step> steps) {
    Integer n = 0;
    for (const Step& step : steps) {
      driver_->PressKey(step.key, step.shift);
      SCOPED_TRACE("step " + std::to_string(++n));
      EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), step.cell);
      EXPECT_EQ(grid->Selection(), step.selection);
    }
  }
};

TEST_F(GridNavigationTest, ArrowsPagesAndHomeEndMoveTheCurrentCell) {
  TTestGrid* grid = NewGrid();
  Play(grid, {{VK_DOWN, {}, {1, 2}, {1, 2, 1, 2}},
              {VK_RIGHT, {}, {2, 2}, {2, 2, 2, 2}},
              {VK_UP, {}, {2, 1}, {2, 1, 2, 1}},
              {VK_UP, {}, {2, 1}, {2, 1, 2, 1}},   // stays below the fixed row
              {VK_NEXT, {}, {2, 4}, {2, 4, 2, 4}},
              {VK_NEXT, {}, {2, 7}, {2, 7, 2, 7}},
              {VK_END, {ssCtrl}, {9, 9}, {9, 9, 9, 9}},
              {VK_PRIOR, {}, {9, 6}, {9, 6, 9, 6}},
              {VK_HOME, {}, {1, 6}, {1, 6, 1, 6}},
              {VK_END, {}, {9, 6}, {9, 6, 9, 6}},
              {VK_HOME, {ssCtrl}, {1, 1}, {1, 1, 1, 1}}});
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(GridNavigationTest, ShiftExtendsTheRangeFromItsAnchor) {
  TTestGrid* grid = NewGrid();
  Play(grid, {{VK_RIGHT, {ssShift}, {2, 1}, {1, 1, 2, 1}},
              {VK_DOWN, {ssShift}, {2, 2}, {1, 1, 2, 2}},
              {VK_LEFT, {ssShift}, {1, 2}, {1, 1, 1, 2}},
              {VK_LEFT, {ssShift}, {1, 2}, {1, 1, 1, 2}},
              {VK_RIGHT, {}, {2, 2}, {2, 2, 2, 2}}});
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  Play(grid, {{VK_DOWN, {ssShift}, {2, 3}, {2, 3, 2, 3}}});
}

TEST_F(GridNavigationTest, TabWrapsToTheNextAndPreviousRowWithGoTabs) {
  TTestGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  grid->SetCol(8);
  Play(grid, {{VK_TAB, {}, {9, 1}, {9, 1, 9, 1}},
              {VK_TAB, {}, {1, 2}, {1, 2, 1, 2}},
              {VK_TAB, {ssShift}, {9, 1}, {9, 1, 9, 1}},
              {VK_TAB, {ssShift}, {8, 1}, {8, 1, 8, 1}}});
  grid->SetCol(1);
  Play(grid, {{VK_TAB, {ssShift}, {1, 1}, {1, 1, 1, 1}}});   // first cell: nowhere to go
}

TEST_F(GridNavigationTest, CtrlArrowsScrollOrMoveByAPageAndCtrlPagesStayInView) {
  // Five whole columns and three whole rows to a page.
  TTestGrid* grid = NewGrid();
  const struct {
    Word key;
    TGridCoord cell;
    Integer leftCol, topRow;
  } steps[] = {{VK_DOWN, {1, 1}, 1, 2},    // scrolls; the cell stays, out of view
               {VK_DOWN, {1, 1}, 1, 3},
               {VK_UP, {1, 1}, 1, 2},
               {VK_NEXT, {1, 4}, 1, 2},    // the last whole row in view
               {VK_PRIOR, {1, 2}, 1, 2},   // the first
               {VK_RIGHT, {6, 2}, 5, 2},   // a page right, LeftCol as far as it goes
               {VK_RIGHT, {9, 2}, 5, 2},
               {VK_LEFT, {4, 2}, 1, 2}};
  Integer n = 0;
  for (const auto& step : steps) {
    driver_->PressKey(step.key, {ssCtrl});
    SCOPED_TRACE("step " + std::to_string(++n));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), step.cell);
    EXPECT_EQ(grid->LeftCol(), step.leftCol);
    EXPECT_EQ(grid->TopRow(), step.topRow);
  }
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  driver_->PressKey(VK_RIGHT, {ssCtrl});
  EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(GridNavigationTest, DoubleClickFiresOnDblClickOnce) {
  TTestGrid* grid = NewGrid();
  Integer doubles = 0;
  grid->OnDblClick = [&](TObject*) { ++doubles; };
  driver_->DoubleClick(grid);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), grid->MouseCoord(100, 50));
}

TEST_F(GridNavigationTest, RowSelectSelectsWholeRowsAndIgnoresLeftAndRight) {
  TTestGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  Play(grid, {{VK_RIGHT, {}, {1, 1}, {1, 1, 9, 1}},
              {VK_DOWN, {}, {1, 2}, {1, 2, 9, 2}},
              {VK_DOWN, {ssShift}, {1, 3}, {1, 2, 9, 3}},
              {VK_END, {}, {1, 9}, {1, 9, 9, 9}}});
}

TEST_F(GridNavigationTest, SelectCellRefusingACellStopsTheMove) {
  TTestGrid* grid = NewGrid();
  std::vector<std::string> asked;
  grid->OnSelectCell = [&](TObject*, Integer col, Integer row, bool& can) {
    asked.push_back(std::to_string(col) + "," + std::to_string(row));
    can = col != 3;
  };
  Play(grid, {{VK_RIGHT, {}, {2, 1}, {2, 1, 2, 1}}, {VK_RIGHT, {}, {2, 1}, {2, 1, 2, 1}}});
  EXPECT_EQ(asked, (std::vector<std::string>{"2,1", "3,1"}));
  EXPECT_EQ(grid->clicks, 1);   // only the move that happened clicks
}

TEST_F(GridNavigationTest, ASelectionPutOutsideTheGridLeavesTheViewAndIsClampedBackByACountChange) {
  TTestGrid* grid = NewGrid();
  grid->SetTopRow(3);
  grid->SetSelection(TGridRect{10, 10, 10, 10});   // one past the last cell: shown nowhere
  EXPECT_EQ(grid->Selection(), (TGridRect{10, 10, 10, 10}));
  EXPECT_EQ(grid->TopRow(), 3);
  grid->SetRowCount(12);
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{9, 10}));
}

TEST_F(GridNavigationTest, PressSelectsAndDragExtendsTheSelection) {
  TTestGrid* grid = NewGrid();
  driver_->MoveMouseTo(grid, {100, 50});   // cell (3, 2)
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
  EXPECT_EQ(grid->GridState(), gsSelecting);
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 90));   // cell (1, 4)
  grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(40, 90));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 4}));
  EXPECT_EQ(grid->GridState(), gsNormal);
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 50));   // a fixed cell does not select
  grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 50));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 4}));
}

TEST_F(GridNavigationTest, DraggingOutsideTheCellsScrollsOnATimer) {
  TTestGrid* grid = NewGrid();
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));   // cell (3, 2)
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 150));    // below the grid
  const Integer rows[] = {3, 4, 5};
  for (Integer row : rows) {
    clock_.Advance(60);
    driver_->Settle();
    EXPECT_EQ(grid->Row(), row);
  }
  EXPECT_EQ(grid->TopRow(), 3);   // row 5 is the last of three whole rows
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 50));       // left of the fixed column: columns
  clock_.Advance(60);
  driver_->Settle();
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 5}));
  grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(-5, 50));
  clock_.Advance(600);
  driver_->Settle();
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 5}));   // the timer stopped with the button
}

TEST_F(GridNavigationTest, ThumbPositionsAndTopRowFollowTheFormula) {
  // n = MulDiv(pos, RowCount - VisibleRowCount - FixedRows, 127) + FixedRows; three rows to a page.
  // The thumb then shows the new top row on the same scale (halves rounded away from zero), and
  // reading it back gives that row.
  const struct {
    Integer rows, position, topRow, thumb;
  } cases[] = {{10, 0, 1, 0},        {10, 10, 1, 0},     {10, 11, 2, 21},    {10, 64, 4, 64},
               {10, 127, 7, 127},    {131, 1, 2, 1},     {131, 126, 127, 126}, {258, 1, 3, 1},
               {258, 127, 255, 127}, {5, 127, 2, 127}};
  for (const auto& c : cases) {
    TTestGrid* grid = NewGrid(10, c.rows);
    grid->SetScrollBars(ssVertical);
    SCOPED_TRACE(std::to_string(c.rows) + " rows at " + std::to_string(c.position));
    grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, c.position), 0);
    EXPECT_EQ(grid->TopRow(), c.topRow);
    EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), c.thumb);
    EXPECT_EQ(grid->ThumbToRow(c.thumb), c.topRow);
  }
}

TEST_F(GridNavigationTest, ThumbTrackingMovesOnlyWithGoThumbTracking) {
  TTestGrid* grid = NewGrid(10, 131);
  grid->SetScrollBars(ssVertical);
  grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 0);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
  grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 0);
  EXPECT_EQ(grid->TopRow(), 51);
  grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  EXPECT_EQ(grid->TopRow(), 55);
  grid->SetTopRow(100);
  EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), 99);
}

}  // namespace
}  // namespace uitest
