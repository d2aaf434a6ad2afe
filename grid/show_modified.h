// TShowModified (the string grid's ShowModified): whether rows edited by the user are marked, and
// the mark's colour.  Setting Color fires OnChange (Sender: the settings), which the grid binds;
// Enabled only stores.  Assign copies Color and Enabled from another TShowModified; any other
// source is ignored.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/ui/colors.h"

class TShowModified : public TPersistent {
  PR_CLASS(TShowModified, TPersistent)

 public:
  TShowModified() = default;

  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor Value);

  TNotifyEvent OnChange;

 private:
  TColor color_ = clYellow;

  PR_STORED_PROPERTY(bool, Enabled, false)
};
