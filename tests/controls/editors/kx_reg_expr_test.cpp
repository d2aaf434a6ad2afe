// The regular-expression engine: what masks take (tables of texts fed one character at a time),
// the errors of each stage with their lines and columns, case handling, and auto-complete with
// its forced characters.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/editors/kx_reg_expr.h"
#include "platform/classes/string_stream.h"
#include "platform/core/format_settings.h"
#include "platform/os/locale.h"
#include "reg_expr_test_support.h"

namespace {

struct MatchCase {
  const char* expression;
  const char* typed;
  const char* taken;   // the typed characters Advance took
  bool complete;
};

TEST(RegExprMatching, TakesWhatCanStillMatchAndKnowsWhenComplete) {
  ScopedLocale locale("en-US");
  const MatchCase cases[] = {
      {"a b", "a b", "ab", true},                     // blanks in the expression are ignored
      {"a' 'b", "a b", "a b", true},                  // a quoted blank is a character
      {"a\\sb", "a\tb", "a\tb", true},
      {"(0?[1-9]|1[012])", "1", "1", true},
      {"(0?[1-9]|1[012])", "01", "01", true},
      {"(0?[1-9]|1[012])", "12", "12", true},
      {"(0?[1-9]|1[012])", "13", "1", true},          // the "3" cannot follow
      {"(0?[1-9]|1[012])", "0", "0", false},
      {"a{3}", "aaaa", "aaa", true},
      {"a{3}", "aa", "aa", false},
      {"a{2,}", "a", "a", false},
      {"a{2,}", "aaaaaa", "aaaaaa", true},
      {"a{1,2}", "a", "a", true},
      {"a{1,2}", "aaa", "aa", true},
      {"x{2,4}", "xxxxx", "xxxx", true},
      {"x{2,4}", "xxx", "xxx", true},
      {"a{0}b", "ab", "b", true},
      {"(a|b)\\1", "ab", "ab", true},                 // the pattern is repeated, not the text
      {"(a|b)\\1", "b", "b", false},
      {"a+*", "aaa", "aaa", true},                    // an optional repeated block
      {"a+*", "", "", true},
      {"[^0-9]x", "5ax", "ax", true},
      {"[a-c-]", "-", "-", true},                     // "-" before "]" is a literal
      {"\\D\\W\\S", "a_.x", "a.x", true},
      {"'it''s'", "it's", "it's", true},
      {"\\x41\\t\\n", "A\t\n", "A\t\n", true},
      {"\\d+", "12x3", "123", true},
      {"x(a?)", "x", "x", true},                      // an empty block at the end leaves x complete
      {"(a?)", "", "", true},
      {"ab|ac", "ac", "ac", true},
      {"\\d\\d:\\d\\d", "12:34", "12:34", true},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(std::string(c.expression) + " <- " + c.typed);
    TkxRegExpr expr;
    CompileText(expr, c.expression);
    EXPECT_EQ(FeedText(expr, c.typed), c.taken);
    EXPECT_EQ(expr.IsComplete(), c.complete);
  }
}

TEST(RegExprMatching, SeparatorsFollowTheLocaleWhenReadingAndEscapesAreTheCharacters) {
  ScopedLocale locale("en-US");
  TkxRegExpr localDate, plainDate, localTime, plainTime, inBrackets;
  CompileText(localDate, "\\d/\\d");
  CompileText(plainDate, "\\d\\/\\d");
  CompileText(localTime, "\\d:\\d");
  CompileText(plainTime, "\\d\\:\\d");
  CompileText(inBrackets, "[/x]");
  EXPECT_EQ(FeedText(localDate, "1-/2"), "1/2");
  EXPECT_EQ(FeedText(inBrackets, "/"), "/");
  for (TkxRegExpr* expr : {&localDate, &inBrackets}) expr->Restart();
  FormatSettings.DateSeparator = '-';   // changed after reading: taken at each test
  FormatSettings.TimeSeparator = '.';
  EXPECT_EQ(FeedText(localDate, "1/-2"), "1-2");
  EXPECT_EQ(FeedText(inBrackets, "/-"), "-");
  EXPECT_EQ(FeedText(plainDate, "1-/2"), "1/2");
  EXPECT_EQ(FeedText(localTime, "1:.2"), "1.2");
  EXPECT_EQ(FeedText(plainTime, "1.:2"), "1:2");
}

TEST(RegExprMatching, DecimalSeparatorEscapeIsTakenWhenCompiling) {
  ScopedLocale locale("en-US");
  FormatSettings.DecimalSeparator = ',';
  TkxRegExpr expr;
  CompileText(expr, "\\d\\p\\d");
  FormatSettings.DecimalSeparator = '.';
  EXPECT_EQ(FeedText(expr, "1.,2"), "1,2");
}

TEST(RegExprMatching, CaseInsensitiveHandsBackThePatternsCharactersButRangesKeepCase) {
  TkxRegExpr expr;
  expr.SetCaseInsensitive(true);
  CompileText(expr, "abc[a-z]");
  std::string handedBack;
  for (char ch : std::string("ABCD")) {
    const bool taken = expr.Advance(ch);
    if (taken) handedBack += ch;
  }
  EXPECT_EQ(handedBack, "abc");          // "D" refused by the range
  EXPECT_FALSE(expr.IsComplete());
  EXPECT_EQ(FeedText(expr, "d"), "d");
  EXPECT_TRUE(expr.IsComplete());
  expr.Restart();
  EXPECT_EQ(expr.AdvanceText("AbC"), "AbC");   // AdvanceText answers the text as typed
}

TEST(RegExprMatching, StepBackAndRestartReturnToEarlierSets) {
  TkxRegExpr expr;
  CompileText(expr, "ab+c");
  EXPECT_TRUE(expr.AtStart());
  EXPECT_EQ(FeedText(expr, "abbc"), "abbc");
  EXPECT_TRUE(expr.IsComplete());
  EXPECT_FALSE(expr.AtStart());
  EXPECT_TRUE(expr.StepBack());
  EXPECT_FALSE(expr.IsComplete());
  EXPECT_EQ(FeedText(expr, "c"), "c");
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(expr.StepBack());
  EXPECT_TRUE(expr.AtStart());
  EXPECT_FALSE(expr.StepBack());
  EXPECT_EQ(FeedText(expr, "ab"), "ab");
  expr.Restart();
  EXPECT_TRUE(expr.AtStart());
  EXPECT_EQ(FeedText(expr, "b"), "");
}

TEST(RegExprMatching, RepeatedBlockWithOptionalTailKeepsEachStateOnce) {
  TkxRegExpr expr;
  CompileText(expr, "(\\d\\d?)*");
  for (int i = 0; i < 60; ++i) {
    char digit = static_cast<char>('0' + i % 10);
    ASSERT_TRUE(expr.Advance(digit));
    EXPECT_LE(expr.CurrentStateCount(), 2);   // the two digit positions, once each
  }
  EXPECT_TRUE(expr.IsComplete());
}

TEST(RegExprMatching, MatchingBeforeACompileRaisesNotCompiled) {
  TkxRegExpr expr;
  char ch = 'a';
  EXPECT_FALSE(expr.IsReady());
  for (const auto& call : std::vector<std::function<void()>>{
           [&] { expr.Advance(ch); }, [&] { expr.AdvanceText("a"); }, [&] { expr.StepBack(); },
           [&] { expr.Restart(); }, [&] { expr.AtStart(); }, [&] { expr.IsComplete(); }}) {
    try {
      call();
      ADD_FAILURE() << "no exception";
    } catch (const EkxRegExprError&) {
      ADD_FAILURE() << "a compile error";
    } catch (const EkxEditError& error) {
      EXPECT_EQ(error.Message(), "Regular expression is not compiled");
    }
  }
  CompileText(expr, "a");
  EXPECT_TRUE(expr.IsReady());
  expr.Discard();
  EXPECT_THROW(expr.Restart(), EkxEditError);
}

struct ErrorCase {
  const char* expression;
  std::vector<std::string> errors;
};

TEST(RegExprErrors, EachStageReportsEveryErrorWithLineAndColumn) {
  const ErrorCase cases[] = {
      {"", {"The source stream is empty"}},
      {" \t\r\n", {"The source stream is empty"}},
      {"(ab", {"Missing ')'"}},
      {"ab)", {"Unnecessary ')'"}},
      {"'ab", {"Line1, Char4: Missing ' ' '"}},
      {"[ab", {"Line1, Char4: Missing ']'"}},
      {"[a-", {"Line1, Char4: Missing ']'"}},
      {"a{2", {"Line1, Char4: Missing '}'"}},
      {"a\\ b", {"Line1, Char3: The space character is not allowed after '\\'"}},
      {"\\x4", {"Line1, Char4: Hexadecimal number expected"}},
      {"\\x4g", {"Line1, Char4: Hexadecimal number expected but 'g' found"}},
      {"a{2x}", {"Line1, Char4: Illegal 'x'"}},
      {"a{'}", {"Line1, Char3: Illegal ' ' '"}},
      // all lexing errors in one raise, and no parsing follows (the leading "*" is not reported)
      {"*a\\ b{x}[c", {"Line1, Char4: The space character is not allowed after '\\'",
                        "Line1, Char7: Illegal 'x'", "Line1, Char11: Missing ']'"}},
      {"?a", {"Line1, Char1: Illegal quantifier '?'"}},
      {"a**", {"Line1, Char3: The '*' quantifier cannot be applied here"}},
      {"a?+", {"Line1, Char3: The '+' quantifier cannot be applied here"}},
      {"{2}", {"Line1, Char1: Incorrect parameter quantifier"}},
      {"a{}", {"Line1, Char3: Incorrect parameter quantifier"}},
      {"a{3,2}", {"Line1, Char5: Incorrect parameter quantifier"}},
      {"a{1,2,3}", {"Line1, Char6: Incorrect parameter quantifier"}},
      {"a?{2}", {"Line1, Char3: The parameter quantifier cannot be applied here"}},
      {"a*{2}", {"Line1, Char3: The parameter quantifier cannot be applied here"}},
      {"|a", {"Line1, Char1: The alternative should not be empty"}},
      {"a|", {"The alternative should not be empty"}},
      {"()", {"Line1, Char2: The block should not be empty"}},
      {"\\2(a)", {"Line1, Char1: Too big reference number"}},
      {"[]", {"Line1, Char2: Can't create empty enumeration"}},
      {"[^]", {"Line1, Char3: Can't create empty enumeration"}},
      {"[b-a]", {"Line1, Char2: The starting character of the subrange must be less than the finishing one"}},
      {"[a-a]", {"Line1, Char2: The starting character of the subrange must be less than the finishing one"}},
      {"[a-c-e]", {"Line1, Char5: Illegal '-'"}},
      {"a)(b", {"Line1, Char2: Illegal ')'"}},
      // all parsing errors in one raise, lines counted at carriage returns
      {"?a|\r\n b**|()", {"Line1, Char1: Illegal quantifier '?'",
                          "Line2, Char4: The '*' quantifier cannot be applied here",
                          "Line2, Char7: The block should not be empty"}},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.expression);
    EXPECT_EQ(CompileErrors(c.expression), c.errors);
  }
}

