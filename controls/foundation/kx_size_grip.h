// TkxSizeGrip: the square a TkxControl shows where its two own scroll bars meet, filled with the
// painter's size-grip area colour.  Its look-and-feel follows the control's (its master); a change
// repaints it.
#pragma once

#include <memory>

#include "platform/ui/custom_control.h"

class TkxLookAndFeel;

class TkxSizeGrip : public TCustomControl {
  PR_CLASS(TkxSizeGrip, TCustomControl)

 public:
  explicit TkxSizeGrip(TComponent* AOwner);
  ~TkxSizeGrip() override;

  TkxLookAndFeel* LookAndFeel() const { return lookAndFeel_.get(); }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TkxLookAndFeel> lookAndFeel_;
};
