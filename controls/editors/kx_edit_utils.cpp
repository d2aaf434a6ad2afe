#include "controls/editors/kx_edit_utils.h"

#include <algorithm>
#include <array>
#include <memory>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_office11_painter.h"
#include "controls/foundation/kx_solid_brush_cache.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/os/os_version.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/font_handle.h"
#include "platform/ui/pen.h"
#include "platform/user/system_metrics.h"

namespace {

bool hotLightColorSupported = false;

// Floor division for the centring of arrows (a negative difference moves the block up or left).
Integer FloorHalf(Integer Value) { return Value >= 0 ? Value / 2 : -((-Value + 1) / 2); }

// Themed object types of the button classes.
constexpr ThemedObjectType kButtonType = 0, kComboBoxType = 2;

// The content insets of part 1, state 1 of an open theme class: the content rectangle of
// (0, 0, 100, 100) against that rectangle.
TRect ThemeContentInsets(TCanvas* Canvas, HTHEME Theme) {
  const TRect box{0, 0, 100, 100};
  TRect content = box;
  kdUxTheme::GetThemeBackgroundContentRect(Theme, Canvas->Handle(), 1, 1, box, content);
  return TRect{content.Left - box.Left, content.Top - box.Top, box.Right - content.Right, box.Bottom - content.Bottom};
}

void FillWithCachedBrush(TCanvas* Canvas, const TRect& R, TColor AColor) {
  FillRect(Canvas->Handle(), &R, GetCachedSolidBrush(AColor));
}

}  // namespace

// --- Arrows and lines ---

TSize CalcEditArrowSize(const TSize& AContentSize, TkxGlyphDirection ADirection) {
  Integer a = (std::min(AContentSize.cx, AContentSize.cy) - 1) / 2;
  if (a % 2 == 0) ++a;
  const TSize upDown{a, a / 2 + 1};
  return ADirection == gdUp || ADirection == gdDown ? upDown : TSize{upDown.cy, upDown.cx};
}

void PaintEditArrow(TCanvas* Canvas, const TSize& AArrowSize, const TRect& R, TColor AColor, bool AOffsetContent,
                    bool AIsDoubleArrow, TkxGlyphDirection ADirection) {
  const bool vertical = ADirection == gdUp || ADirection == gdDown;
  // The arrow's size runs along its direction; its base is 2 x size - 1 across.
  const Integer size = vertical ? AArrowSize.cy : AArrowSize.cx;
  const Integer count = AIsDoubleArrow ? 2 : 1;
  const Integer blockW = vertical ? 2 * size - 1 : count * size;
  const Integer blockH = vertical ? count * size : 2 * size - 1;
  Integer x = R.Left + FloorHalf(R.Width() - blockW);
  Integer y = R.Top + FloorHalf(R.Height() - blockH);
  if (AOffsetContent) {
    ++x;
    ++y;
  }
  const HBRUSH brush = GetCachedSolidBrush(AColor);
  const HDC dc = Canvas->Handle();
  for (Integer arrow = 0; arrow < count; ++arrow) {
    for (Integer line = 0; line < size; ++line) {
      // Lines are counted from the apex: line i is 2 i + 1 pixels long.
      const bool fromApex = ADirection == gdUp || ADirection == gdLeft;
      const Integer step = fromApex ? line : size - 1 - line;
      const Integer along = arrow * size + line;
      TRect r = vertical ? TRect{x + size - 1 - step, y + along, x + size + step, y + along + 1}
                         : TRect{x + along, y + size - 1 - step, x + along + 1, y + size + step};
      FillRect(dc, &r, brush);
    }
  }
}

