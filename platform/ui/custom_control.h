// TCustomControl: a windowed control that paints itself in Paint through Canvas (the paint's
// context while WM_PAINT is handled), after which its graphic children are painted.
#pragma once

#include <memory>

#include "platform/ui/win_control.h"

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
  PR_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* Canvas() const;
  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};