TEST(RegExprErrors, RaisedErrorCarriesTheErrorsAndALaterCompileWorks) {
  TkxRegExpr expr;
  try {
    CompileText(expr, "a**|b?+");
    FAIL() << "compiled";
  } catch (const EkxRegExprError& error) {
    ASSERT_EQ(error.Errors().Count(), 2);
    EXPECT_EQ(error.Errors().Items(1).Line, 1);
    EXPECT_EQ(error.Errors().Items(1).Column, 7);
    EXPECT_EQ(error.Message(), "Line1, Char3: The '*' quantifier cannot be applied here\r\n"
                               "Line1, Char7: The '+' quantifier cannot be applied here");
    EXPECT_EQ(expr.Errors().Count(), 2);
  }
  EXPECT_FALSE(expr.IsReady());
  CompileText(expr, "b+");
  EXPECT_EQ(expr.Errors().Count(), 0);
  EXPECT_EQ(FeedText(expr, "bb"), "bb");
}

TEST(RegExprErrors, MissingStreamIsNotAssigned) {
  TkxRegExpr expr;
  try {
    expr.Compile(nullptr);
    FAIL() << "compiled";
  } catch (const EkxRegExprError& error) {
    EXPECT_EQ(error.Message(), "The source stream is not assigned");
  }
}

