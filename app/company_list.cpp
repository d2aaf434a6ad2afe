#include "app/company_list.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/core/ansi_strings.h"
#include "platform/core/exceptions.h"
#include "platform/os/classic_io.h"
#include "platform/os/file_ops.h"
#include "platform/os/folders.h"
#include "platform/os/text_file.h"
#include "platform/os/path.h"
#include "suite/cfg_settings.h"
#include "suite/configuration.h"
#include "suite/suite_folders.h"

namespace {

constexpr const char* kListName = "USERDRV.INI";
constexpr const char* kSeedName = "USERDRV.DEF";

// The lines of a text file (none when it cannot be read).
std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  TextFile file;
  AssignFile(file, path);
  Reset(file);
  std::string line;
  while (IOResult() == 0 && !Eof(file)) {
    ReadLn(file, line);
    lines.push_back(line);
  }
  CloseFile(file);
  IOResult();
  return lines;
}

// Writes the lines; the classic result of the first failure (0 when written).
Integer WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  TextFile file;
  AssignFile(file, path);
  Rewrite(file);
  for (const std::string& line : lines) WriteLn(file, line);
  CloseFile(file);
  return IOResult();
}

// The data folder a first company gets: the current folder's DATAFILE subfolder.
std::string DefaultDataFolder() { return GetCurrentDir() + PathDelim + "DATAFILE"; }

TCompanyRow ParseRow(const std::string& line) {
  TCompanyRow row;
  const std::size_t semicolon = line.find(';');
  row.Name = line.substr(0, semicolon);
  const std::string rest = line.substr(semicolon + 1);
  const std::size_t bar = rest.find('|');
  row.Folder = rest.substr(0, bar);
  if (bar != std::string::npos) row.Template = rest.substr(bar + 1);
  return row;
}

std::string RowLine(const TCompanyRow& row) {
  if (!row.Used()) return {};
  return row.Name + ";" + row.Folder + (row.Template.empty() ? "" : "|" + row.Template);
}

}  // namespace

bool TCompanyList::Ensure() {
  SetCurrentDir(ProgramFolder);
  if (FileExists(kListName)) return true;
  std::vector<std::string> lines;
  if (FileExists(kSeedName)) {
    for (const std::string& folder : ReadLines(kSeedName))
      if (!folder.empty()) lines.push_back(";" + folder);
  } else {
    lines.push_back(";" + DefaultDataFolder());
    newList_ = true;
  }
  WriteLines(kListName, lines);
  return FileExists(kListName);
}

void TCompanyList::Load() {
  SetCurrentDir(ProgramFolder);
  if (!FileExists(kListName)) return;
  LoadConfiguration();
  rows_ = {};
  rememberedRow_ = 0;
  const std::vector<std::string> lines = ReadLines(kListName);
  for (Integer i = 1; i <= kRows && std::size_t(i) <= lines.size(); ++i) {
    const std::string& line = lines[std::size_t(i - 1)];
    if (line.find(';') == std::string::npos) continue;
    Row(i) = ParseRow(line);
    if (SameText(Row(i).Name, CfgSettings.OpenCompanyCompany) && SameText(Row(i).Folder, CfgSettings.OpenCompanyDir))
      rememberedRow_ = i;
  }
}

void TCompanyList::Save() const {
  std::vector<std::string> lines;
  for (const TCompanyRow& row : rows_) lines.push_back(RowLine(row));
  const std::string path = ProgramFolder + PathDelim + kListName;
  if (const Integer result = WriteLines(path, lines); result != 0)
    throw EInOutError(InOutErrorMessage(result), result);
}

Integer TCompanyList::CompanyCount() const {
  Integer count = 0;
  for (const TCompanyRow& row : rows_)
    if (!row.Folder.empty()) ++count;
  return count;
}

std::string TCompanyList::FolderToEdit(Integer Index) const {
  if (!Row(Index).Folder.empty()) return Row(Index).Folder;
  const auto withFolder =
      std::find_if(rows_.begin(), rows_.end(), [](const TCompanyRow& row) { return !row.Folder.empty(); });
  const bool onlyDemo = CompanyCount() == 1 && withFolder->Folder.find("DATADEMO") != std::string::npos;
  if (CompanyCount() == 0 || onlyDemo) return DefaultDataFolder();
  return GetCurrentDir();
}

bool TCompanyList::AutoSelect() const { return rememberedRow_ != 0 && CfgSettings.OpenCompanySelect; }

void TCompanyList::RemoveRow(Integer Index) {
  for (Integer i = Index; i < kRows; ++i) Row(i) = Row(i + 1);
  Row(kRows) = {};
  // The remembered company moves up with its row, or is gone with it.
  if (rememberedRow_ == Index) rememberedRow_ = 0;
  else if (rememberedRow_ > Index) --rememberedRow_;
  changed_ = true;
}

bool TCompanyList::InsertRow(Integer Index) {
  if (Row(kRows).Used()) return false;
  for (Integer i = kRows; i > Index; --i) Row(i) = Row(i - 1);
  Row(Index) = {};
  if (rememberedRow_ >= Index) ++rememberedRow_;
  changed_ = true;
  return true;
}

Integer TCompanyList::MoveUp(Integer Index) {
  changed_ = true;
  if (Index <= 1) return Index;
  Exchange(Index - 1, Index);
  return Index - 1;
}

Integer TCompanyList::MoveDown(Integer Index) {
  changed_ = true;
  if (Index >= kRows) return Index;
  Exchange(Index, Index + 1);
  return Index + 1;
}

void TCompanyList::Exchange(Integer First, Integer Second) {
  std::swap(Row(First), Row(Second));
  if (rememberedRow_ == First) rememberedRow_ = Second;
  else if (rememberedRow_ == Second) rememberedRow_ = First;
}
