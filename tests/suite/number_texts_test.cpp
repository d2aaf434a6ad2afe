#include <gtest/gtest.h>

#include "suite/money_text.h"
#include "suite/number_text.h"

namespace {

TEST(NumberText, ParseIntegerTextTable) {
  struct Case { std::string_view text; Integer value; };
  const Case cases[] = {{"1,234", 1234},  {"12a", 12},     {"-12a", 12},          {"-12", -12},
                        {"$1F", 31},      {"0x10", 16},    {"", 0},               {"abc", 0},
                        {"  7", 7},       {"7 ", 7},       {"1,234,567", 1234567}, {"-", 0},
                        {"2147483647", 2147483647},        {"2147483648", 214748364},
                        {"-2147483648", INT32_MIN},        {",,-5,", -5}};
  for (const Case& c : cases) EXPECT_EQ(ParseIntegerText(c.text), c.value) << c.text;
  EXPECT_EQ(IntToText(-2147483647 - 1), "-2147483648");
}

TEST(NumberText, ParseFloatTextTable) {
  struct Case { std::string_view text; double value; };
  const Case cases[] = {{"1,234.5", 1234.5}, {"12.5abc", 12.5}, {"-0.25", -0.25}, {"1e3", 1000},
                        {"2.5e-1x", 0.25},    {"", 0},           {"abc", 0},       {"1,000,000", 1e6}};
  for (const Case& c : cases) EXPECT_EQ(ParseFloatText(c.text), c.value) << c.text;
}

TEST(NumberText, FormatFixedAndRounding) {
  struct Case { Byte decimals; double value; const char* text; };
  const Case cases[] = {{2, 1234567.891, "1234567.89"}, {2, -0.001, "0.00"}, {0, -0.4, "0"},
                        {2, 0.125, "0.13"},             {3, -2.5, "-2.500"}, {2, 1e17, "100000000000000000.0"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFixed(c.decimals, c.value), c.text) << c.value;
    double rounded = c.value;
    RoundToDecimals(rounded, c.decimals);
    EXPECT_EQ(rounded, ParseFloatText(c.text)) << c.value;
  }
}

TEST(MoneyText, FormatAmountTable) {
  struct Case { Byte width; double value; std::string text; };
  const Case cases[] = {
      {12, 1234567.891, "1,234,567.89"},
      {11, 1234567.891, " 1234567.89"},           // no room for the commas
      {8, 1234567.891, "********"},
      {10, -0.001, "      0.00"},
      {10, -1234.5, " -1,234.50"},
      {9, -1234.5, "-1,234.50"},
      {5, 999.999, "*****"},                      // rounds to 1,000.00 first
      {25, 1234567890123.0, "      1234,567,890,123.00"},   // three commas at most
      {4, 1.5, "1.50"},
      {30, 1.5, std::string(21, ' ') + "1.50"},   // aligned in 25 at most
  };
  for (const Case& c : cases) EXPECT_EQ(FormatAmount(c.width, c.value), c.text) << int(c.width) << " " << c.value;
}

TEST(MoneyText, TrimmedAndWholeAmounts) {
  struct Case { std::string text; std::string expected; };
  const Case cases[] = {
      {FormatWholeAmount(0, 100000), "100,000"},
      {FormatWholeAmount(7, 100000), "100,000"},
      {FormatWholeAmount(6, 100000), "100000"},
      {FormatWholeAmount(3, 100000), "***"},
      {FormatWholeAmount(8, -12.5), "     -12"}   /* cut, not rounded */,
      {FormatAmountTrim(-9876543.216), "-9,876,543.22"},
      {FormatAmountTrim(0), "0.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(MoneyText, ThousandsAndFitting) {
  struct Case { std::string text; double value; Byte width; const char* withCommas; const char* fitted; };
  const Case cases[] = {{"999.99", 999.99, 6, "999.99", "999.99"},
                        {"1000.00", 1000, 7, "1,000.00", "1000.00"},
                        {"-1000000.00", -1e6, 11, "-1,000,000.00", "-1000000.00"},
                        {"1000000000.00", 1e9, 3, "1,000,000,000.00", "***"}};
  for (const Case& c : cases) {
    std::string text = c.text;
    InsertThousands(text, c.value);
    EXPECT_EQ(text, c.withCommas);
    FitAmountWidth(text, c.width);
    EXPECT_EQ(text, c.fitted);
  }
}

}  // namespace
