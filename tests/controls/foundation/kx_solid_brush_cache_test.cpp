// The shared solid brushes: system colours from the system, others from a bounded cache that
// evicts its least-used entry and empties on a system colour change.
#include <gtest/gtest.h>

#include <vector>

#include "controls/foundation/kx_solid_brush_cache.h"
#include "foundation_test_support.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/system_parameters.h"

namespace {

bool IsLiveBrush(HBRUSH brush) { return GetObjectA(brush, 0, nullptr) != 0; }

TEST(KxSolidBrushCache, SystemColoursAnswerTheSystemsBrushes) {
  foundationtest::ScopedUnits units({kxEditPaintUtilsUnit});
  EXPECT_EQ(GetCachedSolidBrush(clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(GetCachedSolidBrush(SysColor(30)), GetSysColorBrush(30));
  EXPECT_EQ(GetCachedSolidBrushForCanvas(nullptr, SysColor(0)), GetSysColorBrush(0));
  const HBRUSH beyond = GetCachedSolidBrush(TColor(0xFF00001F));   // not a table entry: cached
  EXPECT_NE(beyond, nullptr);
  EXPECT_EQ(GetCachedSolidBrushForkxCanvas(nullptr, TColor(0xFF00001F)), beyond);
}

TEST(KxSolidBrushCache, TwoAsksGiveOneHandle) {
  TkxSolidBrushCache cache(128);
  const HBRUSH first = cache.GetBrush(clRed);
  EXPECT_EQ(cache.GetBrush(clRed), first);
  EXPECT_NE(cache.GetBrush(clBlue), first);
  EXPECT_EQ(cache.Depth(), 2);
  Integer position = -1;
  EXPECT_TRUE(cache.FindColor(clRed, position));
  EXPECT_EQ(position, 0);   // sorted: red (0x0000FF) before blue (0xFF0000)
  EXPECT_FALSE(cache.FindColor(clLime, position));
  EXPECT_EQ(position, 1);
}

TEST(KxSolidBrushCache, The129thColourEvictsTheLowestCountAtTheLowestPosition) {
  TkxSolidBrushCache cache(128);
  std::vector<HBRUSH> brushes;
  for (TColor color = 1; color <= 128; ++color) brushes.push_back(cache.GetBrush(color));
  cache.GetBrush(1);   // count 1
  cache.GetBrush(2);   // count 1
  const HBRUSH newest = cache.GetBrush(1000);
  EXPECT_EQ(cache.Depth(), 128);
  Integer position;
  EXPECT_TRUE(cache.FindColor(1, position));
  EXPECT_TRUE(cache.FindColor(2, position));
  EXPECT_FALSE(cache.FindColor(3, position));   // the first never reused
  EXPECT_TRUE(cache.FindColor(4, position));
  EXPECT_TRUE(cache.FindColor(1000, position));
  EXPECT_EQ(position, 127);
  EXPECT_EQ(cache.GetBrush(1000), newest);
  EXPECT_EQ(cache.GetBrush(128), brushes[127]);
  // An evicted colour comes back as a new brush, pushing out the next least-used one (4: 128 and
  // 1000 were just asked for again).
  cache.GetBrush(3);
  EXPECT_FALSE(cache.FindColor(4, position));
  EXPECT_TRUE(cache.FindColor(3, position));
  EXPECT_EQ(position, 2);
}

TEST(KxSolidBrushCache, ASystemColourChangeDeletesTheCachedBrushes) {
  TkxSolidBrushCache cache(8);
  const HBRUSH red = cache.GetBrush(clRed), blue = cache.GetBrush(clBlue);
  const int index = COLOR_WINDOW;
  const COLORREF color = RGB(1, 2, 3);
  SetSysColors(1, &index, &color);
  EXPECT_EQ(cache.Depth(), 0);
  EXPECT_FALSE(IsLiveBrush(red));
  EXPECT_FALSE(IsLiveBrush(blue));
  EXPECT_NE(cache.GetBrush(clRed), nullptr);
  EXPECT_EQ(cache.Depth(), 1);
  gdi::ResetSysColors();
}

}  // namespace
