#include "platform/core/color_hls.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD Rgb(DWORD r, DWORD g, DWORD b) { return r | g << 8 | b << 16; }

// Hue / saturation / luminance as the platform's colour dialog shows them for these colours.
struct Known {
  DWORD rgb;
  Word hue, luminance, saturation;
};
const Known kKnown[] = {
    {Rgb(255, 0, 0), 0, 120, 240},     {Rgb(0, 255, 0), 80, 120, 240},
    {Rgb(0, 0, 128), 160, 60, 240},    {Rgb(0, 128, 128), 120, 60, 240},
    {Rgb(128, 128, 0), 40, 60, 240},   {Rgb(255, 128, 0), 20, 120, 240},
    {Rgb(255, 255, 255), 160, 240, 0}, {Rgb(0, 0, 0), 160, 0, 0},
    {Rgb(128, 128, 128), 160, 120, 0}, {Rgb(192, 192, 192), 160, 181, 0},
    {Rgb(255, 0, 255), 200, 120, 240}, {Rgb(255, 255, 128), 40, 180, 240},
};

TEST(ColorHls, RgbToHlsMatchesTheColourDialog) {
  for (const Known& k : kKnown) {
    const HlsColor hls = ColorRGBToHLS(k.rgb);
    EXPECT_EQ(hls.Hue, k.hue) << std::hex << k.rgb;
    EXPECT_EQ(hls.Luminance, k.luminance) << std::hex << k.rgb;
    EXPECT_EQ(hls.Saturation, k.saturation) << std::hex << k.rgb;
  }
}

TEST(ColorHls, HlsToRgbOfDialogValues) {
  struct Case { HlsColor hls; DWORD rgb; };
  const Case cases[] = {
      {{0, 120, 240}, Rgb(255, 0, 0)},      {{80, 120, 240}, Rgb(0, 255, 0)},
      {{160, 60, 240}, Rgb(0, 0, 128)},     {{160, 240, 0}, Rgb(255, 255, 255)},
      {{160, 120, 0}, Rgb(128, 128, 128)},  {{200, 120, 240}, Rgb(255, 0, 255)},
      {{0, 255, 0}, Rgb(255, 255, 255)},    // luminance past the scale clips
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColorHLSToRGB(c.hls), c.rgb) << c.hls.Hue << "/" << c.hls.Luminance << "/" << c.hls.Saturation;
}

// The 0..240 scale is coarser than a channel: half a hue step moves the middle channel of a fully
// spread colour by up to 255 / 40 / 2 (3.2), and the truncated luminance and saturation and the
// channel rounding add about one each, so a round trip may move a channel by up to 6, never more.
TEST(ColorHls, RoundTripStaysWithinTheScalesQuantisation) {
  for (DWORD r = 0; r < 256; r += 15)
    for (DWORD g = 0; g < 256; g += 17)
      for (DWORD b = 0; b < 256; b += 5) {
        const DWORD back = ColorHLSToRGB(ColorRGBToHLS(Rgb(r, g, b)));
        for (int shift : {0, 8, 16}) {
          const int before = (Rgb(r, g, b) >> shift) & 0xFF, after = (back >> shift) & 0xFF;
          ASSERT_LE(std::abs(before - after), 6) << std::hex << Rgb(r, g, b) << " -> " << back;
        }
      }
}

}  // namespace
