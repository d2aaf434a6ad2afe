// Cell text kinds, number text kinds and the number text cells convert from, under "," / "." and
// under the swapped separators.
#include "grid/cell_text_kinds.h"

#include <gtest/gtest.h>

#include "pinned_locale.h"

namespace {

TEST(CellTextKind, PrefixesDecideBeforeMarkup) {
  using namespace std::string_literals;
  struct Case {
    std::string text;
    bool markup;
    Integer kind;
  };
  const Case cases[] = {
      {"", true, ctkPlain},
      {"plain", true, ctkPlain},
      {"=A1+1", false, ctkFormula},
      {"{\\rtf1 x}", true, ctkRichText},
      {"a <B>b</B>", true, ctkMarkup},
      {"a <B>b</B>", false, ctkPlain},
      {"<I>x", true, ctkMarkup},
      {"x</", true, ctkMarkup},
      {"only <b>lower</b>", true, ctkMarkup},   // "</" is there
      {"<b>lower", true, ctkPlain},              // "<b>" alone is no markup
      {"|\\\0="s, true, ctkFormula},              // a wide text whose fourth character is "="
      {"|\\\0A"s, true, ctkWideText},
      {"|\\<B"s, true, ctkWideText},               // encoded text is never markup
      {"|\\", true, ctkWideText},
  };
  for (const Case& c : cases) EXPECT_EQ(CellTextKind(c.text, c.markup), c.kind) << c.text;
}

struct NumberCase {
  const char* text;
  Integer kind;
  const char* normalized;
};

void CheckNumbers(const NumberCase* begin, const NumberCase* end) {
  for (const NumberCase* c = begin; c != end; ++c) {
    EXPECT_EQ(NumberTextKind(c->text), c->kind) << "'" << c->text << "'";
    EXPECT_EQ(NormalizeNumberText(c->text), c->normalized) << "'" << c->text << "'";
  }
}

TEST(NumberText, KindsAndNormalFormWithCommaThousands) {
  PinnedLocale locale(',', '.');
  const NumberCase cases[] = {
      {"123", ntkInteger, "123"},
      {"-", ntkInteger, "-"},
      {"-12", ntkInteger, "-12"},
      {"1,234.5", ntkDecimal, "1234.5"},
      {"1,234,567", ntkNotANumber, "1234567"},
      {",234", ntkNotANumber, "234"},
      {"1.5E-3", ntkScientific, "1.5E-3"},
      {"-1E-5", ntkScientific, "-1E-5"},
      {"1e5", ntkScientific, "1e5"},
      {"1E-5-", ntkNotANumber, "1E-5-"},
      {"1E--5-", ntkNotANumber, "1E--5-"},
      {"1E5E", ntkNotANumber, "1E5E"},
      {"1.2.3", ntkNotANumber, "1.2.3"},
      {"E5", ntkNotANumber, "E5"},
      {"12-3", ntkNotANumber, "12-3"},
      {"", ntkNotANumber, ""},
      {"(1,234.50)", ntkNotANumber, "-1234.50"},
      {"$ 12", ntkNotANumber, "12"},
      {"12 kg", ntkNotANumber, "12"},
      {"  -$5  ", ntkNotANumber, "-5"},
      {"abc", ntkNotANumber, ""},
      {"N/A", ntkNotANumber, ""},
  };
  CheckNumbers(std::begin(cases), std::end(cases));
}

TEST(NumberText, SwappedSeparatorsAreReadFromTheLocaleAtEachCall) {
  PinnedLocale locale('.', ',');
  const NumberCase cases[] = {
      {"1.234,5", ntkDecimal, "1234.5"},
      {"1,5", ntkDecimal, "1.5"},
      {"1.234.567", ntkNotANumber, "1234567"},
      {"1,5E3", ntkScientific, "1.5E3"},
      {"1.5E3", ntkNotANumber, "15E3"},
  };
  CheckNumbers(std::begin(cases), std::end(cases));
}

}  // namespace
