// The non-client area: hit-test codes for each border style, moving by the caption, sizing by the
// frame, and the standard scroll bars.
#include <gtest/gtest.h>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/focus.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;

class NonClientTest : public UserTest {
 protected:
  // WM_NCHITTEST at a point of the window given in window coordinates.
  static int HitAt(HWND hwnd, int x, int y) {
    TRect r;
    GetWindowRect(hwnd, &r);
    return int(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.Left + x, r.Top + y)));
  }
};

TEST_F(NonClientTest, HitTestCodesForEachBorderStyle) {
  struct Case {
    const char* style;
    DWORD ws;
    DWORD ex;
    int x, y, hit;
  } cases[] = {
      // Sizeable (frame 4, caption 19, buttons 16 wide at 2 from the right, max/min beside close).
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 0, 0, HTTOPLEFT},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 100, 0, HTTOP},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 0, 100, HTLEFT},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 199, 100, HTRIGHT},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 100, 149, HTBOTTOM},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 199, 149, HTBOTTOMRIGHT},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 199, 20, HTTOPRIGHT},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 100, 10, HTCAPTION},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 190, 10, HTCLOSE},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 172, 10, HTMAXBUTTON},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 156, 10, HTMINBUTTON},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 8, 10, HTSYSMENU},
      {"sizeable", WS_OVERLAPPEDWINDOW, 0, 4, 23, HTCLIENT},
      // Dialog frame: 3 pixels of border that do not size.
      {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 0, 0, HTBORDER},
      {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 100, 3, HTCAPTION},
      {"dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, 3, 22, HTCLIENT},
      // Single line border.
      {"single", WS_POPUP | WS_BORDER, 0, 0, 0, HTBORDER},
      {"single", WS_POPUP | WS_BORDER, 0, 1, 1, HTCLIENT},
      // Tool window: small caption (16), only a close button.
      {"tool", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, 190, 8, HTCLOSE},
      {"tool", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, 170, 8, HTCAPTION},
      {"tool", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, 100, 19, HTCLIENT},
      // None.
      {"none", WS_POPUP, 0, 0, 0, HTCLIENT},
      // Scroll bars and the client edge.
      {"scroll", WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 1, 1, HTBORDER},
      {"scroll", WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 190, 50, HTVSCROLL},
      {"scroll", WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 50, 140, HTHSCROLL},
      {"scroll", WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 190, 140, HTBORDER},
      {"scroll", WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 2, 2, HTCLIENT},
  };
  for (const Case& c : cases) {
    HWND w = CreateLogWindow(c.style, c.ws, 10, 10, 200, 150, nullptr, c.ex);
    EXPECT_EQ(HitAt(w, c.x, c.y), c.hit) << c.style << " at " << c.x << "," << c.y;
    DestroyWindow(w);
  }
}

TEST_F(NonClientTest, ClientRectangleLeftByEachBorderStyle) {
  struct Case {
    DWORD ws, ex;
    TRect client;   // window coordinates of a 200 x 150 window
  } cases[] = {{WS_OVERLAPPEDWINDOW, 0, {4, 23, 196, 146}},
               {WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, {3, 22, 197, 147}},
               {WS_POPUP | WS_BORDER, 0, {1, 1, 199, 149}},
               {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {3, 19, 197, 147}},
               {WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 198, 148}},
               {WS_POPUP | WS_VSCROLL, WS_EX_STATICEDGE, {1, 1, 183, 149}}};
  for (const Case& c : cases) {
    TRect r = Rect(0, 0, 200, 150);
    HWND w = CreateLogWindow("w", c.ws, 0, 0, 200, 150, nullptr, c.ex);
    TRect client;
    GetClientRect(w, &client);
    TPoint origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(Bounds(origin.X, origin.Y, client.Width(), client.Height()), c.client) << std::hex << c.ws;
    AdjustWindowRectEx(&client, c.ws & ~WS_VSCROLL, FALSE, c.ex);
    if (!(c.ws & WS_VSCROLL)) {
      EXPECT_EQ(client.Width(), r.Width());
    }
    DestroyWindow(w);
  }
}

