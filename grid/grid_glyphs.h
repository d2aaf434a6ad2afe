// Small bitmaps the grid draws with their automatic transparent colour (the colour of their
// bottom-left pixel) left out: a caller's glyph, or one of the grid's own bitmap resources (check
// boxes, radio buttons, node glyphs, the filter glyph; drawn by grid/resources/draw_glyphs.py).
#pragma once

#include <string>

#include "platform/core/units.h"

class TBitmap;
class TCanvas;

// Glyph at (X, Y); the glyph's own Transparent setting is kept.
void DrawGlyphTransparent(TCanvas* Canvas, Integer X, Integer Y, TBitmap* Glyph);
// The bitmap resource Name at (X, Y); nothing when the program has no such resource.
void DrawResourceGlyph(TCanvas* Canvas, Integer X, Integer Y, const std::string& Name);
