// TDateTime arithmetic: encoding and decoding dates and times, leap years, month lengths, weekdays
// and month steps.
//
// A TDateTime is a double of days since 1899-12-30 (0.0); the fraction is the time of day.  Days
// count from there in both directions, and for negative values the time runs the other way: -1.25
// is 1899-12-29 06:00 (the date part is truncated toward zero, the time is the absolute fraction).
// Decoding first rounds the value to whole milliseconds, so a time never decodes as 24:00:00 and
// the date and the time of one value always agree.  Valid dates are 0001-01-01 (-693593) to
// 9999-12-31 (2958465); decoding anything outside (or NaN) gives all-zero parts.
// Encoding raises EConvertError "Invalid argument to date encode" / "... time encode" for parts out
// of range; the Try... forms return false instead.
#pragma once

#include "platform/core/types.h"

inline constexpr Integer MSecsPerDay = 24 * 60 * 60 * 1000;
inline constexpr Integer DateDelta = 693594;   // days from 0001-01-01 (day 1) to 1899-12-30

bool IsLeapYear(Word year);
// The days of `month` (1..12) in `year`; 0 for a month out of range.
Word DaysInAMonth(Word year, Word month);
Word DaysInMonth(TDateTime date);

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
TDateTime EncodeDate(Word year, Word month, Word day);
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);

// 1 = Sunday .. 7 = Saturday; 0 outside the valid dates.
Word DayOfWeek(TDateTime date);

// The same day `numberOfMonths` months later (or earlier), clamped to the end of the target month
// (31 January + 1 month = 28 or 29 February); the time of day is kept.  Raises EConvertError when
// the result leaves the years 1..9999.
TDateTime IncMonth(TDateTime date, Integer numberOfMonths = 1);
