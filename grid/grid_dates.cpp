#include "grid/grid_dates.h"

#include "platform/core/date_time.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"

namespace {

// EncodeDate of parts computed in int: a part outside the 16-bit range becomes 0, which no date
// has, so it raises the conversion error like any other impossible date.
TDateTime EncodeDateOf(Int64 year, Int64 month, Int64 day) {
  const auto part = [](Int64 value) { return value < 0 || value > 0xFFFF ? Word{0} : static_cast<Word>(value); };
  return EncodeDate(part(year), part(month), part(day));
}

// The three numbers of a date text in the order written; false when one is not a whole integer.
bool SplitDateNumbers(std::string_view text, Integer& first, Integer& second, Integer& third) {
  std::size_t separator = std::string_view::npos;
  for (const char candidate : {'/', '.', '-'}) {
    separator = text.find(candidate);
    if (separator != std::string_view::npos) break;
  }
  if (separator == std::string_view::npos) return false;
  const std::string_view rest = text.substr(separator + 1);
  const std::size_t next = rest.find(text[separator]);
  const std::string_view yearText = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
  return TryStrToInt(text.substr(0, separator), first) && TryStrToInt(rest.substr(0, next), second) &&
         TryStrToInt(yearText, third);
}

Int64 FullYear(Int64 year) { return year <= 25 ? year + 2000 : year + 1900; }

}  // namespace

TDateTime StepDate(SmallInt years, SmallInt months, SmallInt days, TDateTime date, TDateTime increment) {
  if (years == 0 && months == 0) return date + days;
  Word year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  if (months == 0 && days == 0) return EncodeDateOf(year + years, month, day);
  if (years == 0 && days == 0) {
    const int monthIndex = (month - 1) + months;   // months since January of `year`
    const int yearsOn = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    return EncodeDateOf(year + yearsOn, monthIndex - 12 * yearsOn + 1, day);
  }
  return date + increment;
}

TDateTime ParseDateMDY(std::string_view text) {
  Integer month = 0, day = 0, year = 0;
  if (!SplitDateNumbers(text, month, day, year)) return 0;
  return EncodeDateOf(FullYear(year), month, day);
}

TDateTime ParseDateDMY(std::string_view text) {
  Integer day = 0, month = 0, year = 0;
  if (!SplitDateNumbers(text, day, month, year)) return 0;
  return EncodeDateOf(FullYear(year), month, day);
}

bool HasTwoDateSeparators(std::string_view text) {
  const std::size_t first = text.find(FormatSettings.DateSeparator);
  if (first == std::string_view::npos || first < 1) return false;
  return text.find(FormatSettings.DateSeparator, first + 2) != std::string_view::npos;
}
