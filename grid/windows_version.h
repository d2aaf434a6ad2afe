// Whether the system is Windows XP (version 5.1) or later, which the markup renderer asks before
// it draws form-control fields themed.  The platform reports version 6.1 (platform/os/os_version.h).
#pragma once

#include "platform/os/os_version.h"

// True for a major version above 5, or 5 with a minor version other than 0.
bool IsWindowsXPOrLater(const OSVERSIONINFO& version);
// The same for the version the platform reports.
bool IsWindowsXPOrLater();
