// Plain text of markup, search highlighting (adjacent matches marked apart) and tag removal.
#include "grid/markup_text.h"

#include <gtest/gtest.h>

namespace {

TEST(StripMarkup, LineBreakTagsBecomeCRLFAndOtherTagsGo) {
  struct Case {
    const char* markup;
    const char* plain;
  };
  const Case cases[] = {
      {"a<BR>b", "a\r\nb"},
      {"a<br>b<Hr>c", "a\r\nb\r\nc"},
      {"1 < 2", "1 < 2"},                 // no ">" after the "<": kept
      {"a>b<c>d", "a>bd"},
      {"<B>bold</B> and <I>it</I>", "bold and it"},
      {"x<BR/>y", "xy"},                  // only the exact "<BR>" breaks a line
      {"<", "<"},
      {"a<b", "a<b"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(StripMarkup(c.markup), c.plain) << c.markup;
}

TEST(HighlightText, MarksEveryOccurrenceInTheVisibleText) {
  struct Case {
    const char* markup;
    const char* search;
    const char* tag;
    bool caseSensitive;
    const char* highlighted;
  };
  const Case cases[] = {
      {"aa", "a", "B", false, "<B>a</B><B>a</B>"},
      {"aaa", "aa", "B", false, "<B>aa</B>a"},
      {"Hello hello", "hello", "hi", false, "<hi>Hello</hi> <hi>hello</hi>"},
      {"Hello hello", "hello", "hi", true, "Hello <hi>hello</hi>"},
      {"a<I>b</I>c", "abc", "B", true, "<B>a<I>b</I>c</B>"},
      {"<I>ab</I>", "ab", "B", true, "<I><B>ab</B></I>"},
      {"x<I>a</I>a", "a", "B", true, "x<I><B>a</B></I><B>a</B>"},
      {"<B>x</B>", "B", "HI", false, "<B>x</B>"},     // tag names are not visible text
      {"a < b", "<", "B", true, "a <B><</B> b"},      // an unclosed "<" is visible
      {"abc", "", "B", true, "abc"},
      {"abc", "x", "B", true, "abc"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HighlightText(c.markup, c.search, c.tag, c.caseSensitive), c.highlighted)
        << c.markup << " / " << c.search;
}

TEST(RemoveTagPairs, RemovesExactTagsOfThatNameInAnyCase) {
  EXPECT_EQ(RemoveTagPairs("<hi>a</HI>b<Hi>", "HI"), "ab");
  EXPECT_EQ(RemoveTagPairs("<HI x>a</HIGH>", "HI"), "<HI x>a</HIGH>");
  EXPECT_EQ(RemoveTagPairs("<<B>B>x<</B>/B>", "B"), "x") << "removal brings new ones together";
  EXPECT_EQ(RemoveTagPairs(HighlightText("aa", "a", "HI", false), "HI"), "aa");
}

}  // namespace
