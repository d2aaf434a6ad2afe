// The Office 2003 colour scheme: the variant from the theme's names, table and classic colours,
// and the system colour mixes.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/system_parameters.h"

namespace {

using foundationtest::ScopedUnits;

constexpr TColor Rgb(Byte r, Byte g, Byte b) { return TColor(RGB(r, g, b)); }

std::unique_ptr<ScopedUnits> StartThemes() {
  return std::make_unique<ScopedUnits>(std::initializer_list<Unit>{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit});
}

TEST(Office11Scheme, FollowsTheThemesNamesAndTheSystemsVersion) {
  const struct {
    const char16_t *file, *color;
    DWORD major;
    Byte scheme;
  } kCases[] = {
      {u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", u"NormalColor", 5, 1},
      {u"C:\\Themes\\LUNA.MSSTYLES", u"homestead", 5, 2},
      {u"luna.msstyles", u"Metallic", 5, 3},
      {u"C:\\Themes\\Luna.msstyles", u"Royale", 5, 0},          // another variant name
      {u"C:\\Themes\\Royale.msstyles", u"NormalColor", 5, 0},   // another theme file on 5.1
      {u"C:\\Themes\\Any.msstyles", u"NormalColor", 6, 1},      // any file on 6.1
      {u"", u"normalcolor", 6, 1},
      {u"C:\\Themes\\Any.msstyles", u"Other", 6, 0},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Office11SchemeOfThemeNames(c.file, c.color, c.major), c.scheme) << c.major;
}

TEST(Office11Scheme, DetectionAsksTheThemeOnlyWhenVisualStylesAreUsable) {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider provider(&fake);
  {
    auto units = StartThemes();
    fake.colorName = u"Metallic";
    EXPECT_EQ(DetectOffice11Scheme(), 3);
    fake.themeNameResult = HRESULT(0x80004005);   // the call fails
    EXPECT_EQ(DetectOffice11Scheme(), 0);
  }
  fake.themeActive = false;
  auto units = StartThemes();
  fakes::CallLog().clear();
  EXPECT_EQ(DetectOffice11Scheme(), 0);
  EXPECT_TRUE(fakes::LogLines("GetCurrentThemeName").empty());
}

TEST(Office11Colors, ATableSchemeTakesTheTablesColors) {
  fakes::TFakeThemeProvider fake;
  fake.colorName = u"HomeStead";
  fakes::ScopedThemeProvider provider(&fake);
  auto units = StartThemes();
  ComputeOffice11Colors();
  EXPECT_EQ(GetOffice11Scheme(), 2);
  EXPECT_TRUE(IsOffice11ThemeScheme());
  EXPECT_EQ(Office11Color00, TColor(0xDEF7F4));
  EXPECT_EQ(Office11Color21, TColor(0x385D3F));
  EXPECT_EQ(Office11Color35, TColor(0x588060));
  EXPECT_EQ(Office11WhiteColor, clWhite);
  EXPECT_EQ(Office11ShadowMixColor, MixColors(0x6B7760, 0x8FC4B5, 50));
}

TEST(Office11Colors, ClassicValuesUnderTheDefaultColours) {
  gdi::ResetSysColors();
  SetThemeProvider(nullptr);
  auto units = StartThemes();
  ComputeOffice11Colors();
  EXPECT_EQ(GetOffice11Scheme(), 0);
  EXPECT_FALSE(IsOffice11ThemeScheme());
  EXPECT_EQ(Office11Color00, Rgb(246, 245, 243));
  EXPECT_EQ(Office11Color22, Rgb(183, 191, 212));
  EXPECT_EQ(Office11Color23, Office11Color22);
  EXPECT_EQ(Office11Color24, Rgb(136, 147, 177));
  EXPECT_EQ(Office11Color02, TColor(ColorToRGB(clBtnFace)));
  EXPECT_EQ(Office11Color21, TColor(ColorToRGB(clHighlight)));
  EXPECT_EQ(Office11WhiteColor, TColor(ColorToRGB(clBtnHighlight)));
}

TEST(Office11Colors, ABlackOrWhiteFaceMakesEverySystemMixTheHighlight) {
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  for (COLORREF face : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
    const int index = COLOR_BTNFACE;
    SetSysColors(1, &index, &face);
    for (auto [f, h, w] : {std::tuple{-2, 30, 72}, {14, 44, 40}, {41, 11, 48}, {100, 0, 0}})
      EXPECT_EQ(MixSystemColors(f, h, w), TColor(highlight)) << face << " " << f;
  }
  gdi::ResetSysColors();
  EXPECT_NE(MixSystemColors(100, 0, 0), TColor(highlight));
  EXPECT_EQ(MixSystemColors(100, 0, 0), TColor(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(MixSystemColors(200, 200, 0), Rgb(255, 255, 255));   // clamped
  EXPECT_EQ(MixSystemColors(-100, 0, 0), Rgb(0, 0, 0));
}

TEST(Office11Colors, MixColorsWeighsEachChannelAndCaps) {
  EXPECT_EQ(MixColors(Rgb(200, 100, 0), Rgb(100, 200, 255), 50), Rgb(150, 150, 128));
  EXPECT_EQ(MixColors(Rgb(255, 255, 255), Rgb(255, 255, 255), 60), Rgb(255, 255, 255));
  EXPECT_EQ(MixColors(Rgb(10, 20, 30), Rgb(0, 0, 0), 100), Rgb(10, 20, 30));
}

TEST(Office11Colors, ResourcesLiveWhileTheColoursAreUsed) {
  SetThemeProvider(nullptr);
  Office11ColorsAddRef();
  Office11ColorsAddRef();
  EXPECT_NE(Office11DotBrush, nullptr);
  EXPECT_NE(Office11DotShadowBrush, nullptr);
  ASSERT_NE(Office11ExpandButtonMinus, nullptr);
  ASSERT_NE(Office11ExpandButtonPlus, nullptr);
  BITMAP info{};
  GetObjectA(Office11ExpandButtonPlus, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 11);
  EXPECT_EQ(info.bmHeight, 11);
  Office11ColorsRefresh();   // brushes made again for the new colours
  EXPECT_NE(Office11DotBrush, nullptr);
  Office11ColorsRelease();
  EXPECT_NE(Office11DotBrush, nullptr);
  Office11ColorsRelease();
  EXPECT_EQ(Office11DotBrush, nullptr);
  EXPECT_EQ(Office11ExpandButtonMinus, nullptr);
}

}  // namespace