TEST_F(NonClientTest, DraggingTheCaptionMovesAndTheFrameSizes) {
  HWND w = CreateLogWindow("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr);
  Pump();
  Take();
  // Press on the caption, move by (40, 25), release: all input queued first, the loop drains it.
  InjectMouseMove(250, 110);
  InjectMouseButton(MouseButton::Left, true);
  InjectMouseMove(270, 120);
  InjectMouseMove(290, 135);
  InjectMouseButton(MouseButton::Left, false);
  Pump();
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(140, 125, 300, 200));
  const std::vector<std::string> lines = Take();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "w WM_ENTERSIZEMOVE"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "w WM_EXITSIZEMOVE"), lines.end());
  // The bottom-right corner sizes.
  InjectMouseMove(439, 324);
  InjectMouseButton(MouseButton::Left, true);
  InjectMouseMove(469, 344);
  InjectMouseButton(MouseButton::Left, false);
  Pump();
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(140, 125, 330, 220));
  TRect client;
  GetClientRect(w, &client);
  EXPECT_EQ(client, Rect(0, 0, 322, 193));
}

class ScrollBarTest : public NonClientTest {
 protected:
  ScrollBarTest() {
    // 100 x 116 client plus a 16-pixel bar: arrows 0..15 and 100..115 along the bar.
    hwnd_ = CreateLogWindow("s", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, 0, 116, 116, nullptr);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND,
                                   WM_NCPAINT, WM_NCLBUTTONDOWN, WM_NCMOUSEMOVE, WM_SYSCOMMAND, WM_CAPTURECHANGED,
                                   WM_LBUTTONUP, WM_NCCALCSIZE, WM_TIMER, WM_WINDOWPOSCHANGING,
                                   WM_WINDOWPOSCHANGED});
    Pump();
    Take();
  }
  HWND hwnd_ = nullptr;
  int repeats_ = 0;
};

TEST_F(ScrollBarTest, PositionsClampToMaxMinusPagePlusOne) {
  struct Case {
    int set, expected;
  } cases[] = {{-5, 0}, {50, 50}, {90, 90}, {91, 90}, {1000, 90}};
  for (const Case& c : cases) EXPECT_EQ(SetScrollPos(hwnd_, SB_VERT, c.set, FALSE) >= 0 ? GetScrollPos(hwnd_, SB_VERT) : -1, c.expected) << c.set;
}

TEST_F(ScrollBarTest, ClicksOnArrowsAndTrackSendCodesWithoutMovingTheBar) {
  struct Case {
    int y;
    const char* code;
  } cases[] = {{5, "s WM_VSCROLL code=0 pos=0"}, {110, "s WM_VSCROLL code=1 pos=0"},
               {90, "s WM_VSCROLL code=3 pos=0"}};
  for (const Case& c : cases) {
    InjectMouseMove(108, c.y);
    InjectMouseButton(MouseButton::Left, true);
    InjectMouseButton(MouseButton::Left, false);
    Pump();
    EXPECT_EQ(Take(), (std::vector<std::string>{c.code, "s WM_VSCROLL code=8 pos=0"})) << c.y;
  }
  EXPECT_EQ(GetScrollPos(hwnd_, SB_VERT), 0);
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsOnTheClock) {
  InjectMouseMove(108, 5);
  InjectMouseButton(MouseButton::Left, true);
  // One WM_VSCROLL at the press, repeats after 200 ms and then every 50 ms; released after the
  // third, which the loop reached by advancing the clock 250 ms.
  MessageLog::Instance().handler = [this](HWND, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m == WM_VSCROLL && ++repeats_ == 3) InjectMouseButton(MouseButton::Left, false);
    return false;
  };
  const UInt64 before = GetTickCount64();
  Pump();
  MSG m;
  while (repeats_ < 4 && GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  EXPECT_EQ(GetTickCount64() - before, 250u);
  EXPECT_EQ(Take(), (std::vector<std::string>{"s WM_VSCROLL code=0 pos=0", "s WM_VSCROLL code=0 pos=0",
                                              "s WM_VSCROLL code=0 pos=0", "s WM_VSCROLL code=8 pos=0"}));
}


