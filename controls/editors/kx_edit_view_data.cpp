#include "controls/editors/kx_edit_view_data.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_properties.h"
#include "controls/editors/kx_edit_utils.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_dwm_api.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control.h"
#include "platform/ui/size_constraints.h"

PR_IMPLEMENT_CLASS(TkxCustomEditViewData)

namespace {

constexpr ThemedObjectType kEditType = 3, kButtonType = 0, kComboBoxType = 2;
constexpr int kFillColorProperty = 3802;
constexpr Integer kUnlimited = INT_MAX;

TRect Shrink(const TRect& R, const TRect& Extent) {
  return TRect{R.Left + Extent.Left, R.Top + Extent.Top, R.Right - Extent.Right, R.Bottom - Extent.Bottom};
}

bool IsEmptyExtent(const TRect& R) { return R.Left == 0 && R.Top == 0 && R.Right == 0 && R.Bottom == 0; }

TkxEditButtonStyle ButtonStyleOfKind(TkxLookAndFeelKind Kind) {
  switch (Kind) {
    case lfFlat: return btsFlat;
    case lfStandard: return bts3D;
    case lfUltraFlat: return btsUltraFlat;
    case lfOffice11: return btsOffice11;
  }
  return bts3D;
}

TkxEditPopupBorderStyle PopupBorderStyleOfKind(TkxLookAndFeelKind Kind) {
  switch (Kind) {
    case lfFlat: return epbsFlat;
    case lfStandard: return epbsFrame3D;
    default: return epbsSingle;
  }
}

}  // namespace

std::vector<Integer> ShareStretchSpace(std::span<const Integer> LaidOutWidths, std::span<const bool> Stretchable,
                                       Integer Space) {
  const std::size_t count = std::min(LaidOutWidths.size(), Stretchable.size());
  std::vector<Integer> gains(LaidOutWidths.size(), 0);
  if (Space <= 0 || count == 0) return gains;
  const bool anyStretchable = std::any_of(Stretchable.begin(), Stretchable.begin() + std::ptrdiff_t(count),
                                          [](bool b) { return b; });
  const auto shares = [&](std::size_t i) { return !anyStretchable || Stretchable[i]; };
  std::int64_t total = 0;
  std::size_t first = count;
  for (std::size_t i = 0; i < count; ++i)
    if (shares(i)) {
      total += std::max<Integer>(LaidOutWidths[i], 0);
      if (first == count) first = i;
    }
  Integer left = Space;
  for (std::size_t i = count; i-- > first + 1;) {
    if (!shares(i)) continue;
    const Integer gain = total > 0 ? Integer(std::int64_t(std::max<Integer>(LaidOutWidths[i], 0)) * Space / total) : 0;
    gains[i] = gain;
    left -= gain;
  }
  gains[first] = left;
  return gains;
}

// --- Life cycle ---

TkxCustomEditViewData::TkxCustomEditViewData(TkxCustomEditProperties* AProperties, TkxContainerStyle* AStyle,
                                             bool AIsInplace)
    : IsInplace(AIsInplace), properties_(AProperties), style_(AStyle) {
  ResetInplaceState();
  ApplyPropertiesSettings();
}

void TkxCustomEditViewData::ResetInplaceState() {
  InplaceBorderExtent = TRect{};
  Enabled = true;
}

void TkxCustomEditViewData::ApplyPropertiesSettings() {
  VisibleButtonCount = properties_->Buttons()->CountVisible();
  HorzAlignment = properties_->Alignment()->Horz();
  VertAlignment = Byte(properties_->Alignment()->Vert());
  NativeStyle = UsesNativeStyle(LookAndFeel());
  CalculateEditorMetrics(EditorMetrics);
}

void TkxCustomEditViewData::CalculateEditorMetrics(TkxEditMetrics& Block) const {
  const TRect offsets = GetContentOffsets();
  Block.ClientExtent = TRect{};
  Block.ContentOffsetLeft = offsets.Left;
  Block.ContentOffsetTop = offsets.Top;
  Block.ContentOffsetRight = offsets.Right;
  Block.ContentOffsetBottom = offsets.Bottom;
  Block.Flags = 2;
  Block.WidthCorrection = 3 - offsets.Left - offsets.Right;
  Block.HeightCorrection = NativeStyle && IsInplace && properties_->Buttons()->Count() > 0 ? 1 : 0;
}

