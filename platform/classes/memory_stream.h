// TCustomMemoryStream and TMemoryStream: a stream over a block of memory.
//
// The capacity is a whole number of 8 KB steps (Capacity >= Size).  Writing past it grows the block
// by at least a quarter, so a stream written in small pieces is copied O(n) times in total, not
// O(n^2); SetCapacity sets it exactly.  Seeking past the end is allowed and the gap reads as zeros
// once written over; SetSize zeroes the bytes it adds.  Memory() points at Size bytes and stays
// valid until the size or capacity changes.
#pragma once

#include <memory>
#include <string_view>

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
  Int64 Capacity() const { return capacity_; }
  void SetCapacity(Int64 NewCapacity);

 private:
  void Grow(Int64 NeededCapacity);
  std::unique_ptr<Byte[]> block_;
  Int64 capacity_ = 0;
};
