// File-name helpers; see file_names.h.
#include "platform/os/file_names.h"

#include <vector>

#include "platform/os/folders.h"

namespace {

bool IsSep(char c) { return c == '/' || c == '\\'; }

// Index just past the last separator or drive colon (0 when there is none).
std::size_t NameStart(std::string_view s) {
  const std::size_t i = s.find_last_of("/\\:");
  return i == std::string_view::npos ? 0 : i + 1;
}

char DelimiterFor(std::string_view path) {
  return path.find('\\') != std::string_view::npos && path.find('/') == std::string_view::npos ? '\\' : '/';
}

// Length of the root of an absolute path ("/", "C:\", "\\server\share\"), 0 for a relative path.
std::size_t RootLength(std::string_view s) {
  if (s.size() >= 2 && IsSep(s[0]) && IsSep(s[1])) {
    std::size_t i = s.find_first_of("/\\", 2);
    if (i != std::string_view::npos) i = s.find_first_of("/\\", i + 1);
    return i == std::string_view::npos ? s.size() : i + 1;
  }
  if (!s.empty() && IsSep(s[0])) return 1;
  if (s.size() >= 3 && s[1] == ':' && IsSep(s[2])) return 3;
  return 0;
}

}  // namespace

std::string ExtractFilePath(std::string_view fileName) { return std::string(fileName.substr(0, NameStart(fileName))); }

std::string ExtractFileDir(std::string_view fileName) {
  std::string dir = ExtractFilePath(fileName);
  if (dir.size() > RootLength(dir) && IsSep(dir.back())) dir.pop_back();
  return dir;
}

std::string ExtractFileName(std::string_view fileName) { return std::string(fileName.substr(NameStart(fileName))); }

std::string ExtractFileExt(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot < NameStart(fileName)) return {};
  return std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
  const std::size_t extLength = ExtractFileExt(fileName).size();
  std::string out(fileName.substr(0, fileName.size() - extLength));
  out.append(extension);
  return out;
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
  std::string out(path);
  if (out.empty() || !IsSep(out.back())) out.push_back(DelimiterFor(path));
  return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
  std::string out(path);
  if (!out.empty() && IsSep(out.back())) out.pop_back();
  return out;
}

std::string ExpandFileName(std::string_view fileName) {
  std::string full(fileName);
  if (RootLength(full) == 0 && !(full.size() >= 2 && full[1] == ':'))
    full = IncludeTrailingPathDelimiter(GetCurrentDir()) + full;
  const char delimiter = DelimiterFor(full);
  const std::size_t root = RootLength(full);
  std::vector<std::string_view> parts;
  const std::string_view body = std::string_view(full).substr(root);
  for (std::size_t pos = 0; pos <= body.size();) {
    std::size_t end = body.find_first_of("/\\", pos);
    if (end == std::string_view::npos) end = body.size();
    const std::string_view part = body.substr(pos, end - pos);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (part != "." && !(part.empty() && end < body.size())) {
      parts.push_back(part);
    }
    pos = end + 1;
  }
  std::string out = full.substr(0, root);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.push_back(delimiter);
    out.append(parts[i]);
  }
  return out;
}
