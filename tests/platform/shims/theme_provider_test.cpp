// The visual-style library's entry: the default provider "none" declines every load, the
// built-in provider answers its theme, and an installed provider serves the loads after it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/shims/fake_theme_provider.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/shims/theme_provider.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/region.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_class.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/user/user_test_fixture.h"

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

// A parent that erases its client area in red and paints a blue square at (10, 10, 20, 20) when
// asked to print its client area.
LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto fill = [wParam](const TRect& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
    DeleteObject(brush);
  };
  if (message == WM_ERASEBKGND) {
    fill({0, 0, 100, 100}, kRed);
    return 1;
  }
  if (message == WM_PRINTCLIENT && (lParam & PRF_CLIENT) != 0) {
    fill({10, 10, 20, 20}, kBlue);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class BuiltInParentBackground : public usertest::UserTest {
 protected:
  BuiltInParentBackground() {
    user::EnsureClassRegistered(user::ClassRecord("ThemeParent", &ParentProc));
    parent_ = CreateWindowExA(0, "ThemeParent", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    child_ = CreateWindowExA(0, "ThemeParent", "", WS_CHILD, 5, 5, 30, 30, parent_, nullptr, nullptr, nullptr);
    module_ = LoadLibraryA("UXTHEME.DLL");
    draw_ = Bind<DrawThemeParentBackgroundProc>(module_, "DrawThemeParentBackground");
  }
  ~BuiltInParentBackground() override {
    FreeLibrary(module_);
    DestroyWindow(parent_);
  }

  ScopedThemeProvider scoped_{&BuiltInThemeProvider()};
  HWND parent_ = nullptr, child_ = nullptr;
  HMODULE module_ = nullptr;
  DrawThemeParentBackgroundProc draw_ = nullptr;
};

TEST_F(BuiltInParentBackground, PaintsTheParentsBackgroundAndClientUnderTheRectangle) {
  ASSERT_NE(draw_, nullptr);
  TestCanvas canvas(30, 30);
  const RECT r{0, 0, 20, 30};
  EXPECT_EQ(draw_(child_, canvas.dc(), &r), S_OK);
  EXPECT_EQ(canvas.At(0, 0), kRed);
  EXPECT_EQ(canvas.At(4, 4), kRed);
  EXPECT_EQ(canvas.At(5, 5), kBlue);     // the parent's (10, 10)
  EXPECT_EQ(canvas.At(14, 14), kBlue);
  EXPECT_EQ(canvas.At(15, 15), kRed);
  EXPECT_EQ(canvas.At(19, 29), kRed);
  EXPECT_EQ(canvas.At(20, 0), kWhite);   // outside the rectangle
  EXPECT_EQ(canvas.At(29, 29), kWhite);
  // The context's origin and clip are back as they were.
  TPoint org{1, 1};
  GetWindowOrgEx(canvas.dc(), &org);
  EXPECT_EQ(org.X, 0);
  EXPECT_EQ(org.Y, 0);
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.dc(), clip), 0);
  DeleteObject(clip);
}

TEST_F(BuiltInParentBackground, ATopLevelWindowHasNoParentToPaint) {
  TestCanvas canvas(10, 10);
  EXPECT_EQ(draw_(parent_, canvas.dc(), nullptr), E_FAIL);
  EXPECT_EQ(canvas.Count(kWhite), 100);
}

}  // namespace
