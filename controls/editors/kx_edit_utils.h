// The editors' shared painting routines (unit kxEditUtils): arrows, one-pixel border lines, enabled
// and disabled glyphs, image-list images, pixel-exact poly-lines, the conversion between the text-out
// flag word and DrawText flags, hot-track and highlight colours, the painter of a look-and-feel
// kind, rectangle fills with cached brushes, two font routines, and the width and content padding
// of an embedded button.  The editor background routine lives with the editor view info.
//
// Solid brushes come from the shared brush cache.  The unit start records whether the system
// offers the hot-light colour (DetectHotLightColorSupport).
#pragma once

#include "controls/editors/kx_edit_buttons.h"
#include "controls/editors/kx_text_out_flags.h"
#include "controls/foundation/kx_painter.h"
#include "platform/core/units.h"
#include "platform/gdi/geometry.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TkxCanvas;
struct LOGFONTA;
struct OSVERSIONINFO;

// --- Arrows and lines ---

// S = min(cx, cy); A = (S - 1) div 2, made odd; (A, A div 2 + 1) for up and down, swapped for
// left and right.
TSize CalcEditArrowSize(const TSize& AContentSize, TkxGlyphDirection ADirection);
// A filled arrow (two, one after the other, when AIsDoubleArrow) of AArrowSize, centred in R
// (halves rounded toward minus infinity), moved by (1, 1) with AOffsetContent; drawn as one-pixel
// lines with the cached brush of AColor.
void PaintEditArrow(TCanvas* Canvas, const TSize& AArrowSize, const TRect& R, TColor AColor, bool AOffsetContent,
                    bool AIsDoubleArrow, TkxGlyphDirection ADirection);
// Border side bits of DrawBorderSides.
inline constexpr Integer kxSideLeft = 1, kxSideTop = 2, kxSideRight = 4, kxSideBottom = 8;
// One line of AColor along each side in ASides (left, right, top, bottom in this order; the right
// and bottom lines one pixel inside R); each drawn side of R moves inward by one.
void DrawBorderSides(TCanvas* Canvas, TRect& R, Integer ASides, TColor AColor);
// Horizontal and vertical segments through the points, the last point included.  Without pixel
// mode a pen polyline; in pixel mode one-pixel rectangles filled with the cached brush.
void DrawPolyLineColored(TCanvas* Canvas, const TPoint* APoints, Integer ACount, bool APixelMode, TColor AColor);

// --- Glyphs and images ---

// Assigned, not empty, width and height above 0.
bool IsBitmapPaintable(TBitmap* ABitmap);
// The glyph at (X, Y) with its transparent colour left out, through ABuffer when given (the buffer
// is then drawn at X, Y).  Disabled: the image list's disabled look, on ABackgroundColor unless it
// is clNone.
void PaintGlyph(TCanvas* ACanvas, Integer X, Integer Y, TBitmap* ABuffer, TColor ABackgroundColor, bool AEnabled,
                TBitmap* AGlyph);
void PaintGlyphOnCanvas(TkxCanvas& ACanvas, Integer X, Integer Y, TBitmap* ABuffer, TColor ABackgroundColor,
                        bool AEnabled, TBitmap* AGlyph);
// The list's image drawn into ABuffer (or a temporary bitmap of the image size filled with
// ABackgroundColor), which is then drawn at R's top-left.
void DrawImageListImage(TCanvas* Canvas, TCustomImageList* AImageList, Integer AImageIndex, TBitmap* ABuffer,
                        bool AEnabled, TColor ABackgroundColor, const TRect& R);

// --- Button sizes ---

// The laid-out width of a button.  Margins M: 4, or for a native button whose theme class opens
// ("ComboBox" for the combo-box look, else "Button") the theme's left plus right content insets.
// A given Width W (above 0) answers max(W, M); otherwise a paintable glyph answers glyph width + M,
// a text button max(SM_CYHSCROLL, M + caption width + 3), any other kind SM_CYHSCROLL.
Integer GetEditButtonWidth(TCanvas* Canvas, const TkxEditButtonViewInfo& AButton);
// The vertical room a button's frame takes: by style 0 default, 4 3-D, 2 the others; native: the
// "Button" theme's top plus bottom content insets (0 when the class does not open).
Integer GetButtonContentPadding(TCanvas* Canvas, TkxEditButtonStyle AButtonsStyle, bool ANativeStyle);

// --- Colours and painters ---

// The hot-light colour is offered on a Windows 9x platform with a minor version other than 0 and on
// Windows NT 5.x.
bool DetectHotLightColorSupport(const OSVERSIONINFO& AVersion);
bool IsHotLightColorSupported();
// COLOR_HOTLIGHT when supported, else pure blue ($FF0000).
TColor GetHotLightColor();
// Office11Color21 for Office 2003, else clHighlight.
TColor GetHighlightBorderColor(bool IsOffice11);
// The button face of the Office 2003 or ultra-flat painter for pressed or hot.
TColor GetFlatButtonStateColor(bool IsPressed, bool IsOffice11);
// The visual-style painter when ANativeStyle and visual styles are available, else the kind's.
TkxLookAndFeelPainterClass SelectLookAndFeelPainterClass(bool ANativeStyle, TkxLookAndFeelKind AKind);

// --- Text flags ---

// The six pairs: vertical centre - DT_VCENTER, right - DT_RIGHT, single line - DT_SINGLELINE, word
// break - DT_WORDBREAK, calc rect - DT_CALCRECT, expand tabs - DT_EXPANDTABS.  The alignments are
// compared as modes (right is the horizontal mode 2, not any word with bit 2), and nothing else is
// produced: DT_CENTER and DT_BOTTOM are never set, nor read back.
UINT MapTextOutFlagsToDrawTextFlags(TkxTextOutFlags AFlags);
TkxTextOutFlags MapDrawTextFlagsToTextOutFlags(UINT AFlags);

// --- Filling and fonts ---

void FillRectWithColor(TCanvas* Canvas, const TRect& R, TColor AColor);
void FillRectWithBrush(HDC DC, const TRect& R, HBRUSH ABrush);
// The frame between Outer and Inner as four strips (all of Outer when Inner is empty).
void FillFrameWithBrush(TCanvas* Canvas, const TRect& Outer, const TRect& Inner, HBRUSH ABrush);
void SetCanvasFontFromLogFont(TCanvas* Canvas, const LOGFONTA& ALogFont);
bool GetCanvasLogFont(TCanvas* Canvas, LOGFONTA& ALogFont);

// Start-up: DetectHotLightColorSupport of the platform's version.
extern const Unit kxEditUtilsUnit;
