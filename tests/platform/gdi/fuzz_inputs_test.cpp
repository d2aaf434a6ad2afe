// Runs the inputs kept from fuzzing (fuzz_inputs/<codec>/, see scripts/fuzz-codecs.sh) through
// the decoders: each must decode to a sound image or fail with a message, and never touch memory
// outside its input (the test build runs under AddressSanitizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "codec_test_support.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/gif_codec.h"
#include "platform/gdi/ico_codec.h"
#include "platform/gdi/image_format.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"

namespace {

namespace fs = std::filesystem;
using codec_test::Bytes;
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

Bytes Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST_P(FuzzInputs, EveryKeptInputDecodesOrFailsCleanly) {
  const char* source = std::getenv("PR_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::vector<fs::path> files;
  for (const auto& entry :
       fs::directory_iterator(fs::path(source) / "tests/platform/gdi/fuzz_inputs" / GetParam().codec))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const Bytes bytes = Read(file);
    ExpectClean(GetParam().decode(bytes));
    ExpectClean(gdi::DecodeImage(bytes));
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
