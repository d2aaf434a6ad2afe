// The track-bar window class alone: its range, position, ticks and selection kept in order by the
// TBM_ messages, and the thumb length and tick styles.
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/track_bar_window.h"
#include "window_class_fixture.h"

namespace wctest {
namespace {

class TrackBarWindowTest : public WindowClassTest {};

TEST_F(TrackBarWindowTest, TheWindowKeepsItsRangeTicksAndSelectionInOrder) {
  HWND parent = NewParent(200, 100);
  RegisterTrackBarClass();
  HWND w = CreateWindowExA(0, TRACKBAR_CLASS, "", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 0, 0, 150, 45, parent, nullptr,
                           nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  auto send = [w](UINT message, WPARAM wParam, LPARAM lParam) { return SendMessageA(w, message, wParam, lParam); };
  EXPECT_EQ(send(TBM_GETRANGEMAX, 0, 0), 100);
  EXPECT_EQ(send(TBM_GETPAGESIZE, 0, 0), 20);
  EXPECT_EQ(send(TBM_SETPAGESIZE, 0, 7), 20);   // answers the old size
  EXPECT_EQ(send(TBM_GETLINESIZE, 0, 0), 1);

  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int min, max, pos;
  } steps[] = {
      {TBM_SETRANGE, TRUE, MAKELONG(50, 10), 10, 50, 10},  // given upside down: put in order
      {TBM_SETPOS, TRUE, 99, 10, 50, 50},                  // past the end: held there
      {TBM_SETPOS, TRUE, -5, 10, 50, 10},
      {TBM_SETPOS, TRUE, 30, 10, 50, 30},
      {TBM_SETRANGEMIN, TRUE, 70, 70, 70, 70},             // above the maximum: carries it up
      {TBM_SETRANGEMAX, TRUE, -3, -3, -3, -3},             // below the minimum: carries it down
      {TBM_SETRANGE, TRUE, MAKELONG(WORD(-8), 12), -8, 12, -3},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.message);
    send(step.message, step.wParam, step.lParam);
    EXPECT_EQ(send(TBM_GETRANGEMIN, 0, 0), step.min);
    EXPECT_EQ(send(TBM_GETRANGEMAX, 0, 0), step.max);
    EXPECT_EQ(send(TBM_GETPOS, 0, 0), step.pos);
  }

  send(TBM_SETTICFREQ, 5, 0);   // -3, 2, 7 between -8 and 12
  EXPECT_EQ(send(TBM_GETNUMTICS, 0, 0), 5);
  EXPECT_TRUE(send(TBM_SETTIC, 0, 0));
  EXPECT_TRUE(send(TBM_SETTIC, 0, 2));            // already there: once
  EXPECT_FALSE(send(TBM_SETTIC, 0, 13));          // outside the range
  EXPECT_EQ(send(TBM_GETNUMTICS, 0, 0), 6);
  EXPECT_EQ(send(TBM_GETTIC, 1, 0), 0);
  EXPECT_EQ(send(TBM_GETTIC, 3, 0), 7);
  EXPECT_EQ(send(TBM_GETTIC, 4, 0), -1);
  send(TBM_CLEARTICS, TRUE, 0);
  EXPECT_EQ(send(TBM_GETNUMTICS, 0, 0), 5);       // the automatic ones stay

  send(TBM_SETSEL, TRUE, MAKELONG(WORD(-20), 4));   // kept within the range
  EXPECT_EQ(send(TBM_GETSELSTART, 0, 0), -8);
  EXPECT_EQ(send(TBM_GETSELEND, 0, 0), 4);
  send(TBM_SETSELEND, TRUE, 40);
  EXPECT_EQ(send(TBM_GETSELEND, 0, 0), 12);
  send(TBM_CLEARSEL, TRUE, 0);
  EXPECT_EQ(send(TBM_GETSELSTART, 0, 0), send(TBM_GETSELEND, 0, 0));

  send(TBM_SETTHUMBLENGTH, 30, 0);                 // ignored without TBS_FIXEDLENGTH
  EXPECT_EQ(send(TBM_GETTHUMBLENGTH, 0, 0), 20);
  SetWindowLongPtrA(w, GWL_STYLE, GetWindowLongPtrA(w, GWL_STYLE) | TBS_NOTICKS);
  EXPECT_EQ(send(TBM_GETNUMTICS, 0, 0), 0);
  DestroyWindow(w);
}

}  // namespace
}  // namespace wctest
