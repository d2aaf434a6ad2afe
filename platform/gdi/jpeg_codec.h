// JPEG files through libjpeg: baseline and progressive, greyscale, YCbCr, RGB, CMYK and YCCK
// (converted to RGB; an Adobe marker means the file stores inverted ink values, as Adobe's writers
// do).  Decoded pixels are opaque.  A file cut short anywhere, even just before its end marker,
// fails as truncated.  Encoding writes baseline YCbCr (chroma halved both ways) or greyscale at a
// quality of 1..100, dropping alpha; a smooth picture keeps a peak signal-to-noise ratio of at
// least 41 dB at quality 75 and 45 dB at 90.
//
// Statuses: a valid file libjpeg does not decode (12-bit samples, arithmetic coding where it is
// not built in) is Unsupported; running out of the working memory allowed is TooLarge.
//
// Limits: the size must pass DecodeLimits before anything is allocated; libjpeg's own working
// memory is capped at 8 bytes per allowed pixel and a progressive file at 1000 scans, so crafted
// files cannot make it allocate or loop without bound.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace gdi {

struct JpegOptions {
  int quality = 75;  // 1 (smallest) .. 100 (best)
  bool grayscale = false;
};

bool IsJpegSignature(std::span<const std::uint8_t> data);
CodecResult<DecodedImage> DecodeJpeg(std::span<const std::uint8_t> file, const DecodeLimits& limits = {});
EncodedBytes EncodeJpeg(const DecodedImage& image, const JpegOptions& options = {});

}  // namespace gdi
