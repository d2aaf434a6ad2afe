// The decimal digits of a double or a Currency amount, rounded as the class library's number texts
// round them.
//
// `FloatToDecimal` and `CurrToDecimal` are the one place where a value becomes decimal digits; every
// number text of platform/core (FloatToStrF, FormatFloat, CurrToStrF, FormatCurr, Format's e f g n m)
// is laid out from their result.  A Currency amount's digits are exact (at most 19) and are rounded
// once, half away from zero.
// Rounding, in two steps as the class library does it:
//   1. the exact binary value is rounded to 18 significant digits (ties to even: exact, since the
//      binary value is exact);
//   2. that 18-digit string is rounded half away from zero to `precision` significant digits and
//      `decimals` digits after the point, whichever leaves fewer.
// So 0.125 with 2 decimals gives 0.13 and 2.675 (really 2.67499999999999982...) gives 2.67.
// Invariants of the result: `Digits` holds 0..18 (Currency: 0..19) ASCII digits with no trailing
// zero, NUL-terminated; the value is 0.Digits x 10^Exponent; an empty `Digits` is zero, and zero is never `Negative`
// (a value that rounds to zero carries no sign).
#pragma once

#include "platform/core/currency.h"
#include "platform/core/types.h"

struct TFloatRec {
  SmallInt Exponent = 0;   // kFloatRecInfinity / kFloatRecNaN for the special values
  bool Negative = false;
  char Digits[21] = {};
};

inline constexpr SmallInt kFloatRecInfinity = 0x7FFF;
inline constexpr SmallInt kFloatRecNaN = -0x8000;
inline constexpr Integer kMaxFloatDigits = 18;
inline constexpr Integer kMaxCurrencyDigits = 19;

// `precision` is clamped to 1..18 (Currency: 1..19); pass a large `decimals` (9999) for "significant digits only".
void FloatToDecimal(TFloatRec& result, double value, Integer precision, Integer decimals);
void CurrToDecimal(TFloatRec& result, Currency value, Integer precision, Integer decimals);
