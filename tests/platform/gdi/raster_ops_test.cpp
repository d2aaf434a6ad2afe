// Block transfers: the ternary raster operations on 2 x 2 bitmaps, monochrome and colour
// conversion, stretching, the alpha byte, AlphaBlend and GradientFill against their formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/gdi/clip.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

using Fn = std::function<std::uint32_t(std::uint32_t p, std::uint32_t s, std::uint32_t d)>;

// A 2 x 2 memory bitmap of raw 32-bit values (top-down).
struct Tile {
  explicit Tile(const std::uint32_t (&values)[4]) : canvas(2, 2) {
    for (int i = 0; i < 4; ++i) canvas.SetRaw(i % 2, i / 2, values[i]);
  }
  TestCanvas canvas;
};

TEST(RasterOps, EveryNamedCodeOnTwoByTwoBitmaps) {
  // Expected values written from each operation's reverse-Polish name, over all 32 bits.
  struct Case {
    DWORD rop;
    const char* name;
    Fn expected;
  };
  const Case cases[] = {
      {SRCCOPY, "S", [](auto, auto s, auto) { return s; }},
      {SRCAND, "DSa", [](auto, auto s, auto d) { return d & s; }},
      {SRCPAINT, "DSo", [](auto, auto s, auto d) { return d | s; }},
      {SRCINVERT, "DSx", [](auto, auto s, auto d) { return d ^ s; }},
      {DSTINVERT, "Dn", [](auto, auto, auto d) { return ~d; }},
      {PATCOPY, "P", [](auto p, auto, auto) { return p; }},
      {PATINVERT, "DPx", [](auto p, auto, auto d) { return d ^ p; }},
      {MERGECOPY, "PSa", [](auto p, auto s, auto) { return p & s; }},
      {0x220326, "DSna", [](auto, auto s, auto d) { return d & ~s; }},
      {0x200F09, "PDSnaa", [](auto p, auto s, auto d) { return p & d & ~s; }},
      {0xEE0086, "DSo", [](auto, auto s, auto d) { return d | s; }},
      {0x550009, "Dn", [](auto, auto, auto d) { return ~d; }},
      {0xB8074A, "PSDPxax", [](auto p, auto s, auto d) { return p ^ (s & (d ^ p)); }},
      {0xE20746, "DSPDxax", [](auto p, auto s, auto d) { return d ^ (s & (p ^ d)); }},
      {SRCERASE, "SDna", [](auto, auto s, auto d) { return s & ~d; }},
      {NOTSRCCOPY, "Sn", [](auto, auto s, auto) { return ~s; }},
      {MERGEPAINT, "DSno", [](auto, auto s, auto d) { return d | ~s; }},
      {PATPAINT, "DPSnoo", [](auto p, auto s, auto d) { return d | p | ~s; }},
      {BLACKNESS, "0", [](auto, auto, auto) { return 0u; }},
      {WHITENESS, "1", [](auto, auto, auto) { return 0xFFFFFFFFu; }},
  };
  const std::uint32_t src[4] = {0x00FF00FF, 0x80FFFFFF, 0x00000000, 0x12345678};
  const std::uint32_t dst[4] = {0x00F0F0F0, 0xFF0000FF, 0x7F00FF00, 0x87654321};
  const COLORREF brush = RGB(0x33, 0xCC, 0x0F);   // pixel value 0x0033CC0F, alpha 0
  const std::uint32_t p = 0x0033CC0F;
  for (const Case& c : cases) {
    Tile s(src), d(dst);
    HBRUSH b = CreateSolidBrush(brush);
    HGDIOBJ old = SelectObject(d.canvas.dc(), b);
    ASSERT_TRUE(BitBlt(d.canvas.dc(), 0, 0, 2, 2, s.canvas.dc(), 0, 0, c.rop));
    SelectObject(d.canvas.dc(), old);
    DeleteObject(b);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(d.canvas.Raw(i % 2, i / 2), c.expected(p, src[i], dst[i])) << c.name << " pixel " << i;
  }
}

