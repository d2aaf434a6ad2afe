#include "platform/gdi/jpeg_codec.h"

#include <gtest/gtest.h>

#include <functional>

#include "codec_test_support.h"
#include "jpeg_test_writer.h"

namespace {

using codec_test::Argb;
using codec_test::Bytes;
using codec_test::Channel;
using gdi::CodecStatus;
using jpeg_test::JpegSpec;
using jpeg_test::WriteJpeg;

gdi::DecodedImage RoundTrip(const gdi::DecodedImage& image, const gdi::JpegOptions& options,
                            std::size_t* size = nullptr) {
  const auto file = gdi::EncodeJpeg(image, options);
  EXPECT_TRUE(file) << file.message;
  if (size) *size = file.value.size();
  const auto decoded = gdi::DecodeJpeg(file.value);
  codec_test::ExpectValidImage(decoded);
  return decoded.value;
}

// Colour ramps without edges, the kind of picture the tolerance is stated for.
gdi::DecodedImage Smooth(int width, int height) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels.push_back(
          Argb(255, unsigned(x * 255 / width), unsigned(y * 255 / height), unsigned((x + y) * 255 / (width + height))));
  return image;
}

// The stated tolerance: a smooth picture keeps at least these peak signal-to-noise ratios.
TEST(JpegCodec, RoundTripsWithinTheStatedToleranceForEachQuality) {
  const gdi::DecodedImage image = Smooth(64, 48);
  const struct {
    int quality;
    double minPsnr;
  } cases[] = {{10, 28}, {50, 38}, {75, 41}, {90, 45}, {100, 48}};
  double lastPsnr = 0;
  std::size_t lastSize = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.quality);
    std::size_t size = 0;
    const gdi::DecodedImage decoded = RoundTrip(image, {c.quality, false}, &size);
    const double psnr = codec_test::Psnr(image, decoded);
    EXPECT_GE(psnr, c.minPsnr);
    EXPECT_GT(psnr, lastPsnr) << "a higher quality must lose less";
    EXPECT_GT(size, lastSize) << "a higher quality must take more bytes";
    EXPECT_EQ(decoded.sourceBitsPerPixel, 24);
    for (std::uint32_t p : decoded.pixels) ASSERT_EQ(p >> 24, 255u);
    lastPsnr = psnr, lastSize = size;
  }
}

TEST(JpegCodec, GreyscaleEncodingKeepsOnlyLightness) {
  const gdi::DecodedImage decoded = RoundTrip(codec_test::Gradient(32, 16, false), {90, true});
  EXPECT_EQ(decoded.sourceBitsPerPixel, 8);
  for (std::uint32_t p : decoded.pixels) {
    ASSERT_EQ(Channel(p, 16), Channel(p, 8));
    ASSERT_EQ(Channel(p, 8), Channel(p, 0));
  }
}

// Four 8x8 blocks of flat colour, so that compression keeps each block's colour nearly exact.
constexpr std::uint32_t kQuadrants[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080};

Bytes QuadrantSamples(int components, const std::function<void(std::uint32_t, std::uint8_t*)>& put) {
  Bytes samples(16 * 16 * std::size_t(components));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) put(kQuadrants[(y / 8) * 2 + x / 8], &samples[std::size_t(y * 16 + x) * components]);
  return samples;
}

void ExpectQuadrants(const gdi::DecodedImage& image) {
  ASSERT_EQ(image.width, 16);
  for (int q = 0; q < 4; ++q)
    for (int shift : {0, 8, 16}) {
      const int got = int(Channel(image.Pixel(q % 2 * 8 + 4, q / 2 * 8 + 4), shift));
      EXPECT_NEAR(got, int(Channel(kQuadrants[q], shift)), 3) << "quadrant " << q << " shift " << shift;
    }
}

TEST(JpegCodec, DecodesCmykWithAndWithoutTheAdobeInversion) {
  for (bool adobe : {true, false}) {
    SCOPED_TRACE(adobe ? "Adobe" : "plain");
    // Ink = 255 - colour, black ink 0; Adobe's writers store 255 - ink.
    const Bytes samples = QuadrantSamples(4, [adobe](std::uint32_t rgb, std::uint8_t* out) {
      for (int i = 0; i < 3; ++i) {
        const std::uint8_t ink = std::uint8_t(255 - Channel(rgb, 16 - 8 * i));
        out[i] = adobe ? std::uint8_t(255 - ink) : ink;
      }
      out[3] = adobe ? 255 : 0;
    });
    const auto r = gdi::DecodeJpeg(WriteJpeg({16, 16, 4, JCS_CMYK, adobe, false, samples}));
    codec_test::ExpectValidImage(r);
    EXPECT_EQ(r.value.sourceBitsPerPixel, 32);
    ExpectQuadrants(r.value);
  }
}

