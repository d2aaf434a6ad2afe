#include "app/file_can_be_opened.h"

#include "platform/os/classic_io.h"
#include "platform/os/typed_file.h"

namespace {

constexpr Integer kProbeRecordSize = 128;
constexpr Byte kReadOnlyMode = 0;

}  // namespace

bool FileCanBeOpened(const std::string& name) {
  TypedFile file;
  AssignFile(file, name);
  const Byte savedMode = FileMode;
  FileMode = kReadOnlyMode;
  Reset(file, kProbeRecordSize);
  FileMode = savedMode;
  if (IOResult() != 0) return false;
  CloseFile(file);
  IOResult();
  return true;
}
