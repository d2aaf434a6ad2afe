#include "controls/foundation/kx_button.h"

#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_parent_image.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "platform/core/mul_div.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/owner_draw.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_from_point.h"
#include "platform/window_classes/button_window.h"

PR_PUBLISH(TkxButtonColors) {
  p.Property("Default", &TkxButtonColors::Default, &TkxButtonColors::SetDefault)
      .Type(ColorTypeInfo())
      .Stored(&TkxButtonColors::DefaultStored);
  p.Property("Normal", &TkxButtonColors::Normal, &TkxButtonColors::SetNormal)
      .Type(ColorTypeInfo())
      .Stored(&TkxButtonColors::NormalStored);
  p.Property("Hot", &TkxButtonColors::Hot, &TkxButtonColors::SetHot)
      .Type(ColorTypeInfo())
      .Stored(&TkxButtonColors::HotStored);
  p.Property("Pressed", &TkxButtonColors::Pressed, &TkxButtonColors::SetPressed)
      .Type(ColorTypeInfo())
      .Stored(&TkxButtonColors::PressedStored);
  p.Property("Disabled", &TkxButtonColors::Disabled, &TkxButtonColors::SetDisabled)
      .Type(ColorTypeInfo())
      .Stored(&TkxButtonColors::DisabledStored);
}

PR_IMPLEMENT_CLASS(TkxCustomButton)

// The platform button's own properties (Action, Cancel, Caption, Constraints, Default, Enabled,
// ModalResult, TabOrder, OnClick ...) come from TButton's table.
PR_PUBLISH(TkxButton) {
  p.Property("Colors", &TkxCustomButton::Colors, &TkxCustomButton::SetColors).Stored(&TkxCustomButton::ColorsStored);
  p.Property("DropDownMenu", &TkxCustomButton::DropDownMenu, &TkxCustomButton::SetDropDownMenu);
  p.Property("Glyph", &TkxCustomButton::Glyph, &TkxCustomButton::SetGlyph);
  p.Property("Kind", &TkxCustomButton::Kind, &TkxCustomButton::SetKind).Default(kxbkStandard);
  p.Property("Layout", &TkxCustomButton::Layout, &TkxCustomButton::SetLayout).Default(blGlyphLeft);
  p.Property("LookAndFeel", &TkxCustomButton::LookAndFeel, &TkxCustomButton::SetLookAndFeel);
  p.Property("Margin", &TkxCustomButton::Margin, &TkxCustomButton::SetMargin).Default(-1);
  p.Property("NumGlyphs", &TkxCustomButton::NumGlyphs, &TkxCustomButton::SetNumGlyphs).Default(1);
  p.Property("PopupAlignment", &TkxCustomButton::PopupAlignment, &TkxCustomButton::SetPopupAlignment)
      .Default(paLeft);
  p.Property("Spacing", &TkxCustomButton::Spacing, &TkxCustomButton::SetSpacing).Default(4);
  p.Property("UseSystemPaint", &TkxCustomButton::UseSystemPaint, &TkxCustomButton::SetUseSystemPaint)
      .Default(false);
  p.Property("OnDropDownMenuPopup", &TkxCustomButton::OnDropDownMenuPopup);
  p.Property("OnGetDrawParams", &TkxCustomButton::OnGetDrawParams);
}

namespace {

// The drop-down arrow part: the right-most pixels a press opens the menu from, and how far the
// button's face ends before the right edge (the two overlap by 2 pixels).
constexpr Integer kArrowPartWidth = 15;
constexpr Integer kArrowFaceCut = 13;
// The "Button" themed object type.
constexpr ThemedObjectType kButtonThemeType = 0;

bool IsDesigning(const TComponent* Component) { return Component->ComponentState().Contains(csDesigning); }

}  // namespace

// --- TkxButtonColors ---

void TkxButtonColors::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxButtonColors*>(Source);
  if (source == nullptr) return TPersistent::Assign(Source);
  std::copy(std::begin(source->colors_), std::end(source->colors_), std::begin(colors_));
  assigned_ = source->assigned_;
  Changed();
}

