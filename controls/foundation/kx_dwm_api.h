// The control library's binding of the desktop composition library (unit kxDWMApi): on a system
// of version 6 or later, "dwmapi.dll" is loaded through the shims' library registry and its nine
// functions are bound by name; the system asks only whether composition is on.
#pragma once

#include <array>
#include <string_view>

#include "platform/core/units.h"
#include "platform/os/os_version.h"

inline constexpr std::array<std::string_view, 9> kDwmBoundFunctionNames = {
    "DwmDefWindowProc", "DwmEnableBlurBehindWindow", "DwmEnableComposition", "DwmEnableMMCSS",
    "DwmExtendFrameIntoClientArea", "DwmGetColorizationColor", "DwmGetWindowAttribute", "DwmIsCompositionEnabled",
    "DwmSetWindowAttribute"};

// False for a major version of 5 or less (nothing is loaded then) or when the library does not
// load; otherwise binds the nine names and answers true.  The answer is IsDwmAvailable.
bool InitDwmApi(DWORD MajorVersion);
// Frees the library when loaded and forgets the binding.
void DoneDwmApi();
bool IsDwmAvailable();
// False without the library; otherwise DwmIsCompositionEnabled's answer (a failed call is off).
bool IsDwmCompositionActive();

// InitDwmApi for the platform's version, and DoneDwmApi.
extern const Unit kxDWMApiUnit;
