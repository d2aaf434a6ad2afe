// Track bars: keys, channel presses and thumb drags move the position and tell the parent with
// TB_ codes; TTrackBar's properties reaching the window and OnChange; the classic drawing.
#include <string>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/track_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/track_bar_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class TrackBarTest : public UiTest {
 protected:
  // A track bar at (10, 10) of a new shown form, its reflected scroll codes logged as "H3" / "V5:40"
  // (the position follows the thumb codes).
  TTrackBar* NewBar(TTrackBarOrientation orientation = trHorizontal) {
    TForm* form = NewForm("");
    auto* bar = new TTrackBar(form);
    bar->SetParent(form);
    bar->SetOrientation(orientation);
    bar->SetLeft(10);
    bar->SetTop(10);
    TWndMethod original = bar->WindowProc;
    bar->WindowProc = [this, original](TMessage& m) {
      if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        const WORD code = LOWORD(m.WParam);
        log_ += std::string(m.Msg == CN_HSCROLL ? "H" : "V") + std::to_string(code);
        if (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) log_ += ":" + std::to_string(HIWORD(m.WParam));
        log_ += " ";
      }
      original(m);
    };
    bar->OnChange = [this](TObject*) { ++changes_; };
    driver_->Settle();
    return bar;
  }

  static LRESULT Send(TTrackBar* bar, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(bar->Handle(), message, wParam, lParam);
  }
  static TRect RectOf(TTrackBar* bar, UINT message) {
    TRect rect{};
    Send(bar, message, 0, LPARAM(&rect));
    return rect;
  }

  void Hold(UInt64 ms) {
    for (UInt64 t = 0; t < ms; t += 10) {
      clock_.Advance(10);
      driver_->Settle();
    }
  }

  std::string log_;
  int changes_ = 0;
};

// Both orientations take the same keys; only the message differs.
TEST_F(TrackBarTest, KeysMoveByTheLineAndPageSizesAndTellTheParent) {
  for (TTrackBarOrientation orientation : {trHorizontal, trVertical}) {
    SCOPED_TRACE(orientation == trHorizontal ? "horizontal" : "vertical");
    TTrackBar* bar = NewBar(orientation);
    bar->SetMax(20);
    bar->SetPageSize(5);
    bar->SetPosition(10);
    bar->SetFocus();
    changes_ = 0;
    const std::string m = orientation == trHorizontal ? "H" : "V";
    const struct {
      Word key;
      Integer position;
      const char* code;
    } steps[] = {
        {VK_RIGHT, 11, "1"}, {VK_DOWN, 12, "1"}, {VK_LEFT, 11, "0"},  {VK_UP, 10, "0"},
        {VK_NEXT, 15, "3"},  {VK_PRIOR, 10, "2"}, {VK_END, 20, "7"},  {VK_RIGHT, 20, "1"},   // held at Max
        {VK_HOME, 0, "6"},   {VK_PRIOR, 0, "2"},                                             // held at Min
    };
    for (const auto& step : steps) {
      log_.clear();
      driver_->PressKey(step.key);
      EXPECT_EQ(log_, m + step.code + " " + m + "8 ") << step.key;   // the release ends the track
      EXPECT_EQ(bar->Position(), step.position) << step.key;
      EXPECT_EQ(Send(bar, TBM_GETPOS), step.position);
    }
    EXPECT_EQ(changes_, 8);   // every move, and only moves
  }
}

// Range 0..100 over a 150-pixel bar: the thumb (11 wide) travels 123 pixels from x = 8.
TEST_F(TrackBarTest, AHeldChannelPressPagesOnTheClockUntilTheThumbReachesThePoint) {
  TTrackBar* bar = NewBar();
  bar->SetMax(100);
  bar->SetPageSize(10);
  const LPARAM nearEnd = MAKELPARAM(140, 18);
  SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, nearEnd);
  driver_->Settle();
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(bar, driver_->FocusedControl());
  Hold(240);
  EXPECT_EQ(bar->Position(), 10);   // the first repeat waits longer
  Hold(20);
  EXPECT_EQ(bar->Position(), 20);
  Hold(300);
  EXPECT_EQ(bar->Position(), 50);
  SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, nearEnd);
  Hold(500);
  EXPECT_EQ(bar->Position(), 50);   // released: no more pages
  EXPECT_EQ(log_, "H3 H3 H3 H3 H3 H8 ");

  // Back towards x = 20: pages down to the point and no further (the thumb at 20 spans 32..43,
  // at 10 it spans 20..31 and covers the point).
  log_.clear();
  SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 18));
  Hold(2000);
  SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 18));
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(log_, "H2 H2 H2 H2 H8 ");
}

TEST_F(TrackBarTest, DraggingTheThumbTracksThenSettles) {
  TTrackBar* bar = NewBar(trVertical);
  bar->SetMax(100);
  const TRect thumb = RectOf(bar, TBM_GETTHUMBRECT);
  EXPECT_EQ(thumb.Top, 8);   // the minimum at the top
  const TPoint grab{thumb.Left + 5, thumb.Top + 3};
  driver_->PressMouse(bar, grab);
  driver_->MoveMouseTo(bar, TPoint{grab.X + 9, grab.Y});   // across the channel: no move
  driver_->MoveMouseTo(bar, TPoint{grab.X, grab.Y + 61});  // 61 of 123 pixels: 49.6
  driver_->MoveMouseTo(bar, TPoint{grab.X, grab.Y + 500}); // past the end
  EXPECT_EQ(bar->Position(), 100);
  driver_->ReleaseMouse();
  EXPECT_EQ(log_, "V5:50 V5:100 V4:100 V8 ");
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(changes_, 2);
}