TRect TkxCustomEditViewData::GetContentOffsets() const {
  return IsInplace ? TRect{1, 1, 1, 1} : TRect{1, 1, 1, 3};
}

// --- Style access ---

TkxCustomEditStyle* TkxCustomEditViewData::EditStyle() const { return dynamic_cast<TkxCustomEditStyle*>(style_); }

TkxLookAndFeel* TkxCustomEditViewData::LookAndFeel() const { return style_->LookAndFeel(); }

TkxLookAndFeelPainterClass TkxCustomEditViewData::SkinPainter() const { return LookAndFeel()->SkinPainter(); }

bool TkxCustomEditViewData::UsesNativeStyle(const TkxLookAndFeel* ALookAndFeel) const {
  return CanUseNativeTheme(ALookAndFeel->NativeStyle(), kEditType);
}

bool TkxCustomEditViewData::HasShadow() const { return style_->Shadow() && !NativeStyle; }

// The normal style: the editor's, or the one given when there is no editor.
static TkxContainerStyle* NormalStyleOf(TkxCustomEdit* Edit, TkxContainerStyle* Given) {
  return Edit != nullptr ? Edit->GetStyle() : Given;
}

// --- State ---

TkxContainerStateFlags TkxCustomEditViewData::CalculateContainerState(TCanvas*, TPoint P, Integer, TShiftState Shift,
                                                                      bool) {
  if (!Enabled) return TkxContainerStateFlags{cstDisabled};
  if (Designing) return TkxContainerStateFlags{cstNormal};
  TkxContainerStateFlags state = Focused ? TkxContainerStateFlags{cstFocused} : TkxContainerStateFlags{cstNormal};
  const TRect hot = Edit != nullptr ? Edit->GetHotTrackBounds() : Shrink(Bounds, InplaceBorderExtent);
  if (PtInRect(&hot, P) && (Shift.Empty() || (Edit != nullptr && Edit->MouseCapture()))) state.Include(cstHot);
  return state;
}

Integer TkxCustomEditViewData::GetNativeState() const {
  if (!Enabled) return 4;
  if (properties_->ReadOnly()) return 6;
  if (Focused) return IsDwmCompositionActive() ? 3 : 5;
  return ContainerState.Contains(cstHot) ? 2 : 1;
}

TkxEditBorderStyle TkxCustomEditViewData::GetEffectiveBorderStyle() const {
  if (IsInplace) return ebsNone;
  const TkxEditBorderStyle style = style_->BorderStyle();
  return style == ebsUltraFlat || style == ebsOffice11 ? ebsSingle : style;
}

TkxEditButtonStyle TkxCustomEditViewData::GetEffectiveButtonStyle() const {
  const TkxCustomEditStyle* edit = EditStyle();
  const TkxEditButtonStyle own = edit != nullptr ? edit->ButtonStyle() : btsDefault;
  if (own != btsDefault) return own;
  const TkxEditBorderStyle border = style_->BorderStyle();
  if (IsInplace || (border == ebsNone && !style_->HotTrack())) return ButtonStyleOfKind(LookAndFeel()->Kind());
  switch (border) {
    case ebsNone: return btsSimple;
    case ebsSingle: return btsHotFlat;
    case ebsFlat: return btsFlat;
    case ebsUltraFlat: return btsUltraFlat;
    case ebsOffice11: return btsOffice11;
    default: return bts3D;
  }
}

// --- Borders ---

TRect TkxCustomEditViewData::GetBorderExtent() const {
  if (IsInplace) return InplaceBorderExtent;
  const bool native = UsesNativeStyle(LookAndFeel());
  return ContainerBorderExtent({
      .TransparentBorder = style_->TransparentBorder() && SkinPainter() == nullptr,
      .NoBorder = !style_->HasBorder() || (native && NormalStyleOf(Edit, style_)->BorderStyle() == ebsNone),
      .Native = native,
      .BorderWidth = SkinPainter() != nullptr ? 1 : GetContainerBorderWidth(GetEffectiveBorderStyle()),
      .Edges = style_->Edges(),
      .Shadow = HasShadow(),
  });
}

