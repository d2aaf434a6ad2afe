// Drops from other programs onto a registered drop target: what the display hands the window
// layer (user::DropText, user::DropFiles) and the registry passes on for windows with a target.
//
// The other program's drag has ended by the time the display reports it, so the target sees a
// whole drag at once: DragEnter, then Drop, at the drop point with the left button as the key
// state; a target that refuses (DROPEFFECT_NONE or a failure at DragEnter) gets DragLeave
// instead of Drop.  The effects allowed are DROPEFFECT_COPY only: the other program keeps its
// data, as the display cannot tell it to delete what was moved.
#pragma once

#include "platform/shims/ole_interfaces.h"

namespace ole {

// True when the target of `hwnd` took the data.
bool DropOnTarget(HWND hwnd, TPoint screen, IDataObject* data);

}  // namespace ole
