// Parsing date and time formats into items, and finding the item under a position of an edited
// value.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_format_info.h"
#include "platform/core/format_settings.h"
#include "platform/os/locale.h"

namespace {

// "kind:text" per item, blank-separated; "" for an empty info.
std::string Describe(const TkxDateTimeFormatInfo& Info) {
  std::string text;
  for (const auto& item : Info.ItemList) {
    if (!text.empty()) text += ' ';
    text += std::to_string(item.Kind) + ":" + item.Text;
  }
  return text;
}

TEST(FormatInfo, FormatsParseIntoItems) {
  ScopedLocale locale("en-US");   // short date M/d/yyyy, long time h:mm:ss AMPM
  FormatSettings.LongDateFormat = "dddd, MMMM d, yyyy";
  const struct {
    const char* format;
    const char* items;
  } cases[] = {
      {"d/M/yyyy", "3:D 9: 2:M 9: 1:YYYY"},
      {"dd-MMM-yy", "3:DD 0:- 2:MMM 0:- 1:YY"},
      {"eeee MMMMM", "1:YYYY 0:  2:MMMM"},                  // "e" is a year, months stop at four
      {"h:mm:ss AMPM", "4:12H 10: 5:NN 10: 6:SS 0:  8:AMPM"},
      {"HH:mm", "4:24HH 10: 5:NN"},                        // no designator: a 24-hour clock
      {"H 'h' mm", "4:24H 0: h  5:NN"},                    // "M" after "H", quotes between
      {"hh a/p", "4:12HH 0:  8:a/p"},
      {"hh am/PM", "4:12HH 0:  8:am/PM"},
      {"mm:ss am/pm", "2:MM 10: 6:SS 0: "},                // no hour: month, designator dropped
      {"AAA d, AAAA", "3:DDD 0: , "},                      // days after the first are ignored
      {"A", "0:A"},
      {"s.zzzz", "6:S 0:. 7:ZZZ"},
      {"\"at\" 'noon", "0:at noon"},                       // literals joined, an open quote to the end
      {"ddddd", "2:M 9: 3:D 9: 1:YYYY"},
      {"dddddd", "3:DDDD 0:,  2:MMMM 0: ,  1:YYYY"},
      {"t", "4:12H 10: 5:NN 0:  8:AMPM"},
      {"tt", "4:12H 10: 5:NN 10: 6:SS 0:  8:AMPM"},
      {"", "2:M 9: 3:D 9: 1:YYYY 0:  4:12H 10: 5:NN 10: 6:SS 0:  8:AMPM"},   // read as "C"
      {"d/M/yyyy g", ""},                                  // an era anywhere empties everything
      {"gg", ""},
      {"C g", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    TkxDateTimeFormatInfo info;
    info.ItemList.push_back({fikLiteral, "stale"});
    BuildFormatInfo(c.format, info);
    EXPECT_EQ(Describe(info), c.items);
    for (int kind = 0; kind < kxFormatItemKindCount; ++kind) {
      bool listed = false;
      for (const auto& item : info.ItemList) listed = listed || item.Kind == kind;
      EXPECT_EQ(info.KindPresent[kind], listed) << kind;
    }
  }
}

TEST(FormatInfo, NamedFormatsInsideTheShortDateExpandAtMostTwice) {
  ScopedLocale locale("th-TH");   // long time H:mm:ss
  const struct {
    const char* shortDate;
    const char* items;
  } cases[] = {
      {"C", "0:   4:24H 10: 5:NN 10: 6:SS"},   // the inner "C" adds its blank, its formats are too deep
      {"ddddd", ""},                          // the inner "ddddd" is too deep: nothing, and no failure
      {"c", "0:   4:24H 10: 5:NN 10: 6:SS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shortDate);
    FormatSettings.ShortDateFormat = c.shortDate;
    TkxDateTimeFormatInfo info;
    BuildFormatInfo(FormatSettings.ShortDateFormat, info);
    EXPECT_EQ(Describe(info), c.items);
  }
}

TEST(FormatInfo, ItemsAreFoundAtTheirPositions) {
  ScopedLocale locale("en-US");
  TkxDateTimeFormatInfo info;
  BuildFormatInfo("M/d/yyyy h:mm:ss AMPM", info);   // 2+1+2+1+4 +1+ 2+1+2+1+2 +1+ 2
  EXPECT_EQ(GetFormatLength(info), 22);
  const struct {
    Integer position;
    bool found;
    Byte kind;
    Integer start, length;
  } cases[] = {
      {0, false, 0, 0, 0},   {1, true, fikMonth, 1, 2},  {2, true, fikMonth, 1, 2},
      {3, true, fikDateSeparator, 3, 1},                 {4, true, fikDay, 4, 2},
      {7, true, fikYear, 7, 4}, {10, true, fikYear, 7, 4}, {11, true, fikLiteral, 11, 1},
      {21, true, fikAmPm, 21, 2}, {22, true, fikAmPm, 21, 2}, {23, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    Byte kind = 99, style = 99;
    Integer start = -1, length = -1;
    ASSERT_EQ(FindFormatItemAt(info, c.position, kind, start, length, style), c.found);
    if (!c.found) continue;
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(length, c.length);
  }
}

TEST(FormatInfo, DesignatorsTakeTheirStyleAndLength) {
  ScopedLocale locale("en-US");
  FormatSettings.TimeAMString = "vorm.";
  const struct {
    const char* format;
    Byte style;
    Integer length;
  } cases[] = {{"h a/p", 0, 1}, {"h A/P", 0, 1}, {"h am/pm", 1, 2}, {"h ampm", 2, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    TkxDateTimeFormatInfo info;
    BuildFormatInfo(c.format, info);
    Byte kind = 0, style = 99;
    Integer start = 0, length = 0;
    ASSERT_TRUE(FindFormatItemAt(info, 4, kind, start, length, style));
    EXPECT_EQ(kind, fikAmPm);
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(length, c.length);
    EXPECT_EQ(GetFormatLength(info), 3 + c.length);
  }
}

}  // namespace
