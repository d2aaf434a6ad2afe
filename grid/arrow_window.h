// TArrowWindow: one of the four green arrows the string grid shows while rows or columns are
// dragged.  A borderless popup panel (colour 65280) whose window region is the arrow's seven-point
// outline, so that it paints and is hit only inside the arrow.  Created hidden, parented to the
// grid that owns it.
#pragma once

#include "platform/ui/panel.h"

class TArrowWindow : public TPanel {
  PR_CLASS(TArrowWindow, TPanel)

 public:
  // Direction: 0 up, 1 down, 2 right, 3 left.
  TArrowWindow(TWinControl* AGrid, Byte Direction);

  Byte Direction() const { return direction_; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  Byte direction_;
};