TColor TkxButtonColors::GetEffectiveColor(TkxButtonState State) const {
  if (IsAssigned(State)) return colors_[State];
  return State == kxbsNormal ? colors_[kxbsDefault] : colors_[kxbsNormal];
}

void TkxButtonColors::SetStateColor(TkxButtonState State, TColor Value) {
  if (Value == clNone || Value == clDefault) {
    colors_[State] = clDefault;
    assigned_ &= Byte(~(1u << State));
    return Changed();
  }
  if (colors_[State] == Value) return;
  colors_[State] = Value;
  assigned_ |= Byte(1u << State);
  Changed();
}

void TkxButtonColors::SetAssignedColors(Byte Value) {
  if (button_ == nullptr || !IsDesigning(button_) || Value == assigned_) return;
  for (int state = kxbsDefault; state <= kxbsDisabled; ++state) {
    const Byte bit = Byte(1u << state);
    if ((Value & bit) == 0) colors_[state] = clDefault;
    if ((Value & bit) != 0 && colors_[state] == clDefault) Value &= Byte(~bit);
  }
  assigned_ = Value;
  Changed();
}

void TkxButtonColors::Changed() {
  if (button_ != nullptr) button_->Invalidate();
}

// --- TkxCustomButton ---

TkxCustomButton::TkxCustomButton(TComponent* AOwner)
    : TButton(AOwner),
      colors_(std::make_unique<TkxButtonColors>(this)),
      canvas_(std::make_unique<TControlCanvas>()),
      lookAndFeel_(std::make_unique<TkxLookAndFeel>(this)),
      glyph_(std::make_unique<TkxButtonGlyph>()) {
  glyph_->OnChange = [this](TObject*) { InvalidateIfShown(); };
  canvas_->SetControl(this);
  kxCanvas_ = std::make_unique<TkxCanvas>(canvas_.get());
  lookAndFeel_->OnChanged = [this](TkxLookAndFeel*, TkxLookAndFeelValues) { LookAndFeelChanged(); };
  SetDoubleBuffered(true);
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReflector});
}

TkxCustomButton::~TkxCustomButton() {
  StopMouseLeaveTracking(this);
  ClearObjectLinksTo(this);
}

void TkxCustomButton::InvalidateIfShown() {
  if (HandleAllocated()) Invalidate();
}

void TkxCustomButton::SetDropDownMenu(TPopupMenu* Value) {
  if (dropDownMenu_ == Value) return;
  if (dropDownMenu_ != nullptr) dropDownMenu_->RemoveFreeNotification(this);
  dropDownMenu_ = Value;
  if (dropDownMenu_ != nullptr) dropDownMenu_->FreeNotification(this);
}

void TkxCustomButton::SetKind(TkxButtonKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  RecreateWndIfAllocated();
}

void TkxCustomButton::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  InvalidateIfShown();
}

void TkxCustomButton::SetLookAndFeel(TkxLookAndFeel* Value) { lookAndFeel_->Assign(Value); }

void TkxCustomButton::SetMargin(Integer Value) {
  if (Value < -1 || margin_ == Value) return;
  margin_ = Value;
  InvalidateIfShown();
}

void TkxCustomButton::SetSpacing(Integer Value) {
  if (spacing_ == Value) return;
  spacing_ = Value;
  InvalidateIfShown();
}

void TkxCustomButton::SetUseSystemPaint(bool Value) {
  if (useSystemPaint_ == Value) return;
  useSystemPaint_ = Value;
  LookAndFeelChanged();
}

void TkxCustomButton::LookAndFeelChanged() {
  if (useSystemPaint_) {
    RecreateWndIfAllocated();
  } else {
    InvalidateIfShown();
  }
}

void TkxCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
  if (AComponent == shownMenu_) shownMenu_ = nullptr;
}

TkxLookAndFeelPainterClass TkxCustomButton::GetButtonPainterClass(TkxLookAndFeel* LookAndFeel) {
  if (LookAndFeel->SkinPainter() != nullptr) return LookAndFeel->SkinPainter();
  const TkxLookAndFeelPainterClass painter = LookAndFeel->GetPainterClass();
  if (painter == nullptr || painter->GetStyleCode() != pstOffice11) return painter;
  return IsThemeTypeAvailable(kButtonThemeType) ? TkxWinXPLookAndFeelPainter::Class()
                                                : TkxStandardLookAndFeelPainter::Class();
}