TRect TkxCustomEditViewData::GetButtonAreaExtent(TCanvas* Canvas) const {
  if (IsInplace) return InplaceBorderExtent;
  if (!NativeStyle) return GetBorderExtent();
  const bool borderless = NormalStyleOf(Edit, style_)->BorderStyle() == ebsNone;
  if (!borderless) {
    const TRect box{0, 0, 100, 100};
    TRect content = box;
    const HTHEME theme = OpenThemeOfType(kEditType);
    if (theme != nullptr)
      kdUxTheme::GetThemeBackgroundContentRect(theme, Canvas != nullptr ? Canvas->Handle() : nullptr, 1, 1, box,
                                               content);
    return TRect{content.Left, content.Top, 100 - content.Right, 100 - content.Bottom};
  }
  return style_->TransparentBorder() ? TRect{2, 2, 2, 2} : TRect{};
}

TRect TkxCustomEditViewData::GetClientExtent(TCanvas* Canvas, const TkxCustomEditViewInfo& AViewInfo) const {
  TRect extent = GetBorderExtent();
  if (properties_->ButtonsViewStyle() != bvsNormal && AViewInfo.ButtonCount() > 0) {
    const TRect area = GetButtonAreaExtent(Canvas);
    extent.Left = area.Left;
    extent.Right = area.Right;
  }
  if (HScrollBar != nullptr) extent.Bottom += HScrollBar->Height();
  if (VScrollBar != nullptr) extent.Right += VScrollBar->Width();
  for (const auto& button : AViewInfo.ButtonsInfo) {
    if (button->Data.LeftAlignment) extent.Left = std::max(extent.Left, button->VisibleBounds.Right - Bounds.Left);
    else extent.Right = std::max(extent.Right, Bounds.Right - button->VisibleBounds.Left);
  }
  return extent;
}

TColor TkxCustomEditViewData::GetBorderColor() const {
  const bool highlighted =
      ContainerState.Contains(cstFocused) || (ContainerState.Contains(cstHot) && style_->HotTrack());
  if (SkinPainter() != nullptr) return SkinPainter()->GetSkinContainerBorderColor();
  const TkxEditBorderStyle border = style_->BorderStyle();
  if (border != ebsUltraFlat && border != ebsOffice11) return style_->BorderColor();
  if (highlighted || (Designing && Enabled)) return GetHighlightBorderColor(border == ebsOffice11);
  return clBtnShadow;
}

// --- Calculate ---

Byte TkxCustomEditViewData::ComposePaintOptions() const {
  Byte options = OptionBits;
  if (!IsEmptyExtent(EditorMetrics.ClientExtent)) options |= 4;
  if ((EditorMetrics.Flags & 1) != 0) options |= 0x10;
  return options;
}

Integer TkxCustomEditViewData::GetCapturedButtonIndex() const {
  return Edit != nullptr ? Edit->PressedCaptureIndex() : -1;
}

bool TkxCustomEditViewData::IsEditorFocused() const { return Edit != nullptr ? Edit->InternalFocused() : Focused; }

std::string TkxCustomEditViewData::MakeDisplayText(const Variant& AValue) const {
  std::string text = ValueToDisplayText(AValue);
  FireDisplayTextEvent(text);
  return text;
}

void TkxCustomEditViewData::FireDisplayTextEvent(std::string& AText) const {
  if (DisplayTextHandler) DisplayTextHandler(const_cast<TkxCustomEditViewData*>(this), AText);
}

void TkxCustomEditViewData::CalculateStateAndBorder(TCanvas* Canvas, TPoint P, Integer Button, TShiftState Shift,
                                                    TkxCustomEditViewInfo& AViewInfo, bool IsMouseEvent) {
  ContainerState = CalculateContainerState(Canvas, P, Button, Shift, IsMouseEvent);
  AViewInfo.ContainerState = ContainerState;
  FocusedOrHot = ContainerState.Contains(cstFocused) || ContainerState.Contains(cstHot);
  AViewInfo.HotTrackValue = Designing || IsInplace || !style_->HotTrack() ? 0 : (FocusedOrHot ? 2 : 1);
  if (Edit != nullptr) style_ = Edit->GetActiveStyle();
  AViewInfo.BorderStyle =
      NativeStyle && !IsInplace ? NormalStyleOf(Edit, style_)->BorderStyle() : GetEffectiveBorderStyle();
}

