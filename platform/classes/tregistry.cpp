#include "platform/classes/tregistry.h"

#include <cstring>

#include "platform/classes/publisher.h"
#include "platform/classes/tstrings.h"
#include "platform/core/currency.h"
#include "platform/core/format.h"
#include "platform/core/win_errors.h"

PR_IMPLEMENT_CLASS(TRegistry)

namespace {

constexpr const char* kGetDataFailed = "Failed to get data for '%s'";
constexpr const char* kSetDataFailed = "Failed to set data for '%s'";
constexpr const char* kInvalidRegType = "Invalid data type for '%s'";
constexpr const char* kCreateFailed = "Failed to create key %s";

TRegDataType DataTypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

[[noreturn]] void ReadError(const std::string& name) { throw ERegistryException(Format(kInvalidRegType, {name})); }

bool IsRelative(const std::string& key) { return key.empty() || key[0] != '\\'; }

// Deletes base\path and everything below it.
bool DeleteTree(HKEY base, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(base, path, KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
    std::string sub;
    while (RegEnumKeyEx(key, 0, sub) == ERROR_SUCCESS && DeleteTree(key, sub)) {
    }
    RegCloseKey(key);
  }
  return RegDeleteKey(base, path) == ERROR_SUCCESS;
}

}  // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
  if (rootKey_ == Value) return;
  CloseKey();
  rootKey_ = Value;
}

HKEY TRegistry::BaseKey(bool relative) const {
  return currentKey_ == nullptr || !relative ? rootKey_ : currentKey_;
}

void TRegistry::ChangeKey(HKEY Value, const std::string& Path) {
  CloseKey();
  currentKey_ = Value;
  currentPath_ = Path;
}

void TRegistry::CloseKey() {
  if (currentKey_ == nullptr) return;
  RegCloseKey(currentKey_);
  currentKey_ = nullptr;
  currentPath_.clear();
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  const bool relative = IsRelative(Key);
  const std::string path = relative ? Key : Key.substr(1);
  HKEY key = nullptr;
  const DWORD error = !CanCreate || path.empty() ? RegOpenKeyEx(BaseKey(relative), path, access_, key)
                                                 : RegCreateKeyEx(BaseKey(relative), path, access_, key);
  if (error != ERROR_SUCCESS) return false;
  ChangeKey(key, currentKey_ != nullptr && relative && !currentPath_.empty() ? currentPath_ + "\\" + path : path);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) {
  const REGSAM saved = access_;
  access_ = KEY_READ;
  const bool ok = OpenKey(Key, false);
  access_ = saved;
  return ok;
}

bool TRegistry::CreateKey(const std::string& Key) {
  const bool relative = IsRelative(Key);
  HKEY key = nullptr;
  if (RegCreateKeyEx(BaseKey(relative), relative ? Key : Key.substr(1), access_, key) != ERROR_SUCCESS)
    throw ERegistryException(Format(kCreateFailed, {Key}));
  RegCloseKey(key);
  return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
  const bool relative = IsRelative(Key);
  return DeleteTree(BaseKey(relative), relative ? Key : Key.substr(1));
}

bool TRegistry::DeleteValue(const std::string& Name) { return RegDeleteValue(currentKey_, Name) == ERROR_SUCCESS; }

