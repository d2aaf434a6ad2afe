// The state of every key and mouse button: GetKeyState (as of the last input message the thread
// took), GetAsyncKeyState (as of the last injected event), GetKeyboardState / SetKeyboardState.
//
// A state byte has the high bit set while the key is down and the low bit toggled by each press
// (Caps Lock, Num Lock).  The generic modifier keys (VK_SHIFT, VK_CONTROL, VK_MENU) are down when
// either side's key is.  Asynchronous reads are safe from any thread.
#pragma once

#include <cstdint>

#include "platform/user/user_types.h"

std::int16_t GetKeyState(int vk);
std::int16_t GetAsyncKeyState(int vk);
BOOL GetKeyboardState(BYTE* state256);
BOOL SetKeyboardState(const BYTE* state256);

namespace user {

enum class KeyStateKind { Sync, Async };
// Records a key or button going down or up (also the generic and sided modifier keys).
void UpdateKeyState(KeyStateKind kind, int vk, bool down, bool extended);
bool IsKeyDown(KeyStateKind kind, int vk);
bool IsKeyToggled(KeyStateKind kind, int vk);
// MK_ flags of the synchronous state (buttons, Shift, Control).
WPARAM MouseKeyFlags();
// Tests: every key up and untoggled.
void ResetKeyState();

}  // namespace user
