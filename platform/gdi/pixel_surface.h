// The pixel store behind every bitmap: width x height pixels of 1, 4, 8, 24 or 32 bits in the
// device-independent bitmap layout (rows padded to 4 bytes; 1-bit rows start with the most
// significant bit; 24 and 32-bit pixels are blue, green, red[, alpha] in memory).  Rows lie
// top-down or bottom-up in memory as the bitmap was created; Row(y) always counts from the top.
//
// 32-bit top-down surfaces are cairo image surfaces (CAIRO_FORMAT_ARGB32 has exactly this layout),
// so later layers can draw on them with cairo and windows can be presented from them.  Other
// surfaces own a plain buffer.  Surfaces of 8 bits or fewer carry a colour table.
//
// Drawing works on 32-bit pixel values 0xAARRGGBB (the little-endian reading of the four bytes);
// ReadSpan/WriteSpan convert other formats to and from them (writing picks the nearest colour of
// the table; alpha is dropped for formats without it and read as 0).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/gdi_types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace gdi {

using Pixel = std::uint32_t;   // 0xAARRGGBB

inline constexpr Pixel ColorRefToPixel(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline constexpr COLORREF PixelToColorRef(Pixel p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
inline constexpr Pixel RgbQuadToPixel(const RGBQUAD& q) {
  return Pixel(q.rgbBlue) | Pixel(q.rgbGreen) << 8 | Pixel(q.rgbRed) << 16;
}

class PixelSurface {
 public:
  // nullptr when the size or depth is not supported or memory is short.  The pixels start zeroed.
  static std::unique_ptr<PixelSurface> Create(int width, int height, int bitsPerPixel, bool topDown,
                                              std::vector<RGBQUAD> palette = {});
  ~PixelSurface();
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bpp_; }
  bool TopDown() const { return topDown_; }
  int Stride() const { return stride_; }
  std::uint8_t* Bits() { return bits_; }
  const std::uint8_t* Bits() const { return bits_; }
  std::size_t ByteSize() const { return std::size_t(stride_) * std::size_t(height_); }
  std::uint8_t* Row(int y) { return bits_ + std::ptrdiff_t(topDown_ ? y : height_ - 1 - y) * stride_; }
  const std::uint8_t* Row(int y) const {
    return bits_ + std::ptrdiff_t(topDown_ ? y : height_ - 1 - y) * stride_;
  }
  Pixel* Row32(int y) { return reinterpret_cast<Pixel*>(Row(y)); }
  const Pixel* Row32(int y) const { return reinterpret_cast<const Pixel*>(Row(y)); }

  const std::vector<RGBQUAD>& Palette() const { return palette_; }
  void SetPalette(std::vector<RGBQUAD> palette);
  // The cairo surface when this is a 32-bit top-down surface, else nullptr.
  cairo_surface_t* Cairo() const { return cairo_; }

  void ReadSpan(int y, int x, int n, Pixel* out) const;
  void WriteSpan(int y, int x, int n, const Pixel* in);
  Pixel GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Pixel value);
  // The value a pixel holds after writing `value` (the nearest colour of the table, alpha dropped
  // where the format has none).
  Pixel Representable(Pixel value) const;
  // Palette index nearest to a colour (ignores alpha); 0 for surfaces without a table.
  int NearestIndex(Pixel value) const;

  static int StrideFor(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

 private:
  PixelSurface() = default;
  int ReadIndex(const std::uint8_t* row, int x) const;
  void WriteIndex(std::uint8_t* row, int x, int index);

  int width_ = 0;
  int height_ = 0;
  int bpp_ = 0;
  bool topDown_ = true;
  int stride_ = 0;
  std::uint8_t* bits_ = nullptr;
  std::unique_ptr<std::uint8_t[]> owned_;
  cairo_surface_t* cairo_ = nullptr;
  std::vector<RGBQUAD> palette_;
  mutable Pixel lastMatch_ = 0;
  mutable int lastIndex_ = -1;
};

// The standard colour tables: black and white; the 16 colours of the classic display; and the
// 256-entry table used for 8-bit output (the 16 classic colours, then a 6 x 6 x 6 colour cube
// with levels 0, 51, ..., 255, then 24 greys).
const std::vector<RGBQUAD>& MonochromePalette();
const std::vector<RGBQUAD>& Vga16Palette();
const std::vector<RGBQUAD>& Default256Palette();
const std::vector<RGBQUAD>& DefaultPaletteFor(int bitsPerPixel);

}  // namespace gdi
