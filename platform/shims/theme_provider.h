// Theme providers: what stands behind the visual-style library "UXTHEME.DLL".
//
// The system binds the visual-style functions by name (library_registry.h).  The library's
// registry entry is `ThemeLibraryImage()`: it exports exactly the visual-style functions named in
// kThemeFunctionNames, each as the installed theme provider answers it.  The default provider,
// "none", declines to load, so every binding fails and the system draws its classic look (the
// look defined pixel by pixel in docs/classic-look.md).  A provider installed later serves the
// loads made after it; a library already loaded keeps the provider it was loaded with until its
// last load is freed.  Interface thread only.
#pragma once

#include <array>
#include <string_view>

#include "platform/gdi/geometry.h"
#include "platform/shims/library_registry.h"
#include "platform/shims/ole_types.h"

struct HTHEME__;
using HTHEME = HTHEME__*;

// The visual-style functions the system calls, with the platform's signatures.
using OpenThemeDataProc = HTHEME (*)(HWND window, const WideChar* classList);
using CloseThemeDataProc = HRESULT (*)(HTHEME theme);
using DrawThemeBackgroundProc = HRESULT (*)(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect,
                                            const RECT* clipRect);
using IsThemeActiveProc = BOOL (*)();
using GetCurrentThemeNameProc = HRESULT (*)(WideChar* themeFileName, int maxNameChars, WideChar* colorName,
                                            int maxColorChars, WideChar* sizeName, int maxSizeChars);

// Every function the visual-style library exports.
inline constexpr std::array<std::string_view, 46> kThemeFunctionNames = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeText",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent", "GetThemeTextMetrics",
    "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge", "DrawThemeIcon", "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent", "GetThemeColor", "GetThemeMetric", "GetThemeString", "GetThemeBool",
    "GetThemeInt", "GetThemeEnumValue", "GetThemePosition", "GetThemeFont", "GetThemeRect", "GetThemeMargins",
    "GetThemeIntList", "SetWindowTheme", "GetThemeFilename", "GetThemeSysColor", "GetThemeSysColorBrush",
    "GetThemeSysBool", "GetThemeSysSize", "GetThemeSysFont", "GetThemeSysString", "GetThemeSysInt",
    "IsThemeActive", "IsAppThemed", "GetWindowTheme", "EnableThemeDialogTexture", "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties", "SetThemeAppProperties", "GetCurrentThemeName", "GetThemeDocumentationProperty",
    "GetThemePartSize", "DrawThemeParentBackground", "EnableTheming"};

// A source of the visual-style functions.  Export is asked only for names of kThemeFunctionNames.
class TThemeProvider : public TLibraryImage {
 public:
  // "none" for the default provider.
  virtual std::string_view Name() const = 0;
};

// The provider that serves the next load of the visual-style library.
TThemeProvider& CurrentThemeProvider();
// Installs `provider` (not owned; it must outlive its loads); null reinstalls "none".
void SetThemeProvider(TThemeProvider* provider);

// The registry's entry for "UXTHEME.DLL".
TLibraryImage& ThemeLibraryImage();