void DrawBorderSides(TCanvas* Canvas, TRect& R, Integer ASides, TColor AColor) {
  if (ASides & kxSideLeft) {
    const TPoint points[] = {{R.Left, R.Top}, {R.Left, R.Bottom - 1}};
    DrawPolyLineColored(Canvas, points, 2, true, AColor);
    ++R.Left;
  }
  if (ASides & kxSideRight) {
    const TPoint points[] = {{R.Right - 1, R.Top}, {R.Right - 1, R.Bottom - 1}};
    DrawPolyLineColored(Canvas, points, 2, true, AColor);
    --R.Right;
  }
  if (ASides & kxSideTop) {
    const TPoint points[] = {{R.Left, R.Top}, {R.Right - 1, R.Top}};
    DrawPolyLineColored(Canvas, points, 2, true, AColor);
    ++R.Top;
  }
  if (ASides & kxSideBottom) {
    const TPoint points[] = {{R.Left, R.Bottom - 1}, {R.Right - 1, R.Bottom - 1}};
    DrawPolyLineColored(Canvas, points, 2, true, AColor);
    --R.Bottom;
  }
}

void DrawPolyLineColored(TCanvas* Canvas, const TPoint* APoints, Integer ACount, bool APixelMode, TColor AColor) {
  if (ACount <= 0) return;
  const TPoint& last = APoints[ACount - 1];
  if (!APixelMode) {
    Canvas->Pen()->SetColor(AColor);
    Canvas->Polyline(APoints, ACount);
    Canvas->SetPixels(last.X, last.Y, AColor);
    return;
  }
  for (Integer i = 0; i + 1 < ACount; ++i) {
    const TPoint& a = APoints[i];
    const TPoint& b = APoints[i + 1];
    // The segment's pixels from a up to (not including) b, whichever way it runs.
    TRect r{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1};
    if (b.X > a.X) --r.Right;
    if (b.X < a.X) ++r.Left;
    if (b.Y > a.Y) --r.Bottom;
    if (b.Y < a.Y) ++r.Top;
    FillWithCachedBrush(Canvas, r, AColor);
  }
  FillWithCachedBrush(Canvas, TRect{last.X, last.Y, last.X + 1, last.Y + 1}, AColor);
}

// --- Glyphs and images ---

bool IsBitmapPaintable(TBitmap* ABitmap) {
  return ABitmap != nullptr && !ABitmap->Empty() && ABitmap->Width() > 0 && ABitmap->Height() > 0;
}

void PaintGlyph(TCanvas* ACanvas, Integer X, Integer Y, TBitmap* ABuffer, TColor ABackgroundColor, bool AEnabled,
                TBitmap* AGlyph) {
  const Integer w = AGlyph->Width(), h = AGlyph->Height();
  if (AEnabled) {
    TCanvas* target = ABuffer != nullptr ? ABuffer->Canvas() : ACanvas;
    TBrush* brush = target->Brush();
    const TBrushStyle savedStyle = brush->Style();
    const TColor savedColor = brush->Color();
    if (ABuffer != nullptr || ABackgroundColor == clNone) brush->SetStyle(bsClear);
    else brush->SetColor(ABackgroundColor);
    const TPoint at = ABuffer != nullptr ? TPoint{0, 0} : TPoint{X, Y};
    target->BrushCopy(TRect{at.X, at.Y, at.X + w, at.Y + h}, AGlyph, TRect{0, 0, w, h}, AGlyph->TransparentColor());
    brush->SetColor(savedColor);
    brush->SetStyle(savedStyle);
    if (ABuffer != nullptr) ACanvas->Draw(X, Y, ABuffer);
    return;
  }
  TCustomImageList images(nullptr, w, h);
  images.AddMasked(AGlyph, AGlyph->TransparentColor());
  if (ABuffer == nullptr && ABackgroundColor != clNone) {
    TBitmap temporary;
    temporary.SetSize(w, h);
    temporary.Canvas()->Brush()->SetColor(ABackgroundColor);
    temporary.Canvas()->FillRect(TRect{0, 0, w, h});
    images.Draw(temporary.Canvas(), 0, 0, 0, false);
    ACanvas->Draw(X, Y, &temporary);
  } else if (ABuffer != nullptr) {
    images.Draw(ABuffer->Canvas(), 0, 0, 0, false);
    ACanvas->Draw(X, Y, ABuffer);
  } else {
    images.Draw(ACanvas, X, Y, 0, false);
  }
}

