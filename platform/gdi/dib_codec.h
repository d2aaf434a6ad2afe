// Device-independent bitmaps as they are stored in BMP files, on the clipboard and inside icons.
//
// Layout read: an information header whose first 32-bit word is its size (12: OS/2 core header
// with 16-bit width and height; 16..64 other than the Windows sizes: OS/2 extended header; 40, 52,
// 56, 108, 124: the Windows headers), then for a 40-byte header with BI_BITFIELDS (BI_ALPHABITFIELDS)
// three (four) 32-bit colour masks, then the colour table (RGB triples after a core header, RGB
// quads otherwise; for 8 bits or fewer biClrUsed entries, or 2^bits when 0 or larger), then the
// rows: padded to 4 bytes, bottom-up unless the height is negative.  Pixels: 1, 4, 8 bits through
// the table; 16 bits 5-5-5 or masks; 24 bits blue, green, red; 32 bits blue, green, red, alpha or
// masks; BI_RLE8 and BI_RLE4 run-length rows.  Not decoded (Unsupported): 2-bit rows, embedded
// JPEG or PNG, and the OS/2 Huffman and 24-bit run-length compressions.
//
// Invariants: every byte offset is checked against the input before it is read; the rows must be
// present up to the last pixel of the last row (its padding may be missing); the pixel buffer is
// allocated only after the size passed DecodeLimits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/byte_writer.h"
#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

struct DibHeader {
  int width = 0;
  int height = 0;  // rows of the image, always positive
  bool topDown = false;
  int bitsPerPixel = 0;
  bool runLength = false;  // BI_RLE8 or BI_RLE4
  // Channel masks of 16 and 32-bit pixels; alpha 0 when the pixels carry no alpha.
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
  std::vector<std::uint32_t> palette;  // 0xFFRRGGBB
  // Bytes from the start of the header to the end of its masks and colour table, where a packed
  // DIB's rows begin.
  std::size_t tableEnd = 0;

  std::size_t Stride() const { return (std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32 * 4; }
};

// Reads the header, masks and colour table at the start of `dib`.  `bitsOffset`, when the rows'
// position is known from elsewhere (a BMP file header), bounds the colour table: files that store
// fewer entries than their header implies keep the entries that fit before the rows.
CodecResult<DibHeader> ReadDibHeader(std::span<const std::uint8_t> dib, std::optional<std::size_t> bitsOffset);

// The decoded rows of a DIB.  When `alphaChannel` is set the pixels carry the alpha the file
// stored; `anyAlpha` tells whether any of it is nonzero (many writers leave the channel zero and
// mean "opaque").  Without an alpha channel every pixel is opaque.
struct DibPixels {
  DecodedImage image;
  bool alphaChannel = false;
  bool anyAlpha = false;
};

// Decodes the rows that start at `bits` (which may extend beyond them).  Run-length rows leave the
// pixels they skip at index 0.
CodecResult<DibPixels> DecodeDibBits(const DibHeader& header, std::span<const std::uint8_t> bits,
                                     const DecodeLimits& limits);

// Why `image` cannot be written with `bitsPerPixel` (1, 4 and 8 need indices, all below 2^bits,
// and a palette of at most 2^bits entries; 24 and 32 need only pixels), or empty when it can.
std::string DibEncodeProblem(const DecodedImage& image, int bitsPerPixel);

// Writes a 40-byte header, colour table and bottom-up rows of 1, 4, 8 (from the image's indices
// and palette), 24 or 32 bits (blue, green, red, alpha) for an image DibEncodeProblem accepts.
// With `andMask` the header's height is doubled and a 1-bit mask follows the rows, set where a
// pixel's alpha is 0: an icon entry.
void WriteDib(ByteWriter& out, const DecodedImage& image, int bitsPerPixel, bool andMask);

}  // namespace gdi
