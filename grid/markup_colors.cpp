#include "grid/markup_colors.h"

#include "platform/core/ansi_strings.h"

namespace {

struct NamedColor {
  std::string_view name;
  TColor color;
};

constexpr NamedColor kNamedColors[] = {
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
};

int HexDigitValue(char ch) {
  if (IsDecimalDigit(ch)) return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// "#RRGGBB" at the start of `value` (case ignored); 0 unless six hexadecimal digits follow "#".
TColor HexColor(std::string_view value) {
  const std::string digits = UpperCase(value.substr(1, 6));
  if (digits.size() < 6) return 0;
  int channels[3] = {};
  for (int channel = 0; channel < 3; ++channel) {
    const int high = HexDigitValue(digits[2 * channel]);
    const int low = HexDigitValue(digits[2 * channel + 1]);
    if (high < 0 || low < 0) return 0;
    channels[channel] = high * 16 + low;
  }
  return static_cast<TColor>(RGB(channels[0], channels[1], channels[2]));
}

}  // namespace

TColor MarkupColorFromName(std::string_view name) {
  const std::string lower = LowerCase(name);
  for (const NamedColor& entry : kNamedColors)
    if (entry.name == lower) return entry.color;
  return 0;
}

TColor MarkupColor(std::string_view value) {
  return value.starts_with('#') ? HexColor(value) : MarkupColorFromName(value);
}

std::optional<TColor> BodyBackgroundColor(std::string_view value) {
  if (const std::size_t hash = value.find('#'); hash != std::string_view::npos) return HexColor(value.substr(hash));
  if (UpperCase(value).find("CL") != std::string::npos) return MarkupColorFromName(value);
  return std::nullopt;
}
