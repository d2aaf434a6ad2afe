// The desktop system's version as the program sees it, decided in this one place: version 6.1
// (build 7601), a Windows NT platform, and desktop composition switched off.
//
// Version 6.1 sends the program down its modern paths (themes, no pre-XP fall-backs); with
// composition off it chooses its classic look and feel and draws its own window frames, which
// is what this platform's window manager offers.
#pragma once

#include "platform/core/types.h"

inline constexpr DWORD VER_PLATFORM_WIN32s = 0, VER_PLATFORM_WIN32_WINDOWS = 1, VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
};

// Major version in the low byte, minor in the next, the build in the high word.
DWORD GetVersion();
OSVERSIONINFO GetVersionEx();
// What the composition library's query answers; False here.
bool DesktopCompositionEnabled();
