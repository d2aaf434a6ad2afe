// Middle-button panning: start, the timer's steps towards the pointer with their cursors, the
// directions IntelliPan allows, the anchor picture and what stops it.
#include <string>

#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

HCURSOR PanCursor(Integer Number) {
  return LoadCursorA(HInstance, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(Number)));
}

class PanningTest : public StringGridTest {
 protected:
  // A shown 6 x 10 grid with the current cell at (2, 3), panned from Anchor.
  TTestStringGrid* PannedGrid(TIntelliPan Pan, TPoint Anchor) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(6);
    grid->SetRowCount(10);
    grid->SetCol(2);
    grid->SetRow(3);
    grid->SetIntelliPan(Pan);
    grid->SetShowHint(true);
    driver_->MoveMouseTo(grid, Anchor);
    SendMessageA(grid->Handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(Anchor.X, Anchor.Y));
    return grid;
  }
  void Tick() {
    clock_.Advance(10);
    driver_->Settle();
  }
};

TEST_F(PanningTest, TwentyPixelsDownMovesTheRowEachTickWithTheDownCursorUntilAPressStopsIt) {
  const TPoint anchor{100, 60};
  TTestStringGrid* grid = PannedGrid(ipVertical, anchor);
  ASSERT_TRUE(grid->Panning());
  EXPECT_EQ(grid->PanAnchor(), anchor);
  EXPECT_EQ(GetCursor(), PanCursor(8000));
  EXPECT_EQ(GetCapture(), grid->Handle());
  EXPECT_FALSE(grid->ShowHint());
  std::vector<Integer> selections;
  grid->OnSelectionChanged = [&](TObject*, Integer, Integer ATop, Integer, Integer) { selections.push_back(ATop); };

  driver_->MoveMouseTo(grid, TPoint{anchor.X, anchor.Y + 20});
  Tick();
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(GetCursor(), PanCursor(8001));
  Tick();
  EXPECT_EQ(grid->Row(), 5);
  EXPECT_EQ(selections, (std::vector<Integer>{4, 5}));
  driver_->MoveMouseTo(grid, TPoint{anchor.X, anchor.Y + 4});   // inside the dead zone
  Tick();
  EXPECT_EQ(grid->Row(), 5);
  EXPECT_EQ(GetCursor(), PanCursor(8000));

  SendMessageA(grid->Handle(), WM_KEYDOWN, VK_SHIFT, 0);
  EXPECT_FALSE(grid->Panning());
  EXPECT_NE(GetCapture(), grid->Handle());
  EXPECT_TRUE(grid->ShowHint());
  driver_->MoveMouseTo(grid, TPoint{anchor.X, anchor.Y + 20});
  Tick();
  EXPECT_EQ(grid->Row(), 5);
}

TEST_F(PanningTest, IntelliPanChoosesTheDirectionsAndTheCursorShowsThem) {
  const struct {
    const char* what;
    TIntelliPan pan;
    TPoint offset;
    Integer col, row;
    Integer cursor;
  } cases[] = {
      {"vertical ignores a move right", ipVertical, {20, 0}, 2, 3, 8000},
      {"vertical up", ipVertical, {20, -20}, 2, 2, 8004},
      {"horizontal right", ipHorizontal, {20, 20}, 3, 3, 8003},
      {"horizontal left", ipHorizontal, {-20, 0}, 1, 3, 8002},
      {"both up-right", ipBoth, {20, -20}, 3, 2, 8005},
      {"both up-left", ipBoth, {-20, -20}, 1, 2, 8006},
      {"both down-right", ipBoth, {20, 20}, 3, 4, 8007},
      {"both down-left", ipBoth, {-20, 20}, 1, 4, 8008},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TPoint anchor{120, 80};
    TTestStringGrid* grid = PannedGrid(c.pan, anchor);
    ASSERT_TRUE(grid->Panning());
    driver_->MoveMouseTo(grid, TPoint{anchor.X + c.offset.X, anchor.Y + c.offset.Y});
    Tick();
    EXPECT_EQ(grid->Col(), c.col);
    EXPECT_EQ(grid->Row(), c.row);
    EXPECT_EQ(GetCursor(), PanCursor(c.cursor));
    SendMessageA(grid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

TEST_F(PanningTest, AnyPressOrKeyStopsPanningAndIpNoneNeverStarts) {
  for (const UINT stop : {WM_MBUTTONDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_KEYDOWN}) {
    SCOPED_TRACE(stop);
    TTestStringGrid* grid = PannedGrid(ipVertical, TPoint{100, 60});
    ASSERT_TRUE(grid->Panning());
    SendMessageA(grid->Handle(), stop, 0, MAKELPARAM(100, 60));
    EXPECT_FALSE(grid->Panning());
    EXPECT_NE(GetCursor(), PanCursor(8000));
    if (stop != WM_LBUTTONDOWN) {   // a left press captures for itself
      EXPECT_NE(GetCapture(), grid->Handle());
    }
  }
  TTestStringGrid* grid = PannedGrid(ipNone, TPoint{100, 60});
  EXPECT_FALSE(grid->Panning());
  EXPECT_NE(GetCapture(), grid->Handle());
}

TEST_F(PanningTest, TheAnchorPictureShowsAtTheAnchorWhilePanning) {
  for (const TIntelliPan pan : {ipVertical, ipHorizontal, ipBoth}) {
    SCOPED_TRACE(static_cast<int>(pan));
    const TPoint anchor{100, 60};
    TTestStringGrid* grid = PannedGrid(pan, anchor);
    // The picture's middle is its black dot; the arrows lie 10 pixels out on its axes.
    EXPECT_EQ(driver_->Pixel(grid, anchor.X + 15, anchor.Y + 15), RGB(0, 0, 0));
    EXPECT_EQ(driver_->Pixel(grid, anchor.X + 15, anchor.Y + 15 - 9) == RGB(0, 0, 0), pan != ipHorizontal);
    EXPECT_EQ(driver_->Pixel(grid, anchor.X + 15 + 9, anchor.Y + 15) == RGB(0, 0, 0), pan != ipVertical);
    SendMessageA(grid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

}  // namespace
}  // namespace gridtest
