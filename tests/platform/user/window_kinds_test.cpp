// Window regions, 8-bit and wide windows, the caret, cursors by hit zone, broadcasts.
#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/region.h"
#include "platform/user/caret.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/layered_window.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_data.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;
using Lines = std::vector<std::string>;
constexpr COLORREF kRed = 0x0000FF, kWhite = 0xFFFFFF;

class WindowKindsTest : public UserTest {};

TEST_F(WindowKindsTest, ChildWithEllipticRegionNeitherPaintsNorIsHitOutsideIt) {
  HWND form = CreateLogWindow("form", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr);
  HWND oval = CreateLogWindow("oval", WS_CHILD, 50, 50, 100, 60, form);
  SetWindowRgn(oval, CreateEllipticRgn(0, 0, 100, 60), FALSE);
  MessageLog::Instance().handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (h != oval || m != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(h, &ps);
    HBRUSH red = CreateSolidBrush(kRed);
    const TRect all = Rect(-50, -50, 200, 200);
    FillRect(ps.hdc, &all, red);
    DeleteObject(red);
    EndPaint(h, &ps);
    return true;
  };
  ShowWindow(oval, SW_SHOW);
  Pump();
  EXPECT_EQ(ClientPixel(form, 100, 80), kRed);    // the centre
  EXPECT_EQ(ClientPixel(form, 51, 51), kWhite);   // a corner of the rectangle, outside the ellipse
  EXPECT_EQ(ClientPixel(form, 148, 108), kWhite);
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT,
                                 WM_LBUTTONUP});
  Take();
  Click(form, 51, 51);
  Click(form, 100, 80);
  Pump();
  EXPECT_EQ(Take(), (Lines{"form WM_LBUTTONDOWN 51,51 keys=0x1", "oval WM_LBUTTONDOWN 50,30 keys=0x1"}));
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(oval, copy), 3);   // COMPLEXREGION
  EXPECT_TRUE(PtInRegion(copy, 50, 30));
  EXPECT_FALSE(PtInRegion(copy, 1, 1));
  DeleteObject(copy);
  EXPECT_EQ(GetWindowRgn(form, copy), 0);
}

// A wide procedure that records the text it receives as UTF-16.
std::u16string wideText, wideChars;
WNDPROC ansiProc = nullptr;
LRESULT WideProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) wideText = reinterpret_cast<const char16_t*>(lParam);
  if (message == WM_CHAR) wideChars.push_back(char16_t(wParam));
  return CallWindowProcW(ansiProc, hwnd, message, wParam, lParam);
}

TEST_F(WindowKindsTest, WideProcedureSubclassingAnAnsiWindowGetsUtf16AndTheTextReadsBackInCp874) {
  wideText.clear();
  wideChars.clear();
  HWND w = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr);
  EXPECT_FALSE(IsWindowUnicode(w));
  ansiProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WideProc)));
  EXPECT_NE(ansiProc, LogProc);   // a procedure handle, not the 8-bit procedure itself
  EXPECT_TRUE(IsWindowUnicode(w));
  const std::string thai("ภาษาไทย"_cp874);
  SetWindowTextA(w, thai.c_str());
  EXPECT_EQ(wideText, u"ภาษาไทย");
  char back[32];
  GetWindowTextA(w, back, sizeof back);
  EXPECT_EQ(std::string(back), thai);
  SetFocus(w);
  TypeText(u"กข");
  Pump();
  SendMessageA(w, WM_CHAR, static_cast<unsigned char>("ค"_cp874[0]), 1);
  EXPECT_EQ(wideChars, u"กขค");
  SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ansiProc));
  EXPECT_FALSE(IsWindowUnicode(w));
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LogProc));
}

