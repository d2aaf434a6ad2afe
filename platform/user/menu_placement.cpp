// Where a popup menu opens: aligned on its point by the TPM_ flags, kept off the exclusion
// rectangle along the TPM_HORIZONTAL / TPM_VERTICAL axis, and kept on the work area: a menu that
// does not fit flips to the other side of its point (of the exclusion rectangle on the avoided
// axis), then is pushed inside.
#include <algorithm>

#include "platform/user/menu_layout.h"
#include "platform/user/system_parameters.h"
#include "platform/user/track_popup_menu.h"

namespace user {

namespace {

// One axis: the span [start, start + size) against the work area [low, high) and the excluded
// span [excludeLow, excludeHigh) (empty when excludeLow >= excludeHigh).
struct Axis {
  int start, size, point, low, high, excludeLow, excludeHigh;
  bool avoid;   // this axis keeps off the exclusion (the menu lies across it on the other axis)

  bool Excluding() const { return avoid && excludeLow < excludeHigh; }

  int Place() const {
    int at = start;
    if (Excluding() && at < excludeHigh && at + size > excludeLow) at = excludeHigh;
    if (at + size > high) at = Excluding() ? excludeLow - size : std::min(at, point - size);
    if (at < low) at = Excluding() ? excludeHigh : std::max(at, point);
    return std::max(low, std::min(at, high - size));
  }
};

TRect WorkArea() {
  TRect work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

int AlignedStart(int point, int size, bool centre, bool far) {
  if (centre) return point - size / 2;
  return far ? point - size : point;
}

}  // namespace

TRect PopupMenuPlacement(TPoint point, TSize size, UINT flags, const TRect& exclude) {
  const TRect work = WorkArea();
  const bool vertical = (flags & TPM_VERTICAL) != 0;
  Axis x{AlignedStart(point.X, size.cx, (flags & TPM_CENTERALIGN) != 0, (flags & TPM_RIGHTALIGN) != 0),
         size.cx, point.X, work.Left, work.Right, exclude.Left, exclude.Right, false};
  Axis y{AlignedStart(point.Y, size.cy, (flags & TPM_VCENTERALIGN) != 0, (flags & TPM_BOTTOMALIGN) != 0),
         size.cy, point.Y, work.Top, work.Bottom, exclude.Top, exclude.Bottom, false};
  // The other axis is placed first: the exclusion matters only where the menu lies across it.
  Axis& free = vertical ? x : y;
  Axis& avoiding = vertical ? y : x;
  const int freeStart = free.Place();
  avoiding.avoid = freeStart < free.excludeHigh && freeStart + free.size > free.excludeLow;
  const int avoidingStart = avoiding.Place();
  const int left = vertical ? freeStart : avoidingStart, top = vertical ? avoidingStart : freeStart;
  return TRect{left, top, left + size.cx, top + size.cy};
}

TRect SubMenuPlacement(const TRect& parent, const TRect& item, TSize size) {
  const TRect work = WorkArea();
  const int right = parent.Right - kMenuFrame;
  const Axis x{right, size.cx, right, work.Left, work.Right, parent.Left + kMenuFrame, right, true};
  const int left = x.Place();
  const int top = std::max(int(work.Top), std::min(item.Top - kMenuFrame, work.Bottom - size.cy));
  return TRect{left, top, left + size.cx, top + size.cy};
}

}  // namespace user
