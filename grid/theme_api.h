// The grid library's visual-style functions (unit VerUZED): the set the grid's themed drawing
// calls (themed parts of cells, editors, markup form-control fields and combo buttons; whether
// themes are active; the current theme's name), bound by name at start-up.  The grid draws themed
// only while the set is loaded and IsThemeActive answers true, and classically otherwise.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/core/units.h"
#include "platform/shims/theme_provider.h"

namespace VerUZED {

// The names bound, in binding order.
inline constexpr std::array<std::string_view, 45> kBoundThemeFunctions = {
    "OpenThemeData", "CloseThemeData", "DrawThemeBackground", "DrawThemeText",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundExtent", "GetThemeTextExtent", "GetThemeTextMetrics",
    "GetThemeBackgroundRegion", "HitTestThemeBackground", "DrawThemeEdge", "DrawThemeIcon", "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent", "GetThemeColor", "GetThemeMetric", "GetThemeString", "GetThemeBool",
    "GetThemeInt", "GetThemeEnumValue", "GetThemePosition", "GetThemeFont", "GetThemeRect", "GetThemeMargins",
    "GetThemeIntList", "SetWindowTheme", "GetThemeFilename", "GetThemeSysColor", "GetThemeSysColorBrush",
    "GetThemeSysBool", "GetThemeSysSize", "GetThemeSysFont", "GetThemeSysString", "GetThemeSysInt",
    "IsThemeActive", "IsAppThemed", "GetWindowTheme", "EnableThemeDialogTexture", "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties", "SetThemeAppProperties", "GetCurrentThemeName", "GetThemeDocumentationProperty",
    "DrawThemeParentBackground", "EnableTheming"};

// Binds the set (see TThemeFunctionSet::Bind); nothing when it is loaded already.
void LoadThemeApi();
// Frees the library when loaded, then clears the flag and every address.
void UnloadThemeApi();

bool ThemeApiLoaded();
HMODULE ThemeLibrary();
// The address bound for kBoundThemeFunctions[index]; null while not bound.
FARPROC ThemeFunction(std::size_t index);

// The functions the grid calls, typed; null while not bound.
OpenThemeDataProc OpenThemeData();
CloseThemeDataProc CloseThemeData();
DrawThemeBackgroundProc DrawThemeBackground();
IsThemeActiveProc IsThemeActive();
GetCurrentThemeNameProc GetCurrentThemeName();

// Initialisation LoadThemeApi, finalisation UnloadThemeApi.
extern const Unit ThemeApiUnit;

}  // namespace VerUZED
