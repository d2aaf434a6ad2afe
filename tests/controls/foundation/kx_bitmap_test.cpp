// The control library's bitmaps: every pixel operation on a small bitmap with a key pixel and a
// key colour (weights, halves to even), BlendPixel, the eight turns and mirrors, key pixels and
// batched change reports.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_pixels.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/system_parameters.h"

namespace {

constexpr std::uint32_t kKey = 0x80123456;
// The key pixel; (3, 1, 44) opaque, whose grey is 6.5; red with alpha 0; (9, 3, 132) at alpha 128,
// whose grey is 19.5; lime at alpha 0x7F, a key colour.
const TRGBColors kPixels = {kKey, 0xFF03012C, 0x00FF0000, 0x80090384, 0x7F00FF00};

std::unique_ptr<TkxBitmap> SampleBitmap() {
  auto bitmap = std::make_unique<TkxBitmap>(5, 1);
  bitmap->SetKeyPixel(kKey);
  bitmap->AddKeyColor(clLime);
  bitmap->WritePixels(kPixels);
  return bitmap;
}

TEST(PixelOperations, EachOperationOnEveryKindOfPixel) {
  const int index = COLOR_BTNSHADOW;
  const COLORREF shadow = RGB(128, 128, 128);
  SetSysColors(1, &index, &shadow);
  const struct {
    TkxPixelOperation operation;
    TRGBColors expected;
  } kCases[] = {
      {TkxPixelOperation::Lighten, {kKey, 0xFF4F4D6B, 0x4DFF4D4D, 0xA6534FA9, 0x7F00FF00}},
      {TkxPixelOperation::Disable, {kKey, 0xFF797979, 0xB38E8E8E, 0xD97D7D7D, 0x7F00FF00}},
      {TkxPixelOperation::AverageGrey, {kKey, 0xFF101010, 0x00555555, 0x80303030, 0x7F00FF00}},
      {TkxPixelOperation::Opaque, {0xFF123456, 0xFF03012C, 0xFFFF0000, 0xFF090384, 0xFF00FF00}},
      {TkxPixelOperation::Mask, {0xFFFFFFFF, 0, 0, 0, 0xFFFFFFFF}},
      // 6.5 rounds to 6 and 19.5 to 20: halves go to the even neighbour.
      {TkxPixelOperation::Grey, {kKey, 0xFF060606, 0x004C4C4C, 0x80141414, 0x7F00FF00}},
      // Red weighs 0.0729 (255 gives 19) and blue 0.2125 ((9, 3, 132) gives 31).
      {TkxPixelOperation::WeightedGrey, {kKey, 0xFF0A0A0A, 0x00131313, 0x801F1F1F, 0x7F00FF00}},
      {TkxPixelOperation::SetAlpha, {kKey, 0xFF03012C, 0xFFFF0000, 0x80090384, 0x7F00FF00}},
      {TkxPixelOperation::Fill, {kKey, kKey, kKey, kKey, kKey}},
  };
  for (const auto& c : kCases) {
    const std::unique_ptr<TkxBitmap> bitmap = SampleBitmap();
    bitmap->ApplyPixelOperation(c.operation);
    const TRGBColors pixels = bitmap->ReadPixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
      EXPECT_EQ(pixels[i], c.expected[i]) << "operation " << int(c.operation) << " pixel " << i << std::hex
                                          << " got " << pixels[i];
  }
  gdi::ResetSysColors();
}

TEST(BlendPixel, ConstantAlphaScalesTheSourcesOwn) {
  const struct {
    std::uint32_t source, destination;
    Byte alpha;
    std::uint32_t expected;
  } kCases[] = {
      {0xFF0000FF, 0xFF00FF00, 255, 0xFF0000FF},   // opaque source replaces
      {0xFF0000FF, 0xFF00FF00, 0, 0xFF00FF00},     // constant alpha 0 keeps the destination
      {0x000000FF, 0xFF00FF00, 255, 0xFF00FFFF},   // alpha 0 adds (the source counts as premultiplied)
      {0xFF808080, 0xFF000000, 128, 0xFF404040},
      {0xFFFFFFFF, 0xFFFFFFFF, 255, 0xFFFFFFFF},   // capped at 255
      {0xFF808080, 0x00000000, 64, 0x40202020},
  };
  for (const auto& c : kCases) {
    std::uint32_t destination = c.destination;
    BlendPixel(c.source, destination, c.alpha);
    EXPECT_EQ(destination, c.expected) << std::hex << c.source << " over " << c.destination << " at " << int(c.alpha);
  }
  EXPECT_EQ(RoundChannel(6.5), 6);
  EXPECT_EQ(RoundChannel(7.5), 8);
  EXPECT_EQ(RoundChannel(254.6), 255);
  EXPECT_EQ(RoundChannel(300), 255);
}

// 1 2 3 / 4 5 6 as pixel values.
TRGBColors Rotated(Integer Turn, bool Mirror, Integer& Width, Integer& Height) {
  TkxBitmap bitmap(3, 2);
  bitmap.WritePixels({4, 5, 6, 1, 2, 3});   // bottom-up rows
  bitmap.RotateFlip(Turn, Mirror);
  Width = bitmap.Width();
  Height = bitmap.Height();
  return ReadBitmapPixels(&bitmap, true);
}

TEST(RotateFlip, AllEightTurnsAndMirrors) {
  const struct {
    Integer turn;
    bool mirror;
    Integer width, height;
    TRGBColors expected;   // top-down
  } kCases[] = {
      {0, false, 3, 2, {1, 2, 3, 4, 5, 6}}, {0, true, 3, 2, {4, 5, 6, 1, 2, 3}},
      {1, false, 2, 3, {3, 6, 2, 5, 1, 4}}, {1, true, 2, 3, {1, 4, 2, 5, 3, 6}},
      {2, false, 2, 3, {4, 1, 5, 2, 6, 3}}, {2, true, 2, 3, {6, 3, 5, 2, 4, 1}},
      {3, false, 3, 2, {6, 5, 4, 3, 2, 1}}, {3, true, 3, 2, {3, 2, 1, 6, 5, 4}},
  };
  for (const auto& c : kCases) {
    Integer width = 0, height = 0;
    EXPECT_EQ(Rotated(c.turn, c.mirror, width, height), c.expected) << c.turn << " " << c.mirror;
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
  }
}

TEST(TkxBitmap, ClearingFollowsTheKeyPixelsAlpha) {
  const std::unique_ptr<TkxBitmap> white = TkxBitmap::CreateWithKey(2, 2, 0xFFFFFFFF);
  EXPECT_EQ(white->ReadPixels(), TRGBColors(4, 0xFFFFFFFF));
  const std::unique_ptr<TkxBitmap> black = TkxBitmap::CreateWithKey(2, 2, 0x00123456);
  EXPECT_EQ(black->ReadPixels(), TRGBColors(4, 0));
  EXPECT_FALSE(black->HasAlphaChannel());
  white->SetSize(3, 1);   // a new size is cleared too
  EXPECT_EQ(white->ReadPixels(), TRGBColors(3, 0xFFFFFFFF));
  EXPECT_EQ(white->PixelFormat(), pf32bit);
}

TEST(TkxBitmap, AKeyColourMakesThoseColoursTransparentAndTheRestOpaque) {
  TkxBitmap bitmap(3, 1);
  bitmap.WritePixels({0x00FF00FF, 0x00112233, 0x80445566});
  bitmap.SetKeyColor(clFuchsia);
  EXPECT_EQ(bitmap.KeyPixel(), 0x00FF00FFu);
  EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{0x00FF00FF, 0xFF112233, 0x80445566}));
  EXPECT_TRUE(bitmap.IsKeyPixel(0x7FFF00FF));   // by colour, whatever its alpha
  EXPECT_FALSE(bitmap.IsKeyPixel(0x00FF00FE));
  bitmap.ApplyPixelOperation(TkxPixelOperation::Mask);
  EXPECT_EQ(bitmap.ReadPixels(), (TRGBColors{0xFFFFFFFF, 0, 0}));
}

TEST(TkxCustomBitmap, ChangesWhileLockedAreReportedOnceWhenUnlocked) {
  TkxCustomBitmap bitmap(4, 4, pf24bit);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap.GetImageRect(), (TRect{0, 0, 4, 4}));
  int changes = 0;
  bitmap.OnChange = [&changes](TObject*) { ++changes; };
  bitmap.LockChanges();
  bitmap.SetSize(8, 8);
  bitmap.Canvas()->FillRect({0, 0, 2, 2});
  EXPECT_EQ(changes, 0);
  bitmap.UnlockChanges();
  EXPECT_EQ(changes, 1);
  bitmap.LockChanges();
  bitmap.UnlockChanges();
  EXPECT_EQ(changes, 1);
  bitmap.LockChanges();
  bitmap.UnlockChanges(true);
  EXPECT_EQ(changes, 2);
  bitmap.UnlockChanges();   // never below 0
  EXPECT_FALSE(bitmap.IsLocked());
  bitmap.SetWidth(9);   // Width goes through SetSize: one report
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(TkxCustomBitmap::CreateFromRect({5, 5, 8, 10})->GetImageRect(), (TRect{0, 0, 3, 5}));
}

}  // namespace
