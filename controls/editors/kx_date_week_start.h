// The first day of the week as the date routines count it (unit kxDateUtils).
#pragma once

#include "platform/core/types.h"

// The thread locale's first day of the week (LOCALE_IFIRSTDAYOFWEEK: 0 = Monday ... 6 = Sunday,
// "0" when missing) as 0 = Sunday, 1 = Monday ... 6 = Saturday.
Byte ReadLocaleFirstDayOfWeek();
