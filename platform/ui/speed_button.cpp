#include "platform/ui/speed_button.h"

#include "platform/gdi/classic_glyphs.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button_action_link.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/custom_action.h"
#include "platform/user/window_pos.h"

PR_PUBLISH(TSpeedButton) {
  PublishAction(p);
  PublishAlign(p);
  p.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishConstraints(p);
  p.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  p.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  PublishCaption(p);
  PublishEnabled(p);
  p.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  PublishFont(p);
  p.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  p.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
  p.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
  p.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishParentBiDiMode(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
  p.Property("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishMouseEvents(p);
}

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), glyph_(std::make_unique<TButtonGlyph>()) {
  SetBounds(Left(), Top(), 23, 22);
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetParentFont(true);
  glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

TClass TSpeedButton::GetActionLinkClass() const { return TSpeedButtonActionLink::StaticClass(); }

void TSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TGraphicControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action == nullptr) return;
  // The group first: a button outside any group never stays down.
  if (!CheckDefaults || groupIndex_ == 0) SetGroupIndex(action->GroupIndex());
  if (!CheckDefaults || !down_) SetDown(action->Checked());
}

void TSpeedButton::SetState(TButtonState Value) {
  if (state_ == Value) return;
  state_ = Value;
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(Integer Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (groupIndex_ == 0) Value = false;
  if (Value == down_ || (down_ && !allowAllUp_)) return;
  down_ = Value;
  if (Enabled()) SetState(RestState());
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (flat_ == Value) return;
  flat_ = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  TControlStyle style = ControlStyle();
  if (Value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(Integer Value) {
  if (margin_ == Value || Value < -1) return;
  margin_ = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(Integer Value) {
  if (spacing_ == Value) return;
  spacing_ = Value;
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  TMessage message{CM_BUTTONPRESSED, WPARAM(groupIndex_), LPARAM(this), 0};
  Parent()->Broadcast(message);
}

// --- mouse ---

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!down_) SetState(bsDown);
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!dragging_) return;
  // Off the button it shows its resting look; back on it, pressed (a down button stays held).
  SetState(Inside(X, Y) && !down_ ? bsDown : RestState());
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  const bool clicked = Inside(X, Y);
  if (groupIndex_ != 0 && clicked) SetDown(!down_);
  if (Enabled()) SetState(RestState());
  mouseInControl_ = flat_ && Enabled() && Inside(X, Y);
  Invalidate();
  if (clicked) Click();
}

// --- messages ---

void TSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: return CMButtonPressed(Message);
    case CM_DIALOGCHAR: return ClickOnAccelerator(Message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(Message);
    case CM_MOUSEENTER: return CMMouseEnter(Message);
    case CM_MOUSELEAVE: return CMMouseLeave(Message);
    case WM_LBUTTONDBLCLK:
      inherited::Dispatch(Message);
      if (down_) DblClick();
      return;
    default: return inherited::Dispatch(Message);
  }
}

void TSpeedButton::CMButtonPressed(TMessage& Message) {
  auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
  if (Integer(Message.WParam) != groupIndex_ || sender == this) return;
  if (sender->Down() && down_) {
    down_ = false;
    if (Enabled()) SetState(bsUp);
    Invalidate();
  }
  allowAllUp_ = sender->AllowAllUp();
}

void TSpeedButton::CMEnabledChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  dragging_ = false;
  mouseInControl_ = false;
  state_ = Enabled() ? RestState() : bsDisabled;
  Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!flat_ || mouseInControl_ || !Enabled() || GetCaptureControl() != nullptr) return;
  mouseInControl_ = true;
  Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!flat_ || !mouseInControl_ || dragging_) return;
  mouseInControl_ = false;
  Invalidate();
}

// --- painting ---

void TSpeedButton::PaintFace(TRect& Rect, bool Pressed) {
  HDC dc = Canvas()->Handle();
  if (!flat_) {
    DrawFrameControl(dc, &Rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed ? DFCS_PUSHED : 0));
    return;
  }
  if (Pressed || mouseInControl_) {
    DrawEdge(dc, &Rect, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | (transparent_ ? 0 : BF_MIDDLE));
  } else if (!transparent_) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(Rect);
  }
  InflateRect(&Rect, -1, -1);
}

void TSpeedButton::Paint() {
  Canvas()->SetFont(Font());
  Canvas()->RequiredState({csHandleValid});
  TRect rect{0, 0, Width(), Height()};
  const bool pressed = state_ == bsDown || state_ == bsExclusive;
  PaintFace(rect, pressed);
  if (state_ == bsExclusive && (!flat_ || !mouseInControl_)) {
    gdi::FillCheckerboard(Canvas()->Handle(), rect, ColorToRGB(clBtnHighlight), ColorToRGB(clBtnFace));
  }
  const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
  glyph_->Draw(Canvas(), rect, offset, Caption(), layout_, margin_, spacing_, state_,
               UINT(DrawTextBiDiModeFlags(0)));
}
