// Alpha blending for the control library's drawing: the image blending library's "AlphaBlend"
// (bound by name at the drawing unit's start-up; null when the library or the function is
// missing), with a software blend (BlendPixel) in its place when it is not bound, on the Windows
// 9x family, or when a stretch has to be smooth.  Sources carry per-pixel alpha (AC_SRC_ALPHA) and
// the constant alpha scales it.
#pragma once

#include "platform/gdi/gdi_types.h"

class TBitmap;

// The drawing unit's start-up and shut-down.
void BindAlphaBlend();
void FreeAlphaBlend();
bool IsAlphaBlendBound();

// AlphaBlend over the two rectangles; False when it is not bound (or fails).
bool AlphaBlendDC(HDC Dest, const TRect& DestRect, HDC Source, const TRect& SourceRect, Byte Alpha);
// Blends the source rectangle over the destination rectangle.  A smooth scaling (asked and the
// sizes differ), a missing AlphaBlend or a 9x platform takes the software road: both rectangles are
// copied into 32-bit bitmaps, the source is resampled (Lanczos-3 when smooth, else stretched) to
// the destination's size, blended over its copy (AlphaBlendDC, or BlendPixel for every pixel) and
// the copy goes back.
void AlphaBlendDCRect(HDC Dest, HDC Source, const TRect& DestRect, Byte Alpha, bool Smooth, const TRect& SourceRect);
void AlphaBlendBitmapRect(TBitmap* Dest, TBitmap* Source, const TRect& DestRect, Byte Alpha, bool Smooth,
                          const TRect& SourceRect);