void PaintGlyphOnCanvas(TkxCanvas& ACanvas, Integer X, Integer Y, TBitmap* ABuffer, TColor ABackgroundColor,
                        bool AEnabled, TBitmap* AGlyph) {
  PaintGlyph(ACanvas.Canvas(), X, Y, ABuffer, ABackgroundColor, AEnabled, AGlyph);
}

void DrawImageListImage(TCanvas* Canvas, TCustomImageList* AImageList, Integer AImageIndex, TBitmap* ABuffer,
                        bool AEnabled, TColor ABackgroundColor, const TRect& R) {
  std::unique_ptr<TBitmap> temporary;
  TBitmap* target = ABuffer;
  if (target == nullptr) {
    temporary = std::make_unique<TBitmap>();
    temporary->SetSize(AImageList->Width(), AImageList->Height());
    temporary->Canvas()->Brush()->SetColor(ABackgroundColor);
    temporary->Canvas()->FillRect(TRect{0, 0, AImageList->Width(), AImageList->Height()});
    target = temporary.get();
  }
  AImageList->Draw(target->Canvas(), 0, 0, AImageIndex, AEnabled);
  Canvas->Draw(R.Left, R.Top, target);
}

// --- Button sizes ---

Integer GetEditButtonWidth(TCanvas* Canvas, const TkxEditButtonViewInfo& AButton) {
  HTHEME theme = nullptr;
  if (AButton.Data.NativeStyle) theme = OpenThemeOfType(AButton.Data.ComboBoxStyle ? kComboBoxType : kButtonType);
  Integer margins = 4;
  if (theme != nullptr) {
    const TRect insets = ThemeContentInsets(Canvas, theme);
    margins = insets.Left + insets.Right;
  }
  Integer width = AButton.Data.Width;
  if (width >= 1) return std::max(width, margins);
  if (AButton.Data.Kind == bkGlyph && IsBitmapPaintable(AButton.Glyph)) return AButton.Glyph->Width() + margins;
  const Integer natural =
      AButton.Data.Kind == bkText ? margins + Canvas->TextWidth(AButton.Data.VisibleCaption) + 3 : 0;
  width = GetSystemMetrics(SM_CYHSCROLL);
  return std::max(width, natural);
}

Integer GetButtonContentPadding(TCanvas* Canvas, TkxEditButtonStyle AButtonsStyle, bool ANativeStyle) {
  if (ANativeStyle) {
    const HTHEME theme = OpenThemeOfType(kButtonType);
    if (theme == nullptr) return 0;
    const TRect insets = ThemeContentInsets(Canvas, theme);
    return insets.Top + insets.Bottom;
  }
  switch (AButtonsStyle) {
    case btsDefault: return 0;
    case bts3D: return 4;
    default: return 2;
  }
}

// --- Colours and painters ---

bool DetectHotLightColorSupport(const OSVERSIONINFO& AVersion) {
  return (AVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && AVersion.dwMinorVersion != 0) ||
         (AVersion.dwPlatformId == VER_PLATFORM_WIN32_NT && AVersion.dwMajorVersion == 5);
}

bool IsHotLightColorSupported() { return hotLightColorSupported; }

TColor GetHotLightColor() {
  return hotLightColorSupported ? TColor(GetSysColor(COLOR_HOTLIGHT)) : TColor(0xFF0000);
}

TColor GetHighlightBorderColor(bool IsOffice11) { return IsOffice11 ? Office11Color21 : clHighlight; }

TColor GetFlatButtonStateColor(bool IsPressed, bool IsOffice11) {
  const TkxButtonState state = IsPressed ? kxbsPressed : kxbsHot;
  if (IsOffice11) return TkxOffice11LookAndFeelPainter::Class()->GetButtonFaceColor(state);
  return TkxUltraFlatLookAndFeelPainter::Class()->GetButtonFaceColor(state);
}