void TkxCustomEditViewData::Calculate(TCanvas* Canvas, const TRect& ABounds, TPoint P, Integer Button,
                                      TShiftState Shift, TkxCustomEditViewInfo& AViewInfo, bool IsMouseEvent) {
  Shift.Exclude(ssShift);
  Shift.Exclude(ssAlt);
  Shift.Exclude(ssCtrl);
  // The hot rectangle of a view data without editor is made from these bounds: they are taken
  // before the state, or a fresh view data (one per layout) would never be hot.
  Bounds = ABounds;
  const Integer previousWidth = GetContainerBorderWidth(AViewInfo.BorderStyle);
  CalculateStateAndBorder(Canvas, P, Button, Shift, AViewInfo, IsMouseEvent);
  if (!IsInplace && !NativeStyle && GetContainerBorderWidth(AViewInfo.BorderStyle) < previousWidth)
    CalculateStateAndBorder(Canvas, P, Button, Shift, AViewInfo, IsMouseEvent);
  const TkxEditButtonsViewStyle viewStyle = properties_->ButtonsViewStyle();
  StretchButtons = IsInplace ? ABounds.Right != kUnlimited && viewStyle != bvsNormal : viewStyle == bvsButtonsOnly;

  AViewInfo.SkinPainter = SkinPainter();
  AViewInfo.Bounds = ABounds;
  AViewInfo.Enabled = Enabled;
  AViewInfo.Focused = Focused;
  AViewInfo.EraseBackground = Edit != nullptr && Edit->ErasesBackground();
  AViewInfo.IsInplace = IsInplace;
  AViewInfo.Selected = Selected;
  AViewInfo.PaintOptions = ComposePaintOptions();
  AViewInfo.Edges = style_->Edges();
  AViewInfo.Font = style_->DirectAccess() ? style_->Font() : style_->GetEffectiveFont();
  AViewInfo.Shadow = !IsInplace && HasShadow();
  AViewInfo.WindowHandle = WindowHandle;
  AViewInfo.Edit = Edit;

  CalculateViewInfoGeometry(AViewInfo);
  CalculateButtonsViewInfo(Canvas, ABounds, P, Button, Shift, AViewInfo, IsMouseEvent);
  AViewInfo.ClientRect = Shrink(ABounds, GetClientExtent(Canvas, AViewInfo));
  AViewInfo.InnerEditRect = InnerEdit != nullptr ? InnerEdit->BoundsRect() : AViewInfo.ClientRect;
  AViewInfo.PopupBorderStyle = GetPopupBorderStyle(AViewInfo);
}

void TkxCustomEditViewData::CalculateViewInfoGeometry(TkxCustomEditViewInfo& AViewInfo) {
  AViewInfo.NativeStyle = NativeStyle;
  if (NativeStyle) {
    AViewInfo.ThemedType = kEditType;
    AViewInfo.NativePart = 1;
    AViewInfo.NativeState = GetNativeState();
  }
  const TRect extent = GetBorderExtent();
  AViewInfo.BorderRect = Shrink(AViewInfo.Bounds, extent);
  AViewInfo.BorderWidth = SkinPainter() != nullptr ? 1 : GetContainerBorderWidth(AViewInfo.BorderStyle);
  AViewInfo.HasInplaceBorderExtent = !IsEmptyExtent(InplaceBorderExtent);
  if (!IsInplace) AViewInfo.BorderColor = GetBorderColor();
  AViewInfo.TextColor = style_->TextColor();
  AViewInfo.BackgroundColor = style_->Color();
  if ((Edit == nullptr || !Edit->UsesParentColorByDefault()) && NativeStyle && !Enabled &&
      !style_->IsValueAssigned(csvColor)) {
    COLORREF fill = 0;
    const Integer part = IsDwmCompositionActive() ? 3 : 1;
    if (kdUxTheme::GetThemeColor(OpenThemeOfType(kEditType), part, AViewInfo.NativeState, kFillColorProperty, fill) ==
        S_OK)
      AViewInfo.BackgroundColor = TColor(fill);
  }
}

