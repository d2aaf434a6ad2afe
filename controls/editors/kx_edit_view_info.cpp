#include "controls/editors/kx_edit_view_info.h"

#include <algorithm>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_utils.h"
#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_office11_paint.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_parent_image.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_dwm_api.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/win_control.h"

PR_IMPLEMENT_CLASS(TkxCustomEditViewInfo)

namespace {

// Themed object types.
constexpr ThemedObjectType kButtonType = 0, kComboBoxType = 2, kEditType = 3;
// Paint option: a host set a client extent.
constexpr Byte kClientExtentOption = 4;

bool IsPressedOrHot(const TkxEditButtonViewInfo& AButton) {
  return AButton.Data.State == ebsPressed || AButton.Data.State == ebsSelected;
}

bool IsDisabledOrNormal(const TkxEditButtonViewInfo& AButton) {
  return AButton.Data.State == ebsDisabled || AButton.Data.State == ebsNormal;
}

// The style a button is drawn in: the default style as 3-D, a pressed or hot simple button as flat.
TkxEditButtonStyle DrawnStyle(const TkxEditButtonViewInfo& AButton) {
  if (AButton.Data.Style == btsDefault) return bts3D;
  if (AButton.Data.Style == btsSimple && IsPressedOrHot(AButton)) return btsFlat;
  return AButton.Data.Style;
}

// X or Y of a W-long block centred in [Low, High): rounded toward zero, moved one further with the
// pressed offset when it still fits.
Integer CentredStart(Integer Low, Integer High, Integer W, bool PressedOffset) {
  Integer start = Low + (High - Low - W) / 2;
  if (PressedOffset && start + W < High) ++start;
  return start;
}

// The rectangle of the down arrow: R widened to the button's extent across (and, in place, along),
// the odd pixel and the pressed offset placed as the button look asks.
TRect DownArrowRect(const TRect& R, const TRect& Bounds, bool PressedOffset, bool IsInplace) {
  TRect a = R;
  const Integer d = Bounds.Width() - R.Width();
  const Integer c = d / 2;
  if (d % 2 == 0) {
    a.Left -= c;
    a.Right += c;
    if (PressedOffset) OffsetRect(&a, 1, 0);
  } else if (PressedOffset) {
    a.Left -= c;
    a.Right += d - c;
  } else {
    a.Right += c;
    a.Left += c - d;
  }
  if (IsInplace) {
    const Integer dv = Bounds.Height() - R.Height();
    const Integer cv = dv / 2;
    a.Top -= cv;
    a.Bottom += cv;
    if (dv % 2 != 0) {
      if (PressedOffset) ++a.Bottom;
      else --a.Top;
    }
  } else if (PressedOffset) {
    OffsetRect(&a, 0, 1);
  }
  return a;
}

void DrawEllipsisDots(TkxCanvas& Canvas, Integer X, Integer Y, Integer S, TColor Color) {
  for (Integer dot = 0; dot < 3; ++dot) {
    const Integer left = X + dot * (S + 2);
    Canvas.FillSolidRect(TRect{left, Y, left + S, Y + S}, Color);
  }
}

}  // namespace

TkxCustomEditViewInfo::TkxCustomEditViewInfo() = default;
TkxCustomEditViewInfo::~TkxCustomEditViewInfo() = default;

TkxEditButtonViewInfoClass TkxCustomEditViewInfo::GetButtonViewInfoClass() const {
  return [] { return new TkxEditButtonViewInfo(); };
}

void TkxCustomEditViewInfo::SetButtonCount(Integer ACount) {
  const std::size_t count = std::size_t(std::max<Integer>(ACount, 0));
  if (ButtonsInfo.size() > count) ButtonsInfo.resize(count);
  const TkxEditButtonViewInfoClass make = GetButtonViewInfoClass();
  while (ButtonsInfo.size() < count) ButtonsInfo.emplace_back(make());
}

// --- Background ---

void TkxCustomEditViewInfo::PaintBackgroundAndBorder(TkxCanvas& Canvas) { DrawEditBackground(Canvas, *this, true, 0); }