TEST(RegExprErrors, FullTextShowsOnlyTheKnownParts) {
  EXPECT_EQ(TkxRegExprError(1, 4, "m").FullText(), "Line1, Char4: m");
  EXPECT_EQ(TkxRegExprError(3, 0, "m").FullText(), "Line3: m");
  EXPECT_EQ(TkxRegExprError(0, 5, "m").FullText(), "m");
}

// Types through an expression as an editor would: forced characters join the text, removed ones
// leave it, and every event is counted.
class Typist {
 public:
  explicit Typist(TkxRegExpr& Expr) : expr_(Expr) {
    expr_.OnForcedCharAdded = [this](char ch) {
      text += ch;
      ++added;
    };
    expr_.OnForcedCharRemoved = [this] {
      text.pop_back();
      ++removed;
    };
  }
  bool Type(char ch) {
    const std::size_t at = text.size();
    text += ch;
    if (expr_.Advance(ch)) {
      text[at] = ch;
      return true;
    }
    text.pop_back();
    return false;
  }
  bool Back() {
    // Forced characters go first (through the events), then the character before them.
    const std::size_t before = text.size();
    const bool stepped = expr_.StepBack();
    if (stepped) text.erase(text.size() - 1);
    EXPECT_LE(text.size(), before);
    return stepped;
  }

