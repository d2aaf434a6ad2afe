// Clamping with bounds of 0 as no bound, the larger and smaller of two integers, halved colours.
#include "grid/grid_values.h"

#include <gtest/gtest.h>

namespace {

TEST(ClampValue, BoundsOfZeroOrLessAreNoBounds) {
  struct Case {
    Integer value, minimum, maximum, expected;
  };
  const Case cases[] = {
      {5, 10, 0, 10}, {5, 0, 3, 3}, {5, 7, 7, 5}, {5, 1, 9, 5}, {-5, 0, 9, -5},
      {-5, -3, 9, -5}, {50, 1, -9, 50}, {50, 60, 40, 40},   // raised to 60, then lowered to 40
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClampValue(c.value, c.minimum, c.maximum), c.expected) << c.value << " " << c.minimum << " " << c.maximum;
  EXPECT_EQ(GreaterOf(-2, -7), -2);
  EXPECT_EQ(LesserOf(-2, -7), -7);
}

TEST(HalveColor, HalvesEachChannelOfTheDrawnColour) {
  EXPECT_EQ(HalveColor(0x00FF7F01), 0x007F3F00);
  const COLORREF face = ColorToRGB(clBtnFace);
  EXPECT_EQ(HalveColor(clBtnFace), static_cast<TColor>(RGB(GetRValue(face) / 2, GetGValue(face) / 2,
                                                            GetBValue(face) / 2)));
}

}  // namespace
