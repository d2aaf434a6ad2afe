#include "platform/gdi/ico_codec.h"

#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "ico_test_writer.h"
#include "platform/gdi/bmp_codec.h"
#include "platform/gdi/png_codec.h"

namespace {

using codec_test::Argb;
using codec_test::Bytes;
using gdi::CodecStatus;
using gdi::IconFileType;
using ico_test::DibEntry;
using ico_test::IconFile;

gdi::DecodedImage TwoPixels(std::uint32_t left, std::uint32_t right) {
  gdi::DecodedImage image;
  image.width = 2, image.height = 1, image.pixels = {left, right};
  return image;
}

constexpr std::uint8_t kLeftMasked = 0x80, kRightMasked = 0x40;

struct MaskCase {
  const char* name;
  Bytes entry;
  std::vector<std::uint32_t> expected;
};

TEST(IcoCodec, AppliesTheMaskOnlyWhereAlphaIsMissing) {
  const std::vector<MaskCase> cases = {
      {"24 bits: a masked pixel turns transparent and keeps its colour",
       DibEntry(TwoPixels(0xFF102030, 0xFF405060), 24, {kLeftMasked, 0, 0, 0}),
       {Argb(0, 0x10, 0x20, 0x30), Argb(255, 0x40, 0x50, 0x60)}},
      {"32 bits with alpha left zero: the mask decides",
       DibEntry(TwoPixels(0x00102030, 0x00405060), 32, {kLeftMasked, 0, 0, 0}),
       {Argb(0, 0x10, 0x20, 0x30), Argb(255, 0x40, 0x50, 0x60)}},
      {"32 bits with alpha: the mask is ignored",
       DibEntry(TwoPixels(0x80102030, 0x40405060), 32, {kRightMasked, 0, 0, 0}),
       {Argb(0x80, 0x10, 0x20, 0x30), Argb(0x40, 0x40, 0x50, 0x60)}},
      {"32 bits with alpha: the mask may be missing",
       DibEntry(TwoPixels(0x80102030, 0xFF405060), 32, {}),
       {Argb(0x80, 0x10, 0x20, 0x30), Argb(255, 0x40, 0x50, 0x60)}},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = gdi::DecodeIcon(IconFile(IconFileType::Icon, {{c.entry}}), 0, 0, 32);
    codec_test::ExpectValidImage(r);
    EXPECT_EQ(r.value.pixels, c.expected);
  }
}

// An image whose every third pixel is transparent, with the colour it would have kept.
gdi::DecodedImage WithHoles(gdi::DecodedImage image) {
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) image.pixels[i] &= 0xFFFFFF;
  return image;
}

TEST(IcoCodec, IconsAndCursorsRoundTripAtEveryDepth) {
  gdi::DecodedImage deep = codec_test::Gradient(256, 256, true);
  gdi::DecodedImage rgb = WithHoles(codec_test::Gradient(20, 12, false));
  rgb.sourceBitsPerPixel = 24;
  std::vector<gdi::DecodedImage> images = {WithHoles(codec_test::Indexed(16, 16, 1, 2)),
                                           WithHoles(codec_test::Indexed(32, 32, 4, 16)),
                                           WithHoles(codec_test::Indexed(24, 24, 8, 200)), rgb, deep};
  for (std::size_t i = 0; i < images.size(); ++i) images[i].hotSpotX = int(i), images[i].hotSpotY = int(2 * i);
  for (IconFileType type : {IconFileType::Icon, IconFileType::Cursor}) {
    SCOPED_TRACE(type == IconFileType::Icon ? "icon" : "cursor");
    const auto file = gdi::EncodeIcon(images, type);
    ASSERT_TRUE(file) << file.message;
    const auto directory = gdi::ReadIconDirectory(file.value);
    ASSERT_TRUE(directory) << directory.message;
    ASSERT_EQ(directory.value.entries.size(), images.size());
    EXPECT_EQ(directory.value.type, type);
    const bool cursor = type == IconFileType::Cursor;
    for (std::size_t i = 0; i < images.size(); ++i) {
      SCOPED_TRACE(images[i].sourceBitsPerPixel);
      const gdi::IconEntry& entry = directory.value.entries[i];
      EXPECT_EQ(entry.width, images[i].width);
      EXPECT_EQ(entry.height, images[i].height);
      EXPECT_EQ(entry.bitsPerPixel, images[i].sourceBitsPerPixel);
      const auto decoded = gdi::DecodeIconEntry(file.value, entry);
      codec_test::ExpectValidImage(decoded);
      EXPECT_EQ(decoded.value.pixels, images[i].pixels);
      EXPECT_EQ(decoded.value.indices, images[i].indices);
      EXPECT_EQ(decoded.value.palette, images[i].palette);
      EXPECT_EQ(decoded.value.hotSpotX, cursor ? images[i].hotSpotX : 0);
      EXPECT_EQ(decoded.value.hotSpotY, cursor ? images[i].hotSpotY : 0);
    }
  }
}

