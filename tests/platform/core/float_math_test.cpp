#include "platform/core/float_math.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "platform/core/exceptions.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBelowTwoTo63 = 9223372036854774784.0;   // 2^63 - 1024, the largest double below 2^63

TEST(FloatMath, RoundGoesToNearestWithHalvesToEven) {
  struct Case { double value; Int64 expected; };
  const Case cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3},
      {-2.6, -3}, {-0.0, 0},
      {0.49999999999999994, 0},                     // value + 0.5 would round up to 1.0
      {4503599627370497.0, 4503599627370497},       // 2^52 + 1: value + 0.5 is not representable
      {-4503599627370497.0, -4503599627370497},
      {1000000000000000.5, 1000000000000000}, {1000000000000001.5, 1000000000000002},
      {kBelowTwoTo63, 9223372036854774784}, {-9223372036854775808.0, INT64_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(Round(c.value), c.expected) << c.value;
}

TEST(FloatMath, TruncCutsTowardZero) {
  struct Case { double value; Int64 expected; };
  const Case cases[] = {{2.7, 2}, {-2.7, -2}, {-0.5, 0}, {0.99999999999999989, 0}, {1e15 + 0.5, 1000000000000000},
                        {kBelowTwoTo63, 9223372036854774784}, {-9223372036854775808.0, INT64_MIN}};
  for (const Case& c : cases) EXPECT_EQ(Trunc(c.value), c.expected) << c.value;
}

TEST(FloatMath, OutOfRangeRaisesInvalidOp) {
  const double cases[] = {9223372036854775808.0, -9223372036854777856.0, 1e300, -1e300, kInf, -kInf, kNaN};
  for (double value : cases) {
    EXPECT_THROW(Round(value), EInvalidOp) << value;
    EXPECT_THROW(Trunc(value), EInvalidOp) << value;
  }
  try {
    Round(kNaN);
  } catch (const EInvalidOp& e) {
    EXPECT_EQ(e.Message(), "Invalid floating point operation");
  }
}

TEST(FloatMath, IntAndFracSplitKeepingTheSign) {
  struct Case { double value, integral, fraction; };
  const Case cases[] = {{2.75, 2.0, 0.75}, {-2.75, -2.0, -0.75}, {0.5, 0.0, 0.5}, {1e300, 1e300, 0.0},
                        {-kInf, -kInf, kNaN}, {kNaN, kNaN, kNaN}};
  for (const Case& c : cases) {
    EXPECT_EQ(std::isnan(Int(c.value)), std::isnan(c.integral)) << c.value;
    if (!std::isnan(c.integral)) {
      EXPECT_EQ(Int(c.value), c.integral) << c.value;
    }
    EXPECT_EQ(std::isnan(Frac(c.value)), std::isnan(c.fraction)) << c.value;
    if (!std::isnan(c.fraction)) {
      EXPECT_EQ(Frac(c.value), c.fraction) << c.value;
    }
  }
}

TEST(FloatMath, ResultsIgnoreTheProcessorRoundingMode) {
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    const bool same = Round(2.5) == 2 && Round(-3.5) == -4 && Round(2.6) == 3 && Trunc(-2.7) == -2;
    std::fesetround(FE_TONEAREST);
    EXPECT_TRUE(same) << mode;
  }
}

}  // namespace
