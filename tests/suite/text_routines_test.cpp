#include "suite/text_routines.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "suite/command_words.h"
#include "suite/frame_characters.h"
#include "suite/language_switch.h"

namespace {

TEST(TextRoutines, PadOrCutGivesExactlyTheWidth) {
  struct Case { std::string_view text; Integer width; std::string_view expected; };
  const Case cases[] = {{"AB", 4, "AB  "}, {"ABCDE", 3, "ABC"}, {"ABC", 3, "ABC"}, {"", 2, "  "},
                        {"AB", 0, ""},     {"AB", -1, ""},     {"กข"_cp874, 1, "ก"_cp874}};
  for (const Case& c : cases) EXPECT_EQ(PadOrCut(c.text, c.width), c.expected) << c.text << "," << c.width;
}

TEST(TextRoutines, UpCaseAsciiChangesOnlyLatinLetters) {
  struct Case { std::string_view text, expected; };
  const Case cases[] = {{"abc ก"_cp874, "ABC ก"_cp874}, {"azAZ@[`{09", "AZAZ@[`{09"},
                        {"\xe0\xe1\xff", "\xe0\xe1\xff"}, {"", ""}};
  for (const Case& c : cases) EXPECT_EQ(UpCaseAscii(c.text), c.expected) << c.text;
}

TEST(TextRoutines, RepeatCharIsEmptyForNoOrNegativeCount) {
  EXPECT_EQ(RepeatChar('*', 3), "***");
  EXPECT_EQ(RepeatChar('*', 0), "");
  EXPECT_EQ(RepeatChar('*', -2), "");
}

TEST(TextRoutines, CommandLineTextJoinsUpperCasedParameters) {
  struct Case { std::vector<const char*> argv; std::string_view expected; };
  const Case cases[] = {{{"prog", "ab", "C d"}, "ABC D"},
                        {{"prog"}, ""},
                        {{"prog", "ไทย x"}, "ไทย X"_cp874}};   // UTF-8 parameters arrive as code page 874
  for (const Case& c : cases) {
    InitCommandLineText(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(CommandLineText, c.expected);
  }
}

TEST(TextRoutines, CommandWordsHoldTheThaiTextsInTheirPlaces) {
  EXPECT_EQ(CommandWords[0], "ออก"_cp874);
  EXPECT_EQ(CommandWords[11], "พลิก"_cp874);
  for (int unused : {7, 12, 13, 14}) EXPECT_TRUE(CommandWords[unused].empty()) << unused;
  for (std::string_view word : CommandWords) EXPECT_LE(word.size(), 20u);
}

TEST(TextRoutines, TranslatedCaptionIsEngUnlessEmpty) {
  EXPECT_EQ(LanguageSwitch, 0);
  EXPECT_EQ(TranslateCaption("บันทึก"_cp874), "Eng");
  EXPECT_EQ(TranslateCaption(""), "");
}

std::string CurrentFrame() {
  std::string frame;
  for (const auto& part : FrameCharacters) frame += static_cast<char>(part[kCurrentFrameStyle]);
  return frame;
}

TEST(FrameCharacters, LettersSelectTheCurrentStyle) {
  struct Case { char letter; std::string_view frame; Byte fill; };
  const Case cases[] = {
      {'H', "++++|-||--+", 0x97},
      {'h', "++++|-||--+", 0x97},
      {'B', "\x95\x97\x9b\x9d\x9f\x9e\x98\x9a\x9c\x96\x99", 0x82},
      {'D', "\xda\xbf\xc0\xd9\xb3\xc4\xc3\xb4\xc1\xc2\xc5", 0xB1},          // style 1, single lines
      {'C', "\x8a\x8b\x8c\x8d\x8e\x8f\x9f\x9e\x9c\x9d\x89", 0xFF},          // style 10, cross 0x89
      {'F', "\x8a\x8b\x8c\x8d\x8e\x8f\x9f\x9e\x9c\x9d\x9b", 0x97},
      {'G', "\x98\x99\x9a\x9b\x95\x96\x9c\x9e\x9f\x9d\x97", 0x97},
      {'X', "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a", 0x96},
      {'A', "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a", 0x97},
      {'Q', "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a", 0x97},
      {'E', "\xef\xf0\xf1\xf2\xf3\xf4\xf5\xf6\xf7\xf8\xf9", 0xFB},
  };
  for (const Case& c : cases) {
    SelectFrameStyle(c.letter);
    EXPECT_EQ(CurrentFrame(), c.frame) << c.letter;
    EXPECT_EQ(FrameFillChar, c.fill) << c.letter;
    EXPECT_EQ(FrameStyleLetter, c.letter);
  }
  SelectFrameStyle('C');
  SelectFrameStyle('F');
  EXPECT_EQ(FrameCharacters[FrameCross][10], 0x9B) << "style C changes only the current style";
}

TEST(FrameCharacters, SetsFollowTheSelectedStyle) {
  SelectFrameStyle('H');
  for (int b : {int('['), int(']'), 0x10, int('+'), int('|'), int('-'), 0x97}) EXPECT_TRUE(FrameCharSet.test(b)) << b;
  EXPECT_EQ(FrameCharSet.count(), 7u);
  EXPECT_FALSE(FrameStyleE);
  EXPECT_EQ(ThaiMarkSet.count(), 1u + 7 + 7);
  EXPECT_TRUE(ThaiMarkSet.test(0xD1) && ThaiMarkSet.test(0xED) && !ThaiMarkSet.test(0xD3));

  SelectFrameStyle('e');
  EXPECT_TRUE(FrameStyleE);
  EXPECT_EQ(FrameArrows, (std::array<Byte, 6>{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(FrameCharSet.test(1) && FrameCharSet.test(0xEF) && FrameCharSet.test(0xFB) && !FrameCharSet.test(0x10));
  EXPECT_EQ(ThaiMarkSet.count(), 16u + 4 + 10 + 8 + 1 + 8 + 8 + 3);
  EXPECT_TRUE(ThaiMarkSet.test(0x10) && ThaiMarkSet.test(0xD3) && ThaiMarkSet.test(0xFE) && !ThaiMarkSet.test(0x85));

  SelectFrameStyle('A');
  EXPECT_FALSE(FrameStyleE);
  EXPECT_EQ(FrameArrows[0], 0x10);
}

}  // namespace
