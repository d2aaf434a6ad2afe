// The second visual-style function set of the grid library (unit APXPVS): bound by name at
// start-up like VerUZED's (theme_api.h), with "GetThemePartSize" as well, and called by nothing in
// this system.  Its finalisation frees the library but leaves the flag and the addresses set.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/core/units.h"
#include "platform/shims/library_registry.h"

namespace APXPVS {

// The names bound, in binding order.
inline constexpr std::array<std::string_view, 46> kBoundThemeFunctions = {
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

void LoadAPXThemeApi();
// Frees the library when loaded; the flag and the addresses stay.
void UnloadAPXThemeApi();

bool APXThemeApiLoaded();
HMODULE APXThemeLibrary();
// The address bound for kBoundThemeFunctions[index]; null while not bound.
FARPROC APXThemeFunction(std::size_t index);

// Initialisation LoadAPXThemeApi, finalisation UnloadAPXThemeApi.
extern const Unit APXThemeApiUnit;

}  // namespace APXPVS
