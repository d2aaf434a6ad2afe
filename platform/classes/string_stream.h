// TStringStream: a stream over a string of code page 874 bytes (DataString).
//
// Writing past the end extends the string; writing inside it overwrites in place, as every other
// stream does (the class library's version cut the string after what was written, losing the rest;
// nothing here relies on that).  Seeking is kept within 0 .. size; from the end, Offset counts
// forward as for every other stream.
#pragma once

#include <string>

#include "platform/classes/stream.h"

class TStringStream : public TStream {
  PR_CLASS(TStringStream, TStream)

 public:
  explicit TStringStream(std::string AString = {}) : data_(std::move(AString)) {}

  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 Size() override { return static_cast<Int64>(data_.size()); }
  void SetSize(Int64 NewSize) override;
  // Up to Count bytes from the position.
  std::string ReadString(Integer Count);
  void WriteString(const std::string& AString);
  const std::string& DataString() const { return data_; }

 private:
  // How many of Count bytes are left after the position.
  std::size_t Available(Integer Count) const;
  std::string data_;
  Int64 position_ = 0;
};
