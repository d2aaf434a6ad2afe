// Full folder paths; see full_folder_path.h.
#include "platform/os/full_folder_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/drive_map.h"
#include "platform/os/path.h"

namespace {

bool IsNativeFolder(const std::string& native) {
  struct stat st;
  return stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The full path of a native (UTF-8) folder, UTF-8; "" when it is none.
std::string RealFolder(const std::string& native) {
  if (native.empty() || !IsNativeFolder(native)) return {};
  char resolved[PATH_MAX];
  return realpath(native.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

std::string NativeOf(std::string_view path) {
  std::string native;
  return ResolvePath(path, native) == ERROR_SUCCESS ? native : std::string();
}

}  // namespace

std::string FullFolderPath(std::string_view path) { return Utf8ToCp874(RealFolder(NativeOf(path))); }

bool CanEnterFolder(std::string_view path) {
  const std::string native = NativeOf(path);
  return !native.empty() && IsNativeFolder(native) && faccessat(AT_FDCWD, native.c_str(), X_OK, AT_EACCESS) == 0;
}

std::vector<std::string> DriveRootFolders() {
  std::vector<std::string> folders;
  for (char drive = 'A'; drive <= 'Z'; ++drive)
    if (const std::string full = RealFolder(DriveRoot(drive)); !full.empty()) folders.push_back(Utf8ToCp874(full));
  // Without case first; names equal without case in byte order, so equal ones meet.
  std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
    const Integer order = CompareText(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  return folders;
}
