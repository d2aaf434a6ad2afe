#include "platform/gdi/decoded_image_draw.h"

#include <gtest/gtest.h>

#include "tests/support/gdi/test_canvas.h"

namespace {

using namespace gdi;

DecodedImage Picture(int width, int height, std::vector<std::uint32_t> pixels) {
  DecodedImage image;
  image.width = width;
  image.height = height;
  image.pixels = std::move(pixels);
  return image;
}

// Red, transparent, half-transparent black, opaque blue.
const DecodedImage kMixed = Picture(2, 2, {0xFFFF0000, 0x00123456, 0x80000000, 0xFF0000FF});

TEST(DecodedImageDraw, NearestBlendsEachPixelByItsAlpha) {
  TestCanvas c(8, 8);
  ASSERT_TRUE(DrawDecodedImage(c.dc(), {1, 1, 3, 3}, kMixed, ImageScaling::Nearest));
  EXPECT_EQ(c.At(1, 1), 0x0000FFu);    // red as a COLORREF
  EXPECT_EQ(c.At(2, 1), 0xFFFFFFu);    // transparent: the white stays
  EXPECT_EQ(c.At(1, 2), 0x7F7F7Fu);    // half black over white
  EXPECT_EQ(c.At(2, 2), 0xFF0000u);
  EXPECT_EQ(c.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(c.At(3, 3), 0xFFFFFFu);

  c.Clear(0xFFFFFF);
  ASSERT_TRUE(DrawDecodedImage(c.dc(), {0, 0, 4, 4}, kMixed, ImageScaling::Nearest));
  EXPECT_EQ(c.At(1, 1), 0x0000FFu);   // each pixel doubled
  EXPECT_EQ(c.At(3, 0), 0xFFFFFFu);
  EXPECT_EQ(c.At(3, 3), 0xFF0000u);
}

TEST(DecodedImageDraw, SmoothStretchingBlendsNeighboursWithoutFadedEdges) {
  TestCanvas c(10, 3);
  const DecodedImage blackWhite = Picture(2, 1, {0xFF000000, 0xFFFFFFFF});
  c.Clear(0x0000FF);
  ASSERT_TRUE(DrawDecodedImage(c.dc(), {1, 1, 9, 2}, blackWhite, ImageScaling::Smooth));
  EXPECT_EQ(c.At(1, 1), 0x000000u);
  EXPECT_EQ(c.At(8, 1), 0xFFFFFFu);
  int greys = 0;
  for (int x = 2; x < 8; ++x) {
    const COLORREF p = c.At(x, 1);
    EXPECT_EQ(p & 0xFF, (p >> 8) & 0xFF) << x;   // a grey
    greys += p != 0 && p != 0xFFFFFF;
  }
  EXPECT_GE(greys, 2);
  EXPECT_EQ(c.At(0, 1), 0x0000FFu);   // outside the rectangle nothing changes
  EXPECT_EQ(c.At(9, 1), 0x0000FFu);
  EXPECT_EQ(c.At(4, 0), 0x0000FFu);
}

TEST(DecodedImageDraw, SmoothDrawsOnlyTheVisiblePartOfAHugeRectangle) {
  TestCanvas c(4, 4);
  const DecodedImage green = Picture(1, 1, {0xFF00FF00});
  ASSERT_TRUE(DrawDecodedImage(c.dc(), {-100000, -100000, 100000, 100000}, green, ImageScaling::Smooth));
  EXPECT_EQ(c.Count(0x00FF00), 16);
}

TEST(DecodedImageDraw, NothingForAnEmptyPictureOrRectangle) {
  TestCanvas c(4, 4);
  EXPECT_FALSE(DrawDecodedImage(c.dc(), {0, 0, 4, 4}, DecodedImage{}, ImageScaling::Nearest));
  EXPECT_FALSE(DrawDecodedImage(c.dc(), {2, 2, 2, 4}, kMixed, ImageScaling::Smooth));
  EXPECT_EQ(c.Count(0xFFFFFF), 16);
}

}  // namespace
