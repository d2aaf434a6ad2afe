// The condition language of the grid's filter and finder, and the matcher that decides whether a
// cell text satisfies a condition.  Pure functions; the locale's separators and short date format
// (FormatSettings) are read at each call.
//
// A condition is single conditions joined by "&" (and) or "|", ";", "^" (or), applied strictly
// from left to right ('a|b&c' is (a or b) and c).  A single condition may hold comparisons
// (">", ">=", "<", "<="; numbers, then dates in the short date format, then texts byte-wise), a
// negation "!", wildcards ("*" any run, "?" one character, "\" the next character literally) and
// double quotes, which group blanks and connectives into a literal and are not matched themselves.
// docs/grid-text.md has the full rules.
//
// Matching is polynomial: "*" tries the tails of the value through a table of the decisions already
// made for each condition suffix (about condition length x value length^2 steps at worst), so a
// condition full of "*" against a long cell ends quickly.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// The entry point: trims the condition, removes its blanks outside double quotes and one leading
// "=", then matches it part by part between unquoted connectives.
bool MatchCondition(std::string_view condition, std::string_view value, bool caseSensitive);
// One condition without connectives; both texts upper-cased unless `caseSensitive`.
bool MatchSingle(std::string_view condition, std::string_view value, bool caseSensitive);
// Comparisons, negation and wildcards of one condition, texts taken as they are.
bool MatchCore(std::string_view condition, std::string_view value);

// The text without its blanks outside double quotes.
std::string StripUnquotedSpaces(std::string_view text);
// The text with every thousand separator removed and every decimal separator written "."; it is
// read as a number with "." as its decimal point whatever the locale.
std::string PlainNumberText(std::string_view text);
// A date written in the order of the short date format with the date separator between its three
// whole numbers, taken as written (a two-digit year is that year of the first century); false when
// the text is no such date or the date does not exist.
bool ParseLocalDate(std::string_view text, TDateTime& date);
