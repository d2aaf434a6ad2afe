// The pictures of the bit button kinds: our own 18 x 18 drawings on clOlive (the transparent
// colour, as the bottom-left pixel): a green check mark (OK, Yes, All), a red cross (Cancel, No,
// Abort), a green arrow left (Retry) or right (Ignore), a dark red arrow right (Close) and a blue
// disc (Help).  bkCustom has none.
#pragma once

#include "platform/ui/bit_btn.h"

inline constexpr Integer kBitBtnGlyphSize = 18;   // pixels, square

// Makes Glyph the picture of Kind (empty for bkCustom).
void LoadBitBtnGlyph(TBitBtnKind Kind, TBitmap* Glyph);
