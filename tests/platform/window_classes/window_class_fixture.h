// The fixture of the window-class tests: the window layer's own fixture (fake clock, classic
// metrics, every window destroyed at the end) with keys and text played through the injected
// input, as a person at the display would, each followed by handling every waiting message.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "tests/support/user/user_test_fixture.h"

namespace wctest {

// A key with the modifier keys (VK_CONTROL, VK_SHIFT, VK_MENU) held around it, or a text typed.
struct Step {
  int key = 0;
  std::vector<int> modifiers;
  std::string_view text;
};
inline Step K(int key, std::initializer_list<int> modifiers = {}) { return Step{key, modifiers, {}}; }
inline Step T(std::string_view text) { return Step{0, {}, text}; }

class WindowClassTest : public usertest::UserTest {
 protected:
  // A visible top-level window of a plain class, the parent of the windows under test.
  static HWND NewParent(int width, int height);
  static void Settle() { Pump(); }
  static void PressKey(int key, const std::vector<int>& modifiers = {});
  // Code page 874 text, as the display's text input delivers it.
  static void Type(std::string_view text);
  static void Play(const std::vector<Step>& steps);
};

}  // namespace wctest
