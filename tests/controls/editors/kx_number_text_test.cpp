// The number-text routines under a comma/point locale and under a point/comma one: separators put
// in, blanks and exponent kept, the run stopped by a sign or a letter, numeric texts recognised.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_number_text.h"
#include "platform/core/format_settings.h"

namespace {

class NumberTextTest : public ::testing::Test {
 protected:
  void UseSeparators(char thousand, char decimal) {
    FormatSettings.ThousandSeparator = thousand;
    FormatSettings.DecimalSeparator = decimal;
  }
  ~NumberTextTest() override { FormatSettings = saved_; }

 private:
  TFormatSettings saved_ = FormatSettings;
};

TEST_F(NumberTextTest, ThousandSeparatorsGoAfterEveryThirdDigitOfTheIntegerPart) {
  struct Case {
    char thousand, decimal;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {',', '.', "1234567", "1,234,567"},
      {',', '.', "123", "123"},
      {',', '.', "1234", "1,234"},
      {',', '.', "1,2,34567", "1,234,567"},            // the old separators go first
      {',', '.', "1234567.891", "1,234,567.891"},      // the fraction is left alone
      {',', '.', "  1234567 ", "  1,234,567 "},        // blanks kept where they were
      {',', '.', "1234567E+1234", "1,234,567E+1234"},  // so is the exponent
      {',', '.', "1234e5", "1,234e5"},
      {',', '.', "-1234567", "-1,234,567"},            // the sign stops the run
      {',', '.', "-123", "-123"},
      {',', '.', "12a34567", "12a34,567"},             // so does any non-digit
      {',', '.', "", ""},
      {',', '.', "   ", "   "},
      {'.', ',', "1234567,5", "1.234.567,5"},
      {'.', ',', "1.234.567", "1.234.567"},
  };
  for (const Case& c : cases) {
    UseSeparators(c.thousand, c.decimal);
    std::string text = c.text;
    FormatNumberWithThousandSeparators(text);
    EXPECT_EQ(text, c.expected) << "\"" << c.text << "\" with '" << c.thousand << "'";
  }
}

TEST_F(NumberTextTest, ExponentSeparatorsAndDigits) {
  UseSeparators(',', '.');
  struct Split {
    const char* text;
    const char* mantissa;
    const char* exponent;
  };
  for (const Split& c : {Split{"1.5E10", "1.5", "E10"}, Split{"2e-3e4", "2", "e-3e4"}, Split{"42", "42", ""}}) {
    std::string text = c.text, exponent = "stale";
    SplitExponentPart(text, exponent);
    EXPECT_EQ(text, c.mantissa) << c.text;
    EXPECT_EQ(exponent, c.exponent) << c.text;
  }
  std::string text = "1,234,5.6,";
  RemoveThousandSeparators(text);
  EXPECT_EQ(text, "12345.6");

  struct Numeric {
    const char* text;
    bool numeric;
  };
  for (const Numeric& c : {Numeric{"1,234,567.5", true}, Numeric{"-12", true}, Numeric{"1.5E3", true},
                           Numeric{",", false}, Numeric{"", false}, Numeric{"12a", false}, Numeric{"1.2.3", false}})
    EXPECT_EQ(IsNumericText(c.text), c.numeric) << c.text;
  UseSeparators('.', ',');
  EXPECT_TRUE(IsNumericText("1.234,5"));
  EXPECT_FALSE(IsNumericText("1,2,3")) << "the comma is this locale's decimal separator";

  for (int ch = 0; ch < 256; ++ch)
    EXPECT_EQ(IsDigitChar(static_cast<char>(ch)), ch >= '0' && ch <= '9') << ch;
}

}  // namespace
