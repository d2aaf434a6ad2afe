// Key sequences for edit tests: each step is a key with modifiers or a text typed character by
// character, played through the test driver.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/test_driver.h"

namespace uitest {

struct Step {
  Word key = 0;
  TShiftState shift;
  std::string text;
};
inline Step K(Word key, TShiftState shift = {}) { return Step{key, shift, {}}; }
inline Step T(std::string text) { return Step{0, {}, std::move(text)}; }

inline void PlaySteps(TTestDriver& driver, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    if (s.key != 0) driver.PressKey(s.key, s.shift);
    else driver.Type(s.text);
  }
}

}  // namespace uitest
