#include "platform/core/extended80_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "x87_reference.h"

namespace {

constexpr UInt64 kJ = Extended80::kIntegerBit;

Extended80 X(bool negative, Word exponent, UInt64 mantissa) { return Extended80::FromParts(negative, exponent, mantissa); }

Extended80 Read(const std::string& text) {
  Extended80 x = X(false, 0x7FFF, 1);   // a NaN sentinel: any successful read replaces it
  EXPECT_TRUE(TextToExtended80(text, x)) << text;
  return x;
}

// 999999999.99 = 99999999999 / 100 lies in [2^29, 2^30), so its 64-bit mantissa is
// 99999999999 * 2^34 / 100 rounded to nearest, ties to even, with exponent 16383 + 29.
TEST(Extended80Text, ReadsStraightToTheNearestTenByteValue) {
  const UInt128 scaled = UInt128{99999999999} << 34;
  UInt64 mantissa = static_cast<UInt64>(scaled / 100);
  const auto rest = static_cast<int>(scaled % 100);
  if (rest > 50 || (rest == 50 && (mantissa & 1))) ++mantissa;
  const Extended80 expected = X(false, 16383 + 29, mantissa);
  EXPECT_EQ(Read("999999999.99"), expected);
  EXPECT_NE(DoubleToExtended80(999999999.99), expected);   // the double's value is a different one
  EXPECT_EQ(Read("-999999999.99"), X(true, 16383 + 29, mantissa));
}

TEST(Extended80Text, ExactValuesAndTies) {
  const std::string zeros(12000, '0');
  struct Case { std::string text; Extended80 expected; };
  const Case cases[] = {
      {"1650", X(false, 0x4009, 0xce40000000000000)},
      {"190000.0", X(false, 0x4010, 0xb98c000000000000)},
      {"+0.5", X(false, 16382, kJ)},
      {"-2.25e2", X(true, 16383 + 7, 0xe100000000000000)},
      {"25E-2", X(false, 16381, kJ)},
      {".5", X(false, 16382, kJ)},
      {"1.", X(false, 16383, kJ)},
      {"0", X(false, 0, 0)},
      {"-0.000e7", X(true, 0, 0)},
      {"000123", X(false, 16383 + 6, 123ull << 57)},
      // 2^64 + 1 lies halfway between 2^64 (even mantissa) and 2^64 + 2 (odd): it goes to the even one.
      {"18446744073709551617", X(false, 16383 + 64, kJ)},
      // 2^64 + 3 lies halfway between 2^64 + 2 (odd) and 2^64 + 4 (even).
      {"18446744073709551619", X(false, 16383 + 64, kJ + 2)},
      {"18446744073709551617.000000000000000000000000001", X(false, 16383 + 64, kJ + 1)},
      {"18446744073709551616.999999999999999999999999999", X(false, 16383 + 64, kJ)},
      {"18446744073709551617." + zeros + "1", X(false, 16383 + 64, kJ + 1)},
      {"18446744073709551617." + zeros, X(false, 16383 + 64, kJ)},
      // (2^64 + 9) * 2, halfway between mantissas 2^63 + 4 (even) and 2^63 + 5, in 19 digits.
      {"3689348814741910325e1", X(false, 16383 + 65, kJ + 4)},
      {"1844674407370955161.7" + zeros + "1e1", X(false, 16383 + 64, kJ + 1)},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.text), c.expected) << c.text.substr(0, 60);
}

TEST(Extended80Text, RangeLimits) {
  const Extended80 inf = X(false, 0x7FFF, kJ);
  const Extended80 largest = X(false, 0x7FFE, ~UInt64{0});
  struct Case { const char* text; Extended80 expected; };
  const Case cases[] = {
      {"1e4933", inf},
      {"-1e99999999999999999999", X(true, 0x7FFF, kJ)},
      {"1.19e4932", inf},
      {"1.18973149535723176502e4932", largest},
      {"3.6451995318824746025e-4951", X(false, 0, 1)},   // the smallest denormal, 2^-16445
      {"1.9e-4951", X(false, 0, 1)},                     // above half of it
      {"1.8e-4951", X(false, 0, 0)},                     // below half of it
      {"-1e-5000", X(true, 0, 0)},
      {"1e-99999999999999999999", X(false, 0, 0)},
      {"3.36210314311209350626e-4932", X(false, 1, kJ)},   // the smallest normal, 2^-16382
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.text), c.expected) << c.text;
}

TEST(Extended80Text, WholeTextMustBeANumber) {
  const char* bad[] = {"", " 1", "1 ", "1,5", "1e", "1e+", "--1", "+-1", ".", "-.", "e5", "0x10", "1.2.3",
                       "INF", "nan", "1e5.5", "1d5", "\xe0"};
  for (const char* text : bad) {
    Extended80 x = X(false, 0x3FFF, kJ);
    EXPECT_FALSE(TextToExtended80(text, x)) << text;
    EXPECT_EQ(x, X(false, 0x3FFF, kJ)) << text;
  }
}

