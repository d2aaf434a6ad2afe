// Icons: masks and colour images, monochrome icons, alpha, stretching and copies.
#include <gtest/gtest.h>

#include "platform/gdi/icon.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

// A 2 x 2 icon: mask 1 (transparent) at the top-left, colour red / green / blue elsewhere.
HICON MakeIcon(std::uint32_t alpha = 0) {
  const BYTE maskRows[4] = {0x80, 0, 0x00, 0};   // 1-bit rows padded to 2 bytes, top-down
  const std::uint32_t colors[4] = {0, 0x00FF0000 | alpha << 24, 0x0000FF00 | alpha << 24, 0x000000FF | alpha << 24};
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, maskRows);
  HBITMAP color = CreateBitmap(2, 2, 1, 32, colors);
  const ICONINFO info{1, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);   // the icon keeps copies
  DeleteObject(color);
  return icon;
}

TEST(Icons, MaskThenImage) {
  HICON icon = MakeIcon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(GetObjectType(icon), 0u);   // not a drawing object: DeleteObject refuses it
  EXPECT_FALSE(DeleteObject(icon));
  struct Case {
    UINT flags;
    COLORREF topLeft, topRight;
  };
  const Case cases[] = {{DI_NORMAL, kWhite, kRed}, {DI_MASK, kWhite, kBlack}, {DI_IMAGE, kBlack, kRed}};
  for (const Case& c : cases) {
    TestCanvas canvas(4, 4);
    ASSERT_TRUE(DrawIconEx(canvas.dc(), 1, 1, icon, 0, 0, 0, nullptr, c.flags));
    EXPECT_EQ(canvas.At(1, 1), c.topLeft) << c.flags;
    EXPECT_EQ(canvas.At(2, 1), c.topRight) << c.flags;
    EXPECT_EQ(canvas.At(3, 3), kWhite);
  }
  // Stretched to 4 x 4, and drawn over a flicker-free brush.
  TestCanvas canvas(4, 4);
  HBRUSH blue = CreateSolidBrush(kBlue);
  DrawIconEx(canvas.dc(), 0, 0, icon, 4, 4, 0, blue, DI_NORMAL);
  EXPECT_EQ(canvas.At(1, 1), kBlue);
  EXPECT_EQ(canvas.At(3, 0), kRed);
  EXPECT_EQ(canvas.At(0, 3), kGreen);
  DeleteObject(blue);
  // DrawIcon uses the standard 32 x 32 size.
  TestCanvas big(40, 40);
  DrawIcon(big.dc(), 0, 0, icon);
  EXPECT_EQ(big.At(31, 31), kBlue);
  EXPECT_EQ(big.At(32, 32), kWhite);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

TEST(Icons, MonochromeIconsInvertWhereMaskAndImageAreWhite) {
  // Mask above image, 2 x 2 each: row 0 transparent (mask 1) with an inverting pixel (image 1) at
  // x = 1; row 1 opaque, black then white.
  const BYTE rows[8] = {0xC0, 0, 0x00, 0, 0x40, 0, 0x40, 0};
  HBITMAP bits = CreateBitmap(2, 4, 1, 1, rows);
  const ICONINFO info{1, 0, 0, bits, nullptr};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(bits);
  TestCanvas canvas(2, 2, kRed);
  DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.At(0, 0), kRed);               // transparent
  EXPECT_EQ(canvas.At(1, 0), kRed ^ 0xFFFFFF);    // inverted
  EXPECT_EQ(canvas.At(0, 1), kBlack);             // opaque black
  EXPECT_EQ(canvas.At(1, 1), kWhite);             // opaque white
  DestroyIcon(icon);
}

TEST(Icons, AlphaIconsBlendAndIgnoreTheMask) {
  HICON icon = MakeIcon(128);
  TestCanvas canvas(2, 2, kWhite);
  DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  // Red over white at 128/255: red stays 255, green and blue (255 * 127 + 127) / 255 = 127.
  EXPECT_EQ(canvas.At(1, 0), RGB(255, 127, 127));
  EXPECT_EQ(canvas.At(0, 0), kWhite);   // alpha 0 leaves the background
  DestroyIcon(icon);
}

TEST(Icons, InfoAndCopiesAreIndependent) {
  HICON icon = MakeIcon();
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  BITMAP bm{};
  GetObject(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 2);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  GetObject(info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  HICON copy = CopyIcon(icon);
  DestroyIcon(icon);
  TestCanvas canvas(2, 2);
  ASSERT_TRUE(DrawIconEx(canvas.dc(), 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(1, 1), kBlue);
  DestroyIcon(copy);
  EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
}

}  // namespace
