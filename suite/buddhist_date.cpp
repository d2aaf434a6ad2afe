#include "suite/buddhist_date.h"

#include "platform/core/date_time.h"
#include "platform/core/int_text.h"
#include "platform/os/clock.h"

namespace {

constexpr Word kBuddhistEraOffset = 543;

}  // namespace

TTodayParts TodayParts() {
  TTodayParts parts;
  const TDateTime today = Date();
  DecodeDate(today, parts.Year, parts.Month, parts.Day);
  parts.DayOfWeek = static_cast<Word>((DayOfWeek(today) + 5) % 7 + 1);   // from Sunday 1 .. Saturday 7
  return parts;
}

std::string BuddhistToday() {
  const TTodayParts today = TodayParts();
  return ZeroPaddedDigits(today.Day, 2) + "/" + ZeroPaddedDigits(today.Month, 2) + "/" +
         ZeroPaddedDigits((today.Year + kBuddhistEraOffset) % 100u, 2);
}

std::optional<std::string> PackDateText(std::string_view text) {
  text = text.substr(0, 8);
  std::string packed;
  switch (text.size()) {
    case 0: break;
    case 5: packed.append(text.substr(3, 2)).append(text.substr(0, 2)); break;
    case 8:
      if (text[2] == ':')
        packed.append(text.substr(0, 2)).append(text.substr(3, 2)).append(text.substr(6, 2));
      else
        packed.append(text.substr(6, 2)).append(text.substr(3, 2)).append(text.substr(0, 2));
      break;
    default: return std::nullopt;
  }
  return packed;
}
