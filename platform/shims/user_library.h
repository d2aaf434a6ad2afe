// The window layer's library "USER32.DLL" as the registry answers it: always present, exporting
// the functions the system binds by name at run time because older systems lacked them: the
// monitor functions MonitorFromPoint and GetMonitorInfoA of the window layer
// (platform/user/system_parameters.h).  Everything else of the window layer is called directly.
#pragma once

#include <array>
#include <string_view>

#include "platform/shims/library_registry.h"
#include "platform/user/system_parameters.h"

using MonitorFromPointProc = HMONITOR (*)(TPoint point, DWORD flags);
using GetMonitorInfoAProc = BOOL (*)(HMONITOR monitor, MONITORINFO* info);

inline constexpr std::array<std::string_view, 2> kUserLibraryFunctionNames = {"MonitorFromPoint", "GetMonitorInfoA"};

// The registry's entry for "USER32.DLL".
TLibraryImage& UserLibraryImage();
