#include "platform/gdi/bmp_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "bmp_test_writer.h"
#include "codec_test_support.h"

namespace {

using bmp_test::BmpFile;
using bmp_test::DibSpec;
using codec_test::Argb;
using codec_test::Bytes;
using gdi::CodecStatus;

constexpr std::uint32_t kBlack = 0xFF000000;

std::vector<std::uint32_t> Grey16() {
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < 16; ++i) palette.push_back(i * 0x111111);
  return palette;
}

struct FormCase {
  const char* name;
  DibSpec spec;
  std::vector<std::uint32_t> expected;  // top-down pixels
};

TEST(BmpCodec, DecodesEveryStoredForm) {
  const std::vector<FormCase> cases = {
      {"OS/2 core header, table clipped by the row offset",
       DibSpec().HeaderSize(12).Width(2).Height(2).Bits(8).Palette({0x030201, 0x060504}).Rows({1, 0, 0, 0, 0, 1, 0, 0}),
       {Argb(255, 3, 2, 1), Argb(255, 6, 5, 4), Argb(255, 6, 5, 4), Argb(255, 3, 2, 1)}},
      {"OS/2 extended header, 4 bits",
       DibSpec().HeaderSize(64).Width(3).Bits(4).Palette(Grey16()).Rows({0x12, 0x30, 0, 0}),
       {Argb(255, 0x11, 0x11, 0x11), Argb(255, 0x22, 0x22, 0x22), Argb(255, 0x33, 0x33, 0x33)}},
      {"1 bit across a byte boundary",
       DibSpec().Width(9).Bits(1).Palette({0x000000, 0xFFFFFF}).Rows({0xA0, 0x80, 0, 0}),
       {~0u, kBlack, ~0u, kBlack, kBlack, kBlack, kBlack, kBlack, ~0u}},
      {"16 bits 5-5-5",
       DibSpec().Width(4).Bits(16).Rows({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}),
       {Argb(255, 255, 0, 0), Argb(255, 0, 255, 0), Argb(255, 0, 0, 255), Argb(255, 132, 132, 132)}},
      {"16 bits 5-6-5 masks after the header",
       DibSpec()
           .Width(4)
           .Bits(16)
           .Compression(3)
           .Masks({0xF800, 0x07E0, 0x001F})
           .Rows({0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00, 0xFF, 0xFF}),
       {Argb(255, 255, 0, 0), Argb(255, 0, 255, 0), Argb(255, 0, 4, 0), Argb(255, 255, 255, 255)}},
      {"32 bits, masks with alpha in a 124-byte header",
       DibSpec()
           .HeaderSize(124)
           .Bits(32)
           .Compression(3)
           .Masks({0xFF, 0xFF00, 0xFF0000, 0xFF000000})
           .Rows({0x11, 0x22, 0x33, 0x80}),
       {Argb(0x80, 0x11, 0x22, 0x33)}},
      {"32 bits, four masks after a 40-byte header",
       DibSpec().Bits(32).Compression(6).Masks({0xFF000000, 0xFF0000, 0xFF00, 0xFF}).Rows({0x44, 0x33, 0x22, 0x11}),
       {Argb(0x44, 0x11, 0x22, 0x33)}},
      {"32 bits with an alpha channel left zero are opaque",
       DibSpec().Width(2).Bits(32).Rows({0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0}),
       {Argb(255, 0x30, 0x20, 0x10), Argb(255, 0x60, 0x50, 0x40)}},
      {"32 bits keep the alpha they store",
       DibSpec().Width(2).Bits(32).Rows({0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0x7F}),
       {Argb(0, 0x30, 0x20, 0x10), Argb(0x7F, 0x60, 0x50, 0x40)}},
      {"24 bits top-down in a 108-byte header, last row's padding missing",
       DibSpec().HeaderSize(108).Height(-2).Rows({1, 2, 3, 0, 4, 5, 6}),
       {Argb(255, 3, 2, 1), Argb(255, 6, 5, 4)}},
      {"row offset 0 means after the table; an index beyond the table is black",
       DibSpec().Width(2).Bits(8).ColorsUsed(1).Palette({0x123456}).Rows({0, 5, 0, 0}).RowsOffset(0),
       {Argb(255, 0x12, 0x34, 0x56), kBlack}},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = gdi::DecodeBmp(BmpFile(c.spec));
    codec_test::ExpectValidImage(r);
    if (!r) continue;
    EXPECT_EQ(r.value.pixels, c.expected);
    EXPECT_EQ(r.value.sourceBitsPerPixel, c.spec.bits);
  }
}

