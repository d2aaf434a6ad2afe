// Sizing and moving columns and rows with the mouse: the sizing zones of the fixed cells, the
// inverted sizing line while dragging, the new width with ColWidthsChanged, the split cursor, moving
// a column by its header and the wheel moving the current row.  Column 1 spans pixels 31..60 with
// its line at 61; row 1 spans 21..40 with its line at 41.
#include "platform/ui/colors.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "grid_test_support.h"

namespace uitest {
namespace {

class GridSizingTest : public GridTest {
 protected:
  void Drag(TTestGrid* grid, TPoint from, TPoint to) {
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.X, from.Y));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.X, to.Y));
    grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(to.X, to.Y));
  }
};

TEST_F(GridSizingTest, DraggingALineInTheFixedCellsSizesItsCell) {
  const struct {
    const char* what;
    TGridOptions options;
    TPoint from, to;
    Integer col1Width, row1Height, widthChanges;
  } cases[] = {
      {"column line", {goColSizing}, {62, 10}, {80, 10}, 48, 20, 1},
      {"zone's left edge", {goColSizing}, {59, 10}, {69, 10}, 40, 20, 1},
      {"narrowed to nothing", {goColSizing}, {61, 10}, {0, 10}, 0, 20, 1},
      {"row line", {goRowSizing}, {10, 42}, {10, 60}, 30, 38, 0},
      {"mid cell", {goColSizing}, {45, 10}, {80, 10}, 30, 20, 0},
      {"line in a normal row", {goColSizing}, {62, 30}, {80, 30}, 30, 20, 0},
      {"no sizing option", {}, {62, 10}, {80, 10}, 30, 20, 0},
  };
  for (const auto& c : cases) {
    TTestGrid* grid = NewGrid();
    grid->SetOptions(grid->Options() + c.options);
    Drag(grid, c.from, c.to);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(grid->ColWidths(1), c.col1Width);
    EXPECT_EQ(grid->RowHeights(1), c.row1Height);
    EXPECT_EQ(grid->widthChanges, c.widthChanges);
    EXPECT_EQ(grid->GridState(), gsNormal);
  }
}

TEST_F(GridSizingTest, TheSizingLineIsInvertedWhileDragging) {
  TTestGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  grid->Repaint();
  ASSERT_EQ(driver_->Pixel(grid, 79, 50), ColorToRGB(clWindow));
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(62, 10));
  EXPECT_EQ(grid->GridState(), gsColSizing);
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(80, 10));
  EXPECT_EQ(driver_->Pixel(grid, 79, 50), ColorToRGB(clWindow) ^ 0xFFFFFF);
  EXPECT_EQ(driver_->Pixel(grid, 61, 50), ColorToRGB(clSilver));   // the first line was erased
  grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(80, 10));
  grid->Repaint();
  EXPECT_EQ(driver_->Pixel(grid, 79, 50), ColorToRGB(clSilver));   // column 1's new line
}

TEST_F(GridSizingTest, ACancelledDragLeavesSizesAndPixelsAsTheyWere) {
  const struct {
    const char* what;
    TGridOptions options;
    TPoint from, to, probe;   // probe: a pixel of the inverted line or indicator
    TGridState during;
  } cases[] = {
      {"column sizing", {goColSizing}, {62, 10}, {80, 10}, {79, 50}, gsColSizing},
      {"row sizing", {goRowSizing}, {10, 42}, {10, 60}, {50, 59}, gsRowSizing},
      {"column moving", {goColMoving}, {45, 10}, {110, 10}, {93, 50}, gsColMoving},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestGrid* grid = NewGrid();
    grid->SetOptions(grid->Options() + c.options);
    grid->SetCells(1, 1, "a");
    grid->Repaint();
    const COLORREF before = driver_->Pixel(grid, c.probe.X, c.probe.Y);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.from.X, c.from.Y));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.to.X, c.to.Y));
    ASSERT_EQ(grid->GridState(), c.during);
    ASSERT_EQ(GetCapture(), grid->Handle());
    ASSERT_NE(driver_->Pixel(grid, c.probe.X, c.probe.Y), before);
    grid->CancelSizingOrMoving();
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(driver_->Pixel(grid, c.probe.X, c.probe.Y), before);   // erased, not repainted
    grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(c.to.X, c.to.Y));
    EXPECT_EQ(grid->ColWidths(1), 30);
    EXPECT_EQ(grid->RowHeights(1), 20);
    EXPECT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(grid->widthChanges, 0);
  }
}

TEST_F(GridSizingTest, SplitCursorShowsOverTheSizingZones) {
  TTestGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goRowSizing});
  const struct {
    TPoint at;
    TCursor cursor;
  } cases[] = {{{62, 10}, crHSplit}, {{10, 42}, crVSplit}, {{100, 50}, crDefault}};
  for (const auto& c : cases) {
    driver_->MoveMouseTo(grid, c.at);
    const LRESULT set = grid->Perform(WM_SETCURSOR, WPARAM(grid->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    SCOPED_TRACE(std::to_string(c.at.X) + "," + std::to_string(c.at.Y));
    EXPECT_EQ(set != 0, c.cursor != crDefault);   // elsewhere the grid leaves the cursor to the default
    if (c.cursor != crDefault) {
      EXPECT_EQ(GetCursor(), Screen->Cursors(c.cursor));
    }
  }
}

TEST_F(GridSizingTest, DraggingAHeaderMovesItsColumnOrRow) {
  TTestGrid* grid = NewGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving, goRowMoving});
  for (Integer c = 0; c < 10; ++c) grid->SetCells(c, 0, "h" + std::to_string(c));
  grid->SetCells(0, 2, "r2");
  std::vector<std::string> moved;
  grid->OnColumnMoved = [&](TObject*, Integer from, Integer to) { moved.push_back("col " + std::to_string(from) + ">" + std::to_string(to)); };
  grid->OnRowMoved = [&](TObject*, Integer from, Integer to) { moved.push_back("row " + std::to_string(from) + ">" + std::to_string(to)); };
  Drag(grid, {100, 10}, {40, 10});   // header of column 3 onto column 1
  EXPECT_EQ(grid->Rows(0)->CommaText(), "h0,h3,h1,h2,h4,h5,h6,h7,h8,h9");
  Drag(grid, {10, 50}, {10, 90});    // row 2 onto row 4
  EXPECT_EQ(grid->Cells(0, 4), "r2");
  Drag(grid, {100, 10}, {10, 10});   // over the fixed column: stays in place
  EXPECT_EQ(moved, (std::vector<std::string>{"col 3>1", "row 2>4"}));
}

TEST_F(GridSizingTest, WheelMovesTheCurrentRow) {
  TTestGrid* grid = NewGrid();
  const struct {
    Integer delta, row;
  } steps[] = {{-120, 2}, {-120, 3}, {120, 2}, {120, 1}, {120, 1}};
  for (const auto& s : steps) {
    grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, s.delta), MAKELPARAM(50, 50));
    EXPECT_EQ(grid->Row(), s.row);
  }
}

}  // namespace
}  // namespace uitest