TkxEditPopupBorderStyle TkxCustomEditViewData::GetPopupBorderStyle(const TkxCustomEditViewInfo& AViewInfo) const {
  const TkxCustomEditStyle* edit = EditStyle();
  const TkxEditPopupBorderStyle own = edit != nullptr ? edit->PopupBorderStyle() : epbsDefault;
  if (own != epbsDefault || Edit == nullptr) return own;
  if (IsInplace) return PopupBorderStyleOfKind(LookAndFeel()->Kind());
  const TkxEditBorderStyle border = style_->BorderStyle();
  if (border != ebsNone || AViewInfo.ButtonCount() == 0)
    return border == ebsNone || border == ebsFlat ? epbsFlat : epbsSingle;
  return PopupBorderStyleOfKind(Edit->GetLookAndFeel()->Kind());
}

// --- Buttons ---

void TkxCustomEditViewData::CalculateButtonsViewInfo(TCanvas* Canvas, const TRect&, TPoint P, Integer Button,
                                                     TShiftState Shift, TkxCustomEditViewInfo& AViewInfo,
                                                     bool IsMouseEvent) {
  const TkxCustomEditStyle* edit = EditStyle();
  const TkxEditButtonTransparency transparency = edit != nullptr ? edit->ButtonTransparency() : ebtNone;
  if (VisibleButtonCount == 0 || (!Focused && transparency == ebtHideInactive) ||
      (!FocusedOrHot && transparency == ebtHideUnselected)) {
    AViewInfo.SetButtonCount(0);
    return;
  }
  AViewInfo.SetButtonCount(VisibleButtonCount);
  AViewInfo.ReallyPressed = false;
  const Integer previous = IsMouseEvent ? AViewInfo.PressedButton : -1;
  AViewInfo.PressedButton = AViewInfo.HotButton = -1;
  LeftSideLeftmostButtonIndex = LeftSideRightmostButtonIndex = -1;
  RightSideLeftmostButtonIndex = RightSideRightmostButtonIndex = -1;
  LayOutButtons(Canvas, AViewInfo);
  CalculateButtonStates(AViewInfo, P, Button, Shift, previous);
  MarkButtonEdges(AViewInfo);
}

void TkxCustomEditViewData::LayOutButtons(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo) {
  TkxEditButtons* buttons = properties_->Buttons();
  TRect r = Bounds;
  const bool comboLook = VisibleButtonCount == 1 && [&] {
    for (Integer i = 0; i < buttons->Count(); ++i)
      if (buttons->Items(i)->Visible()) return buttons->Items(i)->Kind() == bkDown;
    return false;
  }();
  if (IsInplace || !NativeStyle || !comboLook || !IsDwmCompositionActive()) r = Shrink(r, GetButtonAreaExtent(Canvas));
  bool fontSelected = false;
  Integer index = VisibleButtonCount;
  for (Integer j = buttons->Count() - 1; j >= 0; --j) {
    TkxEditButton* button = buttons->Items(j);
    if (!button->Visible()) continue;
    --index;
    if (button->Kind() == bkText && !fontSelected && Canvas != nullptr) {
      Canvas->Font()->Assign(style_->GetEffectiveFont());
      fontSelected = true;
    }
    FillButtonViewInfo(Canvas, AViewInfo, r, index, j);
  }
  if (StretchButtons && r.Width() > 0) StretchLaidOutButtons(AViewInfo, r.Width());
}

