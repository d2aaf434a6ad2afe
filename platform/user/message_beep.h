// MessageBeep: the sound a control makes when it refuses input.  There is no speaker here: each
// beep is counted and handed to a listener (tests install one to see refusals).
#pragma once

#include <functional>

#include "platform/user/user_types.h"

BOOL MessageBeep(UINT type);

namespace user {

// Called with the beep's type for every MessageBeep; an empty function removes the listener.
void SetBeepListener(std::function<void(UINT)> listener);

}  // namespace user
