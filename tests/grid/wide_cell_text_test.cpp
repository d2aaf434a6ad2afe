// Wide cell texts: the "|\" codec round-trips any UTF-16, ignores an odd last byte and reads
// unmarked texts as code page 874.
#include "grid/wide_cell_text.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(WideCellText, EncodesHighByteFirst) {
  EXPECT_EQ(EncodeWideCellText(u"A\u0E23"), std::string("|\\\x00" "A\x0E\x23", 6));
  EXPECT_EQ(EncodeWideCellText(u""), "|\\");
}

TEST(WideCellText, DecodesMarkedPairsAndUnmarkedCodePage874) {
  EXPECT_EQ(DecodeWideCellText(std::string("|\\\x0E\x23\x00", 5)), u"\u0E23") << "odd last byte ignored";
  EXPECT_EQ(DecodeWideCellText("|\\"), u"");
  EXPECT_EQ(DecodeWideCellText("\xC3"), u"\u0E23");
  EXPECT_EQ(DecodeWideCellText("ab"), u"ab");
}

TEST(WideCellText, RandomUtf16RoundTrips) {
  std::mt19937 random(24);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> unit(0, 0xFFFF);
  std::uniform_int_distribution<int> kind(0, 3);
  for (int round = 0; round < 500; ++round) {
    std::u16string text;
    for (int i = length(random); i > 0; --i) {
      switch (kind(random)) {
        case 0: text += u'\0'; break;
        case 1: text += static_cast<char16_t>(0xD800 + unit(random) % 0x800); break;   // surrogates, paired or not
        default: text += static_cast<char16_t>(unit(random));
      }
    }
    ASSERT_EQ(DecodeWideCellText(EncodeWideCellText(text)), text) << "round " << round;
  }
}

TEST(PosWide, FindsOnlyWhereTheNeedleFits) {
  EXPECT_EQ(PosWide(u"b", u"abc"), 2);
  EXPECT_EQ(PosWide(u"abc", u"abc"), 1);
  EXPECT_EQ(PosWide(u"abcd", u"abc"), 0);
  EXPECT_EQ(PosWide(u"", u"abc"), 0);
  EXPECT_EQ(PosWide(u"a", u""), 0);
  EXPECT_EQ(PosWide(u"x", u"abc"), 0);
}

}  // namespace
