// The suite's date texts.  The payroll files keep dates as "dd/mm/yy" (display) and "yymmdd"
// (storage and keys), both with the last two digits of the Buddhist-era year: the Gregorian year
// plus 543, always, whatever calendar the regional settings use.  Today comes from the platform's
// clock, so tests fake it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/types.h"

struct TTodayParts {
  Word Year = 0;        // Gregorian
  Word Month = 0;
  Word Day = 0;
  Word DayOfWeek = 0;   // Monday 1 .. Sunday 7
};

TTodayParts TodayParts();
// Today as "dd/mm/yy" with the Buddhist-era year.
std::string BuddhistToday();
// "dd/mm/yy" -> "yymmdd", "hh:mm:ss" -> "hhmmss", "mm/yy" -> "yymm", "" -> "", using only the
// first 8 characters; texts of other lengths give nothing and the caller keeps what it had.
std::optional<std::string> PackDateText(std::string_view text);
