// TSizeConstraints: the smallest and largest width and height a control may take (0: no limit).
//
// Setting a maximum below the minimum lowers the minimum too, and the reverse; every change tells
// the control (OnChange), which applies the limits to its current size at once.
#pragma once

#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/core/types.h"

class TControl;

class TSizeConstraints : public TPersistent {
  PR_CLASS(TSizeConstraints, TPersistent)

 public:
  explicit TSizeConstraints(TControl* Control = nullptr) : control_(Control) {}
  void Assign(TPersistent* Source) override;

  Integer MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(Integer Value);
  Integer MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(Integer Value);
  Integer MinHeight() const { return minHeight_; }
  void SetMinHeight(Integer Value);
  Integer MinWidth() const { return minWidth_; }
  void SetMinWidth(Integer Value);
  TControl* Control() const { return control_; }

  TNotifyEvent OnChange;

 protected:
  void Change();
  TPersistent* GetOwner() const override;

 private:
  TControl* control_;
  Integer maxHeight_ = 0;
  Integer maxWidth_ = 0;
  Integer minHeight_ = 0;
  Integer minWidth_ = 0;
};
