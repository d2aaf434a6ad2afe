// Where a rotated text starts inside a cell: the text's box turned by an angle, and the origin that
// puts the turned box at the cell's alignment.  Part of the grid's cell painting.
#pragma once

#include "platform/core/types.h"
#include "platform/gdi/geometry.h"

// The turned box of a text W wide and H high at Angle degrees: A = |trunc(cos x H)|,
// B = |trunc(sin x W)|, C = |trunc(sin x H)|, D = |trunc(cos x W)|.
struct TRotatedExtent {
  Integer A = 0;
  Integer B = 0;
  Integer C = 0;
  Integer D = 0;
};
TRotatedExtent RotatedTextExtent(Integer Angle, TSize Text);

// Rect with Left and Top moved to the point a text drawn at Angle (counterclockwise, degrees)
// starts from so that its turned box sits at HAlign (0 left, 1 right, 2 centre) and VAlign (0 top,
// 1 centre, 2 bottom) of Rect; Right and Bottom stay.  The quadrant is 1 up to 90 degrees, 2 up to
// 180, 3 up to 270, 4 beyond.
TRect RotatedTextOrigin(TRect Rect, Integer Angle, const TRotatedExtent& Extent, Integer HAlign, Integer VAlign);
