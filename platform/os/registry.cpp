// Registry handles and calls over the root files (see registry.h).
#include "platform/os/registry.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_set>

#include "platform/core/win_errors.h"
#include "platform/os/environment.h"
#include "platform/os/path.h"
#include "platform/os/registry_file.h"

struct RegistryHandle {
  std::size_t root;    // index into kRootFiles
  std::string path;    // the key's names from the root, '\' between them
  REGSAM access;
};

namespace {

constexpr const char* kRootFiles[] = {"classes-root.registry", "current-user.registry",
                                      "local-machine.registry"};
constexpr std::uintptr_t kFirstRoot = 0x80000000;

struct Registry {
  std::mutex mutex;
  std::string folder;   // "" until set: the default
  std::unordered_set<HKEY> handles;
  std::map<std::string, std::unique_ptr<RegistryFile>> files;
};

Registry& State() {
  static Registry registry;
  return registry;
}

std::string DefaultFolder() { return ResolvePath(AppDataFolder() + "/Quendry/Registry"); }

// What a call works on: the root's file, the key's path and the rights of the handle.
struct Target {
  RegistryFile* file = nullptr;
  std::size_t root = 0;
  std::string path;
  REGSAM access = 0;
};

RegistryFile& FileOf(Registry& r, std::size_t root) {
  const std::string folder = r.folder.empty() ? DefaultFolder() : r.folder;
  std::unique_ptr<RegistryFile>& file = r.files[folder + "/" + kRootFiles[root]];
  if (!file) file = std::make_unique<RegistryFile>(folder + "/" + kRootFiles[root]);
  return *file;
}

// Resolves a handle; ERROR_INVALID_HANDLE for one that is neither a root nor open, and
// ERROR_ACCESS_DENIED when it lacks `needed`.
DWORD Resolve(HKEY key, REGSAM needed, Target& target) {
  Registry& r = State();
  std::lock_guard lock(r.mutex);
  const auto value = reinterpret_cast<std::uintptr_t>(key);
  if (value >= kFirstRoot && value < kFirstRoot + std::size(kRootFiles)) {
    target = {&FileOf(r, value - kFirstRoot), value - kFirstRoot, {}, KEY_ALL_ACCESS};
  } else if (r.handles.contains(key)) {
    target = {&FileOf(r, key->root), key->root, key->path, key->access};
  } else {
    return ERROR_INVALID_HANDLE;
  }
  return (target.access & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

std::string JoinPath(std::string path, std::string_view subKey) {
  for (std::string_view name : SplitKeyPath(subKey)) {
    if (!path.empty()) path += '\\';
    path += name;
  }
  return path;
}

HKEY NewHandle(const Target& parent, std::string_view subKey, REGSAM access) {
  HKEY handle = new RegistryHandle{parent.root, JoinPath(parent.path, subKey), access};
  Registry& r = State();
  std::lock_guard lock(r.mutex);
  r.handles.insert(handle);
  return handle;
}

// The data as a query hands it out: texts with their terminating null.
std::string QueryBytes(const RegistryValue& value) {
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) return value.data + '\0';
  return value.data;
}

// The data as it is kept: texts end at their first null.
std::string StoredBytes(DWORD type, const void* data, DWORD size) {
  std::string bytes(static_cast<const char*>(data), size);
  if (type == REG_SZ || type == REG_EXPAND_SZ) bytes.resize(std::min(bytes.find('\0'), bytes.size()));
  return bytes;
}

// Runs `read` on the key of a handle (ERROR_KEY_DELETED when it is gone).
DWORD ReadKey(HKEY key, REGSAM needed, const std::function<DWORD(const RegistryKey&)>& read) {
  Target target;
  if (const DWORD error = Resolve(key, needed, target); error != ERROR_SUCCESS) return error;
  return target.file->Read([&](const RegistryKey& root) {
    const RegistryKey* found = FindKey(root, target.path);
    return found ? read(*found) : ERROR_KEY_DELETED;
  });
}

DWORD ChangeKey(HKEY key, REGSAM needed, const std::function<DWORD(RegistryKey&, bool&)>& change) {
  Target target;
  if (const DWORD error = Resolve(key, needed, target); error != ERROR_SUCCESS) return error;
  return target.file->Write([&](RegistryKey& root, bool& changed) {
    RegistryKey* found = FindKey(root, target.path);
    return found ? change(*found, changed) : ERROR_KEY_DELETED;
  });
}

}  // namespace

DWORD RegOpenKeyEx(HKEY key, std::string_view subKey, REGSAM access, HKEY& result) {
  Target target;
  if (const DWORD error = Resolve(key, 0, target); error != ERROR_SUCCESS) return error;
  const DWORD error = target.file->Read([&](const RegistryKey& root) {
    const RegistryKey* parent = FindKey(root, target.path);
    if (!parent) return ERROR_KEY_DELETED;
    return FindKey(*parent, subKey) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
  if (error == ERROR_SUCCESS) result = NewHandle(target, subKey, access);
  return error;
}

DWORD RegCreateKeyEx(HKEY key, std::string_view subKey, REGSAM access, HKEY& result, DWORD* disposition) {
  Target target;
  const REGSAM needed = SplitKeyPath(subKey).empty() ? 0 : KEY_CREATE_SUB_KEY;
  if (const DWORD error = Resolve(key, needed, target); error != ERROR_SUCCESS) return error;
  bool createdAny = false;
  const DWORD error = target.file->Write([&](RegistryKey& root, bool& changed) {
    RegistryKey* current = FindKey(root, target.path);
    if (!current) return ERROR_KEY_DELETED;
    for (std::string_view name : SplitKeyPath(subKey)) {
      bool created = false;
      current = &current->ObtainSubkey(name, created);
      createdAny = createdAny || created;
    }
    changed = createdAny;
    return ERROR_SUCCESS;
  });
  if (error != ERROR_SUCCESS) return error;
  if (disposition) *disposition = createdAny ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  result = NewHandle(target, subKey, access);
  return ERROR_SUCCESS;
}

DWORD RegCloseKey(HKEY key) {
  const auto value = reinterpret_cast<std::uintptr_t>(key);
  if (value >= kFirstRoot && value < kFirstRoot + std::size(kRootFiles)) return ERROR_SUCCESS;
  Registry& r = State();
  std::lock_guard lock(r.mutex);
  if (r.handles.erase(key) == 0) return ERROR_INVALID_HANDLE;
  delete key;
  return ERROR_SUCCESS;
}

DWORD RegQueryValueEx(HKEY key, std::string_view name, DWORD* type, void* data, DWORD* size) {
  if (data && !size) return ERROR_INVALID_PARAMETER;
  return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
    const RegistryValue* value = found.FindValue(name);
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (type) *type = value->type;
    if (!size) return ERROR_SUCCESS;
    const std::string bytes = QueryBytes(*value);
    const auto needed = static_cast<DWORD>(bytes.size());
    const bool fits = *size >= needed;
    *size = needed;
    if (!data) return ERROR_SUCCESS;
    if (!fits) return ERROR_MORE_DATA;
    std::memcpy(data, bytes.data(), bytes.size());
    return ERROR_SUCCESS;
  });
}

DWORD RegSetValueEx(HKEY key, std::string_view name, DWORD type, const void* data, DWORD size) {
  if (!data && size) return ERROR_INVALID_PARAMETER;
  std::string bytes = StoredBytes(type, data, data ? size : 0);
  return ChangeKey(key, KEY_SET_VALUE, [&](RegistryKey& found, bool& changed) {
    const RegistryValue* old = found.FindValue(name);
    changed = !old || old->type != type || old->data != bytes;
    if (changed) found.SetValue(name, type, std::move(bytes));
    return ERROR_SUCCESS;
  });
}

DWORD RegDeleteValue(HKEY key, std::string_view name) {
  return ChangeKey(key, KEY_SET_VALUE, [&](RegistryKey& found, bool& changed) {
    changed = found.RemoveValue(name);
    return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

DWORD RegDeleteKey(HKEY key, std::string_view subKey) {
  const auto names = SplitKeyPath(subKey);
  if (names.empty()) return ERROR_INVALID_PARAMETER;
  return ChangeKey(key, 0, [&](RegistryKey& found, bool& changed) {
    RegistryKey* parent = &found;
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
      if (!(parent = parent->FindSubkey(names[i]))) return ERROR_FILE_NOT_FOUND;
    const RegistryKey* victim = parent->FindSubkey(names.back());
    if (!victim) return ERROR_FILE_NOT_FOUND;
    if (!victim->subkeys.empty()) return ERROR_ACCESS_DENIED;
    changed = parent->RemoveSubkey(names.back());
    return ERROR_SUCCESS;
  });
}

DWORD RegEnumKeyEx(HKEY key, DWORD index, std::string& name) {
  return ReadKey(key, KEY_ENUMERATE_SUB_KEYS, [&](const RegistryKey& found) {
    if (index >= found.subkeys.size()) return ERROR_NO_MORE_ITEMS;
    name = found.subkeys[index].name;
    return ERROR_SUCCESS;
  });
}

DWORD RegEnumValue(HKEY key, DWORD index, std::string& name, DWORD* type) {
  return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
    if (index >= found.values.size()) return ERROR_NO_MORE_ITEMS;
    name = found.values[index].name;
    if (type) *type = found.values[index].type;
    return ERROR_SUCCESS;
  });
}

DWORD RegQueryInfoKey(HKEY key, RegKeyInfo& info) {
  return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
    info = RegKeyInfo();
    info.subKeys = static_cast<DWORD>(found.subkeys.size());
    info.values = static_cast<DWORD>(found.values.size());
    for (const RegistryKey& subkey : found.subkeys)
      info.maxSubKeyLength = std::max(info.maxSubKeyLength, static_cast<DWORD>(subkey.name.size()));
    for (const RegistryValue& value : found.values) {
      info.maxValueNameLength = std::max(info.maxValueNameLength, static_cast<DWORD>(value.name.size()));
      info.maxValueLength = std::max(info.maxValueLength, static_cast<DWORD>(QueryBytes(value).size()));
    }
    return ERROR_SUCCESS;
  });
}

void SetRegistryFolder(std::string_view nativeFolder) {
  Registry& r = State();
  std::lock_guard lock(r.mutex);
  r.folder = std::string(nativeFolder);
}

std::string RegistryFolder() {
  Registry& r = State();
  std::lock_guard lock(r.mutex);
  return r.folder.empty() ? DefaultFolder() : r.folder;
}
