// The class library's file-name helpers on code page 874 paths.
//
// Both '/' and '\' count as separators, and ':' ends a drive prefix, so the helpers work alike on
// native paths and on Windows-form paths from stored data.  A separator that these helpers add is
// '\' when the path already uses '\' and no '/' (Windows-form data stays in its form), else '/'.
#pragma once

#include <string>
#include <string_view>

// "C:\ACC\PR.DAT" -> "C:\ACC\" ; "/srv/acc/PR.DAT" -> "/srv/acc/" ; "PR.DAT" -> "".
std::string ExtractFilePath(std::string_view fileName);
// As ExtractFilePath without the final separator (kept for a root: "/x" -> "/", "C:\x" -> "C:\").
std::string ExtractFileDir(std::string_view fileName);
std::string ExtractFileName(std::string_view fileName);
// The extension with its dot ("PR.DAT" -> ".DAT"), "" when the name has none.
std::string ExtractFileExt(std::string_view fileName);
// The name with its extension replaced by `extension` (which carries its own dot, or is "").
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
// An absolute path without "." and ".." components; a relative one is taken from the current folder.
std::string ExpandFileName(std::string_view fileName);
