// The drive and share map; see drive_map.h.
//
// Invariants: roots are stored as native UTF-8 folders without a trailing '/' (the root folder
// itself is stored as "/"); share keys are "server\share" with ASCII letters upper-cased.
#include "platform/os/drive_map.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <vector>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"

namespace {

char DriveKey(char letter) { return UpperCase(std::string_view(&letter, 1))[0]; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string UpperKey(std::string_view text) {
  std::string key = UpperCase(text);
  for (char& c : key)
    if (c == '/') c = '\\';
  return key;
}

std::string NativeRoot(std::string_view cp874Root) {
  std::string root = Cp874ToUtf8(cp874Root);
  for (char& c : root)
    if (c == '\\') c = '/';
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root.empty() ? "/" : root;
}

struct Mappings {
  std::mutex mutex;
  std::map<char, std::string> drives;    // upper-case letter -> root
  std::map<std::string, std::string> shares;
  bool environmentRead = false;
};

Mappings& Map() {
  static Mappings map;
  return map;
}

struct Entry {
  std::string key;   // drive letter or "SERVER\SHARE"
  std::string root;
};

// Splits "\\server\share" into "SERVER\SHARE"; empty when it is not a share.
std::string ShareKey(std::string_view text) {
  const std::string key = UpperKey(text);
  if (key.size() < 5 || key[0] != '\\' || key[1] != '\\') return {};
  const std::string body = key.substr(2);
  const std::string::size_type sep = body.find('\\');
  if (sep == 0 || sep == std::string::npos || sep + 1 == body.size()) return {};
  if (body.find('\\', sep + 1) != std::string::npos) return {};
  return body;
}

bool ParseEntries(std::string_view mapText, std::vector<Entry>& entries) {
  while (!mapText.empty()) {
    const std::string_view::size_type end = mapText.find(';');
    const std::string_view item = mapText.substr(0, end);
    mapText = end == std::string_view::npos ? std::string_view() : mapText.substr(end + 1);
    if (item.empty()) continue;
    const std::string_view::size_type eq = item.find('=');
    if (eq == std::string_view::npos || eq + 1 == item.size()) return false;
    const std::string_view name = item.substr(0, eq);
    std::string key;
    if ((name.size() == 1 || (name.size() == 2 && name[1] == ':')) && IsDriveLetter(name[0]))
      key = std::string(1, DriveKey(name[0]));
    else
      key = ShareKey(name);
    if (key.empty()) return false;
    entries.push_back({key, NativeRoot(item.substr(eq + 1))});
  }
  return true;
}

void Apply(Mappings& map, const std::vector<Entry>& entries) {
  for (const Entry& e : entries) {
    if (e.key.size() == 1) map.drives[e.key[0]] = e.root;
    else map.shares[e.key] = e.root;
  }
}

// Caller holds map.mutex.
void ReadEnvironmentOnce(Mappings& map) {
  if (map.environmentRead) return;
  map.environmentRead = true;
  const char* mapText = std::getenv("PR_DRIVE_MAP");
  std::vector<Entry> entries;
  if (mapText != nullptr && ParseEntries(Utf8ToCp874(mapText), entries)) Apply(map, entries);
}

}  // namespace

void SetDriveMapping(char drive, std::string_view root) {
  if (!IsDriveLetter(drive)) return;
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  ReadEnvironmentOnce(map);
  map.drives[DriveKey(drive)] = NativeRoot(root);
}

void SetUncMapping(std::string_view uncShare, std::string_view root) {
  const std::string key = ShareKey(uncShare);
  if (key.empty()) return;
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  ReadEnvironmentOnce(map);
  map.shares[key] = NativeRoot(root);
}

void ResetPathMappings() {
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  map.environmentRead = true;
  map.drives.clear();
  map.shares.clear();
}

bool LoadPathMappings(std::string_view mapText) {
  std::vector<Entry> entries;
  if (!ParseEntries(mapText, entries)) return false;
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  ReadEnvironmentOnce(map);
  Apply(map, entries);
  return true;
}

std::string DriveRoot(char drive) {
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  ReadEnvironmentOnce(map);
  const auto it = map.drives.find(DriveKey(drive));
  return it == map.drives.end() ? "/" : it->second;
}

std::optional<std::string> UncRoot(std::string_view server, std::string_view share) {
  const std::string key = UpperKey(server) + '\\' + UpperKey(share);
  Mappings& map = Map();
  std::lock_guard lock(map.mutex);
  ReadEnvironmentOnce(map);
  const auto it = map.shares.find(key);
  if (it == map.shares.end()) return std::nullopt;
  return it->second;
}
