// Typed text to a date-time (unit kxDateUtils): smart keywords ("today", "eom-1", "Friday + 2",
// kx_smart_keywords.h) and ordinary date texts.  Conversion errors never escape: the routines
// answer False and leave the null date.
#pragma once

#include <string>

#include "platform/core/types.h"

// A program may answer texts that are no keyword; none is set in this system.
using TkxSmartTextHook = bool (*)(const std::string& Text, TDateTime& Date);
extern TkxSmartTextHook SmartTextHook;

// The keyword that begins Text (case-insensitive, the longest first, so "tomorrow" is not "to...").
bool MatchSmartKeyword(const std::string& Text, Integer& Index);
// Date := the keyword's date from today, moved by a "+" or "-" and a number of days after it (a
// number that does not read leaves the keyword's date).  False when no keyword begins the text
// and the hook does not answer it.
bool SmartTextToDate(const std::string& Text, TDateTime& Date);
// Blanks out the literal parts of the controller's date and time formats (those that are no date
// or time separator or AM/PM designator), then trims and collapses runs of blanks.  The
// separators and designators come from the thread locale (AUseLocale) or from FormatSettings.
void PrepareDateText(std::string& Text, bool AUseLocale);
// A smart text, else a prepared date text read with the program's formats or the Variant
// conversion (the controller's choice).  True only for a date between 1 January 1 and
// 31 December 9999.
bool TextToDateValue(const std::string& Text, TDateTime& Date);
// A prepared text read with the Variant conversion (AUseVariantConversion) or StrToDateTime; no
// smart input.  False, and the null date, when it does not read.
bool TryEditTextToDateTime(const std::string& Text, bool AUseVariantConversion, TDateTime& Date);
