// THandleStream and TFileStream: streams over an open platform file (platform/os/file.h).
//
// Open modes as the class library has them: fmCreate creates or truncates the file and opens it
// exclusively; otherwise the mode is an access and a share mode of platform/os/file_mode.h, with
// fmShareCompat sharing nothing (as fmShareExclusive does).
// Failures raise EFCreateError / EFOpenError "Cannot create/open file "<full name>". <system text>".
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/stream.h"
#include "platform/os/file.h"
#include "platform/os/file_mode.h"

inline constexpr Word fmCreate = 0xFFFF;

class THandleStream : public TStream {
  PR_CLASS(THandleStream, TStream)

 public:
  explicit THandleStream(File AHandle) : file_(std::move(AHandle)) {}
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  void SetSize(Int64 NewSize) override;
  File& Handle() { return file_; }

 protected:
  THandleStream() = default;
  File file_;
};

class TFileStream : public THandleStream {
  PR_CLASS(TFileStream, THandleStream)

 public:
  TFileStream(std::string_view FileName, Word Mode);
  const std::string& FileName() const { return fileName_; }

 private:
  std::string fileName_;
};
