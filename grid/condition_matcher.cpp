// The condition matcher.  MatchCore of a condition suffix and a value tail is a pure function of
// the two; the wildcard "*" needs it for every tail of the value, so instead of trying the tails
// recursively (exponential in the number of "*"), one match computes, for each run of "*" the
// wildcard walk meets, from the last run to the first, whether the condition after the run
// matches the value from each position on or from any later one.
#include "grid/condition_matcher.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "grid/grid_text_routines.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_time.h"
#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"

namespace {

// An operand holds at most this many characters; texts compare by at most this many.
constexpr std::size_t kOperandLimit = 255;

// Numbers written with "." as the decimal point, as PlainNumberText writes them.
bool ReadPlainNumber(std::string_view text, double& number) {
  static const TFormatSettings pointSettings = [] {
    TFormatSettings settings;
    settings.DecimalSeparator = '.';
    return settings;
  }();
  return TryStrToFloat(text, number, pointSettings);
}

// The operand that starts at `from`: up to a blank, the end, or an "&" or "|" outside double
// quotes; without the double quote that opens it or the one it ends with.
std::string ReadOperand(std::string_view condition, std::size_t from) {
  while (from < condition.size() && condition[from] == ' ') ++from;
  bool quoted = from < condition.size() && condition[from] == '"';
  if (quoted) ++from;
  std::string operand;
  for (std::size_t i = from; i < condition.size() && operand.size() < kOperandLimit; ++i) {
    const char ch = condition[i];
    if (ch == ' ' || (!quoted && (ch == '&' || ch == '|'))) break;
    if (ch == '"') quoted = !quoted;
    operand += ch;
  }
  if (operand.ends_with('"')) operand.pop_back();
  return operand;
}

// -1, 0 or 1 as the value lies below, at or above the operand.
template <typename T>
int OrderOf(T value, T operand) {
  return value < operand ? -1 : value > operand ? 1 : 0;
}

// Below 0, 0 or above 0 as the value lies below, at or above the operand: as numbers when both
// are, else as dates when both are, else byte-wise by at most kOperandLimit characters.
int CompareWithOperand(std::string_view value, std::string_view operand) {
  double valueNumber = 0, operandNumber = 0;
  if (ReadPlainNumber(PlainNumberText(value), valueNumber) && ReadPlainNumber(PlainNumberText(operand), operandNumber))
    return OrderOf(valueNumber, operandNumber);
  TDateTime valueDate = 0, operandDate = 0;
  if (ParseLocalDate(operand, operandDate) && ParseLocalDate(value, valueDate)) return OrderOf(valueDate, operandDate);
  return -CompareStr(operand.substr(0, kOperandLimit), value.substr(0, kOperandLimit));
}

// The comparison after the first `op` ('>' or '<') of the condition: whether the value satisfies it.
bool ComparisonHolds(std::string_view condition, std::string_view value, char op) {
  std::size_t at = condition.find(op) + 1;
  const bool inclusive = at < condition.size() && condition[at] == '=';
  if (inclusive) ++at;
  const int ordering = CompareWithOperand(value, ReadOperand(condition, at));
  if (ordering == 0) return inclusive;
  return op == '>' ? ordering > 0 : ordering < 0;
}

class TConditionMatch {
 public:
  TConditionMatch(std::string_view condition, std::string_view value);
  bool Result() const;

 private:
  using Tails = std::vector<bool>;   // [v]: the condition after a run of "*" matches some tail from v on

  bool Has(char ch, std::size_t from) const { return lastOf_[static_cast<unsigned char>(ch)] > from; }
  bool Decide(std::size_t p, std::size_t v, const Tails& nextRun) const;
  std::optional<bool> ComparisonDecision(std::size_t p, std::size_t v) const;
  bool WildcardMatch(std::size_t p, std::size_t v, const Tails& nextRun) const;