bool TRegistry::KeyExists(const std::string& Key) {
  const bool relative = IsRelative(Key);
  HKEY key = nullptr;
  if (RegOpenKeyEx(BaseKey(relative), relative ? Key : Key.substr(1), KEY_READ, key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool TRegistry::GetDataInfo(const std::string& ValueName, TRegDataInfo& Value) {
  DWORD type = 0, size = 0;
  Value = {};
  if (currentKey_ == nullptr || RegQueryValueEx(currentKey_, ValueName, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  Value.RegData = DataTypeOf(type);
  Value.DataSize = static_cast<Integer>(size);
  return true;
}

bool TRegistry::ValueExists(const std::string& Name) {
  TRegDataInfo info;
  return GetDataInfo(Name, info);
}

TRegDataType TRegistry::GetDataType(const std::string& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.RegData : rdUnknown;
}

Integer TRegistry::GetDataSize(const std::string& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.DataSize : -1;
}

bool TRegistry::HasSubKeys() {
  RegKeyInfo info;
  return currentKey_ != nullptr && RegQueryInfoKey(currentKey_, info) == ERROR_SUCCESS && info.subKeys > 0;
}

void TRegistry::GetKeyNames(TStrings* Strings) {
  Strings->Clear();
  std::string name;
  for (DWORD i = 0; currentKey_ != nullptr && RegEnumKeyEx(currentKey_, i, name) == ERROR_SUCCESS; ++i)
    Strings->Add(name);
}

void TRegistry::GetValueNames(TStrings* Strings) {
  Strings->Clear();
  std::string name;
  for (DWORD i = 0; currentKey_ != nullptr && RegEnumValue(currentKey_, i, name) == ERROR_SUCCESS; ++i)
    Strings->Add(name);
}

std::string TRegistry::GetData(const std::string& Name, TRegDataType& Type) {
  DWORD type = 0, size = 0;
  std::string data;
  DWORD error = currentKey_ == nullptr ? ERROR_INVALID_HANDLE : RegQueryValueEx(currentKey_, Name, &type, nullptr, &size);
  if (error == ERROR_SUCCESS) {
    data.resize(size);
    error = RegQueryValueEx(currentKey_, Name, &type, data.data(), &size);
    data.resize(size);
  }
  if (error != ERROR_SUCCESS) throw ERegistryException(Format(kGetDataFailed, {Name}));
  Type = DataTypeOf(type);
  return data;
}

void TRegistry::PutData(const std::string& Name, const void* Buffer, Integer BufSize, DWORD Type) {
  if (currentKey_ == nullptr ||
      RegSetValueEx(currentKey_, Name, Type, Buffer, static_cast<DWORD>(BufSize)) != ERROR_SUCCESS)
    throw ERegistryException(Format(kSetDataFailed, {Name}));
}

std::string TRegistry::ReadString(const std::string& Name) {
  if (GetDataSize(Name) <= 0) return {};
  TRegDataType type = rdUnknown;
  std::string data = GetData(Name, type);
  if (type != rdString && type != rdExpandString) ReadError(Name);
  const std::size_t nul = data.find('\0');
  if (nul != std::string::npos) data.resize(nul);
  return data;
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  PutData(Name, Value.c_str(), static_cast<Integer>(Value.size()) + 1, REG_SZ);
}

void TRegistry::WriteExpandString(const std::string& Name, const std::string& Value) {
  PutData(Name, Value.c_str(), static_cast<Integer>(Value.size()) + 1, REG_EXPAND_SZ);
}

Integer TRegistry::ReadInteger(const std::string& Name) {
  TRegDataType type = rdUnknown;
  const std::string data = GetData(Name, type);
  if (type != rdInteger || data.size() != 4) ReadError(Name);
  Integer value = 0;
  std::memcpy(&value, data.data(), 4);
  return value;
}

void TRegistry::WriteInteger(const std::string& Name, Integer Value) { PutData(Name, &Value, 4, REG_DWORD); }

double TRegistry::ReadFloat(const std::string& Name) {
  TRegDataType type = rdUnknown;
  const std::string data = GetData(Name, type);
  if (type != rdBinary || data.size() != sizeof(double)) ReadError(Name);
  double value = 0;
  std::memcpy(&value, data.data(), sizeof value);
  return value;
}

void TRegistry::WriteFloat(const std::string& Name, double Value) { PutData(Name, &Value, sizeof Value, REG_BINARY); }

Currency TRegistry::ReadCurrency(const std::string& Name) {
  TRegDataType type = rdUnknown;
  const std::string data = GetData(Name, type);
  if (type != rdBinary || data.size() != sizeof(Int64)) ReadError(Name);
  Int64 raw = 0;
  std::memcpy(&raw, data.data(), sizeof raw);
  return Currency::FromRaw(raw);
}

void TRegistry::WriteCurrency(const std::string& Name, Currency Value) {
  const Int64 raw = Value.Raw();
  PutData(Name, &raw, sizeof raw, REG_BINARY);
}

Integer TRegistry::ReadBinaryData(const std::string& Name, void* Buffer, Integer BufSize) {
  TRegDataType type = rdUnknown;
  const std::string data = GetData(Name, type);
  if (type != rdBinary && type != rdUnknown) ReadError(Name);
  if (static_cast<Integer>(data.size()) > BufSize) throw ERegistryException(Format(kGetDataFailed, {Name}));
  std::memcpy(Buffer, data.data(), data.size());
  return static_cast<Integer>(data.size());
}

void TRegistry::WriteBinaryData(const std::string& Name, const void* Buffer, Integer BufSize) {
  PutData(Name, Buffer, BufSize, REG_BINARY);
}
