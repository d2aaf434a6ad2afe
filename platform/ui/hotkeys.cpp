#include "platform/ui/hotkeys.h"

#include "platform/core/ansi_strings.h"
#include "platform/gdi/prefix_text.h"

std::string GetHotkey(std::string_view Text) {
  const std::optional<char> key = gdi::AcceleratorOf(Text);
  return key ? std::string(1, *key) : std::string();
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
