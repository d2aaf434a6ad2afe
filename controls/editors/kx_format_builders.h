// What the format controller makes of the locale's formats (unit kxFormats): the classic edit
// masks, the regular-expression masks, the display formats, the currency display format and the
// date edit format.  All read FormatSettings for separators, AM/PM strings, month names and money.
#pragma once

#include <string>
#include <string_view>

#include "controls/editors/kx_format_info.h"

enum class TkxFormatGroup { Date, Time };

// "!" + the mask characters of each item + ";1; " (literals saved, a blank as blank); empty for an empty
// info.  «d/M/yyyy» gives «!99/99/9999;1; ».
std::string BuildClassicMask(const TkxDateTimeFormatInfo& Info);
// The regular expressions of the group's items, in order (literals in both groups, quoted).
std::string BuildRegExprMask(const TkxDateTimeFormatInfo& Info, TkxFormatGroup Group);
// A FormatDateTime format with fixed-width fields matching the masks ("dd/mm/yyyy").
std::string BuildDisplayFormat(const TkxDateTimeFormatInfo& Info);
// positive + ";" + negative, after the locale's currency layouts: "$,0.00;($,0.00)".
std::string BuildCurrencyFormat();
// The short date format with every "d" and "M" that stands alone doubled: «d/M/yyyy» gives
// «dd/MM/yyyy».
std::string BuildDateEditText(std::string_view ShortDateFormat);
