// TFileDialogModel: what the open and save file dialogs show and decide, without a window.
//
// Filters are the dialogs' "description|masks|description|masks" texts ("Text files|*.txt;*.csv|
// All|*.*"); a description without masks is dropped; spaces around each mask are ignored.  Masks
// match names without case (file_mask.h).  FilterIndex counts from 1 as the dialogs' property
// does; an index outside the list shows the first filter.  A pattern the user types ("*.dat")
// replaces the filter's masks until another filter is chosen.
//
// Folder is a native path (no trailing '/', except "/").  Folders() lists its subfolders sorted
// without case, led by ".." below the root; Files() the ordinary files matching the masks, in the
// same order.  Hidden entries (dot names) are listed only with ShowHidden.
//
// Names typed or chosen become full native paths: an absolute native or Windows-form name is taken
// as it is, anything else from Folder; "." and ".." are resolved and existing components take the
// case they have on disk.  A name without an extension gets "." + the default extension; a name
// ending in '.' gets none and loses the dot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "platform/ui/open_options.h"

struct TFileFilterEntry {
  std::string Description;
  std::string Masks;
};

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view Filter);
// The names in a file-name box: several quoted names ("a.txt" "b.txt") or one name, trimmed.
std::vector<std::string> SplitFileNames(std::string_view Text);
bool HasWildcards(std::string_view Name);

// What a dialog does with a chosen full name, by its options, in this order: a missing folder is
// refused (path or file must exist); a missing file is refused (file must exist) or asked about
// (create prompt); an existing file is asked about when saving with the overwrite prompt.
enum class TFileChoiceCheck { Accept, PathMissing, FileMissing, AskCreate, AskOverwrite };
TFileChoiceCheck CheckFileChoice(const std::string& FullName, TOpenOptions Options, bool Saving);

class TFileDialogModel {
 public:
  void SetFilter(std::string_view Filter);
  const std::vector<TFileFilterEntry>& Filters() const { return filters_; }
  Integer FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(Integer Value);
  void SetTypedMasks(std::string_view Masks);
  // The masks files are listed by: a typed pattern, else the filter's, else "*.*".
  std::string Masks() const;

  const std::string& Folder() const { return folder_; }
  // False (and nothing changes) when Path is not an existing folder.
  bool SetFolder(std::string_view Path);
  bool ShowHidden = false;

  std::vector<std::string> Folders() const;
  std::vector<std::string> Files() const;
  std::string FullName(std::string_view Name, std::string_view DefaultExt) const;

 private:
  std::vector<TFileFilterEntry> filters_;
  Integer filterIndex_ = 1;
  std::string typedMasks_;
  std::string folder_ = "/";
};