TEST(RasterOps, PatBltWithAPatternBrush) {
  TestCanvas canvas(4, 1, kBlack);
  const std::uint32_t cells[2] = {0x00FF0000, 0x000000FF};
  HBITMAP bm = CreateBitmap(2, 1, 1, 32, cells);
  HBRUSH brush = CreatePatternBrush(bm);
  SelectObject(canvas.dc(), brush);
  ASSERT_TRUE(PatBlt(canvas.dc(), 0, 0, 4, 1, PATINVERT));
  EXPECT_EQ(canvas.Raw(0, 0), 0x00FF0000u);
  EXPECT_EQ(canvas.Raw(3, 0), 0x000000FFu);
  EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 4, 1, SRCCOPY));   // PatBlt takes no source
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
  DeleteObject(bm);
}

TEST(RasterOps, MonochromeAndColourConversion) {
  // Colour to monochrome: the source context's background colour becomes white, the rest black.
  TestCanvas colour(2, 2);
  colour.SetRaw(0, 0, 0x00112233);
  colour.SetRaw(1, 0, 0x00445566);
  colour.SetRaw(0, 1, 0x00112233);
  colour.SetRaw(1, 1, 0x80112233);   // alpha takes no part in the match
  HDC monoDc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateBitmap(2, 2, 1, 1, nullptr);
  SelectObject(monoDc, mono);
  SetBkColor(colour.dc(), RGB(0x11, 0x22, 0x33));
  ASSERT_TRUE(BitBlt(monoDc, 0, 0, 2, 2, colour.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(monoDc, 0, 0), kWhite);
  EXPECT_EQ(GetPixel(monoDc, 1, 0), kBlack);
  EXPECT_EQ(GetPixel(monoDc, 0, 1), kWhite);
  EXPECT_EQ(GetPixel(monoDc, 1, 1), kWhite);

  // Monochrome to colour: 0 bits take the destination's text colour, 1 bits its background.
  TestCanvas target(2, 2);
  SetTextColor(target.dc(), kRed);
  SetBkColor(target.dc(), kBlue);
  ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 2, 2, monoDc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), kBlue);
  EXPECT_EQ(target.At(1, 0), kRed);

  // The transparent-copy idiom built on it: mask from the key colour, then DSna / DSo.
  TestCanvas image(2, 2);
  image.SetRaw(0, 0, 0x00FF00FF);   // magenta: transparent
  image.SetRaw(1, 0, 0x0000FF00);
  image.SetRaw(0, 1, 0x00FF00FF);
  image.SetRaw(1, 1, 0x000000FF);
  SetBkColor(image.dc(), RGB(255, 0, 255));
  BitBlt(monoDc, 0, 0, 2, 2, image.dc(), 0, 0, SRCCOPY);   // mask: white where transparent
  TestCanvas screen(2, 2, kRed);
  SetTextColor(screen.dc(), kBlack);
  SetBkColor(screen.dc(), kWhite);
  BitBlt(screen.dc(), 0, 0, 2, 2, monoDc, 0, 0, SRCAND);             // holes where the image shows
  SetTextColor(image.dc(), kBlack);
  SetBkColor(image.dc(), kWhite);
  BitBlt(image.dc(), 0, 0, 2, 2, monoDc, 0, 0, 0x220326);            // image black where transparent
  BitBlt(screen.dc(), 0, 0, 2, 2, image.dc(), 0, 0, SRCPAINT);
  EXPECT_EQ(screen.At(0, 0), kRed);
  EXPECT_EQ(screen.At(1, 0), kGreen);
  EXPECT_EQ(screen.At(0, 1), kRed);
  EXPECT_EQ(screen.At(1, 1), kBlue);
  DeleteDC(monoDc);
  DeleteObject(mono);
}

TEST(RasterOps, AlphaByteAsTheDrawingLeavesIt) {
  TestCanvas canvas(4, 1, kWhite);
  canvas.SetRaw(0, 0, 0xFF00FF00);
  HBRUSH red = CreateSolidBrush(kRed);
  TRect r{0, 0, 1, 1};
  FillRect(canvas.dc(), &r, red);   // GDI drawing writes alpha 0
  EXPECT_EQ(canvas.Raw(0, 0), 0x00FF0000u);
  DeleteObject(red);
  // SRCCOPY between 32-bit surfaces keeps the source's alpha.
  TestCanvas source(1, 1);
  source.SetRaw(0, 0, 0x80402010);
  BitBlt(canvas.dc(), 1, 0, 1, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.Raw(1, 0), 0x80402010u);
  // A 24-bit source has no alpha: it arrives as 0.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::uint8_t* bits = nullptr;
  HBITMAP dib24 = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  bits[0] = 0x10, bits[1] = 0x20, bits[2] = 0x30;
  HDC dc24 = CreateCompatibleDC(nullptr);
  SelectObject(dc24, dib24);
  canvas.SetRaw(2, 0, 0xFFFFFFFF);
  BitBlt(canvas.dc(), 2, 0, 1, 1, dc24, 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.Raw(2, 0), 0x00302010u);
  DeleteDC(dc24);
  DeleteObject(dib24);
}

