// Device-independent bitmaps: DIB sections (their bits are what drawing changes), the row
// formats of GetDIBits / SetDIBits, StretchDIBits and SetDIBitsToDevice.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/gdi/test_canvas.h"

namespace {

// A BITMAPINFO with room for a 256-entry colour table or three masks.
struct Info {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
  BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

Info MakeInfo(int width, int height, int bits, DWORD compression = BI_RGB) {
  Info info{};
  info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, WORD(bits), compression, 0, 0, 0, 0, 0};
  return info;
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

TEST(Dib, RowFormatsRoundTrip) {
  // Colours every format can hold exactly: black, white, and pure red / blue for the rest.
  const int w = 5, h = 3;
  auto colourAt = [](int x, int y, int bits) -> std::uint32_t {
    const std::uint32_t pool[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0x00FF00};
    return pool[(x + 2 * y) % (bits == 1 ? 2 : 5)];
  };
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    for (int direction : {1, -1}) {
      TestCanvas source(w, h);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) source.SetRaw(x, y, colourAt(x, y, bits));
      Info info = MakeInfo(w, h * direction, bits);
      std::vector<std::uint8_t> rows(std::size_t(Stride(w, bits) * h));
      ASSERT_EQ(GetDIBits(source.dc(), source.bitmap(), 0, h, rows.data(), info.get(), DIB_RGB_COLORS), h) << bits;
      EXPECT_EQ(info.header.biSizeImage, rows.size());
      TestCanvas copy(w, h, 0x123456);
      ASSERT_EQ(SetDIBits(copy.dc(), copy.bitmap(), 0, h, rows.data(), info.get(), DIB_RGB_COLORS), h);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) EXPECT_EQ(copy.Raw(x, y), colourAt(x, y, bits)) << bits << "/" << direction << " " << x << "," << y;
    }
  }
}

TEST(Dib, BottomUpRowsStartWithTheBottomRow) {
  TestCanvas source(2, 2);
  source.SetRaw(0, 1, 0x00FF0000);   // bottom-left red
  Info info = MakeInfo(2, 2, 24);
  std::uint8_t rows[16] = {};
  GetDIBits(source.dc(), source.bitmap(), 0, 2, rows, info.get(), DIB_RGB_COLORS);
  EXPECT_EQ(rows[0], 0x00);   // blue byte of the first stored pixel: the bottom-left one
  EXPECT_EQ(rows[2], 0xFF);   // its red byte
  EXPECT_EQ(rows[8 + 2], 0xFF);   // top-left is white
  // Reading one band: start counts from the bottom.
  std::uint8_t band[8] = {};
  EXPECT_EQ(GetDIBits(source.dc(), source.bitmap(), 1, 1, band, info.get(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(band[0], 0xFF);   // the top row, white
}

TEST(Dib, SectionsExposeTheBitsDrawingChanges) {
  // An 8-bit bottom-up section with its own table: drawing writes table indexes.
  Info info = MakeInfo(4, 2, 8);
  info.header.biClrUsed = 3;
  info.colors[0] = {0, 0, 0, 0};
  info.colors[1] = {0, 0, 255, 0};      // red
  info.colors[2] = {255, 255, 255, 0};  // white
  std::uint8_t* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  ASSERT_NE(dib, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, dib);
  HBRUSH red = CreateSolidBrush(kRed);
  TRect top{0, 0, 4, 1};
  FillRect(dc, &top, red);
  EXPECT_EQ(bits[4 + 0], 1);   // the top row is stored second
  EXPECT_EQ(bits[0], 0);
  SetPixel(dc, 1, 1, RGB(250, 250, 250));   // nearest table colour
  EXPECT_EQ(bits[1], 2);
  EXPECT_EQ(GetPixel(dc, 1, 1), kWhite);
  bits[3] = 1;   // the program writes bits directly; drawing reads them
  EXPECT_EQ(GetPixel(dc, 3, 1), kRed);
  RGBQUAD table[4] = {};
  EXPECT_EQ(GetDIBColorTable(dc, 0, 4, table), 4u);
  EXPECT_EQ(table[1].rgbRed, 255);
  DeleteDC(dc);
  DeleteObject(red);
  DeleteObject(dib);
}

TEST(Dib, StretchDibitsUsesTheTableOfOneBitImages) {
  Info info = MakeInfo(2, -1, 1);
  info.colors[0] = {255, 0, 0, 0};   // blue
  info.colors[1] = {0, 255, 0, 0};   // green
  const std::uint8_t row[4] = {0x40, 0, 0, 0};   // pixel 0 = 0, pixel 1 = 1
  TestCanvas canvas(4, 2);
  EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 2, 0, 0, 2, 1, row, info.get(), DIB_RGB_COLORS, SRCCOPY), 1);
  EXPECT_EQ(canvas.At(0, 0), kBlue);
  EXPECT_EQ(canvas.At(1, 1), kBlue);
  EXPECT_EQ(canvas.At(2, 0), kGreen);
  EXPECT_EQ(canvas.At(3, 1), kGreen);
}

TEST(Dib, SetDibitsToDeviceCountsSourceRowsFromTheBottom) {
  // A bottom-up 1 x 3 image: stored rows bottom, middle, top = red, green, blue.
  Info info = MakeInfo(1, 3, 32);
  const std::uint32_t rows[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  TestCanvas canvas(1, 3);
  EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 1, 3, 0, 0, 0, 3, rows, info.get(), DIB_RGB_COLORS), 3);
  EXPECT_EQ(canvas.At(0, 0), kBlue);
  EXPECT_EQ(canvas.At(0, 2), kRed);
  // ySrc = 1 from the bottom, one row tall: the middle (green) row.
  canvas.Clear(kWhite);
  SetDIBitsToDevice(canvas.dc(), 0, 0, 1, 1, 0, 1, 0, 3, rows, info.get(), DIB_RGB_COLORS);
  EXPECT_EQ(canvas.At(0, 0), kGreen);
}

TEST(Dib, HeaderQueriesAndRefusals) {
  HBITMAP bm = CreateBitmap(7, 3, 1, 32, nullptr);
  Info info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDIBits(dc, bm, 0, 3, nullptr, info.get(), DIB_RGB_COLORS), 1);
  EXPECT_EQ(info.header.biWidth, 7);
  EXPECT_EQ(info.header.biHeight, 3);
  EXPECT_EQ(info.header.biBitCount, 32);
  EXPECT_EQ(info.header.biSizeImage, 84u);
  for (Info bad : {MakeInfo(0, 2, 24), MakeInfo(2, 2, 3), MakeInfo(2, 2, 8, BI_RLE8), MakeInfo(40000, 2, 24)}) {
    void* bits = nullptr;
    EXPECT_EQ(CreateDIBSection(nullptr, bad.get(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
  }
  DeleteDC(dc);
  DeleteObject(bm);
}

TEST(Dib, SixteenBitMasks) {
  Info info = MakeInfo(1, 1, 16, BI_BITFIELDS);
  DWORD* masks = reinterpret_cast<DWORD*>(info.colors);
  masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
  const std::uint16_t pixel = 0xF800 | 0x001F;   // full red and blue
  TestCanvas canvas(1, 1);
  StretchDIBits(canvas.dc(), 0, 0, 1, 1, 0, 0, 1, 1, &pixel, info.get(), DIB_RGB_COLORS, SRCCOPY);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 255));
}

}  // namespace
