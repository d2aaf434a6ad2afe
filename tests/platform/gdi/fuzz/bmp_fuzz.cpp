// Fuzzing target for BMP files and packed DIBs (see docs/platform-image-codecs.md).
#include "fuzz_check.h"
#include "platform/gdi/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  codec_fuzz::Check(gdi::DecodeBmp(bytes, codec_fuzz::kLimits));
  codec_fuzz::Check(gdi::DecodePackedDib(bytes, codec_fuzz::kLimits));
  return 0;
}
