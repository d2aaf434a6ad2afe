// TkxGroupBox (interim): the control library's group box under its final name, until the library's
// own group box editor is built.  A captioned frame (an etched edge from half the caption's height
// down, the caption at its top left over the edge) that holds controls inside the frame and can
// take the focus.
#pragma once

#include "platform/ui/custom_control.h"

class TkxGroupBox : public TCustomControl {
  PR_CLASS(TkxGroupBox, TCustomControl)

 public:
  explicit TkxGroupBox(TComponent* AOwner);

  void Dispatch(TMessage& Message) override;

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;

 private:
  Integer CaptionHeight();
};
