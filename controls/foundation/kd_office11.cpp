// Scheme detection, the colour table, the computed colours and their resources.
#include "controls/foundation/kd_office11.h"

#include <algorithm>
#include <array>

#include "controls/foundation/kd_office11_paint.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/sys_colors.h"
#include "platform/os/os_version.h"
#include "platform/user/resource_bitmap.h"
#include "platform/user/window_dc.h"

#include "KDEXPANDBUTTON_MINUS.res.inc"
#include "KDEXPANDBUTTON_PLUS.res.inc"

TColor Office11Color00, Office11Color01, Office11Color02, Office11Color03, Office11Color12, Office11Color13,
    Office11Color14, Office11Color15, Office11Color16, Office11Color18, Office11Color21, Office11Color22,
    Office11Color23, Office11Color24, Office11Color25, Office11Color30, Office11Color31, Office11Color32,
    Office11Color33, Office11Color34, Office11Color35, Office11WhiteColor, Office11ShadowMixColor;
HBRUSH Office11DotBrush = nullptr, Office11DotShadowBrush = nullptr;
HBITMAP Office11ExpandButtonMinus = nullptr, Office11ExpandButtonPlus = nullptr;

namespace {

// The entries of the scheme table that the system reads: index, then blue, olive, silver.
struct SchemeEntry {
  Byte index;
  std::array<TColor, 3> colors;
};

constexpr SchemeEntry kSchemeTable[] = {
    {0, {0xFEECDD, 0xDEF7F4, 0xFAF4F3}},  {1, {0xE2A981, 0x91C6B7, 0xB59799}},
    {2, {0xF5BE9E, 0xA7D9D9, 0xE5D7D7}},  {3, {0xF9DAC3, 0xE4F0F2, 0xF7F3F3}},
    {4, {0x913500, 0x6B7760, 0x927476}},  {11, {0xE0A47B, 0x8FC4B5, 0xB09193}},
    {12, {0x764127, 0x335E51, 0x755454}}, {13, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {14, {0xCB8C6A, 0x588060, 0x8F6D6E}}, {15, {0xFFF9F1, 0xDEF7F4, 0xFFFFFF}},
    {16, {0xC9662A, 0x5E8674, 0x99797A}}, {18, {0x962D00, 0x5E8D75, 0x947C7C}},
    {21, {0x800000, 0x385D3F, 0x6F4B4B}}, {22, {0xCCF4FF, 0xCCF4FF, 0xCCF4FF}},
    {23, {0x91D0FF, 0x91D0FF, 0x91D0FF}}, {24, {0x8ED3FF, 0x8ED3FF, 0x8ED3FF}},
    {25, {0x4E91FE, 0x4E91FE, 0x4E91FE}}, {30, {0x000000, 0x000000, 0x000000}},
    {31, {0x8D8D8D, 0x8D8D8D, 0x8D8D8D}}, {32, {0xFBDABE, 0x91BAAF, 0xEBE5E5}},
    {33, {0x94E6FB, 0x94E6FB, 0x94E6FB}}, {34, {0xFADAC4, 0xE4F1F2, 0xF7F3F3}},
    {35, {0x962D00, 0x588060, 0x947C7C}},
};

// The colours computed per index: where each one is kept.
struct ComputedColor {
  Byte index;
  TColor* color;
};

const ComputedColor kComputedColors[] = {
    {0, &Office11Color00},  {1, &Office11Color01},  {2, &Office11Color02},  {3, &Office11Color03},
    {12, &Office11Color12}, {13, &Office11Color13}, {14, &Office11Color14}, {15, &Office11Color15},
    {16, &Office11Color16}, {18, &Office11Color18}, {21, &Office11Color21}, {22, &Office11Color22},
    {23, &Office11Color23}, {24, &Office11Color24}, {25, &Office11Color25}, {30, &Office11Color30},
    {31, &Office11Color31}, {32, &Office11Color32}, {33, &Office11Color33}, {34, &Office11Color34},
    {35, &Office11Color35}};

Byte scheme = 0;
bool themeScheme = false;
Integer colorsRefCount = 0;

TColor SchemeColor(Byte index) {
  for (const SchemeEntry& entry : kSchemeTable)
    if (entry.index == index) return entry.colors[std::size_t(scheme - 1)];
  return clBlack;
}

TColor Rgb(TColor color) { return TColor(ColorToRGB(color)); }

void ComputeSchemeColors() {
  for (const ComputedColor& computed : kComputedColors) *computed.color = SchemeColor(computed.index);
  Office11WhiteColor = clWhite;
  Office11ShadowMixColor = MixColors(SchemeColor(4), SchemeColor(11), 50);
}

void ComputeClassicColors() {
  Office11Color00 = MixColors(clBtnFace, clWindow, 22);
  Office11Color01 = MixColors(clBtnFace, clWindow, 96);
  Office11Color02 = Rgb(clBtnFace);
  Office11Color03 = MixColors(clBtnFace, clWindow, 20);
  Office11Color12 = MixColors(clBtnShadow, clWindow, 76);
  Office11Color13 = Rgb(clWindow);
  Office11Color14 = MixColors(clBtnShadow, clWindow, 70);
  Office11Color15 = clWhite;
  Office11Color16 = Rgb(clBtnShadow);
  Office11Color18 = Rgb(clBtnShadow);
  Office11Color21 = Rgb(clHighlight);
  Office11Color22 = GetNearestScreenColor(MixSystemColors(-2, 30, 72));
  Office11Color23 = Office11Color22;
  Office11Color24 = GetNearestScreenColor(MixSystemColors(14, 44, 40));
  Office11Color25 = Office11Color24;
  Office11Color30 = Rgb(clBtnText);
  Office11Color31 = Rgb(clGrayText);
  Office11Color32 = Rgb(clBtnFace);
  Office11Color33 = MixSystemColors(41, 11, 48);
  Office11Color34 = Rgb(clBtnFace);
  Office11Color35 = Rgb(clBtnShadow);
  Office11WhiteColor = Rgb(clBtnHighlight);
  Office11ShadowMixColor = MixColors(clBtnShadow, clBtnFace, 50);
}

void CreateOffice11Resources() {
  Office11DotBrush = CreateSolidBrush(COLORREF(Office11Color12));
  Office11DotShadowBrush = CreateSolidBrush(COLORREF(Office11Color13));
  Office11ExpandButtonMinus = LoadBitmapA(nullptr, "KDEXPANDBUTTON_MINUS");
  Office11ExpandButtonPlus = LoadBitmapA(nullptr, "KDEXPANDBUTTON_PLUS");
}

template <class Handle>
void DeleteAndClear(Handle& handle) {
  if (handle != nullptr) DeleteObject(handle);
  handle = nullptr;
}

void DestroyOffice11Resources() {
  DeleteAndClear(Office11DotBrush);
  DeleteAndClear(Office11DotShadowBrush);
  DeleteAndClear(Office11ExpandButtonMinus);
  DeleteAndClear(Office11ExpandButtonPlus);
}

// The name part of a path, "\" or "/" separated.
std::u16string_view FileNamePart(std::u16string_view path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::string Upper(std::u16string_view text) { return AnsiUpperCase(Utf16ToCp874(text)); }

Byte ClampChannel(Integer value) { return Byte(std::clamp(value, 0, 255)); }

}  // namespace

Byte GetOffice11Scheme() { return scheme; }
bool IsOffice11ThemeScheme() { return themeScheme; }

Byte Office11SchemeOfThemeNames(std::u16string_view ThemeFileName, std::u16string_view ColorName,
                                DWORD MajorVersion) {
  if (MajorVersion <= 5 && Upper(FileNamePart(ThemeFileName)) != "LUNA.MSSTYLES") return 0;
  const std::string color = Upper(ColorName);
  if (color == "NORMALCOLOR") return 1;
  if (color == "HOMESTEAD") return 2;
  if (color == "METALLIC") return 3;
  return 0;
}

Byte DetectOffice11Scheme() {
  if (!AreVisualStylesAvailable(0)) return 0;
  constexpr int kBufferChars = 1024;
  WideChar fileName[kBufferChars] = {}, colorName[kBufferChars] = {}, sizeName[kBufferChars] = {};
  if (kdUxTheme::GetCurrentThemeName(fileName, kBufferChars, colorName, kBufferChars, sizeName, kBufferChars) < 0)
    return 0;
  fileName[kBufferChars - 1] = colorName[kBufferChars - 1] = u'\0';
  return Office11SchemeOfThemeNames(fileName, colorName, GetVersionEx().dwMajorVersion);
}

void ComputeOffice11Colors() {
  scheme = DetectOffice11Scheme();
  themeScheme = AreVisualStylesAvailable(0) && scheme != 0;
  if (themeScheme) ComputeSchemeColors();
  else ComputeClassicColors();
}

void Office11ColorsAddRef() {
  if (colorsRefCount == 0) {
    ComputeOffice11Colors();
    CreateOffice11Resources();
  }
  ++colorsRefCount;
}

void Office11ColorsRelease() {
  if (--colorsRefCount == 0) DestroyOffice11Resources();
}

void Office11ColorsRefresh() {
  ComputeOffice11Colors();
  if (colorsRefCount != 0) {
    DestroyOffice11Resources();
    CreateOffice11Resources();
  }
}

TColor GetNearestScreenColor(TColor Color) {
  const HDC screen = GetDC(nullptr);
  const COLORREF nearest = GetNearestColor(screen, COLORREF(Color));
  ReleaseDC(nullptr, screen);
  return TColor(nearest);
}

TColor MixColors(TColor A, TColor B, Integer P) {
  const COLORREF a = ColorToRGB(A), b = ColorToRGB(B);
  const auto mix = [P](Byte x, Byte y) { return Byte(std::min(MulDiv(x, P, 100) + MulDiv(y, 100 - P, 100), 255)); };
  return GetNearestScreenColor(
      TColor(RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)))));
}

TColor MixSystemColors(Integer FaceWeight, Integer HighlightWeight, Integer WindowWeight) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), highlight = GetSysColor(COLOR_HIGHLIGHT),
                 window = GetSysColor(COLOR_WINDOW);
  if (face == RGB(0, 0, 0) || face == RGB(255, 255, 255)) return TColor(highlight);
  const auto mix = [&](Byte (*channel)(COLORREF)) {
    return ClampChannel(MulDiv(channel(face), FaceWeight, 100) + MulDiv(channel(highlight), HighlightWeight, 100) +
                        MulDiv(channel(window), WindowWeight, 100));
  };
  return TColor(RGB(mix(GetRValue), mix(GetGValue), mix(GetBValue)));
}

const Unit kdOffice11Unit = {"kdOffice11", BindGradientFill, FreeGradientFill};
