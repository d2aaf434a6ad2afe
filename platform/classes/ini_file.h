// TIniFile: an ini file read and written through to the disk at every call, as the platform's
// profile-string calls do (ini_text.h says how the text is read and edited).
//
// Every read reads the file (a missing file reads as empty); every write reads it, changes the
// lines concerned and writes it back, so comments, unknown lines and the order of everything else
// stay as they were.  A file name without a folder is looked for in the system folder
// (GetSystemDirectory, "($WINSYS)").  A failing write raises EIniFileException "Unable to write to
// <file>".  Unlike the 2047-character buffers of the platform's calls, values are never cut.
#pragma once

#include "platform/classes/custom_ini_file.h"

class IniText;

class TIniFile : public TCustomIniFile {
  PR_CLASS(TIniFile, TCustomIniFile)

 public:
  explicit TIniFile(const std::string& FileName);

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  void UpdateFile() override {}

 private:
  IniText Load() const;
  template <class Edit>
  void Change(Edit edit);
};
