// TGraphicControl: a control without a window of its own, painted by its parent into the parent's
// window (the parent's PaintControls sends it WM_PAINT with a context whose origin is the
// control's corner and whose clip is its bounds).  It draws in Paint through Canvas.
#pragma once

#include <memory>

#include "platform/ui/control.h"

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
  PR_CLASS(TGraphicControl, TControl)

 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const;
  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Paint() {}
  // CM_DIALOGCHAR: when the character is the caption's accelerator and the control is enabled and
  // on show, Click runs and the message answers 1; otherwise the message passes on.
  void ClickOnAccelerator(TMessage& Message);

 private:
  void WMPaint(TMessage& Message);

  std::unique_ptr<TControlCanvas> canvas_;
};
