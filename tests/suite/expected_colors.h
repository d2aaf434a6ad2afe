// The suite's colour sets worked out in the test from the colour arithmetic as documented (base
// colours, shifts, luminance steps on a 0..359 scale), independently of suite/color_scheme.cpp; only
// the platform's RGB/HLS conversion is shared.
#pragma once

#include <array>
#include <string>

#include "platform/core/color_hls.h"

namespace expected_colors {

inline int Hex(const char* text) { return static_cast<int>(std::stoul(std::string(text + 1), nullptr, 16)); }
// "#rrggbb" read as red + green * 256 + blue * 65536.
inline int FromHtml(const char* text) {
  const int v = Hex(text);
  return ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

inline int Luminance(int colour, int l359) {
  HlsColor hls = ColorRGBToHLS(static_cast<DWORD>(colour));
  hls.Luminance = static_cast<Word>(l359 * 240 / 359);
  return static_cast<int>(ColorHLSToRGB(hls));
}

inline int Saturation(int colour, int delta) {
  HlsColor hls = ColorRGBToHLS(static_cast<DWORD>(colour));
  hls.Saturation = static_cast<Word>(hls.Saturation + delta);
  return static_cast<int>(ColorHLSToRGB(hls));
}

// Colours panel, panel-to, grid, report menu, report-menu-to, background of set 1..6.
inline std::array<int, 6> Set(int scheme, int set) {
  const char* schemeBase[] = {"#80a0c0", "#99b4d1", "#b0c4de", "#4c7eb1", "#6082B6"};
  const char* base[] = {schemeBase[scheme - 1], "#d7dcec", "#94B5C2", "#b8b8a0", "#B04C7E", "#9ea8ad"};
  const int b[] = {scheme == 4 ? -2 : 0, 2, -5, -5, 0, 0};
  const int t[] = {332, 277, 332, 165, 193, 224};
  std::array<int, 6> colours{};
  for (int i = 0; i < 6; ++i) {
    const int extra = set == 2 && i < 3 ? 7 : 0;
    colours[i] = Luminance(FromHtml(base[set - 1]), b[set - 1] + t[i] + extra);
  }
  colours[3] = Saturation(colours[3], 2 * 240 / 359);
  colours[4] = Saturation(colours[4], -(15 * 240 / 359));
  return colours;
}

}  // namespace expected_colors
