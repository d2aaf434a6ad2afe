#include "platform/core/float_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/core/exceptions.h"
#include "platform/core/float_decimal.h"
#include "test_settings.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FloatDecimal, RoundsEighteenDigitsThenHalfAwayFromZero) {
  struct Case { double value; Integer precision, decimals; const char* digits; int exponent; bool negative; };
  const Case cases[] = {
      {0.125, 15, 2, "13", 0, false},          {-0.125, 15, 2, "13", 0, true},
      {2.675, 15, 2, "267", 1, false},         // the double lies just below 2.675
      {0.1, 18, 9999, "100000000000000006", 0, false},
      {0.1, 40, 9999, "100000000000000006", 0, false},   // precision clamps to 18
      {1e23, 15, 9999, "1", 24, false},        {999.96, 18, 1, "1", 4, false},
      {0.0005, 18, 3, "1", -2, false},         {-0.0004, 18, 3, "", 0, false},
      {-0.0, 15, 2, "", 0, false},             {123.456, 0, 9999, "1", 3, false},
      {1234.5678, 6, 4, "123457", 4, false},   {5e-324, 3, 9999, "494", -323, false},
  };
  for (const Case& c : cases) {
    TFloatRec r;
    FloatToDecimal(r, c.value, c.precision, c.decimals);
    EXPECT_STREQ(r.Digits, c.digits) << c.value;
    EXPECT_EQ(r.Exponent, c.exponent) << c.value;
    EXPECT_EQ(r.Negative, c.negative) << c.value;
  }
  TFloatRec r;
  FloatToDecimal(r, -kInf, 15, 0);
  EXPECT_TRUE(r.Exponent == kFloatRecInfinity && r.Negative);
  FloatToDecimal(r, kNaN, 15, 0);
  EXPECT_EQ(r.Exponent, kFloatRecNaN);
}

TEST(FloatText, FloatToStrUsesFifteenDigitsAndTheShorterLayout) {
  struct Case { double value; const char* enUs; const char* comma; };
  const Case cases[] = {
      {0, "0", "0"},                           {-0.0, "0", "0"},
      {1, "1", "1"},                           {-1.5, "-1.5", "-1,5"},
      {0.1, "0.1", "0,1"},                     {0.1 + 0.2, "0.3", "0,3"},
      {1.0 / 3, "0.333333333333333", "0,333333333333333"},
      {2.0 / 3, "0.666666666666667", "0,666666666666667"},
      {1234567.5, "1234567.5", "1234567,5"},   {123456789012345, "123456789012345", "123456789012345"},
      {1234567890123456, "1.23456789012346E15", "1,23456789012346E15"},
      {1e15, "1E15", "1E15"},                  {999999999999999.9, "1E15", "1E15"},
      {1e-4, "0.0001", "0,0001"},              {0.00012345, "0.00012345", "0,00012345"},
      {1e-5, "1E-5", "1E-5"},                  {-1.5e-7, "-1.5E-7", "-1,5E-7"},
      {1e23, "1E23", "1E23"},                  {DBL_MAX, "1.79769313486232E308", "1,79769313486232E308"},
      {5e-324, "4.94065645841247E-324", "4,94065645841247E-324"},
      {kNaN, "NAN", "NAN"},                    {kInf, "INF", "INF"},   {-kInf, "-INF", "-INF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStr(c.value, EnUs()), c.enUs) << c.enUs;
    EXPECT_EQ(FloatToStr(c.value, DecimalComma()), c.comma) << c.enUs;
  }
}

TEST(FloatText, FloatToStrFLayouts) {
  struct Case {
    double value;
    TFloatFormat format;
    Integer precision, digits;
    const char* enUs;
    const char* comma;
  };
  const Case cases[] = {
      {1234.5678, ffFixed, 15, 2, "1234.57", "1234,57"},
      {1234.5678, ffNumber, 15, 2, "1,234.57", "1.234,57"},
      {-1234567.891, ffNumber, 15, 2, "-1,234,567.89", "-1.234.567,89"},
      {123.4, ffNumber, 15, 0, "123", "123"},
      {0.125, ffFixed, 15, 2, "0.13", "0,13"},       {-0.125, ffFixed, 15, 2, "-0.13", "-0,13"},
      {2.675, ffFixed, 15, 2, "2.67", "2,67"},       {2.5, ffFixed, 15, 0, "3", "3"},
      {-2.5, ffFixed, 15, 0, "-3", "-3"},            {-0.001, ffFixed, 15, 2, "0.00", "0,00"},
      {0, ffFixed, 15, 3, "0.000", "0,000"},         {0.05, ffFixed, 15, 1, "0.1", "0,1"},
      {1234.5678, ffFixed, 6, 4, "1234.5700", "1234,5700"},   // six significant digits, then zeros
      {1e16, ffFixed, 15, 2, "1E16", "1E16"},
      {1.5, ffFixed, 15, 40, "1.500000000000000000", "1,500000000000000000"},   // decimals clamp to 18
      {1234.5, ffExponent, 15, 3, "1.23450000000000E+003", "1,23450000000000E+003"},
      {0, ffExponent, 5, 2, "0.0000E+00", "0,0000E+00"},
      {-0.00012345, ffExponent, 3, 0, "-1.23E-4", "-1,23E-4"},
      {1.5, ffExponent, 1, 0, "2E+0", "2E+0"},
      {10000000000000020480.0, ffExponent, 17, 3,   // 18 digits ...0205 first, then ...021
       "1.0000000000000021E+019", "1,0000000000000021E+019"},
      {123456, ffGeneral, 3, 0, "1.23E5", "1,23E5"}, {1e20, ffGeneral, 15, 3, "1E020", "1E020"},
      {0.5, ffGeneral, 15, 0, "0.5", "0,5"},
      {1234.5, ffCurrency, 15, 2, "$1,234.50", "$1.234,50"},
      {-1234.5, ffCurrency, 15, 2, "($1,234.50)", "($1.234,50)"},
      {kInf, ffFixed, 15, 2, "INF", "INF"},          {kNaN, ffCurrency, 15, 2, "NAN", "NAN"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, EnUs()), c.enUs) << c.enUs;
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, DecimalComma()), c.comma) << c.enUs;
  }
}

