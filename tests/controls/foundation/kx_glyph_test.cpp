// The glyph renderer on a headless surface, with the image blending library's AlphaBlend and
// without it (the same drawings through BlendPixel): key colours, the faded, shadowed and disabled
// looks, glyph masks, and the 32-bit image list that draws through the renderer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "controls/foundation/kx_alpha_blend.h"
#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_glyph.h"
#include "controls/foundation/kx_graphics_unit.h"
#include "controls/foundation/kx_image_list.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/gdi/sys_colors.h"
#include "platform/shims/image_blending.h"
#include "platform/ui/image_list.h"
#include "platform/user/system_parameters.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

constexpr COLORREF kBack = RGB(40, 80, 120), kMagenta = RGB(255, 0, 255), kShadow = RGB(60, 60, 60),
                   kHighlight = RGB(250, 250, 200);

// The drawing unit started with AlphaBlend bound, or with the image blending library absent.
class GlyphTest : public ::testing::TestWithParam<bool> {
 protected:
  GlyphTest() : absent_("msimg32", RegisteredLibraryImage("MSIMG32.DLL")) {
    absent_.present = GetParam();
    scoped_.emplace("MSIMG32.DLL", &absent_);
    units_.emplace(std::initializer_list<Unit>{kxControlsUnit, kxGraphicsUnit});
    const int indexes[] = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    const COLORREF colors[] = {kShadow, kHighlight};
    SetSysColors(2, indexes, colors);
  }
  ~GlyphTest() override {
    units_.reset();
    scoped_.reset();
    gdi::ResetSysColors();
  }
  bool Bound() const { return GetParam(); }

  fakes::TLoggingLibraryImage absent_;
  std::optional<fakes::ScopedLibraryImage> scoped_;
  std::optional<foundationtest::ScopedUnits> units_;
  TestCanvas surface_{40, 40, kBack};
};

// 16 x 16 of one colour, 24 bits, with an optional magenta border column on the right and the
// bottom row (so the bottom-left pixel, the automatic transparent colour, is magenta).
std::unique_ptr<TBitmap> SolidGlyph(TColor color, bool magentaEdges) {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(pf24bit);
  glyph->SetSize(16, 16);
  glyph->Canvas()->Brush()->SetColor(color);
  glyph->Canvas()->FillRect({0, 0, 16, 16});
  if (magentaEdges) {
    glyph->Canvas()->Brush()->SetColor(clFuchsia);
    glyph->Canvas()->FillRect({12, 0, 16, 16});
    glyph->Canvas()->FillRect({0, 12, 16, 16});
  }
  return glyph;
}

void DrawAt(HDC dc, TBitmap* glyph, TGlyphDrawMode mode, bool useTransparentColor = true) {
  DrawGlyph(dc, {10, 10, 26, 26}, {0, 0, 40, 40}, glyph, nullptr, -1, mode, false, nullptr, clNone,
            useTransparentColor);
}

TEST_P(GlyphTest, MagentaKeyPixelsShowTheBackground) {
  EXPECT_EQ(IsAlphaBlendBound(), Bound());
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, true);
  DrawAt(surface_.dc(), glyph.get(), gdmNormal);
  EXPECT_EQ(surface_.At(10, 10), kRed);
  EXPECT_EQ(surface_.At(21, 21), kRed);
  EXPECT_EQ(surface_.At(22, 10), kBack);   // magenta in the glyph
  EXPECT_EQ(surface_.At(10, 25), kBack);
  EXPECT_EQ(surface_.At(9, 9), kBack);
  EXPECT_EQ(surface_.Count(kMagenta), 0);
  EXPECT_EQ(surface_.Count(kRed), 144);
}

TEST_P(GlyphTest, FadedIsTheGreyGlyphAtAlpha64) {
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(TColor(RGB(128, 128, 128)), false);
  DrawAt(surface_.dc(), glyph.get(), gdmFaded, false);
  // 64 / 255 of 128 plus 191 / 255 of the background, channel by channel.
  EXPECT_EQ(surface_.At(15, 15), RGB(62, 92, 122));
  EXPECT_EQ(surface_.At(5, 5), kBack);
}

