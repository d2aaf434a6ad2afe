// BMP files and packed DIBs (the clipboard's and resources' form: a DIB without the file header).
//
// A BMP file is a 14-byte file header ("BM", file size, two reserved words, offset of the rows
// from the start of the file) followed by a DIB (dib_codec.h).  The file size field is not trusted;
// an offset of 0 means the rows follow the colour table.  A 16 or 32-bit bitmap whose alpha
// channel is zero everywhere is opaque, as its writers mean it.  Written files are bottom-up with a
// 40-byte header and no compression.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

CodecResult<DecodedImage> DecodeBmp(std::span<const std::uint8_t> file, const DecodeLimits& limits = {});
CodecResult<DecodedImage> DecodePackedDib(std::span<const std::uint8_t> dib, const DecodeLimits& limits = {});

// 1, 4 and 8 bits write the image's indices and palette; 24 and 32 bits its pixels (32 with alpha).
EncodedBytes EncodeBmp(const DecodedImage& image, int bitsPerPixel);
EncodedBytes EncodePackedDib(const DecodedImage& image, int bitsPerPixel);

}  // namespace gdi
