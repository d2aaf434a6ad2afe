#include "platform/ui/colors.h"

#include <iterator>

#include "platform/classes/integer_idents.h"
#include "platform/core/exceptions.h"
#include "platform/core/int_text.h"
#include "platform/gdi/sys_colors.h"

namespace {

// The first name of a value is the one ColorToIdent gives.
constexpr TIdentMapEntry kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

}  // namespace

COLORREF ColorToRGB(TColor Color) {
  if (Color < 0) return GetSysColor(Color & 0xFF);
  return static_cast<COLORREF>(Color);
}

bool ColorToIdent(Integer Color, std::string& Ident) { return IntToIdent(Color, Ident, kColors); }

bool IdentToColor(std::string_view Ident, Integer& Color) { return IdentToInt(Ident, Color, kColors); }

std::string ColorToString(TColor Color) {
  std::string name;
  if (ColorToIdent(Color, name)) return name;
  return "$" + IntToHex(Color, 8);
}

TColor StringToColor(std::string_view S) {
  Integer color = 0;
  if (IdentToColor(S, color)) return color;
  return StrToInt(S);
}

const TTypeInfo* ColorTypeInfo() {
  static const TTypeInfo* info = [] {
    static TTypeInfo t = *TypeInfo<Integer>();
    t.Name = "TColor";
    RegisterIntegerConsts(&t, &IdentToColor, &ColorToIdent);
    return &t;
  }();
  return info;
}
