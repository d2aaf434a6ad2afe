// The Office 2003 look's fills (unit kdOffice11): a two-colour gradient through the image blending
// library's GradientFill when it is bound and solid bands otherwise, a solid fill, and the dotted
// size grip.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/ui/colors.h"
#include "platform/user/user_types.h"

// Loads "msimg32.dll" and binds "GradientFill" (null when either is missing); frees it.
void BindGradientFill();
void FreeGradientFill();
bool IsGradientFillBound();

// Equal colours: one solid fill.  Otherwise the bound GradientFill from (Left, Top) in Color1 to
// (Right, Bottom) in Color2, or without it min(size, 256) solid bands of the interpolated colours.
void GradientFillRect(HDC DC, const TRect& R, TColor Color1, TColor Color2, bool Horizontal);
// FillRect with a solid brush of the colour made for the call.
void FillDCRectWithColor(HDC DC, const TRect& R, TColor Color);
// Three rows of 3, 2 and 1 dots in the bottom-right corner of R (12 x 12 pixels at most, never
// right of or below R); clDefault for a colour takes the scheme's dot or dot-shadow brush.
void PaintDottedSizeGrip(HDC DC, const TRect& R, TColor DotColor, TColor ShadowColor);
// One row of 4-pixel dot cells along R: each a 2 x 2 shadow square with the dot square drawn one
// pixel up and left of it.
void DrawGripDots(HDC DC, const TRect& R, bool Vertical, HBRUSH DotBrush, HBRUSH ShadowBrush);
