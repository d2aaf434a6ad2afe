// Fuzzing target for JPEG files.
#include "fuzz_check.h"
#include "platform/gdi/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  codec_fuzz::Check(gdi::DecodeJpeg(std::span<const std::uint8_t>(data, size), codec_fuzz::kLimits));
  return 0;
}
