// The grid library's two visual-style bindings through a recording theme provider: names looked
// up in order, a second load doing nothing, what each finalisation leaves, a missing name, the
// default provider; and the Windows-version test.
#include "grid/theme_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/apx_theme_api.h"
#include "grid/windows_version.h"
#include "platform/core/exceptions.h"
#include "recording_theme_provider.h"

namespace {

using themetest::LookedUpNames;
using themetest::ScopedThemeProvider;
using themetest::TRecordingThemeProvider;
using Lines = std::vector<std::string>;

template <std::size_t N>
Lines NamesOf(const std::array<std::string_view, N>& names) {
  return Lines(names.begin(), names.end());
}

// Unloads VerUZED's set at the end of a test, before the provider it was loaded from goes.
struct UnloadThemeApiAtEnd {
  ~UnloadThemeApiAtEnd() { VerUZED::UnloadThemeApi(); }
};

TEST(VerUZEDBinding, LooksUpItsFortyFiveNamesInOrderOnce) {
  TRecordingThemeProvider provider;
  ScopedThemeProvider scope(provider);
  UnloadThemeApiAtEnd unload;
  VerUZED::LoadThemeApi();
  ASSERT_TRUE(VerUZED::ThemeApiLoaded());
  EXPECT_NE(VerUZED::ThemeLibrary(), nullptr);
  EXPECT_EQ(provider.log.front(), "load");
  EXPECT_EQ(LookedUpNames(provider.log), NamesOf(VerUZED::kBoundThemeFunctions));
  EXPECT_EQ(provider.log.size(), 46u);
  for (std::size_t i = 0; i < VerUZED::kBoundThemeFunctions.size(); ++i)
    EXPECT_EQ(VerUZED::ThemeFunction(i), GetProcAddress(VerUZED::ThemeLibrary(),
                                                        std::string(VerUZED::kBoundThemeFunctions[i]).c_str()));

  provider.log.clear();
  VerUZED::LoadThemeApi();
  EXPECT_TRUE(provider.log.empty()) << "a second load does nothing";

  ASSERT_NE(VerUZED::IsThemeActive(), nullptr);
  EXPECT_EQ(VerUZED::IsThemeActive()(), TRUE);
  EXPECT_EQ(VerUZED::OpenThemeData()(nullptr, u"BUTTON"), reinterpret_cast<HTHEME>(std::uintptr_t{0x7E}));
  EXPECT_EQ(provider.log, (Lines{"call IsThemeActive", "call OpenThemeData BUTTON"}));
}

TEST(VerUZEDBinding, UnloadFreesAndClearsTheFlag) {
  TRecordingThemeProvider provider;
  ScopedThemeProvider scope(provider);
  UnloadThemeApiAtEnd unload;
  VerUZED::LoadThemeApi();
  provider.log.clear();
  VerUZED::UnloadThemeApi();
  EXPECT_EQ(provider.log, Lines{"free"});
  EXPECT_FALSE(VerUZED::ThemeApiLoaded());
  EXPECT_EQ(VerUZED::ThemeLibrary(), nullptr);
  EXPECT_EQ(VerUZED::DrawThemeBackground(), nullptr);
  VerUZED::UnloadThemeApi();
  EXPECT_EQ(provider.log, Lines{"free"}) << "nothing to free twice";
  VerUZED::LoadThemeApi();
  EXPECT_TRUE(VerUZED::ThemeApiLoaded()) << "binds again after an unload";
}

TEST(VerUZEDBinding, AMissingNameFailsAnAssertion) {
  TRecordingThemeProvider provider;
  provider.missing = {"GetThemeSysFont"};
  ScopedThemeProvider scope(provider);
  UnloadThemeApiAtEnd unload;
  try {
    VerUZED::LoadThemeApi();
    FAIL() << "no assertion failure";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message().rfind("Assertion failure (", 0), 0u) << e.Message();
    EXPECT_NE(e.Message().find("theme_api.cpp, line "), std::string::npos) << e.Message();
  }
  const Lines looked = LookedUpNames(provider.log);
  EXPECT_EQ(looked.back(), "GetThemeSysFont") << "the binding stops at the missing name";
  EXPECT_TRUE(VerUZED::ThemeApiLoaded()) << "the flag was set before the look-ups";
}

TEST(VerUZEDBinding, TheDefaultProviderBindsNothing) {
  ASSERT_EQ(CurrentThemeProvider().Name(), "none");
  VerUZED::LoadThemeApi();
  EXPECT_FALSE(VerUZED::ThemeApiLoaded());
  EXPECT_EQ(VerUZED::ThemeLibrary(), nullptr);
  for (std::size_t i = 0; i < VerUZED::kBoundThemeFunctions.size(); ++i) EXPECT_EQ(VerUZED::ThemeFunction(i), nullptr);
  EXPECT_EQ(VerUZED::IsThemeActive(), nullptr);

  TRecordingThemeProvider declining(false);
  ScopedThemeProvider scope(declining);
  VerUZED::LoadThemeApi();
  EXPECT_EQ(declining.log, Lines{"load"}) << "a provider that declines gets no further call";
  EXPECT_FALSE(VerUZED::ThemeApiLoaded());
}

// APXPVS's finalisation leaves its flag set, so its whole life is one test.
TEST(APXPVSBinding, LooksUpFortySixNamesAndItsUnloadOnlyFrees) {
  TRecordingThemeProvider provider;
  ScopedThemeProvider scope(provider);
  APXPVS::LoadAPXThemeApi();
  ASSERT_TRUE(APXPVS::APXThemeApiLoaded());
  const Lines looked = LookedUpNames(provider.log);
  EXPECT_EQ(looked, NamesOf(APXPVS::kBoundThemeFunctions));
  ASSERT_EQ(looked.size(), 46u);
  EXPECT_EQ(looked[42], "GetThemeDocumentationProperty");
  EXPECT_EQ(looked[43], "GetThemePartSize");
  EXPECT_EQ(looked[44], "DrawThemeParentBackground");

  provider.log.clear();
  APXPVS::LoadAPXThemeApi();
  EXPECT_TRUE(provider.log.empty()) << "a second load does nothing";
  APXPVS::UnloadAPXThemeApi();
  EXPECT_EQ(provider.log, Lines{"free"});
  EXPECT_TRUE(APXPVS::APXThemeApiLoaded()) << "only freed";
  EXPECT_NE(APXPVS::APXThemeFunction(0), nullptr);
}

TEST(WindowsVersion, XPOrLaterFromVersionFiveOne) {
  EXPECT_FALSE(IsWindowsXPOrLater(OSVERSIONINFO{5, 0, 2195, VER_PLATFORM_WIN32_NT}));
  EXPECT_TRUE(IsWindowsXPOrLater(OSVERSIONINFO{5, 1, 2600, VER_PLATFORM_WIN32_NT}));
  EXPECT_TRUE(IsWindowsXPOrLater(OSVERSIONINFO{6, 1, 7601, VER_PLATFORM_WIN32_NT}));
  EXPECT_FALSE(IsWindowsXPOrLater(OSVERSIONINFO{4, 10, 0, VER_PLATFORM_WIN32_NT}));
  EXPECT_TRUE(IsWindowsXPOrLater()) << "the platform reports 6.1";
}

}  // namespace
