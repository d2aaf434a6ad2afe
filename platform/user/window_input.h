// Input aimed at a window, as a person at the display would give it: the mouse moved to, clicking
// or double-clicking a point of its client area; keys pressed and text typed go to the focus.
// Each call injects raw input (input_events.h); the messages come when the queue is read.
#pragma once

#include <string_view>

#include "platform/user/input_events.h"
#include "platform/user/user_types.h"

namespace user {

// Input at client coordinates of a window: moves the cursor there, then presses / releases.
void MoveMouseTo(HWND hwnd, int x, int y);
void Click(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(HWND hwnd, int x, int y);
// A key pressed and released (with the layout's character).
void PressKey(int vk);
// Types text as the display's text input delivers it.
void TypeText(std::u16string_view text);

}  // namespace user