void TkxCustomEditViewInfo::PaintTo(TkxCanvas& Canvas) {
  if (BeforePaintHandler) BeforePaintHandler(this, &Canvas);
  inherited::PaintTo(Canvas);
}

bool TkxCustomEditViewInfo::RunBackgroundHandler(TkxCanvas* Canvas) {
  bool handled = false;
  if (IsInplace && CustomBackgroundHandler) CustomBackgroundHandler(this, Canvas, handled);
  return handled;
}

Integer TkxCustomEditViewInfo::GetBackgroundKind() {
  const bool transparent = Transparent || (Edit != nullptr && Edit->Transparent());
  if (IsInplace) {
    if (HasBackgroundHandler()) return 0;
    return transparent ? 2 : 3;
  }
  if (transparent) return 4;
  if (Edit != nullptr && Edit->UsesParentBackground()) return 5;
  return NativeStyle ? 3 : 1;
}

bool TkxCustomEditViewInfo::HasTransparentBackground() {
  const Integer kind = GetBackgroundKind();
  return kind != 1 && kind != 3;
}

void TkxCustomEditViewInfo::PaintBackground(TkxCanvas& Canvas, const TRect& R, bool NoExclude,
                                            const TRect& AExcludeRect) {
  Canvas.PushSavedDC();
  try {
    if (!NoExclude) Canvas.ExcludeClipRect(AExcludeRect);
    switch (GetBackgroundKind()) {
      case 0:
        Canvas.IntersectClipRect(R);
        RunBackgroundHandler(&Canvas);
        break;
      case 1: DrawEditBackground(Canvas, *this, true, 0); break;
      case 3: Canvas.FillSolidRect(R, BackgroundColor); break;
      case 4: DrawParentImage(Edit, &Canvas, R); break;
      case 5: PaintParentBackground(Edit, &Canvas, R); break;
      default: break;
    }
  } catch (...) {
    Canvas.PopSavedDC();
    throw;
  }
  Canvas.PopSavedDC();
}

bool TkxCustomEditViewInfo::IsButtonCustomPainted(Integer AIndex) {
  bool handled = false;
  TRect background{}, content{};
  if (CustomButtonBorderHandler) CustomButtonBorderHandler(this, nullptr, AIndex, background, content, handled);
  if (!handled && CustomButtonBackgroundHandler) CustomButtonBackgroundHandler(this, nullptr, TRect{}, AIndex, handled);
  if (!handled && CustomButtonHandler) CustomButtonHandler(this, nullptr, AIndex, handled);
  return handled;
}

void TkxCustomEditViewInfo::PaintClassicEditBackground(TkxCanvas& Canvas, bool AFillContent) {
  if (Shadow) PaintContainerShadow(Canvas, GrowRectOnEdges(BorderRect, BorderWidth, Edges + TkxBorders{bLeft, bTop}));
  PaintBorder(Canvas, GrowRectOnEdges(BorderRect, BorderWidth, kxBordersAll));
  if (Transparent) return;
  if (!IsInplace) return Canvas.FillSolidRect(BorderRect, BackgroundColor);
  if (AFillContent) return Canvas.FillSolidRect(Bounds, BackgroundColor);
  if (HasInplaceBorderExtent) FillRectFrame(Canvas, Bounds, BorderRect, BackgroundColor);
}

void TkxCustomEditViewInfo::DrawNativeBackground(TkxCanvas& Canvas, bool FillContent, TColor ABrushColor,
                                                 Integer AKind) {
  TRect r = Bounds;
  TRect content{};
  const bool themed = !IsInplace && BorderStyle != cbsNone;
  if (themed) {
    const bool composition = IsDwmCompositionActive();
    ThemedObjectType type = kEditType;
    Integer part = composition ? 6 : 1;
    TRect area = Bounds;
    if (composition && AKind == 2) {
      type = kButtonType;
      part = 1;
      InflateRect(&area, 1, 1);
    }
    const HTHEME theme = OpenThemeOfType(type);
    switch (AKind) {
      case 0:
        content = Bounds;
        if (composition) InflateRect(&content, -2, -2);
        else kdUxTheme::GetThemeBackgroundContentRect(theme, Canvas.GetHandle(), part, NativeState, Bounds, content);
        break;
      case 1:
        content = Bounds;
        InflateRect(&content, -3, -3);
        --content.Right;
        break;
      default:
        if (!composition) content = ClientRect;
        break;
    }
    Canvas.PushClipRegion();
    if (!IsRectEmpty(&content)) Canvas.ExcludeClipRect(content);
    kdUxTheme::DrawThemeBackground(theme, Canvas.GetHandle(), part, NativeState, area, nullptr);
    Canvas.PopClipRegion();
  }
  if (Transparent) return;
  const TRect& fill = themed ? content : r;
  if (FillContent) Canvas.FillSolidRect(fill, ABrushColor);
  else if (themed && AKind != 2 && !IsInplace) FillRectFrame(Canvas, BorderRect, content, ABrushColor);
}

