#include "platform/gdi/gif_codec.h"

#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "tests/support/gdi/gif_test_writer.h"

namespace {

using codec_test::Bytes;
using gdi::CodecStatus;
using gdi::GifDisposal;

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t A = kOpaque | 0xFF0000, B = kOpaque | 0x00FF00, C = kOpaque | 0x0000FF, D = kOpaque | 0xFFFFFF;
constexpr std::uint32_t T = 0;  // transparent
const std::vector<std::uint32_t> kGlobal = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

gif_test::Frame FrameAt(int left, int top, int width, int height, Bytes indices) {
  gif_test::Frame f;
  f.left = left, f.top = top, f.width = width, f.height = height;
  f.indices = std::move(indices);
  return f;
}

gif_test::Frame WithControl(gif_test::Frame f, int delayCs, int disposal, int transparent = -1) {
  f.delayCs = delayCs, f.disposal = disposal, f.transparent = transparent;
  return f;
}

TEST(GifCodec, DrawsFramesInTurnWithTheirDisposals) {
  gif_test::File file;
  file.width = 4, file.height = 4, file.global = kGlobal, file.loopCount = 0;
  file.frames = {WithControl(FrameAt(0, 0, 4, 4, Bytes(16, 0)), 10, 1),
                 WithControl(FrameAt(1, 1, 2, 2, Bytes(4, 1)), 20, 2),
                 WithControl(FrameAt(0, 0, 2, 1, {0, 2}), 0, 3, 0), FrameAt(3, 3, 1, 1, {3}),
                 WithControl(FrameAt(0, 0, 1, 1, {1}), 0, 6)};
  file.frames[3].control = false;
  const auto r = gdi::DecodeGifAnimation(gif_test::Write(file));
  ASSERT_TRUE(r) << r.message;
  const gdi::GifAnimation& a = r.value;
  EXPECT_EQ(a.screenWidth, 4);
  EXPECT_EQ(a.screenHeight, 4);
  EXPECT_EQ(a.loopCount, 0);
  const struct {
    std::vector<std::uint32_t> pixels;
    int delayMs;
    GifDisposal disposal;
  } expected[] = {
      {{A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A}, 100, GifDisposal::Keep},
      {{A, A, A, A, A, B, B, A, A, B, B, A, A, A, A, A}, 200, GifDisposal::RestoreBackground},
      {{A, C, A, A, A, T, T, A, A, T, T, A, A, A, A, A}, 0, GifDisposal::RestorePrevious},
      {{A, A, A, A, A, T, T, A, A, T, T, A, A, A, A, D}, 0, GifDisposal::Unspecified},
      {{B, A, A, A, A, T, T, A, A, T, T, A, A, A, A, D}, 0, GifDisposal::Unspecified},  // code 6 is undefined
  };
  ASSERT_EQ(a.frames.size(), std::size(expected));
  for (std::size_t i = 0; i < a.frames.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a.frames[i].image.pixels, expected[i].pixels);
    EXPECT_EQ(a.frames[i].delayMs, expected[i].delayMs);
    EXPECT_EQ(a.frames[i].disposal, expected[i].disposal);
    EXPECT_EQ(a.frames[i].image.palette.size(), 4u);
  }
  EXPECT_EQ(a.frames[1].left, 1);
  EXPECT_EQ(a.frames[1].width, 2);
}

// Indices of a pseudo-random picture (a fixed linear congruential sequence), so that the code
// table fills up.
Bytes Noise(std::size_t n, int colors) {
  Bytes out(n);
  std::uint32_t state = 12345;
  for (std::uint8_t& v : out) {
    state = state * 1103515245 + 12345;
    v = std::uint8_t((state >> 16) % std::uint32_t(colors));
  }
  return out;
}

std::vector<std::uint32_t> Table(int n) {
  std::vector<std::uint32_t> t;
  for (int i = 0; i < n; ++i) t.push_back(std::uint32_t(i * 0x010203) & 0xFFFFFF);
  return t;
}

struct DataCase {
  const char* name;
  int width, height, colors;
  Bytes indices;
  bool interlaced, localTable, clearWhenFull;
};

TEST(GifCodec, DecodesImageDataOfEveryShape) {
  const std::vector<DataCase> cases = {
      {"one flat colour (strings built from themselves)", 61, 17, 2, Bytes(61 * 17, 1), false, false, true},
      {"noise through a cleared table", 120, 120, 256, Noise(120 * 120, 256), false, false, true},
      {"noise through a full table kept", 120, 120, 256, Noise(120 * 120, 256), false, false, false},
      {"interlaced rows", 5, 19, 16, Noise(5 * 19, 16), true, false, true},
      {"a local table", 7, 3, 8, Noise(7 * 3, 8), false, true, true},
  };
  for (const DataCase& c : cases) {
    SCOPED_TRACE(c.name);
    gif_test::File file;
    file.width = c.width, file.height = c.height;
    file.global = c.localTable ? Table(2) : Table(c.colors);
    gif_test::Frame frame = FrameAt(0, 0, c.width, c.height, c.indices);
    frame.interlaced = c.interlaced, frame.clearWhenFull = c.clearWhenFull;
    if (c.localTable) {
      frame.local = Table(c.colors);
      for (std::uint32_t& color : frame.local) color ^= 0x808080;
    }
    file.frames = {frame};
    const auto r = gdi::DecodeGif(gif_test::Write(file));
    codec_test::ExpectValidImage(r);
    const std::vector<std::uint32_t>& table = c.localTable ? frame.local : file.global;
    for (std::size_t i = 0; i < c.indices.size(); ++i) ASSERT_EQ(r.value.pixels[i], kOpaque | table[c.indices[i]]) << i;
  }
}

