// GetTempFileName (see temp_file.h).
#include "platform/os/temp_file.h"

#include "platform/core/int_text.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "platform/os/file_names.h"
#include "platform/os/os_error.h"

namespace {

constexpr Cardinal kNumbers = 0xFFFF;   // 1..FFFF: 0 means "choose one"

// The folder as given, with a separator in its own style when it has none at its end; an empty
// folder (the current one) stays empty.
std::string FolderPrefix(std::string_view folder) {
  return folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder);
}

std::string NameFor(const std::string& folder, std::string_view prefix, Cardinal number) {
  return folder + std::string(prefix.substr(0, 3)) + IntToHex(static_cast<Integer>(number & 0xFFFF), 0) + ".TMP";
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
