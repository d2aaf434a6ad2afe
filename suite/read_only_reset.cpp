#include "suite/read_only_reset.h"

#include "platform/os/classic_io.h"
#include "platform/os/file_mode.h"

void ResetReadOnly(TypedFile& file, Integer recordSize) {
  const Byte savedMode = FileMode;
  FileMode = static_cast<Byte>(fmOpenRead | (FileMode & ~3));
  Reset(file, recordSize);
  FileMode = savedMode;
}
