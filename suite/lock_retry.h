// Whether a record-file operation that met another station's lock is tried again.
//
// After a failed engine call whose error class is 2 (a lock or access conflict), the wrapper retries
// silently for a bounded time on the platform's clock, pausing between attempts (the engine itself
// already waits up to a few seconds inside one attempt for some locks, not at all for others); the
// silent phase starts at the first conflict.  When the time is up, the user is asked whether to try
// again (Yes: another silent phase) or to give up (No: the program is to end, exit code 1).  Any
// other outcome ends the retries.  docs/suite-wrapper.md gives the rules and the numbers.
//
// Invariant: a phase that stops retrying leaves no state behind, so the next operation starts a
// fresh one.
#pragma once

#include "platform/core/types.h"

// Length of one silent phase, and the pause before each silent retry, in milliseconds of the
// platform's clock.  Settable (tests use short phases).
extern DWORD LockRetryTimeLimitMs;
extern DWORD LockRetryPauseMs;

inline constexpr DWORD kDefaultLockRetryTimeLimitMs = 3000;
inline constexpr DWORD kDefaultLockRetryPauseMs = 100;

// Decides after an engine call whether to repeat it.  `ask` false: give up without asking when the
// phase is over.
bool LockRetryQuestion(bool ask);
