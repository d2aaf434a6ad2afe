// Line breaks in cell texts: the cell store's tab/backspace form, the vertical-tab and tilde forms,
// first lines and line counts.
#include "grid/cell_line_breaks.h"

#include <gtest/gtest.h>

namespace {

TEST(CellLineBreaks, EncodeOnlyTextsWithCRAndDecodeOnlyTextsWithBackspace) {
  EXPECT_EQ(EncodeCellLineBreaks("a\r\nb"), "a\t\bb");
  EXPECT_EQ(EncodeCellLineBreaks("a\tb\nc"), "a\tb\nc") << "no CR: unchanged";
  EXPECT_EQ(DecodeCellLineBreaks("a\t\bb", true), "a\r\nb");
  EXPECT_EQ(DecodeCellLineBreaks("a\t\bb", false), "a");
  EXPECT_EQ(DecodeCellLineBreaks("a\tb", true), "a\tb") << "no backspace: tabs stay";
  EXPECT_EQ(DecodeCellLineBreaks("a\r\nb", false), "a") << "one line wanted";
  for (const char* text : {"x\r\ny\r\n", "\r\n", "only", ""})
    EXPECT_EQ(DecodeCellLineBreaks(EncodeCellLineBreaks(text), true), text);
}

TEST(CellLineBreaks, QuotedVerticalTabAndTildeForms) {
  std::string text = "a\r\nb";
  QuoteLineBreaks(text);
  EXPECT_EQ(text, "\"a\vb\"");
  text = "a\vb\v";
  RestoreVTLineBreaks(text);
  EXPECT_EQ(text, "a\r\nb\r\n");
  text = "a~b";
  RestoreTildeLineBreaks(text);
  EXPECT_EQ(text, "a\r\nb");
  text = "^";
  RestoreTildeLineBreaks(text);
  EXPECT_EQ(text, "");
  text = "^^";
  RestoreTildeLineBreaks(text);
  EXPECT_EQ(text, "^^");
}

TEST(TakeFirstLine, KeepsTheRestOnlyWhenAsked) {
  struct Case {
    const char* text;
    bool keepRest;
    const char* line;
    const char* rest;
  };
  const Case cases[] = {
      {"one", true, "one", ""},
      {"one\r\ntwo\r\nthree", true, "one", "two\r\nthree"},
      {"one\rtwo", true, "one", "two"},
      {"one\r\n\ntwo", true, "one", "\ntwo"},   // one LF goes with the CR
      {"one\r\ntwo", false, "one", ""},
      {"", true, "", ""},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    std::string line = "stale";
    TakeFirstLine(text, c.keepRest, line);
    EXPECT_EQ(line, c.line) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
  EXPECT_EQ(CountTextLines("a\r\nb\r\nc", true), 3);
  EXPECT_EQ(CountTextLines("a\r\nb", false), 1);
  EXPECT_EQ(CountTextLines("", true), 1);
}

}  // namespace