struct RunLengthCase {
  const char* name;
  std::int32_t width, height;
  std::uint16_t bits;
  Bytes data;
  std::vector<std::uint8_t> expectedIndices;  // top-down
};

TEST(BmpCodec, DecodesRunLengthRows) {
  const std::vector<RunLengthCase> cases = {
      {"8 bits: run, literal, delta, end of line, end of bitmap",
       4,
       3,
       8,
       {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1},
       {0, 2, 2, 0, 2, 3, 1, 0, 1, 1, 1, 0}},
      {"8 bits: runs past the row's end are cut, rows may end the data", 2, 1, 8, {6, 3, 0, 0}, {3, 3}},
      {"4 bits: alternating run and odd literal",
       5,
       2,
       4,
       {5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1},
       {3, 4, 5, 0, 0, 1, 2, 1, 2, 1}},
      {"4 bits: delta down past the last row ends the bitmap", 2, 2, 4, {2, 0x11, 0, 2, 0, 5}, {0, 0, 1, 1}},
  };
  for (const RunLengthCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DibSpec spec = DibSpec()
                             .Width(c.width)
                             .Height(c.height)
                             .Bits(c.bits)
                             .Compression(c.bits == 8 ? 1 : 2)
                             .Palette(Grey16())
                             .Rows(c.data);
    const auto r = gdi::DecodeBmp(BmpFile(spec));
    codec_test::ExpectValidImage(r);
    if (!r) continue;
    EXPECT_EQ(r.value.indices, c.expectedIndices);
    for (std::size_t i = 0; i < r.value.pixels.size(); ++i)
      EXPECT_EQ(r.value.pixels[i], kBlack | spec.palette[r.value.indices[i]]);
  }
}

DibSpec Spec(std::uint32_t headerSize, std::int32_t width, std::int32_t height, std::uint16_t bits,
             std::uint32_t compression = 0) {
  return DibSpec()
      .HeaderSize(headerSize)
      .Width(width)
      .Height(height)
      .Bits(bits)
      .Compression(compression)
      .Rows(Bytes(64, 0));
}

Bytes Cut(Bytes file, std::size_t size) {
  file.resize(size);
  return file;
}

Bytes WithRowsOffset(DibSpec s, std::uint32_t offset) {
  s.rowsOffset = offset;
  return BmpFile(s);
}

TEST(BmpCodec, RejectsBrokenFilesWithTheRightStatus) {
  gdi::DecodeLimits small;
  small.maxPixels = 5000;
  const std::vector<codec_test::BrokenFile> cases = {
      {"another format", Bytes{'G', 'I', 'F', '8', '9', 'a'}, CodecStatus::NotRecognised},
      {"file header cut", Bytes{'B', 'M', 0, 0}, CodecStatus::Truncated},
      {"header smaller than any", BmpFile(Spec(8, 1, 1, 24)), CodecStatus::Corrupt},
      {"unknown header size", BmpFile(Spec(100, 1, 1, 24)), CodecStatus::Unsupported},
      {"2 bits", BmpFile(Spec(40, 1, 1, 2)), CodecStatus::Unsupported},
      {"7 bits", BmpFile(Spec(40, 1, 1, 7)), CodecStatus::Corrupt},
      {"embedded JPEG", BmpFile(Spec(40, 1, 1, 0, 4)), CodecStatus::Unsupported},
      {"unknown compression", BmpFile(Spec(40, 1, 1, 24, 9)), CodecStatus::Corrupt},
      {"8-bit run length at 4 bits", BmpFile(Spec(40, 1, 1, 4, 1)), CodecStatus::Corrupt},
      {"masks at 24 bits", BmpFile(Spec(40, 1, 1, 24, 3)), CodecStatus::Corrupt},
      {"OS/2 Huffman", BmpFile(Spec(64, 1, 1, 1, 3)), CodecStatus::Unsupported},
      {"zero width", BmpFile(Spec(40, 0, 1, 24)), CodecStatus::Corrupt},
      {"negative width", BmpFile(Spec(40, -3, 1, 24)), CodecStatus::Corrupt},
      {"zero height", BmpFile(Spec(40, 1, 0, 24)), CodecStatus::Corrupt},
      {"most negative height", BmpFile(Spec(40, 1, INT_MIN, 24)), CodecStatus::TooLarge},
      {"wider than a surface", BmpFile(Spec(40, 40000, 1, 24)), CodecStatus::TooLarge},
      {"more pixels than the limit", BmpFile(Spec(40, 100, 100, 24)), CodecStatus::TooLarge, small},
      {"rows overlap the file header", WithRowsOffset(Spec(40, 1, 1, 24), 6), CodecStatus::Corrupt},
      {"rows overlap the colour table", WithRowsOffset(Spec(40, 1, 1, 8), 20), CodecStatus::Corrupt},
      {"rows beyond the file", WithRowsOffset(Spec(40, 1, 1, 24), 5000), CodecStatus::Truncated},
      {"rows cut", BmpFile(Spec(40, 100, 1, 24)), CodecStatus::Truncated},
      {"masks cut", Cut(BmpFile(Spec(40, 1, 1, 16, 3)), 60), CodecStatus::Truncated},
      {"run-length data without an end",
       BmpFile(DibSpec().Width(4).Height(2).Bits(8).Compression(1).Rows({4, 1, 0, 0, 2})), CodecStatus::Truncated},
      {"run-length literal cut", BmpFile(DibSpec().Width(4).Bits(8).Compression(1).Rows({0, 4, 1, 2})),
       CodecStatus::Truncated},
  };
  codec_test::ExpectStatuses(cases, [](const Bytes& file, const gdi::DecodeLimits& limits) {
    return gdi::DecodeBmp(file, limits);
  });
}