TEST_P(GlyphTest, ShadowedCoversTheGlyphRectangleGrownByOne) {
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, false);
  DrawAt(surface_.dc(), glyph.get(), gdmShadowed, false);
  EXPECT_EQ(surface_.At(9, 9), kRed);      // the glyph one pixel left of and above its place
  EXPECT_EQ(surface_.At(24, 24), kRed);
  EXPECT_EQ(surface_.At(25, 25), kShadow);   // the silhouette two pixels further on
  EXPECT_EQ(surface_.At(26, 26), kShadow);
  EXPECT_EQ(surface_.At(25, 11), kShadow);
  EXPECT_EQ(surface_.At(11, 26), kShadow);
  EXPECT_EQ(surface_.At(26, 10), kBack);
  EXPECT_EQ(surface_.At(10, 26), kBack);
  EXPECT_EQ(surface_.At(8, 8), kBack);
  EXPECT_EQ(surface_.At(27, 27), kBack);
  EXPECT_EQ(surface_.Count(kRed), 16 * 16);
  EXPECT_EQ(surface_.Count(kShadow), 2 * 16 + 2 * 14);
}

TEST_P(GlyphTest, DisabledWithoutAlphaIsGreyWithAHighlightSilhouette) {
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, true);
  DrawAt(surface_.dc(), glyph.get(), gdmDisabled);
  // Red's grey (76) with the shadow colour blended over it at 0xC0 of 238.
  const BYTE grey = BYTE(std::nearbyint(238.0 / 255 * 60 + 76 * (1 - 238.0 / 255 * 192 / 255)));
  EXPECT_EQ(surface_.At(10, 10), RGB(grey, grey, grey));
  EXPECT_EQ(surface_.At(21, 21), RGB(grey, grey, grey));
  EXPECT_EQ(surface_.At(22, 11), kHighlight);   // one pixel right of and below the glyph's shape
  EXPECT_EQ(surface_.At(11, 22), kHighlight);
  EXPECT_EQ(surface_.At(22, 22), kHighlight);
  EXPECT_EQ(surface_.At(22, 10), kBack);
  EXPECT_EQ(surface_.At(23, 23), kBack);
}

TEST_P(GlyphTest, DisabledWithAlphaIsTheWeightedGreyAt151) {
  TBitmap glyph;
  glyph.SetPixelFormat(pf32bit);
  glyph.SetSize(16, 16);
  TRGBColors pixels(256, 0);   // transparent
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) pixels[std::size_t(y * 16 + x)] = 0xFFC86432;   // (200, 100, 50) opaque
  WriteBitmapPixels(&glyph, pixels, true);
  DrawAt(surface_.dc(), &glyph, gdmDisabled);
  // Weighted grey 97 at 151 / 255 over the background: the blend formulas round apart by one.
  const auto near = [](COLORREF got, int r, int g, int b) {
    return std::abs(GetRValue(got) - r) <= 1 && std::abs(GetGValue(got) - g) <= 1 && std::abs(GetBValue(got) - b) <= 1;
  };
  EXPECT_TRUE(near(surface_.At(15, 15), 74, 90, 106)) << std::hex << surface_.At(15, 15);
  EXPECT_EQ(surface_.At(12, 12), kBack);
  EXPECT_EQ(surface_.At(22, 22), kBack);   // no silhouette with alpha
}

TEST_P(GlyphTest, ABackgroundBrushReplacesWhatTheContextShows) {
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, true);
  const HBRUSH brush = CreateSolidBrush(kGreen);
  DrawGlyph(surface_.dc(), {10, 10, 26, 26}, {5, 5, 30, 30}, glyph.get(), nullptr, -1, gdmNormal, false, brush, clNone,
            true);
  DeleteObject(brush);
  EXPECT_EQ(surface_.At(5, 5), kGreen);
  EXPECT_EQ(surface_.At(22, 22), kGreen);
  EXPECT_EQ(surface_.At(4, 4), kBack);
  EXPECT_EQ(surface_.At(15, 15), kRed);
}

