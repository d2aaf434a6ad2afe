// Colour values of the markup language: names in any case, "#RRGGBB" with red in the low byte,
// black for what cannot be read, and BODY's own rule.
#include "grid/markup_colors.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkupColors, NamesAndHexadecimalValues) {
  struct Case {
    const char* value;
    TColor color;
  };
  const Case cases[] = {
      {"CLRED", 0x000000FF},         {"clred", 0x000000FF},         {"clBlue", 0x00FF0000},
      {"cl3ddkshadow", static_cast<TColor>(0xFF000015)},            {"clInfoBk", static_cast<TColor>(0xFF000018)},
      {"clBackground", static_cast<TColor>(0xFF000001)},            {"clMaroon", 0x00000080},
      {"#ff0000", 0x000000FF},       {"#0000FF", 0x00FF0000},       {"#123456", 0x00563412},
      {"#12G456", 0},                {"#12345", 0},                 {"#", 0},
      {"clNoSuchColour", 0},         {"red", 0},                    {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkupColor(c.value), c.color) << c.value;
  EXPECT_EQ(MarkupColorFromName("CLWHITE"), 0x00FFFFFF);
}

TEST(MarkupColors, BodyBackgroundTakesHexFromTheHashOrANameWithCL) {
  EXPECT_EQ(BodyBackgroundColor("#00FF00"), 0x0000FF00);
  EXPECT_EQ(BodyBackgroundColor("X#0000FF"), 0x00FF0000);
  EXPECT_EQ(BodyBackgroundColor("CLYELLOW"), 0x0000FFFF);
  EXPECT_EQ(BodyBackgroundColor("CLNOSUCH"), 0);
  EXPECT_EQ(BodyBackgroundColor("YELLOW"), std::nullopt);
}

}  // namespace
