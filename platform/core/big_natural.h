// A small arbitrary-precision natural number for the decimal side of the 80-bit float codec.
//
// Only what exact decimal <-> binary conversion needs: building from decimal digits or a 64-bit
// integer, scaling by powers of two and ten, adding, subtracting and comparing.  Limbs are 32-bit,
// least significant first, and never end in a zero limb (zero has no limbs), so equal numbers have
// equal limb vectors.
#pragma once

#include <compare>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

class BigNatural {
 public:
  BigNatural() = default;
  explicit BigNatural(UInt64 value);
  // The number written by a string of decimal digits '0'..'9' (no sign, no other characters).
  static BigNatural FromDecimal(std::string_view digits);

  bool IsZero() const { return limbs_.empty(); }
  int BitLength() const;

  void MultiplyAdd(Cardinal factor, Cardinal addend);
  void MultiplyByPowerOf10(int exponent);
  void ShiftLeft(int bits);
  void ShiftRight(int bits);
  BigNatural& operator+=(const BigNatural& other);
  BigNatural& operator-=(const BigNatural& other);   // requires other <= *this

  friend std::strong_ordering operator<=>(const BigNatural& a, const BigNatural& b);
  friend bool operator==(const BigNatural& a, const BigNatural& b) = default;

 private:
  void Trim();

  std::vector<Cardinal> limbs_;
};
