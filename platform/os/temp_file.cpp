// GetTempFileName (see temp_file.h).
#include "platform/os/temp_file.h"

#include <cstdio>

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "platform/os/os_error.h"

namespace {

constexpr Cardinal kNumbers = 0xFFFF;   // 1..FFFF: 0 means "choose one"

// The folder as given, with a separator in its own style when it has none at its end.
std::string FolderPrefix(std::string_view folder) {
  std::string out(folder);
  if (out.empty() || out.back() == '/' || out.back() == '\\') return out;
  const bool windowsForm = out.find('\\') != std::string::npos && out.find('/') == std::string::npos;
  out += windowsForm ? '\\' : '/';
  return out;
}

std::string NameFor(const std::string& folder, std::string_view prefix, Cardinal number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(number & 0xFFFF));
  return folder + std::string(prefix.substr(0, 3)) + digits + ".TMP";
}

}  // namespace

Cardinal GetTempFileName(std::string_view folder, std::string_view prefix, Cardinal unique,
                         std::string& name) {
  const std::string start = FolderPrefix(folder);
  if (unique != 0) {
    name = NameFor(start, prefix, unique);
    return unique;
  }
  Cardinal number = static_cast<Cardinal>(GetTickCount64() % kNumbers) + 1;
  for (Cardinal tries = 0; tries < kNumbers; ++tries, number = number % kNumbers + 1) {
    const std::string candidate = NameFor(start, prefix, number);
    File file;
    const DWORD error = file.Open(candidate, GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, CREATE_NEW);
    if (error == ERROR_SUCCESS) {
      name = candidate;
      return number;
    }
    if (error != ERROR_FILE_EXISTS) {
      SetLastError(error);
      return 0;
    }
  }
  SetLastError(ERROR_FILE_EXISTS);
  return 0;
}
