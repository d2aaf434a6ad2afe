// Reading and writing device-independent bitmap rows: a BITMAPINFO header (40 bytes or longer),
// its colour table (biClrUsed entries, or 2^bits when 0, for 8 bits or fewer) or its three
// BI_BITFIELDS masks (16 and 32 bits), and rows padded to 4 bytes, bottom-up unless biHeight is
// negative.  Supported: 1, 4, 8 bits with a table; 16 bits (5-5-5, or masks); 24 bits; 32 bits
// (B, G, R, A, or masks).  Compressed formats are refused.  Colours convert to and from the
// drawing layer's 32-bit pixel values; 32-bit rows keep their alpha byte.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {

class DibFormat {
 public:
  // nullopt when the header is not one we read.  DIB_PAL_COLORS tables (16-bit indexes) are read
  // through `palette` (the selected palette's colours).
  static std::optional<DibFormat> Parse(const BITMAPINFO* info, UINT usage,
                                        const std::vector<RGBQUAD>* palette = nullptr);

  int Width() const { return width_; }
  int Height() const { return height_; }   // always positive
  bool TopDown() const { return topDown_; }
  int BitsPerPixel() const { return bpp_; }
  int Stride() const { return stride_; }
  std::size_t ImageSize() const { return std::size_t(stride_) * std::size_t(height_); }
  const std::vector<RGBQUAD>& Table() const { return table_; }
  // Bytes from the start of the BITMAPINFO to the end of its colour table or masks (where a
  // packed DIB's bits begin).
  std::size_t HeaderBytes() const { return headerBytes_; }

  // Row y counted from the top of the image.
  const std::uint8_t* Row(const void* bits, int y) const {
    return static_cast<const std::uint8_t*>(bits) + std::size_t(topDown_ ? y : height_ - 1 - y) * std::size_t(stride_);
  }
  std::uint8_t* Row(void* bits, int y) const {
    return static_cast<std::uint8_t*>(bits) + std::size_t(topDown_ ? y : height_ - 1 - y) * std::size_t(stride_);
  }
  // Pixel values of columns x .. x + n - 1 of a row.
  void ReadPixels(const std::uint8_t* row, int x, int n, Pixel* out) const;
  // Stores pixel values (indexed formats take the nearest table colour).
  void WritePixels(std::uint8_t* row, int x, int n, const Pixel* in) const;

 private:
  int width_ = 0, height_ = 0, bpp_ = 0, stride_ = 0;
  bool topDown_ = false;
  DWORD masks_[3] = {0, 0, 0};
  std::vector<RGBQUAD> table_;
  std::size_t headerBytes_ = 0;
};

}  // namespace gdi