std::uint32_t Round255(double v) { return std::uint32_t(std::min(255.0, std::floor(v + 0.5))); }

TEST(RasterOps, AlphaBlendFollowsTheDocumentedFormulas) {
  const std::uint32_t src[4] = {0xFF102030, 0x80402000, 0x00FFFFFF, 0x40404040};
  const std::uint32_t dst[4] = {0x00FFFFFF, 0xFF808080, 0x10203040, 0xFF000000};
  struct Case {
    BYTE constant;
    BYTE format;
  };
  for (const Case c : {Case{255, AC_SRC_ALPHA}, Case{128, AC_SRC_ALPHA}, Case{128, 0}, Case{0, 0}, Case{200, 0}}) {
    Tile s(src), d(dst);
    const BLENDFUNCTION bf{AC_SRC_OVER, 0, c.constant, c.format};
    ASSERT_TRUE(AlphaBlend(d.canvas.dc(), 0, 0, 2, 2, s.canvas.dc(), 0, 0, 2, 2, bf));
    for (int i = 0; i < 4; ++i) {
      std::uint32_t expected = 0;
      const std::uint32_t sa = Round255(((src[i] >> 24) & 0xFF) * c.constant / 255.0);
      for (int k = 0; k < 4; ++k) {
        const double sv = (src[i] >> (8 * k)) & 0xFF, dv = (dst[i] >> (8 * k)) & 0xFF;
        const std::uint32_t v = c.format == AC_SRC_ALPHA
                                    ? std::min(255u, Round255(sv * c.constant / 255.0) + Round255(dv * (255 - sa) / 255.0))
                                    : std::min(255u, Round255(sv * c.constant / 255.0) + Round255(dv * (255 - c.constant) / 255.0));
        expected |= v << (8 * k);
      }
      EXPECT_EQ(d.canvas.Raw(i % 2, i / 2), expected) << int(c.constant) << "/" << int(c.format) << " pixel " << i;
    }
  }
  // A source rectangle outside the source bitmap fails and draws nothing.
  Tile s(src), d(dst);
  EXPECT_FALSE(AlphaBlend(d.canvas.dc(), 0, 0, 2, 2, s.canvas.dc(), 1, 0, 2, 2, {AC_SRC_OVER, 0, 255, 0}));
  EXPECT_EQ(d.canvas.Raw(0, 0), dst[0]);
}

