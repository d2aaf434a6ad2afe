// Date routines of the grid's editors and cells: stepping a date by years, months or days, reading
// month/day/year and day/month/year texts, and spotting a date-like text.  Part of the grid's
// utility routines.  Impossible dates raise the platform's date conversion error (EConvertError
// "Invalid argument to date encode").
#pragma once

#include <string_view>

#include "platform/core/types.h"

// With only `days` given (years and months 0): date + days.  With only `years`: the same month and
// day that many years on.  With only `months`: the same day that many months on, across years as
// needed.  Any other combination: date + increment.  The years and months steps give the date
// without its time of day; a day the target month lacks raises the conversion error.
TDateTime StepDate(SmallInt years, SmallInt months, SmallInt days, TDateTime date, TDateTime increment);

// "m/d/y" and "d/m/y": the separator is the first of "/", "." and "-" found in the text; the two
// numbers before the separators and the year after them must be whole integers, else the result
// is 0.  A year of 25 or less is 2000 on, any other 1900 on (so "1999" is the year 3899).
TDateTime ParseDateMDY(std::string_view text);
TDateTime ParseDateDMY(std::string_view text);

// True when the locale's date separator occurs at position 2 or later and again at least two
// positions after that.
bool HasTwoDateSeparators(std::string_view text);