TEST_F(TrackBarTest, PropertiesReachTheWindowAndMovesRunOnChange) {
  TTrackBar* bar = NewBar();
  EXPECT_EQ(bar->Width(), 150);
  EXPECT_EQ(bar->Height(), 45);
  EXPECT_EQ(Send(bar, TBM_GETRANGEMAX), 10);
  EXPECT_EQ(Send(bar, TBM_GETPAGESIZE), 2);
  EXPECT_EQ(Send(bar, TBM_GETNUMTICS), 11);   // a tick at every step

  bar->SetMin(30);   // above Max: Max comes along, and so does Position
  EXPECT_EQ(bar->Max(), 30);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(Send(bar, TBM_GETRANGEMIN), 30);
  EXPECT_EQ(Send(bar, TBM_GETPOS), 30);
  EXPECT_EQ(changes_, 1);
  bar->SetMin(-5);
  bar->SetPosition(99);   // already at Max: no move
  EXPECT_EQ(changes_, 1);
  bar->SetPosition(7);
  EXPECT_EQ(Send(bar, TBM_GETPOS), 7);
  EXPECT_EQ(changes_, 2);

  bar->SetFrequency(5);   // 0, 5 .. 25 between -5 and 30
  EXPECT_EQ(Send(bar, TBM_GETNUMTICS), 8);
  bar->SetTickStyle(tsManual);
  bar->SetTick(12);
  EXPECT_EQ(Send(bar, TBM_GETNUMTICS), 3);
  bar->SetLineSize(3);
  bar->SetPageSize(9);
  bar->SetSelStart(1);
  bar->SetSelEnd(4);
  bar->SetThumbLength(24);
  bar->SetTickMarks(tmBoth);   // a new window: everything given again
  bar->SetSliderVisible(false);
  const auto style = DWORD(GetWindowLongPtrA(bar->Handle(), GWL_STYLE));
  EXPECT_EQ(style & (TBS_BOTH | TBS_NOTHUMB | TBS_AUTOTICKS), TBS_BOTH | TBS_NOTHUMB);
  EXPECT_EQ(Send(bar, TBM_GETTIC, 0), 12);
  EXPECT_EQ(Send(bar, TBM_GETLINESIZE), 3);
  EXPECT_EQ(Send(bar, TBM_GETPAGESIZE), 9);
  EXPECT_EQ(Send(bar, TBM_GETSELSTART), 1);
  EXPECT_EQ(Send(bar, TBM_GETSELEND), 4);
  EXPECT_EQ(Send(bar, TBM_GETTHUMBLENGTH), 24);
  EXPECT_EQ(RectOf(bar, TBM_GETTHUMBRECT).Height(), 24);

  bar->SetOrientation(trVertical);   // turned on its side
  EXPECT_EQ(bar->Width(), 45);
  EXPECT_EQ(bar->Height(), 150);
  EXPECT_NE(GetWindowLongPtrA(bar->Handle(), GWL_STYLE) & TBS_VERT, 0);
  EXPECT_EQ(Send(bar, TBM_GETPOS), 7);
  EXPECT_EQ(changes_, 2);
}

TEST_F(TrackBarTest, TheClassicLookHasASunkenChannelARaisedThumbTicksAndTheSelection) {
  TTrackBar* bar = NewBar();
  bar->SetSelStart(2);
  bar->SetSelEnd(6);
  driver_->Settle();
  const TRect channel = RectOf(bar, TBM_GETCHANNELRECT), thumb = RectOf(bar, TBM_GETTHUMBRECT);
  EXPECT_EQ(channel.Height(), 8);   // wide enough to show the selection
  auto pixel = [&](int x, int y) { return driver_->Pixel(bar, x, y); };
  const int middle = (channel.Top + channel.Bottom) / 2;
  const int thumbCentre = (thumb.Left + thumb.Right) / 2;
  EXPECT_EQ(pixel(channel.Right - 3, channel.Top), GetSysColor(COLOR_BTNSHADOW));        // sunken
  EXPECT_EQ(pixel(channel.Right - 3, channel.Bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(pixel(channel.Right - 4, middle), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(pixel((channel.Left + channel.Right) / 2, middle), GetSysColor(COLOR_HIGHLIGHT));   // selected
  EXPECT_EQ(pixel(thumb.Left, thumb.Top + 2), GetSysColor(COLOR_3DLIGHT));              // raised
  EXPECT_EQ(pixel(thumb.Right - 1, thumb.Top + 2), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(pixel(thumbCentre, thumb.Top + 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(pixel(thumbCentre, thumb.Bottom + 2), GetSysColor(COLOR_BTNTEXT));          // the tick at 0
  EXPECT_EQ(pixel(thumbCentre, thumb.Top - 3), GetSysColor(COLOR_BTNFACE));             // none above
}

}  // namespace
}  // namespace uitest