TEST(FloatText, CurrencyLayouts) {
  const char* negative[] = {"(Y1.00)",  "-Y1.00",  "Y-1.00",  "Y1.00-",  "(1.00Y)",  "-1.00Y",
                            "1.00-Y",   "1.00Y-",  "-1.00 Y", "-Y 1.00", "1.00 Y-", "Y 1.00-",
                            "Y -1.00",  "1.00- Y", "(Y 1.00)", "(1.00 Y)"};
  const char* positive[] = {"Y1.00", "1.00Y", "Y 1.00", "1.00 Y"};
  TFormatSettings fs = EnUs();
  fs.CurrencyString = std::string(1, 'Y');   // (assigning the literal trips a false -Wrestrict of g++ 12 -O2)
  for (Byte i = 0; i < 16; ++i) {
    fs.NegCurrFormat = i;
    EXPECT_EQ(FloatToStrF(-1, ffCurrency, 15, 2, fs), negative[i]) << int(i);
  }
  for (Byte i = 0; i < 4; ++i) {
    fs.CurrencyFormat = i;
    EXPECT_EQ(FloatToStrF(1, ffCurrency, 15, 2, fs), positive[i]) << int(i);
  }
}

// The class library's documented examples: each format with 1234, -1234, 0.5 and 0.
TEST(FloatText, FormatFloatDocumentedTable) {
  struct Case { const char* format; const char* texts[4]; };
  const Case cases[] = {
      {"", {"1234", "-1234", "0.5", "0"}},
      {"0", {"1234", "-1234", "1", "0"}},
      {"0.00", {"1234.00", "-1234.00", "0.50", "0.00"}},
      {"#.##", {"1234", "-1234", ".5", ""}},
      {"#,##0.00", {"1,234.00", "-1,234.00", "0.50", "0.00"}},
      {"#,##0.00;(#,##0.00)", {"1,234.00", "(1,234.00)", "0.50", "0.00"}},
      {"#,##0.00;;Zero", {"1,234.00", "-1,234.00", "0.50", "Zero"}},
      {"0.000E+00", {"1.234E+03", "-1.234E+03", "5.000E-01", "0.000E+00"}},
      {"#.###E-0", {"1.234E3", "-1.234E3", "5E-1", "0E0"}},
  };
  const double values[] = {1234, -1234, 0.5, 0};
  for (const Case& c : cases)
    for (int i = 0; i < 4; ++i) EXPECT_EQ(FormatFloat(c.format, values[i], EnUs()), c.texts[i]) << c.format;
}

