// TkxControlChildComponent: a component that belongs to a TkxControl without being a control
// (a descendant's helper streamed as the control's child).  Its control is not owned; the control
// attaches and detaches it, and a child being freed detaches itself first.
#pragma once

#include "controls/foundation/kx_component.h"

class TkxControl;

class TkxControlChildComponent : public TkxComponent {
  PR_CLASS(TkxControlChildComponent, TkxComponent)

 public:
  // Runs Initialize after the inherited construction.
  explicit TkxControlChildComponent(TComponent* AOwner);
  // Owned by the control's Owner when AssignOwner is set (else by nobody), then SetControl.
  TkxControlChildComponent(TkxControl* AControl, bool AssignOwner);
  ~TkxControlChildComponent() override;

  virtual bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  virtual void Initialize() {}
  virtual void SetControl(TkxControl* Value) { control_ = Value; }
  TkxControl* Control() const { return control_; }

  bool HasParent() const override { return control_ != nullptr; }
  TComponent* GetParentComponent() const override;
  // The inherited step, then a TkxControl value attaches this child.
  void SetParentComponent(TComponent* Value) override;

 private:
  TkxControl* control_ = nullptr;
};
