#include "platform/ui/graphic_control.h"

#include "platform/classes/publisher.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/hotkeys.h"
#include "platform/ui/message.h"
#include "platform/ui/win_control.h"

PR_IMPLEMENT_CLASS(TGraphicControl)

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const { return canvas_.get(); }

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PAINT) return WMPaint(Message);
  inherited::Dispatch(Message);
}

void TGraphicControl::ClickOnAccelerator(TMessage& Message) {
  if (IsAccel(MessageCharCode(Message), Caption()) && Enabled() && Visible() && Parent() != nullptr &&
      Parent()->Showing()) {
    Click();
    Message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(Message);
}

void TGraphicControl::WMPaint(TMessage& Message) {
  if (Message.WParam != 0) canvas_->PaintOn(reinterpret_cast<HDC>(Message.WParam), [this] { Paint(); });
}
