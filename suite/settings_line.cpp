#include "suite/settings_line.h"

std::optional<std::string_view> SettingLineValue(std::string_view line, std::string_view key) {
  if (line.size() <= key.size() + 1 || !line.starts_with(key) || line[key.size()] != '=') return std::nullopt;
  return line.substr(key.size() + 1);
}
