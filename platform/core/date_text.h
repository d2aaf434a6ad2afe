// Dates and times to text and back under regional settings.
//
// Writing (FormatDateTime) understands, case-insensitively:
//   c         ShortDateFormat, then " " and LongTimeFormat unless the time is exactly midnight
//   d dd      day;  ddd dddd  short / long day name;  ddddd dddddd  ShortDateFormat / LongDateFormat
//   m mm      month (minutes when right after an h or hh);  mmm mmmm  short / long month name
//   y yy      two-digit year;  yyy yyyy (or more)  four-digit year
//   h hh      hour (12-hour when an am/pm specifier follows before the next h);  n nn  minute
//   s ss      second;  z zz zzz  millisecond (at least 1, 2, 3 digits)
//   t tt      ShortTimeFormat / LongTimeFormat
//   am/pm a/p  "am"/"pm" or "a"/"p" in the case written;  ampm  TimeAMString / TimePMString
//   aaa aaaa  short / long day name;  /  DateSeparator;  :  TimeSeparator
//   'text' "text"  literal;  anything else is copied.
// Every year written is shown in the settings' era: EraYearOffset is added (543: 2026 is 2569).
// An empty format means "c".  Formats nest (ddddd inside c ...) at most two levels deep.
//
// Reading (StrToDate, StrToTime, StrToDateTime) follows the class library:
//   - a date is two or three numbers separated by DateSeparator, in the order of the first of d, m
//     or y in ShortDateFormat (blanks may surround the numbers); without a year it is the current
//     year (current_date.h).  Years of one or two digits are placed within the century window that
//     starts TwoDigitYearCenturyWindow years before the current year; the era offset is taken off
//     every year read (th-TH: 8/12/2569 is 2026-12-08).
//   - a time is hour[:min[:sec[.fraction]]] with TimeSeparator and DecimalSeparator, with an AM/PM
//     marker (TimeAMString/TimePMString or "AM"/"PM", any case) before or after it; the fraction is
//     a decimal fraction of a second, read to the millisecond.
//   - a date and time is a date followed by an optional time, or else a time alone.
//   Nothing may be left over.  Failures raise EConvertError "'<text>' is not a valid date" (time,
//   date and time).
#pragma once

#include <string>
#include <string_view>

#include "platform/core/format_settings.h"
#include "platform/core/types.h"

std::string FormatDateTime(std::string_view format, TDateTime dateTime);
std::string FormatDateTime(std::string_view format, TDateTime dateTime, const TFormatSettings& settings);
void DateTimeToString(std::string& result, std::string_view format, TDateTime dateTime);
void DateTimeToString(std::string& result, std::string_view format, TDateTime dateTime,
                      const TFormatSettings& settings);

std::string DateToStr(TDateTime date);                  // ShortDateFormat
std::string DateToStr(TDateTime date, const TFormatSettings& settings);
std::string TimeToStr(TDateTime time);                  // LongTimeFormat
std::string TimeToStr(TDateTime time, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime dateTime);          // "c"
std::string DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings);

bool TryStrToDate(std::string_view s, TDateTime& value);
bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDate(std::string_view s);
TDateTime StrToDate(std::string_view s, const TFormatSettings& settings);
TDateTime StrToDateDef(std::string_view s, TDateTime defaultValue);
TDateTime StrToDateDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings);

bool TryStrToTime(std::string_view s, TDateTime& value);
bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view s);
TDateTime StrToTime(std::string_view s, const TFormatSettings& settings);
TDateTime StrToTimeDef(std::string_view s, TDateTime defaultValue);
TDateTime StrToTimeDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings);

bool TryStrToDateTime(std::string_view s, TDateTime& value);
bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& settings);
TDateTime StrToDateTime(std::string_view s);
TDateTime StrToDateTime(std::string_view s, const TFormatSettings& settings);
TDateTime StrToDateTimeDef(std::string_view s, TDateTime defaultValue);
TDateTime StrToDateTimeDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings);
