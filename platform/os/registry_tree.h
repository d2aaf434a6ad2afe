// The registry substitute's data: a tree of keys holding named values, and its text form.
//
// Key and value names compare without regard to ASCII case (code page 874 has no other case) and
// keep the case they were created with.  A key's subkeys are kept in that case-insensitive order
// (the order enumeration shows); its values keep the order they were first set in.  Texts are
// code page 874 in memory and UTF-8 in the file.
//
// Text form (docs/format-registry.md), one record per line:
//   #quendry-registry 1                          first line
//   K <path>                                     a key, its full path from the root, '\' between names
//   V <type> <name> <data>                       a value of the key above
// Fields are separated by one tab; texts escape '\' '\t' '\n' '\r' and other control bytes.
// Data: the text for REG_SZ and REG_EXPAND_SZ; "0x" and eight hex digits for a 4-byte REG_DWORD;
// "hex:" and two hex digits per byte otherwise.  Every key is listed, parents before children.
// Invariants: a key has no two subkeys and no two values whose names are equal without case;
// Parse(Serialize(tree)) is the same tree.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;

struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::string data;   // raw bytes; for REG_SZ and REG_EXPAND_SZ the text without its null
};

struct RegistryKey {
  std::string name;
  std::vector<RegistryValue> values;
  std::vector<RegistryKey> subkeys;

  RegistryKey* FindSubkey(std::string_view subkeyName);
  const RegistryKey* FindSubkey(std::string_view subkeyName) const;
  RegistryValue* FindValue(std::string_view valueName);
  const RegistryValue* FindValue(std::string_view valueName) const;
  // The subkey of that name, created (in order) when missing; `created` tells which.
  RegistryKey& ObtainSubkey(std::string_view subkeyName, bool& created);
  void SetValue(std::string_view valueName, DWORD type, std::string data);
  bool RemoveValue(std::string_view valueName);
  bool RemoveSubkey(std::string_view subkeyName);
};

// The names of a key path ("Software\Quendry\" -> "Software", "Quendry"); empty names are skipped.
std::vector<std::string_view> SplitKeyPath(std::string_view path);
// The key at `path` below `root`, or null.
RegistryKey* FindKey(RegistryKey& root, std::string_view path);
const RegistryKey* FindKey(const RegistryKey& root, std::string_view path);

std::string SerializeRegistry(const RegistryKey& root);
// The tree of a text; nothing when the text is not in the form above.
std::optional<RegistryKey> ParseRegistry(std::string_view text);
