#include "platform/core/cp874.h"

#include <gtest/gtest.h>

namespace {

std::string AllBytes() {
  std::string s;
  for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
  return s;
}

TEST(Cp874, EveryByteRoundTripsThroughUtf16AndUtf8) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(Utf16ToCp874(Cp874ToUtf16(bytes)), bytes);
  EXPECT_EQ(Utf8ToCp874(Cp874ToUtf8(bytes)), bytes);
  EXPECT_EQ(Utf8ToUtf16(Cp874ToUtf8(bytes)), Cp874ToUtf16(bytes));
}

TEST(Cp874, LiteralHelperGivesCodePageBytes) {
  constexpr std::string_view code = "รหัส"_cp874;
  EXPECT_EQ(code, "\xc3\xcb\xd1\xca");
  static_assert("ก"_cp874 == "\xa1" && "๛"_cp874 == "\xfb" && "A ก"_cp874 == "A \xa1");
}

TEST(Cp874, KnownMappings) {
  struct Case { unsigned char byte; char16_t unicode; };
  const Case cases[] = {{0x41, u'A'}, {0x80, u'\u20AC'}, {0x85, u'\u2026'}, {0x91, u'\u2018'},
                        {0x97, u'\u2014'}, {0xA0, u'\u00A0'}, {0xA1, u'\u0E01'}, {0xDA, u'\u0E3A'},
                        {0xDF, u'\u0E3F'}, {0xFB, u'\u0E5B'}, {0x81, u'\u0081'}, {0xDB, u'\uF8C1'},
                        {0xFF, u'\uF8C8'}};
  for (const Case& c : cases) {
    EXPECT_EQ(Cp874ToUnicode(c.byte), c.unicode) << int(c.byte);
    EXPECT_EQ(static_cast<unsigned char>(UnicodeToCp874(c.unicode)), c.byte) << int(c.byte);
  }
}

TEST(Cp874, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToCp874(u"a\u00E9\u4E2D\U0001F600b"), "a???b");
  EXPECT_EQ(Utf8ToCp874("x\xE4\xB8\xAD"), "x?");
  EXPECT_EQ(Utf8ToCp874("\xC3"), "?");   // truncated sequence
}

TEST(Cp874, Utf8AndUtf16ConvertSurrogatePairs) {
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

}  // namespace
