// TRegistry: the class library's object over the registry (here the registry substitute of
// platform/os/registry.h).
//
// One key is open at a time (CurrentKey / CurrentPath); relative key paths go from it, paths
// starting with '\' from RootKey (HKEY_CURRENT_USER by default).  Strings are REG_SZ, integers and
// Booleans REG_DWORD, floats, dates, times and currency 8-byte REG_BINARY.  A missing string reads
// as ""; reading a missing value of another kind raises ERegistryException "Failed to get data for
// 'X'", a value of the wrong type "Invalid data type for 'X'"; a failing write "Failed to set data
// for 'X'"; CreateKey "Failed to create key X".
#pragma once

#include <string>

#include "platform/classes/object.h"
#include "platform/classes/type_info.h"
#include "platform/core/exceptions.h"
#include "platform/os/registry.h"

class Currency;
class TStrings;

PR_DECLARE_EXCEPTION(ERegistryException, Exception);

PR_ENUM(TRegDataType, rdUnknown, rdString, rdExpandString, rdInteger, rdBinary)

struct TRegDataInfo {
  TRegDataType RegData = rdUnknown;
  Integer DataSize = 0;
};

class TRegistry : public TObject {
  PR_CLASS(TRegistry, TObject)

 public:
  explicit TRegistry(REGSAM AAccess = KEY_ALL_ACCESS) : access_(AAccess) {}
  ~TRegistry() override;

  HKEY RootKey() const { return rootKey_; }
  void SetRootKey(HKEY Value);
  HKEY CurrentKey() const { return currentKey_; }
  const std::string& CurrentPath() const { return currentPath_; }
  REGSAM Access() const { return access_; }
  void SetAccess(REGSAM Value) { access_ = Value; }

  bool OpenKey(const std::string& Key, bool CanCreate);
  bool OpenKeyReadOnly(const std::string& Key);
  void CloseKey();
  bool CreateKey(const std::string& Key);
  bool DeleteKey(const std::string& Key);   // with everything below it
  bool DeleteValue(const std::string& Name);
  bool KeyExists(const std::string& Key);
  bool ValueExists(const std::string& Name);
  bool HasSubKeys();
  bool GetDataInfo(const std::string& ValueName, TRegDataInfo& Value);
  TRegDataType GetDataType(const std::string& ValueName);
  Integer GetDataSize(const std::string& ValueName);   // -1 when missing
  void GetKeyNames(TStrings* Strings);
  void GetValueNames(TStrings* Strings);

  std::string ReadString(const std::string& Name);
  void WriteString(const std::string& Name, const std::string& Value);
  void WriteExpandString(const std::string& Name, const std::string& Value);
  Integer ReadInteger(const std::string& Name);
  void WriteInteger(const std::string& Name, Integer Value);
  bool ReadBool(const std::string& Name) { return ReadInteger(Name) != 0; }
  void WriteBool(const std::string& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  double ReadFloat(const std::string& Name);
  void WriteFloat(const std::string& Name, double Value);
  TDateTime ReadDate(const std::string& Name) { return ReadFloat(Name); }
  void WriteDate(const std::string& Name, TDateTime Value) { WriteFloat(Name, Value); }
  TDateTime ReadDateTime(const std::string& Name) { return ReadFloat(Name); }
  void WriteDateTime(const std::string& Name, TDateTime Value) { WriteFloat(Name, Value); }
  TDateTime ReadTime(const std::string& Name) { return ReadFloat(Name); }
  void WriteTime(const std::string& Name, TDateTime Value) { WriteFloat(Name, Value); }
  Currency ReadCurrency(const std::string& Name);
  void WriteCurrency(const std::string& Name, Currency Value);
  Integer ReadBinaryData(const std::string& Name, void* Buffer, Integer BufSize);
  void WriteBinaryData(const std::string& Name, const void* Buffer, Integer BufSize);

 private:
  HKEY BaseKey(bool relative) const;
  void ChangeKey(HKEY Value, const std::string& Path);
  // Reads the value's bytes; raises "Failed to get data" when the value cannot be read.
  std::string GetData(const std::string& Name, TRegDataType& Type);
  void PutData(const std::string& Name, const void* Buffer, Integer BufSize, DWORD Type);

  HKEY rootKey_ = HKEY_CURRENT_USER;
  HKEY currentKey_ = nullptr;
  std::string currentPath_;
  REGSAM access_;
};
