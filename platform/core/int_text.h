// Integers to text and back, as the class library writes and reads them.
//
// Reading follows the run-time library's integer conversion (`Val`): leading blanks (' ') are
// skipped, then an optional sign, then decimal digits, or hexadecimal digits after a "$", "x", "X"
// or "0x" prefix.  Nothing may follow the digits, not even blanks.  Decimal text must fit the
// type's signed range (-2147483648 reads, 2147483648 does not); hexadecimal text may use every bit
// of the type and wraps ("$FFFFFFFF" is -1 as an Integer).  The StrTo... functions raise
// EConvertError "'<text>' is not a valid integer value" on any failure.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// Decimal text; a minus sign for negative values, no separators.  Serves Integer and Int64 alike.
std::string IntToStr(Int64 value);
// Decimal digits of `value`, padded with zeros to at least `minDigits` digits.
std::string ZeroPaddedDigits(UInt64 value, Integer minDigits);
// Upper-case hexadecimal of the value's two's complement (8 digits at most for an Integer, 16 for
// an Int64), padded with zeros to at least `digits` digits.
std::string IntToHex(Integer value, Integer digits);
std::string IntToHex(Int64 value, Integer digits);

// The run-time library's conversion: `code` is 0 on success, else the one-based position of the
// byte where reading stopped (Length + 1 when the text ended too early).  On failure `value` holds
// the digits read before that point, without their sign.
void Val(std::string_view s, Integer& value, Integer& code);
void Val(std::string_view s, Int64& value, Integer& code);

Integer StrToInt(std::string_view s);
Integer StrToIntDef(std::string_view s, Integer defaultValue);
bool TryStrToInt(std::string_view s, Integer& value);
Int64 StrToInt64(std::string_view s);
Int64 StrToInt64Def(std::string_view s, Int64 defaultValue);
bool TryStrToInt64(std::string_view s, Int64& value);