TSize TkxCustomButton::CalcOptimalSize() {
  TkxScreenCanvas canvas;
  canvas.SetFont(Font());
  std::string caption = StripHotKeyPrefixes(Caption());
  if (caption.empty()) caption = " ";
  return {canvas.GetTextWidth(caption) + 3 * canvas.GetTextWidth("R"), MulDiv(canvas.GetTextHeight("Wg"), 14, 8)};
}

void TkxCustomButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (!IsSystemPainted()) Params.Style = (Params.Style & ~BS_TYPEMASK) | BS_OWNERDRAW;
}

// The normal (or disabled) image is rendered before the first paint.
void TkxCustomButton::CreateWnd() {
  const bool enabled = Enabled();
  inherited::CreateWnd();
  glyph_->GetStateImageIndex(enabled ? kxbsNormal : kxbsDisabled);
}

void TkxCustomButton::DestroyWindowHandle() {
  if (menuVisible_) SendMessageA(Handle(), KXM_DROPDOWNMENUCLOSED, 0, 0);
  inherited::DestroyWindowHandle();
}

// The button is drawn by this class: the default look is a flag of its own.
void TkxCustomButton::SetButtonStyle(bool ADefault) {
  if (IsSystemPainted()) return inherited::SetButtonStyle(ADefault);
  if (isDefault_ == ADefault) return;
  isDefault_ = ADefault;
  if (HandleAllocated()) Refresh();
}

bool TkxCustomButton::IsHotTrackEnabled() const {
  return !IsSystemPainted() && GetPainterClass()->HotTracksButtons() && Enabled();
}

bool TkxCustomButton::InArrowPart(Integer X) const {
  return kind_ == kxbkDropDownButton && X >= Width() - kArrowPartWidth;
}

bool TkxCustomButton::IsCursorOverButton() {
  TPoint cursor{};
  GetCursorPos(&cursor);
  return HandleAllocated() && WindowFromPoint(cursor) == Handle();
}

TkxButtonState TkxCustomButton::GetButtonState() const {
  if (!Enabled()) return kxbsDisabled;
  if (pressed_ || menuVisible_) return kxbsPressed;
  if (hot_) return kxbsHot;
  if (focused_ || isDefault_) return kxbsDefault;
  return kxbsNormal;
}

TRect TkxCustomButton::GetContentRect(TkxButtonState State) const {
  TRect r{0, 0, Width(), Height()};
  const Integer border = GetPainterClass()->GetButtonBorderWidth(State);
  InflateRect(&r, -border, -border);
  if (kind_ == kxbkDropDownButton) r.Right -= kArrowFaceCut;
  return r;
}

void TkxCustomButton::DrawItem(TMessage& Message) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  pressed_ = (item.itemState & ODS_SELECTED) != 0 && !arrowPressed_;
  focused_ = (item.itemState & ODS_FOCUS) != 0 || (Default() && IsDesigning(this));
  canvas_->PaintOn(item.hDC, [this] { PaintContent(); });
  Message.Result = 1;
}

