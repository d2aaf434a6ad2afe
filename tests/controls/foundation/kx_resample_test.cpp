// Resampling: the Lanczos-3 weights, the contributor tables when enlarging tenfold and shrinking
// tenfold, positions mirrored back into small sources (which once read outside the pixels), and
// halftone stretching when not forced.
#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_resample.h"
#include "foundation_test_support.h"

namespace {

Integer WeightSum(const TContributors& contributors) {
  return std::accumulate(contributors.begin(), contributors.end(), 0,
                         [](Integer sum, const TContributor& c) { return sum + c.Weight; });
}

TEST(Lanczos3Weight, SincOfXTimesSincOfAThird) {
  EXPECT_EQ(SincValue(0.0f), 1.0f);
  EXPECT_EQ(Lanczos3Weight(0.0f), 1.0f);
  EXPECT_NEAR(Lanczos3Weight(0.5f), 0.636620 * 0.954930, 1e-6);
  EXPECT_NEAR(Lanczos3Weight(-0.5f), Lanczos3Weight(0.5f), 0.0f);
  EXPECT_NEAR(Lanczos3Weight(1.0f), 0.0f, 1e-6);
  EXPECT_EQ(Lanczos3Weight(3.0f), 0.0f);
  EXPECT_EQ(Lanczos3Weight(-7.5f), 0.0f);
}

TEST(MirroredSourcePosition, MirrorsUntilThePositionIsInside) {
  const struct {
    Integer position, size, expected;
  } kCases[] = {{-2, 10, 2}, {11, 10, 8}, {-1, 10, 1}, {10, 10, 9}, {0, 10, 0},  {9, 10, 9},
                {-25, 10, 6}, {35, 10, 3}, {-3, 1, 0}, {2, 1, 0},  {-30, 1, 0}, {29, 2, 1}};
  for (const auto& c : kCases)
    EXPECT_EQ(MirroredSourcePosition(c.position, c.size), c.expected) << c.position << " of " << c.size;
}

TEST(BuildContributors, TenfoldEnlargingOfOnePixelReadsOnlyThatPixel) {
  const TContributorList list = BuildContributors(1, 10, 10.0);
  ASSERT_EQ(list.size(), 10u);
  ASSERT_EQ(list[0].size(), 1u);   // the centre sits on the pixel: the other integers weigh 0
  EXPECT_EQ(list[0][0].Pixel, 0);
  EXPECT_EQ(list[0][0].Weight, 256);
  // Centre 0.5: the six neighbours 2.5, 1.5 and 0.5 away weigh 6, -35 and 156 each side (254),
  // and the two missing go to one of the largest.
  ASSERT_EQ(list[5].size(), 6u);
  std::vector<Integer> weights;
  for (const TContributor& c : list[5]) {
    EXPECT_EQ(c.Pixel, 0);
    weights.push_back(c.Weight);
  }
  EXPECT_EQ(weights, (std::vector<Integer>{6, -35, 158, 156, -35, 6}));
  for (const TContributors& contributors : list) EXPECT_EQ(WeightSum(contributors), 256);
}

TEST(BuildContributors, TenfoldShrinkingReachesThirtyPixelsEachWayAndMirrorsThemAllInside) {
  const TContributorList list = BuildContributors(10, 1, 0.1);
  ASSERT_EQ(list.size(), 1u);
  const TContributors& contributors = list[0];
  ASSERT_EQ(contributors.size(), 45u);   // 59 positions, less the zero crossings and the faint tails
  for (const TContributor& c : contributors) {
    EXPECT_GE(c.Pixel, 0);
    EXPECT_LT(c.Pixel, 10);
    EXPECT_NE(c.Weight, 0);
  }
  EXPECT_EQ(contributors[22].Pixel, 0);    // the centre: 256 / 10, rounded
  EXPECT_EQ(contributors[22].Weight, 26);
  EXPECT_EQ(contributors[21].Pixel, 1);    // -1 mirrors to 1
  EXPECT_EQ(contributors[21].Weight, contributors[23].Weight);
  EXPECT_EQ(WeightSum(contributors), 256);
}

TEST(BuildContributors, EveryTargetPixelsWeightsSumTo256) {
  const struct {
    Integer source, target;
  } kCases[] = {{3, 7}, {7, 3}, {16, 32}, {32, 16}, {10, 10}, {2000, 1}};
  for (const auto& c : kCases) {
    const double scale = c.source == 1 || c.target == 1 ? double(c.target) / c.source
                                                        : double(c.target - 1) / (c.source - 1);
    for (const TContributors& contributors : BuildContributors(c.source, c.target, scale)) {
      EXPECT_EQ(WeightSum(contributors), 256) << c.source << " to " << c.target;
      for (const TContributor& k : contributors) EXPECT_LT(k.Pixel, c.source);
    }
  }
}

TEST(ResampleBitmap, OnePixelBecomesTenEqualPixelsAndTenBecomeOne) {
  foundationtest::ScopedUnits units({kxControlsUnit});
  TkxBitmap one(1, 1), ten(10, 1), back(1, 1);
  one.WritePixels({0xFF6496C8});
  ResampleBitmap(&one, &ten, true);
  EXPECT_EQ(ten.ReadPixels(), TRGBColors(10, 0xFF6496C8));
  TkxBitmap tall(1, 10);
  ResampleBitmap(&one, &tall, true);
  EXPECT_EQ(tall.ReadPixels(), TRGBColors(10, 0xFF6496C8));

  ten.WritePixels({0xFF000000, 0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040, 0xFF505050, 0xFF606060, 0xFF707070,
                   0xFF808080, 0xFF909090});
  ResampleBitmap(&ten, &back, true);
  const std::uint32_t pixel = back.ReadPixels()[0];
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);   // grey stays grey
  EXPECT_LT(pixel & 0xFF, 0x48u);   // centred on the first pixel, the dark end weighs most
}

TEST(ResampleBitmap, UnforcedOnThisPlatformItIsTheHalftoneStretch) {
  foundationtest::ScopedUnits units({kxControlsUnit});
  TkxBitmap source(2, 1), halftone(1, 1), lanczos(1, 1);
  source.WritePixels({0xFF000000, 0xFFC8C8C8});
  ResampleBitmap(&source, &halftone, false);
  EXPECT_EQ(halftone.ReadPixels()[0] & 0xFFFFFF, 0x646464u);   // the average of the two
  ResampleBitmap(&source, &lanczos, true);
  EXPECT_NE(lanczos.ReadPixels()[0] & 0xFFFFFF, 0x646464u);
  TkxBitmap empty;
  ResampleBitmap(&empty, &halftone, true);   // nothing to read: nothing happens
  EXPECT_EQ(halftone.ReadPixels()[0] & 0xFFFFFF, 0x646464u);
}

}  // namespace
