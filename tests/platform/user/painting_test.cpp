// Update regions, WM_PAINT coalescing, BeginPaint's rectangle and clip, WM_SETREDRAW, WM_PRINT.
#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/region.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_extent.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;
constexpr COLORREF kRed = 0x0000FF, kWhite = 0xFFFFFF;

// Paints red far past the window's edges through its own DC: what lands shows the DC's clipping.
void FillThroughOwnDc(HWND Window) {
  HDC dc = GetDC(Window);
  HBRUSH red = CreateSolidBrush(kRed);
  const TRect all = Rect(-100, -100, 200, 200);
  FillRect(dc, &all, red);
  DeleteObject(red);
  ReleaseDC(Window, dc);
}

class PaintingTest : public UserTest {
 protected:
  PaintingTest() {
    MessageLog::Instance().Ignore({WM_GETTEXT, WM_NCHITTEST, WM_SETCURSOR, WM_NCCALCSIZE, WM_GETMINMAXINFO});
    hwnd_ = CreateLogWindow("w", WS_POPUP | WS_VISIBLE, 50, 50, 100, 80, nullptr);
    Pump();
    Take();
    // Every WM_PAINT fills all it may touch with red and notes the paint rectangle.
    MessageLog::Instance().handler = [this](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
      if (m != WM_PAINT || !paintRed_) return false;
      PAINTSTRUCT ps;
      BeginPaint(h, &ps);
      rcPaint_.push_back(ps.rcPaint);
      HBRUSH red = CreateSolidBrush(kRed);
      const TRect all = Rect(-1000, -1000, 1000, 1000);
      FillRect(ps.hdc, &all, red);
      DeleteObject(red);
      EndPaint(h, &ps);
      return true;
    };
  }

  int CountPaints() {
    int paints = 0;
    for (const std::string& line : Take()) paints += line == "w WM_PAINT";
    return paints;
  }

  HWND hwnd_ = nullptr;
  bool paintRed_ = true;
  std::vector<TRect> rcPaint_;
};

TEST_F(PaintingTest, ShowingPaintsOnceWithEraseAndTheClassBrush) {
  paintRed_ = false;
  HWND other = CreateLogWindow("o", WS_POPUP, 0, 0, 30, 20, nullptr);
  ShowWindow(other, SW_SHOWNA);
  Take();
  Pump();
  EXPECT_EQ(Take(), (std::vector<std::string>{"o WM_PAINT", "o WM_NCPAINT", "o WM_ERASEBKGND"}));
  EXPECT_EQ(ClientPixel(other, 29, 19), GetSysColor(COLOR_WINDOW));
}