void DrawEditBackground(TkxCanvas& Canvas, TkxCustomEditViewInfo& AViewInfo, bool AFillContent, Integer AKind) {
  const bool excludeButtons =
      AViewInfo.ButtonCount() > 0 && !AViewInfo.Button(0).Data.BackgroundPartiallyTransparent;
  if (excludeButtons) {
    Canvas.PushClipRegion();
    for (const auto& button : AViewInfo.ButtonsInfo) Canvas.ExcludeClipRect(button->Bounds);
  }
  const bool handled = AViewInfo.RunBackgroundHandler(&Canvas);
  if (!handled && AViewInfo.NativeStyle)
    AViewInfo.DrawNativeBackground(Canvas, AFillContent, AViewInfo.BackgroundColor, AKind);
  else if (!handled)
    AViewInfo.PaintClassicEditBackground(Canvas, AFillContent);
  if (excludeButtons) Canvas.PopClipRegion();
  AViewInfo.PaintButtons(Canvas);
}

// --- Buttons ---

void TkxCustomEditViewInfo::PaintButtons(TkxCanvas& Canvas) {
  if (paintingButtons_) return;
  paintingButtons_ = true;
  for (Integer i = 0; i < ButtonCount(); ++i) PaintButtonAt(Canvas, i);
  paintingButtons_ = false;
}

void TkxCustomEditViewInfo::PaintButtonAt(TkxCanvas& Canvas, Integer AIndex) {
  const TRect& bounds = Button(AIndex).Bounds;
  TRect visible{};
  IntersectRect(&visible, &bounds, &BorderRect);
  const bool clipped = visible != bounds;
  if (clipped) {
    Canvas.PushClipRegion();
    Canvas.IntersectClipRect(visible);
  }
  bool handled = false;
  if (CustomButtonHandler) CustomButtonHandler(this, &Canvas, AIndex, handled);
  if (!handled) PaintButton(Canvas, AIndex);
  if (clipped) Canvas.PopClipRegion();
}

void TkxCustomEditViewInfo::PaintButton(TkxCanvas& Canvas, Integer AIndex) {
  TColor background = clBtnFace, content = clBtnText;
  TRect contentRect{}, backgroundRect{};
  PaintButtonBorder(Canvas, AIndex, background, content, contentRect, backgroundRect);
  if (!IsRectEmpty(&backgroundRect)) PaintButtonBackground(Canvas, AIndex, background, backgroundRect);
  if (!IsRectEmpty(&contentRect)) PaintButtonContent(Canvas, AIndex, false, background, content, contentRect);
}

void TkxCustomEditViewInfo::PaintButtonBorder(TkxCanvas& Canvas, Integer AIndex, TColor& BackgroundColor,
                                              TColor& ContentColor, TRect& ContentRect, TRect& BackgroundRect) {
  const TkxEditButtonViewInfo& button = Button(AIndex);
  bool handled = false;
  if (CustomButtonBorderHandler) CustomButtonBorderHandler(this, &Canvas, AIndex, BackgroundRect, ContentRect, handled);
  if (handled) return;
  if (button.Data.NativeState != 0) {
    PaintNativeButtonFrame(Canvas, button, ContentRect, BackgroundRect);
    if (IsButtonCustomPainted(AIndex)) ContentRect = BackgroundRect;
    return;
  }
  ContentColor = clBtnText;
  TRect r = button.Bounds;
  switch (DrawnStyle(button)) {
    case btsFlat: PaintButtonBorderFlat(Canvas, button, BackgroundColor, r); break;
    case btsSimple: PaintButtonBorderSimple(Canvas, button, BackgroundColor, r); break;
    case btsHotFlat: PaintButtonBorderHotFlat(Canvas, button, BackgroundColor, ContentColor, r); break;
    case btsUltraFlat:
    case btsOffice11:
      return PaintButtonBorderUltraFlat(Canvas, button, button.Data.Style == btsOffice11, BackgroundColor,
                                        ContentRect, BackgroundRect);
    default: PaintButtonBorder3D(Canvas, button, BackgroundColor, r); break;
  }
  ContentRect = r;
  BackgroundRect = r;
}

