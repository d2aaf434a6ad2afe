// Reading dates and times: StrToDate, StrToTime, StrToDateTime and their Try/Def forms.
//
// A small scanner walks the text: blanks (' ') are skipped before every number, separator and
// AM/PM marker; numbers are runs of decimal digits (at most four significant ones for date and time
// fields).  A reading succeeds only when the whole text is used.
#include <cmath>

#include "platform/core/ansi_strings.h"
#include "platform/core/current_date.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"

namespace {

enum class DateOrder { kMonthDayYear, kDayMonthYear, kYearMonthDay };

// The order of the date fields: that of the first d, m or y (any case) in the short date format.
DateOrder DateOrderOf(std::string_view shortDateFormat) {
  for (char c : shortDateFormat) {
    switch (c) {
      case 'y': case 'Y': return DateOrder::kYearMonthDay;
      case 'm': case 'M': return DateOrder::kMonthDayYear;
      case 'd': case 'D': return DateOrder::kDayMonthYear;
      default: break;
    }
  }
  return DateOrder::kMonthDayYear;
}

class Scanner {
 public:
  explicit Scanner(std::string_view s) : s_(s) {}

  bool AtEnd() const { return pos_ >= s_.size(); }
  std::size_t Position() const { return pos_; }

  void SkipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  // A field number: digits until the value reaches 1000 (so at most four significant digits).
  bool Number(Integer& value, Integer& length) {
    SkipBlanks();
    const std::size_t start = pos_;
    value = 0;
    while (pos_ < s_.size() && IsDecimalDigit(s_[pos_]) && value < 1000) value = value * 10 + (s_[pos_++] - '0');
    length = static_cast<Integer>(pos_ - start);
    return length > 0;
  }

  // A decimal fraction's digits as milliseconds (truncated after the third digit).
  bool Milliseconds(Integer& msec) {
    const std::size_t start = pos_;
    msec = 0;
    Integer scale = 100;
    for (; pos_ < s_.size() && IsDecimalDigit(s_[pos_]); ++pos_, scale /= 10) msec += (s_[pos_] - '0') * scale;
    return pos_ > start;
  }

  bool Char(char c) {
    SkipBlanks();
    if (pos_ >= s_.size() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // `word` in any case of A-Z (an empty word never matches).
  bool Word(std::string_view word) {
    SkipBlanks();
    if (word.empty() || !SameText(s_.substr(pos_, word.size()), word)) return false;
    pos_ += word.size();
    return true;
  }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

// A year of one or two digits within the century window, in the settings' era.
Integer WindowedYear(Integer year, const TFormatSettings& fs) {
  const Integer window = fs.TwoDigitYearCenturyWindow;
  const Integer centuryBase = CurrentYear() + fs.EraYearOffset - window;
  year += centuryBase / 100 * 100;
  if (window > 0 && year < centuryBase) year += 100;
  return year;
}

bool ScanDate(Scanner& in, TDateTime& date, const TFormatSettings& fs) {
  Integer n1, n2, n3, len1, len2, len3;
  if (!in.Number(n1, len1) || !in.Char(fs.DateSeparator) || !in.Number(n2, len2)) return false;
  const DateOrder order = DateOrderOf(fs.ShortDateFormat);
  Integer year = 0, month = 0, day = 0;
  if (in.Char(fs.DateSeparator)) {
    if (!in.Number(n3, len3)) return false;
    const bool yearFirst = order == DateOrder::kYearMonthDay;
    year = yearFirst ? n1 : n3;
    month = order == DateOrder::kMonthDayYear ? n1 : n2;
    day = order == DateOrder::kYearMonthDay ? n3 : order == DateOrder::kDayMonthYear ? n1 : n2;
    if ((yearFirst ? len1 : len3) <= 2) year = WindowedYear(year, fs);
    year -= fs.EraYearOffset;
  } else {
    year = CurrentYear();
    const bool dayFirst = order == DateOrder::kDayMonthYear;
    day = dayFirst ? n1 : n2;
    month = dayFirst ? n2 : n1;
  }
  in.Char(fs.DateSeparator);   // a trailing separator is allowed
  in.SkipBlanks();
  const auto inWord = [](Integer v) { return v >= 0 && v <= 0xFFFF; };
  return inWord(year) && inWord(month) && inWord(day) &&
         TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date);
}

// The AM/PM marker at the scanner: 0 for AM, 12 for PM, -1 when there is none.
Integer ScanHalfDay(Scanner& in, const TFormatSettings& fs) {
  if (in.Word(fs.TimeAMString) || in.Word("AM")) return 0;
  if (in.Word(fs.TimePMString) || in.Word("PM")) return 12;
  return -1;
}

bool ScanTime(Scanner& in, TDateTime& time, const TFormatSettings& fs) {
  Integer halfDay = ScanHalfDay(in, fs);
  Integer hour, min = 0, sec = 0, msec = 0, length;
  if (!in.Number(hour, length)) return false;
  if (in.Char(fs.TimeSeparator)) {
    if (!in.Number(min, length)) return false;
    if (in.Char(fs.TimeSeparator)) {
      if (!in.Number(sec, length)) return false;
      if (in.Char(fs.DecimalSeparator) && !in.Milliseconds(msec)) return false;
    }
  }
  if (halfDay < 0) halfDay = ScanHalfDay(in, fs);
  if (halfDay >= 0) {
    if (hour == 0 || hour > 12) return false;
    hour = hour % 12 + halfDay;
  }
  in.SkipBlanks();
  return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(min), static_cast<Word>(sec),
                       static_cast<Word>(msec), time);
}

}  // namespace

bool TryStrToDate(std::string_view s, TDateTime& value) { return TryStrToDate(s, value, FormatSettings); }

bool TryStrToDate(std::string_view s, TDateTime& value, const TFormatSettings& settings) {
  Scanner in(s);
  TDateTime date;
  if (!ScanDate(in, date, settings) || !in.AtEnd()) return false;
  value = date;
  return true;
}

TDateTime StrToDate(std::string_view s) { return StrToDate(s, FormatSettings); }

TDateTime StrToDate(std::string_view s, const TFormatSettings& settings) {
  TDateTime value;
  if (!TryStrToDate(s, value, settings)) RaiseNotValid(s, "date");
  return value;
}

TDateTime StrToDateDef(std::string_view s, TDateTime defaultValue) {
  return StrToDateDef(s, defaultValue, FormatSettings);
}

TDateTime StrToDateDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime value;
  return TryStrToDate(s, value, settings) ? value : defaultValue;
}