void TkxCustomButton::PaintContent() {
  if (IsSystemPainted()) return;
  const TkxLookAndFeelPainterClass painter = GetPainterClass();
  TRect r{0, 0, Width(), Height()};
  if (painter == TkxWinXPLookAndFeelPainter::Class() && OpenThemeOfType(kButtonThemeType) != nullptr &&
      kdUxTheme::IsThemeBackgroundPartiallyTransparent(OpenThemeOfType(kButtonThemeType), 1, 1)) {
    PaintParentBackground(this, kxCanvas_.get(), r);
  } else if (lookAndFeel_->SkinPainter() != nullptr) {
    DrawParentImage(this, kxCanvas_.get(), r);
  }
  TRect arrow{};
  if (kind_ == kxbkDropDown) pressed_ = menuVisible_;
  if (kind_ == kxbkDropDownButton) {
    arrow = {r.Right - kArrowPartWidth, r.Top, r.Right, r.Bottom};
    r.Right -= kArrowFaceCut;
    if (arrowPressed_) pressed_ = false;
  }
  const TkxButtonState state = GetButtonState();
  TFont* font = kxCanvas_->GetFont();
  kxCanvas_->SetFont(Font());
  TColor face = colors_->GetEffectiveColor(state);
  font->SetColor(painter->GetButtonGlyphColor(state, font->Color()));
  if (OnGetDrawParams) OnGetDrawParams(this, state, face, font);
  painter->PaintButton(*kxCanvas_, r, "", state, true, face, font->Color(), false);
  const Integer shift = state == kxbsPressed ? painter->GetPressedTextShift() : 0;
  kxCanvas_->PushClipRegion();
  try {
    kxCanvas_->IntersectClipRect(GetContentRect(state));
    glyph_->Draw(canvas_.get(), GetContentRect(kxbsDefault), {shift, shift}, Caption(), layout_, margin_, spacing_,
                 state, UINT(DrawTextBiDiModeFlags(0)), WordWrap());
  } catch (...) {
    kxCanvas_->PopClipRegion();
    throw;
  }
  kxCanvas_->PopClipRegion();
  if (kind_ == kxbkDropDownButton) {
    painter->PaintButton(*kxCanvas_, arrow, "", state, true, face, font->Color(), false);
    painter->PaintScrollArrow(*kxCanvas_, arrow, state, gdDown);
  }
  if (Focused() && !menuVisible_) kxCanvas_->DrawFocusRect(painter->CalcFocusFrameRect(*kxCanvas_, ClientRect()));
}

// --- Hot tracking ---

void TkxCustomButton::CMMouseEnter(TMessage& Message) {
  inherited::Dispatch(Message);
  if (IsDesigning(this) || hot_ || !IsHotTrackEnabled() || GetCapture() != nullptr) return;
  StartMouseLeaveTracking(this, ClientRect(), this);
  hot_ = true;
  Repaint();
}

void TkxCustomButton::CMMouseLeave(TMessage& Message) {
  inherited::Dispatch(Message);
  if (IsDesigning(this)) return;
  StopMouseLeaveTracking(this);
  if (!hot_ || !IsHotTrackEnabled()) return;
  hot_ = false;
  Invalidate();
}

void TkxCustomButton::MouseLeave() { Perform(CM_MOUSELEAVE, 0, 0); }

void TkxCustomButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  const TRect client = ClientRect();
  if (!hot_ && IsHotTrackEnabled() && PtInRect(&client, {X, Y}) && GetCapture() == nullptr)
    Perform(CM_MOUSEENTER, 0, 0);
}

// --- Drop-down ---

void TkxCustomButton::DoDropDown() {
  arrowPressed_ = true;
  PostMessageA(Handle(), KXM_DROPDOWNMENU, 0, 0);
}

void TkxCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && kind_ != kxbkStandard) {
    if (menuVisible_) {
      menuJustClosed_ = true;
      menuVisible_ = false;
      pressed_ = false;
      Repaint();
    } else if (kind_ == kxbkDropDown || InArrowPart(X)) {
      DoDropDown();
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TkxCustomButton::KeyDown(Word& Key, TShiftState Shift) {
  const bool altOrShift = Shift.Contains(ssAlt) || Shift.Contains(ssShift);
  if (kind_ == kxbkDropDownButton && (Key == VK_UP || Key == VK_DOWN) && altOrShift) {
    if (!menuVisible_) DoDropDown();
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

void TkxCustomButton::Click() {
  if (kind_ != kxbkStandard) {
    if (kind_ == kxbkDropDown && !menuVisible_) {
      if (!menuJustClosed_) DoDropDown();
      menuJustClosed_ = false;
      return;
    }
    if (menuJustClosed_) {
      menuJustClosed_ = false;
      return;
    }
  }
  inherited::Click();
}

bool TkxCustomButton::DoDropDownMenuPopup(TPopupMenu*& Menu) {
  bool handled = false;
  if (OnDropDownMenuPopup) OnDropDownMenuPopup(this, Menu, handled);
  return handled;
}

// The menu's Popup clicks the chosen item before it returns, and the item may free this button
// (or its form and the menu with it): nothing of either is touched once the weak link reads nil.
void TkxCustomButton::HandleDropDownMessage() {
  if (kind_ == kxbkStandard) return;
  TPopupMenu* menu = dropDownMenu_;
  if (DoDropDownMenuPopup(menu) || menu == nullptr) return;
  menuVisible_ = true;
  Repaint();
  const TPoint point = GetMenuPosition(menu);
  const TPopupAlignment alignment = menu->Alignment();
  menu->SetAlignment(GetMenuAlignment(point, popupAlignment_));
  menu->SetPopupComponent(this);
  shownMenu_ = menu;
  menu->FreeNotification(this);
  TkxObjectLink* self = CreateObjectLink(this);
  const auto finish = [&] {
    const bool alive = self->Ref != nullptr;
    ReleaseObjectLink(self);
    if (!alive) return false;
    if (shownMenu_ != nullptr) {
      shownMenu_->SetAlignment(alignment);
      if (shownMenu_ != dropDownMenu_) shownMenu_->RemoveFreeNotification(this);
    }
    shownMenu_ = nullptr;
    return true;
  };
  try {
    menu->Popup(point.X, point.Y);
  } catch (...) {
    finish();
    throw;
  }
  if (finish()) PostMessageA(Handle(), KXM_DROPDOWNMENUCLOSED, 0, 0);
}

TPoint TkxCustomButton::GetMenuPosition(TPopupMenu* Menu) const {
  const Integer x = popupAlignment_ == paRight ? Width() : popupAlignment_ == paCenter ? Width() / 2 : 0;
  TPoint p = ClientToScreen({x, Height()});
  const Integer menuHeight = GetPopupMenuHeight(Menu);
  if (GetWorkAreaAtPoint(p).Bottom < p.Y + menuHeight) p.Y -= menuHeight + Height() + 2;
  return p;
}

TPopupAlignment TkxCustomButton::GetMenuAlignment(TPoint P, TPopupAlignment Alignment) const {
  const TRect workArea = GetWorkAreaAtPoint(P);
  if (P.X <= workArea.Left) return paRight;
  if (P.X >= workArea.Right) return paLeft;
  return Alignment;
}

void TkxCustomButton::HandleMenuClosedMessage() {
  hot_ = IsHotTrackEnabled() && IsCursorOverButton();
  menuVisible_ = false;
  Repaint();
  arrowPressed_ = false;
}

void TkxCustomButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      if (!ComponentState().Contains(csDestroying)) DrawItem(Message);
      return;
    case CN_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      item.itemWidth = UINT(Width());
      item.itemHeight = UINT(Height());
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case CM_MOUSEENTER: return CMMouseEnter(Message);
    case CM_MOUSELEAVE: return CMMouseLeave(Message);
    case WM_CAPTURECHANGED:
      inherited::Dispatch(Message);
      if (!IsDesigning(this)) hot_ = IsHotTrackEnabled() && IsCursorOverButton();
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      if (!Enabled()) hot_ = false;
      return InvalidateIfShown();
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      return InvalidateIfShown();
    case WM_LBUTTONDOWN:
      if (InArrowPart(MessagePos(Message).X)) arrowPressed_ = true;
      return inherited::Dispatch(Message);
    case WM_LBUTTONUP:
      arrowPressed_ = false;
      return inherited::Dispatch(Message);
    case WM_LBUTTONDBLCLK:
      Message.Result = Perform(WM_LBUTTONDOWN, Message.WParam, Message.LParam);
      return;
    case KXM_DROPDOWNMENU: return HandleDropDownMessage();
    case KXM_DROPDOWNMENUCLOSED: return HandleMenuClosedMessage();
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      if (IsPopupMenuShortCut(PopupMenu(), Message)) {
        Message.Result = 1;
        return;
      }
      return inherited::Dispatch(Message);
    default: return inherited::Dispatch(Message);
  }
}
