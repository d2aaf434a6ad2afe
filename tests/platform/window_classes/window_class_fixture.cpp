#include "window_class_fixture.h"

#include "platform/core/cp874.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/input_events.h"
#include "platform/user/window_class.h"
#include "platform/user/window_input.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace wctest {

HWND WindowClassTest::NewParent(int width, int height) {
  user::EnsureClassRegistered(user::ClassRecord("WindowClassTestParent", &DefWindowProcA));
  return CreateWindowExA(0, "WindowClassTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                         nullptr, nullptr, nullptr);
}

void WindowClassTest::PressKey(int key, const std::vector<int>& modifiers) {
  for (int modifier : modifiers) user::InjectKey(modifier, true);
  user::InjectKey(key, true);
  user::InjectKey(key, false);
  for (int modifier : modifiers) user::InjectKey(modifier, false);
  Settle();
}

void WindowClassTest::Type(std::string_view text) {
  user::TypeText(Cp874ToUtf16(text));
  Settle();
}

void WindowClassTest::Play(const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    if (step.key != 0) PressKey(step.key, step.modifiers);
    else Type(step.text);
  }
}

}  // namespace wctest
