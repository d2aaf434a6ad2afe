// Painting of the non-client area: the caption bar, its text and buttons, and the scroll-bar
// arrows, probed pixel by pixel on the headless surface.
#include <gtest/gtest.h>

#include <functional>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/os/thread.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;

FrameLayout Layout(HWND h) {
  const Window* w = W(h);
  return LayoutFrame(w->style, w->exStyle, w->rect.Width(), w->rect.Height());
}

// True when the window shows, at `r`, exactly what DrawFrameControl draws for (type, state).
bool ShowsFrameControl(HWND h, const TRect& r, UINT type, UINT state) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(r.Width(), r.Height(), 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  TRect local = Rect(0, 0, r.Width(), r.Height());
  DrawFrameControl(dc, &local, type, state);
  int differing = 0;
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) differing += GetPixel(dc, x, y) != WindowPixel(h, r.Left + x, r.Top + y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return differing == 0;
}

class NonClientPaintTest : public UserTest {
 protected:
  NonClientPaintTest() {
    ResetSystemParameters();
    gdi::ResetSysColors();
  }
  ~NonClientPaintTest() override { ResetSystemParameters(); }

  static void SetGradient(bool on) {
    SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0, reinterpret_cast<void*>(std::uintptr_t(on)), 0);
  }

  static HWND Show(const char* title, DWORD style, DWORD ex = 0, const char* cls = nullptr) {
    HWND h = CreateWindowExA(ex, cls ? cls : RegisterLogClass(), title, style | WS_VISIBLE, 10, 10, 220, 120,
                             nullptr, nullptr, nullptr, nullptr);
    Pump();
    return h;
  }

  // Pixels of `r` (window coordinates) that satisfy `test`.
  static int Count(HWND h, const TRect& r, const std::function<bool(COLORREF)>& test) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += test(WindowPixel(h, x, y));
    return n;
  }

  static int CountColour(HWND h, const TRect& r, COLORREF c) {
    return Count(h, r, [c](COLORREF p) { return p == c; });
  }

  // The caption bar before its leftmost button (their white highlight is the caption text's colour).
  static TRect BeforeButtons(const FrameLayout& f) {
    const TRect& first = IsRectEmpty(&f.minButton) ? f.closeButton : f.minButton;
    return Rect(f.caption.Left, f.caption.Top, first.Left, f.caption.Bottom);
  }

  // The rightmost column of `r` holding colour `c`, or -1.
  static int RightmostOf(HWND h, const TRect& r, COLORREF c) {
    for (int x = r.Right - 1; x >= r.Left; --x)
      if (CountColour(h, Rect(x, r.Top, x + 1, r.Bottom), c)) return x;
    return -1;
  }

};

TEST_F(NonClientPaintTest, CaptionBarAndTextInTheActiveAndInactiveColours) {
  SetGradient(false);
  HWND back = Show("MMMM", WS_OVERLAPPEDWINDOW);
  HWND front = Show("MMMM", WS_OVERLAPPEDWINDOW);
  ASSERT_EQ(GetActiveWindow(), front);
  struct Case {
    HWND hwnd;
    COLORREF bar, text, otherText;
  } cases[] = {{front, GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT),
                GetSysColor(COLOR_INACTIVECAPTIONTEXT)},
               {back, GetSysColor(COLOR_INACTIVECAPTION), GetSysColor(COLOR_INACTIVECAPTIONTEXT),
                GetSysColor(COLOR_CAPTIONTEXT)}};
  for (const Case& c : cases) {
    const FrameLayout f = Layout(c.hwnd);
    const TRect text = Rect(f.sysMenu.Right, f.caption.Top, f.minButton.Left, f.caption.Bottom);
    EXPECT_GT(CountColour(c.hwnd, text, c.text), 20) << "text drawn in its colour";
    EXPECT_EQ(CountColour(c.hwnd, text, c.otherText), 0);
    // Right of the text only the bar colour; the line under the bar is the face colour.
    const TRect empty = Rect(text.Left + 80, text.Top, text.Right, text.Bottom);
    EXPECT_EQ(Count(c.hwnd, empty, [&](COLORREF p) { return p != c.bar; }), 0);
    EXPECT_EQ(WindowPixel(c.hwnd, 100, f.caption.Bottom), GetSysColor(COLOR_3DFACE));
  }
  // Activating the other window swaps the colours.
  SetActiveWindow(back);
  Pump();
  EXPECT_EQ(WindowPixel(back, 150, 10), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(WindowPixel(front, 150, 10), GetSysColor(COLOR_INACTIVECAPTION));
}

