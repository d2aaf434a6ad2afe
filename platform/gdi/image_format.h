// Recognising an image file by its first bytes and decoding whichever format it is: the entry
// point for loaders that accept any picture file (BMP, icon, cursor, PNG, JPEG, GIF).
#pragma once

#include <cstdint>
#include <span>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

enum class ImageFormat { Unknown, Bmp, Icon, Cursor, Png, Jpeg, Gif };

ImageFormat DetectImageFormat(std::span<const std::uint8_t> data);

// Icons and cursors give their largest entry of the greatest depth, GIFs their first frame.
CodecResult<DecodedImage> DecodeImage(std::span<const std::uint8_t> data, const DecodeLimits& limits = {});

}  // namespace gdi
