// Colours between RGB and hue / luminance / saturation on the 0..240 scale that the desktop class
// library's colour routines and the platform's colour dialog use.
//
// A colour value is the platform's COLORREF: red + green * 256 + blue * 65536 (the top byte is not
// looked at and comes back zero).  Hue, luminance and saturation each run 0..240; a grey has
// saturation 0 and the "undefined" hue 160.  The conversion rounds at fixed points (luminance and
// saturation truncate, hue rounds halves to even, channels round halves to even and clip at 255),
// so a colour that is converted to HLS and back may move by a step or two in a channel: callers
// that adjust one of the three values rely on exactly these steps.
#pragma once

#include "platform/core/types.h"

inline constexpr Word kHlsMax = 240;
inline constexpr Word kHlsUndefinedHue = kHlsMax * 2 / 3;

struct HlsColor {
  Word Hue = 0;
  Word Luminance = 0;
  Word Saturation = 0;
};

HlsColor ColorRGBToHLS(DWORD rgb);
// Channels that come out above 255 (luminance or saturation above 240) are clipped to 255.
DWORD ColorHLSToRGB(HlsColor hls);
