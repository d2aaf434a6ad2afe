// The suite's colour sets: six sets (1..6) of six colours each, computed from the colour scheme of
// DEFAULT_MAIN_COLOR.  Each colour is a base colour whose luminance (0..240 scale) is replaced by
// a set's shift plus a fixed step per colour; the report-menu colours then get their saturation
// raised (report menu) or lowered (report menu "to").  Set 6 is the one the CUSTOM_ keys of
// QZACC.CFG hold; computing the sets replaces it.
//
// Colour values are the platform's colour numbers: red + green * 256 + blue * 65536.
#pragma once

#include <array>
#include <string_view>

#include "platform/core/types.h"

struct TColorSet {
  Integer Panel = 0;
  Integer PanelTo = 0;
  Integer Grid = 0;
  Integer ReportMenu = 0;
  Integer ReportMenuTo = 0;
  Integer Background = 0;
};

inline constexpr int kColorSetCount = 6;
// Sets 1..6 at indexes 0..5.
extern std::array<TColorSet, kColorSetCount> ColorSets;

// The colour number of "#rrggbb".
Integer ColorFromHexText(std::string_view text);
// Computes all six sets for scheme 1..5 (the DEFAULT_MAIN_COLOR values).
void ComputeColorSets(Integer scheme);
