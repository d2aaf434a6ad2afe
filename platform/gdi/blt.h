// Block transfers between device contexts (blt_engine.h describes the pixel rules), alpha
// blending and gradients.
//
// AlphaBlend works on 32-bit values, channel by channel, with x * y / 255 rounded to nearest
// (exactly: t = x * y + 128, (t + (t >> 8)) >> 8), results capped at 255:
//   without AC_SRC_ALPHA: d = s * C / 255 + d * (255 - C) / 255   (all four bytes; C the constant)
//   with AC_SRC_ALPHA:    s' = s * C / 255 (all four bytes; the source is premultiplied),
//                         d = s' + d * (255 - s'.alpha) / 255
// It scales like COLORONCOLOR and fails when the source rectangle leaves the source bitmap or the
// blend function is not AC_SRC_OVER.
// GradientFill (rectangles): along the gradient's axis, pixel i of n (0-based, from the first
// vertex's side) takes, per 16-bit channel, c1 + (c2 - c1) * i / n (integer division, truncating
// toward zero), stored as the high byte; the alpha channel is written the same way.  Triangles
// interpolate the three vertices linearly at each covered pixel centre.
// TransparentBlt copies (stretched like COLORONCOLOR) every source pixel whose colour differs
// from the transparent colour.
#pragma once

#include "platform/gdi/gdi_types.h"

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop);
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparent);
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount,
                  ULONG mode);
