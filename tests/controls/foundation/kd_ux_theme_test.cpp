// The control library's visual-style binding, with the logging fake provider.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_dwm_api.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/shims/library_registry.h"

namespace {

using fakes::CallLog;
using fakes::LogLines;

OSVERSIONINFO Version(DWORD major, DWORD minor) { return OSVERSIONINFO{major, minor, 0, VER_PLATFORM_WIN32_NT}; }

struct BindingGuard {
  ~BindingGuard() { kdUxTheme::DoneVisualStyleBinding(); }
};

TEST(KdUxTheme, DetectsWindowsXPOrLaterFromTheVersion) {
  EXPECT_FALSE(kdUxTheme::DetectWindowsXPOrLater(Version(5, 0)));
  EXPECT_TRUE(kdUxTheme::DetectWindowsXPOrLater(Version(5, 1)));
  EXPECT_TRUE(kdUxTheme::DetectWindowsXPOrLater(Version(6, 1)));
  EXPECT_FALSE(kdUxTheme::DetectWindowsXPOrLater(Version(4, 10)));
}

TEST(KdUxTheme, LooksUpThe52NamesInOrder) {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider scoped(&fake);
  CallLog().clear();
  {
    BindingGuard guard;
    kdUxTheme::InitVisualStyleBinding(Version(6, 1));
    EXPECT_TRUE(kdUxTheme::IsVisualStyleLibraryBound());
    EXPECT_TRUE(kdUxTheme::IsWindowsXPOrLater());
  }
  std::vector<std::string> expected{"Load"};
  for (std::string_view name : kdUxTheme::kBoundFunctionNames) expected.push_back("Export " + std::string(name));
  expected.push_back("Free");
  EXPECT_EQ(CallLog(), expected);
  EXPECT_EQ(kdUxTheme::kBoundFunctionNames.size(), 52u);
  EXPECT_FALSE(kdUxTheme::IsVisualStyleLibraryBound());
}

TEST(KdUxTheme, BeforeWindowsXPNothingIsLoaded) {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider scoped(&fake);
  CallLog().clear();
  BindingGuard guard;
  kdUxTheme::InitVisualStyleBinding(Version(5, 0));
  EXPECT_FALSE(kdUxTheme::IsWindowsXPOrLater());
  EXPECT_FALSE(kdUxTheme::IsVisualStyleLibraryBound());
  EXPECT_TRUE(CallLog().empty());
}

TEST(KdUxTheme, WithNoneNothingIsBoundAndEveryAnswerIsClassic) {
  SetThemeProvider(nullptr);
  BindingGuard guard;
  kdUxTheme::InitVisualStyleBinding(Version(6, 1));
  EXPECT_FALSE(kdUxTheme::IsVisualStyleLibraryBound());
  for (std::size_t i = 0; i < kdUxTheme::kBoundFunctionNames.size(); ++i) EXPECT_EQ(kdUxTheme::BoundFunction(i), nullptr);
  EXPECT_EQ(kdUxTheme::OpenThemeData(nullptr, u"Button"), nullptr);
  EXPECT_EQ(kdUxTheme::CloseThemeData(nullptr), E_NOTIMPL);
  EXPECT_EQ(kdUxTheme::IsThemeActive(), FALSE);
  EXPECT_EQ(kdUxTheme::IsThemeBackgroundPartiallyTransparent(nullptr, 1, 1), FALSE);
  SIZE size{};
  EXPECT_EQ(kdUxTheme::GetThemePartSizeNoRect(nullptr, nullptr, 1, 1, TS_TRUE, size), E_NOTIMPL);
}

TEST(KdUxTheme, ANameTheProviderLacksBindsNilAndIsNeverCalled) {
  fakes::TFakeThemeProvider fake;
  fake.missing = {"CloseThemeData"};
  fakes::ScopedThemeProvider scoped(&fake);
  BindingGuard guard;
  kdUxTheme::InitVisualStyleBinding(Version(6, 1));
  EXPECT_EQ(kdUxTheme::BoundFunction(0), nullptr);   // "CloseThemeData"
  EXPECT_NE(kdUxTheme::BoundFunction(44), nullptr);  // "OpenThemeData"
  CallLog().clear();
  const HTHEME theme = kdUxTheme::OpenThemeData(nullptr, u"Button");
  EXPECT_NE(theme, nullptr);
  EXPECT_EQ(kdUxTheme::CloseThemeData(theme), E_NOTIMPL);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"OpenThemeData Button"});
}

TEST(KdUxTheme, WrappersPassTheirArgumentsOn) {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider scoped(&fake);
  BindingGuard guard;
  kdUxTheme::InitVisualStyleBinding(Version(6, 1));
  CallLog().clear();
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  SelectObject(dc, font);
  const RECT rect{0, 0, 10, 10};
  EXPECT_EQ(kdUxTheme::DrawThemeParentBackground(nullptr, dc, &rect), S_OK);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);   // put back after the parent's painting
  EXPECT_EQ(kdUxTheme::DrawThemeTextAnsi(nullptr, dc, 1, 1, "\xC3x", 2, 0, 0, rect), S_OK);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"DrawThemeParentBackground",
                                                 "DrawThemeText \u0E23x 2 flags 0 (0, 0, 10, 10)"}));
  DeleteDC(dc);
}

TEST(KxDwmApi, OnlyVersion6OrLaterLoadsTheLibrary) {
  fakes::TLoggingLibraryImage logged("dwm", RegisteredLibraryImage("DWMAPI.DLL"));
  fakes::ScopedLibraryImage scoped("DWMAPI.DLL", &logged);
  CallLog().clear();
  EXPECT_FALSE(InitDwmApi(5));
  EXPECT_FALSE(IsDwmAvailable());
  EXPECT_FALSE(IsDwmCompositionActive());
  EXPECT_TRUE(CallLog().empty());   // never loaded on 5.1

  EXPECT_TRUE(InitDwmApi(6));
  EXPECT_TRUE(IsDwmAvailable());
  EXPECT_FALSE(IsDwmCompositionActive());   // the platform's composition is off
  DoneDwmApi();
  std::vector<std::string> expected{"dwm Load"};
  for (std::string_view name : kDwmBoundFunctionNames) expected.push_back("dwm Export " + std::string(name));
  expected.push_back("dwm Free");
  EXPECT_EQ(CallLog(), expected);
}

TEST(KxDwmApi, AnAbsentLibraryMeansNoComposition) {
  fakes::TLoggingLibraryImage absent("dwm", RegisteredLibraryImage("DWMAPI.DLL"));
  absent.present = false;
  fakes::ScopedLibraryImage scoped("DWMAPI.DLL", &absent);
  EXPECT_FALSE(InitDwmApi(6));
  EXPECT_FALSE(IsDwmAvailable());
  EXPECT_FALSE(IsDwmCompositionActive());
  DoneDwmApi();
}

}  // namespace
