#include "platform/classes/ini_file.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/ini_text.h"
#include "platform/classes/publisher.h"
#include "platform/classes/tstrings.h"
#include "platform/core/format.h"
#include "platform/core/win_errors.h"
#include "platform/os/environment.h"
#include "platform/os/file.h"

PR_IMPLEMENT_CLASS(TIniFile)

namespace {

std::string InSystemFolderWhenBare(const std::string& name) {
  if (name.find_first_of("/\\:") != std::string::npos) return name;
  return GetSystemDirectory() + "/" + name;
}

bool ReadWhole(File& file, std::string& text) {
  Int64 size = 0;
  if (file.Size(size) != ERROR_SUCCESS) return false;
  text.resize(static_cast<std::size_t>(size));
  DWORD done = 0;
  return file.ReadAt(0, text.data(), static_cast<DWORD>(text.size()), done) == ERROR_SUCCESS && done == text.size();
}

}  // namespace

TIniFile::TIniFile(const std::string& FileName) : TCustomIniFile(InSystemFolderWhenBare(FileName)) {}

IniText TIniFile::Load() const {
  File file;
  std::string text;
  if (file.Open(FileName(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING) == ERROR_SUCCESS)
    ReadWhole(file, text);
  return IniText(text);
}

template <class Edit>
void TIniFile::Change(Edit edit) {
  File file;
  std::string text;
  bool ok = file.Open(FileName(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS) ==
                ERROR_SUCCESS &&
            ReadWhole(file, text);
  if (ok) {
    IniText ini(text);
    edit(ini);
    const std::string changed = ini.Text();
    DWORD done = 0;
    ok = changed == text ||
         (file.SetSize(0) == ERROR_SUCCESS &&
          file.WriteAt(0, changed.data(), static_cast<DWORD>(changed.size()), done) == ERROR_SUCCESS &&
          done == changed.size());
  }
  if (!ok) throw EIniFileException(Format(classes_text::kIniFileWriteError, {FileName()}));
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  std::string value;
  return Load().Read(Section, Ident, value) ? value : Default;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  Change([&](IniText& ini) { ini.Write(Section, Ident, Value); });
}

void TIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const std::string& key : Load().KeyNames(Section)) Strings->Add(key);
  Strings->EndUpdate();
}

void TIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const std::string& name : Load().SectionNames()) Strings->Add(name);
  Strings->EndUpdate();
}

void TIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  const IniText ini = Load();
  Strings->BeginUpdate();
  Strings->Clear();
  for (const std::string& key : ini.KeyNames(Section)) {
    std::string value;
    ini.Read(Section, key, value);
    Strings->Add(key + "=" + value);
  }
  Strings->EndUpdate();
}

void TIniFile::EraseSection(const std::string& Section) {
  Change([&](IniText& ini) { ini.EraseSection(Section); });
}

void TIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  Change([&](IniText& ini) { ini.DeleteKey(Section, Ident); });
}
