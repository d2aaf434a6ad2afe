#include "suite/settings_line.h"

#include <charconv>

std::optional<std::string_view> SettingLineValue(std::string_view line, std::string_view key) {
  if (line.size() <= key.size() + 1 || !line.starts_with(key) || line[key.size()] != '=') return std::nullopt;
  return line.substr(key.size() + 1);
}

bool ReadDecimalSetting(std::string_view text, Integer& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  UInt64 magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  const UInt64 limit = negative ? 0x80000000u : 0x7FFFFFFFu;
  if (error != std::errc() || end != text.data() + text.size() || magnitude > limit) return false;
  value = static_cast<Integer>(negative ? -static_cast<Int64>(magnitude) : static_cast<Int64>(magnitude));
  return true;
}
