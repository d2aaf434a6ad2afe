// TBalloonSettings (the string grid's Balloon): balloon tooltips over cells: on or off, their
// delays in milliseconds (-1 leaves the tooltip's own), colours (clNone: the tooltip's own) and
// transparency.  Setting Enable fires OnEnableChange (Sender: the settings), which the grid binds.
// Assign copies TextColor, BackgroundColor, the three delays and Enable (no event) from another
// TBalloonSettings; any other source is ignored.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/ui/colors.h"

class TBalloonSettings : public TPersistent {
  PR_CLASS(TBalloonSettings, TPersistent)

 public:
  TBalloonSettings() = default;

  void Assign(TPersistent* Source) override;

  bool Enable() const { return enable_; }
  void SetEnable(bool Value);

  TNotifyEvent OnEnableChange;

 private:
  bool enable_ = false;

  PR_STORED_PROPERTY(Integer, AutoHideDelay, -1)
  PR_STORED_PROPERTY(Integer, InitialDelay, -1)
  PR_STORED_PROPERTY(Integer, ReshowDelay, -1)
  PR_STORED_PROPERTY(TColor, BackgroundColor, clNone)
  PR_STORED_PROPERTY(TColor, TextColor, clNone)
  PR_STORED_PROPERTY(Byte, Transparency, 0)
};
