#include "grid/windows_version.h"

bool IsWindowsXPOrLater(const OSVERSIONINFO& version) {
  return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion != 0);
}

bool IsWindowsXPOrLater() { return IsWindowsXPOrLater(GetVersionEx()); }