  std::string_view condition_;
  std::string_view value_;
  std::array<std::size_t, 256> lastOf_;   // last position of each byte in the condition, plus 1 (0: none)
  std::vector<std::size_t> runEnds_;      // position after each run of "*" the wildcard walk meets
};

TConditionMatch::TConditionMatch(std::string_view condition, std::string_view value)
    : condition_(condition), value_(value) {
  lastOf_.fill(0);
  for (std::size_t i = 0; i < condition.size(); ++i) lastOf_[static_cast<unsigned char>(condition[i])] = i + 1;
  // The walk reads "\" and the character after it as one step and every other character alone.
  for (std::size_t p = 0; p < condition.size();) {
    if (condition[p] == '*') {
      while (p < condition.size() && condition[p] == '*') ++p;
      runEnds_.push_back(p);
    } else {
      p += condition[p] == '\\' ? 2 : 1;
    }
  }
}

bool TConditionMatch::Result() const {
  Tails nextRun;   // the run after the last one: never met
  for (std::size_t run = runEnds_.size(); run-- > 0;) {
    Tails tails(value_.size() + 2, false);
    for (std::size_t v = value_.size() + 1; v-- > 0;) tails[v] = tails[v + 1] || Decide(runEnds_[run], v, nextRun);
    nextRun = std::move(tails);
  }
  return Decide(0, 0, nextRun);
}

// MatchCore(condition from p, value from v); `nextRun` answers for the next run of "*".
bool TConditionMatch::Decide(std::size_t p, std::size_t v, const Tails& nextRun) const {
  if (const std::optional<bool> decided = ComparisonDecision(p, v)) return *decided;
  return WildcardMatch(p, v, nextRun);
}

std::optional<bool> TConditionMatch::ComparisonDecision(std::size_t p, std::size_t v) const {
  const bool greaterSeen = Has('>', p);
  const bool lessSeen = Has('<', p);
  if (!greaterSeen && !lessSeen) return std::nullopt;
  const std::string_view condition = condition_.substr(p);
  const std::string_view value = value_.substr(v);
  const bool greater = !greaterSeen || ComparisonHolds(condition, value, '>');
  const bool less = !lessSeen || ComparisonHolds(condition, value, '<');
  // "^" and "&" can only be quoted here: MatchCondition splits at the unquoted ones.
  if (Has('^', p)) return greater || less;
  if (Has('&', p) && greaterSeen && lessSeen) return greater && less;
  if ((greaterSeen && greater) || (lessSeen && less)) return true;
  return std::nullopt;
}

bool TConditionMatch::WildcardMatch(std::size_t p, std::size_t v, const Tails& nextRun) const {
  const std::size_t conditionEnd = condition_.size();
  const std::size_t valueEnd = value_.size();
  bool negate = false;
  bool match = true;
  while (match && !(p == conditionEnd && v == valueEnd)) {
    const char ch = p < conditionEnd ? condition_[p] : '\0';
    if (p < conditionEnd && ch == '!') {
      negate = true;
      ++p;
    } else if (p < conditionEnd && ch == '"') {
      ++p;
    } else if (p < conditionEnd && ch == '*') {
      match = nextRun[v];
      p = conditionEnd;
      v = valueEnd;
    } else if (p < conditionEnd && ch == '?') {
      match = v < valueEnd;
      ++p;
      ++v;
    } else {
      const std::size_t literal = ch == '\\' && p < conditionEnd ? p + 1 : p;
      match = literal < conditionEnd && v < valueEnd && condition_[literal] == value_[v];
      p = literal + 1;
      ++v;
    }
  }
  return match != negate;
}

}  // namespace

bool MatchCondition(std::string_view condition, std::string_view value, bool caseSensitive) {
  const std::string stripped = StripUnquotedSpaces(Trim(condition));
  std::string_view rest = stripped;
  if (rest.starts_with('=')) rest.remove_prefix(1);
  bool result = true;
  char pending = '\0';
  const auto combine = [&](bool part) {
    result = pending == '\0' ? part : pending == '&' ? result && part : result || part;
  };
  Integer at = 0;
  while (FindUnquotedChar("&;^|", rest, at) > 0) {
    combine(MatchSingle(rest.substr(0, at - 1), value, caseSensitive));
    pending = rest[at - 1];
    rest.remove_prefix(at);
  }
  combine(MatchSingle(rest, value, caseSensitive));
  return result;
}

bool MatchSingle(std::string_view condition, std::string_view value, bool caseSensitive) {
  if (caseSensitive) return MatchCore(condition, value);
  return MatchCore(AnsiUpperCase(condition), AnsiUpperCase(value));
}

bool MatchCore(std::string_view condition, std::string_view value) {
  return TConditionMatch(condition, value).Result();
}

std::string StripUnquotedSpaces(std::string_view text) {
  std::string stripped;
  stripped.reserve(text.size());
  bool quoted = false;
  for (const char ch : text) {
    if (ch == '"') quoted = !quoted;
    if (ch != ' ' || quoted) stripped += ch;
  }
  return stripped;
}

std::string PlainNumberText(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (const char ch : text) {
    if (ch == FormatSettings.ThousandSeparator) continue;
    plain += ch == FormatSettings.DecimalSeparator ? '.' : ch;
  }
  return plain;
}

bool ParseLocalDate(std::string_view text, TDateTime& date) {
  // Fields in the order the short date format has its day, month and year.
  const std::string format = UpperCase(FormatSettings.ShortDateFormat);
  std::array<char, 3> order = {'D', 'M', 'Y'};
  std::stable_sort(order.begin(), order.end(), [&](char a, char b) { return format.find(a) < format.find(b); });

  const char separator = FormatSettings.DateSeparator;
  const std::size_t first = text.find(separator);
  const std::size_t second = first == std::string_view::npos ? first : text.find(separator, first + 1);
  if (second == std::string_view::npos) return false;
  const std::array<std::string_view, 3> fields = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                                  text.substr(second + 1)};
  Integer day = 0, month = 0, year = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    Integer& target = order[i] == 'D' ? day : order[i] == 'M' ? month : year;
    if (!TryStrToInt(fields[i], target)) return false;
  }
  if (day >= 32 || month > 12 || day < 0 || month < 0 || year < 0 || year > 0xFFFF) return false;
  return TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date);
}
