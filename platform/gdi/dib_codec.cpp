#include "platform/gdi/dib_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>

#include "platform/gdi/byte_reader.h"

namespace gdi {
namespace {

static_assert(std::endian::native == std::endian::little, "pixels are copied as blue, green, red, alpha bytes");

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitfields = 3,
  kJpeg = 4,
  kPng = 5,
  kAlphaBitfields = 6,
};

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;

bool IsWindowsHeaderSize(std::uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}
bool IsOs2ExtendedHeaderSize(std::uint32_t size) { return size >= 16 && size <= 64 && !IsWindowsHeaderSize(size); }

// The header fields this decoder uses; fields beyond a short header read as zero.
struct HeaderFields {
  std::uint32_t size = 0;
  std::int64_t width = 0, height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha of headers of 52 bytes or more
};

HeaderFields ReadFields(std::span<const std::uint8_t> dib, std::uint32_t size) {
  HeaderFields f;
  f.size = size;
  if (size == kCoreHeaderSize) {
    ByteReader r(dib.subspan(4, 8));
    f.width = r.U16();
    f.height = r.U16();
    r.U16();  // planes
    f.bitsPerPixel = r.U16();
    return f;
  }
  std::array<std::uint8_t, kLargestHeaderSize> bytes{};
  std::copy_n(dib.begin(), std::min<std::size_t>(size, bytes.size()), bytes.begin());
  ByteReader r(bytes);
  r.Skip(4);
  f.width = r.I32();
  f.height = r.I32();
  r.U16();  // planes
  f.bitsPerPixel = r.U16();
  f.compression = r.U32();
  r.Skip(12);  // image size, resolution
  f.colorsUsed = r.U32();
  r.Skip(4);  // important colours
  if (IsWindowsHeaderSize(size)) {
    for (std::uint32_t& m : f.masks) m = r.U32();
    if (size < 56) f.masks[3] = 0;
  }
  return f;
}

bool IsPlainDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// Ok when the compression and depth go together and are decoded here; else the failure.
CodecResult<DibHeader> CheckFormat(const HeaderFields& f) {
  using R = CodecResult<DibHeader>;
  const bool os2 = IsOs2ExtendedHeaderSize(f.size);
  if (os2 && (f.compression == 3 || f.compression == 4))
    return R::Failure(CodecStatus::Unsupported, "OS/2 Huffman and 24-bit run-length bitmaps are not decoded");
  switch (f.compression) {
    case kRgb:
      if (f.bitsPerPixel == 2) return R::Failure(CodecStatus::Unsupported, "2-bit bitmaps are not decoded");
      if (!IsPlainDepth(f.bitsPerPixel)) return R::Failure(CodecStatus::Corrupt, "invalid bits per pixel");
      break;
    case kRle8:
    case kRle4:
      if (f.bitsPerPixel != (f.compression == kRle8 ? 8 : 4))
        return R::Failure(CodecStatus::Corrupt, "run-length compression with the wrong bits per pixel");
      break;
    case kBitfields:
    case kAlphaBitfields:
      if (f.bitsPerPixel != 16 && f.bitsPerPixel != 32)
        return R::Failure(CodecStatus::Corrupt, "colour masks need 16 or 32 bits per pixel");
      break;
    case kJpeg:
    case kPng:
      return R::Failure(CodecStatus::Unsupported, "bitmaps holding JPEG or PNG data are not decoded");
    default:
      return R::Failure(CodecStatus::Corrupt, "unknown compression");
  }
  if (f.width <= 0 || f.height == 0) return R::Failure(CodecStatus::Corrupt, "empty or negative width or height");
  if (f.width > INT_MAX || f.height > INT_MAX || f.height < -INT_MAX)
    return R::Failure(CodecStatus::TooLarge, "bitmap size out of range");
  return R{};
}

std::uint32_t RgbQuad(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  return kOpaqueBlack | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

// One colour channel of a masked pixel, scaled to 8 bits.
class Channel {
 public:
  explicit Channel(std::uint32_t mask) : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_) {}
  std::uint32_t Raw(std::uint32_t v) const { return (v & mask_) >> shift_; }
  std::uint32_t Scaled(std::uint32_t v) const {
    if (max_ == 0) return 0;
    if (max_ == 255) return Raw(v);
    return std::uint32_t((std::uint64_t(Raw(v)) * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint32_t max_;
};

struct MaskedFormat {
  Channel red, green, blue, alpha;
  bool hasAlpha;
  explicit MaskedFormat(const DibHeader& h)
      : red(h.redMask), green(h.greenMask), blue(h.blueMask), alpha(h.alphaMask), hasAlpha(h.alphaMask != 0) {}
};

std::uint32_t IndexedColor(const DibHeader& h, std::uint32_t index) {
  return index < h.palette.size() ? h.palette[index] : kOpaqueBlack;
}

void UnpackIndexedRow(const DibHeader& h, const std::uint8_t* row, std::uint32_t* out, std::uint8_t* indices) {
  const int bits = h.bitsPerPixel;
  const unsigned valueMask = (1u << bits) - 1;
  for (int x = 0; x < h.width; ++x) {
    const std::size_t bit = std::size_t(x) * std::size_t(bits);
    const std::uint8_t index = std::uint8_t((row[bit >> 3] >> (8 - bits - (bit & 7))) & valueMask);
    indices[x] = index;
    out[x] = IndexedColor(h, index);
  }
}

// Returns whether any alpha read is nonzero.
bool UnpackMaskedRow(const DibHeader& h, const MaskedFormat& f, const std::uint8_t* row, std::uint32_t* out) {
  bool anyAlpha = false;
  const bool wide = h.bitsPerPixel == 32;
  for (int x = 0; x < h.width; ++x) {
    const std::uint8_t* p = row + std::size_t(x) * (wide ? 4 : 2);
    std::uint32_t v = p[0] | std::uint32_t(p[1]) << 8;
    if (wide) v |= std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    std::uint32_t a = 255;
    if (f.hasAlpha) {
      a = f.alpha.Scaled(v);
      anyAlpha |= f.alpha.Raw(v) != 0;
    }
    out[x] = a << 24 | f.red.Scaled(v) << 16 | f.green.Scaled(v) << 8 | f.blue.Scaled(v);
  }
  return anyAlpha;
}

// 32-bit rows stored blue, green, red, alpha (or unused) are this layer's own pixels: a copy.
bool IsNativeLayout(const DibHeader& h) {
  return h.bitsPerPixel == 32 && h.redMask == 0xFF0000 && h.greenMask == 0xFF00 && h.blueMask == 0xFF &&
         (h.alphaMask == 0xFF000000 || h.alphaMask == 0);
}

// Returns whether any alpha read is nonzero.
bool CopyNativeRow(const DibHeader& h, const std::uint8_t* row, std::uint32_t* out) {
  std::memcpy(out, row, std::size_t(h.width) * 4);
  std::uint32_t alpha = 0;
  for (int x = 0; x < h.width; ++x) {
    if (h.alphaMask == 0) out[x] |= kOpaqueBlack;
    alpha |= out[x];
  }
  return h.alphaMask != 0 && (alpha >> 24) != 0;
}

void UnpackRgbRow(const DibHeader& h, const std::uint8_t* row, std::uint32_t* out) {
  for (int x = 0; x < h.width; ++x, row += 3) out[x] = RgbQuad(row[0], row[1], row[2]);
}

// The image row that the n-th row stored in the file holds.
std::size_t ImageRow(const DibHeader& h, std::int64_t fileRow) {
  return std::size_t(h.topDown ? fileRow : h.height - 1 - fileRow);
}

DecodedImage NewImage(const DibHeader& h) {
  DecodedImage image;
  image.width = h.width;
  image.height = h.height;
  image.sourceBitsPerPixel = h.bitsPerPixel;
  image.pixels.resize(std::size_t(h.width) * std::size_t(h.height));
  if (h.bitsPerPixel <= 8) {
    image.palette = h.palette;
    image.indices.resize(image.pixels.size());
  }
  return image;
}

CodecResult<DibPixels> DecodePlainRows(const DibHeader& h, std::span<const std::uint8_t> bits) {
  const std::size_t stride = h.Stride();
  const std::size_t lastRowBytes = (std::size_t(h.width) * std::size_t(h.bitsPerPixel) + 7) / 8;
  if (bits.size() / stride < std::size_t(h.height - 1) ||
      bits.size() - stride * std::size_t(h.height - 1) < lastRowBytes)
    return CodecResult<DibPixels>::Failure(CodecStatus::Truncated, "bitmap rows end early");
  DibPixels result;
  result.image = NewImage(h);
  DecodedImage& image = result.image;
  const MaskedFormat masked(h);
  result.alphaChannel = h.bitsPerPixel >= 16 && masked.hasAlpha;
  const bool native = IsNativeLayout(h);
  for (std::int64_t fileRow = 0; fileRow < h.height; ++fileRow) {
    const std::uint8_t* row = bits.data() + std::size_t(fileRow) * stride;
    const std::size_t at = ImageRow(h, fileRow) * std::size_t(h.width);
    std::uint32_t* out = image.pixels.data() + at;
    if (h.bitsPerPixel <= 8)
      UnpackIndexedRow(h, row, out, image.indices.data() + at);
    else if (h.bitsPerPixel == 24)
      UnpackRgbRow(h, row, out);
    else if (native)
      result.anyAlpha |= CopyNativeRow(h, row, out);
    else
      result.anyAlpha |= UnpackMaskedRow(h, masked, row, out);
  }
  return CodecResult<DibPixels>::Success(std::move(result));
}

// BI_RLE8 / BI_RLE4: pairs (count, value) draw count pixels; (0, 0) ends a row, (0, 1) the bitmap,
// (0, 2, dx, dy) moves the position, (0, n >= 3) is followed by n literal pixels padded to 16 bits.
// Pixels outside the bitmap are dropped.  The data may end without (0, 1) once every row is done.
CodecResult<DibPixels> DecodeRunLengthRows(const DibHeader& h, std::span<const std::uint8_t> bits) {
  using R = CodecResult<DibPixels>;
  DibPixels result;
  result.image = NewImage(h);
  DecodedImage& image = result.image;
  const bool nibbles = h.bitsPerPixel == 4;
  std::int64_t x = 0, y = 0;
  auto put = [&](std::uint8_t index) {
    if (x < h.width) image.indices[ImageRow(h, y) * std::size_t(h.width) + std::size_t(x)] = index;
    ++x;
  };
  auto nth = [nibbles](std::span<const std::uint8_t> values, std::size_t i) -> std::uint8_t {
    return nibbles ? std::uint8_t(i & 1 ? values[i / 2] & 15 : values[i / 2] >> 4) : values[i];
  };
  ByteReader r(bits);
  while (y < h.height) {
    const std::uint8_t count = r.U8();
    const std::uint8_t value = r.U8();
    if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "run-length data ends early");
    if (count > 0) {
      for (std::size_t i = 0; i < count; ++i) put(nibbles ? std::uint8_t(i & 1 ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      x += r.U8();
      y += r.U8();
      if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "run-length data ends early");
    } else {
      const std::size_t bytes = nibbles ? (value + 1u) / 2 : value;
      const std::span<const std::uint8_t> literal = r.Bytes(bytes + (bytes & 1));
      if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "run-length data ends early");
      for (std::size_t i = 0; i < value; ++i) put(nth(literal, i));
    }
  }
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = IndexedColor(h, image.indices[i]);
  return R::Success(std::move(result));
}

}  // namespace

CodecResult<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib, std::optional<std::size_t> bitsOffset) {
  using R = CodecResult<DibHeader>;
  ByteReader r(dib);
  const std::uint32_t size = r.U32();
  if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "bitmap header ends early");
  if (size != kCoreHeaderSize && !IsWindowsHeaderSize(size) && !IsOs2ExtendedHeaderSize(size))
    return R::Failure(size < kCoreHeaderSize ? CodecStatus::Corrupt : CodecStatus::Unsupported,
                      "unknown bitmap header size");
  if (dib.size() < size) return R::Failure(CodecStatus::Truncated, "bitmap header ends early");
  const HeaderFields f = ReadFields(dib, size);
  R checked = CheckFormat(f);
  if (!checked) return checked;

