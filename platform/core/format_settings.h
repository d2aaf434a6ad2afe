// The regional settings that number, money and date texts are read and written with.
//
// One process-wide instance, `FormatSettings`, is what the routines without an explicit settings
// argument use.  It starts with neutral (en-US) values; the locale module (platform/os/locale.h)
// fills it from the th-TH or en-US table at start-up, and tests override single fields.
#pragma once

#include <array>
#include <string>

#include "platform/core/types.h"

struct TFormatSettings {
  Byte CurrencyFormat = 0;        // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  Byte NegCurrFormat = 0;         // the sixteen negative-money layouts, 0 "($1)" .. 15 "(1 $)"
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  Byte CurrencyDecimals = 2;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  std::string CurrencyString = "$";
  std::string ShortDateFormat = "M/d/yyyy";
  std::string LongDateFormat = "dddd, MMMM d, yyyy";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string ShortTimeFormat = "h:mm AMPM";
  std::string LongTimeFormat = "h:mm:ss AMPM";
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
  Word TwoDigitYearCenturyWindow = 50;
  // Years as the locale's calendar shows them: 543 for the Thai Buddhist era (2026 shows as 2569),
  // 0 for the Gregorian calendar.  Date texts add it when written and subtract it when read.
  Integer EraYearOffset = 0;
};

extern TFormatSettings FormatSettings;
