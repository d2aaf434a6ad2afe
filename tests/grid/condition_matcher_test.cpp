// The condition matcher under a pinned locale (dd/mm/yyyy, "/", "," thousands, "." decimals): the
// language's cases with and without case sensitivity, connective chains, quoted connectives, and
// agreement with a literal (exponential) reading of the wildcard rule on random small inputs.
#include "grid/condition_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "pinned_locale.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_time.h"
#include "platform/core/float_text.h"

namespace {

class ConditionMatcher : public ::testing::Test {
 protected:
  PinnedLocale locale_;
};

struct MatchCase {
  std::string condition;
  std::string value;
  bool ignoringCase;   // MatchCondition(..., false)
  bool withCase;       // MatchCondition(..., true)
};

void CheckCases(const std::vector<MatchCase>& cases) {
  for (const MatchCase& c : cases) {
    EXPECT_EQ(MatchCondition(c.condition, c.value, false), c.ignoringCase)
        << "'" << c.condition << "' on '" << c.value << "' ignoring case";
    EXPECT_EQ(MatchCondition(c.condition, c.value, true), c.withCase)
        << "'" << c.condition << "' on '" << c.value << "' with case";
  }
}

TEST_F(ConditionMatcher, Comparisons) {
  const std::string longOperand(255, 'b');
  CheckCases({
      {">10", "12", true, true},
      {">10", "1,234.5", true, true},   // the thousand separator goes
      {">10", "9", false, false},
      {">10", "10", false, false},
      {">=10", "10", true, true},
      {"<=5", "5", true, true},
      {"<5", "5", false, false},
      {"<5", "4.5", true, true},
      {"<5", "abc", false, false},       // byte-wise: "ABC" sorts above "5"
      {">5", "abc", true, true},
      {">01/02/2015", "15/02/2015", true, true},
      {">01/02/2015", "31/01/2015", false, false},
      {">=31/01/2015", "31/01/2015", true, true},
      {"<01/02/2015", "31/13/2015", false, false},   // no such date: compared as text
      {"x>5", "7", true, true},          // operators are found anywhere
      {"> 5", "7", true, true},
      {">\"b c\"", "bz", true, true},    // the operand ends at the blank: "b"
      {">m&<p", "n", true, true},        // two conditions: >m and <p
      {">m&<p", "q", false, false},
      {">=" + longOperand + "z", longOperand + "a", true, true},   // operands are cut to 255
      {">b", "C", true, false},          // with case "C" sorts below "b"
  });
}

TEST_F(ConditionMatcher, Wildcards) {
  CheckCases({
      {"a*", "abc", true, true},
      {"a*", "a", true, true},
      {"*c", "abc", true, true},
      {"*", "", true, true},
      {"?b?", "abc", true, true},
      {"?b?", "ab", false, false},
      {"a\\*", "a*", true, true},
      {"a\\*", "ab", false, false},
      {"a\\", "a", false, false},        // a "\" with nothing after it matches nothing
      {"*a*b*", "xxaxxbxx", true, true},
      {"*a*b*", "xxbxxaxx", false, false},
      {"ABC", "abc", true, false},
      {"abc", "ab", false, false},
      {"", "", true, true},
      {"", "a", false, false},
      {"=abc", "abc", true, true},
      {"==abc", "=abc", true, true},     // only the first "=" goes
      {"\"a b\"", "a b", true, true},    // the blank inside quotes stays, the quotes are skipped
      {" a b ", "ab", true, true},       // blanks outside quotes go
  });
}

TEST_F(ConditionMatcher, Negation) {
  CheckCases({
      {"!abc", "abc", false, false},
      {"!abc", "abd", true, true},
      {"!a*", "abc", false, false},
      {"!a*", "bcd", true, true},
      {"!\"R&D\"", "R&D", false, false},   // a negated quoted connective is matched, not always true
      {"!\"R&D\"", "HR", true, true},
      {"!\"a^b\"", "a^b", false, false},
  });
}

TEST_F(ConditionMatcher, ConnectivesFromLeftToRight) {
  CheckCases({
      {"a|b", "a", true, true},
      {"a|b", "b", true, true},
      {"a|b", "c", false, false},
      {"a;b", "b", true, true},
      {"a^b", "b", true, true},
      {"a|b&c", "a", false, false},        // (a or b) and c
      {"a*|b*&*c", "ac", true, true},
      {"a*&*b", "ab", true, true},
      {"a&b", "a&b", false, false},
      {"\"a&b\"", "a&b", true, true},
      {"\"a|b\"", "a|b", true, true},
      {"\"a;b\"|x", "a;b", true, true},
      {">1&<3|9", "9", true, true},        // (>1 and <3) or 9
      {">1&<3|9", "2", true, true},
      {">1&<3|9", "5", false, false},
      {"b|=a", "a", false, false},         // only the whole condition loses a leading "="
  });
}

TEST(ConditionMatcherLocale, SeparatorsAndDateOrderComeFromTheLocale) {
  PinnedLocale swapped('.', ',', "mm/dd/yyyy");
  EXPECT_TRUE(MatchCondition(">1,5", "1.234,5", false));
  EXPECT_FALSE(MatchCondition(">1.234,6", "1.234,5", false));
  EXPECT_TRUE(MatchCondition(">01/31/2015", "02/01/2015", false));
  EXPECT_EQ(PlainNumberText("1.234,5"), "1234.5");
}

TEST(ConditionMatcherParts, StripUnquotedSpacesAndParseLocalDate) {
  PinnedLocale locale;
  EXPECT_EQ(StripUnquotedSpaces(" a \" b c \" d "), "a\" b c \"d");
  EXPECT_EQ(StripUnquotedSpaces("\"a\" b \"c"), "\"a\"b\"c");
  EXPECT_EQ(PlainNumberText("1,234.5"), "1234.5");

  struct Case {
    const char* text;
    bool ok;
    TDateTime date;
  };
  const Case cases[] = {
      {"15/02/2015", true, EncodeDate(2015, 2, 15)},
      {"1/2/15", true, EncodeDate(15, 2, 1)},     // a two-digit year is taken as written
      {"30/02/2015", false, 0},
      {"00/02/2015", false, 0},
      {"32/01/2015", false, 0},
      {"01/13/2015", false, 0},
      {"1/2", false, 0},
      {"1/2/3/4", false, 0},
      {"a/2/2015", false, 0},
      {"-1/2/2015", false, 0},
      {"1/2/70000", false, 0},
  };
  for (const Case& c : cases) {
    TDateTime date = -1;
    EXPECT_EQ(ParseLocalDate(c.text, date), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(date, c.date) << c.text;
    }
  }
}

// MatchCore read literally: "*" tries every tail of the value recursively, shortest first.
bool LiteralCompare(std::string_view condition, std::string_view value, char op) {
  std::size_t at = condition.find(op) + 1;
  const bool inclusive = at < condition.size() && condition[at] == '=';
  if (inclusive) ++at;
  while (at < condition.size() && condition[at] == ' ') ++at;
  bool quoted = at < condition.size() && condition[at] == '"';
  if (quoted) ++at;
  std::string operand;
  for (; at < condition.size() && operand.size() < 255; ++at) {
    if (condition[at] == ' ' || (!quoted && (condition[at] == '&' || condition[at] == '|'))) break;
    if (condition[at] == '"') quoted = !quoted;
    operand += condition[at];
  }
  if (!operand.empty() && operand.back() == '"') operand.pop_back();
  TFormatSettings point;
  point.DecimalSeparator = '.';
  double v = 0, o = 0;
  int order = 0;
  TDateTime dv = 0, dop = 0;
  if (TryStrToFloat(PlainNumberText(value), v, point) && TryStrToFloat(PlainNumberText(operand), o, point))
    order = v < o ? -1 : v > o ? 1 : 0;
  else if (ParseLocalDate(operand, dop) && ParseLocalDate(value, dv))
    order = dv < dop ? -1 : dv > dop ? 1 : 0;
  else
    order = -CompareStr(operand.substr(0, 255), value.substr(0, 255));
  if (order == 0) return inclusive;
  return op == '>' ? order > 0 : order < 0;
}

bool LiteralCore(std::string_view condition, std::string_view value) {
  const bool hasGreater = condition.find('>') != std::string_view::npos;
  const bool hasLess = condition.find('<') != std::string_view::npos;
  const bool greater = !hasGreater || LiteralCompare(condition, value, '>');
  const bool less = !hasLess || LiteralCompare(condition, value, '<');
  if (condition.find('^') != std::string_view::npos && (hasGreater || hasLess)) return greater || less;
  if (condition.find('&') != std::string_view::npos && hasGreater && hasLess) return greater && less;
  if (hasGreater && greater) return true;
  if (hasLess && less) return true;
  std::size_t p = 0, v = 0;
  bool negate = false, match = true;
  while (match && !(p == condition.size() && v == value.size())) {
    const char ch = p < condition.size() ? condition[p] : '\0';
    if (p < condition.size() && ch == '!') {
      negate = true;
      ++p;
    } else if (p < condition.size() && ch == '"') {
      ++p;
    } else if (p < condition.size() && ch == '*') {
      while (p < condition.size() && condition[p] == '*') ++p;
      match = false;
      for (std::size_t tail = value.size() + 1; tail-- > v && !match;)
        match = LiteralCore(condition.substr(p), value.substr(tail));
      p = condition.size();
      v = value.size();
    } else if (p < condition.size() && ch == '?') {
      match = v < value.size();
      ++p;
      ++v;
    } else if (p < condition.size() && ch == '\\') {
      match = p + 1 < condition.size() && v < value.size() && condition[p + 1] == value[v];
      p += 2;
      ++v;
    } else {
      match = p < condition.size() && v < value.size() && ch == value[v];
      ++p;
      ++v;
    }
  }
  return match != negate;
}

TEST_F(ConditionMatcher, AgreesWithTheLiteralRuleOnRandomSmallInputs) {
  const std::string conditionChars = "ab12**?\\!\">><=&^/.";
  const std::string valueChars = "ab12/.";
  std::mt19937 random(42);
  std::uniform_int_distribution<int> conditionLength(0, 9);
  std::uniform_int_distribution<int> valueLength(0, 8);
  std::uniform_int_distribution<std::size_t> conditionChar(0, conditionChars.size() - 1);
  std::uniform_int_distribution<std::size_t> valueChar(0, valueChars.size() - 1);
  for (int round = 0; round < 20000; ++round) {
    std::string condition, value;
    for (int i = conditionLength(random); i > 0; --i) condition += conditionChars[conditionChar(random)];
    for (int i = valueLength(random); i > 0; --i) value += valueChars[valueChar(random)];
    ASSERT_EQ(MatchCore(condition, value), LiteralCore(condition, value))
        << "'" << condition << "' on '" << value << "'";
  }
}

}  // namespace
