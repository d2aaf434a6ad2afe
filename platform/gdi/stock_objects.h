// The stock objects: the pens, brushes, palette and 1 x 1 bitmap every program shares.  They are
// created on first use, marked stock (DeleteObject leaves them alone) and live to the end of the
// process.  The stock fonts are in stock_fonts.h.
#pragma once

#include "platform/gdi/gdi_types.h"

namespace gdi {

class GdiObject;
class PenObject;
class BrushObject;
class PaletteObject;

PenObject* StockPen(int index);       // WHITE_PEN, BLACK_PEN, NULL_PEN, DC_PEN
BrushObject* StockBrush(int index);   // WHITE_BRUSH .. NULL_BRUSH, DC_BRUSH
PaletteObject* StockPalette();        // DEFAULT_PALETTE

// The stock font new device contexts select (SYSTEM_FONT; the fonts themselves are in
// stock_fonts.h).
GdiObject* StockFontObject();

}  // namespace gdi
