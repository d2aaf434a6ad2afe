// The date routines the date and time editors, the calendar and the format controller share (unit
// kxDateUtils): month stepping, leap years and month lengths, and week numbers after the locale's
// first day of the week and first week of the year.  Years and months are 16-bit unsigned; the
// routines assume valid dates.
#pragma once

#include "platform/core/types.h"

// The date-time value that stands for no date.
inline constexpr TDateTime NullDate = -700000.0;
inline constexpr Word MinYear = 100;
inline constexpr Word MaxYear = 9999;

// January becomes December of the year before.
void StepToPrevMonth(Word& Year, Word& Month);
// December becomes January of the year after.
void StepToNextMonth(Word& Year, Word& Month);
// Moves by Delta months, either way: January - 13 is December two years earlier.
void ShiftMonths(Word& Year, Word& Month, Integer Delta);
bool YearIsLeap(Word Year);
Word MonthDayCount(Word Year, Word Month);
// Day within 1 .. the month's length.
Word ClampDayToMonth(Word Year, Word Month, Integer Day);
// The year (Kind 0), month (1) or day (2) of a date.
Word DecodeDatePart(Integer Kind, TDateTime Date);
TDateTime TimeOnlyPart(TDateTime Date);
TDateTime DateOnlyPart(TDateTime Date);
// 1 January of year 100.
TDateTime GetMinimalDate();

// The thread locale's first day of the week (LOCALE_IFIRSTDAYOFWEEK: 0 = Monday ... 6 = Sunday,
// "0" when missing) as 0 = Sunday, 1 = Monday ... 6 = Saturday.
Byte ReadLocaleFirstDayOfWeek();
// The column of a date (0 ... 6) in a week that starts on the format controller's WeekStartDay.
Integer DayOfWeekFromWeekStart(TDateTime Date);
// The whole date of the first day of the week (AFirstDay 0 = Sunday ... 6 = Saturday) on or
// before Date.
TDateTime StartOfWeekContaining(TDateTime Date, Byte AFirstDay);
// The week number of Date.  Rules: 1 the week holding 1 January is week 1, 2 the first full week,
// 3 the first week with at least four days; 0 takes the locale's LOCALE_IFIRSTWEEKOFYEAR + 1.
// Days before week 1 count as week 1; in December a week that rule 1 or 3 gives to the next year
// is week 1.
Integer WeekOfYear(Byte AFirstDay, Byte AFirstWeekRule, TDateTime Date);
