#include "controls/interim/kx_button_edit.h"

#include "platform/gdi/frame_control.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/custom_control.h"
#include "platform/window_classes/edit_window.h"
#include "platform/ui/shortcuts.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"

namespace {

constexpr Integer kButtonWidth = 17;   // pixels

// The index of the Default button, -1 when none is.
Integer DefaultButtonIndex(const TkxEditButtons& Buttons) {
  for (Integer i = 0; i < Buttons.Count(); ++i)
    if (Buttons.Items(i)->Default()) return i;
  return -1;
}
// The key that clicks the Default button: Ctrl+Enter.
constexpr TShortCut kClickKey = scCtrl | VK_RETURN;

}  // namespace

// The embedded button: drawn as a push button (pressed while the left button is held on it),
// clicked when the left button is released over it.
class TkxEditButtonControl : public TCustomControl {
 public:
  explicit TkxEditButtonControl(TkxButtonEdit* Edit) : TCustomControl(Edit), edit_(Edit) {
    SetControlStyle({csCaptureMouse, csOpaque});
  }
  void SetKind(TkxEditButtonKind Value) {
    kind_ = Value;
    Invalidate();
  }

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    SetPressed(true);
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override {
    inherited::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !pressed_) return;
    SetPressed(false);
    if (X >= 0 && Y >= 0 && X < Width() && Y < Height()) edit_->ButtonClick(0);
  }
  void Paint() override {
    TRect rect = ClientRect();
    const UINT state = pressed_ ? DFCS_PUSHED : 0;
    if (kind_ != bkEllipsis) {
      DrawFrameControl(Canvas()->Handle(), &rect, DFC_SCROLL, DFCS_SCROLLDOWN | state);
      return;
    }
    DrawFrameControl(Canvas()->Handle(), &rect, DFC_BUTTON, DFCS_BUTTONPUSH | state);
    Canvas()->SetFont(edit_->Font());
    Canvas()->Brush()->SetStyle(bsClear);
    const std::string dots = "...";
    const Integer shift = pressed_ ? 1 : 0;
    Canvas()->TextOut((Width() - Canvas()->TextWidth(dots)) / 2 + shift,
                      (Height() - Canvas()->TextHeight(dots)) / 2 + shift, dots);
  }

 private:
  void SetPressed(bool Value) {
    pressed_ = Value;
    Invalidate();
  }

  TkxButtonEdit* edit_;
  TkxEditButtonKind kind_ = bkEllipsis;
  bool pressed_ = false;
};

PR_PUBLISH(TkxButtonEdit) {
  PublishAnchors(p);
  PublishAutoSize(p, true);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Properties", &TkxButtonEdit::Properties, &TkxButtonEdit::SetProperties);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  p.Property("Text", &TControl::Text, &TControl::SetText);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TkxButtonEdit::TkxButtonEdit(TComponent* AOwner)
    : TEdit(AOwner), properties_(std::make_unique<TkxButtonEditProperties>(this)) {
  button_ = new TkxEditButtonControl(this);
  button_->SetParent(this);
  properties_->Buttons()->OnChange = [this](TObject*) { ButtonsChanged(); };
  ButtonsChanged();
}

TkxButtonEdit::~TkxButtonEdit() { properties_->Buttons()->OnChange = nullptr; }

void TkxButtonEdit::ButtonClick(Integer Index) { properties_->OnButtonClick(this, Index); }

void TkxButtonEdit::ReadState(TReader* Reader) {
  if (!defaultButtonsCleared_) {
    properties_->Buttons()->Clear();
    defaultButtonsCleared_ = true;
  }
  inherited::ReadState(Reader);
}

void TkxButtonEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;   // the edit paints around its button
}

void TkxButtonEdit::CreateWnd() {
  inherited::CreateWnd();
  ButtonsChanged();
}

void TkxButtonEdit::Loaded() {
  inherited::Loaded();
  ButtonsChanged();
}

void TkxButtonEdit::Resize() {
  inherited::Resize();
  ButtonsChanged();
}

void TkxButtonEdit::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  const Integer index = DefaultButtonIndex(*properties_->Buttons());
  if (Key == 0 || ShortCut(Key, Shift) != kClickKey || index < 0) return;
  Key = 0;
  ButtonClick(index);
}

// Shows the first button (or none) at the right edge of the window and keeps the text clear of it.
void TkxButtonEdit::ButtonsChanged() {
  if (button_ == nullptr) return;
  TkxEditButtons* buttons = properties_->Buttons();
  const bool shown = buttons->Count() > 0;
  if (shown) button_->SetKind(buttons->Items(0)->Kind());
  button_->SetVisible(shown);
  if (!HandleAllocated()) return;
  const TRect client = ClientRect();
  button_->SetBounds(client.Right - kButtonWidth, 0, kButtonWidth, client.Bottom);
  SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, shown ? kButtonWidth : 0));
}
