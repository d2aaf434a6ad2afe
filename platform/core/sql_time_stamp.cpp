// Time stamps and date-times (see sql_time_stamp.h).
#include "platform/core/sql_time_stamp.h"

#include "platform/core/date_time.h"

namespace {

bool IsEmpty(const TSQLTimeStamp& value) { return value == TSQLTimeStamp{}; }

// A date-time before 1899-12-30 counts its time of day away from zero, as TDateTime does.
TDateTime Combine(TDateTime date, TDateTime time) { return date >= 0 ? date + time : date - time; }

}  // namespace

bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result) {
  if (IsEmpty(value)) {
    result = 0;
    return true;
  }
  TDateTime date, time;
  if (value.Year < 1 || value.Fractions >= 1000) return false;
  if (!TryEncodeDate(Word(value.Year), value.Month, value.Day, date)) return false;
  if (!TryEncodeTime(value.Hour, value.Minute, value.Second, Word(value.Fractions), time)) return false;
  result = Combine(date, time);
  return true;
}

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value) {
  TDateTime result;
  if (TrySQLTimeStampToDateTime(value, result)) return result;
  TDateTime probe;
  const bool dateValid = value.Year >= 1 && TryEncodeDate(Word(value.Year), value.Month, value.Day, probe);
  throw EConvertError(dateValid ? "Invalid argument to time encode" : "Invalid argument to date encode");
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
  TSQLTimeStamp result;
  if (value == 0) return result;
  Word year, month, day, hour, minute, second, msec;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  result.Year = SmallInt(year);
  result.Month = month;
  result.Day = day;
  result.Hour = hour;
  result.Minute = minute;
  result.Second = second;
  result.Fractions = msec;
  return result;
}

Integer CompareSQLTimeStamps(const TSQLTimeStamp& a, const TSQLTimeStamp& b) {
  if (a.Year != b.Year) return Integer(a.Year) - Integer(b.Year);
  const Word fieldsA[] = {a.Month, a.Day, a.Hour, a.Minute, a.Second};
  const Word fieldsB[] = {b.Month, b.Day, b.Hour, b.Minute, b.Second};
  for (int i = 0; i < 5; ++i)
    if (fieldsA[i] != fieldsB[i]) return Integer(fieldsA[i]) - Integer(fieldsB[i]);
  if (a.Fractions != b.Fractions) return a.Fractions < b.Fractions ? -1 : 1;
  return 0;
}
