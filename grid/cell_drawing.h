// The grid's cell drawing routines: gradients, solid fills, the red error underline, the combo-box
// button of a cell and bitmaps with a transparent corner colour.  Each draws on the canvas it is
// given, changes that canvas's pen, brush and font as stated, and keeps no state.
//
// Colours are TColor values; clNone (0x1FFFFFFF) as a gradient's second colour means "no
// gradient".  Rounding is to the nearest integer with halves to the even neighbour.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"
#include "platform/ui/colors.h"
#include "platform/user/user_types.h"

class TBitmap;
class TCanvas;
class TWinControl;

// Fills Rect in Steps bands (0 or less: one), left to right when Horizontal, else top to bottom.
// Band k starts at round(k * s) (s = the extent / Steps as a real number), is round(s) + 1 pixels
// long (cut at Rect's edge) and has each channel of FromColor plus round(k * (to - from) / Steps).
// ToColor clNone fills Rect with FromColor.  Brush and pen end in the last band's colour.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps, const TRect& Rect,
                  bool Horizontal);
// The colour of step Step between FirstStep and LastStep: each channel of FromColor plus
// round((to - from) / (LastStep - FirstStep) * Step), kept within 0..255.  FromColor when ToColor
// is clNone or the two steps are equal.
TColor GradientStepColor(TColor FromColor, TColor ToColor, Integer FirstStep, Integer LastStep, Integer Step);
// Sets the brush colour and fills Rect.
void FillRectColor(TCanvas* Canvas, const TRect& Rect, TColor Color);
// Text on one line, centred both ways in Rect and clipped to it, in the canvas's font over what is
// there (the brush style becomes clear).
void DrawCentredText(TCanvas* Canvas, const TRect& Rect, const std::string& Text);
// A red zig-zag 2 pixels wide, 3 pixels high, under the characters Start .. Start + Length - 1 of
// Text as a single-line edit control of Parent's font in Rect lays them out, Offset pixels lower.
void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const std::string& Text, const TRect& Rect,
                        Integer Offset, Integer Start, Integer Length);
// The drop-down button in the rightmost 16 pixels of Rect (1 pixel in at the top and bottom, 2
// from the right): Themed, part 1 in state 1 of the visual style's "combobox" class for Window;
// otherwise, or while no visual style can be opened, the classic flat combo-box arrow.
void DrawComboButton(TCanvas* Canvas, HWND Window, const TRect& Rect, bool Themed);
// Bitmap at its size at Rect's top-left, the pixels of its top-left pixel's colour replaced by
// Background.
void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor Background, const TRect& Rect);
// The program's bitmap resource Name (platform/user/resource_bitmap.h) drawn by
// DrawBitmapTransparent; nothing when there is no such resource.
void DrawResourceBitmap(TCanvas* Canvas, TColor Background, const TRect& Rect, const std::string& Name);