struct RoundTripCase {
  int bits, width, height, paletteEntries;
};

gdi::DecodedImage SampleFor(const RoundTripCase& c) {
  if (c.bits <= 8) return codec_test::Indexed(c.width, c.height, c.bits, c.paletteEntries);
  gdi::DecodedImage image = codec_test::Gradient(c.width, c.height, c.bits == 32);
  image.sourceBitsPerPixel = c.bits;
  return image;
}

TEST(BmpCodec, FilesAndPackedDibsRoundTripExactly) {
  const RoundTripCase cases[] = {{1, 13, 5, 2}, {4, 7, 3, 16}, {4, 9, 2, 5}, {8, 5, 4, 256},
                                 {8, 3, 3, 10}, {24, 7, 5, 0}, {32, 6, 4, 0}};
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + " bits, " + std::to_string(c.width) + " wide");
    const gdi::DecodedImage image = SampleFor(c);
    const auto file = gdi::EncodeBmp(image, c.bits);
    const auto dib = gdi::EncodePackedDib(image, c.bits);
    ASSERT_TRUE(file && dib) << file.message << dib.message;
    for (const auto& decoded : {gdi::DecodeBmp(file.value), gdi::DecodePackedDib(dib.value)}) {
      codec_test::ExpectValidImage(decoded);
      EXPECT_EQ(decoded.value.pixels, image.pixels);
      EXPECT_EQ(decoded.value.indices, image.indices);
      EXPECT_EQ(decoded.value.palette, image.palette);
      EXPECT_EQ(decoded.value.sourceBitsPerPixel, c.bits);
    }
    EXPECT_EQ(gdi::EncodeBmp(gdi::DecodeBmp(file.value).value, c.bits).value, file.value);
  }
}

TEST(BmpCodec, EncoderRefusesImagesItCannotWrite) {
  gdi::DecodedImage tooFewPixels = codec_test::Gradient(3, 3, false);
  tooFewPixels.pixels.pop_back();
  gdi::DecodedImage bigIndex = codec_test::Indexed(4, 1, 4, 16);
  bigIndex.indices[2] = 16;
  const struct {
    const char* name;
    gdi::DecodedImage image;
    int bits;
  } cases[] = {
      {"pixels do not match the size", tooFewPixels, 24},
      {"no indices for an indexed depth", codec_test::Gradient(3, 3, false), 8},
      {"palette larger than the depth", codec_test::Indexed(4, 4, 8, 17), 4},
      {"index beyond the depth", bigIndex, 4},
      {"16 bits", codec_test::Gradient(3, 3, false), 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = gdi::EncodeBmp(c.image, c.bits);
    EXPECT_EQ(r.status, CodecStatus::InvalidArgument);
    EXPECT_FALSE(r.message.empty());
  }
}

TEST(BmpCodec, EveryCutCopyFailsUntilTheLastRowIsWhole) {
  const gdi::DecodedImage image = codec_test::Indexed(5, 3, 8, 7);
  const Bytes file = gdi::EncodeBmp(image, 8).value;
  const std::size_t lastRowPadding = 3;  // 5 bytes of pixels padded to 8
  codec_test::ExpectPrefixesFailBelow(file, file.size() - lastRowPadding,
                                      [](std::span<const std::uint8_t> b) { return gdi::DecodeBmp(b); });
}

}  // namespace
