// Classic typed files; see typed_file.h.
//
// Invariant: while open, recordSize_ > 0 and the handle's position is the byte offset of the
// current record (FilePos * recordSize_), also after a failed Read or Write.
#include "platform/os/typed_file.h"

#include "platform/core/win_errors.h"
#include "platform/os/classic_io.h"
#include "platform/os/file_mode.h"

namespace {

constexpr Integer kReadPastEnd = 100;
constexpr Integer kWriteFault = 101;
constexpr Integer kInvalidAccess = 12;

}  // namespace

bool TypedFile::Ready() { return classic_io::Begin() && CheckOpen(); }

bool TypedFile::Open(Integer recordSize, DWORD access, DWORD disposition) {
  if (!classic_io::Begin()) return false;
  if (recordSize <= 0) {
    classic_io::Fail(static_cast<Integer>(ERROR_INVALID_PARAMETER));
    return false;
  }
  if (access == 0) {
    file_.Close();
    classic_io::Fail(kInvalidAccess);
    return false;
  }
  recordSize_ = recordSize;
  return OpenAssigned(access, disposition);
}

void AssignFile(TypedFile& f, std::string_view name) { f.Assign(name); }

void Reset(TypedFile& f, Integer recordSize) { f.Open(recordSize, FileModeAccess(FileMode), OPEN_EXISTING); }

void Rewrite(TypedFile& f, Integer recordSize) { f.Open(recordSize, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS); }

void Read(TypedFile& f, void* record) {
  if (!f.Ready()) return;
  DWORD done = 0;
  const DWORD n = static_cast<DWORD>(f.recordSize_);
  if (const DWORD err = f.file_.ReadAt(f.file_.Position(), record, n, done)) classic_io::Fail(static_cast<Integer>(err));
  else if (done < n) classic_io::Fail(kReadPastEnd);
  else f.file_.Seek(n, FILE_CURRENT);
}

void Write(TypedFile& f, const void* record) {
  if (!f.Ready()) return;
  DWORD done = 0;
  const DWORD n = static_cast<DWORD>(f.recordSize_);
  if (const DWORD err = f.file_.WriteAt(f.file_.Position(), record, n, done)) classic_io::Fail(classic_io::WriteResult(err));
  else if (done < n) classic_io::Fail(kWriteFault);
  else f.file_.Seek(n, FILE_CURRENT);
}

bool Eof(TypedFile& f) {
  const Int64 size = FileSize(f);
  return size < 0 || FilePos(f) >= size;
}

Int64 FileSize(TypedFile& f) {
  if (!f.Ready()) return -1;
  Int64 bytes = 0;
  if (const DWORD err = f.file_.Size(bytes)) {
    classic_io::Fail(static_cast<Integer>(err));
    return -1;
  }
  return bytes / f.recordSize_;
}

Int64 FilePos(TypedFile& f) {
  if (!f.Ready()) return -1;
  return f.file_.Position() / f.recordSize_;
}

void Seek(TypedFile& f, Int64 record) {
  if (!f.Ready()) return;
  if (record < 0) classic_io::Fail(static_cast<Integer>(ERROR_NEGATIVE_SEEK));
  else f.file_.Seek(record * f.recordSize_, FILE_BEGIN);
}

void Truncate(TypedFile& f) {
  if (!f.Ready()) return;
  if (const DWORD err = f.file_.SetEndOfFile()) classic_io::Fail(static_cast<Integer>(err));
}

void CloseFile(TypedFile& f) {
  if (!f.Ready()) return;
  if (const DWORD err = f.file_.Close()) classic_io::Fail(static_cast<Integer>(err));
}
