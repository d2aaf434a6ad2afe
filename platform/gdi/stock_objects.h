// The stock objects: the pens, brushes, palette and 1 x 1 bitmap every program shares.  They are
// created on first use, marked stock (DeleteObject leaves them alone) and live to the end of the
// process.  Stock fonts come from the text layer through a provider it installs.
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

// The text layer's stock fonts: the provider returns the handle of a stock font index
// (OEM_FIXED_FONT .. DEFAULT_GUI_FONT), creating it on first use.  New device contexts select
// SYSTEM_FONT.  Without a provider the font slots stay empty.
using StockFontProvider = HGDIOBJ (*)(int index);
void SetStockFontProvider(StockFontProvider provider);
GdiObject* StockFontObject();

}  // namespace gdi
