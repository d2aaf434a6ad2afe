#include "platform/core/currency.h"

#include <cmath>

#include "platform/core/binary_rounding.h"
#include "platform/core/extended80.h"
#include "platform/core/float_math.h"

namespace {

using Int128 = __int128;

constexpr Int128 kMaxRaw = Int128{INT64_MAX};
constexpr Int128 kMinRaw = Int128{INT64_MIN};

Currency Checked(Int128 raw) {
  if (raw > kMaxRaw || raw < kMinRaw) RaiseInvalidOp();
  return Currency::FromRaw(static_cast<Int64>(raw));
}

UInt128 Magnitude(Int128 v) { return v < 0 ? UInt128(0) - static_cast<UInt128>(v) : static_cast<UInt128>(v); }

// numerator / denominator rounded to nearest, ties to even; the denominator is nonzero.
Int128 DivideRoundingToEven(Int128 numerator, Int128 denominator) {
  const bool negative = (numerator < 0) != (denominator < 0);
  const UInt128 n = Magnitude(numerator), d = Magnitude(denominator);
  UInt128 q = n / d;
  const UInt128 twiceRest = (n % d) * 2;
  if (twiceRest > d || (twiceRest == d && (q & 1) != 0)) ++q;
  const Int128 magnitude = static_cast<Int128>(q);
  return negative ? -magnitude : magnitude;
}

}  // namespace

Currency Currency::FromDouble(double value) {
  if (!std::isfinite(value)) RaiseInvalidOp();
  if (value == 0) return Currency();
  // value = mantissa * 2^scale exactly, with the mantissa's top bit set; so a scale of 0 or more is
  // already beyond the range, and otherwise the product with the scale needs at most 78 bits.
  const Extended80 x = DoubleToExtended80(value);
  if (x.MantissaScale() >= 0) RaiseInvalidOp();
  const UInt128 magnitude = ShiftRightRoundingToEven(UInt128{x.Mantissa()} * kScale, -x.MantissaScale());
  if (magnitude > UInt128{1} << 63) RaiseInvalidOp();
  const auto signedMagnitude = static_cast<Int128>(magnitude);
  return Checked(x.Negative() ? -signedMagnitude : signedMagnitude);
}

Currency Currency::FromInteger(Int64 value) { return Checked(Int128{value} * kScale); }

double Currency::ToDouble() const {
  if (raw_ == 0) return 0.0;
  // Shifted to the top of 128 bits, the quotient keeps at least 113 significant bits.
  const int lead = 128 - BitLength(Magnitude(raw_));
  const UInt128 shifted = Magnitude(raw_) << lead;
  return ComposeDouble(raw_ < 0, shifted / kScale, shifted % kScale != 0, -lead);
}

Currency Currency::operator-() const { return Checked(-Int128{raw_}); }

Currency operator+(Currency a, Currency b) { return Checked(Int128{a.raw_} + b.raw_); }

Currency operator-(Currency a, Currency b) { return Checked(Int128{a.raw_} - b.raw_); }

Currency operator*(Currency a, Currency b) {
  return Checked(DivideRoundingToEven(Int128{a.raw_} * b.raw_, Currency::kScale));
}

Currency operator/(Currency a, Currency b) {
  if (b.raw_ == 0) {
    if (a.raw_ == 0) RaiseInvalidOp();
    RaiseZeroDivide();
  }
  return Checked(DivideRoundingToEven(Int128{a.raw_} * Currency::kScale, b.raw_));
}
