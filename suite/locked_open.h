// Opening a shared file that another program may be holding for a moment.
//
// An open that fails with `FileLockedIOResult` (the file is held by another program) is tried
// again, at most `retries` more times, pausing `pauseMs` milliseconds on the platform's clock
// before each new try (0: no pause).  Any other result ends the tries at once.  The bound keeps a
// file that stays held from stalling the program: the caller then treats it like any file that
// cannot be opened.
#pragma once

#include <functional>

#include "platform/core/types.h"

// `tryOpen` makes one attempt and returns its IOResult (0 on success).  Returns the last result.
Integer OpenRetryingWhileLocked(const std::function<Integer()>& tryOpen, Integer retries, DWORD pauseMs);
