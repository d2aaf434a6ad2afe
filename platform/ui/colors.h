// TColor: the class library's colour values, their names and their conversion to COLORREF.
//
// A TColor is 0x00BBGGRR for an explicit colour, 0xFF000000 + index for a system colour (read
// through GetSysColor when drawing), clNone (0x1FFFFFFF) or clDefault (0x20000000).  Names:
// "clBtnFace" for the named colours, "$00BBGGRR" for every other value (ColorToString); the
// component stream writes TColor properties as those names and reads names or numbers.
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"

using TColor = Integer;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor SysColor(int index) { return static_cast<TColor>(0xFF000000u | unsigned(index)); }

inline constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1), clActiveCaption = SysColor(2),
                        clInactiveCaption = SysColor(3), clMenu = SysColor(4), clWindow = SysColor(5),
                        clWindowFrame = SysColor(6), clMenuText = SysColor(7), clWindowText = SysColor(8),
                        clCaptionText = SysColor(9), clActiveBorder = SysColor(10), clInactiveBorder = SysColor(11),
                        clAppWorkSpace = SysColor(12), clHighlight = SysColor(13), clHighlightText = SysColor(14),
                        clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                        clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19),
                        clBtnHighlight = SysColor(20), cl3DDkShadow = SysColor(21), cl3DLight = SysColor(22),
                        clInfoText = SysColor(23), clInfoBk = SysColor(24), clHotLight = SysColor(26),
                        clGradientActiveCaption = SysColor(27), clGradientInactiveCaption = SysColor(28),
                        clMenuHighlight = SysColor(29), clMenuBar = SysColor(30);

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                        clDkGray = 0x808080, clWhite = 0xFFFFFF, clMoneyGreen = 0xC0DCC0,
                        clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The COLORREF a colour draws with: system colours through the current scheme, others as they are.
COLORREF ColorToRGB(TColor Color);

bool ColorToIdent(Integer Color, std::string& Ident);
bool IdentToColor(std::string_view Ident, Integer& Color);
std::string ColorToString(TColor Color);
// Names or numbers ("clRed", "$0000FF", "255"); EConvertError for anything else.
TColor StringToColor(std::string_view S);

// The type information TColor properties publish (.Type(ColorTypeInfo())); its identifiers are
// registered for the component stream.
const TTypeInfo* ColorTypeInfo();