TEST_P(GlyphTest, AnImageListDrawsItsImagesThroughTheRenderer) {
  TkxImageList images(nullptr);
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, false);
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(16, 16);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect({0, 0, 16, 16});
  mask.Canvas()->Brush()->SetColor(clWhite);   // white: transparent
  mask.Canvas()->FillRect({12, 0, 16, 16});
  EXPECT_EQ(images.AddImage(glyph.get(), &mask), 0);
  EXPECT_EQ(TkxImageList::GetImageBitsPerPixel(images.Handle()), 32);
  TCanvas canvas;
  canvas.SetHandle(surface_.dc());
  images.Draw(&canvas, 10, 10, 0, true);
  EXPECT_EQ(surface_.At(10, 10), kRed);
  EXPECT_EQ(surface_.At(22, 10), kBack);
  images.Draw(&canvas, 10, 10, 0, false);
  EXPECT_EQ(surface_.At(22, 11), kHighlight);
  images.Draw(&canvas, 10, 10, 5, true);   // no such image: nothing
  canvas.SetHandle(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AlphaBlend, GlyphTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Bound" : "Absent"; });

TEST(MakeGlyphMask, WhiteWhereTheGlyphShowsItsTransparentColour) {
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, true);
  TBitmap mask;
  mask.SetPixelFormat(pf24bit);
  mask.SetSize(16, 16);
  MakeGlyphMask(glyph.get(), &mask);
  EXPECT_EQ(mask.Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(mask.Canvas()->Pixels(13, 0), clWhite);
  EXPECT_EQ(mask.Canvas()->Pixels(0, 15), clWhite);
}

// A platform image list of three 4 x 4 images in red, green and blue.
std::unique_ptr<TImageList> ThreeImages() {
  auto list = std::make_unique<TImageList>(nullptr);
  list->SetSize(4, 4);
  for (TColor color : {clRed, clLime, clBlue}) {
    TBitmap image;
    image.SetSize(4, 4);
    image.Canvas()->Brush()->SetColor(color);
    image.Canvas()->FillRect({0, 0, 4, 4});
    list->Add(&image, nullptr);
  }
  return list;
}

TEST(TkxImageList, CopyImagesTakesTheRangeThatExistsAndReportsOnce) {
  foundationtest::ScopedUnits units({kxControlsUnit, kxGraphicsUnit});
  const std::unique_ptr<TImageList> source = ThreeImages();
  TkxImageList images(nullptr);
  images.SetSize(4, 4);
  int changes = 0;
  images.OnChange = [&changes](TObject*) { ++changes; };
  images.CopyImages(source.get(), 5, 2);
  EXPECT_EQ(images.Count(), 0);
  images.CopyImages(source.get(), -3, 100);
  EXPECT_EQ(images.Count(), 3);
  EXPECT_EQ(changes, 2);
  images.CopyImages(source.get(), 1, 1);
  EXPECT_EQ(images.Count(), 4);

  TestCanvas surface(8, 8);
  TCanvas canvas;
  canvas.SetHandle(surface.dc());
  images.Draw(&canvas, 0, 0, 3, true);   // the copy of the green one
  images.Draw(&canvas, 4, 4, 2, true);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(surface.At(1, 1), kGreen);
  EXPECT_EQ(surface.At(5, 5), kBlue);
}

TEST(TkxImageList, AssignTakesAnotherListsSizeAndImagesAndLockedChangesWait) {
  foundationtest::ScopedUnits units({kxControlsUnit, kxGraphicsUnit});
  const std::unique_ptr<TImageList> source = ThreeImages();
  TkxImageList images(nullptr);
  int changes = 0;
  images.OnChange = [&changes](TObject*) { ++changes; };
  images.Assign(source.get());
  EXPECT_EQ(images.Width(), 4);
  EXPECT_EQ(images.Count(), 3);
  EXPECT_EQ(changes, 1);
  TBitmap other;
  images.Assign(&other);   // not an image list: ignored
  EXPECT_EQ(images.Count(), 3);

  images.LockChanges();
  EXPECT_TRUE(images.IsLocked());
  const std::unique_ptr<TBitmap> glyph = SolidGlyph(clRed, false);
  glyph->SetSize(4, 4);
  EXPECT_TRUE(ReplaceImageListImage(&images, 0, glyph.get(), nullptr));
  EXPECT_FALSE(ReplaceImageListImage(&images, 9, glyph.get(), nullptr));
  EXPECT_EQ(changes, 1);
  images.UnlockChanges(false);
  EXPECT_EQ(changes, 1);
  images.UnlockChanges(true);
  EXPECT_EQ(changes, 2);
}

TEST(TkxImageList, GetImageInfoCopiesOneImageOrTheWholeStrip) {
  foundationtest::ScopedUnits units({kxControlsUnit, kxGraphicsUnit});
  const std::unique_ptr<TImageList> source = ThreeImages();
  TBitmap image, strip;
  TkxImageList::GetImageInfo(source->Handle(), 1, nullptr, &image);
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Canvas()->Pixels(2, 2), clLime);
  TkxImageList::GetImageInfo(source->Handle(), -1, nullptr, &strip);
  EXPECT_GE(strip.Width(), 12);
  EXPECT_EQ(strip.Canvas()->Pixels(9, 1), clBlue);
  TBitmap untouched;
  TkxImageList::GetImageInfo(source->Handle(), 7, nullptr, &untouched);
  EXPECT_TRUE(untouched.Empty());
  EXPECT_EQ(TkxImageList::GetImageBitsPerPixel(nullptr), 0);
}

}  // namespace