TEST(Extended80Text, ScanTakesTheLongestNumberInFront) {
  struct Case { const char* text; std::size_t used; const char* number; };
  const Case cases[] = {
      {"12a", 2, "12"},      {"1e", 1, "1"},       {"1e+x", 1, "1"},    {"-.5x", 3, "-.5"},
      {"2.5E-3;", 6, "2.5E-3"}, {"7.e2", 4, "7.e2"}, {"1.2.3", 3, "1.2"}, {"+", 0, nullptr},
      {".e1", 0, nullptr},   {"", 0, nullptr},     {" 1", 0, nullptr},
  };
  for (const Case& c : cases) {
    Extended80 x = X(false, 0x3FFF, kJ);
    EXPECT_EQ(ScanExtended80(c.text, x), c.used) << c.text;
    EXPECT_EQ(x, c.number ? Read(c.number) : X(false, 0x3FFF, kJ)) << c.text;
  }
}

TEST(Extended80Text, WritesTheShortestText) {
  struct Case { Extended80 x; const char* text; };
  const Case cases[] = {
      {DoubleToExtended80(1650.0), "1650"},
      {DoubleToExtended80(190000.0), "190000"},
      {DoubleToExtended80(-2.25), "-2.25"},
      {DoubleToExtended80(0.0), "0"},
      {DoubleToExtended80(-0.0), "-0"},
      {DoubleToExtended80(1e20), "100000000000000000000"},
      {DoubleToExtended80(1e21), "1E21"},
      {DoubleToExtended80(1e22), "1E22"},   // 10^22 = 2^22 * 5^22 is a double exactly
      // The double nearest 0.1 is 0.1000000000000000055511151231257827...; 10-byte values there are
      // 2^-67 (about 6.8e-21) apart, so 20 digits are needed and enough.
      {DoubleToExtended80(0.1), "0.10000000000000000555"},
      {X(false, 0x7FFF, kJ), "INF"},
      {X(true, 0x7FFF, kJ), "-INF"},
      {X(true, 0x7FFF, kJ | 1ull << 62), "NAN"},
      {X(false, 0x7FFF, 0), "NAN"},
      {X(false, 16383, 1ull << 62), "0.5"},   // unnormal: written by its value
      {X(false, 0, 1), "4E-4951"}   /* 2^-16445: any text within half of it reads back */,
      {X(false, 0x7FFE, ~UInt64{0}), "1.189731495357231765E4932"},
  };
  for (const Case& c : cases) EXPECT_EQ(Extended80ToText(c.x), c.text);
  for (const char* text : {"999999999.99", "0.1", "0.00001", "1E-6", "1.5E-7", "1E25", "123456.789", "-0.001"})
    EXPECT_EQ(Extended80ToText(Read(text)), text);
}

// Random canonical values of every size read back to the same bytes from their shortest text.
TEST(Extended80Text, RandomValuesRoundTripThroughText) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 2000; ++i) {
    const auto exponent = static_cast<Word>(i % 10 == 0 ? random() % 0x7FFF : 16383 - 200 + random() % 400);
    const UInt64 mantissa = exponent == 0 ? random() >> 1 : random() | kJ;
    const Extended80 x = X(random() & 1, exponent, mantissa);
    const std::string text = Extended80ToText(x);
    ASSERT_EQ(Read(text), x) << text;
  }
}

// Digits of a number text from its first to its last nonzero digit.
int SignificantDigits(const std::string& text) {
  std::string digits;
  for (char c : text.substr(0, text.find('E')))
    if (c >= '0' && c <= '9') digits += c;
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? 0 : static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// The host's C library reads decimal texts into the same format: an independent judge of rounding,
// and of shortness (the nearest text with one digit fewer must read back as something else).
TEST(Extended80Text, AgreesWithTheHostLibrary) {
  SKIP_WITHOUT_X87_LONG_DOUBLE();
  std::mt19937_64 random(1234);
  for (int i = 0; i < 3000; ++i) {
    std::string text = (random() & 1) ? "-" : "";
    const int digits = 1 + static_cast<int>(random() % (i % 10 == 0 ? 60 : 25));
    for (int k = 0; k < digits; ++k) text += static_cast<char>('0' + random() % 10);
    const int exponent = i % 20 == 0 ? static_cast<int>(random() % 9900) - 4960 : static_cast<int>(random() % 80) - 40;
    text += "e" + std::to_string(exponent);
    ASSERT_EQ(Read(text), FromHostLongDouble(std::strtold(text.c_str(), nullptr))) << text;
  }
  for (int i = 0; i < 3000; ++i) {
    const auto exponent = static_cast<Word>(1 + (i % 10 == 0 ? random() % 0x7FFE : 16383 - 200 + random() % 400));
    const Extended80 x = X(false, exponent, random() | kJ);
    const std::string text = Extended80ToText(x);
    ASSERT_EQ(FromHostLongDouble(std::strtold(text.c_str(), nullptr)), x) << text;
    const int significant = SignificantDigits(text);
    ASSERT_LE(significant, 21) << text;
    if (significant > 1) {
      char shorter[64];
      std::snprintf(shorter, sizeof shorter, "%.*Le", significant - 2, ToHostLongDouble(x));
      ASSERT_NE(FromHostLongDouble(std::strtold(shorter, nullptr)), x) << text << " vs " << shorter;
    }
  }
}

}  // namespace
