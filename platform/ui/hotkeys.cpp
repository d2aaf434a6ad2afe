#include "platform/ui/hotkeys.h"

#include "platform/core/ansi_strings.h"

std::string GetHotkey(std::string_view Text) {
  for (std::size_t i = 0; i + 1 < Text.size(); ++i) {
    if (Text[i] != '&') continue;
    if (Text[i + 1] != '&') return std::string(1, Text[i + 1]);
    ++i;   // "&&" is an ampersand, not a mark
  }
  return {};
}

bool IsAccel(Word VK, std::string_view Caption) {
  const std::string key = GetHotkey(Caption);
  return !key.empty() && SameText(key, std::string(1, char(VK)));
}

std::string StripHotkey(std::string_view Text) {
  std::string result;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '&' && i + 1 < Text.size()) ++i;
    result += Text[i];
  }
  return result;
}
