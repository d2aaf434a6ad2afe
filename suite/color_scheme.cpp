#include "suite/color_scheme.h"

#include <algorithm>
#include <charconv>

#include "platform/core/color_hls.h"

std::array<TColorSet, kColorSetCount> ColorSets;

namespace {

// Luminance steps (on a 0..359 scale) of the six colours of a set, in TColorSet order.
constexpr std::array<Integer, 6> kLuminanceSteps = {332, 277, 332, 165, 193, 224};
constexpr Integer kSaturationRaise = 2, kSaturationLowering = 15;

constexpr std::string_view kSchemeBase[] = {"#80a0c0", "#99b4d1", "#b0c4de", "#4c7eb1", "#6082B6"};

struct SetRecipe {
  std::string_view base;   // empty: the scheme's own base colour
  Integer shift;
  Integer extra;           // added to the first three colours only
};
constexpr SetRecipe kRecipes[kColorSetCount] = {
    {"", 0, 0}, {"#d7dcec", 2, 7}, {"#94B5C2", -5, 0}, {"#b8b8a0", -5, 0}, {"#B04C7E", 0, 0}, {"#9ea8ad", 0, 0},
};

// A value of the 0..359 scale on the 0..240 scale.
Integer ToHlsScale(Integer v) { return v * 240 / 359; }

Integer WithLuminance(Integer colour, Integer step) {
  HlsColor hls = ColorRGBToHLS(static_cast<DWORD>(colour));
  hls.Luminance = static_cast<Word>(std::clamp<Integer>(ToHlsScale(step), 0, kHlsMax));
  return static_cast<Integer>(ColorHLSToRGB(hls));
}

Integer WithSaturationChanged(Integer colour, Integer steps) {
  HlsColor hls = ColorRGBToHLS(static_cast<DWORD>(colour));
  hls.Saturation = static_cast<Word>(std::clamp<Integer>(hls.Saturation + ToHlsScale(steps), 0, kHlsMax));
  return static_cast<Integer>(ColorHLSToRGB(hls));
}

TColorSet ComputeSet(Integer base, Integer shift, Integer extra) {
  std::array<Integer, 6> c{};
  for (size_t i = 0; i < c.size(); ++i) c[i] = WithLuminance(base, shift + kLuminanceSteps[i] + (i < 3 ? extra : 0));
  return {c[0], c[1], c[2], WithSaturationChanged(c[3], kSaturationRaise),
          WithSaturationChanged(c[4], -kSaturationLowering), c[5]};
}

}  // namespace

Integer ColorFromHexText(std::string_view text) {
  Integer rgb = 0;
  if (text.size() != 7 || text[0] != '#') return rgb;
  for (int channel = 0; channel < 3; ++channel) {
    unsigned value = 0;
    const char* first = text.data() + 1 + 2 * channel;
    std::from_chars(first, first + 2, value, 16);
    rgb |= static_cast<Integer>(value) << (8 * channel);
  }
  return rgb;
}

void ComputeColorSets(Integer scheme) {
  const Integer schemeBase = ColorFromHexText(kSchemeBase[std::clamp<Integer>(scheme, 1, 5) - 1]);
  for (int set = 0; set < kColorSetCount; ++set) {
    const SetRecipe& recipe = kRecipes[set];
    const Integer base = recipe.base.empty() ? schemeBase : ColorFromHexText(recipe.base);
    const Integer shift = set == 0 && scheme == 4 ? -2 : recipe.shift;
    ColorSets[set] = ComputeSet(base, shift, recipe.extra);
  }
}