TEST(GifCodec, FitsFramesToTheScreen) {
  gif_test::File file;  // a screen of no size takes the first frame's extent
  file.global = kGlobal;
  file.frames = {FrameAt(2, 1, 3, 2, Bytes(6, 1)), FrameAt(4, 2, 2, 2, Bytes(4, 2))};
  const auto r = gdi::DecodeGifAnimation(gif_test::Write(file));
  ASSERT_TRUE(r) << r.message;
  EXPECT_EQ(r.value.screenWidth, 5);
  EXPECT_EQ(r.value.screenHeight, 3);
  EXPECT_EQ(r.value.frames[1].image.pixels, (std::vector<std::uint32_t>{T, T, T, T, T, T, T, B, B, B, T, T, B, B, C}));
}

TEST(GifCodec, ImageDataThatEndsEarlyLeavesTheRestOfTheFrame) {
  gif_test::File file;
  file.width = 8, file.height = 8, file.global = Table(16);
  file.frames = {FrameAt(0, 0, 8, 8, Noise(64, 16))};
  Bytes bytes = gif_test::Write(file);
  // Cut the image data to its first sub-block's first 10 bytes and close the blocks.
  const std::size_t data = 13 + 48 + 8 + 10 + 2;  // header, table, control extension, descriptor, code size, length
  bytes[data - 1] = 10;
  bytes.resize(data + 10);
  bytes.insert(bytes.end(), {0, 0x3B});
  const auto r = gdi::DecodeGif(bytes);
  codec_test::ExpectValidImage(r);
  EXPECT_EQ(r.value.Pixel(0, 0), kOpaque | file.global[file.frames[0].indices[0]]);
  EXPECT_EQ(r.value.Pixel(7, 7), T);
}

Bytes WithCodeSize(Bytes file, std::uint8_t codeSize) {
  file[13 + 12 + 8 + 10] = codeSize;  // after header, 4-colour table, control extension, descriptor
  return file;
}

TEST(GifCodec, RejectsBrokenFilesWithTheRightStatus) {
  gif_test::File one;
  one.width = 4, one.height = 4, one.global = kGlobal;
  one.frames = {FrameAt(0, 0, 4, 4, Noise(16, 4))};
  const Bytes good = gif_test::Write(one);
  gif_test::File noTable = one;
  noTable.global.clear();
  noTable.frames[0].local.clear();
  gif_test::File none = one;
  none.frames.clear();
  gif_test::File many = one;
  many.frames.assign(10, one.frames[0]);
  Bytes badCode = good;
  badCode[13 + 12 + 8 + 10 + 2] = 0x07;  // the first 3-bit code becomes 7, beyond the table
  gdi::DecodeLimits small;
  small.maxPixels = 100;
  const codec_test::BrokenFile cases[] = {
      {"another format", Bytes{'G', 'I', 'F', '9', '0', 'a'}, CodecStatus::NotRecognised, {}},
      {"no colour table", gif_test::Write(noTable), CodecStatus::Corrupt, {}},
      {"code size 0", WithCodeSize(good, 0), CodecStatus::Corrupt, {}},
      {"code size 9", WithCodeSize(good, 9), CodecStatus::Corrupt, {}},
      {"a code not yet in the table", badCode, CodecStatus::Corrupt, {}},
      {"no image", gif_test::Write(none), CodecStatus::Corrupt, {}},
      {"frames together beyond the limit", gif_test::Write(many), CodecStatus::TooLarge, small},
      {"screen beyond the limit", good, CodecStatus::TooLarge, gdi::DecodeLimits{3, 100}},
  };
  codec_test::ExpectStatuses(cases, [](const Bytes& file, const gdi::DecodeLimits& limits) {
    return gdi::DecodeGifAnimation(file, limits);
  });
}

TEST(GifCodec, AStillPictureReadsOnlyTheFirstFrame) {
  gif_test::File file;
  file.width = 2, file.height = 1, file.global = kGlobal;
  file.frames = {FrameAt(0, 0, 2, 1, {2, 3}), FrameAt(0, 0, 2, 1, {1, 1})};
  Bytes bytes = gif_test::Write(file);
  bytes[bytes.size() - 4] = 0xFF;  // damage the second frame's image data
  const auto first = gdi::DecodeGif(bytes);
  codec_test::ExpectValidImage(first);
  EXPECT_EQ(first.value.pixels, (std::vector<std::uint32_t>{C, D}));
  EXPECT_FALSE(gdi::DecodeGifAnimation(bytes));
}

TEST(GifCodec, EveryCutCopyFailsUntilTheFrameIsWhole) {
  gif_test::File file;
  file.width = 6, file.height = 5, file.global = Table(8);
  file.frames = {FrameAt(0, 0, 6, 5, Noise(30, 8))};
  const Bytes bytes = gif_test::Write(file);
  const std::size_t trailer = 1;  // a file lacking only its trailer still decodes
  codec_test::ExpectPrefixesFailBelow(bytes, bytes.size() - trailer,
                                      [](std::span<const std::uint8_t> b) { return gdi::DecodeGif(b); });
}

}  // namespace
