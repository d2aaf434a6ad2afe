// DIB rows to and from pixel values; see dib_format.h.
#include "platform/gdi/dib_format.h"

#include <bit>

#include "platform/gdi/gdi_constants.h"

namespace gdi {
namespace {

// Expands the bits of `value` under `mask` to 8 bits.
std::uint32_t Channel(std::uint32_t value, DWORD mask) {
  if (!mask) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask);
  std::uint32_t v = (value & mask) >> shift;
  if (width >= 8) return v >> (width - 8);
  std::uint32_t out = 0;   // replicate the top bits, so 5-bit 31 becomes 255
  for (int filled = 0; filled < 8; filled += width) out = (out << width) | v;
  return (out >> (((8 + width - 1) / width) * width - 8)) & 0xFF;
}

std::uint32_t Pack(Pixel p, DWORD mask, int sourceShift) {
  if (!mask) return 0;
  const int shift = std::countr_zero(mask);
  const int width = std::popcount(mask);
  std::uint32_t v = (p >> sourceShift) & 0xFF;
  v = width >= 8 ? v << (width - 8) : v >> (8 - width);
  return (v << shift) & mask;
}

int Distance(Pixel a, const RGBQUAD& q) {
  const int dr = int((a >> 16) & 0xFF) - q.rgbRed, dg = int((a >> 8) & 0xFF) - q.rgbGreen, db = int(a & 0xFF) - q.rgbBlue;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

std::optional<DibFormat> DibFormat::Parse(const BITMAPINFO* info, UINT usage, const std::vector<RGBQUAD>* palette) {
  if (!info) return std::nullopt;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN)
    return std::nullopt;
  DibFormat f;
  f.width_ = h.biWidth;
  f.height_ = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  f.topDown_ = h.biHeight < 0;
  f.bpp_ = h.biBitCount;
  if (f.width_ > 32767 || f.height_ > 32767) return std::nullopt;
  if (f.bpp_ != 1 && f.bpp_ != 4 && f.bpp_ != 8 && f.bpp_ != 16 && f.bpp_ != 24 && f.bpp_ != 32) return std::nullopt;
  f.stride_ = ((f.width_ * f.bpp_ + 31) / 32) * 4;
  const auto* after = reinterpret_cast<const std::uint8_t*>(info) + h.biSize;
  f.headerBytes_ = h.biSize;
  if (h.biCompression == BI_BITFIELDS) {
    if (f.bpp_ != 16 && f.bpp_ != 32) return std::nullopt;
    // With the 40-byte header the masks follow it; longer headers hold them inside.
    const auto* m = reinterpret_cast<const DWORD*>(h.biSize >= 52 ? reinterpret_cast<const std::uint8_t*>(info) + 40 : after);
    f.masks_[0] = m[0];
    f.masks_[1] = m[1];
    f.masks_[2] = m[2];
    if (h.biSize < 52) f.headerBytes_ += 12;
  } else if (h.biCompression == BI_RGB) {
    if (f.bpp_ == 16) f.masks_[0] = 0x7C00, f.masks_[1] = 0x03E0, f.masks_[2] = 0x001F;
    if (f.bpp_ == 32) f.masks_[0] = 0xFF0000, f.masks_[1] = 0x00FF00, f.masks_[2] = 0x0000FF;
  } else {
    return std::nullopt;
  }
  if (f.bpp_ <= 8) {
    const std::size_t max = std::size_t(1) << f.bpp_;
    const std::size_t count = h.biClrUsed && h.biClrUsed < max ? h.biClrUsed : max;
    if (usage == DIB_PAL_COLORS) {
      const auto* indexes = reinterpret_cast<const WORD*>(after);
      for (std::size_t i = 0; i < count; ++i) {
        const WORD k = indexes[i];
        f.table_.push_back(palette && k < palette->size() ? (*palette)[k] : RGBQUAD{0, 0, 0, 0});
      }
      f.headerBytes_ += count * sizeof(WORD);
    } else {
      const auto* quads = reinterpret_cast<const RGBQUAD*>(after);
      f.table_.assign(quads, quads + count);
      f.headerBytes_ += count * sizeof(RGBQUAD);
    }
    f.table_.resize(max, RGBQUAD{0, 0, 0, 0});
  }
  return f;
}

void DibFormat::ReadPixels(const std::uint8_t* row, int x, int n, Pixel* out) const {
  for (int i = 0; i < n; ++i) {
    const int c = x + i;
    switch (bpp_) {
      case 1: out[i] = RgbQuadToPixel(table_[(row[c >> 3] >> (7 - (c & 7))) & 1]); break;
      case 4: out[i] = RgbQuadToPixel(table_[(row[c >> 1] >> ((c & 1) ? 0 : 4)) & 0x0F]); break;
      case 8: out[i] = RgbQuadToPixel(table_[row[c]]); break;
      case 16: {
        const std::uint32_t v = std::uint32_t(row[2 * c]) | std::uint32_t(row[2 * c + 1]) << 8;
        out[i] = Channel(v, masks_[0]) << 16 | Channel(v, masks_[1]) << 8 | Channel(v, masks_[2]);
        break;
      }
      case 24: {
        const std::uint8_t* p = row + 3 * c;
        out[i] = Pixel(p[0]) | Pixel(p[1]) << 8 | Pixel(p[2]) << 16;
        break;
      }
      default: {
        const std::uint8_t* p = row + 4 * c;
        const std::uint32_t v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                std::uint32_t(p[3]) << 24;
        const bool plain = masks_[0] == 0xFF0000 && masks_[1] == 0xFF00 && masks_[2] == 0xFF;
        out[i] = plain ? v : (Channel(v, masks_[0]) << 16 | Channel(v, masks_[1]) << 8 | Channel(v, masks_[2]));
      }
    }
  }
}

void DibFormat::WritePixels(std::uint8_t* row, int x, int n, const Pixel* in) const {
  int lastIndex = -1;
  Pixel lastValue = 0;
  auto nearest = [&](Pixel p) {
    if (lastIndex >= 0 && (p & 0xFFFFFF) == lastValue) return lastIndex;
    int best = 0, bestDistance = Distance(p, table_[0]);
    for (std::size_t k = 1; k < table_.size() && bestDistance; ++k)
      if (const int d = Distance(p, table_[k]); d < bestDistance) best = int(k), bestDistance = d;
    lastIndex = best;
    lastValue = p & 0xFFFFFF;
    return best;
  };
  for (int i = 0; i < n; ++i) {
    const int c = x + i;
    const Pixel p = in[i];
    switch (bpp_) {
      case 1: {
        const std::uint8_t bit = std::uint8_t(0x80 >> (c & 7));
        row[c >> 3] = nearest(p) ? (row[c >> 3] | bit) : (row[c >> 3] & ~bit);
        break;
      }
      case 4: {
        std::uint8_t& b = row[c >> 1];
        const int k = nearest(p);
        b = (c & 1) ? std::uint8_t((b & 0xF0) | k) : std::uint8_t((b & 0x0F) | (k << 4));
        break;
      }
      case 8: row[c] = std::uint8_t(nearest(p)); break;
      case 16: {
        const std::uint32_t v = Pack(p, masks_[0], 16) | Pack(p, masks_[1], 8) | Pack(p, masks_[2], 0);
        row[2 * c] = std::uint8_t(v);
        row[2 * c + 1] = std::uint8_t(v >> 8);
        break;
      }
      case 24:
        row[3 * c] = std::uint8_t(p);
        row[3 * c + 1] = std::uint8_t(p >> 8);
        row[3 * c + 2] = std::uint8_t(p >> 16);
        break;
      default: {
        const bool plain = masks_[0] == 0xFF0000 && masks_[1] == 0xFF00 && masks_[2] == 0xFF;
        const std::uint32_t v = plain ? p : (Pack(p, masks_[0], 16) | Pack(p, masks_[1], 8) | Pack(p, masks_[2], 0));
        for (int k = 0; k < 4; ++k) row[4 * c + k] = std::uint8_t(v >> (8 * k));
      }
    }
  }
}

}  // namespace gdi
