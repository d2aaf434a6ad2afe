// The registry tree and its text form (see registry_tree.h).
#include "platform/os/registry_tree.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"

namespace {

constexpr std::string_view kHeader = "#quendry-registry 1";

template <typename Items>
auto FindNamed(Items& items, std::string_view name) -> decltype(&items[0]) {
  for (auto& item : items)
    if (SameText(item.name, name)) return &item;
  return nullptr;
}

template <typename Item>
bool RemoveNamed(std::vector<Item>& items, std::string_view name) {
  return std::erase_if(items, [name](const Item& item) { return SameText(item.name, name); }) > 0;
}

// Code page 874 text as escaped UTF-8.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : Cp874ToUtf8(text)) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (b < 0x20 || b == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unescape(std::string_view field) {
  std::string utf8;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      utf8 += field[i];
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case '\\': utf8 += '\\'; break;
      case 't': utf8 += '\t'; break;
      case 'n': utf8 += '\n'; break;
      case 'r': utf8 += '\r'; break;
      case 'x': {
        if (i + 2 >= field.size()) return std::nullopt;
        const int hi = HexDigit(field[i + 1]), lo = HexDigit(field[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        utf8 += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return Utf8ToCp874(utf8);
}

std::string EncodeData(const RegistryValue& value) {
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) return Escape(value.data);
  char text[16];
  if (value.type == REG_DWORD && value.data.size() == 4) {
    DWORD n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(value.data[i]);
    std::snprintf(text, sizeof text, "0x%08X", n);
    return text;
  }
  std::string out = "hex:";
  for (const char c : value.data) {
    std::snprintf(text, sizeof text, "%02x", static_cast<unsigned char>(c));
    out += text;
  }
  return out;
}

std::optional<std::string> DecodeHexBytes(std::string_view hex) {
  if (hex.size() % 2) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = HexDigit(hex[i]), lo = HexDigit(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

std::optional<std::string> DecodeData(DWORD type, std::string_view field) {
  if (type == REG_SZ || type == REG_EXPAND_SZ) return Unescape(field);
  if (type == REG_DWORD && field.starts_with("0x") && field.size() == 10) {
    auto bytes = DecodeHexBytes(field.substr(2));
    if (bytes) std::reverse(bytes->begin(), bytes->end());   // the text is big-endian
    return bytes;
  }
  if (field.starts_with("hex:")) return DecodeHexBytes(field.substr(4));
  return std::nullopt;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

void SerializeKey(const RegistryKey& key, std::string& keyLine, std::string& out) {
  if (!keyLine.empty()) out += keyLine + '\n';
  for (const RegistryValue& value : key.values)
    out += "V\t" + std::to_string(value.type) + '\t' + Escape(value.name) + '\t' + EncodeData(value) + '\n';
  for (const RegistryKey& subkey : key.subkeys) {
    std::string subkeyLine = (keyLine.empty() ? std::string("K") : keyLine) + '\t' + Escape(subkey.name);
    SerializeKey(subkey, subkeyLine, out);
  }
}

// Applies one record line to the tree; false when it is malformed.
bool ParseLine(std::string_view line, RegistryKey& root, RegistryKey*& current) {
  const auto fields = SplitTabs(line);
  if (fields[0] == "K" && fields.size() >= 2) {
    current = &root;
    for (std::size_t i = 1; i < fields.size(); ++i) {
      const auto name = Unescape(fields[i]);
      if (!name || name->empty()) return false;
      bool created = false;
      current = &current->ObtainSubkey(*name, created);
    }
    return true;
  }
  if (fields[0] == "V" && fields.size() == 4) {
    DWORD type = 0;
    const auto [end, error] = std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), type);
    const auto name = Unescape(fields[2]);
    if (error != std::errc() || end != fields[1].data() + fields[1].size() || !name) return false;
    auto data = DecodeData(type, fields[3]);
    if (!data) return false;
    current->SetValue(*name, type, std::move(*data));
    return true;
  }
  return false;
}

}  // namespace

RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName) { return FindNamed(subkeys, subkeyName); }
const RegistryKey* RegistryKey::FindSubkey(std::string_view subkeyName) const {
  return FindNamed(subkeys, subkeyName);
}
RegistryValue* RegistryKey::FindValue(std::string_view valueName) { return FindNamed(values, valueName); }
const RegistryValue* RegistryKey::FindValue(std::string_view valueName) const {
  return FindNamed(values, valueName);
}

RegistryKey& RegistryKey::ObtainSubkey(std::string_view subkeyName, bool& created) {
  const auto before = [](const RegistryKey& k, std::string_view n) { return CompareText(k.name, n) < 0; };
  const auto at = std::lower_bound(subkeys.begin(), subkeys.end(), subkeyName, before);
  created = at == subkeys.end() || !SameText(at->name, subkeyName);
  if (!created) return *at;
  RegistryKey key;
  key.name = std::string(subkeyName);
  return *subkeys.insert(at, std::move(key));
}

void RegistryKey::SetValue(std::string_view valueName, DWORD type, std::string data) {
  RegistryValue* value = FindValue(valueName);
  if (!value) value = &values.emplace_back(RegistryValue{std::string(valueName), type, {}});
  value->type = type;
  value->data = std::move(data);
}

bool RegistryKey::RemoveValue(std::string_view valueName) { return RemoveNamed(values, valueName); }
bool RegistryKey::RemoveSubkey(std::string_view subkeyName) { return RemoveNamed(subkeys, subkeyName); }

std::vector<std::string_view> SplitKeyPath(std::string_view path) {
  std::vector<std::string_view> names;
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

const RegistryKey* FindKey(const RegistryKey& root, std::string_view path) {
  const RegistryKey* key = &root;
  for (std::string_view name : SplitKeyPath(path))
    if (!(key = key->FindSubkey(name))) return nullptr;
  return key;
}

RegistryKey* FindKey(RegistryKey& root, std::string_view path) {
  return const_cast<RegistryKey*>(FindKey(static_cast<const RegistryKey&>(root), path));
}

std::string SerializeRegistry(const RegistryKey& root) {
  std::string out(kHeader);
  out += '\n';
  std::string rootLine;
  SerializeKey(root, rootLine, out);
  return out;
}

std::optional<RegistryKey> ParseRegistry(std::string_view text) {
  RegistryKey root;
  RegistryKey* current = &root;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (first) {
      if (line != kHeader) return std::nullopt;
      first = false;
    } else if (!line.empty() && !ParseLine(line, root, current)) {
      return std::nullopt;
    }
  }
  return root;
}
