#include "platform/core/color_hls.h"

#include <algorithm>

#include "platform/core/float_math.h"

namespace {

constexpr double kHls = kHlsMax;
constexpr double kRgbMax = 255;

// The share (0..40, scaled to a sixth of the hue circle) by which one channel falls short of the
// largest, rounded to the nearest step.
double HueDelta(double channel, double max, double spread) {
  return ((max - channel) * (kHls / 6) + spread / 2) / spread;
}

// One channel (on the 0..240 scale) of a colour whose lightness bounds are low and high, at the
// given hue; the hue may lie a third of the circle outside 0..240.
int ChannelAtHue(double low, double high, double hue) {
  if (hue < 0) hue += kHls;
  if (hue > kHls) hue -= kHls;
  double value = low;
  if (hue < kHls / 6)
    value = low + ((high - low) * hue + kHls / 12) / (kHls / 6);
  else if (hue < kHls / 2)
    value = high;
  else if (hue < kHls * 2 / 3)
    value = low + ((high - low) * (kHls * 2 / 3 - hue) + kHls / 12) / (kHls / 6);
  return static_cast<int>(Round(value));
}

DWORD ClipChannel(double v) { return v > kRgbMax ? 255u : static_cast<DWORD>(std::max<Int64>(0, Round(v))); }

double ToRgbScale(int channel) { return (channel * kRgbMax + kHls / 2) / kHls; }

}  // namespace

HlsColor ColorRGBToHLS(DWORD rgb) {
  const double r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  HlsColor hls;
  hls.Luminance = static_cast<Word>(((max + min) * kHls + kRgbMax) / (2 * kRgbMax));
  if (max == min) {
    hls.Hue = kHlsUndefinedHue;
    return hls;
  }
  const double spread = max - min;
  const double sum = hls.Luminance <= kHlsMax / 2 ? max + min : 2 * kRgbMax - max - min;
  hls.Saturation = static_cast<Word>((spread * kHls + sum / 2) / sum);
  const double dr = HueDelta(r, max, spread), dg = HueDelta(g, max, spread), db = HueDelta(b, max, spread);
  double hue = r == max ? db - dg : g == max ? kHls / 3 + dr - db : kHls * 2 / 3 + dg - dr;
  if (hue < 0) hue += kHls;
  if (hue > kHls) hue -= kHls;
  hls.Hue = static_cast<Word>(Round(hue));
  return hls;
}

DWORD ColorHLSToRGB(HlsColor hls) {
  const double l = hls.Luminance, s = hls.Saturation, h = hls.Hue;
  if (hls.Saturation == 0) {
    const DWORD grey = ClipChannel(l * kRgbMax / kHls);
    return grey | grey << 8 | grey << 16;
  }
  const double high = l <= kHls / 2 ? (l * (kHls + s) + kHls / 2) / kHls : l + s - (l * s + kHls / 2) / kHls;
  const double low = 2 * l - high;
  const DWORD r = ClipChannel(ToRgbScale(ChannelAtHue(low, high, h + kHls / 3)));
  const DWORD g = ClipChannel(ToRgbScale(ChannelAtHue(low, high, h)));
  const DWORD b = ClipChannel(ToRgbScale(ChannelAtHue(low, high, h - kHls / 3)));
  return r | g << 8 | b << 16;
}
