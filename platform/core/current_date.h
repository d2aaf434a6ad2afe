// Today's date for the routines of platform/core that need it (a date text without a year, two-digit
// year windows), through a replaceable hook.
//
// platform/core makes no clock reading of its own beyond a fallback: the injectable clock of
// platform/os installs its `Date()` here at start-up, so tests that set a fake clock also set the
// year StrToDate assumes.  Until a hook is installed (or after SetCurrentDateHook(nullptr)) the
// local date comes from the system.  The hook returns a TDateTime at midnight (its fraction is
// ignored).  Installing and calling the hook are thread-safe.
#pragma once

#include "platform/core/types.h"

using TCurrentDateHook = TDateTime (*)();

// Installs `hook` (nullptr: the system's local date) and returns the one installed before.
TCurrentDateHook SetCurrentDateHook(TCurrentDateHook hook);

TDateTime CurrentDate();
Word CurrentYear();