TEST_F(PaintingTest, TwoInvalidationsGiveOnePaintOfTheirBoundingBoxClippedToTheirUnion) {
  paintRed_ = false;
  Pump();
  paintRed_ = true;
  const TRect a = Rect(10, 10, 20, 20), b = Rect(40, 30, 50, 45);
  InvalidateRect(hwnd_, &a, FALSE);
  InvalidateRect(hwnd_, &b, FALSE);
  Pump();
  EXPECT_EQ(CountPaints(), 1);
  ASSERT_EQ(rcPaint_.size(), 1u);
  EXPECT_EQ(rcPaint_[0], Rect(10, 10, 50, 45));
  struct Probe {
    int x, y;
    COLORREF expected;
  } probes[] = {{10, 10, kRed}, {19, 19, kRed}, {40, 30, kRed}, {49, 44, kRed},
                {20, 20, kWhite}, {30, 25, kWhite}, {9, 10, kWhite}, {50, 44, kWhite}, {45, 20, kWhite}};
  for (const Probe& p : probes) EXPECT_EQ(ClientPixel(hwnd_, p.x, p.y), p.expected) << p.x << "," << p.y;
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(PaintingTest, SetRedrawOffSuppressesPaintingUntilTurnedBackOn) {
  Pump();
  Take();
  SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  Pump();
  EXPECT_EQ(CountPaints(), 0);
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  InvalidateRect(hwnd_, nullptr, TRUE);
  Pump();
  EXPECT_EQ(CountPaints(), 1);
}

TEST_F(PaintingTest, ValidateAndUpdateWindow) {
  Pump();
  Take();
  const TRect a = Rect(0, 0, 30, 30);
  InvalidateRect(hwnd_, &a, FALSE);
  ValidateRect(hwnd_, nullptr);
  Pump();
  EXPECT_EQ(CountPaints(), 0);
  InvalidateRect(hwnd_, &a, FALSE);
  TRect update;
  EXPECT_TRUE(GetUpdateRect(hwnd_, &update, FALSE));
  EXPECT_EQ(update, a);
  UpdateWindow(hwnd_);   // paints at once, without the queue
  EXPECT_EQ(CountPaints(), 1);
  EXPECT_FALSE(GetUpdateRect(hwnd_, &update, FALSE));
}

TEST_F(PaintingTest, ChildrenAreClippedAreasOfTheTopLevelSurface) {
  Pump();
  HWND child = CreateLogWindow("c", WS_CHILD | WS_VISIBLE, 20, 10, 30, 20, hwnd_);
  paintRed_ = false;
  Pump();
  // The child's own DC draws only inside the child.
  FillThroughOwnDc(child);
  EXPECT_EQ(ClientPixel(hwnd_, 20, 10), kRed);
  EXPECT_EQ(ClientPixel(hwnd_, 49, 29), kRed);
  EXPECT_EQ(ClientPixel(hwnd_, 19, 10), kWhite);
  EXPECT_EQ(ClientPixel(hwnd_, 50, 29), kWhite);
  EXPECT_EQ(ClientPixel(child, 0, 0), kRed);
}

// What a child's DC may touch: its client area less the siblings above it (their window regions,
// not their rectangles), less its own children, cut by its parent.  A sibling far away changes
// nothing.  Probes are in the top-level window's client coordinates.
TEST_F(PaintingTest, ADcIsClippedBySiblingShapesAboveItsChildrenAndItsParent) {
  Pump();
  HWND below = CreateLogWindow("b", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 10, 10, 60, 40, hwnd_);
  HWND above = CreateLogWindow("a", WS_CHILD | WS_VISIBLE, 40, 30, 40, 30, hwnd_);
  CreateLogWindow("f", WS_CHILD | WS_VISIBLE, 85, 0, 10, 10, hwnd_);
  CreateLogWindow("i", WS_CHILD | WS_VISIBLE, 20, 5, 10, 10, below);        // inside below
  HWND edge = CreateLogWindow("e", WS_CHILD | WS_VISIBLE, -5, 30, 10, 10, below);   // half outside it
  SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowRgn(above, CreateRectRgn(0, 0, 20, 30), FALSE);   // above covers x 40..59 only
  paintRed_ = false;
  Pump();
  for (HWND target : {below, edge}) FillThroughOwnDc(target);
  struct Probe {
    int x, y;
    bool red;
  } probes[] = {{10, 10, true},  {69, 49, true},  {39, 49, true},  {60, 30, true},   // below, beside above's region
                {40, 30, false}, {59, 49, false},                                   // under above's region
                {30, 15, false}, {39, 24, false}, {40, 15, true},                   // its inner child
                {9, 10, false},  {70, 30, false}, {85, 0, false},                   // outside it
                {10, 40, true},  {14, 49, true},  {5, 40, false},  {9, 49, false}};  // edge, cut by below
  for (const Probe& p : probes)
    EXPECT_EQ(ClientPixel(hwnd_, p.x, p.y), p.red ? kRed : kWhite) << p.x << "," << p.y;
}

TEST_F(PaintingTest, TheDesktopsContextIsTheDisplayContextForMeasuring) {
  HDC dc = GetDCEx(GetDesktopWindow(), nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  TSize size{};
  EXPECT_TRUE(GetTextExtentPoint32A(dc, "Qq", 2, &size));
  EXPECT_GT(size.cy, 0);
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), dc), 1);
  dc = GetDC(GetDesktopWindow());
  EXPECT_NE(dc, nullptr);
  EXPECT_EQ(ReleaseDC(GetDesktopWindow(), dc), 1);
}

TEST_F(PaintingTest, MovingAChildRepaintsWhereItWas) {
  Pump();
  HWND child = CreateLogWindow("c", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, hwnd_);
  paintRed_ = false;
  Pump();
  Take();
  SetWindowPos(child, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  const std::vector<std::string> lines = Take();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "w WM_PAINT"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "c WM_PAINT"), lines.end());
}

TEST_F(PaintingTest, PrintDrawsTheWindowIntoAnotherDc) {
  paintRed_ = false;
  Pump();
  // WM_PRINTCLIENT answered with red: the print lands in the target at the client's place.
  MessageLog::Instance().handler = [](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT&) {
    if (m != WM_PRINTCLIENT) return false;
    HBRUSH red = CreateSolidBrush(kRed);
    const TRect r = Rect(0, 0, 5, 5);
    FillRect(reinterpret_cast<HDC>(wParam), &r, red);
    DeleteObject(red);
    return true;
  };
  HWND target = CreateLogWindow("t", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50, nullptr);
  Pump();
  HDC dc = GetDC(target);
  SendMessageA(hwnd_, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ReleaseDC(target, dc);
  EXPECT_EQ(ClientPixel(target, 0, 0), kRed);
  EXPECT_EQ(ClientPixel(target, 4, 4), kRed);
  EXPECT_EQ(ClientPixel(target, 5, 5), kWhite);
}

}  // namespace
}  // namespace usertest
