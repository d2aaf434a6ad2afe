#include "platform/shims/spreadsheet_dates.h"

#include <charconv>

#include "platform/core/cp874.h"
#include "platform/core/date_time.h"

namespace {

constexpr double kDaysFrom1900To1904 = 1462;
constexpr double kFirstDayAfter9999 = 2958466;   // TDateTime of 10000-01-01

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool StartsWithText(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[i]) != prefix[i]) return false;
  return true;
}

// "[h]", "[mm]", "[ss]" and the like: an elapsed time.
bool IsElapsedTime(std::string_view bracketed) {
  if (bracketed.empty()) return false;
  const char unit = Lower(bracketed.front());
  if (unit != 'h' && unit != 'm' && unit != 's') return false;
  for (char c : bracketed)
    if (Lower(c) != unit) return false;
  return true;
}

bool IsThaiDateLetter(char32_t c) {
  return c == U'ว' || c == U'ด' || c == U'ป' || c == U'ช' || c == U'น' || c == U'ท';
}

bool IsDateLetter(char32_t c, char next) {
  const char32_t lower = c < 0x80 ? char32_t(Lower(char(c))) : c;
  switch (lower) {
    case U'd': case U'm': case U'y': case U'h': case U's': case U'b': return true;
    case U'e': return next != '+' && next != '-';
    default: return IsThaiDateLetter(c);
  }
}

// Reads `count` digits at text[i] as a number; advances i.
bool Digits(std::string_view text, std::size_t& i, std::size_t count, Word& value) {
  if (i + count > text.size()) return false;
  const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + count, value);
  if (error != std::errc() || end != text.data() + i + count) return false;
  i += count;
  return true;
}

bool Expect(std::string_view text, std::size_t& i, char c) {
  if (i >= text.size() || text[i] != c) return false;
  ++i;
  return true;
}

bool ParseDate(std::string_view text, std::size_t& i, TDateTime& date) {
  Word year, month, day;
  if (!Digits(text, i, 4, year) || !Expect(text, i, '-') || !Digits(text, i, 2, month) || !Expect(text, i, '-') ||
      !Digits(text, i, 2, day))
    return false;
  if (year == 1900 && month == 2 && day == 29) return TryEncodeDate(1900, 3, 1, date);
  return TryEncodeDate(year, month, day, date);
}

bool ParseTime(std::string_view text, std::size_t& i, TDateTime& time) {
  Word hour, minute, second;
  if (!Digits(text, i, 2, hour) || !Expect(text, i, ':') || !Digits(text, i, 2, minute) || !Expect(text, i, ':') ||
      !Digits(text, i, 2, second))
    return false;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9';) ++i;
  }
  return TryEncodeTime(hour, minute, second, 0, time);
}

}  // namespace

bool SerialToDateTime(double serial, TDateSystem system, TDateTime& result) {
  if (!(serial >= 0)) return false;   // NaN too
  if (serial >= 1) serial += system == TDateSystem::Days1904 ? kDaysFrom1900To1904 : serial < 61 ? 1 : 0;
  if (serial >= kFirstDayAfter9999) return false;
  result = serial;
  return true;
}

bool IsBuiltInDateFormat(std::uint32_t id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58) ||
         (id >= 71 && id <= 81);
}

bool IsDateFormatCode(std::string_view code) {
  for (std::size_t i = 0; i < code.size();) {
    const char c = code[i];
    if (c == '"') {
      i = code.find('"', i + 1);
      if (i == std::string_view::npos) return false;
      ++i;
    } else if (c == '\\' || c == '_' || c == '*') {
      if (++i < code.size()) cp874_detail::DecodeUtf8(code, i);
    } else if (c == '[') {
      const std::size_t end = code.find(']', i);
      if (end == std::string_view::npos) return false;
      if (IsElapsedTime(code.substr(i + 1, end - i - 1))) return true;
      i = end + 1;
    } else if (StartsWithText(code.substr(i), "general")) {
      i += 7;
    } else {
      const char32_t letter = cp874_detail::DecodeUtf8(code, i);
      if (IsDateLetter(letter, i < code.size() ? code[i] : '\0')) return true;
    }
  }
  return false;
}

bool ParseDateTimeText(std::string_view text, TDateTime& result) {
  std::size_t i = 0;
  TDateTime date = 0, time = 0;
  const bool hasDate = text.size() >= 10 && text[4] == '-';
  if (hasDate && !ParseDate(text, i, date)) return false;
  if (hasDate && i < text.size() && (text[i] == ' ' || text[i] == 'T')) ++i;
  const bool hasTime = i < text.size() && text[i] != 'Z';
  if (hasTime && !ParseTime(text, i, time)) return false;
  if (i < text.size() && text[i] == 'Z') ++i;
  if (i != text.size() || (!hasDate && !hasTime)) return false;
  result = date + time;
  return true;
}
