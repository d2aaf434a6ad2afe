// What every codec fuzzing target checks of a decoder's answer: a failure carries a message, a
// success keeps the decoded image's invariants.  A violation aborts, so the fuzzer keeps the input.
#pragma once

#include <cstdlib>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace codec_fuzz {

// Smaller than the default limits, so that inputs claiming big images are refused quickly and
// the fuzzer spends its time on the parsers.
inline const gdi::DecodeLimits kLimits{4096, std::int64_t(1) << 22};

inline void Require(bool condition) {
  if (!condition) std::abort();
}

inline void Check(const gdi::CodecResult<gdi::DecodedImage>& r) {
  if (!r) {
    Require(!r.message.empty());
    return;
  }
  const gdi::DecodedImage& image = r.value;
  Require(kLimits.Allows(image.width, image.height));
  Require(image.pixels.size() == std::size_t(image.width) * std::size_t(image.height));
  Require(image.indices.empty() || image.indices.size() == image.pixels.size());
}

}  // namespace codec_fuzz
