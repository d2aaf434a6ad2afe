#include "platform/user/window_input.h"

#include "platform/user/window_pos.h"

namespace user {

void MoveMouseTo(HWND hwnd, int x, int y) {
  TPoint p{x, y};
  ClientToScreen(hwnd, &p);
  InjectMouseMove(p.X, p.Y);
}

void Click(HWND hwnd, int x, int y, MouseButton button) {
  MoveMouseTo(hwnd, x, y);
  InjectMouseButton(button, true);
  InjectMouseButton(button, false);
}

void DoubleClick(HWND hwnd, int x, int y) {
  Click(hwnd, x, y);
  InjectMouseButton(MouseButton::Left, true);
  InjectMouseButton(MouseButton::Left, false);
}

void PressKey(int vk) {
  InjectKey(vk, true);
  InjectKey(vk, false);
}

void TypeText(std::u16string_view text) { InjectText(text); }

}  // namespace user
