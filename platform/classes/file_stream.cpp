#include "platform/classes/file_stream.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/publisher.h"
#include "platform/core/win_errors.h"
#include "platform/os/sys_error_text.h"

PR_IMPLEMENT_CLASS(THandleStream)
PR_IMPLEMENT_CLASS(TFileStream)

Integer THandleStream::Read(void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  DWORD done = 0;
  if (file_.Read(Buffer, static_cast<DWORD>(Count), done) != ERROR_SUCCESS) return 0;
  return static_cast<Integer>(done);
}

Integer THandleStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  DWORD done = 0;
  if (file_.Write(Buffer, static_cast<DWORD>(Count), done) != ERROR_SUCCESS) return 0;
  return static_cast<Integer>(done);
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  Int64 position = -1;
  if (file_.Seek(Offset, static_cast<DWORD>(Origin), &position) != ERROR_SUCCESS) return -1;
  return position;
}

void THandleStream::SetSize(Int64 NewSize) {
  if (file_.SetSize(NewSize) != ERROR_SUCCESS) throw EStreamError(classes_text::kWriteError);
  if (Position() > NewSize) Seek(0, soEnd);
}

TFileStream::TFileStream(std::string_view FileName, Word Mode) : fileName_(FileName) {
  const bool create = Mode == fmCreate;
  const DWORD error = create ? file_.Open(FileName, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS)
                             : file_.Open(FileName, FileModeAccess(Mode), FileModeShare(Mode, 0), OPEN_EXISTING);
  if (error == ERROR_SUCCESS) return;
  const std::string message = Format(create ? classes_text::kFCreateError : classes_text::kFOpenError,
                                                 {fileName_, SysErrorMessage(error)});
  if (create) throw EFCreateError(message);
  throw EFOpenError(message);
}
