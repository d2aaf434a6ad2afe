// Scroll bar controls: presses, drags and keys on a SCROLLBAR window come back to TScrollBar as
// scroll codes and positions; the values the control keeps, their errors, SB_CTL reaching only
// scroll bar controls, and the classic track.
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/ui/colors.h"
#include "platform/ui/scroll_bar.h"
#include "platform/window_classes/scroll_bar_window.h"
#include "platform/user/input_events.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class ScrollBarTest : public UiTest {
 protected:
  TScrollBar* NewBar() {
    TForm* form = NewForm("Form1");
    auto* bar = new TScrollBar(form);
    bar->SetKind(sbVertical);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 16, 200);
    bar->SetLargeChange(10);
    bar->OnScroll = [this](TObject*, TScrollCode code, Integer& pos) {
      codes_ += std::to_string(int(code)) + ":" + std::to_string(pos) + " ";
      if (forced_ >= 0) pos = forced_;
    };
    bar->OnChange = [this](TObject*) { ++changes_; };
    driver_->Settle();
    return bar;
  }

  void Drag(TScrollBar* bar, TPoint from, TPoint to) {
    const TPoint a = bar->ClientToScreen(from), b = bar->ClientToScreen(to);
    user::InjectMouseMove(a.X, a.Y);
    user::InjectMouseButton(user::MouseButton::Left, true);
    user::InjectMouseMove(b.X, b.Y);
    user::InjectMouseButton(user::MouseButton::Left, false);
    driver_->Settle();
  }

  std::string codes_;
  Integer forced_ = -1;
  int changes_ = 0;
};

// Scroll codes: 0 line up, 1 line down, 2 page up, 3 page down, 4 position, 5 track, 6 top,
// 7 bottom, 8 end.
TEST_F(ScrollBarTest, PressesDragsAndKeysScrollByTheControlsSteps) {
  TScrollBar* bar = NewBar();
  enum Kind { ClickAt, Key, DragThumbTo } ;
  const struct {
    Kind kind;
    Integer x, y;   // a point, or the key in x
    const char* codes;
    Integer position;
  } steps[] = {
      {ClickAt, 8, 195, "1:1 8:1 ", 1},        // the down arrow
      {ClickAt, 8, 150, "3:11 8:11 ", 11},     // the track below the thumb
      {ClickAt, 8, 5, "0:10 8:10 ", 10},       // the up arrow
      {Key, VK_NEXT, 0, "3:20 8:20 ", 20},
      {Key, VK_END, 0, "7:100 8:100 ", 100},
      {Key, VK_DOWN, 0, "1:100 8:100 ", 100},  // kept within Max
      {Key, VK_HOME, 0, "6:0 8:0 ", 0},
      {DragThumbTo, 8, 400, "5:100 4:100 8:100 ", 100},   // dragged past the end
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.codes);
    codes_.clear();
    switch (step.kind) {
      case ClickAt: driver_->ClickAt(bar, TPoint{step.x, step.y}); break;
      case Key:
        bar->SetFocus();
        driver_->PressKey(Word(step.x));
        break;
      case DragThumbTo: Drag(bar, TPoint{8, 25}, TPoint{step.x, step.y}); break;
    }
    EXPECT_EQ(codes_, step.codes);
    EXPECT_EQ(bar->Position(), step.position);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), step.position);   // the thumb follows
  }

  forced_ = 42;   // OnScroll has the last word
  driver_->ClickAt(bar, TPoint{8, 195});
  EXPECT_EQ(bar->Position(), 42);
}

// The classic track is a checkerboard of highlight and face; the part held down shows inverted
// (probed while the press scrolls, then the button is let go).
TEST_F(ScrollBarTest, TheTrackIsACheckerboardInvertedWhilePressed) {
  TScrollBar* bar = NewBar();
  const COLORREF white = ColorToRGB(clBtnHighlight), face = ColorToRGB(clBtnFace);
  const COLORREF a = driver_->Pixel(bar, 8, 150), b = driver_->Pixel(bar, 9, 150), below = driver_->Pixel(bar, 8, 151);
  EXPECT_TRUE((a == white && b == face) || (a == face && b == white)) << std::hex << a << " " << b;
  EXPECT_EQ(below, b);
  std::vector<COLORREF> pressed;
  bar->OnScroll = [&](TObject*, TScrollCode, Integer&) {
    if (!pressed.empty()) return;
    RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);   // as shown while held
    pressed = {driver_->Pixel(bar, 8, 150), driver_->Pixel(bar, 9, 150)};
    user::InjectMouseButton(user::MouseButton::Left, false);
  };
  driver_->PressMouse(bar, TPoint{8, 150});
  EXPECT_EQ(pressed, (std::vector<COLORREF>{a ^ 0xFFFFFF, b ^ 0xFFFFFF}));
  EXPECT_EQ(driver_->Pixel(bar, 8, 150), a);
}

TEST_F(ScrollBarTest, ValuesReachTheWindowAndBadRangesAreRefused) {
  TScrollBar* bar = NewBar();
  bar->SetParams(150, 10, 120);   // a position past Max is pulled in
  EXPECT_EQ(bar->Position(), 120);
  EXPECT_EQ(changes_, 1);
  bar->SetPosition(120);
  EXPECT_EQ(changes_, 1);   // no move, no change
  bar->SetPageSize(30);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar->Handle(), SB_CTL, &info));
  EXPECT_EQ(info.nMin, 10);
  EXPECT_EQ(info.nMax, 120);
  EXPECT_EQ(info.nPage, 30u);
  EXPECT_EQ(info.nPos, 91);   // the window keeps its thumb within the last page
  EXPECT_THROW(bar->SetMax(5), EInvalidOperation);    // below Min
  EXPECT_THROW(bar->SetMax(20), EInvalidOperation);   // below PageSize
  EXPECT_EQ(bar->Max(), 120);

  // SB_CTL reaches only scroll bar controls, and they have no standard bars.
  HWND form = bar->Parent()->Handle();
  EXPECT_EQ(SetScrollPos(form, SB_CTL, 5, FALSE), 0);
  EXPECT_FALSE(GetScrollInfo(bar->Handle(), SB_VERT, &info));
  EXPECT_EQ(SendMessageA(bar->Handle(), SBM_GETPOS, 0, 0), 91);

  bar->SetKind(sbHorizontal);   // a new window, turned on its side
  EXPECT_EQ(bar->Width(), 200);
  EXPECT_EQ(bar->Height(), 16);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 91);
}

}  // namespace
}  // namespace uitest
