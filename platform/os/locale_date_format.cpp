#include "platform/os/locale_date_format.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/cp874.h"
#include "platform/core/date_time.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/os/locale.h"

namespace {

Integer Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// The text and a null into the caller's buffer, by GetLocaleInfoA's rules.
Integer CopyOut(const std::string& text, char* data, Integer size) {
  const auto needed = static_cast<Integer>(text.size() + 1);
  if (size == 0) return needed;
  if (size < 0 || data == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (size < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(data, text.c_str(), text.size() + 1);
  return needed;
}

std::string Item(LCID locale, LCTYPE type) { return GetLocaleInfo(locale, type).value_or(""); }

std::string Digits(Integer value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// Calls `field(letter, run)` for each run of a picture letter of `letters`, and appends quoted
// text and every other character to `out` as they are.
template <class Field>
std::string Expand(std::string_view picture, std::string_view letters, Field field) {
  std::string out;
  size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {   // '' is a quote
      out += '\'';
      i += 2;
      continue;
    }
    if (c == '\'') {
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
          out += '\'';
          i += 2;
        } else if (picture[i] == '\'') {
          ++i;
          break;
        } else {
          out += picture[i++];
        }
      }
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    if (letters.find(c) == std::string_view::npos) {
      out.append(run, c);
    } else {
      out += field(c, run);
    }
    i += run;
  }
  return out;
}

bool IsThaiCalendar(LCID locale) { return Item(locale, LOCALE_ICALENDARTYPE) == std::to_string(CAL_THAI); }

bool ValidDate(const SYSTEMTIME& st) {
  return st.wYear >= 1 && st.wYear <= 9999 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 &&
         st.wDay <= DaysInAMonth(st.wYear, st.wMonth);
}

bool ValidTime(const SYSTEMTIME& st) {
  return st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000;
}

std::string DateText(LCID locale, const SYSTEMTIME& st, std::string_view picture) {
  const bool thai = IsThaiCalendar(locale);
  const Integer year = st.wYear + (thai ? 543 : 0);
  // The locale's day items count from Monday, SYSTEMTIME's from Sunday.
  const LCTYPE dayItem = (st.wDayOfWeek + 6) % 7;
  return Expand(picture, "dMyg", [&](char letter, size_t run) -> std::string {
    switch (letter) {
      case 'd':
        if (run <= 2) return Digits(st.wDay, run);
        return Item(locale, (run == 3 ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + dayItem);
      case 'M':
        if (run <= 2) return Digits(st.wMonth, run);
        return Item(locale, (run == 3 ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1) + st.wMonth - 1);
      case 'y':
        if (run <= 2) return Digits(year % 100, run);
        return std::to_string(year);
      default: return thai ? std::string("พ.ศ."_cp874) : std::string("A.D.");
    }
  });
}

std::string TimeText(LCID locale, const SYSTEMTIME& st, std::string_view picture) {
  const std::string designator = Item(locale, st.wHour < 12 ? LOCALE_S1159 : LOCALE_S2359);
  return Expand(picture, "hHmst", [&](char letter, size_t run) -> std::string {
    const size_t width = run >= 2 ? 2 : 1;
    switch (letter) {
      case 'h': return Digits(st.wHour % 12 == 0 ? 12 : st.wHour % 12, width);
      case 'H': return Digits(st.wHour, width);
      case 'm': return Digits(st.wMinute, width);
      case 's': return Digits(st.wSecond, width);
      default: return run == 1 ? designator.substr(0, 1) : designator;
    }
  });
}

SYSTEMTIME NowOr(const SYSTEMTIME* given) {
  if (given != nullptr) return *given;
  SYSTEMTIME now;
  DateTimeToSystemTime(Now(), now);
  return now;
}

}  // namespace

Integer GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* data, Integer size) {
  if (LocaleTableOf(locale) == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if ((flags & ~(DATE_SHORTDATE | DATE_LONGDATE)) != 0 || flags == (DATE_SHORTDATE | DATE_LONGDATE) ||
      (format != nullptr && flags != 0))
    return Fail(ERROR_INVALID_FLAGS);
  const SYSTEMTIME st = NowOr(date);
  if (!ValidDate(st)) return Fail(ERROR_INVALID_PARAMETER);
  const std::string picture = format ? std::string(format) : Item(locale, flags == DATE_LONGDATE ? LOCALE_SLONGDATE : LOCALE_SSHORTDATE);
  return CopyOut(DateText(locale, st, picture), data, size);
}

Integer GetTimeFormatA(LCID locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* data, Integer size) {
  if (LocaleTableOf(locale) == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (flags != 0) return Fail(ERROR_INVALID_FLAGS);
  const SYSTEMTIME st = NowOr(time);
  if (!ValidTime(st)) return Fail(ERROR_INVALID_PARAMETER);
  const std::string picture = format ? std::string(format) : Item(locale, LOCALE_STIMEFORMAT);
  return CopyOut(TimeText(locale, st, picture), data, size);
}
