// Dates in workbook files: serial numbers of the two date systems, the number formats that make a
// number a date, and date texts.
//
// A workbook keeps a date as a number of days (the serial number) and shows it as a date through
// the cell's number format.  In the 1900 system day 1 is 1900-01-01 and the system counts a day
// 29 February 1900 that never was (serial 60); in the 1904 system day 0 is 1904-01-01.  In both a
// serial below 1 is a time of day alone.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/core/types.h"

enum class TDateSystem { Days1900, Days1904 };

// The date-time of a serial number: the 1900 system's serials 1 to 60 move one day later, so that
// 1900-01-01 .. 1900-02-28 read as themselves and the day that never was as 1900-03-01; the 1904
// system's serials from 1 move by 1462 days.  False for serials below 0 and from the year 10000
// on (the number then stays a number).
bool SerialToDateTime(double serial, TDateSystem system, TDateTime& result);

// Whether a built-in number format shows a date or a time: 14-22, the East Asian 27-36, 45-47,
// 50-58 and the Thai 71-81.
bool IsBuiltInDateFormat(std::uint32_t id);

// Whether a format code (UTF-8) shows a date or a time: outside quoted text, escaped characters
// and bracketed parts ([Red], [$-41E]; but [h], [mm] and [ss] are elapsed times), the keyword
// "General" and the exponent marks E+ and E-, it holds one of the letters d, m, y, h, s, e and b
// (Buddhist year) in either case, or a Thai date letter (ว ด ป ช น ท).
bool IsDateFormatCode(std::string_view code);

// "YYYY-MM-DD", "HH:MM:SS" or both joined by a space or 'T' (the seconds may carry a fraction, the
// text may end in 'Z').  1900-02-29, the 1900 system's day that never was, reads as 1900-03-01.
// False for anything else or a date or time out of range.
bool ParseDateTimeText(std::string_view text, TDateTime& result);
