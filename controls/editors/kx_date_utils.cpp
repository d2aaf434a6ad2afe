#include "controls/editors/kx_date_utils.h"

#include <cmath>

#include "controls/editors/kx_formats.h"
#include "controls/foundation/kx_classes.h"
#include "platform/core/date_time.h"
#include "platform/core/int_text.h"
#include "platform/os/locale.h"

namespace {

constexpr Word kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

Integer LocaleNumber(LCTYPE Item) {
  return StrToIntDef(ReadLocaleInfoString(GetThreadLocale(), Item, "0"), 0);
}

Word YearOf(TDateTime Date) { return DecodeDatePart(0, Date); }

}  // namespace

void StepToPrevMonth(Word& Year, Word& Month) {
  if (Month == 1) {
    --Year;
    Month = 12;
  } else {
    --Month;
  }
}

void StepToNextMonth(Word& Year, Word& Month) {
  if (Month == 12) {
    ++Year;
    Month = 1;
  } else {
    ++Month;
  }
}

void ShiftMonths(Word& Year, Word& Month, Integer Delta) {
  Integer year = Year + Delta / 12;
  Integer month = Month + Delta % 12;
  if (month <= 0) {
    --year;
    month += 12;
  } else if (month > 12) {
    ++year;
    month -= 12;
  }
  Year = static_cast<Word>(year);
  Month = static_cast<Word>(month);
}

bool YearIsLeap(Word Year) { return Year % 4 == 0 && !(Year % 100 == 0 && Year % 400 != 0); }

Word MonthDayCount(Word Year, Word Month) {
  return static_cast<Word>(kMonthLengths[Month - 1] + (Month == 2 && YearIsLeap(Year) ? 1 : 0));
}

Word ClampDayToMonth(Word Year, Word Month, Integer Day) {
  if (Day <= 0) return 1;
  const Word length = MonthDayCount(Year, Month);
  return Day > length ? length : static_cast<Word>(Day);
}

Word DecodeDatePart(Integer Kind, TDateTime Date) {
  Word year, month, day;
  DecodeDate(Date, year, month, day);
  return Kind == 0 ? year : Kind == 1 ? month : day;
}

TDateTime TimeOnlyPart(TDateTime Date) { return Date - std::trunc(Date); }
TDateTime DateOnlyPart(TDateTime Date) { return std::trunc(Date); }
TDateTime GetMinimalDate() { return EncodeDate(MinYear, 1, 1); }

Byte ReadLocaleFirstDayOfWeek() { return static_cast<Byte>((LocaleNumber(LOCALE_IFIRSTDAYOFWEEK) + 1) % 7); }

Integer DayOfWeekFromWeekStart(TDateTime Date) {
  const Integer column = (DayOfWeek(Date) - GetFormatController()->WeekStartDay - 1) % 7;
  return column < 0 ? column + 7 : column;
}

TDateTime StartOfWeekContaining(TDateTime Date, Byte AFirstDay) {
  const TDateTime day = DateOnlyPart(Date);
  const Integer back = (DayOfWeek(day) - 1 - AFirstDay + 7) % 7;
  return day - back;
}

Integer WeekOfYear(Byte AFirstDay, Byte AFirstWeekRule, TDateTime Date) {
  const Integer rule = AFirstWeekRule == 0 ? LocaleNumber(LOCALE_IFIRSTWEEKOFYEAR) + 1 : AFirstWeekRule;
  const Word year = YearOf(Date);
  TDateTime start = StartOfWeekContaining(EncodeDate(year, 1, 1), AFirstDay);
  if ((rule == 2 && YearOf(start) < year) || (rule == 3 && YearOf(start + 3) < year)) start += 7;
  const Integer week = static_cast<Integer>(std::trunc((DateOnlyPart(Date) - start) / 7)) + 1;
  if (DecodeDatePart(1, Date) == 12) {
    const TDateTime weekStart = StartOfWeekContaining(Date, AFirstDay);
    if ((rule == 1 && DecodeDatePart(1, weekStart + 6) == 1) || (rule == 3 && DecodeDatePart(1, weekStart + 3) == 1))
      return 1;
  }
  return week;   // s lies at most six days after 1 January, so days before it give week 1
}