  std::string text;
  int added = 0;
  int removed = 0;

 private:
  TkxRegExpr& expr_;
};

TEST(RegExprAutoComplete, TimeSeparatorIsTypedAfterTheHoursAndRemovedFirst) {
  for (const char separator : {':', '.'}) {
    ScopedLocale locale("en-US");
    FormatSettings.TimeSeparator = separator;
    TkxRegExpr expr;
    CompileText(expr, "\\d\\d:\\d\\d");
    expr.SetAutoComplete(true);
    Typist typist(expr);
    EXPECT_EQ(typist.added, 0);
    typist.Type('1');
    EXPECT_EQ(typist.added, 0);
    typist.Type('2');
    EXPECT_EQ(typist.text, std::string("12") + separator);
    EXPECT_EQ(typist.added, 1);
    EXPECT_TRUE(typist.Back());
    EXPECT_EQ(typist.removed, 1);
    EXPECT_EQ(typist.text, "1");
    EXPECT_FALSE(expr.IsComplete());
    for (char ch : std::string("234")) typist.Type(ch);
    EXPECT_EQ(typist.text, std::string("12") + separator + "34");
    EXPECT_TRUE(expr.IsComplete());
  }
}

TEST(RegExprAutoComplete, SwitchingOnTypesTheForcedPrefixAndSteppingBackTakesItAway) {
  TkxRegExpr expr;
  Typist typist(expr);
  CompileText(expr, "'ID-'\\d");
  EXPECT_EQ(typist.added, 0);
  expr.SetAutoComplete(true);
  EXPECT_EQ(typist.text, "ID-");
  EXPECT_EQ(typist.added, 3);
  expr.SetAutoComplete(true);   // already on: nothing more
  EXPECT_EQ(typist.added, 3);
  typist.Type('5');
  EXPECT_TRUE(expr.IsComplete());
  EXPECT_TRUE(typist.Back());
  EXPECT_EQ(typist.text, "ID-");
  EXPECT_FALSE(typist.Back());   // the prefix is forced from the start
  EXPECT_EQ(typist.text, "");
  EXPECT_EQ(typist.removed, 3);
  EXPECT_TRUE(expr.AtStart());
}

TEST(RegExprAutoComplete, CompilingWithAutoCompleteOnTypesFromTheStart) {
  TkxRegExpr expr;
  Typist typist(expr);
  expr.SetAutoComplete(true);
  CompileText(expr, "'<'\\d'>'");
  EXPECT_EQ(typist.text, "<");
  typist.Type('7');
  EXPECT_EQ(typist.text, "<7>");
  EXPECT_TRUE(expr.IsComplete());
}

TEST(RegExprAutoComplete, NothingIsForcedWhereTheTextIsCompleteOrTheChoiceOpen) {
  TkxRegExpr expr;
  Typist typist(expr);
  CompileText(expr, "(0?[1-9]|1[012])");
  expr.SetAutoComplete(true);
  typist.Type('1');
  EXPECT_EQ(typist.text, "1");
  EXPECT_EQ(typist.added, 0);
  TkxRegExpr open;
  Typist other(open);
  CompileText(open, "[ab](b|c)");
  open.SetAutoComplete(true);
  other.Type('a');
  EXPECT_EQ(other.text, "a");
  EXPECT_EQ(other.added, 0);
  TkxRegExpr optional;
  Typist third(optional);
  optional.SetAutoComplete(true);
  CompileText(optional, "x(y?)");   // "x" is complete: the optional "y" is not typed
  third.Type('x');
  EXPECT_EQ(third.text, "x");
}

TEST(RegExprAutoComplete, AdvanceTextNeverAppendsForcedCharacters) {
  TkxRegExpr expr;
  Typist typist(expr);
  CompileText(expr, "\\d\\d'-'\\d");
  expr.SetAutoComplete(true);
  EXPECT_EQ(expr.AdvanceText("12"), "12");
  EXPECT_EQ(typist.added, 0);
  EXPECT_FALSE(expr.IsComplete());
}

}  // namespace
