// Runs the inputs kept from fuzzing (fuzz_inputs/<codec>/, see scripts/fuzz-codecs.sh) through
// the decoders: each must decode to a sound image or fail with a message, and never touch memory
// outside its input (the test build runs under AddressSanitizer).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec_test_support.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gif_codec.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/image_format.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"
#include "tests/support/os/kept_inputs.h"

namespace {

using Result = gdi::CodecResult<gdi::DecodedImage>;

void ExpectClean(const Result& r) {
  if (r)
    codec_test::ExpectValidImage(r);
  else
    EXPECT_FALSE(r.message.empty());
}

Result BmpAndPackedDib(std::span<const std::uint8_t> file) {
  ExpectClean(gdi::DecodePackedDib(file));
  return gdi::DecodeBmp(file);
}

Result EveryIconEntry(std::span<const std::uint8_t> file) {
  const auto directory = gdi::ReadIconDirectory(file);
  if (!directory) return Result::FailureOf(directory);
  for (const gdi::IconEntry& entry : directory.value.entries) ExpectClean(gdi::DecodeIconEntry(file, entry));
  return gdi::DecodeIcon(file, 32, 32, 32);
}

Result EveryGifFrame(std::span<const std::uint8_t> file) {
  auto animation = gdi::DecodeGifAnimation(file);
  if (!animation) return Result::FailureOf(animation);
  for (const gdi::GifFrame& frame : animation.value.frames) ExpectClean(Result::Success(frame.image));
  return Result::Success(std::move(animation.value.frames.front().image));
}

struct KeptInputs {
  const char* codec;
  Result (*decode)(std::span<const std::uint8_t>);
};

void PrintTo(const KeptInputs& inputs, std::ostream* out) { *out << inputs.codec; }

class FuzzInputs : public testing::TestWithParam<KeptInputs> {};

TEST_P(FuzzInputs, EveryKeptInputDecodesOrFailsCleanly) {
  const std::vector<KeptInput> inputs =
      ReadKeptInputs(std::string("tests/platform/gdi/fuzz_inputs/") + GetParam().codec);
  ASSERT_FALSE(inputs.empty());
  for (const KeptInput& input : inputs) {
    SCOPED_TRACE(input.name);
    ExpectClean(GetParam().decode(input.bytes));
    ExpectClean(gdi::DecodeImage(input.bytes));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, FuzzInputs,
    testing::Values(KeptInputs{"bmp", BmpAndPackedDib}, KeptInputs{"ico", EveryIconEntry},
                    KeptInputs{"png", [](std::span<const std::uint8_t> b) { return gdi::DecodePng(b); }},
                    KeptInputs{"jpeg", [](std::span<const std::uint8_t> b) { return gdi::DecodeJpeg(b); }},
                    KeptInputs{"gif", EveryGifFrame}),
    [](const testing::TestParamInfo<KeptInputs>& info) { return std::string(info.param.codec); });

}  // namespace
