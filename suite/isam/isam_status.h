// The engine's status globals.  Every public operation clears them on entry; the first failing step
// of the operation stores its number and later failures (for example of a clean-up) leave it alone,
// so callers always see the cause.  Nothing in the engine raises.
#pragma once

#include "platform/core/types.h"

extern bool IsamLastOK;
extern Integer IsamErrorCode;

// 0 no error, 1 not found, 2 lock or access conflict (worth a retry), 3 save-mode failure undone,
// 4 anything else.
Integer IsamErrorClass();

// Clears the status at the start of an operation.
void IsamClearStatus();
// Records a failure unless an earlier step of the operation already failed.  Returns false so that
// callers can write `return IsamFail(n);`.
bool IsamFail(Integer code);
// Replaces the number of a failure already recorded (the error translations of the engine's entry
// and exit, e.g. a system failure that a lock caused).
void IsamReplaceError(Integer from, Integer to);
// Replaces whatever failure was recorded by `code` (the result of an undone save-mode operation).
void IsamForceError(Integer code);
