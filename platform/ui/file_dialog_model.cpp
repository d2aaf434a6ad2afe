#include "platform/ui/file_dialog_model.h"

#include "platform/core/ansi_strings.h"
#include "platform/os/file_mask.h"
#include "platform/os/file_names.h"
#include "platform/os/file_ops.h"
#include "platform/os/find_files.h"
#include "platform/os/folders.h"

namespace {

// The pieces of Text between separators (the last one too, even when empty).
std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  for (;;) {
    const std::size_t end = text.find(separator);
    pieces.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return pieces;
    text.remove_prefix(end + 1);
  }
}

// "*.txt; *.csv" -> "*.txt;*.csv": the mask matcher takes every character as part of a mask.
std::string TrimMasks(std::string_view masks) {
  std::string out;
  for (std::string_view mask : SplitAt(masks, ';')) {
    const std::string trimmed = Trim(mask);
    if (trimmed.empty()) continue;
    if (!out.empty()) out.push_back(';');
    out += trimmed;
  }
  return out;
}

bool IsAbsolute(std::string_view name) {
  return !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() >= 2 && name[1] == ':'));
}

// The entries of Folder with the attributes asked for, as FindFirst lists them.
template <class Take>
void ForEachEntry(const std::string& folder, Integer attributes, Take take) {
  TSearchRec rec;
  for (Integer result = FindFirst(IncludeTrailingPathDelimiter(folder) + "*", attributes, rec); result == 0;
       result = FindNext(rec))
    take(rec);
  FindClose(rec);
}

}  // namespace

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view Filter) {
  std::vector<TFileFilterEntry> entries;
  const std::vector<std::string_view> pieces = SplitAt(Filter, '|');
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    std::string masks = TrimMasks(pieces[i + 1]);
    if (!masks.empty()) entries.push_back({std::string(pieces[i]), std::move(masks)});
  }
  return entries;
}

std::vector<std::string> SplitFileNames(std::string_view Text) {
  const std::string text = Trim(Text);
  if (text.empty() || text.front() != '"') return text.empty() ? std::vector<std::string>{} : std::vector{text};
  std::vector<std::string> names;
  const std::vector<std::string_view> pieces = SplitAt(text, '"');
  // Quoted names are the odd pieces; what lies between them is blank.
  for (std::size_t i = 1; i < pieces.size(); i += 2) {
    std::string name = Trim(pieces[i]);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

bool HasWildcards(std::string_view Name) { return Name.find_first_of("*?") != std::string_view::npos; }

TFileChoiceCheck CheckFileChoice(const std::string& FullName, TOpenOptions Options, bool Saving) {
  const bool pathMustExist = Options.Contains(ofPathMustExist) || Options.Contains(ofFileMustExist);
  if (pathMustExist && !DirectoryExists(ExtractFileDir(FullName))) return TFileChoiceCheck::PathMissing;
  const bool exists = FileExists(FullName);
  if (!exists && Options.Contains(ofFileMustExist)) return TFileChoiceCheck::FileMissing;
  if (!exists && Options.Contains(ofCreatePrompt)) return TFileChoiceCheck::AskCreate;
  if (exists && Saving && Options.Contains(ofOverwritePrompt)) return TFileChoiceCheck::AskOverwrite;
  return TFileChoiceCheck::Accept;
}

void TFileDialogModel::SetFilter(std::string_view Filter) {
  filters_ = ParseFileFilter(Filter);
  typedMasks_.clear();
}

void TFileDialogModel::SetFilterIndex(Integer Value) {
  filterIndex_ = Value >= 1 && Value <= Integer(filters_.size()) ? Value : 1;
  typedMasks_.clear();
}

void TFileDialogModel::SetTypedMasks(std::string_view Masks) { typedMasks_ = TrimMasks(Masks); }

std::string TFileDialogModel::Masks() const {
  if (!typedMasks_.empty()) return typedMasks_;
  if (filters_.empty()) return "*.*";
  const Integer index = filterIndex_ <= Integer(filters_.size()) ? filterIndex_ : 1;
  return filters_[std::size_t(index - 1)].Masks;
}

bool TFileDialogModel::SetFolder(std::string_view Path) {
  const std::string full = ExpandFileName(Path);
  if (!DirectoryExists(full)) return false;
  folder_ = ExcludeTrailingPathDelimiter(full);
  return true;
}

std::vector<std::string> TFileDialogModel::Folders() const {
  std::vector<std::string> names;
  if (ExtractFileDir(folder_) != folder_) names.push_back("..");
  ForEachEntry(folder_, faDirectory | (ShowHidden ? faHidden : 0), [&names](const TSearchRec& rec) {
    if ((rec.Attr & faDirectory) != 0 && rec.Name != "." && rec.Name != "..") names.push_back(rec.Name);
  });
  return names;
}

std::vector<std::string> TFileDialogModel::Files() const {
  std::vector<std::string> names;
  const std::string masks = Masks();
  ForEachEntry(folder_, ShowHidden ? faHidden : 0, [&](const TSearchRec& rec) {
    if ((rec.Attr & faDirectory) == 0 && MatchesFileMask(rec.Name, masks)) names.push_back(rec.Name);
  });
  return names;
}

std::string TFileDialogModel::FullName(std::string_view Name, std::string_view DefaultExt) const {
  const std::string name = Trim(Name);
  std::string full = ExpandFileName(IsAbsolute(name) ? name : IncludeTrailingPathDelimiter(folder_) + name);
  const std::string fileName = ExtractFileName(full);
  std::string_view extension = DefaultExt;
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  if (!fileName.empty() && fileName.back() == '.')
    full.pop_back();
  else if (!fileName.empty() && ExtractFileExt(fileName).empty() && !extension.empty())
    full += "." + std::string(extension);
  return full;
}
