#include "platform/core/extended80.h"

#include <bit>
#include <cstring>

namespace {

constexpr int kMantissaShift = 16383 + 63;   // value = mantissa * 2^(exponent - kMantissaShift)
constexpr UInt64 kQuietBit = UInt64{1} << 62;
constexpr UInt64 kDoubleSign = UInt64{1} << 63;
constexpr UInt64 kDoubleFraction = (UInt64{1} << 52) - 1;
constexpr UInt64 kDoubleQuietBit = UInt64{1} << 51;
constexpr UInt64 kDoubleExponentAllOnes = UInt64{0x7FF} << 52;
constexpr UInt64 kDefaultNaN = 0xFFF8000000000000;   // the x87 "indefinite": negative quiet NaN
constexpr int kDoubleToExtendedBias = 16383 - 1023;

Extended80 InfinityOf(bool negative) { return Extended80::FromParts(negative, Extended80::kMaxExponent, Extended80::kIntegerBit); }

}  // namespace

Extended80 Extended80::Load(const void* source) {
  Extended80 x;
  std::memcpy(x.bytes.data(), source, kSize);
  return x;
}

void Extended80::Store(void* target) const { std::memcpy(target, bytes.data(), kSize); }

Extended80 Extended80::FromParts(bool negative, Word biasedExponent, UInt64 mantissa) {
  Extended80 x;
  for (std::size_t i = 0; i < 8; ++i) x.bytes[i] = static_cast<Byte>(mantissa >> (8 * i));
  const Word top = static_cast<Word>((biasedExponent & kMaxExponent) | (negative ? 0x8000 : 0));
  x.bytes[8] = static_cast<Byte>(top);
  x.bytes[9] = static_cast<Byte>(top >> 8);
  return x;
}

UInt64 Extended80::Mantissa() const {
  UInt64 m = 0;
  for (std::size_t i = 0; i < 8; ++i) m |= UInt64{bytes[i]} << (8 * i);
  return m;
}

Extended80 DoubleToExtended80(double value) {
  const auto bits = std::bit_cast<UInt64>(value);
  const bool negative = (bits & kDoubleSign) != 0;
  const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const UInt64 fraction = bits & kDoubleFraction;
  if (exponent == 0x7FF) {
    if (fraction == 0) return InfinityOf(negative);
    return Extended80::FromParts(negative, Extended80::kMaxExponent, Extended80::kIntegerBit | kQuietBit | fraction << 11);
  }
  if (exponent == 0) {
    if (fraction == 0) return Extended80::FromParts(negative, 0, 0);
    const int lead = std::countl_zero(fraction);   // subnormal: fraction * 2^-1074, normalized here
    return Extended80::FromParts(negative, static_cast<Word>(-1074 - lead + kMantissaShift), fraction << lead);
  }
  return Extended80::FromParts(negative, static_cast<Word>(exponent + kDoubleToExtendedBias),
                               (fraction | UInt64{1} << 52) << 11);
}

double Extended80ToDouble(const Extended80& value) {
  const bool negative = value.Negative();
  const Word exponent = value.BiasedExponent();
  const UInt64 mantissa = value.Mantissa();
  if (exponent == Extended80::kMaxExponent) {
    if ((mantissa & Extended80::kIntegerBit) == 0) return std::bit_cast<double>(kDefaultNaN);
    const UInt64 sign = negative ? kDoubleSign : 0;
    if ((mantissa << 1) == 0) return std::bit_cast<double>(sign | kDoubleExponentAllOnes);
    return std::bit_cast<double>(sign | kDoubleExponentAllOnes | kDoubleQuietBit | ((mantissa >> 11) & kDoubleFraction));
  }
  return ComposeDouble(negative, mantissa, false, value.MantissaScale());
}

Extended80 ComposeExtended80(bool negative, UInt128 significand, bool inexact, int exponent) {
  if (significand == 0) return Extended80::FromParts(negative, 0, 0);
  const UInt128 w = NormalizeSignificand(significand, inexact, 64, exponent);
  int biased = exponent + 127 + Extended80::kBias;   // biased exponent of the leading bit
  if (biased >= Extended80::kMaxExponent) return InfinityOf(negative);
  if (biased >= 1) {
    UInt128 mantissa = ShiftRightRoundingToEven(w, 64);
    if (mantissa >> 64 != 0) {   // rounded up to 2^64: the next binade
      mantissa >>= 1;
      if (++biased == Extended80::kMaxExponent) return InfinityOf(negative);
    }
    return Extended80::FromParts(negative, static_cast<Word>(biased), static_cast<UInt64>(mantissa));
  }
  // Denormal range: the mantissa scale is fixed at 2^-16445.  A carry into bit 63 makes the smallest
  // normal, which must be stored with exponent 1 (exponent 0 with the integer bit is non-canonical).
  const auto mantissa = static_cast<UInt64>(ShiftRightRoundingToEven(w, 64 + 1 - biased));
  return Extended80::FromParts(negative, (mantissa & Extended80::kIntegerBit) ? 1 : 0, mantissa);
}

Extended80 CanonicalExtended80(const Extended80& value) {
  const Word exponent = value.BiasedExponent();
  const UInt64 mantissa = value.Mantissa();
  if (exponent == Extended80::kMaxExponent) return value;
  if (mantissa == 0) return Extended80::FromParts(value.Negative(), 0, 0);
  // Every finite value is exactly representable in canonical form, so this composition is exact.
  return ComposeExtended80(value.Negative(), mantissa, false, value.MantissaScale());
}
