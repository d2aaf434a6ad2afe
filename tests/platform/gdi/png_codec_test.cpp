#include "platform/gdi/png_codec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "codec_test_support.h"
#include "png_test_writer.h"

namespace {

using codec_test::Argb;
using codec_test::Bytes;
using gdi::CodecStatus;
using png_test::PngSpec;
using png_test::WritePng;

struct FormCase {
  const char* name;
  PngSpec spec;
  std::vector<std::uint32_t> expected;
  int bitsPerPixel;
};

TEST(PngCodec, DecodesEveryColourTypeAndDepth) {
  const std::vector<FormCase> cases = {
      {"2-bit palette with transparency",
       {3, 1, 2, PNG_COLOR_TYPE_PALETTE, false, {{0x18}}, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {0x80}},
       {Argb(0x80, 255, 0, 0), Argb(255, 0, 255, 0), Argb(255, 0, 0, 255)},
       2},
      {"1-bit grey",
       {3, 1, 1, PNG_COLOR_TYPE_GRAY, false, {{0xA0}}, {}, {}},
       {Argb(255, 255, 255, 255), Argb(255, 0, 0, 0), Argb(255, 255, 255, 255)},
       1},
      {"8-bit grey",
       {3, 1, 8, PNG_COLOR_TYPE_GRAY, false, {{0, 128, 255}}, {}, {}},
       {Argb(255, 0, 0, 0), Argb(255, 128, 128, 128), Argb(255, 255, 255, 255)},
       8},
      {"grey with alpha",
       {1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {{100, 50}}, {}, {}},
       {Argb(50, 100, 100, 100)},
       16},
      {"16-bit colour, samples scaled",
       {1, 1, 16, PNG_COLOR_TYPE_RGB, false, {{0x0A, 0x0A, 0xC8, 0xC8, 0xFF, 0xFF}}, {}, {}},
       {Argb(255, 10, 200, 255)},
       48},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = gdi::DecodePng(WritePng(c.spec));
    codec_test::ExpectValidImage(r);
    EXPECT_EQ(r.value.pixels, c.expected);
    EXPECT_EQ(r.value.sourceBitsPerPixel, c.bitsPerPixel);
  }
}

TEST(PngCodec, InterlacedRowsDecodeLikePlainOnes) {
  PngSpec spec{9, 7, 8, PNG_COLOR_TYPE_RGB_ALPHA, false, {}, {}, {}};
  std::vector<std::uint32_t> expected;
  for (int y = 0; y < spec.height; ++y) {
    Bytes row;
    for (int x = 0; x < spec.width; ++x) {
      const std::uint8_t r = std::uint8_t(x * 28), g = std::uint8_t(y * 36), b = std::uint8_t(x ^ y),
                         a = std::uint8_t(255 - x * y);
      row.insert(row.end(), {r, g, b, a});
      expected.push_back(Argb(a, r, g, b));
    }
    spec.rows.push_back(row);
  }
  for (bool interlaced : {false, true}) {
    spec.interlaced = interlaced;
    const auto r = gdi::DecodePng(WritePng(spec));
    codec_test::ExpectValidImage(r);
    EXPECT_EQ(r.value.pixels, expected) << (interlaced ? "interlaced" : "plain");
  }
}

TEST(PngCodec, EncodingThenDecodingGivesThePixelsExactly) {
  for (bool alpha : {false, true}) {
    SCOPED_TRACE(alpha ? "with alpha" : "opaque");
    const gdi::DecodedImage image = codec_test::Gradient(37, 19, alpha);
    const auto file = gdi::EncodePng(image);
    ASSERT_TRUE(file) << file.message;
    EXPECT_EQ(gdi::ReadPngHeader(file.value)->bitsPerPixel, alpha ? 32 : 24);
    const auto decoded = gdi::DecodePng(file.value);
    codec_test::ExpectValidImage(decoded);
    EXPECT_EQ(decoded.value.pixels, image.pixels);
  }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

void PutBigEndian(Bytes& file, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) file[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

// The file with its header chunk claiming another size, checksum kept valid.
Bytes WithClaimedSize(Bytes file, std::uint32_t width, std::uint32_t height) {
  PutBigEndian(file, 16, width);
  PutBigEndian(file, 20, height);
  PutBigEndian(file, 29, Crc32(&file[12], 17));
  return file;
}

std::uint32_t BigEndian(const Bytes& file, std::size_t at) {
  return std::uint32_t(file[at] << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3]);
}

// The file with the first byte of its compressed stream (the compression method) changed,
// checksum kept valid.
Bytes WithDamagedData(Bytes file) {
  std::size_t chunk = 8;
  while (std::memcmp(&file[chunk + 4], "IDAT", 4) != 0) chunk += 12 + BigEndian(file, chunk);
  const std::uint32_t length = BigEndian(file, chunk);
  file[chunk + 8] ^= 0xFF;
  PutBigEndian(file, chunk + 8 + length, Crc32(&file[chunk + 4], length + 4));
  return file;
}

TEST(PngCodec, RejectsBrokenFilesWithTheRightStatus) {
  const Bytes good = gdi::EncodePng(codec_test::Gradient(16, 16, true)).value;
  Bytes badChecksum = good;
  badChecksum[20] ^= 1;
  gdi::DecodeLimits small;
  small.maxPixels = 100;
  const codec_test::BrokenFile cases[] = {
      {"another format", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0}, CodecStatus::NotRecognised, {}},
      {"header checksum wrong", badChecksum, CodecStatus::Corrupt, {}},
      {"compressed data damaged", WithDamagedData(good), CodecStatus::Corrupt, {}},
      {"more pixels than the limit", good, CodecStatus::TooLarge, small},
      {"short file claiming a huge image", WithClaimedSize(good, 8000, 8000), CodecStatus::Truncated, {}},
      {"zero width", WithClaimedSize(good, 0, 16), CodecStatus::Corrupt, {}},
  };
  codec_test::ExpectStatuses(cases, [](const Bytes& file, const gdi::DecodeLimits& limits) {
    return gdi::DecodePng(file, limits);
  });
}

TEST(PngCodec, EveryCutCopyFailsUntilTheImageDataIsWhole) {
  const Bytes file = gdi::EncodePng(codec_test::Gradient(12, 9, true)).value;
  const std::size_t endChunk = 12;  // a file lacking only its end chunk still decodes
  codec_test::ExpectPrefixesFailBelow(file, file.size() - endChunk,
                                      [](std::span<const std::uint8_t> b) { return gdi::DecodePng(b); });
}

TEST(PngCodec, EncoderRefusesPixelsThatDoNotMatchTheSize) {
  gdi::DecodedImage image = codec_test::Gradient(4, 4, false);
  image.height = 5;
  EXPECT_EQ(gdi::EncodePng(image).status, CodecStatus::InvalidArgument);
}

}  // namespace
