// Outlines drawn with the selected pen.
//
// Cosmetic pens (width 0 or 1, not geometric) light single pixels along the line (line_raster.h);
// their dash pattern advances one element per pixel and runs on across the segments of one call;
// the pixels of the gaps take the background colour in OPAQUE mode.  Patterns, in pixels:
//   PS_DASH 18 on 6 off, PS_DOT 3 on 3 off, PS_DASHDOT 9 6 3 6, PS_DASHDOTDOT 9 3 3 3 3 3,
//   PS_ALTERNATE 1 on 1 off, PS_USERSTYLE the pen's own entries.
// Geometric pens (width above 1, or made with PS_GEOMETRIC) cover an area: every segment is a band
// of the pen's width centred on the line (pixel centres inside, top-left rule), closed off by the
// end caps (round: a disc of the pen's width; square: half a width beyond the point; flat: none)
// and joined by the joins (round, bevel, or miter up to a miter length of 10 half-widths).  Their
// dash patterns are multiples of the width: PS_DASH 3w w, PS_DOT w w, PS_DASHDOT 3w w w w,
// PS_DASHDOTDOT 3w w w w w w; each dash gets the end caps; gaps stay unpainted.
// Everything is painted once through the context's binary mix, within the clip.
#pragma once

#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/region_data.h"

namespace gdi {

class DeviceContext;
class PenObject;

// The polyline in surface coordinates; closed joins the last point to the first.  A cosmetic pen
// leaves out the final point of an open polyline.
void StrokePolyline(DeviceContext& dc, const std::vector<TPoint>& points, bool closed);
// A geometric pen along a fixed-point polyline (curves arrive flattened).
void StrokeFixedPolyline(DeviceContext& dc, const std::vector<FixPoint>& points, bool closed);
// A flattened curve in surface coordinates: along its fixed-point points with a geometric pen, along
// the pixels nearest to them with a cosmetic one.
void StrokeFlattened(DeviceContext& dc, const std::vector<FixPoint>& points, bool closed);
// Outline pixels of a curve in drawing order, for cosmetic pens.
void StrokeCurvePixels(DeviceContext& dc, const std::vector<TPoint>& pixels);

// The pixels a geometric pen of this style covers along the polyline, within limit.
RegionData GeometricStrokeArea(const PenObject& pen, const std::vector<FixPoint>& points, bool closed,
                               const TRect& limit);

}  // namespace gdi