// Answers WM_NCACTIVATE(FALSE) itself, as a hook that swallows it would.
LRESULT KeepsCaptionActive(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_NCACTIVATE && w == FALSE) return TRUE;
  return DefWindowProcA(h, m, w, l);
}

TEST_F(NonClientPaintTest, CaptionIsDrawnAsTheLastWmNcActivateAskedNotAsTheActivationStands) {
  SetGradient(false);
  const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION), inactive = GetSysColor(COLOR_INACTIVECAPTION);
  HWND back = Show("", WS_OVERLAPPEDWINDOW);
  HWND front = Show("", WS_OVERLAPPEDWINDOW);
  ASSERT_EQ(GetActiveWindow(), front);
  // Told active while another window holds the activation, and inactive while holding it.
  SendMessageA(back, WM_NCACTIVATE, TRUE, 0);
  SendMessageA(front, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(WindowPixel(back, 150, 10), active);
  EXPECT_EQ(WindowPixel(front, 150, 10), inactive);
  // A window whose WM_NCACTIVATE(FALSE) never reaches DefWindowProc stays drawn active.
  SendMessageA(front, WM_NCACTIVATE, TRUE, 0);
  SetWindowLongPtrA(front, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeepsCaptionActive));
  SetActiveWindow(back);
  Pump();
  ASSERT_EQ(GetActiveWindow(), back);
  EXPECT_EQ(WindowPixel(front, 150, 10), active);
  EXPECT_EQ(WindowPixel(back, 150, 10), active);
}

TEST_F(NonClientPaintTest, GradientCaptionRunsFromTheCaptionColourToTheGradientColour) {
  SetGradient(true);
  HWND h = Show("", WS_POPUP | WS_CAPTION);
  const FrameLayout f = Layout(h);
  const COLORREF from = GetSysColor(COLOR_ACTIVECAPTION), to = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
  EXPECT_EQ(WindowPixel(h, f.caption.Left, f.caption.Top + 5), from);
  const COLORREF last = WindowPixel(h, f.caption.Right - 1, f.caption.Top + 5);
  for (auto channel : {GetRValue, GetGValue, GetBValue})
    EXPECT_NEAR(channel(last), channel(to), 2) << std::hex << last;
  const COLORREF middle = WindowPixel(h, f.caption.Left + f.caption.Width() / 2, f.caption.Top + 5);
  EXPECT_NEAR(GetBValue(middle), (GetBValue(from) + GetBValue(to)) / 2, 3) << std::hex << middle;
}

TEST_F(NonClientPaintTest, CaptionTextUsesTheCaptionFontsAndStopsBeforeTheButtons) {
  SetGradient(false);
  const COLORREF text = GetSysColor(COLOR_CAPTIONTEXT);
  // The caption font is bold, the tool window's small caption font is not: the same title is wider.
  HWND normal = Show("MMMMMM", WS_POPUP | WS_CAPTION | WS_SYSMENU);
  HWND tool = Show("MMMMMM", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW);
  SetActiveWindow(normal);
  Pump();
  const int boldRight = RightmostOf(normal, BeforeButtons(Layout(normal)), text);
  SetActiveWindow(tool);
  Pump();
  const int plainRight = RightmostOf(tool, BeforeButtons(Layout(tool)), text);
  ASSERT_GT(plainRight, 0);
  EXPECT_GT(boldRight, plainRight + 3);
  // A title longer than the bar is clipped two pixels before the leftmost button.
  HWND longTitle = Show("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", WS_OVERLAPPEDWINDOW);
  const FrameLayout f = Layout(longTitle);
  EXPECT_EQ(RightmostOf(longTitle, BeforeButtons(f), text),
            f.minButton.Left - 3);
}

TEST_F(NonClientPaintTest, CaptionButtonsAreFrameControlsInTheirState) {
  WNDCLASSEXA noClose{};
  noClose.cbSize = sizeof noClose;
  noClose.style = CS_NOCLOSE;
  noClose.lpfnWndProc = LogProc;
  noClose.lpszClassName = "NoCloseWindow";
  RegisterClassExA(&noClose);
  struct Case {
    const char* name;
    DWORD style;
    const char* cls;
    UINT close, max, min;   // DrawFrameControl states of the three buttons
  } cases[] = {
      {"overlapped", WS_OVERLAPPEDWINDOW, nullptr, DFCS_CAPTIONCLOSE, DFCS_CAPTIONMAX, DFCS_CAPTIONMIN},
      {"maximised", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, nullptr, DFCS_CAPTIONCLOSE, DFCS_CAPTIONRESTORE,
       DFCS_CAPTIONMIN},
      {"no max box", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, nullptr, DFCS_CAPTIONCLOSE,
       DFCS_CAPTIONMAX | DFCS_INACTIVE, DFCS_CAPTIONMIN},
      {"CS_NOCLOSE", WS_OVERLAPPEDWINDOW, "NoCloseWindow", DFCS_CAPTIONCLOSE | DFCS_INACTIVE, DFCS_CAPTIONMAX,
       DFCS_CAPTIONMIN},
  };
  for (const Case& c : cases) {
    HWND h = Show("t", c.style, 0, c.cls);
    const FrameLayout f = Layout(h);
    EXPECT_TRUE(ShowsFrameControl(h, f.closeButton, DFC_CAPTION, c.close)) << c.name;
    EXPECT_TRUE(ShowsFrameControl(h, f.maxButton, DFC_CAPTION, c.max)) << c.name;
    EXPECT_TRUE(ShowsFrameControl(h, f.minButton, DFC_CAPTION, c.min)) << c.name;
    DestroyWindow(h);
  }
  UnregisterClassA("NoCloseWindow", nullptr);
}

