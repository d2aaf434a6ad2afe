#include "platform/user/atom_table.h"

#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/message_ids.h"

namespace user {

namespace {

struct Atoms {
  std::mutex mutex;
  std::unordered_map<std::string, ATOM> byName;   // folded name
  std::vector<std::string> names;                 // index = atom - 0xC000
};

Atoms& Table() {
  static Atoms atoms;
  return atoms;
}

}  // namespace

std::string FoldName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return folded;
}

AtomTable& AtomTable::Instance() {
  static AtomTable table;
  return table;
}

ATOM AtomTable::Add(std::string_view name) {
  if (name.empty()) return 0;
  Atoms& t = Table();
  std::lock_guard lock(t.mutex);
  const std::string key = FoldName(name);
  if (auto it = t.byName.find(key); it != t.byName.end()) return it->second;
  if (t.names.size() > kLastRegisteredMessage - kFirstRegisteredMessage) return 0;
  const ATOM atom = ATOM(kFirstRegisteredMessage + t.names.size());
  t.names.emplace_back(name);
  t.byName.emplace(key, atom);
  return atom;
}

ATOM AtomTable::Find(std::string_view name) const {
  Atoms& t = Table();
  std::lock_guard lock(t.mutex);
  auto it = t.byName.find(FoldName(name));
  return it == t.byName.end() ? 0 : it->second;
}

std::string AtomTable::Name(ATOM atom) const {
  Atoms& t = Table();
  std::lock_guard lock(t.mutex);
  const std::size_t index = std::size_t(atom) - kFirstRegisteredMessage;
  return atom >= kFirstRegisteredMessage && index < t.names.size() ? t.names[index] : std::string();
}

}  // namespace user

UINT RegisterWindowMessageA(const char* name) {
  const ATOM atom = name ? user::AtomTable::Instance().Add(name) : 0;
  if (atom == 0) SetLastError(ERROR_INVALID_PARAMETER);
  return atom;
}

UINT RegisterWindowMessageW(const char16_t* name) {
  return name ? RegisterWindowMessageA(Utf16ToCp874(name).c_str()) : RegisterWindowMessageA(nullptr);
}
