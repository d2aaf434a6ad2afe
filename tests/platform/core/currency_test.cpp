#include "platform/core/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "platform/core/exceptions.h"

namespace {

Currency C(Int64 raw) { return Currency::FromRaw(raw); }

TEST(Currency, FromDoubleRoundsTheExactProductHalvesToEven) {
  struct Case { double value; Int64 raw; };
  const Case cases[] = {
      {1.5, 15000}, {-1.5, -15000}, {0.0, 0}, {-0.0, 0}, {12345.6789, 123456789},
      {0.03125, 312},    // 312.5 exactly: to the even count
      {0.09375, 938},    // 937.5 exactly
      {-0.03125, -312},
      {0x1p-20, 0},      // 0.0095..
      {922337203685477.5, 9223372036854775000},   // the largest double that fits
      {-922337203685477.5, -9223372036854775000},
  };
  for (const Case& c : cases) EXPECT_EQ(Currency::FromDouble(c.value).Raw(), c.raw) << c.value;
}

// x * 10000 rounded in double can land exactly on a half that the true product is not; the
// residual from a fused multiply-add tells the true side independently.
TEST(Currency, FromDoubleIsNotFooledByARoundedProduct) {
  std::mt19937_64 random(42);
  int nearHalves = 0;
  for (int i = 0; i < 20000; ++i) {
    const double x = (static_cast<double>(random() % 2000000000) + 0.5) / 10000.0 * ((i & 1) ? -1 : 1);
    const double product = x * 10000.0;
    const double residual = std::fma(x, 10000.0, -product);   // exact: x * 10000 = product + residual
    const double below = std::floor(product);
    const double fraction = product - below;
    bool up = fraction > 0.5 || (fraction == 0.5 && (residual > 0 || (residual == 0 && std::fmod(below, 2.0) != 0)));
    nearHalves += fraction == 0.5 && residual != 0;
    ASSERT_EQ(Currency::FromDouble(x).Raw(), static_cast<Int64>(up ? below + 1 : below)) << x;
  }
  EXPECT_GT(nearHalves, 100);   // the case that matters did occur
}

TEST(Currency, FromDoubleOutOfRangeRaisesInvalidOp) {
  const double cases[] = {922337203685477.625, -922337203685477.625, 1e300, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (double value : cases) EXPECT_THROW(Currency::FromDouble(value), EInvalidOp) << value;
}

TEST(Currency, ToDoubleGivesTheNearestDouble) {
  struct Case { Int64 raw; double expected; };
  const Case cases[] = {{15000, 1.5}, {1, 0.0001}, {-1, -0.0001}, {123456789, 12345.6789}, {0, 0.0},
                        {INT64_MAX, 922337203685477.5807}, {INT64_MIN, -922337203685477.5808}};
  for (const Case& c : cases) EXPECT_EQ(C(c.raw).ToDouble(), c.expected) << c.raw;
  // Against the C library's correctly rounded reading of the same decimal.
  std::mt19937_64 random(5);
  for (int i = 0; i < 20000; ++i) {
    const auto raw = static_cast<Int64>(random() >> (random() % 60));
    std::string digits = std::to_string(raw < 0 ? 0 - static_cast<UInt64>(raw) : static_cast<UInt64>(raw));
    digits.insert(0, digits.size() < 5 ? 5 - digits.size() : 0, '0');
    const std::string text = (raw < 0 ? "-" : "") + digits.insert(digits.size() - 4, ".");
    ASSERT_EQ(C(raw).ToDouble(), std::strtod(text.c_str(), nullptr)) << text;
  }
}

TEST(Currency, ArithmeticRoundsOnceHalvesToEven) {
  enum Op { kAdd, kSub, kMul, kDiv };
  struct Case { Op op; Int64 a, b, expected; };
  const Case cases[] = {
      {kAdd, 15000, 22500, 37500},           {kSub, 15000, 22500, -7500},
      {kMul, 25000, 25000, 62500},           // 2.5 * 2.5 = 6.25
      {kMul, 1, 5000, 0},                    // 0.0001 * 0.5 = 0.00005: to the even count 0
      {kMul, 3, 5000, 2},                    // 0.00015 -> 0.0002
      {kMul, -3, 5000, -2},                  {kMul, 1, -5000, 0},
      {kMul, 9000000000000000, 90000, 81000000000000000},   // the raw product exceeds 64 bits
      {kDiv, 10000, 30000, 3333},            {kDiv, 20000, 30000, 6667},
      {kDiv, 1, 20000, 0},                   // 0.0001 / 2 = 0.00005 -> 0
      {kDiv, 3, 20000, 2},                   {kDiv, -3, 20000, -2},
      {kDiv, 922337203685477, 10000, 922337203685477},
  };
  for (const Case& c : cases) {
    const Currency a = C(c.a), b = C(c.b);
    const Currency r = c.op == kAdd ? a + b : c.op == kSub ? a - b : c.op == kMul ? a * b : a / b;
    EXPECT_EQ(r.Raw(), c.expected) << c.op << ": " << c.a << ", " << c.b;
  }
}

TEST(Currency, ErrorsOfArithmetic) {
  const Currency max = C(INT64_MAX), min = C(INT64_MIN), tiny = C(1);
  EXPECT_THROW(max + tiny, EInvalidOp);
  EXPECT_THROW(min - tiny, EInvalidOp);
  EXPECT_THROW(-min, EInvalidOp);
  EXPECT_THROW(max * C(20000), EInvalidOp);
  EXPECT_THROW(min / C(-10000), EInvalidOp);
  EXPECT_THROW(tiny / C(0), EZeroDivide);
  EXPECT_THROW(C(0) / C(0), EInvalidOp);
  EXPECT_THROW(Currency::FromInteger(922337203685478), EInvalidOp);
  EXPECT_EQ((-max).Raw(), -INT64_MAX);
  EXPECT_EQ((min + tiny - tiny).Raw(), INT64_MIN);
}

TEST(Currency, ConversionFromIntegersAndOrdering) {
  EXPECT_EQ(Currency::FromInteger(3), C(30000));
  EXPECT_EQ(Currency::FromInteger(-922337203685477).Raw(), -9223372036854770000);
  EXPECT_LT(C(-1), C(0));
  EXPECT_LT(C(9999), Currency::FromInteger(1));
  EXPECT_GT(C(INT64_MAX), C(INT64_MAX - 1));
  EXPECT_NE(C(1), C(2));
  EXPECT_EQ(Currency().Raw(), 0);
}

}  // namespace