  DibHeader h;
  h.width = int(f.width);
  h.height = int(f.height < 0 ? -f.height : f.height);
  h.topDown = f.height < 0;
  h.bitsPerPixel = f.bitsPerPixel;
  h.runLength = f.compression == kRle8 || f.compression == kRle4;
  std::size_t tableStart = size;
  if (f.compression == kBitfields || f.compression == kAlphaBitfields) {
    std::array<std::uint32_t, 4> masks = f.masks;
    if (size < 52) {
      r.Seek(size);
      const int count = f.compression == kAlphaBitfields ? 4 : 3;
      for (int i = 0; i < count; ++i) masks[i] = r.U32();
      if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "colour masks end early");
      tableStart = r.Offset();
    }
    h.redMask = masks[0], h.greenMask = masks[1], h.blueMask = masks[2], h.alphaMask = masks[3];
  } else if (f.bitsPerPixel == 16) {
    h.redMask = 0x7C00, h.greenMask = 0x03E0, h.blueMask = 0x001F;
  } else if (f.bitsPerPixel == 32) {
    h.redMask = 0xFF0000, h.greenMask = 0xFF00, h.blueMask = 0xFF, h.alphaMask = 0xFF000000;
  }

  const std::size_t entrySize = size == kCoreHeaderSize ? 3 : 4;
  std::uint64_t entries = f.colorsUsed;
  if (f.bitsPerPixel <= 8) {
    const std::uint64_t full = std::uint64_t(1) << f.bitsPerPixel;
    if (entries == 0 || entries > full || size == kCoreHeaderSize) entries = full;
    if (bitsOffset) {
      if (*bitsOffset < tableStart) return R::Failure(CodecStatus::Corrupt, "bitmap rows overlap the header");
      entries = std::min<std::uint64_t>(entries, (*bitsOffset - tableStart) / entrySize);
    }
    r.Seek(tableStart);
    for (std::uint64_t i = 0; i < entries; ++i) {
      const std::span<const std::uint8_t> e = r.Bytes(entrySize);
      if (!r.Ok()) return R::Failure(CodecStatus::Truncated, "colour table ends early");
      h.palette.push_back(RgbQuad(e[0], e[1], e[2]));
    }
  }
  h.tableEnd = std::size_t(std::min<std::uint64_t>(tableStart + entries * entrySize, SIZE_MAX));
  return R::Success(std::move(h));
}

