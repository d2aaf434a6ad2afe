// The visual-style library's entry: the default provider "none" declines every load, the
// built-in provider answers its theme, and an installed provider serves the loads after it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/shims/fake_theme_provider.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/shims/theme_provider.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/region.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"
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
  EXPECT_NE(open(nullptr, u"combobox"), nullptr);
  EXPECT_NE(open(nullptr, u"PROGRESS"), nullptr);
  EXPECT_EQ(open(nullptr, u"Edit"), nullptr);   // a class it does not draw: its callers go classic
  EXPECT_EQ(open(nullptr, u"Edit;Window"), open(nullptr, u"Window"));
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

namespace {

// The built-in style's parts, drawn and measured through the library's exports.
class BuiltInParts : public ::testing::Test {
 protected:
  BuiltInParts() {
    module_ = LoadLibraryA("UXTHEME.DLL");
    const auto open = Bind<OpenThemeDataProc>(module_, "OpenThemeData");
    button_ = open(nullptr, u"Button");
    scrollBar_ = open(nullptr, u"ScrollBar");
    header_ = open(nullptr, u"Header");
    window_ = open(nullptr, u"Window");
    listView_ = open(nullptr, u"ListView");
    progress_ = open(nullptr, u"Progress");
    comboBox_ = open(nullptr, u"ComboBox");
    draw_ = Bind<DrawThemeBackgroundProc>(module_, "DrawThemeBackground");
  }
  ~BuiltInParts() override { FreeLibrary(module_); }
  HRESULT Draw(HTHEME theme, int part, int state, const RECT& r, const RECT* clip = nullptr) {
    return draw_(theme, canvas_.dc(), part, state, &r, clip);
  }