// Whether the close button looked pushed when the button-up message was taken from the queue.
bool g_pushedAtRelease = false;
HWND g_tracked = nullptr;

LRESULT NotePushedAtRelease(int code, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<const MSG*>(lParam)->message == WM_LBUTTONUP)
    g_pushedAtRelease =
        ShowsFrameControl(g_tracked, Layout(g_tracked).closeButton, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(NonClientPaintTest, CloseButtonLooksPushedWhileTheMouseHoldsItOverIt) {
  struct Case {
    const char* name;
    int releaseDx;   // from the button's centre
    bool pushedAtRelease;
    bool closes;
  } cases[] = {{"released over it", 0, true, true}, {"dragged off", -60, false, false}};
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, NotePushedAtRelease, nullptr, GetCurrentThreadId());
  for (const Case& c : cases) {
    g_tracked = Show("t", WS_OVERLAPPEDWINDOW);
    int closes = 0;
    MessageLog::Instance().handler = [&](HWND, UINT m, WPARAM wp, LPARAM, LRESULT&) {
      closes += m == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE;
      return m == WM_SYSCOMMAND;
    };
    TRect window;
    GetWindowRect(g_tracked, &window);
    const TRect button = Layout(g_tracked).closeButton;
    const int x = window.Left + (button.Left + button.Right) / 2, y = window.Top + (button.Top + button.Bottom) / 2;
    InjectMouseMove(x, y);
    InjectMouseButton(MouseButton::Left, true);
    InjectMouseMove(x + c.releaseDx, y);
    InjectMouseButton(MouseButton::Left, false);
    Pump();
    EXPECT_EQ(g_pushedAtRelease, c.pushedAtRelease) << c.name;
    EXPECT_EQ(closes, int(c.closes)) << c.name;
    EXPECT_TRUE(ShowsFrameControl(g_tracked, button, DFC_CAPTION, DFCS_CAPTIONCLOSE)) << c.name;
    MessageLog::Instance().handler = nullptr;
    DestroyWindow(g_tracked);
  }
  UnhookWindowsHookEx(hook);
}

TEST_F(NonClientPaintTest, ScrollArrowsAreFrameControlsAndShowDisabledArrows) {
  HWND h = Show("", WS_POPUP | WS_VSCROLL | WS_HSCROLL);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 100, 10, 0, 0};
  SetScrollInfo(h, SB_VERT, &si, TRUE);
  SetScrollInfo(h, SB_HORZ, &si, TRUE);
  EnableScrollBar(h, SB_VERT, ESB_DISABLE_LTUP);
  EnableScrollBar(h, SB_HORZ, ESB_DISABLE_RTDN);
  Pump();
  const FrameLayout f = Layout(h);
  const int a = GetSystemMetrics(SM_CYVSCROLL);
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  struct Case {
    TRect r;
    UINT state;
  } cases[] = {
      {Rect(f.vScroll.Left, f.vScroll.Top, f.vScroll.Right, f.vScroll.Top + a), DFCS_SCROLLUP | DFCS_INACTIVE},
      {Rect(f.vScroll.Left, f.vScroll.Bottom - a, f.vScroll.Right, f.vScroll.Bottom), DFCS_SCROLLDOWN},
      {Rect(f.hScroll.Left, f.hScroll.Top, f.hScroll.Left + b, f.hScroll.Bottom), DFCS_SCROLLLEFT},
      {Rect(f.hScroll.Right - b, f.hScroll.Top, f.hScroll.Right, f.hScroll.Bottom), DFCS_SCROLLRIGHT | DFCS_INACTIVE},
  };
  for (const Case& c : cases) EXPECT_TRUE(ShowsFrameControl(h, c.r, DFC_SCROLL, c.state)) << std::hex << c.state;
}

}  // namespace
}  // namespace usertest