TEST(FloatText, FormatFloatUnderBothSettings) {
  struct Case { const char* format; double value; const char* enUs; const char* comma; };
  const Case cases[] = {
      {"#,##0.00", 1234567.891, "1,234,567.89", "1.234.567,89"},
      {"#,##0.00", -0.125, "-0.13", "-0,13"},
      {"0.00", -0.001, "0.00", "0,00"},                         // rounds to zero: no sign
      {"0.0;(0.0);'nil'", -0.01, "nil", "nil"},                 // ... and takes the zero section
      {"0.0;(0.0)", -0.01, "0.0", "0,0"},
      {"0.0#", 1.5, "1.5", "1,5"},                 {"0.0#", 1.567, "1.57", "1,57"},
      {"000", 7, "007", "007"},                    {"00-00", 123456, "1234-56", "1234-56"},
      {".00", 12.5, "12.50", "12,50"},             {"#,##0", 1234567, "1,234,567", "1.234.567"},
      {"0,000", 5, "0,005", "0.005"},              {"'$'#,##0.00", 1234.5, "$1,234.50", "$1.234,50"},
      {"\"a;b\"0", 5, "a;b5", "a;b5"},             {"0.00 'E+'", 1, "1.00 E+", "1,00 E+"},
      {"0.00E+00", 1.5e-10, "1.50E-10", "1,50E-10"},
      {"00.0E+0", 12345, "12.3E+3", "12,3E+3"},    {"0.0e-0000", 12345, "1.2e0004", "1,2e0004"},
      {"0.0E+0", -9.96, "-1.0E+1", "-1,0E+1"},
      {"0", 1e20, "1E20", "1E20"},                 {"0.00", kNaN, "NAN", "NAN"},
      {"0.###;-0.###;", 0, "0", "0"},              {";(0.00)", -2, "(2.00)", "(2,00)"},
      {";(0.00)", 2, "2", "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatFloat(c.format, c.value, EnUs()), c.enUs) << c.format << " " << c.value;
    EXPECT_EQ(FormatFloat(c.format, c.value, DecimalComma()), c.comma) << c.format << " " << c.value;
  }
}

TEST(FloatText, StrToFloatUnderBothSettings) {
  struct Case { const char* text; bool enUsOk; double enUs; bool commaOk; double comma; };
  const Case cases[] = {
      {"1.5", true, 1.5, false, 0},        {"1,5", false, 0, true, 1.5},
      {" -2.5e3 ", true, -2500, false, 0}, {"+.5", true, 0.5, false, 0},
      {"5.", true, 5, false, 0},           {"1E-2", true, 0.01, true, 0.01},
      {"7", true, 7, true, 7},             {"1e+2", true, 100, true, 100},
      {"1e-400", true, 0, true, 0},        {"0.1", true, 0.1, false, 0},
      {"1,000", false, 0, true, 1},        {"1,000.5", false, 0, false, 0},
      {"1.000,5", false, 0, false, 0},     {"", false, 0, false, 0},
      {".", false, 0, false, 0},           {"-", false, 0, false, 0},
      {"1e", false, 0, false, 0},          {"1e+", false, 0, false, 0},
      {"1.5.2", false, 0, false, 0},       {"\t1", false, 0, false, 0},
      {"1e400", false, 0, false, 0},       {"0x10", false, 0, false, 0},
      {"INF", false, 0, false, 0},         {"1 000", false, 0, false, 0},
  };
  for (const Case& c : cases) {
    double value = -1;
    EXPECT_EQ(TryStrToFloat(c.text, value, EnUs()), c.enUsOk) << c.text;
    if (c.enUsOk) {
      EXPECT_EQ(value, c.enUs) << c.text;
    }
    EXPECT_EQ(StrToFloatDef(c.text, -7, DecimalComma()), c.commaOk ? c.comma : -7) << c.text;
  }
}

TEST(FloatText, StrToFloatRaisesConvertErrorAndRoundTripsFloatToStr) {
  try {
    StrToFloat("12a", EnUs());
    ADD_FAILURE() << "accepted 12a";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid floating point value");
  }
  const double values[] = {0.1, -1234.5678, 1e-7, 6.02214076e23, 1.0 / 3};
  for (double v : values)
    EXPECT_EQ(FloatToStrF(v, ffGeneral, 17, 0, DecimalComma()),
              FloatToStrF(StrToFloat(FloatToStrF(v, ffGeneral, 17, 0, DecimalComma()), DecimalComma()),
                          ffGeneral, 17, 0, DecimalComma()));
  EXPECT_EQ(StrToFloat(FloatToStrF(0.1, ffGeneral, 17, 0, EnUs()), EnUs()), 0.1);
}

TEST(FloatText, ValReadsAPrefixAndReportsWhereItStopped) {
  struct Case { const char* text; double value; Integer code; };
  const Case cases[] = {
      {"12.5", 12.5, 0},   {" -3.25", -3.25, 0}, {"1e3", 1000, 0},   {"12.5x", 12.5, 5},
      {"3.25 ", 3.25, 5},  {"1,5", 1, 2},        {"1e", 1, 3},       {"1e+x", 1, 4},
      {"", 0, 1},          {"abc", 0, 1},        {"-", 0, 2},        {"1e999", 0, 6},
  };
  for (const Case& c : cases) {
    double value = -99;
    Integer code = -99;
    Val(c.text, value, code);
    EXPECT_EQ(code, c.code) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

}  // namespace
