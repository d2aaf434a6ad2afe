// Painting what lies behind a transparent control: its parent's image (the parent erases and paints
// itself, and optionally its windowed children below the control, into the control's canvas), or
// the parent's themed background when the visual-style library is bound.
//
// R is in the control's client coordinates; the parent's part under R lands at the canvas's
// (0, 0), which is where a control painting its whole client area (R at the origin) or a buffer of
// R's size wants it.  Every painted control carries csPaintCopy while it paints, and loses it, with
// the canvas's state restored, also when its painting raises.
#pragma once

#include "platform/gdi/geometry.h"

class TControl;
class TWinControl;
class TkxCanvas;

// DrawParentImage without siblings when the parent is double-buffered or the visual-style library
// is not bound; otherwise the library's DrawThemeParentBackground for the control's window.
void PaintParentBackground(TWinControl* Control, TkxCanvas* Canvas, const TRect& R);
// Nothing without a parent.  With windowed siblings the parent's visible windowed children that lie
// below the control (in the parent's child order) are painted too, each with its border.
void DrawParentImage(TControl* Control, TkxCanvas* Canvas, const TRect& R, bool WithWindowedSiblings = true);
