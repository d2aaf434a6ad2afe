// The edit-mask language: what a mask parses into, how values fit into it and come back out,
// when a masked text is complete, and how one key is typed into it.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/cp874.h"
#include "platform/core/format_settings.h"
#include "platform/ui/parsed_mask.h"

namespace {

using edit::ParsedMask;

// Separators other than the mask characters, so that a test sees they come from the settings.
class ParsedMaskTest : public ::testing::Test {
 protected:
  ParsedMaskTest() {
    FormatSettings.DateSeparator = '-';
    FormatSettings.TimeSeparator = '.';
  }
  ~ParsedMaskTest() override { FormatSettings = saved_; }

 private:
  TFormatSettings saved_ = FormatSettings;
};

TEST_F(ParsedMaskTest, MasksParseIntoPositionsAndFields) {
  struct Case {
    const char* mask;
    const char* empty;   // EmptyText with the mask's blank
    bool save;
    char blank;
    bool leading;
  };
  const Case cases[] = {
      {"00/00/0000", "__-__-____", true, '_', false},
      {"!99:99;0; ", "  .  ", false, ' ', true},
      {"(999)_000-0000;1;*", "(***) ***-****", true, '*', false},
      {"\\0\\;0\\\\", "0;_\\", true, '_', false},           // escaped mask characters are literals
      {"00;x", "__", true, '_', false},                     // a save field other than "0" saves literals
      {"00;0", "__", false, '_', false},
      {"00;1;", "__", true, '_', false},                    // an empty third field keeps "_"
      {">L<l<>c", "___", true, '_', false},                 // case switches take no position
      {"!", "", true, '_', true},
      {"#\\", "_", true, '_', false},                       // a "\" at the end is dropped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    const ParsedMask mask(c.mask);
    EXPECT_EQ(mask.EmptyText(mask.Blank()), c.empty);
    EXPECT_EQ(mask.Width(), int(std::string(c.empty).size()));
    EXPECT_EQ(mask.SaveLiterals(), c.save);
    EXPECT_EQ(mask.Blank(), c.blank);
    EXPECT_EQ(mask.LeadingBlanks(), c.leading);
  }
}

TEST_F(ParsedMaskTest, PositionsAcceptTheirCharacterClassesAndConvertCase) {
  const ParsedMask mask(">L<l<>A9#C");
  struct Case {
    int pos;
    char typed;
    bool ok;
    char stored;
  };
  const char thai = "ก"_cp874[0];
  const char thaiDigit = "๓"_cp874[0];
  const Case cases[] = {
      {0, 'a', true, 'A'},  {0, '1', false, '1'},  {0, thai, true, thai},   // upper-case letter
      {1, 'Q', true, 'q'},  {1, ' ', false, ' '},                           // lower-case letter
      {2, 'x', true, 'x'},  {2, '7', true, '7'},   {2, thaiDigit, true, thaiDigit}, {2, '-', false, '-'},
      {3, '5', true, '5'},  {3, '+', false, '+'},  {3, thaiDigit, false, thaiDigit},
      {4, '-', true, '-'},  {4, '+', true, '+'},   {4, 'e', false, 'e'},
      {5, '%', true, '%'},  {5, '\t', false, '\t'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pos);
    char ch = c.typed;
    EXPECT_EQ(mask.Accepts(c.pos, ch), c.ok) << c.typed;
    EXPECT_EQ(ch, c.stored);
  }
}

// Fitting a value and reading it back: the text the control shows and the value it gives.
TEST_F(ParsedMaskTest, ValuesFitIntoTheMaskAndComeBackOut) {
  struct Case {
    const char* mask;
    const char* value;
    const char* masked;   // Fit(value, SaveLiterals, Blank)
    const char* back;     // ValueOf(masked)
  };
  const Case cases[] = {
      {"99/99/9999;1;_", "12-05-2024", "12-05-2024", "12-05-2024"},
      {"99/99/9999;1;_", "12052024", "12-05-2024", "12-05-2024"},   // missing literals are inserted
      {"99/99/9999;1;_", "", "__-__-____", "  -  -    "},
      {"99/99/9999;1;_", "1x-5", "1_-5_-____", "1 -5 -    "},        // a refused character leaves a blank
      {"000-000;0;_", "12345", "123-45_", "12345"},                  // trailing blanks are no part of the value
      {"000-000;0;_", "1 3", "1_3-___", "1 3"},
      {"!999-999;0;_", "12345", "_12-345", "12345"},                 // right-aligned, leading blanks dropped
      {"!### ### ### KB;0;*", "12", "*** *** *12 KB", "12"},
      {">LLL;0", "abcd", "ABC", "ABC"},                                // what does not fit is dropped
      {"cc;1;_", "_a", "_a", " a"},                                    // the blank character is no value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " <- " + c.value);
    const ParsedMask mask(c.mask);
    const std::string masked = mask.Fit(c.value, mask.SaveLiterals(), mask.Blank());
    EXPECT_EQ(masked, c.masked);
    EXPECT_EQ(mask.ValueOf(masked), c.back);
    EXPECT_EQ(mask.Fit(mask.ValueOf(masked), mask.SaveLiterals(), mask.Blank()), masked);   // round trip
  }
}

TEST_F(ParsedMaskTest, FormatMaskTextShowsBlanksAsSpaces) {
  EXPECT_EQ(FormatMaskText("!### ### ### KB;0;*", "12"), "         12 KB");
  EXPECT_EQ(FormatMaskText("!### ### ### KB;0;*", "123456789"), "123 456 789 KB");
  EXPECT_EQ(FormatMaskText("(000)_000;1;_", "021234"), "(021) 234");
  EXPECT_EQ(FormatMaskText("", "anything"), "");
}

TEST_F(ParsedMaskTest, TheFirstInvalidPositionOfAMaskedText) {
  struct Case {
    const char* mask;
    const char* masked;
    int wrong;
  };
  const Case cases[] = {
      {"00/99", "12-__", -1},   // optional positions may stay blank
      {"00/99", "1_-34", 1},    // a required one may not
      {"00/99", "12-3 ", -1},   // a space counts as blank
      {"00/99", "12/34", 2},    // a wrong literal
      {"00/99", "1a-34", 1},    // a character its position refuses
      {"00/99", "12-3", 4},     // too short
      {"00/99", "12-345", 5},   // too long
      {"LL", "ab", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + c.masked);
    EXPECT_EQ(ParsedMask(c.mask).FirstInvalid(c.masked), c.wrong);
  }
}

TEST_F(ParsedMaskTest, TypingOneKey) {
  const ParsedMask mask("99/99 KB");   // "__-__ KB"
  struct Case {
    const char* masked;
    int pos;
    char key;
    const char* after;
    int next;
  };
  const Case cases[] = {
      {"__-__ KB", 0, '1', "1_-__ KB", 1},
      {"__-__ KB", 2, '3', "__-3_ KB", 4},    // from a literal on to the next editable position
      {"__-__ KB", 2, '-', "__-__ KB", 3},    // a literal typed over itself passes it
      {"1_-__ KB", 1, '-', "1_-__ KB", 3},    // a literal further on: the caret jumps past it
      {"12-__ KB", 3, '-', "12-__ KB", 3},    // the literal the caret has just passed: taken, no move
      {"12-__ KB", 1, ' ', "1_-__ KB", 2},    // a space blanks an optional position
      {"__-__ KB", 0, 'x', "__-__ KB", -1},   // refused
      {"__-__ KB", 5, '1', "__-__ KB", -1},   // no editable position left
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.masked) + " " + c.key);
    std::string text = c.masked;
    EXPECT_EQ(mask.Type(text, c.pos, c.key), c.next);
    EXPECT_EQ(text, c.after);
  }
  std::string required = "_";
  EXPECT_EQ(ParsedMask("0").Type(required, 0, ' '), -1);   // a required position takes no space
}

}  // namespace
