// TMouse: the program's settings of the mouse that the class library reads, one object for the
// process (`Mouse`).  DragThreshold is how far, in pixels on either axis, the mouse moves with the
// button down before a drag that was not started at once begins (5 unless the program sets it).
// WheelScrollLines is the system's lines per wheel notch (SPI_GETWHEELSCROLLLINES; 3 when the
// system answers nothing), read on every call so a changed setting counts at once.
#pragma once

#include "platform/core/types.h"

class TMouse {
 public:
  Integer DragThreshold() const { return dragThreshold_; }
  void SetDragThreshold(Integer Value) { dragThreshold_ = Value; }
  Integer WheelScrollLines() const;

 private:
  Integer dragThreshold_ = 5;
};

extern TMouse Mouse;
