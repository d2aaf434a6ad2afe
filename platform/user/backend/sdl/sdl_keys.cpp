#include "platform/user/backend/sdl/sdl_keys.h"

#include "platform/user/virtual_keys.h"

namespace user {

namespace {

struct Entry {
  SDL_Scancode scancode;
  VirtualKey key;
};

constexpr Entry kKeys[] = {
    {SDL_SCANCODE_RETURN, {VK_RETURN}},        {SDL_SCANCODE_ESCAPE, {VK_ESCAPE}},
    {SDL_SCANCODE_BACKSPACE, {VK_BACK}},       {SDL_SCANCODE_TAB, {VK_TAB}},
    {SDL_SCANCODE_SPACE, {VK_SPACE}},          {SDL_SCANCODE_MINUS, {VK_OEM_MINUS}},
    {SDL_SCANCODE_EQUALS, {VK_OEM_PLUS}},      {SDL_SCANCODE_LEFTBRACKET, {VK_OEM_4}},
    {SDL_SCANCODE_RIGHTBRACKET, {VK_OEM_6}},   {SDL_SCANCODE_BACKSLASH, {VK_OEM_5}},
    {SDL_SCANCODE_NONUSBACKSLASH, {VK_OEM_102}}, {SDL_SCANCODE_SEMICOLON, {VK_OEM_1}},
    {SDL_SCANCODE_APOSTROPHE, {VK_OEM_7}},     {SDL_SCANCODE_GRAVE, {VK_OEM_3}},
    {SDL_SCANCODE_COMMA, {VK_OEM_COMMA}},      {SDL_SCANCODE_PERIOD, {VK_OEM_PERIOD}},
    {SDL_SCANCODE_SLASH, {VK_OEM_2}},          {SDL_SCANCODE_CAPSLOCK, {VK_CAPITAL}},
    {SDL_SCANCODE_PRINTSCREEN, {VK_SNAPSHOT, true}}, {SDL_SCANCODE_SCROLLLOCK, {VK_SCROLL}},
    {SDL_SCANCODE_PAUSE, {VK_PAUSE}},          {SDL_SCANCODE_INSERT, {VK_INSERT, true}},
    {SDL_SCANCODE_HOME, {VK_HOME, true}},      {SDL_SCANCODE_PAGEUP, {VK_PRIOR, true}},
    {SDL_SCANCODE_DELETE, {VK_DELETE, true}},  {SDL_SCANCODE_END, {VK_END, true}},
    {SDL_SCANCODE_PAGEDOWN, {VK_NEXT, true}},  {SDL_SCANCODE_RIGHT, {VK_RIGHT, true}},
    {SDL_SCANCODE_LEFT, {VK_LEFT, true}},      {SDL_SCANCODE_DOWN, {VK_DOWN, true}},
    {SDL_SCANCODE_UP, {VK_UP, true}},          {SDL_SCANCODE_NUMLOCKCLEAR, {VK_NUMLOCK, true}},
    {SDL_SCANCODE_KP_DIVIDE, {VK_DIVIDE, true}}, {SDL_SCANCODE_KP_MULTIPLY, {VK_MULTIPLY}},
    {SDL_SCANCODE_KP_MINUS, {VK_SUBTRACT}},    {SDL_SCANCODE_KP_PLUS, {VK_ADD}},
    {SDL_SCANCODE_KP_ENTER, {VK_RETURN, true}}, {SDL_SCANCODE_LCTRL, {VK_CONTROL}},
    {SDL_SCANCODE_RCTRL, {VK_CONTROL, true}},  {SDL_SCANCODE_LSHIFT, {VK_SHIFT}},
    {SDL_SCANCODE_RSHIFT, {VK_SHIFT}},         {SDL_SCANCODE_LALT, {VK_MENU}},
    {SDL_SCANCODE_RALT, {VK_MENU, true}},      {SDL_SCANCODE_LGUI, {VK_LWIN, true}},
    {SDL_SCANCODE_RGUI, {VK_RWIN, true}},      {SDL_SCANCODE_APPLICATION, {VK_APPS, true}},
};

// Keypad 1..9, 0 and the decimal point: with Num Lock, and without (the navigation keys).
struct KeypadEntry {
  SDL_Scancode scancode;
  int withNumLock;
  int without;
};

constexpr KeypadEntry kKeypad[] = {
    {SDL_SCANCODE_KP_1, VK_NUMPAD0 + 1, VK_END},  {SDL_SCANCODE_KP_2, VK_NUMPAD0 + 2, VK_DOWN},
    {SDL_SCANCODE_KP_3, VK_NUMPAD0 + 3, VK_NEXT}, {SDL_SCANCODE_KP_4, VK_NUMPAD0 + 4, VK_LEFT},
    {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5, VK_CLEAR}, {SDL_SCANCODE_KP_6, VK_NUMPAD0 + 6, VK_RIGHT},
    {SDL_SCANCODE_KP_7, VK_NUMPAD0 + 7, VK_HOME}, {SDL_SCANCODE_KP_8, VK_NUMPAD0 + 8, VK_UP},
    {SDL_SCANCODE_KP_9, VK_NUMPAD0 + 9, VK_PRIOR}, {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
};

}  // namespace

VirtualKey VirtualKeyOf(SDL_Scancode scancode, bool numLock) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return {'A' + (scancode - SDL_SCANCODE_A)};
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return {'1' + (scancode - SDL_SCANCODE_1)};
  if (scancode == SDL_SCANCODE_0) return {'0'};
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return {VK_F1 + (scancode - SDL_SCANCODE_F1)};
  for (const KeypadEntry& k : kKeypad)
    if (k.scancode == scancode) return {numLock ? k.withNumLock : k.without};
  for (const Entry& e : kKeys)
    if (e.scancode == scancode) return e.key;
  return {};
}

}  // namespace user
