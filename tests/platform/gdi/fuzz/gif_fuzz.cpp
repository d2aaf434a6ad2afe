// Fuzzing target for GIF files: every frame of the animation.
#include "fuzz_check.h"
#include "platform/gdi/gif_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto animation = gdi::DecodeGifAnimation(std::span<const std::uint8_t>(data, size), codec_fuzz::kLimits);
  if (!animation) {
    codec_fuzz::Require(!animation.message.empty());
    return 0;
  }
  codec_fuzz::Require(!animation.value.frames.empty());
  for (const gdi::GifFrame& frame : animation.value.frames)
    codec_fuzz::Check(gdi::CodecResult<gdi::DecodedImage>::Success(frame.image));
  return 0;
}