TkxLookAndFeelPainterClass SelectLookAndFeelPainterClass(bool ANativeStyle, TkxLookAndFeelKind AKind) {
  if (ANativeStyle && AreVisualStylesAvailable(0)) return TkxWinXPLookAndFeelPainter::Class();
  switch (AKind) {
    case lfFlat: return TkxFlatLookAndFeelPainter::Class();
    case lfUltraFlat: return TkxUltraFlatLookAndFeelPainter::Class();
    case lfOffice11: return TkxOffice11LookAndFeelPainter::Class();
    default: return TkxStandardLookAndFeelPainter::Class();
  }
}

// --- Text flags ---

UINT MapTextOutFlagsToDrawTextFlags(TkxTextOutFlags AFlags) {
  UINT result = 0;
  if ((AFlags & tofVertMask) == tofCenterVert) result |= DT_VCENTER;
  if ((AFlags & tofHorzMask) == tofRight) result |= DT_RIGHT;
  if (AFlags & tofSingleLine) result |= DT_SINGLELINE;
  if (AFlags & tofWordBreak) result |= DT_WORDBREAK;
  if (AFlags & tofCalcRect) result |= DT_CALCRECT;
  if (AFlags & tofExpandTabs) result |= DT_EXPANDTABS;
  return result;
}

TkxTextOutFlags MapDrawTextFlagsToTextOutFlags(UINT AFlags) {
  TkxTextOutFlags result = 0;
  if (AFlags & DT_VCENTER) result |= tofCenterVert;
  if (AFlags & DT_RIGHT) result |= tofRight;
  if (AFlags & DT_SINGLELINE) result |= tofSingleLine;
  if (AFlags & DT_WORDBREAK) result |= tofWordBreak;
  if (AFlags & DT_CALCRECT) result |= tofCalcRect;
  if (AFlags & DT_EXPANDTABS) result |= tofExpandTabs;
  return result;
}

// --- Filling and fonts ---

void FillRectWithColor(TCanvas* Canvas, const TRect& R, TColor AColor) { FillWithCachedBrush(Canvas, R, AColor); }

void FillRectWithBrush(HDC DC, const TRect& R, HBRUSH ABrush) { FillRect(DC, &R, ABrush); }

void FillFrameWithBrush(TCanvas* Canvas, const TRect& Outer, const TRect& Inner, HBRUSH ABrush) {
  if (IsRectEmpty(&Outer) || Outer == Inner) return;
  const HDC dc = Canvas->Handle();
  if (IsRectEmpty(&Inner)) return FillRectWithBrush(dc, Outer, ABrush);
  const std::array<TRect, 4> strips = {TRect{Outer.Left, Outer.Top, Inner.Left, Outer.Bottom},
                                       TRect{Inner.Left, Outer.Top, Inner.Right, Inner.Top},
                                       TRect{Inner.Left, Inner.Bottom, Inner.Right, Outer.Bottom},
                                       TRect{Inner.Right, Outer.Top, Outer.Right, Outer.Bottom}};
  for (const TRect& strip : strips)
    if (!IsRectEmpty(&strip)) FillRectWithBrush(dc, strip, ABrush);
}

void SetCanvasFontFromLogFont(TCanvas* Canvas, const LOGFONTA& ALogFont) {
  Canvas->Font()->SetData(FontDataOf(ALogFont));
}

bool GetCanvasLogFont(TCanvas* Canvas, LOGFONTA& ALogFont) {
  return GetObjectA(Canvas->Font()->Handle(), sizeof(LOGFONTA), &ALogFont) != 0;
}

const Unit kxEditUtilsUnit = {"kxEditUtils",
                              [] { hotLightColorSupported = DetectHotLightColorSupport(GetVersionEx()); },
                              [] {}};
