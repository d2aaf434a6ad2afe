// The glyph renderer: draws a bitmap or an image-list image into an area of a device context,
// transparently and with alpha, in one of six looks, through three shared scratch bitmaps (so it
// never runs twice at once).  Also the masks and coloured silhouettes it builds on.
//
// A glyph without alpha is opaque except for its key colours: the list's mask for a list image,
// the given transparent colour, and with the flag the glyph's own TransparentColor.
#pragma once

#include <memory>

#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TBitmap;
class TCustomImageList;
class TkxBitmap;

enum TGlyphDrawMode : Byte { gdmNormal = 0, gdmDisabled = 1, gdmFaded = 2, gdmGrayed = 3, gdmLightened = 4,
                             gdmShadowed = 5 };

// GlyphRect and AreaRect are in DC's coordinates; the area is composed off-screen (on the
// background brush when one is given, else on what the DC shows there) and copied back whole.
// Nothing when there is neither a glyph with pixels nor a valid image index.
void DrawGlyph(HDC DC, const TRect& GlyphRect, const TRect& AreaRect, TBitmap* Glyph, TCustomImageList* Images,
               Integer ImageIndex, TGlyphDrawMode Mode, bool Smooth, HBRUSH BackgroundBrush, TColor TransparentColor,
               bool UseGlyphTransparentColor);
// The glyph's mask (white where transparent) copied into Mask at (0, 0).
void MakeGlyphMask(TBitmap* Glyph, TBitmap* Mask);
// A new 32-bit bitmap of the same size and pixels.
std::unique_ptr<TkxBitmap> CopyAsTkxBitmap(TBitmap* Bitmap);
// Every opaque pixel of the mask at (x, y) shows Color at (x + D, y + D) wherever B is transparent
// there; with Grow, B becomes D pixels wider and higher to hold all of it.
void AddColorSilhouette(TkxBitmap* B, TkxBitmap* Mask, Integer D, bool Grow, TColor Color);
// The drawing unit's shut-down.
void FreeScratchBitmaps();
