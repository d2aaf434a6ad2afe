// The suite's number texts: integers and decimal numbers typed as text, and fixed-point texts.
//
// Reading is forgiving, as the suite's screens expect: every "," is removed first, then the number
// at the front of the text is taken and whatever follows it is ignored; a text without a number
// reads as 0.  Integers follow the platform's integer conversion (`Val`: blanks, sign, decimal
// digits or "$"/"x"/"0x" hexadecimal); when the reading stopped early the digits read so far count
// and their sign is lost ("-12a" reads as 12).  Decimal numbers use "." as the point and an
// optional exponent, whatever the regional settings say.
// Fixed-point texts use "." and no thousands separators, have at most 20 characters and never
// read back as a negative zero.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

std::string IntToText(Integer value);
Integer ParseIntegerText(std::string_view text);
double ParseFloatText(std::string_view text);

// The text of `value` with `decimals` decimals and no leading blanks; halves round away from zero.
std::string FormatFixed(Byte decimals, double value);
// Rounds `value` to `decimals` decimals exactly as `FormatFixed` writes it.
void RoundToDecimals(double& value, Byte decimals);
