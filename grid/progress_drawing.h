// The grid's progress drawing routines: the level progress bar, the classic progress bar with its
// text, the progress pie and the range indicator.  Each draws on the canvas it is given, changes
// that canvas's pen, brush and font as stated, and keeps no state.  Rounding is to the nearest
// integer with halves to the even neighbour; "div" truncates toward zero.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"
#include "platform/ui/colors.h"

class TCanvas;
class TFont;

// How PaintProgressBar paints: four levels, each in its first colour or as a gradient to its
// second; level 1 begins at Level1Perc, level 2 at Level2Perc.
struct TProgressAppearance {
  TColor Level0Color = clNone;
  TColor Level0ColorTo = clNone;
  TColor Level1Color = clNone;
  TColor Level1ColorTo = clNone;
  TColor Level2Color = clNone;
  TColor Level2ColorTo = clNone;
  TColor Level3Color = clNone;
  TColor Level3ColorTo = clNone;
  Integer Level1Perc = 0;
  Integer Level2Perc = 0;
  TColor BorderColor = clNone;
  bool ShowBorder = false;
  bool Stacked = false;          // the levels end to end instead of one level for the whole bar
  bool ShowPercentage = false;
  TFont* Font = nullptr;         // of the percentage text (not owned); nullptr keeps the canvas's
  bool CompletionSmooth = false;   // one continuous bar instead of 7-pixel blocks
  bool ShowGradient = false;
  Integer Steps = 0;             // gradient steps across the bar's thickness
  TColor Background = clNone;
  bool Vertical = false;         // the bar grows upwards
};

// The level progress bar of Percentage in Rect: background and frame, the bar (when Percentage >
// 0), the text "<Percentage>%" centred (ShowPercentage, not for -1; rotated to read upwards when
// Vertical), the frame again.  Not stacked, the bar's level is 0 below Level1Perc, 1 below
// Level2Perc, 3 above 99 and 2 otherwise; stacked, levels 0, 1 and 3 follow each other.  Blocks
// are 7 pixels long with 2-pixel gaps, 2 pixels in from the frame; a filled length e gives e div 9
// blocks and a last one of (e mod 9) - 1 pixels when e mod 9 > 2 (below 10: one block of e - 1).
void PaintProgressBar(TCanvas* Canvas, const TRect& Rect, Integer Percentage, const TProgressAppearance& Appearance);
// The classic progress bar: Rect less the margins is filled from the left in FillColor1 up to the
// percentage, the rest in FillColor2, and the text drawn centred in TextColor1 over the filled part
// and TextColor2 over the rest.  With a Format the text is Format applied to round(Value) and the
// percentage round((round(Value) - Minimum) * 100 / Maximum) (0 for a Maximum of 0); without one
// the percentage is round(Value) and the text that number and "%".  The percentage is then kept
// within Minimum .. Maximum.  TextBelowCentre puts the text's top at the middle of the bar.  A
// 1-pixel frame in BorderColor (unless clNone) and one more in the canvas's brush colour go
// around, and the brush colour is left as it was.
void DrawProgressCell(TCanvas* Canvas, const TRect& Rect, TColor FillColor1, TColor TextColor1, TColor FillColor2,
                      TColor TextColor2, double Value, Integer HorizontalMargin, Integer VerticalMargin,
                      Integer Minimum, Integer Maximum, const std::string& Format, TColor BorderColor,
                      bool TextBelowCentre);
// A grey-outlined pie: the ellipse in Rect, a line from 12 o'clock to the centre and on to the
// angle of Percentage (clockwise), and the slice from 12 o'clock flood-filled in FillColor from 2
// pixels right of the top centre, 2 pixels below the top (FillAbove: 2 pixels above it).
void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor FillColor, Integer Percentage, bool FillAbove);
// Within Rect less 2 pixels: a bar from the centre, to the right in PositiveColor for a value of 0
// or more and to the left in NegativeColor below 0, its length round(half width * value / range)
// with the value kept within -Range .. Range; ShowValue writes that value centred.  A Range of 0
// or less draws no bar and writes 0.
void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, Integer Value, Integer Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor);
