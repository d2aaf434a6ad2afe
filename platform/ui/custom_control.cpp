#include "platform/ui/custom_control.h"

#include "platform/classes/publisher.h"
#include "platform/ui/control_canvas.h"

PR_IMPLEMENT_CLASS(TCustomControl)

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() { DestroyHandle(); }

TCanvas* TCustomControl::Canvas() const { return canvas_.get(); }

void TCustomControl::Dispatch(TMessage& Message) {
  // Painting through Canvas needs PaintHandler even without graphic children.
  if (Message.Msg == WM_PAINT) {
    SetControlState(ControlState() + TControlState{csCustomPaint});
    inherited::Dispatch(Message);
    SetControlState(ControlState() - TControlState{csCustomPaint});
    return;
  }
  inherited::Dispatch(Message);
}

void TCustomControl::PaintWindow(HDC DC) {
  canvas_->PaintOn(DC, [this] { Paint(); });
}
