#include "platform/core/system_time.h"

#include "platform/core/date_time.h"

void DateTimeToSystemTime(TDateTime DateTime, SYSTEMTIME& SystemTime) {
  DecodeDate(DateTime, SystemTime.wYear, SystemTime.wMonth, SystemTime.wDay);
  DecodeTime(DateTime, SystemTime.wHour, SystemTime.wMinute, SystemTime.wSecond, SystemTime.wMilliseconds);
  SystemTime.wDayOfWeek = static_cast<Word>(DayOfWeek(DateTime) - 1);
}
