// SYSTEMTIME, the platform's broken-down date and time, and its conversion from a TDateTime.
#pragma once

#include "platform/core/types.h"

struct SYSTEMTIME {
  Word wYear = 0;
  Word wMonth = 0;       // 1 = January
  Word wDayOfWeek = 0;   // 0 = Sunday
  Word wDay = 0;
  Word wHour = 0;
  Word wMinute = 0;
  Word wSecond = 0;
  Word wMilliseconds = 0;
};

// The fields of a date-time (milliseconds rounded as DecodeTime rounds them).
void DateTimeToSystemTime(TDateTime DateTime, SYSTEMTIME& SystemTime);
