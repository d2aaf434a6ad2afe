// TBcd: a decimal number of up to 64 digits in packed binary-coded decimal, the 34-byte form that
// database fields and the editors' BCD values keep.
//
// Layout (34 bytes): byte 0 Precision, the number of digits held (1..64); byte 1 the sign in bit 7
// (set: negative) and in bits 0..5 the number of those digits that lie after the decimal point
// (0..63, never more than Precision); bytes 2..33 the digits, two per byte, the first digit in the
// high nibble of byte 2, most significant digit first.  Nibbles past Precision are 0.  Zero is
// Precision 1, digit 0, positive.  Values are exact: conversions to text never round.
// Bit 6 of byte 1 (the "special" flag of other writers) is ignored when read and never written.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/exceptions.h"
#include "platform/core/types.h"

struct TBcd {
  Byte Precision = 1;
  Byte SignSpecialPlaces = 0;
  Byte Fraction[32] = {};
};
static_assert(sizeof(TBcd) == 34);

// Raised when a value does not fit in 64 digits, or a text is not a decimal number.
PR_DECLARE_EXCEPTION(EBcdException, Exception);
PR_DECLARE_EXCEPTION(EBcdOverflowException, EBcdException);

inline constexpr Integer kMaxBcdDigits = 64;

// A decimal number text: optional sign, digits with at most one FormatSettings.DecimalSeparator,
// optional exponent ("E" or "e", optional sign, digits); blanks around it are allowed.  False for
// anything else or a value needing more than 64 digits (after dropping leading and trailing zeros).
bool TryStrToBcd(std::string_view text, TBcd& value);
// As TryStrToBcd; EBcdException "'<text>' is not a valid BCD value" otherwise.
TBcd StrToBcd(std::string_view text);
// Plain decimal text with FormatSettings.DecimalSeparator, shortest form: no exponent, no leading zeros before a digit, no trailing
// zeros after the separator, "-" only for a value other than zero ("-12.5", "0.001", "0").
std::string BcdToStr(const TBcd& value);
// -1, 0 or 1 by value (so 1.50 equals 1.5 and -0 equals 0).
Integer BcdCompare(const TBcd& a, const TBcd& b);
// The double nearest to the value (ties to even).
double BcdToDouble(const TBcd& value);
// The value of the double's shortest round-trip text; EBcdOverflowException for infinities, NaNs
// and values needing more than 64 digits.
TBcd DoubleToBcd(double value);
TBcd IntegerToBcd(Int64 value);
