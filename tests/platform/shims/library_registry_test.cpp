// The by-name registry of optional libraries: names ignoring case, counted loads, exports by exact
// name, and images put in place of a library's own.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/shims/fake_theme_provider.h"
#include "platform/gdi/blt.h"
#include "platform/shims/desktop_composition.h"
#include "platform/shims/image_blending.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/user_library.h"

namespace {

using fakes::CallLog;
using fakes::ScopedLibraryImage;
using fakes::TLoggingLibraryImage;

TEST(LibraryRegistry, FindsRegisteredNamesIgnoringCaseWithTheDefaultExtensionAndNothingElse) {
  const std::pair<const char*, bool> kCases[] = {
      {"MSIMG32.DLL", true},  {"msimg32.dll", true}, {"MsImg32.Dll", true},   {"dwmapi.dll", true},
      {"user32.dll", true},   {"msimg32", true},     {"USER32", true},        {"msimg32.exe", false},
      {"kernel32.dll", false}, {"gdiplus", false},   {"", false}};
  for (const auto& [name, known] : kCases) {
    SCOPED_TRACE(name);
    const HMODULE module = LoadLibraryA(name);
    EXPECT_EQ(module != nullptr, known);
    if (module != nullptr) {
      EXPECT_GE(reinterpret_cast<std::uintptr_t>(module), 32u);
      EXPECT_TRUE(FreeLibrary(module));
    }
  }
  EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
}

TEST(LibraryRegistry, LoadsAreCountedAndTheLastFreeDetaches) {
  TLoggingLibraryImage image("img", RegisteredLibraryImage("MSIMG32.DLL"));
  ScopedLibraryImage scoped("MSIMG32.DLL", &image);
  CallLog().clear();
  const HMODULE first = LoadLibraryA("MSIMG32.DLL");
  const HMODULE second = LoadLibraryA("msimg32.dll");
  EXPECT_EQ(first, second);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_NE(GetProcAddress(second, "GradientFill"), nullptr);   // still loaded once
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_FALSE(FreeLibrary(second));
  EXPECT_EQ(GetProcAddress(second, "GradientFill"), nullptr);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"img Load", "img Export GradientFill", "img Free"}));
}

TEST(LibraryRegistry, ExportsAreMatchedExactly) {
  const HMODULE module = LoadLibraryA("MSIMG32.DLL");
  EXPECT_EQ(GetProcAddress(module, "GradientFill"), ExportAddress<GradientFillProc>(&GradientFill));
  EXPECT_EQ(GetProcAddress(module, "AlphaBlend"), ExportAddress<AlphaBlendProc>(&AlphaBlend));
  EXPECT_EQ(GetProcAddress(module, "gradientfill"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "TransparentBlt"), nullptr);
  EXPECT_EQ(GetProcAddress(module, nullptr), nullptr);
  FreeLibrary(module);
}

TEST(LibraryRegistry, AnAbsentImageFailsTheLoadUntilTheOwnImageIsBack) {
  TLoggingLibraryImage absent("img", RegisteredLibraryImage("MSIMG32.DLL"));
  absent.present = false;
  {
    ScopedLibraryImage scoped("msimg32.dll", &absent);
    EXPECT_EQ(LoadLibraryA("MSIMG32.DLL"), nullptr);
  }
  const HMODULE module = LoadLibraryA("MSIMG32.DLL");
  EXPECT_NE(module, nullptr);
  FreeLibrary(module);
  EXPECT_FALSE(OverrideLibraryImage("OTHER.DLL", &absent));
}

TEST(UserLibrary, ExportsTheWindowLayersLayeredWindowAndMonitorFunctions) {
  const HMODULE module = LoadLibraryA("USER32");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module, LoadLibraryA("user32.dll"));
  FreeLibrary(module);
  EXPECT_EQ(GetProcAddress(module, "SetLayeredWindowAttributes"),
            ExportAddress<SetLayeredWindowAttributesProc>(&SetLayeredWindowAttributes));
  EXPECT_EQ(GetProcAddress(module, "UpdateLayeredWindow"), ExportAddress<UpdateLayeredWindowProc>(&UpdateLayeredWindow));
  EXPECT_EQ(GetProcAddress(module, "MonitorFromPoint"), ExportAddress<MonitorFromPointProc>(&MonitorFromPoint));
  EXPECT_EQ(GetProcAddress(module, "GetMonitorInfoA"), ExportAddress<GetMonitorInfoAProc>(&GetMonitorInfoA));
  EXPECT_EQ(GetProcAddress(module, "GetLayeredWindowAttributes"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "GetMonitorInfoW"), nullptr);
  FreeLibrary(module);
}

TEST(DesktopComposition, TheNineFunctionsAnswerCompositionOff) {
  const HMODULE module = LoadLibraryA("DWMAPI.DLL");
  ASSERT_NE(module, nullptr);
  for (std::string_view name : kDesktopCompositionFunctionNames)
    EXPECT_NE(GetProcAddress(module, std::string(name).c_str()), nullptr) << name;
  const auto proc = [&](const char* name) { return GetProcAddress(module, name); };

  BOOL enabled = TRUE;
  EXPECT_EQ(reinterpret_cast<DwmIsCompositionEnabledProc>(proc("DwmIsCompositionEnabled"))(&enabled), S_OK);
  EXPECT_EQ(enabled, FALSE);
  EXPECT_EQ(reinterpret_cast<DwmIsCompositionEnabledProc>(proc("DwmIsCompositionEnabled"))(nullptr), E_INVALIDARG);
  LRESULT result = 0;
  EXPECT_EQ(reinterpret_cast<DwmDefWindowProcProc>(proc("DwmDefWindowProc"))(nullptr, 0, 0, 0, &result), FALSE);
  EXPECT_EQ(reinterpret_cast<DwmEnableMMCSSProc>(proc("DwmEnableMMCSS"))(TRUE), S_OK);
  EXPECT_EQ(reinterpret_cast<DwmEnableCompositionProc>(proc("DwmEnableComposition"))(1), DWM_E_COMPOSITIONDISABLED);
  const MARGINS margins{1, 1, 1, 1};
  EXPECT_EQ(reinterpret_cast<DwmExtendFrameIntoClientAreaProc>(proc("DwmExtendFrameIntoClientArea"))(nullptr, &margins),
            DWM_E_COMPOSITIONDISABLED);
  DWORD color = 0;
  EXPECT_EQ(reinterpret_cast<DwmGetColorizationColorProc>(proc("DwmGetColorizationColor"))(&color, &enabled),
            DWM_E_COMPOSITIONDISABLED);
  FreeLibrary(module);
}

}  // namespace
