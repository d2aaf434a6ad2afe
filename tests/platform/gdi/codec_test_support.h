// Images and helpers the codec tests share: deterministic test pictures, an error measure for
// lossy round trips, and a check that every shortened copy of a file fails cleanly.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/gdi/codec_result.h"
#include "platform/gdi/decoded_image.h"

namespace codec_test {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Argb(unsigned a, unsigned r, unsigned g, unsigned b) { return a << 24 | r << 16 | g << 8 | b; }
inline unsigned Channel(std::uint32_t p, int shift) { return (p >> shift) & 0xFF; }

// Smooth colour ramps with every alpha from 0 to 255 when `alpha` is set (opaque otherwise).
inline gdi::DecodedImage Gradient(int width, int height, bool alpha) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned a = alpha ? unsigned((x * 37 + y * 11) % 256) : 255;
      image.pixels.push_back(Argb(a, unsigned(x * 255 / width), unsigned(y * 255 / height), unsigned((x + y) * 4 % 256)));
    }
  return image;
}

// An indexed image of `bits` per pixel whose palette has `entries` colours, all of them used.
inline gdi::DecodedImage Indexed(int width, int height, int bits, int entries) {
  gdi::DecodedImage image;
  image.width = width;
  image.height = height;
  image.sourceBitsPerPixel = bits;
  for (int i = 0; i < entries; ++i)
    image.palette.push_back(Argb(255, unsigned(i * 53 % 256), unsigned(i * 101 % 256), unsigned(255 - i)));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto index = std::uint8_t((x * 7 + y * 3) % entries);
      image.indices.push_back(index);
      image.pixels.push_back(image.palette[index]);
    }
  return image;
}

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
