#include "platform/ui/mouse.h"

#include "platform/user/system_parameters.h"

TMouse Mouse;

Integer TMouse::WheelScrollLines() const {
  UINT lines = 0;
  if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return 3;
  return Integer(lines);
}
