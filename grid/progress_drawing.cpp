#include "grid/progress_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "grid/cell_drawing.h"
#include "platform/core/float_math.h"
#include "platform/core/format.h"
#include "platform/core/int_text.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"

namespace {

constexpr Integer kBlockLength = 7;
constexpr Integer kBlockPitch = 9;   // a block and its 2-pixel gap

// A part of the bar inside Rect: Start pixels from the bar's start along its length (from the
// left, or from the bottom when vertical), Length pixels long, Inset pixels in from the frame
// across it.
TRect BarPart(const TRect& Rect, bool Vertical, Integer Start, Integer Length, Integer Inset) {
  if (!Vertical) return TRect{Rect.Left + Start, Rect.Top + Inset, Rect.Left + Start + Length, Rect.Bottom - Inset};
  return TRect{Rect.Left + Inset, Rect.Bottom - Start - Length, Rect.Right - Inset, Rect.Bottom - Start};
}

void LevelColors(const TProgressAppearance& A, Integer Level, TColor& First, TColor& Second) {
  const TColor colors[4][2] = {{A.Level0Color, A.Level0ColorTo},
                               {A.Level1Color, A.Level1ColorTo},
                               {A.Level2Color, A.Level2ColorTo},
                               {A.Level3Color, A.Level3ColorTo}};
  First = colors[Level][0];
  Second = colors[Level][1];
}

// Fills one segment or block in its level's first colour, or with ShowGradient as two halves across
// the bar: the outer from the second colour to the first, the inner from the first back.
void FillLevel(TCanvas* Canvas, const TRect& Part, Integer Level, const TProgressAppearance& A) {
  TColor first = clNone;
  TColor second = clNone;
  LevelColors(A, Level, first, second);
  if (!A.ShowGradient) {
    FillRectColor(Canvas, Part, first);
    return;
  }
  TRect outer = Part;
  TRect inner = Part;
  if (A.Vertical) {
    outer.Right = inner.Left = Part.Left + Part.Width() / 2;
  } else {
    outer.Bottom = inner.Top = Part.Top + Part.Height() / 2;
  }
  DrawGradient(Canvas, second, first, A.Steps, outer, A.Vertical);
  DrawGradient(Canvas, first, second, A.Steps, inner, A.Vertical);
}

Integer Percent(double Part, Integer Length) { return Integer(Round(Part / 100.0 * Length)); }

void PaintStackedBar(TCanvas* Canvas, const TRect& Rect, Integer P, Integer L, const TProgressAppearance& A) {
  const struct {
    Integer level, from, to;
  } segments[] = {{0, 0, A.Level1Perc}, {1, A.Level1Perc, A.Level2Perc}, {3, A.Level2Perc, P}};
  Integer start = 1;
  for (const auto& s : segments) {
    const Integer to = std::min(s.to, P);
    if (to <= s.from) continue;
    const bool last = to == P;
    const Integer length = last && P == 100 ? L - (start - 1) : Percent(double(to) - s.from, L);
    FillLevel(Canvas, BarPart(Rect, A.Vertical, start, length, 1), s.level, A);
    start += length;
    if (last) break;
  }
}

Integer BarLevel(Integer P, const TProgressAppearance& A) {
  if (P < A.Level1Perc) return 0;
  if (P < A.Level2Perc) return 1;
  return P > 99 ? 3 : 2;
}

void PaintBlocks(TCanvas* Canvas, const TRect& Rect, Integer P, Integer L, const TProgressAppearance& A) {
  const Integer level = BarLevel(P, A);
  const Integer filled = Integer(Round(double(P) * L / 100.0));
  const auto block = [&](Integer index, Integer length) {
    FillLevel(Canvas, BarPart(Rect, A.Vertical, 2 + index * kBlockPitch, length, 2), level, A);
  };
  if (filled < 10) {
    if (filled > 1) block(0, filled - 1);
    return;
  }
  const Integer full = filled / kBlockPitch;
  for (Integer i = 0; i < full; ++i) block(i, kBlockLength);
  if (filled % kBlockPitch > 2) block(full, filled % kBlockPitch - 1);
}

void DrawPercentage(TCanvas* Canvas, const TRect& Rect, Integer P, const TProgressAppearance& A) {
  TFont* font = Canvas->Font();
  if (A.Font != nullptr) {
    font->SetName(A.Font->Name());
    font->SetSize(A.Font->Size());
    font->SetColor(A.Font->Color());
    font->SetStyle(A.Font->Style());
  }
  const std::string text = IntToStr(P) + "%";
  if (!A.Vertical) {
    DrawCentredText(Canvas, Rect, text);
    return;
  }
  // Rotated to read upwards: the text's box lies right of and above its origin.
  const Integer orientation = font->Orientation();
  font->SetOrientation(900);
  const TSize extent = Canvas->TextExtent(text);
  Canvas->TextOut(Rect.Left + (Rect.Width() - extent.cy) / 2, Rect.Top + (Rect.Height() + extent.cx) / 2, text);
  font->SetOrientation(orientation);
}

}  // namespace

