// PNG files through libpng: every colour type, bit depth and interlacing decodes to 8-bit pixels
// with straight alpha; 16-bit samples without gamma information are taken as sRGB (scaled, not
// gamma-converted).  A file whose image data is complete but which lacks the end chunk decodes;
// cut anywhere earlier it fails.  Encoding writes 8-bit truecolour, with an alpha channel only when some pixel
// is not opaque, so decoding what was encoded gives the same pixels exactly.
//
// Before the pixels are allocated the size must pass DecodeLimits, and a file must be long enough
// to hold the image's compressed data at deflate's best ratio (1032:1), so a short file that
// claims a huge image fails at once as truncated.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

bool IsPngSignature(std::span<const std::uint8_t> data);

struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitsPerPixel = 0;  // bit depth times channels
};
// The header chunk that follows the signature, unchecked; nullopt when the data is too short.
std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> file);
CodecResult<DecodedImage> DecodePng(std::span<const std::uint8_t> file, const DecodeLimits& limits = {});
EncodedBytes EncodePng(const DecodedImage& image);

}  // namespace gdi
