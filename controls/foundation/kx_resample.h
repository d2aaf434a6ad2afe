// Resampling a bitmap to another size: the drawing layer's halftone StretchBlt on an NT platform
// unless forced, else Lanczos-3 in two passes (rows, then columns) over 32-bit pixels with integer
// weights in 1/256.
//
// Weights: the filter's scale s is 1 when enlarging and source / target when shrinking, its radius
// 3s; target pixel i centres on i / scale (scale = target / source when either size is 1, else
// (target - 1) / (source - 1)) and takes the source positions within the radius, each weighted
// round(Lanczos3(distance / s) / s * 256) (halves to even; zero weights dropped), and what the
// rounded weights miss of 256 is added to the largest, so that flat areas stay flat.  Positions
// outside the source mirror back in, as often as it takes (-j on the first side, 2n - 1 - j on
// the other, so the first pixel is not repeated and the last is); a 1-pixel source always reads
// its pixel.  Rows are read bottom-up, so "first" is the left and the bottom edge.  Each channel,
// alpha included, is the sum of weight x value, then 0 when negative, the sum div 256 below
// 65,536, else 255.
#pragma once

#include <vector>

#include "platform/core/types.h"

class TBitmap;

struct TContributor {
  Integer Pixel;    // the source position read
  Integer Weight;   // in 1/256
};
using TContributors = std::vector<TContributor>;
// One TContributors per target pixel.
using TContributorList = std::vector<TContributors>;

// sin(pi x) / (pi x), 1 at 0; single precision.
float SincValue(float X);
// 0 for |x| >= 3, else Sinc(x) * Sinc(x / 3).
float Lanczos3Weight(float X);
// The source pixel an out-of-range position reads (the position itself when inside).
Integer MirroredSourcePosition(Integer Position, Integer SourceSize);
TContributorList BuildContributors(Integer SourceSize, Integer TargetSize, double Scale);
// Nothing when either bitmap has no pixels; both canvases are locked meanwhile.
void ResampleBitmap(TBitmap* Source, TBitmap* Dest, bool Force);