CodecResult<DibPixels> DecodeDibBits(const DibHeader& header, std::span<const std::uint8_t> bits,
                                     const DecodeLimits& limits) {
  if (!limits.Allows(header.width, header.height))
    return CodecResult<DibPixels>::Failure(CodecStatus::TooLarge, "bitmap larger than the decoding limits");
  return header.runLength ? DecodeRunLengthRows(header, bits) : DecodePlainRows(header, bits);
}

std::string DibEncodeProblem(const DecodedImage& image, int bitsPerPixel) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
    return "the pixels do not match the image size";
  if (bitsPerPixel == 24 || bitsPerPixel == 32) return {};
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8)
    return "bitmaps are written with 1, 4, 8, 24 or 32 bits per pixel";
  const std::size_t full = std::size_t(1) << bitsPerPixel;
  if (image.indices.size() != image.pixels.size() || image.palette.empty() || image.palette.size() > full)
    return "an indexed bitmap needs an index per pixel and a palette that fits the depth";
  if (std::any_of(image.indices.begin(), image.indices.end(), [full](std::uint8_t i) { return i >= full; }))
    return "a pixel index does not fit the depth";
  return {};
}

namespace {

// Packs image row y into `row`, which the caller has zeroed.
void PackRow(const DecodedImage& image, int bitsPerPixel, int y, std::uint8_t* row) {
  const std::size_t width = std::size_t(image.width), at = std::size_t(y) * width;
  if (bitsPerPixel == 32) {
    std::memcpy(row, &image.pixels[at], 4 * width);
  } else if (bitsPerPixel == 24) {
    for (std::size_t x = 0; x < width; ++x, row += 3) {
      const std::uint32_t p = image.pixels[at + x];
      row[0] = std::uint8_t(p), row[1] = std::uint8_t(p >> 8), row[2] = std::uint8_t(p >> 16);
    }
  } else {
    for (std::size_t x = 0; x < width; ++x) {
      const std::size_t bit = x * std::size_t(bitsPerPixel);
      row[bit >> 3] |= std::uint8_t(image.indices[at + x] << (8 - bitsPerPixel - (bit & 7)));
    }
  }
}

void WriteMaskRow(ByteWriter& out, const DecodedImage& image, int y) {
  std::vector<std::uint8_t> row((std::size_t(image.width) + 31) / 32 * 4, 0);
  const std::size_t at = std::size_t(y) * std::size_t(image.width);
  for (std::size_t x = 0; x < std::size_t(image.width); ++x)
    if ((image.pixels[at + x] >> 24) == 0) row[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
  out.Bytes(row);
}

}  // namespace

void WriteDib(ByteWriter& out, const DecodedImage& image, int bitsPerPixel, bool andMask) {
  const std::size_t stride = (std::size_t(image.width) * std::size_t(bitsPerPixel) + 31) / 32 * 4;
  const std::size_t maskStride = (std::size_t(image.width) + 31) / 32 * 4;
  const std::size_t imageSize = (stride + (andMask ? maskStride : 0)) * std::size_t(image.height);
  const bool indexed = bitsPerPixel <= 8;
  out.Reserve(kInfoHeaderSize + (indexed ? 4 * image.palette.size() : 0) + imageSize);
  out.U32(kInfoHeaderSize);
  out.I32(image.width);
  out.I32(andMask ? 2 * image.height : image.height);
  out.U16(1);
  out.U16(std::uint16_t(bitsPerPixel));
  out.U32(kRgb);
  out.U32(std::uint32_t(imageSize));
  out.U32(0);  // horizontal and vertical resolution: unknown
  out.U32(0);
  out.U32(indexed ? std::uint32_t(image.palette.size()) : 0);
  out.U32(0);  // every colour is important
  if (indexed)
    for (std::uint32_t c : image.palette) out.U32(c & 0xFFFFFF);
  std::vector<std::uint8_t> row(stride);
  for (int y = image.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    PackRow(image, bitsPerPixel, y, row.data());
    out.Bytes(row);
  }
  if (andMask)
    for (int y = image.height - 1; y >= 0; --y) WriteMaskRow(out, image, y);
}

}  // namespace gdi