void TkxCustomEditViewInfo::PaintButtonBorder3D(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                TColor& BackgroundColor, TRect& R) {
  BackgroundColor = AButton.Data.Transparent ? this->BackgroundColor : clBtnFace;
  if (AButton.Data.State == ebsPressed) {
    DrawButtonFrame(&Canvas, R, clBtnShadow);
    DrawButtonFrame(&Canvas, R, BackgroundColor);
    return;
  }
  DrawTwoColorButtonFrame(&Canvas, R, cl3DLight, cl3DDkShadow);
  DrawTwoColorButtonFrame(&Canvas, R, clBtnHighlight, clBtnShadow);
}

void TkxCustomEditViewInfo::PaintButtonBorderFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                  TColor& BackgroundColor, TRect& R) {
  BackgroundColor = AButton.Data.Transparent ? this->BackgroundColor : clBtnFace;
  DrawBorderSides(Canvas.Canvas(), R, kxSideLeft, BackgroundColor);
  if (AButton.Data.State == ebsPressed) DrawTwoColorButtonFrame(&Canvas, R, clBtnShadow, clBtnHighlight);
  else DrawTwoColorButtonFrame(&Canvas, R, clBtnHighlight, clBtnShadow);
  DrawBorderSides(Canvas.Canvas(), R, kxSideRight, BackgroundColor);
}

void TkxCustomEditViewInfo::PaintButtonBorderSimple(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                    TColor& BackgroundColor, TRect& R) {
  BackgroundColor = AButton.Data.Transparent ? this->BackgroundColor : clBtnFace;
  if (!Transparent) DrawButtonFrame(&Canvas, R, this->BackgroundColor);
  DrawBorderSides(Canvas.Canvas(), R, kxSideLeft | kxSideRight, BackgroundColor);
}

void TkxCustomEditViewInfo::PaintButtonBorderHotFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                     TColor& BackgroundColor, TColor& ContentColor, TRect& R) {
  const TkxEditButtonState state = AButton.Data.State;
  if (AButton.Data.Transparent) BackgroundColor = this->BackgroundColor;
  else BackgroundColor = state == ebsPressed ? clBtnText : state == ebsSelected ? clBtnShadow : clBtnFace;
  if (IsPressedOrHot(AButton))
    ContentColor = AButton.Data.Transparent && state == ebsSelected ? clBtnShadow : clWindow;
  const bool leftAligned = AButton.Data.LeftAlignment;
  if ((leftAligned && AButton.Data.Rightmost) || (!leftAligned && AButton.Data.Leftmost)) {
    DrawButtonFrame(&Canvas, R, clBtnShadow);
  } else {
    const Integer outer = leftAligned ? kxSideLeft : kxSideRight;
    const Integer inner = leftAligned ? kxSideRight : kxSideLeft;
    DrawBorderSides(Canvas.Canvas(), R, kxSideTop | kxSideBottom | outer, clBtnShadow);
    DrawBorderSides(Canvas.Canvas(), R, inner, BackgroundColor);
  }
  DrawBorderSides(Canvas.Canvas(), R, kxSideLeft | kxSideRight, BackgroundColor);
}