TEST(IcoCodec, ReadsPngEntries) {
  const gdi::DecodedImage image = codec_test::Gradient(48, 40, true);
  const Bytes file = IconFile(IconFileType::Cursor, {{gdi::EncodePng(image).value, 7, 9}});
  const auto directory = gdi::ReadIconDirectory(file);
  ASSERT_TRUE(directory) << directory.message;
  const gdi::IconEntry& entry = directory.value.entries[0];
  EXPECT_TRUE(entry.png);
  EXPECT_EQ(entry.width, 48);
  EXPECT_EQ(entry.height, 40);
  EXPECT_EQ(entry.bitsPerPixel, 32);
  const auto decoded = gdi::DecodeIconEntry(file, entry);
  codec_test::ExpectValidImage(decoded);
  EXPECT_EQ(decoded.value.pixels, image.pixels);
  EXPECT_EQ(decoded.value.hotSpotX, 7);
  EXPECT_EQ(decoded.value.hotSpotY, 9);
}

gdi::IconEntry Entry(int size, int bits) {
  gdi::IconEntry e;
  e.width = e.height = size, e.bitsPerPixel = bits;
  return e;
}

TEST(IcoCodec, ChoosesTheEntryBySizeThenDepth) {
  gdi::IconDirectory d;
  d.entries = {Entry(16, 4), Entry(16, 32), Entry(32, 4), Entry(32, 8), Entry(32, 32), Entry(48, 8)};
  const struct {
    int size, bits;
    std::size_t expected;
  } cases[] = {
      {16, 32, 1}, {16, 8, 0},  {32, 32, 4}, {32, 8, 3}, {32, 1, 2},  // the shallowest above when none fits
      {24, 32, 4},                                                    // equally far: the larger
      {40, 8, 5},  {100, 8, 5}, {0, 32, 5},  {0, 4, 5},               // 0: the largest
  };
  for (const auto& c : cases)
    EXPECT_EQ(gdi::ChooseIconEntry(d, c.size, c.size, c.bits), c.expected) << c.size << " " << c.bits;
  d.entries.push_back(Entry(INT32_MAX, 32));  // as a crafted PNG entry may claim
  EXPECT_EQ(gdi::ChooseIconEntry(d, 32, 32, 32), 4u);
  EXPECT_EQ(gdi::ChooseIconEntry(d, 0, 0, 32), 6u);
}

TEST(IcoCodec, RejectsBrokenFilesWithTheRightStatus) {
  const Bytes rgb = DibEntry(TwoPixels(0xFF000000, 0xFF000000), 24, {0, 0, 0, 0});
  const Bytes good = IconFile(IconFileType::Icon, {{rgb}});
  Bytes beyond = good;
  beyond[18] = 0xF0;  // the entry's offset
  Bytes runLength = rgb;
  runLength[14] = 8;  // bits per pixel
  runLength[16] = 1;  // BI_RLE8
  runLength[32] = 1;  // one colour, which the rows' bytes provide
  const codec_test::BrokenFile cases[] = {
      {"reserved word set", Bytes{1, 0, 1, 0, 1, 0}, CodecStatus::NotRecognised},
      {"type 3", Bytes{0, 0, 3, 0, 1, 0}, CodecStatus::NotRecognised},
      {"no entries", Bytes{0, 0, 1, 0, 0, 0}, CodecStatus::Corrupt},
      {"directory cut", Bytes{0, 0, 1, 0, 2, 0, 0, 0, 0, 0}, CodecStatus::Truncated},
      {"image beyond the data", beyond, CodecStatus::Truncated},
      {"mask missing at 24 bits", IconFile(IconFileType::Icon, {{DibEntry(TwoPixels(0, 0), 24, {})}}),
       CodecStatus::Truncated},
      {"run-length image", IconFile(IconFileType::Icon, {{runLength}}), CodecStatus::Unsupported},
      {"image header of 7 bytes", IconFile(IconFileType::Icon, {{Bytes{7, 0, 0, 0, 0, 0, 0}}}), CodecStatus::Corrupt},
      {"image one row high", IconFile(IconFileType::Icon, {{gdi::EncodePackedDib(TwoPixels(0, 0), 24).value}}),
       CodecStatus::Corrupt},
  };
  codec_test::ExpectStatuses(cases, [](const Bytes& file, const gdi::DecodeLimits&) {
    return gdi::DecodeIcon(file, 32, 32, 32);
  });
}

TEST(IcoCodec, EncoderRefusesWhatItCannotWrite) {
  gdi::DecodedImage noIndices = codec_test::Gradient(4, 4, false);
  noIndices.sourceBitsPerPixel = 8;  // written at 32 bits then, not refused
  EXPECT_TRUE(gdi::EncodeIcon(std::vector{noIndices}, IconFileType::Icon));
  gdi::DecodedImage mismatched = codec_test::Gradient(4, 4, false);
  mismatched.height = 3;
  const std::vector<std::vector<gdi::DecodedImage>> cases = {
      {}, {codec_test::Gradient(257, 1, false)}, {codec_test::Gradient(16, 16, false), mismatched}};
  for (const auto& images : cases) {
    const auto r = gdi::EncodeIcon(images, IconFileType::Icon);
    EXPECT_EQ(r.status, CodecStatus::InvalidArgument);
    EXPECT_FALSE(r.message.empty());
  }
}

TEST(IcoCodec, EveryCutCopyFails) {
  const gdi::DecodedImage image = WithHoles(codec_test::Gradient(5, 3, false));
  gdi::DecodedImage rgb = image;
  rgb.sourceBitsPerPixel = 24;
  const Bytes file = gdi::EncodeIcon(std::vector{rgb}, IconFileType::Icon).value;
  codec_test::ExpectPrefixesFailBelow(file, file.size(),
                                      [](std::span<const std::uint8_t> b) { return gdi::DecodeIcon(b, 0, 0, 32); });
}

}  // namespace
