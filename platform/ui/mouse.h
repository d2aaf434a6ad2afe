// TMouse: the program's settings of the mouse that the class library reads, one object for the
// process (`Mouse`).  DragThreshold is how far, in pixels on either axis, the mouse moves with the
// button down before a drag that was not started at once begins (5 unless the program sets it).
#pragma once

#include "platform/core/types.h"

class TMouse {
 public:
  Integer DragThreshold() const { return dragThreshold_; }
  void SetDragThreshold(Integer Value) { dragThreshold_ = Value; }

 private:
  Integer dragThreshold_ = 5;
};

extern TMouse Mouse;
