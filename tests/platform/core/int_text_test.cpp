#include "platform/core/int_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/core/exceptions.h"

namespace {

TEST(IntText, IntToStrCoversBothWidths) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<Integer>::min()), "-2147483648");
  EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
  EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::max()), "9223372036854775807");
  EXPECT_EQ(ZeroPaddedDigits(7, 3), "007");
  EXPECT_EQ(ZeroPaddedDigits(12345, 2), "12345");
  EXPECT_EQ(ZeroPaddedDigits(0, -1), "0");
  EXPECT_EQ(ZeroPaddedDigits(std::numeric_limits<UInt64>::max(), 21), "018446744073709551615");
}

TEST(IntText, IntToHexPadsAndShowsTwosComplementOfTheArgumentWidth) {
  struct Case { std::string actual, expected; };
  const Case cases[] = {
      {IntToHex(255, 4), "00FF"},         {IntToHex(255, 0), "FF"},
      {IntToHex(0, 0), "0"},              {IntToHex(0xABCDEF, 2), "ABCDEF"},
      {IntToHex(-1, 4), "FFFFFFFF"},      {IntToHex(Int64{-1}, 4), "FFFFFFFFFFFFFFFF"},
      {IntToHex(Int64{0x1F}, 10), "000000001F"}, {IntToHex(7, -3), "7"},
      {IntToHex(std::numeric_limits<Integer>::min(), 1), "80000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(IntText, ValReadsDecimalHexSignAndLeadingBlanks) {
  struct Case { const char* s; Integer value; Integer code; };
  const Case cases[] = {
      {"123", 123, 0},          {"  -45", -45, 0},     {"+7", 7, 0},
      {"$1F", 31, 0},           {"x1f", 31, 0},        {"X10", 16, 0},   {"0x1F", 31, 0},
      {"-$10", -16, 0},         {"0", 0, 0},           {"007", 7, 0},
      {"$FFFFFFFF", -1, 0},     {"$80000000", std::numeric_limits<Integer>::min(), 0},
      {"2147483647", 2147483647, 0},
      {"-2147483648", std::numeric_limits<Integer>::min(), 0},
      // failures: the code is where reading stopped, the value is the digits so far, unsigned
      {"", 0, 1},               {"   ", 0, 4},         {"-", 0, 2},      {"$", 0, 2},
      {"0x", 0, 3},             {"12a", 12, 3},        {"-12a", 12, 4},  {"12 ", 12, 3},
      {"\t1", 0, 1},            {"1,234", 1, 2},       {"1.5", 1, 2},    {"$1G", 1, 3},
      {"2147483648", 214748364, 10},                   {"-2147483649", 214748364, 11},
      {"$100000000", 0x10000000, 10},
  };
  for (const Case& c : cases) {
    Integer value = -999, code = -999;
    Val(c.s, value, code);
    EXPECT_EQ(code, c.code) << '"' << c.s << '"';
    EXPECT_EQ(value, c.value) << '"' << c.s << '"';
  }
}

TEST(IntText, Int64ReadsItsWholeRange) {
  struct Case { const char* s; Int64 value; bool ok; };
  const Case cases[] = {
      {"9223372036854775807", std::numeric_limits<Int64>::max(), true},
      {"-9223372036854775808", std::numeric_limits<Int64>::min(), true},
      {"$FFFFFFFFFFFFFFFF", -1, true},   {"4294967296", 4294967296LL, true},
      {"9223372036854775808", 0, false}, {"$10000000000000000", 0, false}, {"12x", 0, false},
  };
  for (const Case& c : cases) {
    Int64 value = 0;
    EXPECT_EQ(TryStrToInt64(c.s, value), c.ok) << c.s;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.s;
    }
    EXPECT_EQ(StrToInt64Def(c.s, 5), c.ok ? c.value : 5) << c.s;
  }
}

TEST(IntText, StrToIntRaisesConvertErrorWithTheText) {
  const char* bad[] = {"", " 12 ", "12a", "2147483648", "1e3", "- 1", "0x"};
  for (const char* s : bad) {
    try {
      StrToInt(s);
      ADD_FAILURE() << "accepted \"" << s << '"';
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(s) + "' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef(s, -3), -3) << s;
  }
  EXPECT_THROW(StrToInt64("abc"), EConvertError);
  EXPECT_EQ(StrToInt(" -0x7fffffff"), -0x7fffffff);
}

}  // namespace
