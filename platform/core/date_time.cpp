#include "platform/core/date_time.h"

#include <cmath>
#include <cstdlib>

#include "platform/core/exceptions.h"
#include "platform/core/float_math.h"

namespace {

constexpr Integer kMaxYear = 9999;
constexpr double kMaxDays = 1e7;   // far beyond 9999-12-31; keeps milliseconds inside Int64

// A TDateTime split into a day number (1 = 0001-01-01) and milliseconds of the day.
struct TimeStamp {
  Int64 date = 0;
  Integer time = 0;
};

TimeStamp ToTimeStamp(TDateTime value) {
  if (!(std::fabs(value) < kMaxDays)) return {};   // NaN and far-out values: day 0, invalid
  const Int64 ms = Round(value * MSecsPerDay);
  return {DateDelta + ms / MSecsPerDay, static_cast<Integer>(std::llabs(ms) % MSecsPerDay)};
}

// Days before 1 January of `year` counted from 0001-01-01.
Int64 DaysBeforeYear(Int64 year) {
  const Int64 y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

struct YearMonthDay {
  Word year = 0, month = 0, day = 0;
};

YearMonthDay CivilDate(Int64 dayNumber) {
  if (dayNumber < 1) return {};
  Int64 year = (dayNumber - 1) * 400 / 146097 + 1;   // estimate; off by at most one
  while (DaysBeforeYear(year + 1) < dayNumber) ++year;
  while (DaysBeforeYear(year) >= dayNumber) --year;
  if (year > kMaxYear) return {};
  YearMonthDay d{static_cast<Word>(year), 1, 0};
  Int64 dayOfYear = dayNumber - DaysBeforeYear(year);   // 1-based
  while (dayOfYear > DaysInAMonth(d.year, d.month)) dayOfYear -= DaysInAMonth(d.year, d.month++);
  d.day = static_cast<Word>(dayOfYear);
  return d;
}

[[noreturn]] void RaiseDateEncode() { throw EConvertError("Invalid argument to date encode"); }

}  // namespace

bool IsLeapYear(Word year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

Word DaysInAMonth(Word year, Word month) {
  static constexpr Word kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

Word DaysInMonth(TDateTime date) {
  Word year, month, day;
  DecodeDate(date, year, month, day);
  return DaysInAMonth(year, month);
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date) {
  if (year < 1 || year > kMaxYear || day < 1 || day > DaysInAMonth(year, month)) return false;
  Int64 dayNumber = DaysBeforeYear(year) + day;
  for (Word m = 1; m < month; ++m) dayNumber += DaysInAMonth(year, m);
  date = static_cast<TDateTime>(dayNumber - DateDelta);
  return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
  TDateTime date;
  if (!TryEncodeDate(year, month, day, date)) RaiseDateEncode();
  return date;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
  const YearMonthDay d = CivilDate(ToTimeStamp(date).date);
  year = d.year;
  month = d.month;
  day = d.day;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) {
  if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) return false;
  time = ((hour * 60 + min) * 60 + sec) * 1000.0 + msec;
  time /= MSecsPerDay;
  return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime time;
  if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError("Invalid argument to time encode");
  return time;
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec) {
  const Integer ms = ToTimeStamp(time).time;
  hour = static_cast<Word>(ms / 3600000);
  min = static_cast<Word>(ms / 60000 % 60);
  sec = static_cast<Word>(ms / 1000 % 60);
  msec = static_cast<Word>(ms % 1000);
}

Word DayOfWeek(TDateTime date) {
  const Int64 dayNumber = ToTimeStamp(date).date;
  if (CivilDate(dayNumber).year == 0) return 0;
  return static_cast<Word>(dayNumber % 7 + 1);   // day 1, 0001-01-01, was a Monday
}

TDateTime IncMonth(TDateTime date, Integer numberOfMonths) {
  const TimeStamp stamp = ToTimeStamp(date);
  const YearMonthDay d = CivilDate(stamp.date);
  if (d.year == 0) RaiseDateEncode();
  const Int64 months = Int64{d.year} * 12 + (d.month - 1) + numberOfMonths;
  if (months < 12 || months >= Int64{kMaxYear + 1} * 12) RaiseDateEncode();
  const auto year = static_cast<Word>(months / 12);
  const auto month = static_cast<Word>(months % 12 + 1);
  const Word day = d.day < DaysInAMonth(year, month) ? d.day : DaysInAMonth(year, month);
  const TDateTime result = EncodeDate(year, month, day);
  const double time = static_cast<double>(stamp.time) / MSecsPerDay;
  return result >= 0 ? result + time : result - time;
}
