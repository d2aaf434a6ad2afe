// CopyImage of bitmaps: the kind of bitmap the copy is, its pixels (alpha and colour tables
// included), stretching, deleting the original, and what is refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/copy_image.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

struct Info {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
  BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

bool IsDibSection(HGDIOBJ bitmap) {
  DIBSECTION section{};
  return GetObjectA(bitmap, sizeof section, &section) == int(sizeof section);
}

BITMAP BitmapOf(HGDIOBJ bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return info;
}

// The 32-bit values of a bitmap's pixels, top row first.
std::vector<std::uint32_t> PixelsOf(HGDIOBJ bitmap) {
  const BITMAP b = BitmapOf(bitmap);
  Info info{};
  info.header = {sizeof(BITMAPINFOHEADER), b.bmWidth, -b.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(std::size_t(b.bmWidth * b.bmHeight));
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, static_cast<HBITMAP>(bitmap), 0, UINT(b.bmHeight), pixels.data(), info.get(), DIB_RGB_COLORS);
  DeleteDC(dc);
  return pixels;
}

TEST(CopyImage, ADibSectionCopiesToANewSectionWithTheSamePixelsAlphaIncluded) {
  TestCanvas source(3, 2);
  source.SetRaw(0, 0, 0x80102030);
  source.SetRaw(2, 1, 0x00FFFFFF);
  source.SetRaw(1, 0, 0xFF0000FF);
  for (UINT flags : {LR_DEFAULTCOLOR, LR_CREATEDIBSECTION}) {
    // The source stays selected into its context: the copy reads it all the same.
    HGDIOBJ copy = CopyImage(source.bitmap(), IMAGE_BITMAP, 0, 0, flags);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source.bitmap());
    EXPECT_TRUE(IsDibSection(copy));
    EXPECT_EQ(BitmapOf(copy).bmBitsPixel, 32);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(source.bitmap()));
    EXPECT_EQ(PixelsOf(copy)[0], 0x80102030u);
    DeleteObject(copy);
  }
  EXPECT_EQ(source.Raw(0, 0), 0x80102030u);
}

TEST(CopyImage, DeviceBitmapsBecomeSectionsOnlyWhenAsked) {
  struct Case {
    UINT bits;
    UINT flags;
    bool section;
    WORD copyBits;
  };
  const Case cases[] = {{32, LR_DEFAULTCOLOR, false, 32}, {32, LR_CREATEDIBSECTION, true, 32},
                        {1, LR_DEFAULTCOLOR, false, 1},   {1, LR_CREATEDIBSECTION, true, 1},
                        {32, LR_MONOCHROME, false, 1}};
  for (const Case& c : cases) {
    HBITMAP device = CreateBitmap(4, 2, 1, c.bits, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, device);
    PatBlt(dc, 0, 0, 2, 2, WHITENESS);   // left half white, right half black
    SelectObject(dc, old);
    DeleteDC(dc);
    HGDIOBJ copy = CopyImage(device, IMAGE_BITMAP, 0, 0, c.flags);
    ASSERT_NE(copy, nullptr) << c.bits << " " << c.flags;
    EXPECT_EQ(IsDibSection(copy), c.section) << c.bits << " " << c.flags;
    EXPECT_EQ(BitmapOf(copy).bmBitsPixel, c.copyBits) << c.bits << " " << c.flags;
    const std::vector<std::uint32_t> pixels = PixelsOf(copy);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFFFFFFu) << c.bits << " " << c.flags;
    EXPECT_EQ(pixels[3] & 0xFFFFFF, 0u) << c.bits << " " << c.flags;
    DeleteObject(copy);
    DeleteObject(device);
  }
}

TEST(CopyImage, AnIndexedSectionKeepsItsColourTableAndIndices) {
  Info info{};
  info.header = {sizeof(BITMAPINFOHEADER), 2, 1, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
  info.colors[0] = {0x10, 0x20, 0x30, 0};
  info.colors[1] = {0x40, 0x50, 0x60, 0};
  void* bits = nullptr;
  HBITMAP source = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
  static_cast<std::uint8_t*>(bits)[0] = 1;
  static_cast<std::uint8_t*>(bits)[1] = 0;
  HGDIOBJ copy = CopyImage(source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  ASSERT_NE(copy, nullptr);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(copy, sizeof section, &section), int(sizeof section));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
  const auto* copied = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
  EXPECT_EQ(copied[0], 1);
  EXPECT_EQ(copied[1], 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, copy);
  RGBQUAD table[2]{};
  ASSERT_EQ(GetDIBColorTable(dc, 0, 2, table), 2u);
  EXPECT_EQ(table[1].rgbRed, 0x60);
  EXPECT_EQ(table[1].rgbBlue, 0x40);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(copy);
  DeleteObject(source);
}

TEST(CopyImage, AnotherSizeStretchesThePicture) {
  TestCanvas source(2, 1);
  source.SetRaw(0, 0, 0xFF0000FF);
  source.SetRaw(1, 0, 0xFF00FF00);
  HGDIOBJ copy = CopyImage(source.bitmap(), IMAGE_BITMAP, 4, 2, LR_CREATEDIBSECTION);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(BitmapOf(copy).bmWidth, 4);
  EXPECT_EQ(BitmapOf(copy).bmHeight, 2);
  const std::vector<std::uint32_t> expected = {0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00,
                                               0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00};
  EXPECT_EQ(PixelsOf(copy), expected);
  DeleteObject(copy);
}

TEST(CopyImage, DeletingTheOriginalAndRefusals) {
  HBITMAP original = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ copy = CopyImage(original, IMAGE_BITMAP, 0, 0, LR_COPYDELETEORG);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(GetObjectType(original), 0u);
  EXPECT_EQ(CopyImage(copy, IMAGE_ICON, 0, 0, 0), nullptr);
  HBRUSH brush = CreateSolidBrush(kRed);
  EXPECT_EQ(CopyImage(brush, IMAGE_BITMAP, 0, 0, 0), nullptr);
  EXPECT_EQ(CopyImage(nullptr, IMAGE_BITMAP, 0, 0, 0), nullptr);
  EXPECT_NE(GetObjectType(copy), 0u);   // refused copies delete nothing
  DeleteObject(brush);
  DeleteObject(copy);
}

}  // namespace
