#include "platform/core/binary_rounding.h"

#include <bit>
#include <cassert>

namespace {

constexpr int kDoubleBias = 1023;
constexpr int kDoubleMaxBiased = 0x7FF;
constexpr int kDoubleKeptShift = 128 - 53;   // a normalized significand keeps its top 53 bits

}  // namespace

int BitLength(UInt128 w) {
  const auto high = static_cast<UInt64>(w >> 64);
  if (high != 0) return 128 - std::countl_zero(high);
  return 64 - std::countl_zero(static_cast<UInt64>(w));
}

UInt128 ShiftRightRoundingToEven(UInt128 w, int shift) {
  if (shift <= 0) return w;
  if (shift > 128) return 0;
  const UInt128 kept = shift == 128 ? 0 : w >> shift;
  const UInt128 half = UInt128{1} << (shift - 1);
  const UInt128 rest = w & ((half << 1) - 1);   // at shift 128 the mask wraps to all ones
  const bool up = rest > half || (rest == half && (kept & 1) != 0);
  return kept + (up ? 1 : 0);
}

UInt128 NormalizeSignificand(UInt128 significand, bool inexact, [[maybe_unused]] int keptBits, int& exponent) {
  const int length = BitLength(significand);
  assert(length > 0 && (!inexact || length >= keptBits + 2));
  const int lead = 128 - length;
  exponent -= lead;
  return (significand << lead) | (inexact ? 1 : 0);
}

double ComposeDouble(bool negative, UInt128 significand, bool inexact, int exponent) {
  const UInt64 sign = negative ? UInt64{1} << 63 : 0;
  if (significand == 0) return std::bit_cast<double>(sign);
  const UInt128 w = NormalizeSignificand(significand, inexact, 53, exponent);
  const int biased = exponent + 127 + kDoubleBias;   // biased exponent of the leading bit
  if (biased >= kDoubleMaxBiased) return std::bit_cast<double>(sign | UInt64{kDoubleMaxBiased} << 52);
  // A rounded significand of 2^53 (or 2^52 below the normal range) carries into the exponent field
  // by plain addition, which is exactly the next binade (or infinity).
  const UInt64 bits =
      biased >= 1 ? (UInt64(biased - 1) << 52) + static_cast<UInt64>(ShiftRightRoundingToEven(w, kDoubleKeptShift))
                  : static_cast<UInt64>(ShiftRightRoundingToEven(w, kDoubleKeptShift + 1 - biased));
  return std::bit_cast<double>(sign | bits);
}
