// FormatDateTime and the texts built on it (DateToStr, TimeToStr, DateTimeToStr).
//
// The format is read token by token: a run of one letter is one token ("dddd"), case does not
// matter, and an "m" right after an "h" token means minutes.  The settings' own formats (c, ddddd,
// t, ...) are expanded in place, at most two levels deep so that a format naming itself ends.
#include <algorithm>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/int_text.h"

namespace {

constexpr int kMaxNesting = 2;

bool IsAsciiLetter(char c) { return UpCase(c) >= 'A' && UpCase(c) <= 'Z'; }
bool StartsWithText(std::string_view s, std::size_t at, std::string_view word) {
  return SameText(s.substr(at, word.size()), word);
}

class DateFormatter {
 public:
  DateFormatter(TDateTime value, const TFormatSettings& fs) : fs_(fs) {
    DecodeDate(value, year_, month_, day_);
    DecodeTime(value, hour_, min_, sec_, msec_);
    dayOfWeek_ = DayOfWeek(value);
  }

  std::string Run(std::string_view format) {
    Append(format.empty() ? std::string_view("c") : format);
    return out_;
  }

 private:
  void Append(std::string_view f) {
    if (nesting_ >= kMaxNesting) return;
    ++nesting_;
    char lastLetter = ' ';
    std::size_t i = 0;
    while (i < f.size()) {
      const char starter = f[i++];
      char token = UpCase(starter);
      if (IsAsciiLetter(token)) {
        if (token == 'M' && lastLetter == 'H') token = 'N';
        lastLetter = token;
      }
      std::size_t count = 1;
      if (IsAsciiLetter(token) && token != 'A')
        for (; i < f.size() && f[i] == starter; ++i) ++count;
      AppendToken(f, i, starter, token, count);
    }
    --nesting_;
  }

  // Writes one token; `i` is just past it and moves on when the token reads further (quotes, am/pm).
  void AppendToken(std::string_view f, std::size_t& i, char starter, char token, std::size_t count) {
    switch (token) {
      case 'Y': {
        const Integer year = year_ + fs_.EraYearOffset;
        return count <= 2 ? Number(year % 100, 2) : Number(year, 4);
      }
      case 'M':
        if (count <= 2) return Number(month_, count);
        return Name(count == 3 ? fs_.ShortMonthNames.data() : fs_.LongMonthNames.data(), 12, month_);
      case 'D':
        if (count <= 2) return Number(day_, count);
        if (count <= 4) {
          return Name(count == 3 ? fs_.ShortDayNames.data() : fs_.LongDayNames.data(), 7, dayOfWeek_);
        }
        return Append(count == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat);
      case 'H': return Number(TwelveHourFollows(f, i) ? TwelveHour() : hour_, std::min<std::size_t>(count, 2));
      case 'N': return Number(min_, std::min<std::size_t>(count, 2));
      case 'S': return Number(sec_, std::min<std::size_t>(count, 2));
      case 'Z': return Number(msec_, std::min<std::size_t>(count, 3));
      case 'T': return Append(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat);
      case 'C':
        Append(fs_.ShortDateFormat);
        if (hour_ != 0 || min_ != 0 || sec_ != 0) {
          out_ += ' ';
          Append(fs_.LongTimeFormat);
        }
        return;
      case 'A': return AmPm(f, i, starter);
      case '/':
        if (fs_.DateSeparator != '\0') out_ += fs_.DateSeparator;
        return;
      case ':':
        if (fs_.TimeSeparator != '\0') out_ += fs_.TimeSeparator;
        return;
      case '\'':
      case '"': {
        const std::size_t close = std::min(f.find(starter, i), f.size());
        out_.append(f.substr(i, close - i));
        i = std::min(close + 1, f.size());
        return;
      }
      default: out_.append(count, starter);
    }
  }

  // am/pm, a/p and ampm write the half of the day; aaa and aaaa the day's name; a lone 'a' itself.
  void AmPm(std::string_view f, std::size_t& i, char starter) {
    const std::size_t at = i - 1;
    const bool pm = hour_ >= 12;
    if (StartsWithText(f, at, "am/pm")) {
      out_.append(f.substr(at + (pm ? 3 : 0), 2));
      i = at + 5;
    } else if (StartsWithText(f, at, "a/p")) {
      out_ += f[at + (pm ? 2 : 0)];
      i = at + 3;
    } else if (StartsWithText(f, at, "ampm")) {
      out_ += pm ? fs_.TimePMString : fs_.TimeAMString;
      i = at + 4;
    } else if (StartsWithText(f, at, "aaaa")) {
      Name(fs_.LongDayNames.data(), 7, dayOfWeek_);
      i = at + 4;
    } else if (StartsWithText(f, at, "aaa")) {
      Name(fs_.ShortDayNames.data(), 7, dayOfWeek_);
      i = at + 3;
    } else {
      out_ += starter;
    }
  }

  // Whether the hour at f[i...] is shown on the 12-hour clock: an am/pm, a/p or ampm specifier
  // comes before the next 'h' (quoted text does not count).
  static bool TwelveHourFollows(std::string_view f, std::size_t i) {
    char quote = '\0';
    for (; i < f.size(); ++i) {
      const char c = f[i];
      if (quote != '\0') {
        if (c == quote) quote = '\0';
      } else if (c == '\'' || c == '"') {
        quote = c;
      } else if (c == 'h' || c == 'H') {
        return false;
      } else if (c == 'a' || c == 'A') {
        return StartsWithText(f, i, "am/pm") || StartsWithText(f, i, "a/p") || StartsWithText(f, i, "ampm");
      }
    }
    return false;
  }

  Word TwelveHour() const { return hour_ % 12 == 0 ? 12 : hour_ % 12; }

  void Number(Integer value, std::size_t minDigits) {
    out_ += ZeroPaddedDigits(static_cast<UInt64>(std::max(value, 0)), static_cast<Integer>(minDigits));
  }

  // names[index - 1], nothing for an index out of 1..count (a value outside the valid dates).
  void Name(const std::string* names, Word count, Word index) {
    if (index >= 1 && index <= count) out_ += names[index - 1];
  }

  const TFormatSettings& fs_;
  Word year_, month_, day_, hour_, min_, sec_, msec_, dayOfWeek_;
  int nesting_ = 0;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime dateTime) {
  return FormatDateTime(format, dateTime, FormatSettings);
}

std::string FormatDateTime(std::string_view format, TDateTime dateTime, const TFormatSettings& settings) {
  return DateFormatter(dateTime, settings).Run(format);
}

void DateTimeToString(std::string& result, std::string_view format, TDateTime dateTime) {
  result = FormatDateTime(format, dateTime, FormatSettings);
}

void DateTimeToString(std::string& result, std::string_view format, TDateTime dateTime,
                      const TFormatSettings& settings) {
  result = FormatDateTime(format, dateTime, settings);
}

std::string DateToStr(TDateTime date) { return DateToStr(date, FormatSettings); }
std::string DateToStr(TDateTime date, const TFormatSettings& settings) {
  return FormatDateTime("ddddd", date, settings);
}

std::string TimeToStr(TDateTime time) { return TimeToStr(time, FormatSettings); }
std::string TimeToStr(TDateTime time, const TFormatSettings& settings) {
  return FormatDateTime("tt", time, settings);
}

std::string DateTimeToStr(TDateTime dateTime) { return DateTimeToStr(dateTime, FormatSettings); }
std::string DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings) {
  return FormatDateTime("c", dateTime, settings);
}
