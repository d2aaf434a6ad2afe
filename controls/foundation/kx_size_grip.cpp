#include "controls/foundation/kx_size_grip.h"

#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter.h"
#include "platform/classes/publisher.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"

PR_IMPLEMENT_CLASS(TkxSizeGrip)

TkxSizeGrip::TkxSizeGrip(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  lookAndFeel_ = std::make_unique<TkxLookAndFeel>(this);
  lookAndFeel_->OnChanged = [this](TkxLookAndFeel*, TkxLookAndFeelValues) { Invalidate(); };
}

TkxSizeGrip::~TkxSizeGrip() = default;

void TkxSizeGrip::Paint() {
  Canvas()->Brush()->SetColor(lookAndFeel_->GetPainterClass()->GetSizeGripAreaColor());
  Canvas()->FillRect(ClientRect());
}
