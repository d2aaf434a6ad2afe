// The visual-style library's entry: the default provider "none" declines every load, the
// built-in provider answers its theme, and an installed provider serves the loads after it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/shims/fake_theme_provider.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/shims/theme_provider.h"

namespace {

using fakes::ScopedThemeProvider;

template <class Proc>
Proc Bind(HMODULE module, const char* name) {
  return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

TEST(ThemeProvider, NoneDeclinesTheLoad) {
  SetThemeProvider(nullptr);
  EXPECT_EQ(CurrentThemeProvider().Name(), "none");
  EXPECT_EQ(LoadLibraryA("UxTheme.dll"), nullptr);
}

TEST(ThemeProvider, TheSettingChoosesTheBuiltInProvider) {
  const char* before = std::getenv("PR_THEME_PROVIDER");
  const std::string saved = before ? before : "";
  const auto withSetting = [](const char* value) {
    if (value) setenv("PR_THEME_PROVIDER", value, 1);
    else unsetenv("PR_THEME_PROVIDER");
    return std::string(ThemeProviderOfSetting().Name());
  };
  EXPECT_EQ(withSetting("builtin"), "builtin");
  EXPECT_EQ(withSetting("none"), "none");
  EXPECT_EQ(withSetting("other"), "none");
  EXPECT_EQ(withSetting(nullptr), "none");
  withSetting(before ? saved.c_str() : nullptr);
}

TEST(ThemeProvider, TheLoadedLibraryKeepsItsProviderUntilFreed) {
  fakes::TFakeThemeProvider fake;
  ScopedThemeProvider scoped(&fake);
  const HMODULE module = LoadLibraryA("uxtheme.dll");
  ASSERT_NE(module, nullptr);
  SetThemeProvider(&BuiltInThemeProvider());
  fakes::CallLog().clear();
  EXPECT_NE(GetProcAddress(module, "IsThemeActive"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "NotAThemeFunction"), nullptr);   // never asked of the provider
  EXPECT_EQ(fakes::CallLog(), std::vector<std::string>{"Export IsThemeActive"});
  FreeLibrary(module);
}

TEST(BuiltInThemeProvider, OpensItsClassesAndNamesItsTheme) {
  ScopedThemeProvider scoped(&BuiltInThemeProvider());
  const HMODULE module = LoadLibraryA("UXTHEME.DLL");
  ASSERT_NE(module, nullptr);
  const auto open = Bind<OpenThemeDataProc>(module, "OpenThemeData");
  const auto close = Bind<CloseThemeDataProc>(module, "CloseThemeData");
  ASSERT_NE(open, nullptr);
  ASSERT_NE(close, nullptr);

  const HTHEME button = open(nullptr, u"Button");
  EXPECT_NE(button, nullptr);
  EXPECT_EQ(open(nullptr, u"button"), button);
  EXPECT_EQ(open(nullptr, u"NoSuchClass; BUTTON"), button);
  EXPECT_NE(open(nullptr, u"ScrollBar"), button);
  EXPECT_EQ(open(nullptr, u"NoSuchClass"), nullptr);
  EXPECT_EQ(open(nullptr, nullptr), nullptr);
  EXPECT_EQ(close(button), S_OK);
  EXPECT_LT(close(reinterpret_cast<HTHEME>(0x12345)), 0);

  EXPECT_EQ(Bind<IsThemeActiveProc>(module, "IsThemeActive")(), TRUE);
  EXPECT_EQ(Bind<IsAppThemedProc>(module, "IsAppThemed")(), TRUE);
  WideChar file[64], color[64], size[4];
  EXPECT_EQ(Bind<GetCurrentThemeNameProc>(module, "GetCurrentThemeName")(file, 64, color, 64, size, 4), S_OK);
  EXPECT_EQ(std::u16string(file), u"Builtin.msstyles");
  EXPECT_EQ(std::u16string(color), u"NormalColor");
  EXPECT_EQ(std::u16string(size), u"Nor");   // cut to the buffer, terminated
  EXPECT_EQ(GetProcAddress(module, "DrawThemeBackground"), nullptr);
  FreeLibrary(module);
}

}  // namespace
