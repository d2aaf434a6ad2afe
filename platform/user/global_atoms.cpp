#include "platform/user/global_atoms.h"

#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/atom_table.h"
#include "platform/user/message_ids.h"

namespace {

constexpr std::size_t kMaxAtomName = 255;

struct GlobalReferences {
  std::mutex mutex;
  std::unordered_map<ATOM, unsigned> counts;   // string atoms holding references
};

GlobalReferences& References() {
  static GlobalReferences references;
  return references;
}

bool IsIntegerAtom(const void* name) { return IS_INTRESOURCE(name); }

ATOM IntegerAtom(const void* name) {
  const auto value = std::uintptr_t(name);
  if (value == 0 || value >= kFirstRegisteredMessage) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return ATOM(value);
}

ATOM AddString(const char* name) {
  const std::size_t length = std::strlen(name);
  const ATOM atom = length <= kMaxAtomName ? user::AtomTable::Instance().Add(name) : 0;
  if (atom == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  GlobalReferences& r = References();
  std::lock_guard lock(r.mutex);
  ++r.counts[atom];
  return atom;
}

ATOM FindString(const char* name) {
  const ATOM atom = user::AtomTable::Instance().Find(name);
  GlobalReferences& r = References();
  std::lock_guard lock(r.mutex);
  if (atom != 0 && r.counts.contains(atom)) return atom;
  SetLastError(ERROR_FILE_NOT_FOUND);
  return 0;
}

std::string NameA(const char16_t* name) { return Utf16ToCp874(name); }

}  // namespace

ATOM GlobalAddAtomA(const char* name) {
  if (IsIntegerAtom(name)) return IntegerAtom(name);
  return AddString(name);
}

ATOM GlobalAddAtomW(const char16_t* name) {
  if (IsIntegerAtom(name)) return IntegerAtom(name);
  return AddString(NameA(name).c_str());
}

ATOM GlobalFindAtomA(const char* name) {
  if (IsIntegerAtom(name)) return IntegerAtom(name);
  return FindString(name);
}

ATOM GlobalFindAtomW(const char16_t* name) {
  if (IsIntegerAtom(name)) return IntegerAtom(name);
  return FindString(NameA(name).c_str());
}

ATOM GlobalDeleteAtom(ATOM atom) {
  if (atom != 0 && atom < kFirstRegisteredMessage) return 0;
  GlobalReferences& r = References();
  std::lock_guard lock(r.mutex);
  auto it = r.counts.find(atom);
  if (it == r.counts.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return atom;
  }
  if (--it->second == 0) r.counts.erase(it);
  return 0;
}
