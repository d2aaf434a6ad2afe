#include "platform/core/ansi_strings.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"

namespace {

TEST(AnsiStrings, CopyClampsIndexAndCount) {
  struct Case { const char* s; Integer index, count; const char* expected; };
  const Case cases[] = {
      {"abcdef", 2, 3, "bcd"},  {"abcdef", 0, 2, "ab"},      {"abcdef", -5, 2, "ab"},
      {"abcdef", 5, 10, "ef"},  {"abcdef", 6, 1, "f"},       {"abcdef", 7, 1, ""},
      {"abcdef", 2, -1, ""},    {"abcdef", 1, 0x7fffffff, "abcdef"}, {"", 1, 1, ""},
      {"abcdef", -0x7fffffff - 1, 0x7fffffff, "abcdef"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Copy(c.s, c.index, c.count), c.expected) << c.s << " " << c.index << " " << c.count;
}

TEST(AnsiStrings, DeleteIgnoresIndexesOutsideTheText) {
  struct Case { Integer index, count; const char* expected; };
  const Case cases[] = {{2, 2, "adef"},   {5, 99, "abcd"}, {0, 2, "abcdef"}, {-1, 3, "abcdef"},
                        {7, 1, "abcdef"}, {1, 0, "abcdef"}, {3, -2, "abcdef"}, {1, 6, ""},
                        {6, 0x7fffffff, "abcde"}};
  for (const Case& c : cases) {
    std::string s = "abcdef";
    Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.expected) << c.index << " " << c.count;
  }
}

TEST(AnsiStrings, InsertClampsTheIndexToTheText) {
  struct Case { Integer index; const char* expected; };
  const Case cases[] = {{1, "XYabc"}, {2, "aXYbc"}, {4, "abcXY"}, {5, "abcXY"},
                        {99, "abcXY"}, {0, "XYabc"}, {-7, "XYabc"}};
  for (const Case& c : cases) {
    std::string s = "abc";
    Insert("XY", s, c.index);
    EXPECT_EQ(s, c.expected) << c.index;
  }
}

TEST(AnsiStrings, PosIsOneBasedAndZeroWhenAbsent) {
  EXPECT_EQ(Pos("cd", "abcdcd"), 3);
  EXPECT_EQ(Pos("a", "abc"), 1);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(Pos("abcd", "abc"), 0);
}

TEST(AnsiStrings, TrimRemovesBlanksAndControlBytesButNotThai) {
  const std::string aroundThai = "\x01\x1f \xa1\xc3\xa0 \r\n\x7f";
  struct Case { std::string s, both, left, right; };
  const Case cases[] = {
      {"  ab c\t\r\n", "ab c", "ab c\t\r\n", "  ab c"},
      {std::string("\0\x01x\x1f", 4), "x", "x\x1f", std::string("\0\x01x", 3)},
      // 0xA1 (Thai ko kai) and 0xA0 (no-break space) are above ' ' and stay; 0x7F stays too.
      {aroundThai, "\xa1\xc3\xa0 \r\n\x7f", "\xa1\xc3\xa0 \r\n\x7f", "\x01\x1f \xa1\xc3\xa0 \r\n\x7f"},
      {" \t ", "", "", ""},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Trim(c.s), c.both);
    EXPECT_EQ(TrimLeft(c.s), c.left);
    EXPECT_EQ(TrimRight(c.s), c.right);
  }
}

TEST(AnsiStrings, CaseMappingChangesOnlyLatinLetters) {
  const std::string thai(" รหัส ก๛"_cp874);
  const std::string mixed = "aZ@[`{ " + thai + " \xe0\xff\x80";
  EXPECT_EQ(UpperCase(mixed), "AZ@[`{ " + thai + " \xe0\xff\x80");
  EXPECT_EQ(LowerCase(mixed), "az@[`{ " + thai + " \xe0\xff\x80");
  EXPECT_EQ(AnsiUpperCase(mixed), UpperCase(mixed));
  EXPECT_EQ(AnsiLowerCase(mixed), LowerCase(mixed));
  static_assert(UpCase('q') == 'Q' && UpCase('Q') == 'Q' && UpCase('{') == '{' && UpCase('\xa1') == '\xa1');
  static_assert(LoCase('Q') == 'q' && LoCase('@') == '@' && LoCase('\xc3') == '\xc3');
}

TEST(AnsiStrings, ComparisonsAreOrdinalOnUnsignedBytes) {
  struct Case { const char* a; const char* b; int str; int text; };
  const Case cases[] = {
      {"abc", "abc", 0, 0},   {"abc", "ABC", 1, 0},  {"abc", "abd", -1, -1}, {"ab", "abc", -1, -1},
      {"b", "abc", 1, 1},     {"\xa1", "z", 1, 1},   {"[", "a", -1, 1},  // '[' sorts after 'A'
      {"", "", 0, 0},
  };
  const auto sign = [](int v) { return (v > 0) - (v < 0); };
  for (const Case& c : cases) {
    EXPECT_EQ(sign(CompareStr(c.a, c.b)), c.str) << c.a << " " << c.b;
    EXPECT_EQ(sign(CompareText(c.a, c.b)), c.text) << c.a << " " << c.b;
    EXPECT_EQ(SameText(c.a, c.b), c.text == 0) << c.a << " " << c.b;
  }
  EXPECT_EQ(CompareStr("ac", "aa"), 'c' - 'a');
}

TEST(AnsiStrings, QuotingDoublesTheQuoteAndExtractingUndoesIt) {
  EXPECT_EQ(QuotedStr("It's"), "'It''s'");
  EXPECT_EQ(QuotedStr(""), "''");
  EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");

  struct Case { const char* src; const char* text; const char* rest; };
  const Case cases[] = {
      {"'It''s' tail", "It's", " tail"},  {"''", "", ""},  {"'a''''b'x", "a''b", "x"},
      {"'unclosed", "unclosed", ""},      {"'ends''", "ends'", ""},
      {"plain", "", "plain"},             {"", "", ""},
  };
  for (const Case& c : cases) {
    std::string_view src = c.src;
    EXPECT_EQ(AnsiExtractQuotedStr(src, '\''), c.text) << c.src;
    EXPECT_EQ(src, c.rest) << c.src;
  }
}

TEST(AnsiStrings, StringReplaceFlags) {
  struct Case { const char* s; const char* from; const char* to; TReplaceFlags flags; const char* expected; };
  const Case cases[] = {
      {"a-b-c", "-", "+", 0, "a+b-c"},
      {"a-b-c", "-", "+", rfReplaceAll, "a+b+c"},
      {"Ab ab AB", "ab", "x", rfReplaceAll, "Ab x AB"},
      {"Ab ab AB", "ab", "x", rfReplaceAll | rfIgnoreCase, "x x x"},
      {"Ab ab", "ab", "x", rfIgnoreCase, "x ab"},
      {"aaaa", "aa", "a", rfReplaceAll, "aa"},      // no overlap, no rescan of replaced text
      {"abc", "", "x", rfReplaceAll, "abc"},
      {"abc", "abcd", "x", rfReplaceAll, "abc"},
      {"x\xa1y", "\xa1", "", rfReplaceAll | rfIgnoreCase, "xy"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s << " " << c.from;
}

TEST(AnsiStrings, StringOfChar) {
  EXPECT_EQ(StringOfChar('*', 3), "***");
  EXPECT_EQ(StringOfChar('*', 0), "");
  EXPECT_EQ(StringOfChar('*', -2), "");
}

}  // namespace