TEST(JpegCodec, DecodesProgressiveFiles) {
  const Bytes samples = QuadrantSamples(3, [](std::uint32_t rgb, std::uint8_t* out) {
    for (int i = 0; i < 3; ++i) out[i] = std::uint8_t(Channel(rgb, 16 - 8 * i));
  });
  const auto r = gdi::DecodeJpeg(WriteJpeg({16, 16, 3, JCS_RGB, false, true, samples}));
  codec_test::ExpectValidImage(r);
  ExpectQuadrants(r.value);
}

// The file with its last scan repeated until there are more scans than a decoder accepts.
Bytes WithManyScans(const Bytes& file, int copies) {
  std::size_t lastScan = 0;
  for (std::size_t i = 0; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xDA) lastScan = i;
  const std::size_t end = file.size() - 2;  // the end marker
  Bytes out(file.begin(), file.begin() + std::ptrdiff_t(end));
  for (int i = 0; i < copies; ++i)
    out.insert(out.end(), file.begin() + std::ptrdiff_t(lastScan), file.begin() + std::ptrdiff_t(end));
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

// The file with one byte of its frame header changed: 4 is the sample precision, 9 the number of
// components (counted from the marker).
Bytes WithFrameByte(Bytes file, std::size_t at, std::uint8_t value) {
  for (std::size_t i = 0; i + at < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + at] = value;
      break;
    }
  return file;
}

TEST(JpegCodec, RejectsBrokenFilesWithTheRightStatus) {
  const Bytes good = gdi::EncodeJpeg(codec_test::Gradient(16, 16, false)).value;
  const Bytes progressive = WriteJpeg({16, 16, 3, JCS_RGB, false, true, Bytes(16 * 16 * 3, 90)});
  gdi::DecodeLimits small;
  small.maxPixels = 100;
  const codec_test::BrokenFile cases[] = {
      {"another format", Bytes{0x89, 'P', 'N', 'G'}, CodecStatus::NotRecognised, {}},
      {"more pixels than the limit", good, CodecStatus::TooLarge, small},
      {"12-bit samples", WithFrameByte(good, 4, 12), CodecStatus::Unsupported, {}},
      {"no components", WithFrameByte(good, 9, 0), CodecStatus::Corrupt, {}},
      {"endless scans", WithManyScans(progressive, 1100), CodecStatus::Corrupt, {}},
  };
  codec_test::ExpectStatuses(cases, [](const Bytes& file, const gdi::DecodeLimits& limits) {
    return gdi::DecodeJpeg(file, limits);
  });
  EXPECT_TRUE(gdi::DecodeJpeg(WithManyScans(progressive, 10))) << "a few repeated scans are only odd";
}

TEST(JpegCodec, EveryCutCopyFails) {
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const Bytes samples(16 * 8 * 3, 200);
    const Bytes file = WriteJpeg({16, 8, 3, JCS_RGB, false, progressive, samples});
    codec_test::ExpectPrefixesFailBelow(file, file.size(),
                                        [](std::span<const std::uint8_t> b) { return gdi::DecodeJpeg(b); });
  }
}

TEST(JpegCodec, EncoderRefusesWhatItCannotWrite) {
  gdi::DecodedImage mismatched = codec_test::Gradient(4, 4, false);
  mismatched.width = 5;
  const struct {
    const char* name;
    gdi::DecodedImage image;
    int quality;
  } cases[] = {
      {"quality 0", codec_test::Gradient(4, 4, false), 0},
      {"quality 101", codec_test::Gradient(4, 4, false), 101},
      {"pixels do not match the size", mismatched, 75},
      {"wider than the format allows", codec_test::Gradient(70000, 1, false), 75},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = gdi::EncodeJpeg(c.image, {c.quality, false});
    EXPECT_EQ(r.status, CodecStatus::InvalidArgument);
    EXPECT_FALSE(r.message.empty());
  }
}

}  // namespace
