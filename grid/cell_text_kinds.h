// What a cell text is: its kind (plain, markup, rich text, formula, wide text), whether it reads
// as a number, and the number text it is converted from.  Part of the grid's utility routines.
//
// The locale's thousand and decimal separators (FormatSettings) are read at each call.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// CellTextKind results.
inline constexpr Integer ctkPlain = 0, ctkMarkup = 1, ctkRichText = 2, ctkFormula = 3, ctkWideText = 5;

// Rich text begins "{\"; a formula begins "=", or is wide text ("|\") whose fourth character is
// "="; other wide text begins "|\"; with `markupEnabled`, a text holding "</", "<B" or "<I" (in
// that case) is markup; anything else, the empty text included, is plain.  The prefixes decide
// before the markup test, so encoded wide text is never taken for markup.
Integer CellTextKind(std::string_view text, bool markupEnabled);

// A text shown as a link (with URLShow): it holds "://" or "mailto:".
bool IsLinkText(std::string_view text);

// NumberTextKind results.
inline constexpr Integer ntkInteger = 0, ntkDecimal = 1, ntkNotANumber = 2, ntkScientific = 5;

// Integer: digits and a "-" only in front (a lone "-" counts).  Decimal: digits, a leading "-",
// at most one thousand separator (not in front) and at most one decimal separator.  Scientific:
// "+", "-" (at most two), digits, at most one decimal separator and exactly one "E" or "e", which
// is not first, and no "+", "-", "E" or "e" at the end.  Everything else, and the empty text, is
// not a number.
Integer NumberTextKind(std::string_view text);

// The number text a cell text is converted from, with "." as its decimal point whatever the
// locale: blanks trimmed; "(...)" negative; leading characters that cannot start a number dropped
// (a "-" among them makes it negative) while two or more characters remain; then thousand
// separators skipped, the decimal separator written ".", digits, "+", "-", ".", "E" and "e" copied
// up to the first other character; "-" in front when negative.  Letters alone give "".
std::string NormalizeNumberText(std::string_view text);