void TkxCustomEditViewData::FillButtonViewInfo(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TRect& R,
                                               Integer AIndex, Integer ACollectionIndex) {
  TkxEditButton* button = properties_->Buttons()->Items(ACollectionIndex);
  TkxEditButtonViewInfo& info = AViewInfo.Button(AIndex);
  const TkxCustomEditStyle* edit = EditStyle();
  const TkxEditButtonTransparency transparency = edit != nullptr ? edit->ButtonTransparency() : ebtNone;
  TkxEditButtonViewInfoData& data = info.Data;
  info.ButtonIndex = ACollectionIndex;
  data.Style = GetEffectiveButtonStyle();
  data.ComboBoxStyle = VisibleButtonCount == 1 && button->Kind() == bkDown;
  data.Kind = button->Kind();
  if (data.Kind == bkText) {
    data.Caption = button->Caption();
    data.TextColor =
        SkinPainter() != nullptr ? SkinPainter()->GetSkinEditButtonTextColor(kxbsNormal) : button->TextColor();
    data.VisibleCaption = button->VisibleCaption();
  }
  data.ContentAlignment = button->ContentAlignment();
  data.Default = button->Default();
  info.Glyph = button->HasGlyph() ? button->Glyph() : nullptr;
  data.Gradient = edit != nullptr && edit->Gradient();
  data.IsInplace = IsInplace;
  data.LeftAlignment = button->LeftAlignment();
  data.Leftmost = data.Rightmost = false;
  data.NativeStyle = NativeStyle;
  data.Stretchable = button->Stretchable();
  data.Width = button->Width();
  if (data.Width == 0 && DefaultButtonWidthHandler) DefaultButtonWidthHandler(this, AIndex, data.Width);
  data.Transparent = transparency == ebtAlways || (transparency == ebtInactive && !FocusedOrHot);
  data.BackgroundColor = AViewInfo.BackgroundColor;
  PlaceButton(Canvas, AViewInfo, R, AIndex);
}

void TkxCustomEditViewData::PlaceButton(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TRect& R, Integer AIndex) {
  TkxEditButtonViewInfo& info = AViewInfo.Button(AIndex);
  if (R.Right <= R.Left || R.Bottom <= R.Top) {
    info.Bounds = info.VisibleBounds = TRect{};
    return;
  }
  const Integer width = GetEditButtonWidth(Canvas, info);
  const Integer visible = std::min(R.Width(), width);
  if (info.Data.LeftAlignment) {
    info.Bounds = TRect{R.Left, R.Top, R.Left + width, R.Bottom};
    info.VisibleBounds = TRect{R.Left, R.Top, R.Left + visible, R.Bottom};
    R.Left += visible;
    LeftSideRightmostButtonIndex = AIndex;
    if (LeftSideLeftmostButtonIndex == -1) LeftSideLeftmostButtonIndex = AIndex;
  } else {
    info.Bounds = TRect{R.Right - width, R.Top, R.Right, R.Bottom};
    info.VisibleBounds = TRect{R.Right - visible, R.Top, R.Right, R.Bottom};
    R.Right -= visible;
    RightSideLeftmostButtonIndex = AIndex;
    if (RightSideRightmostButtonIndex == -1) RightSideRightmostButtonIndex = AIndex;
  }
}

void TkxCustomEditViewData::StretchLaidOutButtons(TkxCustomEditViewInfo& AViewInfo, Integer Space) {
  const Integer count = AViewInfo.ButtonCount();
  std::vector<Integer> widths;
  std::unique_ptr<bool[]> stretchable(new bool[std::size_t(count)]);
  for (Integer i = 0; i < count; ++i) {
    widths.push_back(AViewInfo.Button(i).Bounds.Width());
    stretchable[std::size_t(i)] = AViewInfo.Button(i).Data.Stretchable;
  }
  const std::vector<Integer> gains =
      ShareStretchSpace(widths, std::span<const bool>(stretchable.get(), std::size_t(count)), Space);
  for (Integer i = count - 1; i >= 0; --i) {
    const Integer gain = gains[std::size_t(i)];
    if (gain == 0) continue;
    TkxEditButtonViewInfo& button = AViewInfo.Button(i);
    const bool left = button.Data.LeftAlignment;
    if (left) {
      button.Bounds.Right += gain;
      button.VisibleBounds.Right += gain;
    } else {
      button.Bounds.Left -= gain;
      button.VisibleBounds.Left -= gain;
    }
    for (Integer k = 0; k < i; ++k) {
      TkxEditButtonViewInfo& before = AViewInfo.Button(k);
      if (before.Data.LeftAlignment != left) continue;
      const Integer dx = left ? gain : -gain;
      OffsetRect(&before.Bounds, dx, 0);
      OffsetRect(&before.VisibleBounds, dx, 0);
    }
  }
}

