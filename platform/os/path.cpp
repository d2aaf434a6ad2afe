// Path resolution; see path.h.
#include "platform/os/path.h"

#include <dirent.h>
#include <sys/stat.h>


#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/drive_map.h"

namespace {

bool IsSep(char c) { return c == '/' || c == '\\'; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` equal to `name` ignoring ASCII case (smallest in byte order), or "".
std::string FindWithoutCase(const std::string& folder, std::string_view name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  std::string best;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view candidate(entry->d_name);
    if (SameText(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  closedir(dir);
  return best;
}

// Replaces each component of `path` that does not exist by its match without case, up to the
// first component that matches nothing.
std::string MatchCase(const std::string& path) {
  if (path.empty() || Exists(path)) return path;
  std::string out;
  std::size_t pos = 0;
  if (path[0] == '/') {
    out = "/";
    pos = 1;
  }
  bool matching = true;
  while (pos < path.size()) {
    std::size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    const std::string_view component(path.data() + pos, end - pos);
    const std::size_t folderLength = out.size();
    out.append(component);
    if (matching && component != "." && component != ".." && !Exists(out)) {
      std::string folder = out.substr(0, folderLength);
      const std::string found = FindWithoutCase(folder, component);
      if (found.empty()) matching = false;
      else out.replace(folderLength, component.size(), found);
    }
    if (end < path.size()) out.push_back('/');
    pos = end + 1;
  }
  return out;
}

// `root` + "/" + `rest`, with every run of '/' collapsed to one.
std::string Join(const std::string& root, const std::string& rest) {
  const std::string joined = root + '/' + rest;
  std::string out;
  for (char c : joined)
    if (c != '/' || out.empty() || out.back() != '/') out.push_back(c);
  return out;
}

std::string NativeSeparators(std::string_view cp874) {
  std::string utf8 = Cp874ToUtf8(cp874);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  return utf8;
}

// Splits a UNC path "\\server\share\rest" (either separator); false when it is not one.
bool SplitUnc(std::string_view path, std::string_view& server, std::string_view& share, std::string_view& rest) {
  if (path.size() < 5 || !IsSep(path[0]) || !IsSep(path[1]) || IsSep(path[2])) return false;
  std::size_t i = 2;
  while (i < path.size() && !IsSep(path[i])) ++i;
  server = path.substr(2, i - 2);
  if (i >= path.size()) return false;
  const std::size_t shareStart = ++i;
  while (i < path.size() && !IsSep(path[i])) ++i;
  share = path.substr(shareStart, i - shareStart);
  rest = path.substr(i);
  return !share.empty();
}

}  // namespace

DWORD ResolvePath(std::string_view path, std::string& native) {
  native.clear();
  if (path.find('\0') != std::string_view::npos) return ERROR_INVALID_NAME;
  std::string joined;
  std::string_view server, share, rest;
  if (SplitUnc(path, server, share, rest)) {
    const std::optional<std::string> root = UncRoot(server, share);
    if (!root) return ERROR_BAD_NETPATH;
    joined = Join(*root, NativeSeparators(rest));
  } else if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
    joined = Join(DriveRoot(path[0]), NativeSeparators(path.substr(2)));
  } else {
    joined = NativeSeparators(path);
  }
  native = MatchCase(joined);
  return ERROR_SUCCESS;
}

std::string ResolvePath(std::string_view path) {
  std::string native;
  ResolvePath(path, native);
  return native;
}
