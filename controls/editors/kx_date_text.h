// A date-time as the text an editor shows (unit kxDateUtils).
//
// Two paths: the program's own formats (FormatSettings: short date, and the long time when the
// value has a time of day) or the locale's (the thread locale's short date through
// GetDateFormatA, and GetTimeFormatA's default time text).  The format controller's
// UsePlatformFormats chooses between them for the editors.  The null date gives an empty text.
#pragma once

#include <string>

#include "platform/core/types.h"

// AFourDigitYear widens a two-digit year of the short date format ("yy" without "yyy") to four.
void DateTimeToDisplayText(bool AFourDigitYear, bool AUseProgramFormats, std::string& Text, TDateTime Date);
// DateTimeToDisplayText with the format controller's choice of path.
void DateTimeToDisplayTextEx(bool AFourDigitYear, std::string& Text, TDateTime Date);
// Not masked: DateTimeToDisplayTextEx; masked: the controller's date-time or date display format
// (fixed-width fields matching its masks).
void DateTimeToEditText(bool AMasked, bool AWithTime, bool AFourDigitYear, std::string& Text, TDateTime Date);
