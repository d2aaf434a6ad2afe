// The suite's money texts: amounts with `AmountDecimals` decimals, thousands commas, right-aligned
// in a width of at most 25 characters.
//
// An amount that does not fit its width first loses its commas and then becomes a row of
// asterisks as wide as the width.  At most three commas are inserted (below a thousand billion the
// grouping is complete; above it the leading digits stay together: "1234,567,890,123.00").
#pragma once

#include <string>

#include "platform/core/types.h"

// The number of decimals of money texts: 2, set at start-up, changed by nothing.
extern Byte AmountDecimals;

// `value` rounded to AmountDecimals, with commas, right-aligned in `width` (1..25) characters.
std::string FormatAmount(Byte width, double value);
// FormatAmount(20, value) without its blanks.
std::string FormatAmountTrim(double value);
// As FormatAmount(width + 3, ...) (FormatAmountTrim for width 0) without the point and decimals.
std::string FormatWholeAmount(Byte width, double value);
// Drops the commas of a text wider than `width`, then turns a text still too wide into asterisks.
void FitAmountWidth(std::string& text, Byte width);
// Inserts the thousands commas into the fixed-point text of `value`.
void InsertThousands(std::string& text, double value);
