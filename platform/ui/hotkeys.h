// Accelerator characters in captions: "&Save" underlines S and Alt+S (or S in a dialog) presses
// the control; "&&" is a literal ampersand.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// The character after the first single '&' ("" when there is none).
std::string GetHotkey(std::string_view Text);
// True when the key is the caption's accelerator (letters compared without case).
bool IsAccel(Word VK, std::string_view Caption);
// The caption with the accelerator marks removed ("&&" becomes "&").
std::string StripHotkey(std::string_view Text);
