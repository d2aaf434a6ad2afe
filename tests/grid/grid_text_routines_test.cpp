// The grid's small text routines: tokens, odd quote runs, unquoted characters, undoubling,
// positions with their out parameters, URLs, cell addresses and name capitalisation.
#include "grid/grid_text_routines.h"

#include <gtest/gtest.h>

namespace {

TEST(TakeToken, CutsBeforeTheDelimiterAndDropsItsFirstCharacter) {
  struct Case {
    const char* text;
    const char* delimiter;
    const char* token;
    const char* rest;
  };
  const Case cases[] = {
      {"a;b;c", ";", "a", "b;c"},
      {";b", ";", "", "b"},
      {"abc", ";", "", "abc"},        // no delimiter: nothing taken
      {"a;;b", ";;", "a", ";b"},      // only the delimiter's first character goes
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    std::string token = "stale";
    TakeToken(text, c.delimiter, token);
    EXPECT_EQ(token, c.token) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(OddCharRuns, FindTheFirstOddRunFollowedByAnotherCharacterOrAClosingLastCharacter) {
  struct Case {
    const char* text;
    Integer found;
    Integer count;
  };
  const Case cases[] = {
      {"ab\"\"c", 0, 0},       // the run of two is even
      {"ab\"c", 3, 1},
      {"ab\"\"", 4, 1},        // ends in the character: its position whatever the run
      {"a\"", 2, 1},
      {"\"a\"b\"\"\"c", 1, 3}, // runs of 1, 1 and 3
      {"\"a\"\"", 1, 2},       // an odd run, then the closing one
      {"", 0, 0},
      {"abc", 0, 0},
  };
  for (const Case& c : cases) {
    Integer position = -7;
    EXPECT_EQ(FindOddCharRun('"', c.text, position), c.found) << c.text;
    EXPECT_EQ(position, c.found) << c.text;
    EXPECT_EQ(CountOddCharRuns('"', c.text), c.count) << c.text;
  }
}

TEST(FindUnquotedChar, CountsQuotesUpToAndIncludingTheCharacter) {
  struct Case {
    const char* chars;
    const char* text;
    Integer found;
  };
  const Case cases[] = {
      {"&|", "a&b", 2},
      {"&|", "\"a&b\"|c", 6},
      {"&|", "\"a&b", 0},
      {"\"", "a\"b\"", 4},   // a quote in the set counts itself
      {"&", "", 0},
  };
  for (const Case& c : cases) {
    Integer position = 99;
    EXPECT_EQ(FindUnquotedChar(c.chars, c.text, position), c.found) << c.text;
    EXPECT_EQ(position, c.found == 0 ? -1 : c.found) << c.text;
  }
}

TEST(UndoubleChar, PairsBecomeOneAndSinglesGo) {
  EXPECT_EQ(UndoubleChar('"', "\"a\"\"b\""), "a\"b");
  EXPECT_EQ(UndoubleChar('"', "\"\"\""), "\"");
  EXPECT_EQ(UndoubleChar('"', "plain"), "plain");
  EXPECT_EQ(UndoubleChar('\'', ""), "");
}

TEST(Positions, OutParametersFollowTheirRules) {
  Integer position = 42;
  EXPECT_EQ(FindCharPos('x', "abc", position), 0);
  EXPECT_EQ(position, 42) << "left alone when not found";
  EXPECT_EQ(FindCharPos('c', "abc", position), 3);
  EXPECT_EQ(position, 3);
  EXPECT_EQ(FindStrPos("zz", "abc", position), 0);
  EXPECT_EQ(position, 0) << "set to 0 when absent";
  EXPECT_EQ(FindStrPos("bc", "abc", position), 2);
  EXPECT_EQ(CharIndex('b', "abcb"), 2);
  EXPECT_EQ(PosInUpperCase("BC", "abc"), 2);
  EXPECT_EQ(PosInUpperCase("bc", "abc"), 0) << "the needle is not upper-cased";
  EXPECT_EQ(CountChar('a', "banana"), 3);
}

TEST(TextRewrites, LineBreaksFillsAndOemText) {
  EXPECT_EQ(UnescapeNewLines("a\\nb\\n"), "a\rb\r");
  EXPECT_EQ(RemoveCR("a\r\nb\r"), "a\nb");
  std::string text = "secret";
  FillWithChar(text, '*');
  EXPECT_EQ(text, "******");
  std::string thai = "\xC3\xCB\xD1\xCA";
  OemToAnsiText(thai);
  EXPECT_EQ(thai, "\xC3\xCB\xD1\xCA") << "OEM and ANSI are both code page 874";
}

TEST(URLs, AreSpottedAndLoseTheirProtocol) {
  EXPECT_TRUE(LooksLikeURL("http://x"));
  EXPECT_TRUE(LooksLikeURL("mailto:a@b"));
  EXPECT_FALSE(LooksLikeURL("www.x.com"));
  std::string url = "https://host/a://b";
  StripURLProtocol(url);
  EXPECT_EQ(url, "host/a://b");
  std::string mail = "mailto:a@b";
  StripURLProtocol(mail);
  EXPECT_EQ(mail, "a@b");
  std::string plain = "host";
  StripURLProtocol(plain);
  EXPECT_EQ(plain, "host");
}

TEST(CellAddress, ReadsRowThenColumn) {
  struct Case {
    const char* text;
    bool ok;
    Integer column;
    Integer row;
  };
  const Case cases[] = {
      {"R1C1", true, 1, 1},
      {"r12c3", true, 3, 12},
      {"R1C", false, 0, 0},     // too short
      {"R1X2", false, 0, 0},    // no C
      {"RxC2", false, 0, 0},
      {"R1C2x", false, 0, 0},
      {"C1R1", false, 0, 0},
  };
  for (const Case& c : cases) {
    TGridCoord cell{-1, -1};
    EXPECT_EQ(ParseCellAddress(c.text, cell), c.ok) << c.text;
    const TGridCoord expected = c.ok ? TGridCoord{c.column, c.row} : TGridCoord{-1, -1};
    EXPECT_EQ(cell, expected) << c.text;
  }
  EXPECT_TRUE(CellInGridRect(TGridRect{1, 2, 3, 4}, 3, 2));
  EXPECT_FALSE(CellInGridRect(TGridRect{1, 2, 3, 4}, 4, 2));
}

TEST(NameCaseText, CapitalisesNamesWithTheirExceptions) {
  struct Case {
    const char* text;
    const char* named;
  };
  const Case cases[] = {
      {"mcdonald", "McDonald"},
      {"john smith iii", "John Smith III"},
      {"henry viii", "Henry Viii"},        // only the last three characters are looked at
      {"henry ii", "Henry II"},
      {"mary o'BRIEN-SMITH", "Mary O'Brien-Smith"},
      {"ann mcbride mcleod", "Ann McBride Mcleod"},   // only the first " Mc"
      {"dr. a.b", "Dr. A.B"},
      {"\xC3\xCB", "\xC3\xCB"},             // Thai letters have no case
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NameCaseText(c.text), c.named) << c.text;
  EXPECT_EQ(LowerCaseChar('Q'), 'q');
  EXPECT_EQ(LowerCaseChar('\xC3'), '\xC3');
}

}  // namespace
