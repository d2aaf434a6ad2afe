// TCustomMemoryStream and TMemoryStream: a stream over a block of memory.
//
// The block grows in steps of 8 KB as data is written past its end (Capacity >= Size); seeking past
// the end is allowed and the gap reads as zeros once written over.  Memory() points at Size bytes
// and stays valid until the size or capacity changes.
#pragma once

#include <string_view>
#include <vector>

#include "platform/classes/stream.h"

class TCustomMemoryStream : public TStream {
  PR_CLASS(TCustomMemoryStream, TStream)

 public:
  Integer Read(void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  Int64 Size() override { return size_; }
  void* Memory() { return data_; }
  const void* Memory() const { return data_; }
  void SaveToStream(TStream* Stream);
  void SaveToFile(std::string_view FileName);

 protected:
  // The block this stream reads (a subclass owns it).
  void SetPointer(void* Ptr, Int64 Size) {
    data_ = static_cast<Byte*>(Ptr);
    size_ = Size;
  }
  Int64 position_ = 0;

 private:
  Byte* data_ = nullptr;
  Int64 size_ = 0;
};

class TMemoryStream : public TCustomMemoryStream {
  PR_CLASS(TMemoryStream, TCustomMemoryStream)

 public:
  TMemoryStream() = default;
  Integer Write(const void* Buffer, Integer Count) override;
  void SetSize(Int64 NewSize) override;
  void Clear();
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(std::string_view FileName);
  Int64 Capacity() const { return static_cast<Int64>(block_.size()); }
  void SetCapacity(Int64 NewCapacity);

 private:
  std::vector<Byte> block_;
};
