#include "controls/foundation/kx_resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_pixels.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"

namespace {

double ScaleOf(Integer SourceSize, Integer TargetSize) {
  if (SourceSize == 1 || TargetSize == 1) return double(TargetSize) / SourceSize;
  return double(TargetSize - 1) / (SourceSize - 1);
}

Byte ClampChannel(Integer Sum) {
  if (Sum < 0) return 0;
  return Sum < 65536 ? Byte(Sum / 256) : 255;
}

// Count lines of Length pixels each: pixel k of line l lies at Base + l * LineStep + k * PixelStep.
struct Lines {
  Integer count, length, lineStep, pixelStep;
};

void ApplyContributors(const TRGBColors& Source, Lines From, TRGBColors& Target, Lines To,
                       const TContributorList& Contributors) {
  for (Integer line = 0; line < From.count; ++line)
    for (Integer i = 0; i < To.length; ++i) {
      Integer sums[4] = {};
      for (const TContributor& c : Contributors[std::size_t(i)]) {
        const std::uint32_t pixel = Source[std::size_t(line * From.lineStep + c.Pixel * From.pixelStep)];
        for (int k = 0; k < 4; ++k) sums[k] += c.Weight * Integer(Byte(pixel >> (8 * k)));
      }
      std::uint32_t result = 0;
      for (int k = 0; k < 4; ++k) result |= std::uint32_t(ClampChannel(sums[k])) << (8 * k);
      Target[std::size_t(line * To.lineStep + i * To.pixelStep)] = result;
    }
}

void StretchHalftone(TBitmap* Source, TBitmap* Dest) {
  const HDC dc = Dest->Canvas()->Handle();
  const int previous = SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, Dest->Width(), Dest->Height(), Source->Canvas()->Handle(), 0, 0, Source->Width(),
             Source->Height(), SRCCOPY);
  SetStretchBltMode(dc, previous);
}

// The rounded weights of a target pixel sum to 254 .. 257 rather than 256, which would shade flat
// areas in a pattern: the remainder goes to the largest weight.  A shrink so strong that every
// weight rounds to 0 reads the pixel under the centre.
void NormalizeWeights(TContributors& Contributors, Integer CentrePixel) {
  if (Contributors.empty()) {
    Contributors.push_back({CentrePixel, 256});
    return;
  }
  Integer sum = 0;
  for (const TContributor& c : Contributors) sum += c.Weight;
  const auto largest = std::max_element(Contributors.begin(), Contributors.end(),
                                        [](const TContributor& a, const TContributor& b) { return a.Weight < b.Weight; });
  largest->Weight += 256 - sum;
}

}  // namespace

float SincValue(float X) {
  if (X == 0.0f) return 1.0f;
  const double t = std::numbers::pi * double(X);
  return float(std::sin(t) / t);
}

float Lanczos3Weight(float X) {
  if (std::fabs(X) >= 3.0f) return 0.0f;
  return float(double(SincValue(X)) * double(SincValue(float(double(X) / 3.0))));
}

Integer MirroredSourcePosition(Integer Position, Integer SourceSize) {
  while (Position < 0 || Position >= SourceSize) {
    if (Position < 0) Position = -Position;
    else Position = 2 * SourceSize - 1 - Position;
  }
  return Position;
}

TContributorList BuildContributors(Integer SourceSize, Integer TargetSize, double Scale) {
  const double s = Scale >= 1 ? 1.0 : 1.0 / Scale;
  const double radius = 3 * s;
  TContributorList list(static_cast<std::size_t>(TargetSize));
  for (Integer i = 0; i < TargetSize; ++i) {
    const double centre = i / Scale;
    TContributors& contributors = list[std::size_t(i)];
    for (auto j = Integer(std::floor(centre - radius)); j <= Integer(std::ceil(centre + radius)); ++j) {
      const double weight = double(Lanczos3Weight(float((centre - j) / s))) / s * 256;
      const auto rounded = Integer(std::nearbyint(weight));   // halves to even
      if (rounded != 0) contributors.push_back({MirroredSourcePosition(j, SourceSize), rounded});
    }
    NormalizeWeights(contributors, MirroredSourcePosition(Integer(std::lround(centre)), SourceSize));
  }
  return list;
}

void ResampleBitmap(TBitmap* Source, TBitmap* Dest, bool Force) {
  const Integer ws = Source->Width(), hs = Source->Height(), wd = Dest->Width(), hd = Dest->Height();
  if (ws == 0 || hs == 0 || wd == 0 || hd == 0) return;
  const TCanvasLockGuard sourceLock(Source->Canvas()), destLock(Dest->Canvas());
  if (IsWinNT4OrLater() && !Force) return StretchHalftone(Source, Dest);
  const TRGBColors source = ReadBitmapPixels(Source, false);
  TRGBColors rows(std::size_t(wd) * std::size_t(hs)), result(std::size_t(wd) * std::size_t(hd));
  ApplyContributors(source, {hs, ws, ws, 1}, rows, {hs, wd, wd, 1}, BuildContributors(ws, wd, ScaleOf(ws, wd)));
  ApplyContributors(rows, {wd, hs, 1, wd}, result, {wd, hd, 1, wd}, BuildContributors(hs, hd, ScaleOf(hs, hd)));
  WriteBitmapPixels(Dest, result, false);
}
