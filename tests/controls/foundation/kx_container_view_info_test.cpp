// The container's view info painting on a headless surface, probed pixel by pixel: the classic
// borders on chosen edges, the shadow, and the native background with the theme's content
// rectangle and border colours (a fake theme provider and a fake composition library).
#include <gtest/gtest.h>

#include <memory>

#include "controls/foundation/kx_container_view_info.h"
#include "controls/foundation/kx_dwm_api.h"
#include "painter_test_support.h"
#include "platform/shims/desktop_composition.h"
#include "platform/shims/library_registry.h"
#include "tests/support/shims/fake_theme_provider.h"

namespace {

using namespace paintertest;

constexpr COLORREF kRed = 0x0000FF, kLime = 0x00FF00;

std::unique_ptr<TkxContainerViewInfo> ClassicViewInfo(TkxContainerBorderStyle style, TkxBorders edges,
                                                      const TRect& borderRect) {
  auto holder = std::make_unique<TkxContainerViewInfo>();
  TkxContainerViewInfo& info = *holder;
  info.Bounds = TRect{0, 0, 40, 20};
  info.BorderStyle = style;
  info.BorderWidth = GetContainerBorderWidth(style);
  info.Edges = edges;
  info.BorderRect = borderRect;
  info.ClientRect = borderRect;
  info.BorderColor = clRed;
  info.BackgroundColor = clWindow;
  return holder;
}

class ViewInfoTest : public PainterTest {
 protected:
  ViewInfoTest() : PainterTest(40, 20) {
    SetDistinctSysColors();
    Clear();
  }
  struct Probe {
    int x, y;
    COLORREF color;
  };
  void ExpectPixels(std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) EXPECT_EQ(surface_.At(p.x, p.y), p.color) << p.x << "," << p.y;
  }
};

TEST_F(ViewInfoTest, AFlatBorderIsASunkenLineAndAFaceLine) {
  auto info = ClassicViewInfo(cbsFlat, kxBordersAll, TRect{2, 2, 38, 18});
  info->PaintTo(kx_);
  ExpectPixels({{0, 5, kShadow}, {5, 0, kShadow}, {39, 5, kHighlight}, {5, 19, kHighlight}, {1, 5, kFace},
                {5, 1, kFace}, {38, 5, kFace}, {5, 18, kFace}, {2, 2, kWindow}, {37, 17, kWindow}});
}

TEST_F(ViewInfoTest, ASingleBorderOnLeftAndRightFramesOnlyThoseSides) {
  auto info = ClassicViewInfo(cbsSingle, {bLeft, bRight}, TRect{1, 0, 39, 20});
  info->PaintTo(kx_);
  ExpectPixels({{0, 0, kRed}, {0, 19, kRed}, {39, 10, kRed}, {1, 0, kWindow}, {20, 19, kWindow}, {38, 10, kWindow}});
  EXPECT_TRUE(PixelsOf(kRed, TRect{1, 0, 39, 20}).empty()) << "no top or bottom line inside the bounds";
}

TEST_F(ViewInfoTest, TheShadowIsPaintedAndThenLeftOutOfTheClip) {
  auto info = ClassicViewInfo(cbsSingle, kxBordersAll, TRect{1, 1, 36, 16});
  info->Shadow = true;
  info->PaintTo(kx_);
  kx_.FillSolidRect(TRect{0, 0, 40, 20}, clLime);   // whatever paints next keeps off the shadow
  std::set<std::pair<int, int>> shadow;
  for (int y = 17; y < 20; ++y)
    for (int x = 3; x < 37; ++x) shadow.insert({x, y});
  for (int y = 3; y < 20; ++y)
    for (int x = 37; x < 40; ++x) shadow.insert({x, y});
  EXPECT_EQ(PixelsOf(kShadow, TRect{0, 0, 40, 20}), shadow);
  ExpectPixels({{0, 18, kLime}, {38, 1, kLime}});
}

TEST_F(ViewInfoTest, AssignCopiesOnlyTheClientRectangle) {
  auto source = ClassicViewInfo(cbsThick, {bTop}, TRect{1, 2, 3, 4});
  source->ClientRect = TRect{5, 6, 7, 8};
  TkxContainerViewInfo target;
  target.Assign(source.get());
  EXPECT_EQ(target.ClientRect, (TRect{5, 6, 7, 8}));
  EXPECT_EQ(target.BorderRect, TRect{});
  EXPECT_EQ(target.BorderStyle, cbsNone);
  EXPECT_EQ(target.Edges, kxBordersAll);
  EXPECT_TRUE(target.GetRepaintRegion(source.get()) != nullptr);
}

// The fake provider is installed before the painter units start.
struct FakeThemeFirst {
  FakeThemeFirst() {
    fake.classes.push_back("ListBox");
    fake.colors["ComboBox 3801"] = 0x102030;
    fake.colors["ListBox 3801"] = 0x405060;
  }
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider provider{&fake};
};

HRESULT CompositionOn(BOOL* enabled) {
  *enabled = TRUE;
  return S_OK;
}

class NativeViewInfoTest : private FakeThemeFirst, public ViewInfoTest {
 protected:
  static std::unique_ptr<TkxContainerViewInfo> NativeViewInfo(TkxContainerBorderStyle style) {
    auto holder = std::make_unique<TkxContainerViewInfo>();
    TkxContainerViewInfo& info = *holder;
    info.NativeStyle = true;
    info.BorderStyle = style;
    info.ThemedType = 3;   // "Edit"
    info.NativePart = 1;
    info.NativeState = 1;
    info.Bounds = TRect{0, 0, 40, 20};
    info.BackgroundColor = clWindow;
    return holder;
  }
};

TEST_F(NativeViewInfoTest, ABorderFramesTheContentInTheBorderColourOfTheThemeClass) {
  const TLibraryExport exports[] = {{"DwmIsCompositionEnabled", ExportAddress<DwmIsCompositionEnabledProc>(&CompositionOn)}};
  TExportTableImage dwm(exports);
  for (bool composition : {false, true}) {
    fakes::ScopedLibraryImage scoped("DWMAPI.DLL", &dwm);
    if (composition) {
      ASSERT_TRUE(InitDwmApi(6));
    }
    Clear();
    NativeViewInfo(cbsSingle)->PaintTo(kx_);
    const COLORREF border = composition ? 0x405060 : 0x102030;
    SCOPED_TRACE(composition ? "composition" : "no composition");
    // The fake's content rectangle is the bounds less 3 pixels on each side.
    ExpectPixels({{0, 0, border}, {2, 10, border}, {20, 2, border}, {37, 10, border}, {20, 17, border},
                  {3, 3, kWindow}, {36, 16, kWindow}});
    DoneDwmApi();
  }
}

TEST_F(NativeViewInfoTest, NoBorderFillsTheBounds) {
  NativeViewInfo(cbsNone)->PaintTo(kx_);
  EXPECT_EQ(PixelsOf(kWindow, TRect{0, 0, 40, 20}).size(), 800u);
}

}  // namespace
