// Rounding of wide binary significands to nearest, ties to even: the single rounding step shared by
// the 80-bit float codec, its decimal reader and Currency's conversion to double.
//
// A value is given as significand * 2^exponent with an unsigned 128-bit significand and an `inexact`
// flag that says the true value lies strictly above it (by less than one unit of the significand).
// The flag decides ties that the kept bits alone cannot, so a value first truncated and then rounded
// here is rounded exactly once, never twice.  An inexact significand must carry at least two
// significant bits more than the result keeps (the rounding bit and one below it), since the bits
// of the true value beyond it are unknown.
#pragma once

#include "platform/core/types.h"

using UInt128 = unsigned __int128;

// Number of significant bits of w (0 for 0).
int BitLength(UInt128 w);

// w / 2^shift rounded to nearest, ties to even, for any shift >= 0 (0 when shift > 128).
UInt128 ShiftRightRoundingToEven(UInt128 w, int shift);

// Shifts a nonzero significand left until its top bit is bit 127, adjusting the exponent, and folds
// `inexact` into bit 0 (a sticky bit); an inexact significand needs `keptBits` + 2 significant bits.
UInt128 NormalizeSignificand(UInt128 significand, bool inexact, int keptBits, int& exponent);

// The double nearest to significand * 2^exponent (ties to even), negated when `negative`.  Values
// beyond the largest double become infinity; tiny values become subnormals or zero with one rounding.
double ComposeDouble(bool negative, UInt128 significand, bool inexact, int exponent);