void TkxCustomEditViewData::CalculateButtonStates(TkxCustomEditViewInfo& AViewInfo, TPoint P, Integer Button,
                                                  TShiftState Shift, Integer Previous) {
  const bool leftOnly = Shift == TShiftState{ssLeft} || Shift == TShiftState{ssLeft, ssDouble};
  const bool leftEvent = Button == 1 && leftOnly;
  for (Integer i = 0; i < AViewInfo.ButtonCount(); ++i) {
    TkxEditButtonViewInfo& info = AViewInfo.Button(i);
    const TkxEditButtonState earlier = info.Data.State;
    TkxEditButtonState state = ebsNormal;
    const bool byEdit = IsButtonPressedByEdit(AViewInfo, i);
    if (!Enabled || !properties_->Buttons()->Items(info.ButtonIndex)->Enabled()) {
      state = ebsDisabled;
    } else if (!byEdit && (Designing || !PtInRect(&info.VisibleBounds, P))) {
      state = ebsNormal;
    } else {
      const bool held = Shift.Contains(ssLeft);
      const bool wasPressedHeld = earlier == ebsPressed && held;
      const bool captured = Button == 0 && held && earlier == ebsNormal && i == GetCapturedButtonIndex();
      if (byEdit || leftEvent || wasPressedHeld || captured) AViewInfo.ReallyPressed = true;
      if (!byEdit && Shift.Empty()) {
        state = ebsSelected;
        AViewInfo.HotButton = i;
      } else if (byEdit || (captured && CanPressButton(AViewInfo, i)) ||
                 (leftOnly && ((Button == 1 && CanPressButton(AViewInfo, i)) || i == Previous)) || wasPressedHeld) {
        state = ebsPressed;
        AViewInfo.PressedButton = i;
      }
    }
    if (AViewInfo.ButtonStateHandler) AViewInfo.ButtonStateHandler(&AViewInfo, i, state);
    info.Data.State = state;
    CalculateButtonNativeInfo(info);
  }
}

void TkxCustomEditViewData::MarkButtonEdges(TkxCustomEditViewInfo& AViewInfo) {
  if (LeftSideLeftmostButtonIndex != -1) AViewInfo.Button(LeftSideLeftmostButtonIndex).Data.Leftmost = true;
  if (RightSideRightmostButtonIndex != -1) AViewInfo.Button(RightSideRightmostButtonIndex).Data.Rightmost = true;
  if (LeftSideRightmostButtonIndex != -1 && (!StretchButtons || RightSideLeftmostButtonIndex == -1))
    AViewInfo.Button(LeftSideRightmostButtonIndex).Data.Rightmost = true;
  if (RightSideLeftmostButtonIndex != -1 && (!StretchButtons || LeftSideLeftmostButtonIndex == -1))
    AViewInfo.Button(RightSideLeftmostButtonIndex).Data.Leftmost = true;
  if (StretchButtons)
    for (auto& button : AViewInfo.ButtonsInfo) button->Data.LeftAlignment = false;
}

void TkxCustomEditViewData::CalculateButtonNativeInfo(TkxEditButtonViewInfo& AButton) {
  TkxEditButtonViewInfoData& data = AButton.Data;
  HTHEME theme = nullptr;
  if (data.NativeStyle) theme = OpenThemeOfType(data.ComboBoxStyle ? kComboBoxType : kButtonType);
  if (theme == nullptr) {
    data.NativePart = data.NativeState = 0;
    data.BackgroundPartiallyTransparent = false;
    return;
  }
  data.NativePart = data.ComboBoxStyle && !IsInplace && IsDwmCompositionActive() ? (data.LeftAlignment ? 7 : 6) : 1;
  static constexpr Integer kThemeStates[] = {4, 1, 3, 2};   // disabled, normal, pressed, hot
  data.NativeState = kThemeStates[data.State];
  data.BackgroundPartiallyTransparent =
      kdUxTheme::IsThemeBackgroundPartiallyTransparent(theme, data.NativePart, data.NativeState) != FALSE;
}

// --- Sizes ---

