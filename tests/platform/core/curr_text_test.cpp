#include "platform/core/curr_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "test_settings.h"

namespace {

Currency Raw(Int64 raw) { return Currency::FromRaw(raw); }
const Currency kMax = Raw(std::numeric_limits<Int64>::max());
const Currency kMin = Raw(std::numeric_limits<Int64>::min());

TEST(CurrText, WritingUsesTheExactDigits) {
  struct Case { std::string actual, expected; };
  const TFormatSettings en = EnUs(), comma = DecimalComma();
  const Case cases[] = {
      {CurrToStr(Raw(15000), en), "1.5"},             {CurrToStr(Raw(15000), comma), "1,5"},
      {CurrToStr(Raw(0), en), "0"},                   {CurrToStr(Raw(-1), en), "-0.0001"},
      {CurrToStr(Raw(1000000), en), "100"},           {CurrToStr(kMax, en), "922337203685477.5807"},
      {CurrToStr(kMin, en), "-922337203685477.5808"},
      {CurrToStrF(Raw(12345000), ffNumber, 2, en), "1,234.50"},
      {CurrToStrF(Raw(12345000), ffNumber, 2, comma), "1.234,50"},
      {CurrToStrF(Raw(1250), ffFixed, 2, en), "0.13"},       {CurrToStrF(Raw(-1250), ffFixed, 2, en), "-0.13"},
      {CurrToStrF(Raw(-40), ffFixed, 2, en), "0.00"},
      {CurrToStrF(kMax, ffFixed, 4, en), "922337203685477.5807"},
      {CurrToStrF(kMax, ffNumber, 2, en), "922,337,203,685,477.58"},
      {CurrToStrF(Raw(-12345000), ffCurrency, 2, en), "($1,234.50)"},
      {CurrToStrF(Raw(12345678), ffExponent, 3, en), "1.234567800000000000E+003"},
      {FormatCurr("#,##0.00", kMax, en), "922,337,203,685,477.58"},
      {FormatCurr("#,##0.00", kMax, comma), "922.337.203.685.477,58"},
      {FormatCurr("0.0000", Raw(1), en), "0.0001"},
      {FormatCurr("0.00;(0.00);nil", Raw(-40), en), "nil"},
      {FormatCurr("", Raw(15000), en), "1.5"},
      {Format("%m|%.4f|%.1n", {Raw(12345000), kMax, Raw(-5000)}, en), "$1,234.50|922337203685477.5807|-0.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
  EXPECT_THROW(Format("%d", {Raw(1)}), EConvertError);
}

TEST(CurrText, ReadingRoundsTheExactValueHalfToEven) {
  struct Case { const char* text; TFormatSettings fs; bool ok; Int64 raw; };
  const Case cases[] = {
      {"1.5", EnUs(), true, 15000},                  {" -2.25 ", EnUs(), true, -22500},
      {"1,5", DecimalComma(), true, 15000},          {"1,000", EnUs(), false, 0},
      {"922337203685477.5807", EnUs(), true, std::numeric_limits<Int64>::max()},
      {"-922337203685477.5808", EnUs(), true, std::numeric_limits<Int64>::min()},
      {"922337203685477.5808", EnUs(), false, 0},    {"922337203685477.58075", EnUs(), false, 0},
      {"12345678901234567890", EnUs(), false, 0},    {"1e999999999999999999999", EnUs(), false, 0},
      {"0.00005", EnUs(), true, 0},                  {"0.00015", EnUs(), true, 2},
      {"0.00025", EnUs(), true, 2},                  {"0.000250001", EnUs(), true, 3},
      {"-0.00015", EnUs(), true, -2},                {"1.5e-4", EnUs(), true, 2},
      {"1e3", EnUs(), true, 10000000},               {"0.0000000001e10", EnUs(), true, 10000},
      {"1e-999999999999999999999", EnUs(), true, 0}, {"0e999999999999", EnUs(), true, 0},
      {"00000000000000000000001", EnUs(), true, 10000},
      {"", EnUs(), false, 0},                        {"1.5x", EnUs(), false, 0},
  };
  for (const Case& c : cases) {
    Currency value = Raw(-7);
    EXPECT_EQ(TryStrToCurr(c.text, value, c.fs), c.ok) << c.text;
    EXPECT_EQ(StrToCurrDef(c.text, Raw(-7), c.fs).Raw(), c.ok ? c.raw : -7) << c.text;
  }
  try {
    StrToCurr("abc", EnUs());
    ADD_FAILURE() << "accepted abc";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }
}

}  // namespace
