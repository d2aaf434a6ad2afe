// CalendarOffset: the number the calendar editor adds to every year it shows, 543 when the
// system's calendar counts Buddhist-era years, else 0.  Process-wide; the program's start-up sets
// it once (from the display text of today, DateTimeToDisplayTextEx) and nothing else changes it.
#pragma once

#include "platform/core/types.h"

extern Word CalendarOffset;