void TkxCustomEditViewData::GetFixedPartSize(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TSize& FixedSize,
                                             TSize& MinContentSize) {
  const TRect& b = AViewInfo.Bounds;
  const TRect& c = AViewInfo.ClientRect;
  FixedSize = TSize{(c.Left - b.Left) + (b.Right - c.Right), (c.Top - b.Top) + (b.Bottom - c.Bottom)};
  MinContentSize = TSize{0, 0};
  Integer tallest = 0;
  bool fontSelected = false;
  for (const auto& info : AViewInfo.ButtonsInfo) {
    if (info->Data.Kind == bkGlyph && IsBitmapPaintable(info->Glyph)) {
      tallest = std::max(tallest, info->Glyph->Height());
    } else if (IsInplace && info->Data.Kind == bkText && !info->Data.Caption.empty() && Canvas != nullptr) {
      if (!fontSelected) {
        Canvas->Font()->Assign(style_->GetEffectiveFont());
        fontSelected = true;
      }
      tallest = std::max(tallest, Canvas->TextHeight(info->Data.VisibleCaption));
    }
  }
  if (tallest <= 0) return;
  if (SkinPainter() == nullptr) {
    const TRect area = GetButtonAreaExtent(Canvas);
    tallest += area.Top + area.Bottom;
  }
  tallest += GetButtonContentPadding(Canvas, GetEffectiveButtonStyle(), AViewInfo.NativeStyle);
  MinContentSize.cy = std::max(tallest - FixedSize.cy, 0);
}

void TkxCustomEditViewData::GetEditorSize(TCanvas* Canvas, TkxCustomEditViewInfo* AViewInfo, TSize& FixedSize,
                                          TSize& MinContentSize) {
  std::unique_ptr<TkxCustomEditViewInfo> own;
  if (AViewInfo == nullptr) {
    own.reset(static_cast<TkxCustomEditViewInfo*>(properties_->GetViewInfoClass()()));
    AViewInfo = own.get();
  }
  Calculate(Canvas, TRect{0, 0, kUnlimited, kUnlimited}, TPoint{-1, -1}, 0, TShiftState{}, *AViewInfo, false);
  GetFixedPartSize(Canvas, *AViewInfo, FixedSize, MinContentSize);
}

TSize TkxCustomEditViewData::GetMetricMargins() const {
  const TkxEditMetrics& m = EditorMetrics;
  return TSize{m.ContentOffsetLeft + m.ContentOffsetRight + m.WidthCorrection,
               m.ContentOffsetTop + m.ContentOffsetBottom + m.HeightCorrection};
}

TSize TkxCustomEditViewData::GetContentSize(TCanvas* Canvas, const Variant& AEditValue,
                                            const TkxEditSizeProperties& ASize) {
  if (properties_->ButtonsViewStyle() == bvsNormal || Canvas == nullptr)
    return CalculateContentSize(Canvas, AEditValue, ASize);
  Canvas->Font()->Assign(style_->GetEffectiveFont());
  return TSize{0, GetMetricMargins().cy + Canvas->TextHeight("Zg")};
}

TSize TkxCustomEditViewData::MeasureEditor(TCanvas* Canvas, const Variant& AEditValue,
                                           const TkxEditSizeProperties& ASizeProperties) {
  TSize fixed{}, minContent{};
  GetEditorSize(Canvas, nullptr, fixed, minContent);
  TkxEditSizeProperties content = ASizeProperties;
  if (ASizeProperties.Width >= 0) content.Width = std::max(ASizeProperties.Width - fixed.cx, 0);
  TSize size = GetContentSize(Canvas, AEditValue, content);
  size.cx = std::max(size.cx, minContent.cx);
  size.cy = std::max(size.cy, minContent.cy);
  TSize result{fixed.cx + size.cx, fixed.cy + size.cy};
  if (ASizeProperties.Width >= 0 && ASizeProperties.Width < fixed.cx) result.cx = ASizeProperties.Width;
  if (!IsInplace && Edit != nullptr) {
    const TSizeConstraints* limits = Edit->Constraints();
    if (limits->MaxHeight() != 0) result.cy = std::min(result.cy, limits->MaxHeight());
    if (limits->MinHeight() != 0) result.cy = std::max(result.cy, limits->MinHeight());
    if (limits->MaxWidth() != 0) result.cx = std::min(result.cx, limits->MaxWidth());
    if (limits->MinWidth() != 0) result.cx = std::max(result.cx, limits->MinWidth());
  }
  return result;
}
