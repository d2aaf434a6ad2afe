// The shared part of classic files; see classic_file.h.
#include "platform/os/classic_file.h"

#include "platform/os/classic_io.h"
#include "platform/os/file_mode.h"

void ClassicFile::Assign(std::string_view name) {
  file_.Close();
  name_ = name;
  assigned_ = true;
}

bool ClassicFile::OpenAssigned(DWORD access, DWORD disposition) {
  file_.Close();
  if (!assigned_) {
    classic_io::Fail(102);
    return false;
  }
  const DWORD share = FileModeShare(FileMode, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (const DWORD err = file_.Open(name_, access, share, disposition)) {
    classic_io::Fail(classic_io::OpenResult(err));
    return false;
  }
  return true;
}

bool ClassicFile::CheckOpen() const {
  if (file_.IsOpen()) return true;
  classic_io::Fail(103);
  return false;
}