TEST_F(ScrollBarTest, DraggingTheThumbTracksAndTheThumbStaysWithoutSetScrollInfo) {
  // Track 16..100 (84 pixels), thumb 84 * 10 / 100 = 8 pixels at the top; 76 pixels for 90 positions.
  InjectMouseMove(108, 18);
  InjectMouseButton(MouseButton::Left, true);
  InjectMouseMove(108, 56);   // thumb start 16 + 38: position 38 * 90 / 76 = 45
  InjectMouseButton(MouseButton::Left, false);
  Pump();
  EXPECT_EQ(Take(), (std::vector<std::string>{"s WM_VSCROLL code=5 pos=45", "s WM_VSCROLL code=4 pos=45",
                                              "s WM_VSCROLL code=8 pos=0"}));
  EXPECT_EQ(GetScrollPos(hwnd_, SB_VERT), 0);
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(hwnd_, SB_VERT, &si);
  EXPECT_EQ(si.nTrackPos, 0);
}


TEST_F(ScrollBarTest, GetScrollBarInfoAnswersTheBarsPlaceThumbAndState) {
  SetWindowPos(hwnd_, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetScrollPos(hwnd_, SB_VERT, 45, FALSE);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(SCROLLBARINFO);
  ASSERT_TRUE(GetScrollBarInfo(hwnd_, OBJID_VSCROLL, &info));
  EXPECT_EQ(info.rcScrollBar, Rect(120, 30, 136, 146)) << "screen coordinates";
  EXPECT_EQ(info.dxyLineButton, 16);
  // Track 16..100, thumb 8 long at 16 + 76 * 45 / 90.
  EXPECT_EQ(info.xyThumbTop, 54);
  EXPECT_EQ(info.xyThumbBottom, 62);
  EXPECT_EQ(info.rgstate[0], 0u);

  struct Case {
    const char* what;
    LONG object;
    void (*change)(HWND);
    DWORD state;
  } cases[] = {
      {"the horizontal bar is not shown", OBJID_HSCROLL, [](HWND) {}, STATE_SYSTEM_INVISIBLE},
      {"the bar disabled", OBJID_VSCROLL, [](HWND h) { EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH); },
       STATE_SYSTEM_UNAVAILABLE},
      {"the window disabled", OBJID_VSCROLL, [](HWND h) { EnableWindow(h, FALSE); }, STATE_SYSTEM_UNAVAILABLE},
      {"the window hidden", OBJID_VSCROLL, [](HWND h) { ShowWindow(h, SW_HIDE); }, STATE_SYSTEM_OFFSCREEN},
      {"hidden and disabled", OBJID_VSCROLL,
       [](HWND h) {
         ShowWindow(h, SW_HIDE);
         EnableWindow(h, FALSE);
       },
       STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_UNAVAILABLE},
  };
  for (const Case& c : cases) {
    HWND h = CreateLogWindow("c", WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, 0, 116, 116, nullptr);
    c.change(h);
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(SCROLLBARINFO);
    ASSERT_TRUE(GetScrollBarInfo(h, c.object, &info)) << c.what;
    EXPECT_EQ(info.rgstate[0], c.state) << c.what;
    if (c.state & STATE_SYSTEM_INVISIBLE) {
      EXPECT_TRUE(IsRectEmpty(&info.rcScrollBar)) << c.what;
    }
    DestroyWindow(h);
  }
}

TEST_F(ScrollBarTest, GetScrollBarInfoRefusesAWrongSizeOrObject) {
  struct Case {
    DWORD size;
    LONG object;
  } cases[] = {{56, OBJID_VSCROLL}, {64, OBJID_HSCROLL}, {60, -4}};
  for (const Case& c : cases) {
    SCROLLBARINFO info{};
    info.cbSize = c.size;
    SetLastError(0);
    EXPECT_FALSE(GetScrollBarInfo(hwnd_, c.object, &info)) << c.size << " " << c.object;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
}

}  // namespace
}  // namespace usertest