TEST_F(WindowKindsTest, CaretBlinksOnTheTestClock) {
  HWND w = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr);
  Pump();
  CreateCaret(w, nullptr, 2, 10);
  SetCaretPos(5, 5);
  EXPECT_FALSE(CaretDrawn());
  ShowCaret(w);
  EXPECT_TRUE(CaretDrawn());
  EXPECT_NE(ClientPixel(w, 5, 5), kWhite);   // inverted
  struct Step {
    UInt64 advance;
    bool drawn;
  } steps[] = {{529, true}, {1, false}, {530, true}, {530, false}};
  for (const Step& s : steps) {
    clock_.Advance(s.advance);
    Pump();
    EXPECT_EQ(CaretDrawn(), s.drawn) << s.advance;
    EXPECT_EQ(ClientPixel(w, 6, 14) == kWhite, !s.drawn);
  }
  HideCaret(w);
  clock_.Advance(2000);
  Pump();
  EXPECT_FALSE(CaretDrawn());
  EXPECT_EQ(ClientPixel(w, 5, 5), kWhite);
  DestroyCaret();
}

TEST_F(WindowKindsTest, BroadcastsReachEveryTopLevelWindowWithoutOwner) {
  HWND a = CreateLogWindow("a", WS_POPUP, 0, 0, 10, 10, nullptr);
  CreateLogWindow("owned", WS_POPUP, 0, 0, 10, 10, a);
  CreateLogWindow("child", WS_CHILD, 0, 0, 10, 10, a);
  CreateLogWindow("b", WS_POPUP, 0, 0, 10, 10, nullptr);
  Take();
  for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE, WM_THEMECHANGED, WM_DISPLAYCHANGE})
    SendMessageA(HWND_BROADCAST, message, 0, 0);
  EXPECT_EQ(Take(), (Lines{"b WM_SYSCOLORCHANGE", "a WM_SYSCOLORCHANGE", "b WM_SETTINGCHANGE", "a WM_SETTINGCHANGE",
                           "b WM_THEMECHANGED", "a WM_THEMECHANGED", "b WM_DISPLAYCHANGE", "a WM_DISPLAYCHANGE"}));
}

TEST_F(WindowKindsTest, LayeredWindowsComposeWithColourKeyAndConstantAlpha) {
  HWND plain = CreateLogWindow("plain", WS_POPUP, 0, 0, 10, 10, nullptr);
  EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA));
  HWND w = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, WS_EX_LAYERED);
  ASSERT_TRUE(SetLayeredWindowAttributes(w, kRed, 102, LWA_ALPHA | LWA_COLORKEY));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(w, &key, &alpha, &flags));
  EXPECT_EQ(key, kRed);
  EXPECT_EQ(alpha, 102);
  EXPECT_EQ(flags, LWA_ALPHA | LWA_COLORKEY);
  struct Case {
    COLORREF pixel, behind, expected;
  } cases[] = {{kRed, 0x123456, 0x123456},                  // the key shows what is behind
               {0xFFFFFF, 0x000000, 0x666666},               // 255 * 102 / 255 = 102
               {0x000000, 0xFFFFFF, 0x999999},               // 255 * 153 / 255 = 153
               {0x0A141E, 0x0A141E, 0x0A141E}};
  for (const Case& c : cases) EXPECT_EQ(ComposePixel(w, c.pixel, c.behind), c.expected) << std::hex << c.pixel;
  EXPECT_EQ(ComposePixel(plain, 0x010203, 0xFFFFFF), 0x010203u);
}

TEST_F(WindowKindsTest, UpdateLayeredWindowCopiesTheSourceAndPlacesTheWindow) {
  HWND w = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, WS_EX_LAYERED);
  Pump();
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(20, 20, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH red = CreateSolidBrush(kRed);
  const TRect right = Rect(10, 0, 20, 20);
  FillRect(memory, &right, red);
  const TPoint at{300, 200}, from{5, 0};
  const TSize size{10, 10};
  const BLENDFUNCTION blend{0, 0, 128, 0};
  ASSERT_TRUE(UpdateLayeredWindow(w, nullptr, &at, &size, memory, &from, 0, &blend, ULW_ALPHA));
  TRect r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, Bounds(300, 200, 10, 10));
  EXPECT_EQ(WindowPixel(w, 4, 4), 0x000000u);   // source x 9: outside the red half
  EXPECT_EQ(WindowPixel(w, 5, 4), kRed);        // source x 10
  BYTE alpha = 0;
  GetLayeredWindowAttributes(w, nullptr, &alpha, nullptr);
  EXPECT_EQ(alpha, 128);
  SelectObject(memory, old);
  DeleteObject(red);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace
}  // namespace usertest
