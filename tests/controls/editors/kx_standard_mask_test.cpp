// The classic edit mask: parsing (items, blank character, saved literals, leading blanks), fitting
// texts into the mask, value texts, completeness and the empty texts.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_standard_mask.h"
#include "platform/core/format_settings.h"
#include "platform/os/locale.h"

namespace {

// The items of a mask written back as mask characters: the kind's letter in upper case when
// required and lower case when optional ("0"/"9" for digits, "#" for digit or sign), literals as
// "\" and the character.
std::string Describe(const TkxStandardMask& Mask) {
  std::string text;
  for (Integer i = 0; i < Mask.Count(); ++i) {
    const TkxStandardMaskCustomItem& item = Mask.PositionItems(i);
    if (const auto* literal = dynamic_cast<const TkxStandardMaskLiteralItem*>(&item)) {
      text += std::string("\\") + literal->Literal();
      continue;
    }
    const bool optional = dynamic_cast<const TkxStandardMaskManyItem&>(item).Optional();
    char code = 'C';
    if (dynamic_cast<const TkxStandardMaskNumericItem*>(&item)) code = optional ? '9' : '0';
    else if (dynamic_cast<const TkxStandardMaskNumericSymbolItem*>(&item)) code = '#';
    else if (dynamic_cast<const TkxStandardMaskAlphaItem*>(&item)) code = 'L';
    else if (dynamic_cast<const TkxStandardMaskAlphaNumericItem*>(&item)) code = 'A';
    text += optional && code != '9' && code != '#' ? static_cast<char>(code - 'A' + 'a') : code;
  }
  return text;
}

struct ParseCase {
  const char* mask;
  const char* items;
  char blank;
  bool saveLiterals;
  bool leadingBlanks;
};

TEST(StandardMaskParsing, ItemsAndFieldTails) {
  ScopedLocale locale("en-US");
  const ParseCase cases[] = {
      {"00:00:00;1;0", "00\\:00\\:00", '0', true, false},
      {"!### ### ### KB;0;*", "###\\ ###\\ ###\\ \\K\\B", '*', false, true},
      {"99;0", "99", '_', false, false},
      {"99;1", "99", '_', true, false},
      {"99;x", "99\\;\\x", '_', true, false},               // not a tail: two literals
      {"99;1;#", "99", '#', true, false},
      {"99;0;", "99\\;0\\;", '_', true, false},             // ";0;" alone is no tail
      {"0;1;x;0", "0\\;\\1\\;\\x", '_', false, false},      // only the last ";0" is a tail
      {"\\0\\9\\;\\", "\\0\\9\\;", '_', true, false},       // "\" quotes; at the end it is ignored
      {"LlAaCc#", "LlAaCc#", '_', true, false},
      {"a!_ ", "a\\!\\_\\ ", '_', true, false},
      {"", "", '_', true, false},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.mask);
    TkxStandardMask mask;
    mask.SetMask(c.mask);
    EXPECT_EQ(Describe(mask), c.items);
    EXPECT_EQ(mask.BlankChar(), c.blank);
    EXPECT_EQ(mask.SaveLiterals(), c.saveLiterals);
    EXPECT_EQ(mask.LeadingBlanks(), c.leadingBlanks);
    EXPECT_EQ(mask.MaskText(), c.mask);
  }
}

TEST(StandardMaskParsing, SetMaskStartsAfresh) {
  TkxStandardMask mask;
  mask.SetMask("!99;0;*");
  mask.SetMask("9");
  EXPECT_EQ(mask.Count(), 1);
  EXPECT_EQ(mask.BlankChar(), '_');
  EXPECT_TRUE(mask.SaveLiterals());
  EXPECT_FALSE(mask.LeadingBlanks());
}

TEST(StandardMaskParsing, CaseConversionAppliesToTheFollowingEditablePositions) {
  TkxStandardMask mask;
  mask.SetMask(">l<l<>l");
  const struct {
    Integer position;
    char typed;
    char stored;
  } checks[] = {{0, 'a', 'A'}, {1, 'B', 'b'}, {2, 'a', 'a'}, {2, 'B', 'B'}};
  for (const auto& c : checks) {
    char ch = c.typed;
    EXPECT_TRUE(mask.PositionItems(c.position).Check(ch));
    EXPECT_EQ(ch, c.stored);
  }
}

