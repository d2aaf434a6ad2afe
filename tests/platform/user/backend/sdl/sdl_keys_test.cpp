// SDL scan codes as virtual keys with the extended bit.
#include <gtest/gtest.h>

#include "platform/user/backend/sdl/sdl_keys.h"
#include "platform/user/virtual_keys.h"

namespace {

using user::VirtualKeyOf;

TEST(SdlKeysTest, ScanCodesGiveTheVirtualKeysOfAUsKeyboard) {
  struct Case {
    SDL_Scancode scancode;
    bool numLock;
    int vk;
    bool extended;
  } cases[] = {
      {SDL_SCANCODE_A, false, 'A', false},          {SDL_SCANCODE_Z, false, 'Z', false},
      {SDL_SCANCODE_1, false, '1', false},          {SDL_SCANCODE_0, false, '0', false},
      {SDL_SCANCODE_F1, false, VK_F1, false},       {SDL_SCANCODE_F12, false, VK_F12, false},
      {SDL_SCANCODE_GRAVE, false, VK_OEM_3, false}, {SDL_SCANCODE_SEMICOLON, false, VK_OEM_1, false},
      {SDL_SCANCODE_RETURN, false, VK_RETURN, false}, {SDL_SCANCODE_KP_ENTER, false, VK_RETURN, true},
      {SDL_SCANCODE_LCTRL, false, VK_CONTROL, false}, {SDL_SCANCODE_RCTRL, false, VK_CONTROL, true},
      {SDL_SCANCODE_LALT, false, VK_MENU, false},   {SDL_SCANCODE_RALT, false, VK_MENU, true},
      {SDL_SCANCODE_RSHIFT, false, VK_SHIFT, false}, {SDL_SCANCODE_RIGHT, false, VK_RIGHT, true},
      {SDL_SCANCODE_DELETE, false, VK_DELETE, true}, {SDL_SCANCODE_KP_DIVIDE, false, VK_DIVIDE, true},
      {SDL_SCANCODE_KP_MULTIPLY, false, VK_MULTIPLY, false},
      // The keypad follows Num Lock.
      {SDL_SCANCODE_KP_7, true, VK_NUMPAD0 + 7, false}, {SDL_SCANCODE_KP_7, false, VK_HOME, false},
      {SDL_SCANCODE_KP_0, true, VK_NUMPAD0, false}, {SDL_SCANCODE_KP_PERIOD, false, VK_DELETE, false},
      {SDL_SCANCODE_AC_BACK, false, 0, false},
  };
  for (const Case& c : cases) {
    const user::VirtualKey key = VirtualKeyOf(c.scancode, c.numLock);
    EXPECT_EQ(key.vk, c.vk) << c.scancode;
    EXPECT_EQ(key.extended, c.extended) << c.scancode;
  }
}

}  // namespace
