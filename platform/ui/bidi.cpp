#include "platform/ui/bidi.h"

#include <atomic>

namespace {

std::atomic<bool> middleEast{false};

// The DrawText flags involved (the drawing layer's values).
constexpr Integer kDtCenter = 0x1, kDtRight = 0x2, kDtRtlReading = 0x20000;

}  // namespace

bool SysLocaleMiddleEast() { return middleEast; }

void SetSysLocaleMiddleEast(bool Value) { middleEast = Value; }

Integer DrawTextBiDiModeFlags(Integer Flags, bool RightToLeftAlignment, bool RightToLeftReading) {
  if (RightToLeftAlignment) {
    if ((Flags & kDtRight) == kDtRight)
      Flags &= ~kDtRight;
    else if ((Flags & kDtCenter) != kDtCenter)
      Flags |= kDtRight;
  }
  if (RightToLeftReading) Flags |= kDtRtlReading;
  return Flags;
}
