// The container unit's routines: border widths and edge arithmetic, the shadow and frame fills
// (pixel probes), window-shape regions set only on a change, the process-wide disabling of windows
// and its nesting, queued-message removal that keeps WM_QUIT, and string comparison.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "controls/foundation/kx_container_routines.h"
#include "painter_test_support.h"
#include "platform/classes/class_registry.h"
#include "platform/gdi/region.h"
#include "platform/ui/panel.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/window_region.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using paintertest::kFace;
using paintertest::kShadow;
using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsIn(const std::vector<TRect>& rects) {
  Pixels pixels;
  for (const TRect& r : rects)
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) pixels.insert({x, y});
  return pixels;
}

TEST(KxContainerGeometry, BorderWidthsAndEdgeArithmetic) {
  const Integer widths[] = {0, 1, 2, 2, 2, 1, 1};
  for (Integer style = cbsNone; style <= cbsOffice11; ++style)
    EXPECT_EQ(GetContainerBorderWidth(TkxContainerBorderStyle(style)), widths[style]) << style;

  const TRect r{10, 20, 30, 40};
  const struct {
    TkxBorders edges;
    TRect grown, shrunk;
  } cases[] = {
      {kxBordersAll, {8, 18, 32, 42}, {10, 20, 30, 40}},
      {{}, {10, 20, 30, 40}, {12, 22, 28, 38}},
      {{bLeft, bRight}, {8, 20, 32, 40}, {10, 22, 30, 38}},
      {{bTop}, {10, 18, 30, 40}, {12, 20, 28, 38}},
      {{bBottom}, {10, 20, 30, 42}, {12, 22, 28, 40}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GrowRectOnEdges(r, 2, c.edges), c.grown) << c.edges.ToMask();
    EXPECT_EQ(ShrinkRectOnMissingEdges(r, 2, c.edges), c.shrunk) << c.edges.ToMask();
  }
}

class ContainerPaintRoutines : public paintertest::PainterTest {
 protected:
  ContainerPaintRoutines() : PainterTest(120, 40) { paintertest::SetDistinctSysColors(); }
  const TRect all_{0, 0, 120, 40};
};

TEST_F(ContainerPaintRoutines, TheShadowFillsTwoStripsAndLeavesThemOutOfTheClip) {
  Clear();
  PaintContainerShadow(kx_, TRect{0, 0, 100, 20});
  EXPECT_EQ(PixelsOf(kShadow, all_), PixelsIn({{3, 20, 100, 23}, {100, 3, 103, 23}}));
  kx_.FillSolidRect(all_, clBtnFace);
  EXPECT_EQ(PixelsOf(kShadow, all_), PixelsIn({{3, 20, 100, 23}, {100, 3, 103, 23}})) << "both strips excluded";
}

TEST_F(ContainerPaintRoutines, FillRectFrameFillsOnlyTheFrame) {
  const struct {
    const char* what;
    TRect outer, inner;
    std::vector<TRect> filled;
  } cases[] = {
      {"equal rectangles", {10, 5, 50, 30}, {10, 5, 50, 30}, {}},
      {"an empty outer", {10, 5, 10, 30}, {0, 0, 0, 0}, {}},
      {"an empty inner", {10, 5, 50, 30}, {0, 0, 0, 0}, {{10, 5, 50, 30}}},
      {"a frame", {10, 5, 50, 30}, {12, 8, 47, 29}, {{10, 5, 12, 30}, {12, 5, 47, 8}, {47, 5, 50, 30}, {12, 29, 47, 30}}},
  };
  for (const auto& c : cases) {
    Clear();
    FillRectFrame(kx_, c.outer, c.inner, clBtnFace);
    EXPECT_EQ(PixelsOf(kFace, all_), PixelsIn(c.filled)) << c.what;
  }
}

TEST(KxContainerStrings, AreStringsEqualTable) {
  const struct {
    const char* a;
    const char* b;
    bool caseSensitive, equal;
  } cases[] = {
      {"Border", "border", false, true}, {"Border", "border", true, false}, {"Border", "Border", true, true},
      {"Border", "Borders", false, false}, {"\xA1\xD2", "\xA1\xD2", true, true},   // Thai letters
      {"\xA1", "\xA2", false, false},        {"", "", true, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AreStringsEqual(c.a, c.b, c.caseSensitive), c.equal) << c.a << " / " << c.b << " " << c.caseSensitive;
}

// A panel that counts the frame changes a window region's setting causes.
class CountingPanel : public TPanel {
 public:
  using TPanel::TPanel;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_WINDOWPOSCHANGED) ++positionChanges;
    TPanel::WndProc(Message);
  }
  int positionChanges = 0;
};

class ContainerWindowRoutines : public uitest::UiTest {
 protected:
  TForm* Form(const char* name) {
    TForm* form = NewForm(name);
    driver_->Settle();
    return form;
  }
  static bool Enabled(TForm* form) { return IsWindowEnabled(form->Handle()) != FALSE; }
};

