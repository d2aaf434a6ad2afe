// Hostile masks: each runs in a child process under a 256 MB memory cap and must end normally, the
// expression refused with the line and column of the lexem at fault, or compiled and read within
// bounds.  A mask that hung the engine would show as CTest's timeout.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "capped_child.h"
#include "controls/editors/kx_reg_expr.h"
#include "reg_expr_test_support.h"

namespace {

std::string Repeat(const std::string& Text, int Count) {
  std::string result;
  result.reserve(Text.size() * static_cast<std::size_t>(Count));
  for (int i = 0; i < Count; ++i) result += Text;
  return result;
}

// In the child: prints the first error of compiling Expression, or the automaton's size.
void ReportCompile(const std::string& Expression) {
  TkxRegExpr expr;
  try {
    CompileText(expr, Expression);
    std::fprintf(stderr, "compiled, %d states\n", expr.StateCount());
  } catch (const EkxRegExprError& error) {
    std::fprintf(stderr, "refused: %s\n", error.Errors().Items(0).FullText().c_str());
  }
}

TEST(RegExprLimitsDeathTest, UnboundedBracesOnAnItemThatCanBeEmptyAreRefused) {
  EXPECT_ENDS_NORMALLY(ReportCompile("(a?){2,}"),
                       "refused: Line1, Char5: The parameter quantifier cannot be applied here");
  EXPECT_ENDS_NORMALLY(ReportCompile("(a?){0,}"),
                       "refused: Line1, Char5: The parameter quantifier cannot be applied here");
  EXPECT_ENDS_NORMALLY(ReportCompile("a{0}{3,}"),
                       "refused: Line1, Char5: The parameter quantifier cannot be applied here");
}

TEST(RegExprLimitsDeathTest, RepeatCountsAndSizeAreBounded) {
  EXPECT_ENDS_NORMALLY(ReportCompile("((a{1000}){1000}){1000}"),
                       "refused: Line1, Char11: The expression is too large");
  EXPECT_ENDS_NORMALLY(ReportCompile("a{1001}"), "refused: Line1, Char3: Incorrect parameter quantifier");
  EXPECT_ENDS_NORMALLY(ReportCompile("a{2,4294967297}"), "refused: Line1, Char5: Incorrect parameter quantifier");
  EXPECT_ENDS_NORMALLY(ReportCompile("a{99999999999999999999999}"),
                       "refused: Line1, Char3: Incorrect parameter quantifier");
  EXPECT_ENDS_NORMALLY(ReportCompile("a{1000}"), "compiled, 1003 states");
}

TEST(RegExprLimitsDeathTest, DeepNestingIsRefusedWhereItBegins) {
  EXPECT_ENDS_NORMALLY(ReportCompile(std::string(100000, '(') + "a" + std::string(100000, ')')),
                       "refused: Line1, Char101: The expression is nested too deeply");
  EXPECT_ENDS_NORMALLY(ReportCompile(std::string(100, '(') + "a" + std::string(100, ')')), "compiled, 202 states");
  // Each further "?" wraps the item in one more block.
  EXPECT_ENDS_NORMALLY(ReportCompile("a+" + std::string(3000, '?')),
                       "refused: Line1, Char2003: The expression is nested too deeply");
}

TEST(RegExprLimitsDeathTest, ManyBlocksAreRefusedAndManyAlternativesCompile) {
  EXPECT_ENDS_NORMALLY(ReportCompile(Repeat("(a?)", 100000)),
                       "refused: Line1, Char133333: The expression is too large");
  EXPECT_ENDS_NORMALLY(
      {
        TkxRegExpr expr;
        CompileText(expr, "a" + Repeat("|a", 49999));
        const std::string taken = FeedText(expr, "aa");
        std::fprintf(stderr, "%d states, taken '%s', complete %d\n", expr.StateCount(), taken.c_str(),
                     expr.IsComplete());
      },
      "50001 states, taken 'a', complete 1");
}

TEST(RegExprLimitsDeathTest, RepeatedBlockWithOptionalTailKeepsItsSetSmall) {
  EXPECT_ENDS_NORMALLY(
      {
        TkxRegExpr expr;
        CompileText(expr, "(\\d\\d?)*");
        Integer largest = 0;
        for (int i = 0; i < 10000; ++i) {
          char digit = static_cast<char>('0' + i % 10);
          if (!expr.Advance(digit)) std::fprintf(stderr, "refused a digit\n");
          largest = std::max(largest, expr.CurrentStateCount());
        }
        while (expr.StepBack()) {
        }
        std::fprintf(stderr, "largest set %d of %d states, at start %d\n", largest, expr.StateCount(),
                     expr.AtStart());
      },
      "largest set 2 of 5 states, at start 1");
}

}  // namespace
