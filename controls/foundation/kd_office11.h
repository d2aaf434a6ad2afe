// The Office 2003 colour scheme (unit kdOffice11): the colours of the lfOffice11 look, taken from a
// fixed table for the active visual style's colour variant (1 blue "NORMALCOLOR", 2 olive
// "HOMESTEAD", 3 silver "METALLIC") or, without one, mixed from the classic system colours; the
// brushes and expand-button pictures that go with them; and the colour mixing routines.
//
// The colours are computed on the first Office11ColorsAddRef and again by Office11ColorsRefresh
// (the palette listener calls it on every system colour change); the brushes and pictures exist
// while the count of users is above zero.  Colour values are TColor 0x00BBGGRR.
#pragma once

#include <string_view>

#include "platform/core/units.h"
#include "platform/ui/colors.h"
#include "platform/user/user_types.h"

extern TColor Office11Color00, Office11Color01, Office11Color02, Office11Color03, Office11Color12, Office11Color13,
    Office11Color14, Office11Color15, Office11Color16, Office11Color18, Office11Color21, Office11Color22,
    Office11Color23, Office11Color24, Office11Color25, Office11Color30, Office11Color31, Office11Color32,
    Office11Color33, Office11Color34, Office11Color35, Office11WhiteColor, Office11ShadowMixColor;

// Solid brushes of Office11Color12 and Office11Color13, and the 11 x 11 pictures
// "KDEXPANDBUTTON_MINUS" and "KDEXPANDBUTTON_PLUS"; null while no one uses the colours.
extern HBRUSH Office11DotBrush, Office11DotShadowBrush;
extern HBITMAP Office11ExpandButtonMinus, Office11ExpandButtonPlus;

// 0 none, 1 blue, 2 olive, 3 silver.
Byte GetOffice11Scheme();
// Visual styles usable and a scheme 1..3 detected.
bool IsOffice11ThemeScheme();
// The scheme the current theme's names give (see DetectOffice11Scheme): on a system of major
// version above 5, or with the theme file (its name part, any case) "LUNA.MSSTYLES", the colour
// variant names it ("NORMALCOLOR" 1, "HOMESTEAD" 2, "METALLIC" 3, any case); else 0.
Byte Office11SchemeOfThemeNames(std::u16string_view ThemeFileName, std::u16string_view ColorName,
                                DWORD MajorVersion);
// 0 unless visual styles are usable and GetCurrentThemeName succeeds; else the names' scheme.
Byte DetectOffice11Scheme();
void ComputeOffice11Colors();

void Office11ColorsAddRef();
void Office11ColorsRelease();
void Office11ColorsRefresh();

// Per channel MulDiv(a, P, 100) + MulDiv(b, 100 - P, 100), at most 255, then the nearest screen
// colour.
TColor MixColors(TColor A, TColor B, Integer P);
// Per channel the weighted sum (percent, negative allowed) of the button face, highlight and
// window colours, clamped to 0..255; the highlight colour itself when the face is black or white.
TColor MixSystemColors(Integer FaceWeight, Integer HighlightWeight, Integer WindowWeight);
TColor GetNearestScreenColor(TColor Color);

// Start-up binds "GradientFill" of "msimg32.dll"; shut-down frees it and the colours' resources.
extern const Unit kdOffice11Unit;
