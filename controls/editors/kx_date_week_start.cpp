#include "controls/editors/kx_date_week_start.h"

#include "controls/foundation/kx_classes.h"
#include "platform/core/int_text.h"
#include "platform/os/locale.h"

Byte ReadLocaleFirstDayOfWeek() {
  const std::string text = ReadLocaleInfoString(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, "0");
  const Integer mondayBased = StrToIntDef(text, 0);
  return static_cast<Byte>((mondayBased + 1) % 7);
}
