// MulDiv: Number * Numerator / Denominator through a 64-bit product, rounded half away from zero;
// -1 when Denominator is 0 (the classic 32-bit contract, which thumb and point scaling rely on).
#pragma once

#include <cstdint>

inline int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(Number) * Numerator;
  const std::int64_t half = (Denominator < 0 ? -Denominator : Denominator) / 2;
  const bool negative = (product < 0) != (Denominator < 0);
  const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (Denominator < 0 ? -Denominator : Denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}
