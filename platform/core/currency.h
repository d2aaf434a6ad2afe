// Currency: a fixed-point amount held as an Int64 count of ten-thousandths (1.5 is stored as 15000),
// the layout currency values have in memory, streams and variants.
//
// Conversions and arithmetic follow the class library: a double becomes the nearest count (exact
// halves to the even count); a product or quotient is computed exactly and then rounded once to the
// nearest count, halves to even.  A result outside the Int64 range, or from a NaN or an infinity,
// raises EInvalidOp; dividing a nonzero amount by zero raises EZeroDivide, zero by zero EInvalidOp.
// Texts of amounts belong to the number-text routines, not here.
#pragma once

#include <compare>

#include "platform/core/types.h"

class Currency {
 public:
  static constexpr Int64 kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(Int64 raw) { return Currency(raw); }
  static Currency FromDouble(double value);
  static Currency FromInteger(Int64 value);

  constexpr Int64 Raw() const { return raw_; }
  // The double nearest to the amount (exact for every amount below 2^53 ten-thousandths in size).
  double ToDouble() const;

  friend constexpr auto operator<=>(Currency, Currency) = default;
  Currency operator-() const;
  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  friend Currency operator*(Currency a, Currency b);
  friend Currency operator/(Currency a, Currency b);

 private:
  constexpr explicit Currency(Int64 raw) : raw_(raw) {}

  Int64 raw_ = 0;
};
