// THintWindow: the small popup that shows a control's hint: a bordered WS_POPUP tool window in
// clInfoBk whose text is drawn word-wrapped, 2 pixels in from the top-left.  CalcHintRect measures
// a hint (DT_CALCRECT within MaxWidth, plus 6 pixels across and 2 down); ActivateHint shows it
// at a screen rectangle, topmost and without taking the activation.
#pragma once

#include <string>

#include "platform/ui/custom_control.h"

class THintWindow : public TCustomControl {
  PR_CLASS(THintWindow, TCustomControl)

 public:
  explicit THintWindow(TComponent* AOwner);

  virtual TRect CalcHintRect(Integer MaxWidth, const std::string& AHint);
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  void ReleaseHandle() { DestroyHandle(); }
  // True for messages that end a hint (keys, clicks, activation changes).
  virtual bool IsHintMsg(const MSG& Msg) const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};
