#include "controls/interim/shell_folder_list.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/os/full_folder_path.h"
#include "platform/os/path.h"

namespace {

bool IsFolder(const std::string& native) {
  struct stat st;
  return stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Ascending without case; names equal without case in byte order.
bool PrecedesWithoutCase(const std::string& a, const std::string& b) {
  const Integer order = CompareText(a, b);
  return order != 0 ? order < 0 : a < b;
}

std::string Child(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string ParentOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}

// Whether the folder `path` is `root` or lies below it (both full paths).
bool Holds(const std::string& root, const std::string& path) {
  if (root == "/") return true;
  return path.starts_with(root) && (path.size() == root.size() || path[root.size()] == '/');
}

// The full native (UTF-8) path of the deepest existing folder along the text's path.
std::string DeepestExistingFolder(const std::string& text) {
  std::string native = ResolvePath(text);
  if (native.empty()) return {};
  std::filesystem::path absolute(native);
  if (absolute.is_relative()) absolute = std::filesystem::current_path() / absolute;
  std::string folder = absolute.lexically_normal().string();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  while (!IsFolder(folder)) folder = ParentOf(folder);
  char resolved[PATH_MAX];
  return realpath(folder.c_str(), resolved) != nullptr ? std::string(resolved) : std::string("/");
}

// The names (UTF-8) of the folder's subfolders that are not hidden and that code page 874 holds,
// in the list's order.
std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.starts_with('.') || Cp874ToUtf8(Utf8ToCp874(name)) != name) continue;
    if (IsFolder(Child(folder, name))) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), PrecedesWithoutCase);
  return names;
}

// The top-level folders (UTF-8): "/" and the drives' folders.
std::vector<std::string> TopFolders() {
  std::vector<std::string> tops{"/"};
  for (const std::string& folder : DriveRootFolders())
    if (folder != "/") tops.push_back(Cp874ToUtf8(folder));
  std::sort(tops.begin(), tops.end(), PrecedesWithoutCase);
  return tops;
}

// The folders from `top` down to `deepest` (neither included), then deepest's subfolders.
void AppendBranch(const std::string& top, const std::string& deepest, std::vector<TShellFolderItem>& items) {
  std::string path = top;
  Integer depth = 0;
  const std::string below = deepest.substr(top == "/" ? 1 : top.size());
  for (std::size_t start = 0; start < below.size();) {
    if (below[start] == '/') ++start;
    const std::size_t end = std::min(below.find('/', start), below.size());
    const std::string name = below.substr(start, end - start);
    path = Child(path, name);
    items.push_back({Utf8ToCp874(path), Utf8ToCp874(name), ++depth});
    start = end;
  }
  for (const std::string& name : SubfolderNames(deepest))
    items.push_back({Utf8ToCp874(Child(path, name)), Utf8ToCp874(name), depth + 1});
}

}  // namespace

std::vector<TShellFolderItem> ShellFolderItems(const std::string& Text) {
  const std::vector<std::string> tops = TopFolders();
  const std::string deepest = Text.empty() ? std::string() : DeepestExistingFolder(Text);
  // The deepest top-level folder that holds the text's folder carries the branch.
  std::string holder;
  for (const std::string& top : tops)
    if (!deepest.empty() && Holds(top, deepest) && top.size() >= holder.size()) holder = top;
  std::vector<TShellFolderItem> items;
  for (const std::string& top : tops) {
    items.push_back({Utf8ToCp874(top), Utf8ToCp874(top), 0});
    if (top == holder) AppendBranch(top, deepest, items);
  }
  return items;
}
