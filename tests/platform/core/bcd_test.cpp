// TBcd: its 34-byte layout, text both ways, comparison, doubles and the limits of 64 digits.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "platform/core/bcd.h"

namespace {

TEST(Bcd, PacksDigitsSignAndPlaces) {
  const TBcd value = StrToBcd("-12.345");
  EXPECT_EQ(value.Precision, 5);
  EXPECT_EQ(value.SignSpecialPlaces, 0x80 | 3);
  EXPECT_EQ(value.Fraction[0], 0x12);
  EXPECT_EQ(value.Fraction[1], 0x34);
  EXPECT_EQ(value.Fraction[2], 0x50);
  for (int i = 3; i < 32; ++i) EXPECT_EQ(value.Fraction[i], 0) << i;
  const TBcd small = StrToBcd("0.001");   // leading zeros up to the places
  EXPECT_EQ(small.Precision, 3);
  EXPECT_EQ(small.SignSpecialPlaces, 3);
  EXPECT_EQ(small.Fraction[0], 0x00);
  EXPECT_EQ(small.Fraction[1], 0x10);
}

TEST(Bcd, TextRoundTripsInShortestForm) {
  const std::pair<const char*, const char*> kCases[] = {
      {"0", "0"},         {"-0", "0"},          {"007", "7"},       {"1.500", "1.5"},  {"-.5", "-0.5"},
      {"5.", "5"},        {" 12 ", "12"},       {"1e3", "1000"},    {"1.5E-2", "0.015"}, {"+42", "42"},
      {"12345678901234567890123456789012345.12345678901234567890123456789012345", nullptr}};
  for (const auto& [text, expected] : kCases) {
    SCOPED_TRACE(text);
    TBcd value;
    const bool parsed = TryStrToBcd(text, value);
    if (expected == nullptr) {
      EXPECT_FALSE(parsed);   // more than 64 digits
      continue;
    }
    ASSERT_TRUE(parsed);
    EXPECT_EQ(BcdToStr(value), expected);
  }
  for (const char* bad : {"", "-", "1.2.3", "1e", "abc", "1e99999", "12x"}) {
    TBcd value;
    EXPECT_FALSE(TryStrToBcd(bad, value)) << bad;
  }
  EXPECT_THROW(StrToBcd("x"), EBcdException);
  TBcd max;
  EXPECT_TRUE(TryStrToBcd(std::string(64, '9'), max));
  EXPECT_FALSE(TryStrToBcd(std::string(65, '9'), max));
}

TEST(Bcd, ComparesByValue) {
  const struct {
    const char *a, *b;
    Integer expected;
  } kCases[] = {{"1.5", "1.50", 0},   {"0", "-0", 0},      {"-1", "1", -1},    {"10", "9.99", 1},
                {"0.01", "0.001", 1}, {"-0.01", "-0.001", -1}, {"0", "0.001", -1}, {"123", "124", -1}};
  for (const auto& c : kCases) EXPECT_EQ(BcdCompare(StrToBcd(c.a), StrToBcd(c.b)), c.expected) << c.a << " ? " << c.b;
}

TEST(Bcd, DoublesAndIntegers) {
  EXPECT_EQ(BcdToStr(DoubleToBcd(0.1)), "0.1");
  EXPECT_EQ(BcdToStr(DoubleToBcd(-2.5e-5)), "-0.000025");
  EXPECT_EQ(BcdToStr(DoubleToBcd(1e20)), "100000000000000000000");
  EXPECT_DOUBLE_EQ(BcdToDouble(StrToBcd("0.1")), 0.1);
  EXPECT_DOUBLE_EQ(BcdToDouble(StrToBcd("-123.25")), -123.25);
  EXPECT_THROW(DoubleToBcd(1e300), EBcdOverflowException);
  EXPECT_THROW(DoubleToBcd(std::numeric_limits<double>::infinity()), EBcdOverflowException);
  EXPECT_EQ(BcdToStr(IntegerToBcd(INT64_MIN)), "-9223372036854775808");
}

TEST(Bcd, AnInvalidDigitIsRefused) {
  TBcd value = StrToBcd("12");
  value.Fraction[0] = 0x1A;
  EXPECT_THROW(BcdToStr(value), EBcdException);
}

}  // namespace
