// The registry substitute: the platform's registry calls over file-backed stores.
//
// Roots: HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT, each a text file in the
// registry folder (by default AppDataFolder() + "/Quendry/Registry": "current-user.registry",
// "local-machine.registry", "classes-root.registry"; the format is in docs/format-registry.md).
// Every change goes to the disk before the call returns, so other processes see it at once.
//
// Key paths are code page 874 names separated by '\' ("Software\Quendry\Payroll"); empty names
// (leading, trailing or doubled separators) are skipped.  Names compare without ASCII case.
// Values: REG_SZ and REG_EXPAND_SZ hold text (read back with a terminating null, which a
// write may include or not), REG_DWORD four bytes little-endian, REG_BINARY and other types the
// bytes given.  A handle names its key by path: once the key is deleted, calls through the handle
// fail with ERROR_KEY_DELETED.  Handles are opened with access rights; a call the rights do not
// cover fails with ERROR_ACCESS_DENIED.  All calls are thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/os/registry_tree.h"

struct RegistryHandle;
using HKEY = RegistryHandle*;
using REGSAM = DWORD;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens an existing key below `key` (an empty path opens `key` itself again).
DWORD RegOpenKeyEx(HKEY key, std::string_view subKey, REGSAM access, HKEY& result);
// Opens the key, creating it and every missing key on the way; `disposition` tells which.
DWORD RegCreateKeyEx(HKEY key, std::string_view subKey, REGSAM access, HKEY& result,
                     DWORD* disposition = nullptr);
DWORD RegCloseKey(HKEY key);

// The platform's buffer protocol: with `data` null, `*size` receives the bytes needed; with a
// buffer of `*size` bytes that is too small, ERROR_MORE_DATA and the size needed.  The empty name
// is the key's default value.  Missing value: ERROR_FILE_NOT_FOUND.
DWORD RegQueryValueEx(HKEY key, std::string_view name, DWORD* type, void* data, DWORD* size);
DWORD RegSetValueEx(HKEY key, std::string_view name, DWORD type, const void* data, DWORD size);
DWORD RegDeleteValue(HKEY key, std::string_view name);
// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED when it has some).
DWORD RegDeleteKey(HKEY key, std::string_view subKey);

// The index-th subkey name in case-insensitive order / value in the order values were first
// set; ERROR_NO_MORE_ITEMS past the end.
DWORD RegEnumKeyEx(HKEY key, DWORD index, std::string& name);
DWORD RegEnumValue(HKEY key, DWORD index, std::string& name, DWORD* type = nullptr);

struct RegKeyInfo {
  DWORD subKeys = 0;
  DWORD maxSubKeyLength = 0;     // in characters, without a null
  DWORD values = 0;
  DWORD maxValueNameLength = 0;
  DWORD maxValueLength = 0;      // in bytes, as RegQueryValueEx would need them
};
DWORD RegQueryInfoKey(HKEY key, RegKeyInfo& info);

// Where the root files are kept: a native folder, or "" for the default.  For tests and for
// installations that keep the registry elsewhere.
void SetRegistryFolder(std::string_view nativeFolder);
std::string RegistryFolder();
