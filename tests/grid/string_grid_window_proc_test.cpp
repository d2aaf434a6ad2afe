// The string grid's window procedure: the wheel (moving the current row, scrolling, zooming),
// "GridEditDone", the in-place editor's EN_CHANGE, a cancelled column move and the cell controls
// placed after scrolling.  Cells are 64 x 21 pixels laid edge to edge.
#include <string>
#include <vector>

#include "grid/control_list.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_unit.h"
#include "platform/ui/inplace_edit.h"
#include "platform/ui/panel.h"
#include "platform/user/message_ids.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TWheelGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  using TCustomGrid::GridState;
  std::vector<Integer> scrolled;

 protected:
  void DoWheelScrolled(Integer Delta) override { scrolled.push_back(Delta); }
};

class StringGridWindowProcTest : public StringGridTest {
 protected:
  TWheelGrid* NewWheelGrid() { return NewGrid<TWheelGrid>(true); }
  static LRESULT Wheel(TWheelGrid* Grid, bool Down, WPARAM Keys = 0) {
    const TPoint at = Grid->ClientToScreen(TPoint{100, 100});
    const Word delta = static_cast<Word>(Down ? -WHEEL_DELTA : WHEEL_DELTA);
    return Grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<Word>(Keys), delta), MAKELPARAM(at.X, at.Y));
  }
};

TEST_F(StringGridWindowProcTest, OneNotchMovesTheCurrentRowByTheStep) {
  TWheelGrid* probe = NewWheelGrid();
  const Integer lines = probe->WheelScrollLines();
  ASSERT_GT(lines, 0);
  const struct {
    const char* what;
    TWheelAction action;
    Integer increment;
    bool down, enableWheel;
    Integer startRow, row, topRowDelta;
    LRESULT result;
    std::vector<Integer> scrolled;
  } cases[] = {
      {"wheel lines", waMoveSelection, 0, true, true, 5, 5 + lines, -1, 1, {}},
      {"increment down", waMoveSelection, 2, true, true, 5, 7, -1, 1, {2}},
      {"increment up", waMoveSelection, 2, false, true, 5, 3, -1, 1, {-2}},
      {"last data row", waMoveSelection, 2, true, true, 29, 29, -1, 1, {0}},
      {"scrolling keeps the row", waScroll, 2, true, true, 5, 5, 2, 1, {0}},
      {"wheel off: the platform's one row", waMoveSelection, 2, true, false, 5, 6, -1, 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TWheelGrid* grid = NewWheelGrid();
    grid->SetRowCount(30);
    grid->MouseActions()->SetWheelAction(c.action);
    grid->MouseActions()->SetWheelIncrement(c.increment);
    grid->SetEnableWheel(c.enableWheel);
    grid->SetRow(c.startRow);
    const Integer top = grid->TopRow();
    EXPECT_EQ(Wheel(grid, c.down), c.result);
    EXPECT_EQ(grid->Row(), c.row);
    if (c.topRowDelta >= 0) {
      EXPECT_EQ(grid->TopRow(), top + c.topRowDelta);
    }
    EXPECT_EQ(grid->scrolled, c.scrolled);
  }
}

TEST_F(StringGridWindowProcTest, CtrlWheelZoomsWithinTheLimits) {
  TWheelGrid* grid = NewWheelGrid();
  const Integer lines = grid->WheelScrollLines();
  const Integer width = grid->ColWidths(1);
  const Integer height = grid->RowHeights(1);
  EXPECT_EQ(Wheel(grid, true, MK_CONTROL), 1);
  EXPECT_EQ(grid->ColWidths(1), width + lines);
  EXPECT_EQ(grid->RowHeights(1), height + lines);
  EXPECT_EQ(grid->Row(), 1);
  for (Integer i = 0; i < 12; ++i) grid->Zoom(1);
  EXPECT_EQ(grid->ZoomTotal(), 10);
  EXPECT_EQ(grid->ColWidths(1), width + 10);
  grid->SetIntelliZoom(false);
  Wheel(grid, true, MK_CONTROL);   // without IntelliZoom Ctrl+wheel moves the row
  EXPECT_EQ(grid->ZoomTotal(), 10);
  EXPECT_EQ(grid->Row(), 1 + lines);
}

TEST_F(StringGridWindowProcTest, AGridWithOnlyItsFixedRowIgnoresTheWheel) {
  TWheelGrid* grid = NewWheelGrid();
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  bool seen = false;
  grid->OnMouseWheel = [&](TObject*, TShiftState, Integer, TPoint, bool&) { seen = true; };
  EXPECT_EQ(Wheel(grid, true), 0);
  EXPECT_FALSE(seen);   // not even the inherited handling
}

TEST_F(StringGridWindowProcTest, EditCellDoneComesAfterTheEditorHasGone) {
  TWheelGrid* grid = NewWheelGrid();
  std::vector<std::string> calls;
  grid->OnEditingDone = uitest::NotifyEvent([&](TObject*) { calls.push_back("done"); });
  grid->OnEditCellDone = [&](TObject*, Integer ACol, Integer ARow) {
    calls.push_back("cell " + std::to_string(ACol) + "," + std::to_string(ARow));
  };
  grid->NotifyEditingDone(2, 3);
  EXPECT_EQ(calls, (std::vector<std::string>{"done"}));
  driver_->Settle();
  EXPECT_EQ(calls, (std::vector<std::string>{"done", "cell 2,3"}));
}

TEST_F(StringGridWindowProcTest, EditorChangesReachTheCellButNotDuringAPress) {
  TWheelGrid* grid = NewWheelGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->SetFocus();
  grid->ShowCellEditor();
  TInplaceEdit* editor = grid->InplaceEditor();
  ASSERT_NE(editor, nullptr);
  driver_->Type("ab");
  EXPECT_EQ(grid->GetCellText(1, 1), "ab");   // written while the editor stays open
  EXPECT_TRUE(editor->Visible());
  grid->PointerState().InMouseDown = true;
  driver_->Type("c");
  EXPECT_EQ(grid->GetCellText(1, 1), "ab");
  grid->PointerState().InMouseDown = false;
}

TEST_F(StringGridWindowProcTest, CancelModeEndsAColumnMove) {
  TWheelGrid* grid = NewWheelGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
  grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(138, 5));
  grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(222, 8));
  ASSERT_TRUE(grid->PointerState().Move.ButtonVisible);
  grid->Perform(WM_CANCELMODE, 0, 0);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_FALSE(grid->PointerState().Move.ButtonVisible);
  EXPECT_FALSE(grid->PointerState().DragCursorSet);
}

TEST_F(StringGridWindowProcTest, CellControlsFollowScrollingAndHideOutOfView) {
  TWheelGrid* grid = NewWheelGrid();
  grid->SetRowCount(60);
  auto* panel = new TPanel(grid);
  panel->SetParent(grid);
  grid->CellControls()->AddControl(new TCellControl(1, 3, panel));
  grid->PlaceCellControls();
  EXPECT_TRUE(panel->Visible());
  EXPECT_EQ(panel->BoundsRect(), (TRect{64, 63, 128, 83}));   // one pixel less high than the cell
  grid->SetTopRow(20);
  EXPECT_FALSE(panel->Visible());
  grid->SetTopRow(2);
  EXPECT_TRUE(panel->Visible());
  EXPECT_EQ(panel->Top(), 21 + 21);   // row 3 is the second row below the fixed row
}

}  // namespace
}  // namespace gridtest
