// TkxControlScrollBar: one of a TkxControl's own scroll bars.  While the control calculates its
// scroll-bar parameters the bar's Data record collects them; ApplyData then hands them to the bar
// in one step.  A press on the bar first offers the focus to the control.
#pragma once

#include "controls/foundation/kx_scroll_bar.h"

struct TkxScrollBarData {
  Integer Min = 0;
  Integer Max = 0;
  Integer Position = 0;
  Integer PageSize = 0;
  SmallInt SmallChange = 0;
  SmallInt LargeChange = 0;
  bool Enabled = false;
  bool Visible = false;
  bool AllowShow = false;
  bool AllowHide = false;
};

class TkxControlScrollBar : public TkxScrollBar {
  PR_CLASS(TkxControlScrollBar, TkxScrollBar)

 public:
  explicit TkxControlScrollBar(TComponent* AOwner);

  TkxScrollBarData Data;
  void ApplyData();
  // Posts WM_SETFOCUS to the parent when it takes the focus from a click on its bar.
  virtual void FocusParentControl();

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
};
