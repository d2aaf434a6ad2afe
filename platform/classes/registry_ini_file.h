// TRegistryIniFile: the ini-file interface over a registry key (by default below
// HKEY_CURRENT_USER): the "file name" is the key's path, each section a subkey, each key a value.
// Writes take effect at once.  Strings are REG_SZ; integers and Booleans REG_DWORD (an integer
// stored as a string is read and rewritten as one); floats, dates and times 8-byte REG_BINARY
// doubles; binary streams REG_BINARY.  Missing sections and values read as the default.
// ReadSectionValues shows binary values as hexadecimal text (the class library raised on them).
#pragma once

#include "platform/classes/custom_ini_file.h"
#include "platform/classes/tregistry.h"

class TRegistryIniFile : public TCustomIniFile {
  PR_CLASS(TRegistryIniFile, TCustomIniFile)

 public:
  explicit TRegistryIniFile(const std::string& FileName, REGSAM AAccess = KEY_ALL_ACCESS);

  TRegistry* RegIniFile() { return &registry_; }

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  Integer ReadInteger(const std::string& Section, const std::string& Ident, Integer Default) override;
  void WriteInteger(const std::string& Section, const std::string& Ident, Integer Value) override;
  double ReadFloat(const std::string& Section, const std::string& Ident, double Default) override;
  void WriteFloat(const std::string& Section, const std::string& Ident, double Value) override;
  TDateTime ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default) override;
  void WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value) override;
  TDateTime ReadDateTime(const std::string& Section, const std::string& Ident, TDateTime Default) override;
  void WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value) override;
  TDateTime ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default) override;
  void WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value) override;
  Integer ReadBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) override;
  void WriteBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  void UpdateFile() override {}

 private:
  // Runs body with the section's key current (opened, or created when create is set) and the
  // file's key current again afterwards; false when the section could not be opened.
  template <class Body>
  bool InSection(const std::string& Section, bool create, Body body);
  // A value of the current key as text: strings as they are, integers in decimal, other data as
  // upper-case hexadecimal pairs.
  std::string ValueText(const std::string& Name);

  TRegistry registry_;
};