void TkxCustomEditViewInfo::PaintButtonBorderUltraFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                       bool IsOffice11, TColor& BackgroundColor, TRect& ContentRect,
                                                       TRect& BackgroundRect) {
  const TkxEditButtonState state = AButton.Data.State;
  if (AButton.Data.Transparent) BackgroundColor = this->BackgroundColor;
  else if (state == ebsDisabled) BackgroundColor = clBtnFace;
  else if (state == ebsNormal) BackgroundColor = IsOffice11 ? Office11Color02 : clBtnFace;
  else BackgroundColor = GetFlatButtonStateColor(state == ebsPressed, IsOffice11);
  const TColor highlight = GetHighlightBorderColor(IsOffice11);
  TRect r = AButton.Bounds;
  const bool framed = IsDisabledOrNormal(AButton) || (!IsInplace && BorderStyle == cbsNone) ||
                      (IsInplace && (PaintOptions & kClientExtentOption) == 0);
  if (framed) {
    if (IsPressedOrHot(AButton)) DrawButtonFrame(&Canvas, r, highlight);
    else if (!Transparent) DrawButtonFrame(&Canvas, r, this->BackgroundColor);
    else InflateRect(&r, -1, -1);
    BackgroundRect = r;
    ContentRect = r;
    InflateRect(&ContentRect, -1, 0);
    return;
  }
  // A pressed or hot button inside a bordered editor: separators toward its neighbours only.
  const bool leftAligned = AButton.Data.LeftAlignment;
  const bool outermost = leftAligned ? AButton.Data.Leftmost : AButton.Data.Rightmost;
  const Integer outerSide = leftAligned ? kxSideLeft : kxSideRight;
  const Integer innerSide = leftAligned ? kxSideRight : kxSideLeft;
  const bool innerTouchesBorder = leftAligned ? r.Right == BorderRect.Right : r.Left == BorderRect.Left;
  if (outermost) (leftAligned ? r.Left : r.Right) += leftAligned ? 1 : -1;
  else DrawBorderSides(Canvas.Canvas(), r, outerSide, highlight);
  if (innerTouchesBorder) (leftAligned ? r.Right : r.Left) += leftAligned ? -1 : 1;
  else DrawBorderSides(Canvas.Canvas(), r, innerSide, highlight);
  InflateRect(&r, -1, -1);
  BackgroundRect = r;
  ContentRect = r;
}

void TkxCustomEditViewInfo::PaintNativeButtonFrame(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                   TRect& ContentRect, TRect& BackgroundRect) {
  BackgroundRect = AButton.Bounds;
  if (AButton.Data.ComboBoxStyle) {
    ContentRect = TRect{};
    return;
  }
  ContentRect = AButton.Bounds;
  kdUxTheme::GetThemeBackgroundContentRect(OpenThemeOfType(kButtonType), Canvas.GetHandle(), 1,
                                           AButton.Data.NativeState, AButton.Bounds, ContentRect);
}

void TkxCustomEditViewInfo::PaintButtonBackground(TkxCanvas& Canvas, Integer AIndex, TColor AColor, const TRect& R) {
  const TkxEditButtonViewInfo& button = Button(AIndex);
  bool handled = false;
  if (CustomButtonBackgroundHandler) CustomButtonBackgroundHandler(this, &Canvas, R, AIndex, handled);
  if (handled) return;
  if (button.Data.NativeState != 0) PaintNativeButtonBackground(Canvas, button, R);
  else PaintButtonFill(Canvas, button, AColor, R);
}

void TkxCustomEditViewInfo::PaintNativeButtonBackground(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton,
                                                        const TRect& R) {
  const bool comboBox = AButton.Data.ComboBoxStyle;
  Integer part = 1;
  if (comboBox && !IsInplace && IsDwmCompositionActive()) part = AButton.Data.LeftAlignment ? 7 : 6;
  kdUxTheme::DrawThemeBackground(OpenThemeOfType(comboBox ? kComboBoxType : kButtonType), Canvas.GetHandle(), part,
                                 AButton.Data.NativeState, R, nullptr);
}

void TkxCustomEditViewInfo::PaintButtonFill(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor AColor,
                                            const TRect& R) {
  const TkxEditButtonState state = AButton.Data.State;
  const bool gradient = AButton.Data.Style == btsOffice11 && AButton.Data.Gradient && !AButton.Data.Transparent &&
                        state != ebsDisabled;
  if (!gradient) return Canvas.FillSolidRect(R, AColor);
  TColor top = Office11Color00, bottom = Office11Color01;
  if (state == ebsPressed) top = Office11Color24, bottom = Office11Color25;
  if (state == ebsSelected) top = Office11Color22, bottom = Office11Color23;
  TRect column{R.Left, BorderRect.Top, R.Right, BorderRect.Bottom};
  if (state == ebsNormal) InflateRect(&column, 0, -1);
  Canvas.PushClipRegion();
  Canvas.IntersectClipRect(R);
  GradientFillRect(Canvas.GetHandle(), column, top, bottom, false);
  Canvas.PopClipRegion();
}

void TkxCustomEditViewInfo::PaintButtonContent(TkxCanvas& Canvas, Integer AIndex, bool PressedOffset, TColor,
                                               TColor ContentColor, const TRect& R) {
  const TkxEditButtonViewInfo& button = Button(AIndex);
  const bool disabled = button.Data.State == ebsDisabled;
  Canvas.PushState();
  Canvas.IntersectClipRect(R);
  switch (button.Data.Kind) {
    case bkEllipsis: {
      const Integer s = R.Width() > 11 ? 2 : 1;
      const Integer x = CentredStart(R.Left, R.Right, 3 * s + 4, PressedOffset);
      const Integer y = CentredStart(R.Top, R.Bottom, s, PressedOffset);
      if (disabled) {
        DrawEllipsisDots(Canvas, x + 1, y + 1, s, clBtnHighlight);
        DrawEllipsisDots(Canvas, x, y, s, clBtnShadow);
      } else {
        DrawEllipsisDots(Canvas, x, y, s, ContentColor);
      }
      break;
    }
    case bkDown: {
      const TRect a = DownArrowRect(R, button.Bounds, PressedOffset, IsInplace);
      const auto* painter = TkxStandardLookAndFeelPainter::Class();
      if (disabled) {
        TRect shifted = a;
        OffsetRect(&shifted, 1, 1);
        painter->FillArrow(Canvas, shifted, gdDown, clBtnHighlight);
        painter->FillArrow(Canvas, a, gdDown, clBtnShadow);
      } else {
        painter->FillArrow(Canvas, a, gdDown, ContentColor);
      }
      break;
    }
    case bkGlyph: {
      if (!IsBitmapPaintable(button.Glyph)) break;
      const Integer w = std::min(R.Width(), button.Glyph->Width());
      const Integer h = std::min(R.Height(), button.Glyph->Height());
      PaintGlyphOnCanvas(Canvas, CentredStart(R.Left, R.Right, w, PressedOffset),
                         CentredStart(R.Top, R.Bottom, h, PressedOffset), nullptr, clNone, !disabled, button.Glyph);
      break;
    }
    case bkText: {
      Canvas.GetBrush()->SetStyle(bsClear);
      if (Font != nullptr) Canvas.SetFont(Font);
      TRect text = R;
      InflateRect(&text, -1, IsInplace ? 0 : -1);
      --text.Right;
      const TkxTextFlags align = button.Data.ContentAlignment == taLeftJustify ? tfAlignLeft
                                 : button.Data.ContentAlignment == taRightJustify ? tfAlignRight
                                                                                  : tfAlignHCenter;
      const TkxTextFlags flags = align | tfAlignVCenter | tfSingleLine | tfShowPrefix | tfEndEllipsis;
      const auto drawIn = [&](TColor color, Integer offset) {
        TRect at = text;
        OffsetRect(&at, offset, offset);
        Canvas.GetFont()->SetColor(color);
        Canvas.DrawText(button.Data.Caption, at, flags);
      };
      if (disabled) {
        drawIn(clBtnHighlight, 1);
        drawIn(clBtnShadow, 0);
      } else {
        const bool hotFlatLit = button.Data.Style == btsHotFlat && IsPressedOrHot(button);
        const TColor own = button.Data.TextColor == clDefault ? TextColor : button.Data.TextColor;
        drawIn(hotFlatLit ? ContentColor : own, PressedOffset ? 1 : 0);
      }
      break;
    }
  }
  Canvas.PopState();
}