bool TryStrToTime(std::string_view s, TDateTime& value) { return TryStrToTime(s, value, FormatSettings); }

bool TryStrToTime(std::string_view s, TDateTime& value, const TFormatSettings& settings) {
  Scanner in(s);
  TDateTime time;
  if (!ScanTime(in, time, settings) || !in.AtEnd()) return false;
  value = time;
  return true;
}

TDateTime StrToTime(std::string_view s) { return StrToTime(s, FormatSettings); }

TDateTime StrToTime(std::string_view s, const TFormatSettings& settings) {
  TDateTime value;
  if (!TryStrToTime(s, value, settings)) RaiseNotValid(s, "time");
  return value;
}

TDateTime StrToTimeDef(std::string_view s, TDateTime defaultValue) {
  return StrToTimeDef(s, defaultValue, FormatSettings);
}

TDateTime StrToTimeDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime value;
  return TryStrToTime(s, value, settings) ? value : defaultValue;
}

bool TryStrToDateTime(std::string_view s, TDateTime& value) {
  return TryStrToDateTime(s, value, FormatSettings);
}

bool TryStrToDateTime(std::string_view s, TDateTime& value, const TFormatSettings& settings) {
  Scanner in(s);
  TDateTime date, time = 0;
  if (!ScanDate(in, date, settings) || (!in.AtEnd() && (!ScanTime(in, time, settings) || !in.AtEnd())))
    return TryStrToTime(s, value, settings);
  value = date >= 0 ? date + time : date - time;
  return true;
}

TDateTime StrToDateTime(std::string_view s) { return StrToDateTime(s, FormatSettings); }

TDateTime StrToDateTime(std::string_view s, const TFormatSettings& settings) {
  TDateTime value;
  if (!TryStrToDateTime(s, value, settings)) RaiseNotValid(s, "date and time");
  return value;
}

TDateTime StrToDateTimeDef(std::string_view s, TDateTime defaultValue) {
  return StrToDateTimeDef(s, defaultValue, FormatSettings);
}

TDateTime StrToDateTimeDef(std::string_view s, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime value;
  return TryStrToDateTime(s, value, settings) ? value : defaultValue;
}
