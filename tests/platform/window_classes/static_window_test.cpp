// The STATIC window class: its text left-aligned in the colours and on the brush the parent
// answers to WM_CTLCOLORSTATIC, or on the default procedure's face colour.
#include "platform/window_classes/static_window.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "window_class_fixture.h"

namespace wctest {
namespace {

constexpr COLORREF kBackground = 0x0000FF;  // red, as COLORREF
constexpr COLORREF kText = 0xFF0000;        // blue

HBRUSH& ParentBrush() {
  static HBRUSH brush = nullptr;
  return brush;
}

LRESULT ColouringParentProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CTLCOLORSTATIC) return DefWindowProcA(w, message, wParam, lParam);
  SetTextColor(reinterpret_cast<HDC>(wParam), kText);
  return LRESULT(ParentBrush());
}

class StaticWindowTest : public WindowClassTest {
 protected:
  StaticWindowTest() { ParentBrush() = CreateSolidBrush(kBackground); }
  ~StaticWindowTest() override { DeleteObject(ParentBrush()); }

  HWND Make(HWND parent, const char* text) {
    RegisterStaticClass();
    HWND w = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, parent, nullptr, nullptr, nullptr);
    UpdateWindow(w);
    return w;
  }
  // The leftmost column holding a pixel of the colour, or -1.
  static int FirstColumnOf(HWND w, COLORREF colour) {
    HDC dc = GetDC(w);
    int found = -1;
    for (int x = 0; x < 60 && found < 0; ++x)
      for (int y = 0; y < 20; ++y)
        if (GetPixel(dc, x, y) == colour) {
          found = x;
          break;
        }
    ReleaseDC(w, dc);
    return found;
  }
  static COLORREF PixelOf(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return pixel;
  }
};

TEST_F(StaticWindowTest, TextIsLeftAlignedOnTheParentsStaticColours) {
  user::EnsureClassRegistered(user::ClassRecord("ColouringParent", &ColouringParentProc));
  HWND parent = CreateWindowExA(0, "ColouringParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  HWND w = Make(parent, "Ab");
  EXPECT_EQ(PixelOf(w, 59, 19), kBackground);
  const int textStart = FirstColumnOf(w, kText);
  EXPECT_GE(textStart, 0);
  EXPECT_LT(textStart, 4);

  SendMessageA(w, WM_SETTEXT, 0, LPARAM(""));
  UpdateWindow(w);
  EXPECT_EQ(FirstColumnOf(w, kText), -1);
  EXPECT_EQ(PixelOf(w, 1, 1), kBackground);
}

TEST_F(StaticWindowTest, WithoutAParentsAnswerTheFaceColourShows) {
  HWND w = Make(NewParent(100, 100), "Ab");
  EXPECT_EQ(PixelOf(w, 59, 19), GetSysColor(COLOR_3DFACE));
  EXPECT_GE(FirstColumnOf(w, GetSysColor(COLOR_WINDOWTEXT)), 0);
}

}  // namespace
}  // namespace wctest
