// The display's keys as the window layer's virtual keys: SDL scan codes (positions on the
// keyboard, whatever the layout) to virtual-key codes with the extended-key bit, as a US keyboard
// gives them.  Keypad digits follow Num Lock: on, VK_NUMPAD0..9 and VK_DECIMAL; off, the
// navigation keys (not extended).  Unknown keys give vk 0.
#pragma once

#include <SDL2/SDL_scancode.h>

namespace user {

struct VirtualKey {
  int vk = 0;
  bool extended = false;
};

VirtualKey VirtualKeyOf(SDL_Scancode scancode, bool numLock);

}  // namespace user
