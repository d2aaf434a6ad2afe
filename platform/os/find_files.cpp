// Folder enumeration; see find_files.h.
//
// Invariant: FindHandle, when set, holds the matching entries in their final order and the index
// of the next one to hand out.
#include "platform/os/find_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <vector>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/file_mask.h"
#include "platform/os/os_error.h"
#include "platform/os/path.h"

struct FindEntry {
  std::string name;
  Integer attr;
  Int64 size;
  Integer time;
};

struct FindState {
  std::vector<FindEntry> entries;
  std::size_t next = 0;
};

TSearchRec::TSearchRec() = default;
TSearchRec::~TSearchRec() = default;
TSearchRec::TSearchRec(TSearchRec&&) noexcept = default;
TSearchRec& TSearchRec::operator=(TSearchRec&&) noexcept = default;

namespace {

constexpr Integer kSpecial = faHidden | faSysFile | faVolumeID | faDirectory;

// Local time in the packed DOS form; 0 outside the years it can hold (1980..2107).
Integer DosDateTime(time_t t) {
  struct tm lt;
  if (localtime_r(&t, &lt) == nullptr || lt.tm_year < 80 || lt.tm_year > 207) return 0;
  const auto packed = static_cast<std::uint32_t>(lt.tm_year - 80) << 25 | static_cast<std::uint32_t>(lt.tm_mon + 1) << 21 |
                      static_cast<std::uint32_t>(lt.tm_mday) << 16 | static_cast<std::uint32_t>(lt.tm_hour) << 11 |
                      static_cast<std::uint32_t>(lt.tm_min) << 5 | static_cast<std::uint32_t>(lt.tm_sec / 2);
  return static_cast<Integer>(packed);
}

Integer Attributes(const std::string& name, const struct stat& st) {
  Integer attr = 0;
  if (S_ISDIR(st.st_mode)) attr |= faDirectory;
  else if (S_ISREG(st.st_mode)) attr |= faArchive;
  else attr |= faSysFile;
  if (!(st.st_mode & S_IWUSR)) attr |= faReadOnly;
  if (name[0] == '.' && name != "." && name != "..") attr |= faHidden;
  return attr;
}

// Ascending without case; names equal without case keep a fixed order by their bytes.
bool BeforeIgnoringCase(const FindEntry& a, const FindEntry& b) {
  const Integer c = CompareText(a.name, b.name);
  return c != 0 ? c < 0 : a.name < b.name;
}

// Splits "folder/mask" (either separator, or "X:mask") into its folder and its mask.
void SplitMask(std::string_view pathAndMask, std::string_view& folder, std::string_view& mask) {
  std::size_t cut = pathAndMask.find_last_of("/\\");
  if (cut == std::string_view::npos && pathAndMask.size() >= 2 && pathAndMask[1] == ':') cut = 1;
  folder = cut == std::string_view::npos ? std::string_view() : pathAndMask.substr(0, cut + 1);
  mask = cut == std::string_view::npos ? pathAndMask : pathAndMask.substr(cut + 1);
}

DWORD ReadFolder(const std::string& native, std::string_view mask, Integer exclude, std::vector<FindEntry>& out) {
  DIR* dir = opendir(native.c_str());
  if (dir == nullptr) return errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : WinErrorFromErrno(errno);
  const std::string prefix = native.back() == '/' ? native : native + '/';
  while (const dirent* entry = readdir(dir)) {
    std::string name = Utf8ToCp874(entry->d_name);
    if (!MatchesFileMask(name, mask)) continue;
    struct stat st;
    const std::string full = prefix + entry->d_name;
    if (stat(full.c_str(), &st) != 0 && lstat(full.c_str(), &st) != 0) continue;   // vanished meanwhile
    const Integer attr = Attributes(name, st);
    if (attr & exclude) continue;
    out.push_back({std::move(name), attr, static_cast<Int64>(st.st_size), DosDateTime(st.st_mtime)});
  }
  closedir(dir);
  return ERROR_SUCCESS;
}

}  // namespace

Integer FindFirst(std::string_view pathAndMask, Integer attributes, TSearchRec& rec) {
  FindClose(rec);
  rec.ExcludeAttr = ~attributes & kSpecial;
  std::string_view folder, mask;
  SplitMask(pathAndMask, folder, mask);
  std::string native = ".";
  if (!folder.empty()) {
    if (const DWORD err = ResolvePath(folder, native)) return static_cast<Integer>(err == ERROR_BAD_NETPATH ? err : ERROR_PATH_NOT_FOUND);
  }
  auto state = std::make_unique<FindState>();
  if (const DWORD err = ReadFolder(native, mask, rec.ExcludeAttr, state->entries)) return static_cast<Integer>(err);
  if (state->entries.empty()) return ERROR_FILE_NOT_FOUND;
  std::sort(state->entries.begin(), state->entries.end(), BeforeIgnoringCase);
  rec.FindHandle = std::move(state);
  return FindNext(rec);
}

Integer FindNext(TSearchRec& rec) {
  FindState* state = rec.FindHandle.get();
  if (state == nullptr || state->next >= state->entries.size()) return ERROR_NO_MORE_FILES;
  const FindEntry& e = state->entries[state->next++];
  rec.Name = e.name;
  rec.Attr = e.attr;
  rec.Size = e.size;
  rec.Time = e.time;
  return 0;
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }
