// The number-text routines of the text editors (unit kxTextEdit): thousand separators put into and
// taken out of a number typed as text, and the tests of a numeric text.  All of them use the
// process-wide FormatSettings (thousand and decimal separators).
#pragma once

#include <string>
#include <string_view>

// Puts the locale's thousand separator after every third digit of the integer part (1234567 ->
// 1,234,567); the separators already present are dropped first.  Blanks around the number and an
// exponent ("E..." or "e...") are kept; the run of digits stops at a sign or any other character.
void FormatNumberWithThousandSeparators(std::string& Text);
// Moves the part from the first "E" or "e" to the end into Exponent; without one Exponent is
// empty and Text stays.
void SplitExponentPart(std::string& Text, std::string& Exponent);
// Deletes every thousand separator of the locale.
void RemoveThousandSeparators(std::string& Text);
// True when Text without its thousand separators is not empty and reads as a floating-point number
// under the locale's settings.
bool IsNumericText(std::string_view Text);
bool IsDigitChar(char Ch);
