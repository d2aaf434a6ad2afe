#include "app/file_can_be_opened.h"

#include "platform/os/classic_io.h"
#include "platform/os/typed_file.h"
#include "suite/read_only_reset.h"

namespace {

constexpr Integer kProbeRecordSize = 128;

}  // namespace

bool FileCanBeOpened(const std::string& name) {
  TypedFile file;
  AssignFile(file, name);
  ResetReadOnly(file, kProbeRecordSize);
  if (IOResult() != 0) return false;
  CloseFile(file);
  IOResult();
  return true;
}