TEST(RasterOps, GradientFillFollowsTheDocumentedRounding) {
  TestCanvas canvas(7, 5);
  TRIVERTEX v[2] = {{0, 0, 0x1000, 0xFF00, 0x0000, 0x0000}, {7, 5, 0xF000, 0x0000, 0x8000, 0x0000}};
  GRADIENT_RECT rect{0, 1};
  ASSERT_TRUE(GradientFill(canvas.dc(), v, 2, &rect, 1, GRADIENT_FILL_RECT_H));
  for (int x = 0; x < 7; ++x) {
    const std::uint32_t r = (0x1000 + (0xF000 - 0x1000) * x / 7) >> 8;
    const std::uint32_t g = (0xFF00 + (0 - 0xFF00) * x / 7) >> 8;
    const std::uint32_t b = (0 + 0x8000 * x / 7) >> 8;
    EXPECT_EQ(canvas.Raw(x, 3), r << 16 | g << 8 | b) << x;
  }
  ASSERT_TRUE(GradientFill(canvas.dc(), v, 2, &rect, 1, GRADIENT_FILL_RECT_V));
  for (int y = 0; y < 5; ++y) EXPECT_EQ(canvas.At(6, y) & 0xFF, DWORD((0x1000 + 0xE000 * y / 5) >> 8)) << y;
  // Vertices given right to left run the gradient from the right.
  TRIVERTEX swapped[2] = {v[1], v[0]};
  ASSERT_TRUE(GradientFill(canvas.dc(), swapped, 2, &rect, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(canvas.Raw(6, 0) >> 16 & 0xFF, 0xF0u);
  EXPECT_EQ(canvas.Raw(0, 0) >> 16 & 0xFF, DWORD((0xF000 - 0xE000 * 6 / 7) >> 8));
  GRADIENT_RECT bad{0, 2};
  EXPECT_FALSE(GradientFill(canvas.dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(RasterOps, StretchModes) {
  // A 4 x 1 source shrunk to 2 x 1, enlarged to 8 x 1, and mirrored.
  TestCanvas source(4, 1);
  const std::uint32_t px[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
  for (int i = 0; i < 4; ++i) source.SetRaw(i, 0, px[i]);
  struct Case {
    int mode, width;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {COLORONCOLOR, 2, {px[0], px[2]}},
      {BLACKONWHITE, 2, {px[0] & px[1], px[2] & px[3]}},
      {WHITEONBLACK, 2, {px[0] | px[1], px[2] | px[3]}},
      {HALFTONE, 2, {0x00808000, 0x008080FF}},   // the average of each pair, rounded
      {COLORONCOLOR, 8, {px[0], px[0], px[1], px[1], px[2], px[2], px[3], px[3]}},
      {COLORONCOLOR, -4, {px[3], px[2], px[1], px[0]}},
  };
  for (const Case& c : cases) {
    TestCanvas target(8, 1, kBlack);
    SetStretchBltMode(target.dc(), c.mode);
    const int x = c.width < 0 ? -c.width : 0;
    ASSERT_TRUE(StretchBlt(target.dc(), x, 0, c.width, 1, source.dc(), 0, 0, 4, 1, SRCCOPY));
    for (std::size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(target.Raw(int(i), 0), c.expected[i]) << c.mode << " width " << c.width << " pixel " << i;
  }
}

TEST(RasterOps, BlitWithinOneSurfaceReadsTheOriginalPixels) {
  TestCanvas canvas(6, 1);
  for (int i = 0; i < 6; ++i) canvas.SetRaw(i, 0, std::uint32_t(i + 1));
  ASSERT_TRUE(BitBlt(canvas.dc(), 1, 0, 5, 1, canvas.dc(), 0, 0, SRCCOPY));
  for (int i = 1; i < 6; ++i) EXPECT_EQ(canvas.Raw(i, 0), std::uint32_t(i)) << i;
  // Source pixels outside the source bitmap leave the destination alone.
  TestCanvas small(2, 2, kRed), big(4, 4, kBlue);
  BitBlt(big.dc(), 0, 0, 4, 4, small.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(big.At(1, 1), kRed);
  EXPECT_EQ(big.At(2, 2), kBlue);
}

// A memory context on a DIB section of `bits` per pixel whose pixel (x, y) is PixelOf(x, y, seed).
class Numbered {
 public:
  Numbered(int width, int height, int bits, int seed) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, WORD(bits), BI_RGB, 0, 0, 0, 0, 0};
    void* unused = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &unused, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) SetPixel(dc_, x, y, PixelOf(x, y, seed));
  }
  ~Numbered() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  static COLORREF PixelOf(int x, int y, int seed) { return RGB(x * 8 + seed, y * 8, seed); }
  HDC dc() const { return dc_; }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ old_;
};

TEST(RasterOps, SourceCopyBetweenSurfacesHonoursClipOriginsAndTheSourceBounds) {
  // Each destination pixel gets the source pixel under it where the clip lets it and the source
  // image has one; every other pixel keeps its own.
  struct Case {
    int dstBits, srcBits;
    TPoint origin;     // the destination's window origin
    int srcX, srcY;    // the source corner of the copy (logical = surface for the source)
  };
  const Case cases[] = {
      {32, 32, {0, 0}, 0, 0},  {24, 24, {0, 0}, 1, 2},  {32, 32, {2, -1}, -3, 1},
      {24, 24, {-1, 0}, 4, -2}, {32, 24, {0, 0}, 1, 1},  {24, 32, {1, 1}, -1, 3},
  };
  constexpr int kWidth = 12, kHeight = 9, kSource = 7;
  for (const Case& c : cases) {
    Numbered dst(kWidth, kHeight, c.dstBits, 1), src(kSource, kSource, c.srcBits, 3);
    SetWindowOrgEx(dst.dc(), c.origin.X, c.origin.Y, nullptr);
    IntersectClipRect(dst.dc(), c.origin.X + 1, c.origin.Y + 1, c.origin.X + 10, c.origin.Y + 8);
    ExcludeClipRect(dst.dc(), c.origin.X + 4, c.origin.Y + 3, c.origin.X + 6, c.origin.Y + 5);
    ASSERT_TRUE(BitBlt(dst.dc(), c.origin.X + 2, c.origin.Y + 1, 8, 7, src.dc(), c.srcX, c.srcY, SRCCOPY));
    SetWindowOrgEx(dst.dc(), 0, 0, nullptr);
    SelectClipRgn(dst.dc(), nullptr);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const bool clipped = x >= 1 && x < 10 && y >= 1 && y < 8 && !(x >= 4 && x < 6 && y >= 3 && y < 5);
        const int sx = c.srcX + x - 2, sy = c.srcY + y - 1;
        const bool copied = clipped && x >= 2 && y >= 1 && sx >= 0 && sy >= 0 && sx < kSource && sy < kSource;
        EXPECT_EQ(GetPixel(dst.dc(), x, y), copied ? Numbered::PixelOf(sx, sy, 3) : Numbered::PixelOf(x, y, 1))
            << c.dstBits << " from " << c.srcBits << " bits, source corner " << c.srcX << "," << c.srcY
            << ", pixel " << x << "," << y;
      }
  }
}

TEST(RasterOps, SolidFillsHonourTheClipAndTheOriginOnEitherDepth) {
  // A solid colour copied by FillRect or PatBlt lands exactly on the rectangle inside the clip (a
  // rectangle with a hole); every other pixel keeps its own.  32-bit surfaces fill rows in place,
  // 24-bit ones go through spans: both give the same pixels.
  struct Case {
    int bits;
    TPoint origin;
    bool patBlt;
  };
  const Case cases[] = {{32, {0, 0}, false}, {24, {0, 0}, false}, {32, {2, -1}, true}, {24, {-1, 2}, true}};
  constexpr int kWidth = 12, kHeight = 9;
  const COLORREF kFill = RGB(10, 200, 30);
  for (const Case& c : cases) {
    Numbered dst(kWidth, kHeight, c.bits, 1);
    SetWindowOrgEx(dst.dc(), c.origin.X, c.origin.Y, nullptr);
    IntersectClipRect(dst.dc(), c.origin.X + 1, c.origin.Y + 1, c.origin.X + 10, c.origin.Y + 8);
    ExcludeClipRect(dst.dc(), c.origin.X + 4, c.origin.Y + 3, c.origin.X + 6, c.origin.Y + 5);
    const HBRUSH brush = CreateSolidBrush(kFill);
    const TRect fill{c.origin.X + 2, c.origin.Y, c.origin.X + 11, c.origin.Y + 6};
    if (c.patBlt) {
      const HGDIOBJ old = SelectObject(dst.dc(), brush);
      ASSERT_TRUE(PatBlt(dst.dc(), fill.Left, fill.Top, fill.Right - fill.Left, fill.Bottom - fill.Top, PATCOPY));
      SelectObject(dst.dc(), old);
    } else {
      ASSERT_TRUE(FillRect(dst.dc(), &fill, brush));
    }
    DeleteObject(brush);
    SetWindowOrgEx(dst.dc(), 0, 0, nullptr);
    SelectClipRgn(dst.dc(), nullptr);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const bool clipped = x >= 1 && x < 10 && y >= 1 && y < 8 && !(x >= 4 && x < 6 && y >= 3 && y < 5);
        const bool filled = clipped && x >= 2 && y < 6;
        EXPECT_EQ(GetPixel(dst.dc(), x, y), filled ? kFill : Numbered::PixelOf(x, y, 1))
            << c.bits << " bits, PatBlt " << c.patBlt << ", pixel " << x << "," << y;
      }
  }
}

TEST(RasterOps, TransparentBltSkipsTheKeyColour) {
  TestCanvas source(2, 1), target(4, 2, kBlue);
  source.SetRaw(0, 0, 0x00FF00FF);
  source.SetRaw(1, 0, 0x00FF0000);
  ASSERT_TRUE(TransparentBlt(target.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
  EXPECT_EQ(target.At(0, 0), kBlue);
  EXPECT_EQ(target.At(1, 1), kBlue);
  EXPECT_EQ(target.At(2, 0), kRed);
  EXPECT_EQ(target.At(3, 1), kRed);
}

}  // namespace
