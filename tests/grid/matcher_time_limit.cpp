// A condition full of "*" against a long cell must end at once: matched by trying every tail
// recursively it would run for years.  This program's tests run under a CTest time limit of a few
// seconds (tests/grid/CMakeLists.txt), which is the check.
#include <gtest/gtest.h>

#include <string>

#include "grid/condition_matcher.h"

namespace {

std::string ManyStars(int count, char last) {
  std::string condition;
  for (int i = 0; i < count; ++i) condition += "*a";
  return condition + last;
}

TEST(MatcherTimeLimit, FifteenStarsAgainstAThousandCharactersEndQuickly) {
  const std::string value(1000, 'a');
  EXPECT_FALSE(MatchCondition(ManyStars(15, 'b'), value, true));
  EXPECT_FALSE(MatchCondition(ManyStars(15, 'b'), value, false));
  EXPECT_TRUE(MatchCondition(ManyStars(15, '*'), value, false));
  EXPECT_TRUE(MatchCondition(ManyStars(15, 'a'), value, false));
  EXPECT_FALSE(MatchCondition(ManyStars(1001, '*'), value, false)) << "more a's than the value has";
}

}  // namespace
