// DateToShortDateText (interim): the editor framework's date text, until the framework is built.
//
// Kind 1 is the only kind: the date in the system's short date format of the selected locale
// (FormatSettings, which shows Buddhist-era years under the Thai locale), followed by a blank and
// the long time text when the value has a time of day.  The year is written as the format writes
// it (a two-digit year stays two digits).  The null date (-700000) gives an empty text, and so
// does any other kind.
#pragma once

#include <string>

#include "platform/core/types.h"

inline constexpr TDateTime NullDate = -700000.0;

void DateToShortDateText(Integer Kind, std::string& Text, TDateTime Date);
