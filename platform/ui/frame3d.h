// Frame3D: the class library's 3-D frame of panels and bevels.  For each of Width rings, from the
// outside in: the left column and the top row in TopColor, then the right column and the bottom
// row in BottomColor (so the top-right and bottom-left corners are BottomColor).  Rect shrinks by
// Width on every side.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/ui/colors.h"

class TCanvas;

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width);