TEST(StandardMaskParsing, SeparatorsAreThoseInForceWhenTheMaskIsParsed) {
  ScopedLocale locale("th-TH");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDATE, "-");
  GetFormatSettings();
  TkxStandardMask mask;
  mask.SetMask("99/99 99:99");
  FormatSettings.DateSeparator = '.';
  EXPECT_EQ(Describe(mask), "99\\-99\\ 99\\:99");
}

struct FormatCase {
  const char* mask;
  const char* text;
  bool useConvertedChars;
  bool textHasLiterals;
  const char* masked;
};

TEST(StandardMaskFormat, FitsTextsIntoTheMask) {
  ScopedLocale locale("en-US");
  const FormatCase cases[] = {
      {"999", "12", true, true, "12_"},
      {"!999", "12", true, true, "_12"},
      {"!999", "5", true, true, "__5"},
      {"000", "1x2", true, true, "12_"},                   // the letter is dropped
      {"99/99", "1234", true, true, "12/34"},
      {"99/99", "12/34", true, true, "12/34"},             // separator typed or not
      {"999", "1 2", true, true, "1_2"},                   // a space leaves a position blank
      {"999", "1_2", true, true, "1_2"},
      {"00:00:00;1;0", "", true, true, "00:00:00"},
      {">LL", "ab", true, true, "AB"},
      {">LL", "ab", false, true, "ab"},
      {"99-99;0", "1234", true, false, "12-34"},           // literals are not offered
      {"!### ### ### KB;0;*", "12345", true, false, "*** *12 345 KB"},
      {"(999)", "(12)", true, true, "(12_)"},
      {"(999)", "12", true, true, "(12_)"},
      {"99", "123", true, true, "12"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " <- " + c.text);
    TkxStandardMask mask;
    mask.SetMask(c.mask);
    std::string text = c.text;
    mask.Format(text, c.useConvertedChars, c.textHasLiterals);
    EXPECT_EQ(text, c.masked);
  }
}

TEST(StandardMaskFormat, ValueTextsAndEmptyTexts) {
  ScopedLocale locale("en-US");
  const struct {
    const char* mask;
    const char* masked;
    const char* value;
    const char* emptyText;
    const char* emptyValue;
  } cases[] = {
      {"00:00:00;1;0", "12:34:56", "12:34:56", "00:00:00", "  :  :  "},
      {"00:00:00;1;0", "12:30:00", "12:3 :  ", "00:00:00", "  :  :  "},   // blanks read as spaces
      {"!### ### ### KB;0;*", "*** *12 345 KB", "    12345", "*** *** *** KB", "         "},
      {"99-99;0", "1_-34", "1 34", "__-__", "    "},
      {"999", "12", "12", "___", "   "},                                    // up to the shorter
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + c.masked);
    TkxStandardMask mask;
    mask.SetMask(c.mask);
    std::string text = c.masked;
    mask.GetValueText(text);
    EXPECT_EQ(text, c.value);
    EXPECT_EQ(mask.GetEmptyText(), c.emptyText);
    EXPECT_EQ(mask.GetEmptyValue(), c.emptyValue);
  }
}

TEST(StandardMaskValidity, BlanksPassOnlyAtOptionalPositions) {
  ScopedLocale locale("en-US");
  const struct {
    const char* mask;
    const char* text;
    bool valid;
    const char* after;
  } cases[] = {
      {"099", "1__", true, "1__"},
      {"099", "1  ", true, "1  "},
      {"099", "_12", false, "_12"},
      {"099", " 12", false, " 12"},
      {"099", "12", false, "12"},
      {"#9", "-_", true, "-_"},
      {">L", "a", true, "A"},                 // converted in place
      {"99/99", "12/34", true, "12/34"},
      {"99/99", "12-34", false, "12-34"},
      {"00:00:00;1;0", "12:34:56", true, "12:34:56"},
      {"00:00:00;1;0", "12:34:5 ", false, "12:34:5 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + c.text);
    TkxStandardMask mask;
    mask.SetMask(c.mask);
    std::string text = c.text;
    EXPECT_EQ(mask.IsValid(text), c.valid);
    EXPECT_EQ(text, c.after);
  }
}

}  // namespace