void PaintProgressBar(TCanvas* Canvas, const TRect& Rect, Integer Percentage, const TProgressAppearance& Appearance) {
  const TProgressAppearance& a = Appearance;
  const TColor frame = a.ShowBorder ? a.BorderColor : a.Background;
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(a.Background);
  Canvas->Pen()->SetColor(frame);
  Canvas->Rectangle(Rect);
  const Integer length = (a.Vertical ? Rect.Height() : Rect.Width()) - 2;
  if (Percentage > 0) {
    if (a.Stacked) PaintStackedBar(Canvas, Rect, Percentage, length, a);
    else if (a.CompletionSmooth)
      FillLevel(Canvas, BarPart(Rect, a.Vertical, 1, Percent(Percentage, length), 1), BarLevel(Percentage, a), a);
    else PaintBlocks(Canvas, Rect, Percentage, length, a);
  }
  Canvas->Brush()->SetStyle(bsClear);
  if (a.ShowPercentage && Percentage != -1) DrawPercentage(Canvas, Rect, Percentage, a);
  Canvas->Pen()->SetColor(frame);
  Canvas->Rectangle(Rect);
}

void DrawProgressCell(TCanvas* Canvas, const TRect& Rect, TColor FillColor1, TColor TextColor1, TColor FillColor2,
                      TColor TextColor2, double Value, Integer HorizontalMargin, Integer VerticalMargin,
                      Integer Minimum, Integer Maximum, const std::string& Format, TColor BorderColor,
                      bool TextBelowCentre) {
  const TColor remembered = Canvas->Brush()->Color();
  Canvas->Brush()->SetColor(FillColor1);
  Canvas->Pen()->SetColor(FillColor1);
  Canvas->Font()->SetColor(TextColor1);
  Int64 percentage = 0;
  std::string text;
  if (!Format.empty()) {
    const Int64 value = Round(Value);
    text = ::Format(Format, {TVarRec(value)});
    // A maximum of 0 would divide by zero: such a bar is empty.
    if (Maximum != 0) percentage = Round(double(value - Minimum) * 100.0 / Maximum);
  } else {
    percentage = Round(Value);
    text = IntToStr(percentage) + "%";
  }
  if (percentage > Maximum) percentage = Maximum;
  if (percentage < Minimum) percentage = Minimum;

  const TRect r{Rect.Left + HorizontalMargin, Rect.Top + VerticalMargin, Rect.Right - HorizontalMargin,
                Rect.Bottom - VerticalMargin};
  // The filled part stays within the bar whatever the range.
  const Integer filled =
      Integer(std::clamp<Int64>(Round(double(percentage) * r.Width() / 100.0), 0, std::max(r.Width(), 0)));
  const TSize extent = Canvas->TextExtent(text);
  const Integer x = r.Left + (r.Width() - extent.cx) / 2;
  const Integer y = TextBelowCentre ? r.Top + (r.Height() + extent.cy) / 2 : r.Top + (r.Height() - extent.cy) / 2;
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->TextRect(TRect{r.Left, r.Top, r.Left + filled, r.Bottom}, x, y, text);
  Canvas->Brush()->SetColor(FillColor2);
  Canvas->Pen()->SetColor(FillColor2);
  Canvas->Font()->SetColor(TextColor2);
  Canvas->TextRect(TRect{r.Left + filled, r.Top, r.Right, r.Bottom}, x, y, text);

  const TRect border{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
  if (BorderColor != clNone) {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(border);
  }
  Canvas->Brush()->SetColor(remembered);
  Canvas->FrameRect(TRect{border.Left - 1, border.Top - 1, border.Right + 1, border.Bottom + 1});
}

void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor FillColor, Integer Percentage, bool FillAbove) {
  TPen* pen = Canvas->Pen();
  pen->SetColor(0x808080);
  pen->SetWidth(1);
  Canvas->Ellipse(Rect);
  const Integer cx = Rect.Left + Rect.Width() / 2;
  const Integer cy = Rect.Top + Rect.Height() / 2;
  const double angle = 2 * std::numbers::pi * Percentage / 100.0;
  Canvas->MoveTo(cx, Rect.Top);
  Canvas->LineTo(cx, cy);
  Canvas->LineTo(cx + Integer(Round((Rect.Width() + 1) / 2.0 * std::sin(angle))),
                 cy - Integer(Round((Rect.Height() + 1) / 2.0 * std::cos(angle))));
  Canvas->Brush()->SetColor(FillColor);
  Canvas->FloodFill(cx + 2, FillAbove ? Rect.Top - 2 : Rect.Top + 2, 0x808080, fsBorder);
}

void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, Integer Value, Integer Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor) {
  const TRect r{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
  const Integer half = r.Width() / 2;
  const Integer centre = r.Left + half;
  // A range of 0 (or less) has no scale: no bar, and the value written as 0.
  const Integer value = Range > 0 ? std::clamp(Value, -Range, Range) : 0;
  const Integer length = Range > 0 ? Integer(Round(double(half) * value / Range)) : 0;
  const TColor color = value < 0 ? NegativeColor : PositiveColor;
  Canvas->Brush()->SetColor(color);
  Canvas->Pen()->SetColor(color);
  Canvas->FillRect(value < 0 ? TRect{centre + length, r.Top, centre, r.Bottom}
                             : TRect{centre, r.Top, centre + length, r.Bottom});
  if (ShowValue) DrawCentredText(Canvas, r, IntToStr(value));
}