// --- State ---

bool TkxCustomEditViewInfo::IsHotTrackEnabled() const {
  return std::any_of(ButtonsInfo.begin(), ButtonsInfo.end(),
                     [](const auto& button) { return button->Data.State == ebsSelected; });
}

bool TkxCustomEditViewInfo::IsPointOverButton(TPoint P) const {
  const TPoint local{P.X - LeftOffset, P.Y - TopOffset};
  return std::any_of(ButtonsInfo.begin(), ButtonsInfo.end(),
                     [&](const auto& button) { return PtInRect(&button->Bounds, local) != FALSE; });
}

void TkxCustomEditViewInfo::OffsetRects(Integer DX, Integer DY) {
  inherited::OffsetRects(DX, DY);
  OffsetRect(&InnerEditRect, DX, DY);
  for (const auto& button : ButtonsInfo) OffsetRect(&button->Bounds, DX, DY);
}

// --- Repainting ---

void TkxCustomEditViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TkxCustomEditViewInfo*>(Source)) {
    BackgroundColor = source->BackgroundColor;
    BorderColor = source->BorderColor;
    BorderStyle = source->BorderStyle;
    ContainerState = source->ContainerState;
    NativeState = source->NativeState;
    SetButtonCount(source->ButtonCount());
    for (Integer i = 0; i < ButtonCount(); ++i) Button(i).Assign(&source->Button(i));
    PressedButton = source->PressedButton;
    HotButton = source->HotButton;
  }
  inherited::Assign(Source);
}

std::unique_ptr<TkxRegion> TkxCustomEditViewInfo::GetRepaintRegion(TkxContainerViewInfo* AOldViewInfo) {
  auto region = TkxRegion::CreateEmpty();
  const auto* old = dynamic_cast<TkxCustomEditViewInfo*>(AOldViewInfo);
  const bool sameFrame = old != nullptr && old->BorderStyle == BorderStyle &&
                         (BorderStyle == cbsNone || old->BorderColor == BorderColor) &&
                         old->ButtonCount() == ButtonCount() && old->NativeState == NativeState;
  if (!sameFrame) {
    if (!IsRectEmpty(&Bounds)) region->CombineWith(TkxRegion::CreateFromRect(Bounds), roAdd);
    return region;
  }
  for (Integer i = 0; i < ButtonCount(); ++i) region->CombineWith(Button(i).GetButtonRepaintRegion(old->Button(i)), roAdd);
  return region;
}

bool TkxCustomEditViewInfo::RepaintExceptRect(TWinControl* AControl, const TRect& AInnerRect,
                                              const TkxCustomEditViewInfo* AOld) {
  if (!AControl->HandleAllocated()) return false;
  const HWND window = AControl->WindowHandle();
  TRect r = Bounds;
  OffsetRect(&r, LeftOffset, TopOffset);
  const TRect client = AControl->ClientRect();
  TRect inner{};
  IntersectRect(&inner, &AInnerRect, &client);
  if (AOld == nullptr) {
    InvalidateRectExceptInner(window, r, inner, EraseBackground);
    return false;
  }
  const bool stateChanged = NativeState != AOld->NativeState || BackgroundColor != AOld->BackgroundColor ||
                            (RepaintsOnStateChange() && !(ContainerState == AOld->ContainerState)) ||
                            ButtonCount() != AOld->ButtonCount();
  const bool borderChanged = (BorderStyle != cbsNone && BorderColor != AOld->BorderColor) ||
                             BorderStyle != AOld->BorderStyle;
  if (!stateChanged && borderChanged) {
    inner = BorderRect;
    OffsetRect(&inner, LeftOffset, TopOffset);
  }
  bool repainted = stateChanged || borderChanged;
  if (repainted && !IsRectEmpty(&r) && inner != r) InvalidateRectExceptInner(window, r, inner, AOld->EraseBackground);
  if (ButtonCount() == AOld->ButtonCount())
    for (Integer i = 0; i < ButtonCount(); ++i)
      repainted = Button(i).Repaint(AControl, AOld->Button(i), TPoint{LeftOffset, TopOffset}) || repainted;
  return repainted;
}
