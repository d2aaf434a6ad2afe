// TMemIniFile: an ini file read whole at creation, changed in memory and written whole by
// UpdateFile, as the class library's does.
//
// Reading keeps, per section in file order, its "key=value" lines (key and value trimmed) and other
// non-blank lines; blank lines and comment lines (';') are dropped, as are lines before the first
// section.  UpdateFile writes each section as "[Section]", its lines and one blank line, with CR
// LF.  Sections and keys compare without case unless CaseSensitive.  A missing file gives an empty
// store; UpdateFile creates it.
#pragma once

#include <memory>
#include <vector>

#include "platform/classes/custom_ini_file.h"

class TStringList;

class TMemIniFile : public TCustomIniFile {
  PR_CLASS(TMemIniFile, TCustomIniFile)

 public:
  explicit TMemIniFile(const std::string& FileName);
  ~TMemIniFile() override;

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  void UpdateFile() override;

  void Clear();
  void GetStrings(TStrings* List) const;   // the file's text, line by line
  void SetStrings(TStrings* List);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value);

 private:
  struct SectionLines {
    std::string name;
    std::unique_ptr<TStringList> lines;
  };
  SectionLines* Find(const std::string& name);
  SectionLines& Add(const std::string& name);

  std::vector<SectionLines> sections_;
  bool caseSensitive_ = false;
};
