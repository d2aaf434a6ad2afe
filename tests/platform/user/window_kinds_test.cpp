// Window regions, 8-bit and wide windows, the caret, cursors by hit zone, broadcasts.
#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/region.h"
#include "platform/user/backend/headless/headless_backend.h"
#include "platform/user/caret.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "user_test_fixture.h"

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

}  // namespace
}  // namespace usertest
