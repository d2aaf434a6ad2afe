// THandleStream and TFileStream: streams over an open platform file (platform/os/file.h).
//
// Open modes as the class library has them: fmCreate creates or truncates the file and opens it
// exclusively; otherwise the low two bits choose the access (fmOpenRead, fmOpenWrite,
// fmOpenReadWrite) and bits 4-6 the sharing (fmShareCompat and fmShareExclusive share nothing,
// fmShareDenyWrite lets others read, fmShareDenyRead lets others write, fmShareDenyNone both).
// Failures raise EFCreateError / EFOpenError "Cannot create/open file "<full name>". <system text>".
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/stream.h"
#include "platform/os/file.h"

inline constexpr Word fmCreate = 0xFFFF;
inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmShareCompat = 0x0000;
inline constexpr Word fmShareExclusive = 0x0010;
inline constexpr Word fmShareDenyWrite = 0x0020;
inline constexpr Word fmShareDenyRead = 0x0030;
inline constexpr Word fmShareDenyNone = 0x0040;

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
