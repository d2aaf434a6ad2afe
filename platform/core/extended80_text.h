// Decimal text to and from the 80-bit extended float, exactly: texts are read straight into the
// 10-byte form, correctly rounded to its 64-bit mantissa (ties to even), without passing through a
// double; values are written with the fewest significant digits that read back to the same bytes.
//
// Accepted text: an optional sign, decimal digits with an optional '.' fraction (at least one digit
// in all, so "1.", ".5" and "1.5" are numbers and "." is not), then an optional exponent: 'e' or 'E',
// an optional sign and at least one digit.  No blanks, separators or other characters.
//
// Written text: "-" for negative values (zero too), the significant digits with a '.' where needed,
// plain for decimal exponents -5 .. 20 ("1650", "999999999.99", "0.00001") and with an exponent
// otherwise ("1.5E-7", "1E25").  Infinities and NaNs are written "INF", "-INF" and "NAN"; they are not
// read back.  At most 21 significant digits are ever needed to single out a 64-bit mantissa.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/core/extended80.h"

// Reads the longest number at the start of text into value; answers how many characters it took
// (0, and value unchanged, when the text does not start with a number).
std::size_t ScanExtended80(std::string_view text, Extended80& value);

// Reads a text that is one whole number; false (value unchanged) for anything else.
bool TextToExtended80(std::string_view text, Extended80& value);

// The shortest decimal text that reads back to the same value (to its canonical encoding for the
// non-canonical ones).
std::string Extended80ToText(const Extended80& value);
