// The 80-bit extended float as stored in record files and streams, and its exact software codec.
//
// Layout (10 bytes, little-endian): bytes 0-7 the 64-bit mantissa with an explicit integer bit (bit
// 63), bytes 8-9 the 15-bit exponent biased by 16383 with the sign in bit 15.  Exponent 0 holds zero
// and denormals (value = mantissa * 2^-16445); exponent 0x7FFF holds infinities (mantissa 2^63) and
// NaNs; any other exponent e holds mantissa * 2^(e - 16446).
//
// Nothing here touches the host's long double: the codec works on integers only, so results are the
// same on every processor.  Conversions from double are exact; conversions to double round to
// nearest, ties to even.  Non-canonical encodings (an integer bit that disagrees with the exponent)
// are read by their numeric value; see docs/format-extended80.md for every rule.
#pragma once

#include <array>
#include <cstddef>

#include "platform/core/binary_rounding.h"
#include "platform/core/types.h"

struct Extended80 {
  static constexpr std::size_t kSize = 10;
  static constexpr int kBias = 16383;
  static constexpr Word kMaxExponent = 0x7FFF;   // infinities and NaNs
  static constexpr UInt64 kIntegerBit = UInt64{1} << 63;

  std::array<Byte, kSize> bytes{};

  // Reads or writes the 10 bytes at a position of a record buffer.
  static Extended80 Load(const void* source);
  void Store(void* target) const;

  static Extended80 FromParts(bool negative, Word biasedExponent, UInt64 mantissa);
  bool Negative() const { return (bytes[9] & 0x80) != 0; }
  Word BiasedExponent() const { return static_cast<Word>((bytes[9] & 0x7F) << 8 | bytes[8]); }
  UInt64 Mantissa() const;
  // Binary exponent of mantissa bit 0 for a finite encoding (exponent 0 scales like exponent 1).
  int MantissaScale() const { return (BiasedExponent() == 0 ? 1 : BiasedExponent()) - (kBias + 63); }

  // Equality of the stored bytes: +0 and -0 differ, a NaN equals its own bytes.
  bool operator==(const Extended80&) const = default;
};

// The exact 10-byte form of a double.  A signalling NaN becomes quiet, as the x87 loads it.
Extended80 DoubleToExtended80(double value);

// The double nearest to the 10-byte value.  Unnormals and pseudo-denormals convert by their numeric
// value; pseudo-infinities and pseudo-NaNs (exponent 0x7FFF without integer bit) give the default
// NaN.  A NaN keeps its sign and the top 51 bits of its payload and comes back quiet.
double Extended80ToDouble(const Extended80& value);

// The 10-byte value nearest to significand * 2^exponent (ties to even; `inexact` says the true value
// lies strictly above), negated when `negative`; overflow gives infinity, underflow denormals or zero.
Extended80 ComposeExtended80(bool negative, UInt128 significand, bool inexact, int exponent);

// The canonical encoding of the same number: unnormals and pseudo-denormals are normalized; other
// values, NaNs included, are returned unchanged.
Extended80 CanonicalExtended80(const Extended80& value);
