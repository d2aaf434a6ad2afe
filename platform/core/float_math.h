// Rounding of doubles to integers as the class library does it, and the floating-point errors.
//
// `Round` rounds to the nearest integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2); `Trunc` cuts toward zero.  Both answer an Int64 and raise EInvalidOp ("Invalid
// floating point operation") for a NaN, an infinity or a result outside the Int64 range, as the
// processor's integer store does.  `Int` and `Frac` split a double into its integer part and the
// rest, both keeping the sign; they never raise (infinities and NaNs give NaN parts as arithmetic does).
// Results never depend on the processor's current rounding mode.
#pragma once

#include "platform/core/types.h"

Int64 Round(double value);
Int64 Trunc(double value);
double Int(double value);
double Frac(double value);

// The class library's floating-point exceptions with their standard messages.
[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseZeroDivide();
