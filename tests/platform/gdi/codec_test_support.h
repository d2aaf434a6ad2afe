// Helpers the codec tests share: an error measure for lossy round trips, tables of broken files and
// their statuses, the invariants of a decoded image, and a check that every shortened copy of a file fails cleanly.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"
#include "test_images.h"

namespace codec_test {

// Peak signal-to-noise ratio of the colour channels, in decibels (infinity when identical).
inline double Psnr(const gdi::DecodedImage& a, const gdi::DecodedImage& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i)
    for (int shift : {0, 8, 16}) {
      const double d = double(Channel(a.pixels[i], shift)) - double(Channel(b.pixels[i], shift));
      sum += d * d;
    }
  const double mse = sum / (3.0 * double(a.pixels.size()));
  return mse == 0 ? INFINITY : 10 * std::log10(255.0 * 255.0 / mse);
}

// A damaged or foreign file and the status its decoder must give, under `limits`.
struct BrokenFile {
  const char* name;
  std::vector<std::uint8_t> file;
  gdi::CodecStatus expected;
  gdi::DecodeLimits limits = {};
};

// Decodes every file through `decode(file, limits)`: each fails with its status and says why.
template <class Decode> void ExpectStatuses(std::span<const BrokenFile> cases, Decode decode) {
  for (const BrokenFile& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = decode(c.file, c.limits);
    EXPECT_EQ(r.status, c.expected) << r.message;
    EXPECT_FALSE(r.message.empty());
  }
}

inline void ExpectValidImage(const gdi::CodecResult<gdi::DecodedImage>& r) {
  ASSERT_TRUE(r) << r.message;
  const gdi::DecodedImage& image = r.value;
  EXPECT_GT(image.width, 0);
  EXPECT_GT(image.height, 0);
  EXPECT_EQ(image.pixels.size(), std::size_t(image.width) * std::size_t(image.height));
  if (!image.indices.empty()) {
    EXPECT_EQ(image.indices.size(), image.pixels.size());
  }
}

using Decoder = std::function<gdi::CodecResult<gdi::DecodedImage>(std::span<const std::uint8_t>)>;

// Every copy of `file` cut shorter than `completeAt` bytes fails with a message (never crashes
// or reads outside the copy, which lies in a buffer of exactly its size), and every longer one
// decodes.
inline void ExpectPrefixesFailBelow(const Bytes& file, std::size_t completeAt, const Decoder& decode) {
  for (std::size_t n = 0; n <= file.size(); ++n) {
    const Bytes prefix(file.begin(), file.begin() + std::ptrdiff_t(n));
    const auto r = decode(prefix);
    if (n < completeAt) {
      EXPECT_FALSE(r) << "decoded a copy cut to " << n << " of " << file.size() << " bytes";
      EXPECT_FALSE(r.message.empty());
    } else {
      EXPECT_TRUE(r) << "copy of " << n << " bytes: " << r.message;
    }
  }
}

}  // namespace codec_test
