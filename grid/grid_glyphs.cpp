#include "grid/grid_glyphs.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/user/resource_bitmap.h"

// The grid's own glyphs, registered at start-up in every program that links the grid.
#include "PSGCHK01.res.inc"
#include "PSGCHK02.res.inc"
#include "PSGCHK03.res.inc"
#include "PSGCHK04.res.inc"
#include "PSGCHK05.res.inc"
#include "PSGCHK06.res.inc"
#include "PSGCHK07.res.inc"
#include "PSGCHK08.res.inc"
#include "PSGRAD01.res.inc"
#include "PSGRAD02.res.inc"
#include "PSGRAD03.res.inc"
#include "PSGRAD04.res.inc"
#include "PSGRAD05.res.inc"
#include "PSGRAD06.res.inc"
#include "PSGRAD07.res.inc"
#include "PSGRAD08.res.inc"
#include "PSGLEAFCLOSE.res.inc"
#include "PSGLEAFOPEN.res.inc"
#include "XPNODEC.res.inc"
#include "XPNODEO.res.inc"
#include "PSGFILT.res.inc"

void DrawGlyphTransparent(TCanvas* Canvas, Integer X, Integer Y, TBitmap* Glyph) {
  const bool transparent = Glyph->Transparent();
  Glyph->SetTransparent(true);
  Canvas->Draw(X, Y, Glyph);
  Glyph->SetTransparent(transparent);
}

void DrawResourceGlyph(TCanvas* Canvas, Integer X, Integer Y, const std::string& Name) {
  HBITMAP handle = LoadBitmapA(nullptr, Name.c_str());
  if (handle == nullptr) return;
  TBitmap bitmap;
  bitmap.SetHandle(handle);
  DrawGlyphTransparent(Canvas, X, Y, &bitmap);
}
