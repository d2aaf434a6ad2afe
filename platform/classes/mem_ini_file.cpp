#include "platform/classes/mem_ini_file.h"

#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/os/collation.h"
#include "platform/os/file_ops.h"

PR_IMPLEMENT_CLASS(TMemIniFile)

TMemIniFile::TMemIniFile(const std::string& FileName) : TCustomIniFile(FileName) {
  if (!FileExists(FileName)) return;
  TStringList list;
  list.LoadFromFile(FileName);
  SetStrings(&list);
}

TMemIniFile::~TMemIniFile() = default;

TMemIniFile::SectionLines* TMemIniFile::Find(const std::string& name) {
  for (SectionLines& s : sections_)
    if (caseSensitive_ ? AnsiCompareStr(s.name, name) == 0 : AnsiCompareText(s.name, name) == 0) return &s;
  return nullptr;
}

TMemIniFile::SectionLines& TMemIniFile::Add(const std::string& name) {
  auto lines = std::make_unique<TStringList>();
  lines->SetCaseSensitive(caseSensitive_);
  sections_.push_back({name, std::move(lines)});
  return sections_.back();
}

void TMemIniFile::SetCaseSensitive(bool Value) {
  caseSensitive_ = Value;
  for (SectionLines& s : sections_) s.lines->SetCaseSensitive(Value);
}

void TMemIniFile::Clear() { sections_.clear(); }

void TMemIniFile::SetStrings(TStrings* List) {
  Clear();
  SectionLines* current = nullptr;
  for (Integer i = 0; i < List->Count(); ++i) {
    const std::string s = Trim(List->Strings(i));
    if (s.empty() || s[0] == ';') continue;
    if (s.front() == '[' && s.back() == ']') {
      current = &Add(Trim(s.substr(1, s.size() - 2)));
    } else if (current != nullptr) {
      const std::size_t eq = s.find('=');
      current->lines->Add(eq == std::string::npos ? s : Trim(s.substr(0, eq)) + "=" + Trim(s.substr(eq + 1)));
    }
  }
}

void TMemIniFile::GetStrings(TStrings* List) const {
  List->BeginUpdate();
  for (const SectionLines& s : sections_) {
    List->Add("[" + s.name + "]");
    for (Integer j = 0; j < s.lines->Count(); ++j) List->Add(s.lines->Strings(j));
    List->Add("");
  }
  List->EndUpdate();
}

void TMemIniFile::UpdateFile() {
  TStringList list;
  GetStrings(&list);
  list.SaveToFile(FileName());
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  SectionLines* s = Find(Section);
  if (s == nullptr) return Default;
  const Integer i = s->lines->IndexOfName(Ident);
  return i < 0 ? Default : s->lines->ValueFromIndex(i);
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  SectionLines* s = Find(Section);
  if (s == nullptr) s = &Add(Section);
  const std::string line = Ident + "=" + Value;
  const Integer i = s->lines->IndexOfName(Ident);
  if (i >= 0) s->lines->SetStrings(i, line);
  else s->lines->Add(line);
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (SectionLines* s = Find(Section))
    for (Integer i = 0; i < s->lines->Count(); ++i) Strings->Add(s->lines->Names(i));
  Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const SectionLines& s : sections_) Strings->Add(s.name);
  Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (SectionLines* s = Find(Section)) Strings->AddStrings(s->lines.get());
  Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const std::string& Section) {
  if (const SectionLines* victim = Find(Section)) sections_.erase(sections_.begin() + (victim - sections_.data()));
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  if (SectionLines* s = Find(Section)) {
    const Integer i = s->lines->IndexOfName(Ident);
    if (i >= 0) s->lines->Delete(i);
  }
}