  ScopedThemeProvider scoped_{&BuiltInThemeProvider()};
  HMODULE module_ = nullptr;
  HTHEME button_ = nullptr, scrollBar_ = nullptr, header_ = nullptr, window_ = nullptr, listView_ = nullptr,
         progress_ = nullptr, comboBox_ = nullptr;
  DrawThemeBackgroundProc draw_ = nullptr;
  TestCanvas canvas_{40, 30};
};

TEST_F(BuiltInParts, PushButtonStatesFrameFillAndTransparentCorners) {
  const struct {
    int state;
    COLORREF frame, fill;
  } kStates[] = {{1, RGB(112, 112, 112), RGB(236, 236, 236)}, {2, RGB(60, 127, 177), RGB(229, 241, 251)},
                 {3, RGB(44, 98, 139), RGB(204, 228, 247)},   {4, RGB(188, 188, 188), RGB(244, 244, 244)},
                 {5, RGB(51, 153, 255), RGB(236, 236, 236)}};
  const auto color = Bind<GetThemeColorProc>(module_, "GetThemeColor");
  for (const auto& s : kStates) {
    SCOPED_TRACE(s.state);
    canvas_.Clear(kWhite);
    ASSERT_EQ(Draw(button_, 1, s.state, {0, 0, 30, 20}), S_OK);
    EXPECT_EQ(canvas_.At(0, 0), kWhite);   // corners left alone
    EXPECT_EQ(canvas_.At(1, 0), s.frame);
    EXPECT_EQ(canvas_.At(29, 10), s.frame);
    EXPECT_EQ(canvas_.At(15, 10), s.fill);
    EXPECT_EQ(canvas_.At(1, 1), s.state == 5 ? s.frame : s.fill);   // the default button's second frame
    COLORREF fill = 0, text = 0;
    EXPECT_EQ(color(button_, 1, s.state, 3802, &fill), S_OK);
    EXPECT_EQ(fill, s.fill);
    EXPECT_EQ(color(button_, 1, s.state, 3803, &text), S_OK);
    EXPECT_EQ(text, s.state == 4 ? RGB(131, 131, 131) : RGB(0, 0, 0));
  }
  COLORREF other = 0;
  EXPECT_EQ(color(button_, 1, 1, 3801, &other), E_FAIL);
  EXPECT_EQ(color(scrollBar_, 1, 1, 3802, &other), E_FAIL);
  EXPECT_TRUE(Bind<IsThemeBackgroundPartiallyTransparentProc>(module_, "IsThemeBackgroundPartiallyTransparent")(
      button_, 1, 1));
  EXPECT_FALSE(Bind<IsThemeBackgroundPartiallyTransparentProc>(module_, "IsThemeBackgroundPartiallyTransparent")(
      scrollBar_, 3, 1));
}

TEST_F(BuiltInParts, CheckAndRadioGlyphsInTheirStates) {
  ASSERT_EQ(Draw(button_, 3, 1, {0, 0, 13, 13}), S_OK);
  EXPECT_EQ(canvas_.At(0, 0), RGB(112, 112, 112));
  EXPECT_EQ(canvas_.Count(RGB(0, 0, 0)), 0);
  ASSERT_EQ(Draw(button_, 3, 5, {0, 0, 13, 13}), S_OK);
  EXPECT_GT(canvas_.Count(RGB(0, 0, 0)), 8);   // the mark
  ASSERT_EQ(Draw(button_, 2, 8, {20, 0, 33, 13}), S_OK);
  EXPECT_EQ(canvas_.At(26, 6), RGB(131, 131, 131));   // a disabled dot
  EXPECT_EQ(canvas_.At(20, 0), kWhite);
  const auto size = Bind<GetThemePartSizeProc>(module_, "GetThemePartSize");
  SIZE s{};
  EXPECT_EQ(size(button_, nullptr, 2, 1, nullptr, TS_TRUE, &s), S_OK);
  EXPECT_EQ(s, (SIZE{13, 13}));
  EXPECT_EQ(size(button_, nullptr, 1, 1, nullptr, TS_TRUE, &s), E_FAIL);
  EXPECT_EQ(size(scrollBar_, nullptr, 8, 1, nullptr, TS_MIN, &s), S_OK);
  EXPECT_EQ(s, (SIZE{8, 8}));
  EXPECT_EQ(size(window_, nullptr, 19, 1, nullptr, TS_TRUE, &s), S_OK);
}

TEST_F(BuiltInParts, ScrollBarHeaderWindowAndListViewParts) {
  ASSERT_EQ(Draw(scrollBar_, 1, 1 * 4 + 1, {0, 0, 17, 17}), S_OK);   // down arrow
  EXPECT_EQ(canvas_.At(8, 9), RGB(0, 0, 0));
  EXPECT_EQ(canvas_.At(8, 6), RGB(240, 240, 240));
  for (int part = 2; part <= 10; ++part) EXPECT_EQ(Draw(scrollBar_, part, 1, {0, 0, 17, 17}), S_OK) << part;
  EXPECT_EQ(Draw(scrollBar_, 11, 1, {0, 0, 17, 17}), E_FAIL);
  canvas_.Clear(kWhite);
  Draw(scrollBar_, 3, 2, {0, 0, 16, 30});
  Draw(scrollBar_, 9, 0, {0, 0, 16, 30});
  EXPECT_EQ(canvas_.At(8, 13), RGB(120, 120, 120));   // the gripper's lines across the thumb
  EXPECT_EQ(canvas_.At(8, 14), RGB(166, 166, 166));
  canvas_.Clear(kWhite);
  ASSERT_EQ(Draw(header_, 1, 2, {0, 0, 40, 20}), S_OK);
  EXPECT_EQ(canvas_.At(5, 5), RGB(217, 235, 249));
  EXPECT_EQ(canvas_.At(5, 19), RGB(213, 213, 213));
  canvas_.Clear(kWhite);
  const RECT clip{0, 0, 10, 10};
  ASSERT_EQ(Draw(listView_, 5, 0, {0, 0, 20, 20}, &clip), S_OK);
  EXPECT_EQ(canvas_.At(0, 5), RGB(130, 135, 144));
  EXPECT_EQ(canvas_.At(19, 5), kWhite);   // outside the clip
  ASSERT_EQ(Draw(window_, 19, 1, {0, 0, 13, 13}), S_OK);
  EXPECT_EQ(canvas_.At(3, 3), RGB(0, 0, 0));
  const auto content = Bind<GetThemeBackgroundContentRectProc>(module_, "GetThemeBackgroundContentRect");
  RECT inside{};
  const RECT bounds{0, 0, 100, 100};
  EXPECT_EQ(content(button_, nullptr, 1, 1, &bounds, &inside), S_OK);
  EXPECT_EQ(inside, (RECT{3, 3, 97, 97}));
  EXPECT_EQ(content(header_, nullptr, 1, 1, &bounds, &inside), S_OK);
  EXPECT_EQ(inside, (RECT{3, 2, 97, 98}));
}

TEST_F(BuiltInParts, ThemeTextInThePartsTextColour) {
  const auto text = Bind<DrawThemeTextProc>(module_, "DrawThemeText");
  const RECT r{0, 0, 40, 30};
  ASSERT_EQ(text(button_, canvas_.dc(), 1, 4, u"Exit", -1, 0x25, 0, &r), S_OK);   // centred on one line
  EXPECT_GT(canvas_.Count(RGB(131, 131, 131)), 5);
  EXPECT_EQ(canvas_.Count(RGB(0, 0, 0)), 0);
}

TEST_F(BuiltInParts, ProgressBarAndChunkAndTheDropDownButton) {
  ASSERT_EQ(Draw(progress_, 1, 1, {0, 0, 40, 10}), S_OK);
  EXPECT_EQ(canvas_.At(0, 5), RGB(188, 188, 188));   // the trough's frame
  EXPECT_EQ(canvas_.At(20, 5), RGB(230, 230, 230));
  ASSERT_EQ(Draw(progress_, 3, 1, {1, 1, 20, 9}), S_OK);
  EXPECT_EQ(canvas_.At(10, 5), RGB(6, 176, 37));
  EXPECT_EQ(canvas_.At(25, 5), RGB(230, 230, 230));
  EXPECT_EQ(Draw(progress_, 2, 1, {0, 0, 40, 10}), E_FAIL);
  const auto content = Bind<GetThemeBackgroundContentRectProc>(module_, "GetThemeBackgroundContentRect");
  RECT inside{};
  const RECT bounds{0, 0, 40, 10};
  EXPECT_EQ(content(progress_, nullptr, 1, 1, &bounds, &inside), S_OK);
  EXPECT_EQ(inside, (RECT{1, 1, 39, 9}));

  const struct {
    int state;
    COLORREF fill, glyph;
  } kStates[] = {{1, RGB(236, 236, 236), RGB(0, 0, 0)},
                 {2, RGB(229, 241, 251), RGB(0, 0, 0)},
                 {3, RGB(204, 228, 247), RGB(0, 0, 0)},
                 {4, RGB(244, 244, 244), RGB(131, 131, 131)}};
  for (const auto& s : kStates) {
    SCOPED_TRACE(s.state);
    canvas_.Clear(kWhite);
    ASSERT_EQ(Draw(comboBox_, 1, s.state, {0, 0, 17, 20}), S_OK);
    EXPECT_EQ(canvas_.At(1, 1), s.fill);
    EXPECT_EQ(canvas_.At(8, 10), s.glyph);   // the down arrow's middle
    EXPECT_EQ(canvas_.At(8, 6), s.fill);     // above the arrow
    EXPECT_EQ(canvas_.At(20, 10), kWhite);
  }
  EXPECT_EQ(Draw(comboBox_, 2, 1, {0, 0, 17, 20}), E_FAIL);
}

// Every function a binding of the whole visual-style set looks up is there, and those beyond
// drawing answer from the parts, the system or the process's switches.
TEST_F(BuiltInParts, AnswersTheWholeBindingSet) {
  for (std::string_view name : kThemeFunctionNames) {
    const bool absent = name == "DrawThemeTextEx" || name == "GetThemePropertyOrigin" ||
                        name.find("BufferedPaint") != std::string_view::npos;
    EXPECT_EQ(GetProcAddress(module_, std::string(name).c_str()) == nullptr, absent) << name;
  }
  const RECT content{10, 10, 30, 30};
  RECT extent{};
  EXPECT_EQ(Bind<GetThemeBackgroundExtentProc>(module_, "GetThemeBackgroundExtent")(button_, nullptr, 1, 1, &content,
                                                                                     &extent),
            S_OK);
  EXPECT_EQ(extent, (RECT{7, 7, 33, 33}));
  MARGINS margins{};
  const auto getMargins = Bind<GetThemeMarginsProc>(module_, "GetThemeMargins");
  EXPECT_EQ(getMargins(header_, nullptr, 1, 1, 3602, nullptr, &margins), S_OK);
  EXPECT_EQ(margins.cxLeftWidth, 3);
  EXPECT_EQ(margins.cyTopHeight, 2);
  EXPECT_EQ(getMargins(header_, nullptr, 1, 1, 3601, nullptr, &margins), HRESULT(0x80070490));
  int value = 0;
  EXPECT_EQ(Bind<GetThemeIntProc>(module_, "GetThemeInt")(button_, 1, 1, 2401, &value), HRESULT(0x80070490));

  const auto defined = Bind<IsThemePartDefinedProc>(module_, "IsThemePartDefined");
  EXPECT_TRUE(defined(progress_, 3, 0));
  EXPECT_FALSE(defined(progress_, 2, 0));
  EXPECT_FALSE(defined(header_, 2, 1));
  const auto hit = Bind<HitTestThemeBackgroundProc>(module_, "HitTestThemeBackground");
  WORD code = 99;
  EXPECT_EQ(hit(button_, nullptr, 1, 1, 0, &content, nullptr, POINT{15, 15}, &code), S_OK);
  EXPECT_EQ(code, WORD(HTCLIENT));
  EXPECT_EQ(hit(button_, nullptr, 1, 1, 0, &content, nullptr, POINT{30, 15}, &code), S_OK);
  EXPECT_EQ(code, WORD(HTNOWHERE));

  RECT inside{};
  const RECT edged{0, 0, 20, 20};
  EXPECT_EQ(Bind<DrawThemeEdgeProc>(module_, "DrawThemeEdge")(button_, canvas_.dc(), 1, 1, &edged, EDGE_SUNKEN,
                                                               BF_RECT, &inside),
            S_OK);
  EXPECT_EQ(inside, (RECT{2, 2, 18, 18}));
  EXPECT_NE(canvas_.At(0, 10), kWhite);
  EXPECT_EQ(Bind<GetThemeSysColorProc>(module_, "GetThemeSysColor")(button_, COLOR_BTNFACE),
            GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(Bind<GetThemeSysSizeProc>(module_, "GetThemeSysSize")(nullptr, SM_CXVSCROLL),
            GetSystemMetrics(SM_CXVSCROLL));
  LOGFONTW font{};
  EXPECT_EQ(Bind<GetThemeSysFontProc>(module_, "GetThemeSysFont")(nullptr, 801, &font), S_OK);
  EXPECT_GT(font.lfWeight, 400);   // the caption font is bold
}

TEST_F(BuiltInParts, ThemingSwitchesOffForTheProcessAndForOneWindow) {
  const auto open = Bind<OpenThemeDataProc>(module_, "OpenThemeData");
  const auto active = Bind<IsThemeActiveProc>(module_, "IsThemeActive");
  const auto enable = Bind<EnableThemingProc>(module_, "EnableTheming");
  ASSERT_EQ(enable(FALSE), S_OK);
  EXPECT_FALSE(active());
  EXPECT_EQ(open(nullptr, u"Button"), nullptr);
  enable(TRUE);
  EXPECT_TRUE(active());

  const HWND a = reinterpret_cast<HWND>(0x1000), b = reinterpret_cast<HWND>(0x2000);
  const auto windowTheme = Bind<GetWindowThemeProc>(module_, "GetWindowTheme");
  EXPECT_EQ(windowTheme(a), nullptr);
  EXPECT_EQ(open(a, u"Header"), header_);
  EXPECT_EQ(windowTheme(a), header_);
  const auto setTheme = Bind<SetWindowThemeProc>(module_, "SetWindowTheme");
  ASSERT_EQ(setTheme(a, u"", u""), S_OK);
  EXPECT_EQ(open(a, u"Button"), nullptr);
  EXPECT_EQ(open(b, u"Button"), button_);
  setTheme(a, nullptr, nullptr);
  EXPECT_EQ(open(a, u"Button"), button_);

  const auto texture = Bind<EnableThemeDialogTextureProc>(module_, "EnableThemeDialogTexture");
  const auto textured = Bind<IsThemeDialogTextureEnabledProc>(module_, "IsThemeDialogTextureEnabled");
  texture(a, 2);
  EXPECT_TRUE(textured(a));
  EXPECT_FALSE(textured(b));
  texture(a, 1);
  EXPECT_FALSE(textured(a));
  const auto setProperties = Bind<SetThemeAppPropertiesProc>(module_, "SetThemeAppProperties");
  const auto properties = Bind<GetThemeAppPropertiesProc>(module_, "GetThemeAppProperties");
  EXPECT_EQ(properties(), DWORD(7));
  setProperties(1);
  EXPECT_EQ(properties(), DWORD(1));
  setProperties(7);
}

}  // namespace
