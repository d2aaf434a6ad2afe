#include "platform/ui/bit_btn_glyphs.h"

#include "platform/gdi/classic_glyphs.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/colors.h"

namespace {

enum class Symbol { None, Check, Cross, ArrowLeft, ArrowRight, Disc };

struct KindPicture {
  Symbol symbol;
  TColor color;
};

KindPicture PictureOf(TBitBtnKind Kind) {
  switch (Kind) {
    case bkOK:
    case bkYes:
    case bkAll: return {Symbol::Check, clGreen};
    case bkCancel:
    case bkNo:
    case bkAbort: return {Symbol::Cross, clRed};
    case bkRetry: return {Symbol::ArrowLeft, clGreen};
    case bkIgnore: return {Symbol::ArrowRight, clGreen};
    case bkClose: return {Symbol::ArrowRight, clMaroon};
    case bkHelp: return {Symbol::Disc, clBlue};
    case bkCustom: break;
  }
  return {Symbol::None, clNone};
}

// Two-pixel-wide diagonals corner to corner of a size x size square.
gdi::GlyphGrid Cross(int size) {
  gdi::GlyphGrid grid(size, size);
  for (int i = 0; i < size; ++i) {
    grid.FillRect(i, i, i + 2, i + 1, 1);
    grid.FillRect(size - 2 - i, i, size - i, i + 1, 1);
  }
  return grid;
}

gdi::GlyphGrid GridOf(Symbol symbol) {
  switch (symbol) {
    case Symbol::Check: return gdi::CheckMark(12);
    case Symbol::Cross: return Cross(12);
    case Symbol::ArrowLeft: return gdi::Arrow(gdi::ArrowDirection::Left, 7);
    case Symbol::ArrowRight: return gdi::Arrow(gdi::ArrowDirection::Right, 7);
    case Symbol::Disc: return gdi::Bullet(12);
    case Symbol::None: break;
  }
  return {};
}

}  // namespace

void LoadBitBtnGlyph(TBitBtnKind Kind, TBitmap* Glyph) {
  const KindPicture picture = PictureOf(Kind);
  if (picture.symbol == Symbol::None) {
    Glyph->SetSize(0, 0);
    return;
  }
  Glyph->SetSize(kBitBtnGlyphSize, kBitBtnGlyphSize);
  TCanvas* canvas = Glyph->Canvas();
  canvas->Brush()->SetColor(clOlive);
  canvas->FillRect(TRect{0, 0, kBitBtnGlyphSize, kBitBtnGlyphSize});
  const gdi::GlyphGrid grid = GridOf(picture.symbol);
  const COLORREF colors[] = {0, ColorToRGB(picture.color)};
  canvas->RequiredState({csHandleValid});
  gdi::PaintGlyph(canvas->Handle(), (kBitBtnGlyphSize - grid.width) / 2, (kBitBtnGlyphSize - grid.height) / 2, grid,
                  colors, 2);
}
