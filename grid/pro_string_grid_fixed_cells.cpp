// TProStringGrid fixed cells: the gradient and frames of the looks, the sort glyph in the header
// and the colour presets.
#include <algorithm>
#include <string>

#include "grid/cell_drawing.h"
#include "grid/control_look.h"
#include "grid/grid_glyphs.h"
#include "grid/grid_values.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/pen.h"

namespace {

constexpr Integer kFixedGradientSteps = 32;

bool HasGlyph(TBitmap* Glyph) { return Glyph != nullptr && !Glyph->Empty(); }

void Line(TCanvas* Canvas, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Canvas->Pen()->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

// The colours one preset sets; clNone where "as look" (the fixed gradient copies the look's).
struct TColorPreset {
  TColor LookFrom, LookTo, ActiveFrom, ActiveTo, FixedFrom, FixedTo, FooterFrom, FooterTo;
  bool FixedAsLook;
  TColor GridLine;    // clNone: unchanged
  TColor Selection;   // clNone: unchanged
};

constexpr TColor kActiveOrange = RGB(251, 230, 148), kActiveOrangeTo = RGB(238, 149, 21);
constexpr TColor kActiveLight = RGB(249, 216, 157), kActiveLightTo = RGB(241, 193, 94);
constexpr TColor kPresetGridLine = RGB(208, 215, 229);

// Presets 0..9; 8 is handled as "nothing changes" before the table is read.
const TColorPreset kPresets[] = {
    {RGB(203, 225, 252), RGB(125, 165, 224), kActiveOrange, kActiveOrangeTo, clNone, clNone, RGB(203, 225, 252),
     RGB(125, 165, 224), true, clNone, clNone},
    {RGB(225, 226, 236), RGB(152, 150, 179), kActiveOrange, kActiveOrangeTo, clNone, clNone, RGB(225, 226, 236),
     RGB(152, 150, 179), true, clNone, clNone},
    {RGB(234, 240, 207), RGB(177, 192, 140), kActiveOrange, kActiveOrangeTo, clNone, clNone, RGB(234, 240, 207),
     RGB(177, 192, 140), true, clNone, clNone},
    {clWhite, RGB(216, 212, 204), RGB(212, 213, 216), RGB(212, 213, 216), clNone, clNone, clWhite,
     RGB(212, 213, 216), false, clNone, clNone},
    {RGB(246, 249, 251), RGB(210, 219, 232), kActiveLight, kActiveLightTo, clNone, clNone, RGB(227, 239, 255),
     RGB(175, 210, 255), true, kPresetGridLine, RGB(241, 193, 94)},
    {RGB(247, 247, 247), RGB(222, 222, 222), kActiveLight, kActiveLightTo, clNone, clNone, RGB(240, 241, 242),
     RGB(189, 194, 201), true, kPresetGridLine, RGB(241, 193, 94)},
    {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clNone, clNone, clBtnFace, clBtnFace, false, clNone, clHighlight},
    {clWhite, clBtnFace, kActiveOrange, kActiveOrangeTo, clNone, clNone, RGB(239, 238, 235), RGB(152, 152, 126),
     false, clNone, clHighlight},
    {},
    {RGB(241, 243, 243), RGB(200, 201, 202), RGB(255, 204, 153), RGB(255, 156, 105), clNone, clNone,
     RGB(238, 238, 238), RGB(193, 193, 193), true, kPresetGridLine, RGB(245, 199, 149)},
};

}  // namespace

void TProStringGrid::DrawFixedGradient(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect) {
  const bool rowHeader = FixedCols() > 0 && ACol == FixedCols() - 1 && ARow == Row();
  const bool colHeader = FixedRows() > 0 && ARow == FixedRows() - 1 && ACol == Col();
  if (activeCellShow_ && (rowHeader || colHeader))
    DrawGradient(ACanvas, activeCellColor_, activeCellColorTo_, kFixedGradientSteps, Rect, false);
  else
    DrawGradient(ACanvas, fixedGradientFrom_, fixedGradientTo_, kFixedGradientSteps, Rect, false);
}

// Rect: the cell's content rectangle grown by one pixel.  Only called for fixed cells without Flat.
void TProStringGrid::DrawFixedFrame(TCanvas* ACanvas, const TRect& Rect) {
  const TColor savedPen = ACanvas->Pen()->Color();
  const bool horzLines = Options().Contains(goFixedHorzLine);
  if (look_ == glClassic) {
    TRect r = Rect;
    DrawEdge(ACanvas->Handle(), &r, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
    r = Rect;
    DrawEdge(ACanvas->Handle(), &r, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
    Line(ACanvas, clBlack, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom - 1);
    ACanvas->LineTo(Rect.Left - 1, Rect.Bottom - 1);
  } else if (look_ == glDAV || look_ == glXP || look_ == glSoft) {
    const TRect r{Rect.Left - 1, Rect.Top - 1, Rect.Right + 1, Rect.Bottom};
    const TColor dark = HalveColor(FixedColor());
    if (horzLines) {
      Line(ACanvas, dark, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
      Line(ACanvas, clWhite, r.Left + 1, r.Top + 1, r.Right, r.Top + 1);
      Line(ACanvas, clWhite, r.Left + 1, r.Top + 1, r.Left + 1, r.Bottom - 1);
    }
    if (look_ == glSoft && Options().Contains(goFixedVertLine)) {
      Line(ACanvas, dark, r.Right - 2, r.Top, r.Right - 2, r.Bottom);
      Line(ACanvas, clWhite, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
  }
  ACanvas->Pen()->SetColor(savedPen);
}

bool TProStringGrid::SortGlyphShown(Integer ACol, Integer ARow) {
  if (!sortSettings_->Show() || FixedRows() == 0 || RowCount() <= 2 || ARow != sortSettings_->Row()) return false;
  if (ACol < FixedCols() && !sortSettings_->FixedCols()) return false;
  const Integer realCol = RealColIndex(ACol);
  const Integer position = sortIndex_->FindIndex(realCol);
  return realCol == sortSettings_->Column() || position == 0 || (position > 0 && sortSettings_->IndexShow());
}

void TProStringGrid::DrawSortGlyph(TCanvas* ACanvas, Integer ACol, Integer X, Integer Y) {
  const Integer position = sortSettings_->IndexShow() ? sortIndex_->FindIndex(ACol) : -1;
  if (position >= 0) {
    DrawIndexSortGlyph(ACanvas, position, X, Y);
    return;
  }
  TBitmap* up = sortSettings_->UpGlyph();
  TBitmap* down = sortSettings_->DownGlyph();
  const bool glyphs = HasGlyph(up) && HasGlyph(down);
  if (sortSettings_->Direction() == sdDescending) {
    if (glyphs) {
      DrawGlyphTransparent(ACanvas, X - 4, Y - 4, down);
    } else {
      Line(ACanvas, clWhite, X + 4, Y - 4, X, Y + 4);
      ACanvas->Pen()->SetColor(clGray);
      ACanvas->LineTo(X - 4, Y - 4);
      ACanvas->LineTo(X + 4, Y - 4);
    }
  } else if (glyphs) {
    DrawGlyphTransparent(ACanvas, X - 4, Y - 4, up);
  } else {
    Line(ACanvas, clWhite, X - 4, Y + 4, X + 4, Y + 4);
    ACanvas->LineTo(X, Y - 4);
    ACanvas->Pen()->SetColor(clGray);
    ACanvas->LineTo(X - 4, Y + 4);
  }
  ACanvas->Pen()->SetColor(clBlack);
}

// The glyph of the column at Position of a multi-column sort: a triangle (or the index glyph) in
// IndexColor pointing the column's way, numbered Position + 1.
void TProStringGrid::DrawIndexSortGlyph(TCanvas* ACanvas, Integer Position, Integer X, Integer Y) {
  TBrush savedBrush;
  savedBrush.Assign(ACanvas->Brush());
  TFont savedFont;
  savedFont.Assign(ACanvas->Font());
  const TColor savedPen = ACanvas->Pen()->Color();
  ACanvas->Brush()->SetColor(sortSettings_->IndexColor());
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Font()->SetColor(clBlack);
  ACanvas->Font()->SetSize(6);
  const bool glyphs = HasGlyph(sortSettings_->IndexUpGlyph()) && HasGlyph(sortSettings_->IndexDownGlyph());
  const bool otherWay = sortIndex_->IsDescending(Position);
  if (glyphs) {
    DrawGlyphTransparent(ACanvas, X - 7, Y - 7,
                         otherWay ? sortSettings_->IndexUpGlyph() : sortSettings_->IndexDownGlyph());
  } else {
    ACanvas->Pen()->SetColor(sortSettings_->IndexColor());
    const TPoint down[] = {{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}};
    const TPoint up[] = {{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}};
    ACanvas->Polygon(otherWay ? down : up, 3);
  }
  ACanvas->TextOut(X - 2, otherWay ? Y - 4 : Y - 2, std::to_string(Position + 1));
  ACanvas->Pen()->SetColor(savedPen);
  ACanvas->Font()->Assign(&savedFont);
  ACanvas->Brush()->Assign(&savedBrush);
}

void TProStringGrid::ApplyColorPreset(Integer Style) {
  if (Style < 0 || Style > 9 || Style == 8) return;
  const TColorPreset& preset = kPresets[Style];
  SetFixedGradientFrom(preset.LookFrom);
  SetFixedGradientTo(preset.LookTo);
  SetActiveCellColor(preset.ActiveFrom);
  SetActiveCellColorTo(preset.ActiveTo);
  controlLook_->SetFixedGradientFrom(preset.FixedAsLook ? preset.LookFrom : preset.FixedFrom);
  controlLook_->SetFixedGradientTo(preset.FixedAsLook ? preset.LookTo : preset.FixedTo);
  searchFooter_->SetColor(preset.FooterFrom);
  searchFooter_->SetColorTo(preset.FooterTo);
  if (preset.GridLine != clNone) SetGridLineColor(preset.GridLine);
  if (preset.Selection != clNone) SetSelectionColor(preset.Selection);
  Invalidate();
}

// The line inverts what it crosses (a black pen in not-xor mode), so drawing it twice restores the
// pixels; a black pen in plain xor mode would leave every pixel as it was and show nothing.
void TProStringGrid::DrawSizingLine(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  TCanvas* canvas = Canvas();
  TPen saved;
  saved.Assign(canvas->Pen());
  canvas->Pen()->SetStyle(psDot);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(clBlack);
  canvas->Pen()->SetMode(pmNotXor);
  canvas->MoveTo(X1, Y1);
  canvas->LineTo(X2, Y2);
  canvas->Pen()->Assign(&saved);
}

void TProStringGrid::DrawColSizingLine(Integer X) {
  const TRect last = CellRect(0, RowCount() - 1);
  DrawSizingLine(X, 0, X, std::max(Height(), last.Bottom));
}

void TProStringGrid::DrawRowSizingLine(Integer Y) {
  const TRect last = CellRect(ColCount() - 1, 0);
  DrawSizingLine(0, Y, std::max(Width(), last.Right), Y);
}
