// Pixel storage and format conversion; see pixel_surface.h.
#include "platform/gdi/pixel_surface.h"

#include <cairo.h>

#include <cstring>
#include <new>

namespace gdi {
namespace {

constexpr int kMaxDimension = 32767;                       // cairo's limit, also ours
constexpr std::size_t kMaxBytes = std::size_t(1) << 30;   // refuse single bitmaps above 1 GiB

RGBQUAD Quad(BYTE r, BYTE g, BYTE b) { return RGBQUAD{b, g, r, 0}; }

std::vector<RGBQUAD> MakeVga16() {
  return {Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
          Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
          Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
          Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
}

std::vector<RGBQUAD> Make256() {
  std::vector<RGBQUAD> table = MakeVga16();
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) table.push_back(Quad(BYTE(r * 51), BYTE(g * 51), BYTE(b * 51)));
  for (int i = 1; i <= 24; ++i) {
    const BYTE v = BYTE(i * 255 / 25);
    table.push_back(Quad(v, v, v));
  }
  return table;
}

int Distance(Pixel a, const RGBQUAD& q) {
  const int dr = int((a >> 16) & 0xFF) - q.rgbRed;
  const int dg = int((a >> 8) & 0xFF) - q.rgbGreen;
  const int db = int(a & 0xFF) - q.rgbBlue;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

const std::vector<RGBQUAD>& MonochromePalette() {
  static const std::vector<RGBQUAD> table{Quad(0, 0, 0), Quad(255, 255, 255)};
  return table;
}
const std::vector<RGBQUAD>& Vga16Palette() {
  static const std::vector<RGBQUAD> table = MakeVga16();
  return table;
}
const std::vector<RGBQUAD>& Default256Palette() {
  static const std::vector<RGBQUAD> table = Make256();
  return table;
}
const std::vector<RGBQUAD>& DefaultPaletteFor(int bitsPerPixel) {
  static const std::vector<RGBQUAD> none;
  switch (bitsPerPixel) {
    case 1: return MonochromePalette();
    case 4: return Vga16Palette();
    case 8: return Default256Palette();
    default: return none;
  }
}

std::unique_ptr<PixelSurface> PixelSurface::Create(int width, int height, int bitsPerPixel, bool topDown,
                                                   std::vector<RGBQUAD> palette) {
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return nullptr;
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
    return nullptr;
  const int stride = StrideFor(width, bitsPerPixel);
  if (std::size_t(stride) * std::size_t(height) > kMaxBytes) return nullptr;

  std::unique_ptr<PixelSurface> s(new PixelSurface);
  s->width_ = width;
  s->height_ = height;
  s->bpp_ = bitsPerPixel;
  s->topDown_ = topDown;
  s->stride_ = stride;
  if (bitsPerPixel == 32 && topDown) {
    s->cairo_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s->cairo_) != CAIRO_STATUS_SUCCESS ||
        cairo_image_surface_get_stride(s->cairo_) != stride) {
      return nullptr;   // the destructor releases the cairo surface
    }
    cairo_surface_flush(s->cairo_);
    s->bits_ = cairo_image_surface_get_data(s->cairo_);
  } else {
    s->owned_.reset(new (std::nothrow) std::uint8_t[s->ByteSize()]());
    if (!s->owned_) return nullptr;
    s->bits_ = s->owned_.get();
  }
  if (bitsPerPixel <= 8) {
    const std::size_t entries = std::size_t(1) << bitsPerPixel;
    if (palette.empty()) palette = DefaultPaletteFor(bitsPerPixel);
    palette.resize(entries, RGBQUAD{0, 0, 0, 0});
    s->palette_ = std::move(palette);
  }
  return s;
}

PixelSurface::~PixelSurface() {
  if (cairo_) cairo_surface_destroy(cairo_);
}

void PixelSurface::SetPalette(std::vector<RGBQUAD> palette) {
  if (bpp_ > 8) return;
  palette.resize(std::size_t(1) << bpp_, RGBQUAD{0, 0, 0, 0});
  palette_ = std::move(palette);
  lastIndex_ = -1;
}

int PixelSurface::ReadIndex(const std::uint8_t* row, int x) const {
  switch (bpp_) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    default: return row[x];
  }
}

void PixelSurface::WriteIndex(std::uint8_t* row, int x, int index) {
  switch (bpp_) {
    case 1: {
      const std::uint8_t bit = std::uint8_t(0x80 >> (x & 7));
      row[x >> 3] = index ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      break;
    }
    case 4: {
      std::uint8_t& b = row[x >> 1];
      b = (x & 1) ? std::uint8_t((b & 0xF0) | index) : std::uint8_t((b & 0x0F) | (index << 4));
      break;
    }
    default: row[x] = std::uint8_t(index);
  }
}

int PixelSurface::NearestIndex(Pixel value) const {
  if (palette_.empty()) return 0;
  value &= 0x00FFFFFF;
  if (lastIndex_ >= 0 && lastMatch_ == value) return lastIndex_;
  int best = 0, bestDistance = Distance(value, palette_[0]);
  for (int i = 1; i < int(palette_.size()) && bestDistance != 0; ++i) {
    const int d = Distance(value, palette_[std::size_t(i)]);
    if (d < bestDistance) best = i, bestDistance = d;
  }
  lastMatch_ = value;
  lastIndex_ = best;
  return best;
}

void PixelSurface::ReadSpan(int y, int x, int n, Pixel* out) const {
  if (n <= 0) return;
  const std::uint8_t* row = Row(y);
  switch (bpp_) {
    case 32: std::memcpy(out, row + std::size_t(x) * 4, std::size_t(n) * 4); return;
    case 24:
      for (int i = 0; i < n; ++i) {
        const std::uint8_t* p = row + std::size_t(x + i) * 3;
        out[i] = Pixel(p[0]) | Pixel(p[1]) << 8 | Pixel(p[2]) << 16;
      }
      return;
    default:
      for (int i = 0; i < n; ++i) out[i] = RgbQuadToPixel(palette_[std::size_t(ReadIndex(row, x + i))]);
  }
}

void PixelSurface::WriteSpan(int y, int x, int n, const Pixel* in) {
  if (n <= 0) return;
  std::uint8_t* row = Row(y);
  switch (bpp_) {
    case 32: std::memcpy(row + std::size_t(x) * 4, in, std::size_t(n) * 4); return;
    case 24:
      for (int i = 0; i < n; ++i) {
        std::uint8_t* p = row + std::size_t(x + i) * 3;
        p[0] = std::uint8_t(in[i]);
        p[1] = std::uint8_t(in[i] >> 8);
        p[2] = std::uint8_t(in[i] >> 16);
      }
      return;
    default:
      for (int i = 0; i < n; ++i) WriteIndex(row, x + i, NearestIndex(in[i]));
  }
}

Pixel PixelSurface::GetPixel(int x, int y) const {
  Pixel p;
  ReadSpan(y, x, 1, &p);
  return p;
}

void PixelSurface::SetPixel(int x, int y, Pixel value) { WriteSpan(y, x, 1, &value); }

Pixel PixelSurface::Representable(Pixel value) const {
  if (bpp_ == 32) return value;
  if (bpp_ == 24) return value & 0x00FFFFFF;
  return RgbQuadToPixel(palette_[std::size_t(NearestIndex(value))]);
}

}  // namespace gdi
