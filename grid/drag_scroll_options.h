// TDragScrollOptions (the string grid's DragScrollOptions): scrolling while something is dragged
// near the grid's edges: on or off, the delays (TDragScrollDelays, milliseconds) and the margins
// at each edge (TDragScrollMargins, pixels).  The options own both sub-objects.  Assign copies
// Active, both delays and the four margins from another TDragScrollOptions; any other source is
// ignored.
#pragma once

#include <memory>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"

class TDragScrollDelays : public TPersistent {
  PR_CLASS(TDragScrollDelays, TPersistent)

 public:
  TDragScrollDelays() = default;

  PR_STORED_PROPERTY(Integer, InitialDelay, 1000)
  PR_STORED_PROPERTY(Integer, RepeatDelay, 250)
};

class TDragScrollMargins : public TPersistent {
  PR_CLASS(TDragScrollMargins, TPersistent)

 public:
  TDragScrollMargins() = default;

  PR_STORED_PROPERTY(Integer, TopMargin, 50)
  PR_STORED_PROPERTY(Integer, BottomMargin, 50)
  PR_STORED_PROPERTY(Integer, LeftMargin, 50)
  PR_STORED_PROPERTY(Integer, RightMargin, 50)
};

class TDragScrollOptions : public TPersistent {
  PR_CLASS(TDragScrollOptions, TPersistent)

 public:
  TDragScrollOptions();
  ~TDragScrollOptions() override;

  void Assign(TPersistent* Source) override;

  TDragScrollDelays* Delays() const { return delays_.get(); }
  void SetDelays(TDragScrollDelays* Value);
  TDragScrollMargins* Margins() const { return margins_.get(); }
  void SetMargins(TDragScrollMargins* Value);

 private:
  std::unique_ptr<TDragScrollDelays> delays_;
  std::unique_ptr<TDragScrollMargins> margins_;

  PR_STORED_PROPERTY(bool, Active, false)
};
