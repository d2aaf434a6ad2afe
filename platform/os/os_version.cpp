// The fixed version answers (see os_version.h).
#include "platform/os/os_version.h"

namespace {

constexpr OSVERSIONINFO kVersion{6, 1, 7601, VER_PLATFORM_WIN32_NT};

}  // namespace

DWORD GetVersion() {
  return kVersion.dwMajorVersion | (kVersion.dwMinorVersion << 8) | (kVersion.dwBuildNumber << 16);
}

OSVERSIONINFO GetVersionEx() { return kVersion; }

bool DesktopCompositionEnabled() { return false; }
