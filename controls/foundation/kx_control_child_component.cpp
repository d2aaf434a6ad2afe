#include "controls/foundation/kx_control_child_component.h"

#include "controls/foundation/kx_control.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxControlChildComponent)

TkxControlChildComponent::TkxControlChildComponent(TComponent* AOwner) : TkxComponent(AOwner) { Initialize(); }

TkxControlChildComponent::TkxControlChildComponent(TkxControl* AControl, bool AssignOwner)
    : TkxControlChildComponent(AssignOwner ? AControl->Owner() : nullptr) {
  SetControl(AControl);
}

TkxControlChildComponent::~TkxControlChildComponent() {
  if (control_ != nullptr) control_->DetachChildComponent(this);
}

TComponent* TkxControlChildComponent::GetParentComponent() const { return control_; }

void TkxControlChildComponent::SetParentComponent(TComponent* Value) {
  TkxComponent::SetParentComponent(Value);
  if (auto* control = dynamic_cast<TkxControl*>(Value)) control->AttachChildComponent(this);
}
