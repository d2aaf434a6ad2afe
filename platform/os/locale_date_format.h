// GetDateFormatA and GetTimeFormatA: a date or a time of day as text after a picture, with the
// names, designators and calendar of a locale (locale.h).
//
// Date pictures: d (day), dd (two digits), ddd (short day name), dddd (day name), M, MM, MMM
// (short month name), MMMM (month name), y (year of the century without a leading zero), yy (two
// digits), yyyy (the whole year; yyy and longer runs too), g or gg (the era: "A.D.", or "พ.ศ." under
// the Thai calendar).  Time pictures: h and hh (12-hour clock), H and HH (24-hour), m, mm, s, ss,
// t (the designator's first character) and tt (LOCALE_S1159 / LOCALE_S2359).  Text between single
// quotes is copied ('' is a quote), and so is every other character.  Years are counted in the
// locale's calendar: under th-TH's Thai calendar 2026 is 2569.
//
// A null picture means the locale's short date (long date with DATE_LONGDATE) or
// LOCALE_STIMEFORMAT; a null time means the clock's now.  The buffer rules are GetLocaleInfoA's:
// with `size` 0 the characters needed (terminating null included); otherwise the text and a null
// are copied and their count returned; 0 (and the last error set) for an unknown locale, unknown
// flags, an invalid date or time, or a buffer that is too small.
#pragma once

#include "platform/core/system_time.h"
#include "platform/core/types.h"
#include "platform/os/locale_constants.h"

inline constexpr DWORD DATE_SHORTDATE = 0x1;
inline constexpr DWORD DATE_LONGDATE = 0x2;

Integer GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* data, Integer size);
Integer GetTimeFormatA(LCID locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* data, Integer size);
