#include "controls/interim/calendar_offset.h"

Word CalendarOffset = 0;