TEST_F(ContainerWindowRoutines, UpdateWindowShapeRegionSetsARegionOnlyWhenItChanges) {
  TForm* form = Form("Host");
  auto* panel = new CountingPanel(form);
  panel->SetBounds(10, 10, 50, 30);
  panel->SetParent(form);
  driver_->Settle();
  HWND wnd = panel->Handle();
  const int before = panel->positionChanges;
  UpdateWindowShapeRegion(wnd, TRect{0, 0, 40, 20}, false, TRect{}, true);
  UpdateWindowShapeRegion(wnd, TRect{0, 0, 40, 20}, false, TRect{}, true);
  EXPECT_EQ(panel->positionChanges - before, 1) << "the second call finds the same region";

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 42, 22)) << "the shadow's copy moved by (3, 3)";
  EXPECT_FALSE(PtInRegion(region, 42, 1)) << "the top right corner beside the shadow";
  UpdateWindowShapeRegion(wnd, TRect{0, 0, 40, 20}, true, TRect{}, false);
  EXPECT_EQ(GetWindowRgn(wnd, region), ERROR) << "no region once NoRegion is asked";
  EXPECT_EQ(panel->positionChanges - before, 2);
  UpdateWindowShapeRegion(wnd, TRect{0, 0, 40, 20}, true, TRect{}, false);
  EXPECT_EQ(panel->positionChanges - before, 2) << "nothing to take away";
  DeleteObject(region);
}

TEST_F(ContainerWindowRoutines, NestedDisablingDisablesOnceAndTheLastReenablingEnables) {
  TForm* a = Form("A");
  TForm* alreadyDisabled = Form("Off");
  TForm* destroyed = Form("Gone");
  EnableWindow(alreadyDisabled->Handle(), FALSE);

  DisableProcessWindows(true);
  EXPECT_FALSE(Enabled(a));
  EXPECT_FALSE(Enabled(destroyed));
  TForm* later = Form("Later");
  DisableProcessWindows(true);
  EXPECT_TRUE(Enabled(later)) << "an inner call disables nothing";
  delete destroyed;

  ReenableProcessWindows();
  EXPECT_FALSE(Enabled(a)) << "only the outermost re-enabling enables";
  ReenableProcessWindows();
  EXPECT_TRUE(Enabled(a));
  EXPECT_FALSE(Enabled(alreadyDisabled)) << "a window disabled before stays disabled";
  EXPECT_FALSE(IsTogglingProcessWindows());
}

TEST_F(ContainerWindowRoutines, AnOutermostDisablingWithoutWindowsLeavesNothingToReenable) {
  TForm* a = Form("A");
  DisableProcessWindows(false);
  DisableProcessWindows(true);
  EXPECT_TRUE(Enabled(a)) << "nested inside a call that disabled nothing";
  ReenableProcessWindows();
  ReenableProcessWindows();   // there is no list to walk
  EXPECT_TRUE(Enabled(a));
  ReenableProcessWindows();   // one too many is ignored
  DisableProcessWindows(true);
  EXPECT_FALSE(Enabled(a)) << "the nesting count went back to 0";
  ReenableProcessWindows();
  EXPECT_TRUE(Enabled(a));
}

TEST_F(ContainerWindowRoutines, RemovePendingMessagesPutsAWmQuitBack) {
  TForm* form = Form("Host");
  HWND wnd = form->Handle();
  constexpr UINT kFirst = WM_USER + 1;
  for (UINT m = kFirst; m < kFirst + 3; ++m) PostMessageA(wnd, m, 0, 0);
  EXPECT_TRUE(RemovePendingMessages(wnd, kFirst, kFirst + 2, false));
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, wnd, kFirst, kFirst + 2, PM_NOREMOVE));
  EXPECT_EQ(msg.message, kFirst + 1) << "one message removed without All";

  PostQuitMessage(7);
  EXPECT_TRUE(RemovePendingMessages(nullptr, 0, 0, true));
  EXPECT_FALSE(PeekMessageA(&msg, wnd, kFirst, kFirst + 2, PM_NOREMOVE));
  EXPECT_FALSE(RemovePendingMessages(nullptr, 0, 0, true)) << "only the WM_QUIT, which goes back";
  ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST(KxContainerUnit, StartUpSwitchesScrollBarEmulationOn) {
  EXPECT_FALSE(IsScrollBarEmulationEnabled());
  {
    foundationtest::ScopedUnits units{kxContainerUnit};
    EXPECT_TRUE(IsScrollBarEmulationEnabled());
    EXPECT_NE(GetClass("TkxStyleController"), nullptr);
  }
  EXPECT_FALSE(IsScrollBarEmulationEnabled());
  EXPECT_EQ(GetUnitDefaultStyleController(), nullptr);
  EXPECT_EQ(GetContainerOfControl(nullptr), nullptr);
}

}  // namespace
