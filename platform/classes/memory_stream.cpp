#include "platform/classes/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/file_stream.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TCustomMemoryStream)
PR_IMPLEMENT_CLASS(TMemoryStream)

namespace {
constexpr Int64 kMemoryDelta = 0x2000;   // capacity grows in steps of 8 KB
// Larger blocks are refused outright: more than any machine here has, and the rounding to steps
// cannot overflow below it.
constexpr Int64 kMaxCapacity = Int64{1} << 40;

// Left uninitialised: only bytes below Size are ever read, and those were written or zeroed.
std::unique_ptr<Byte[]> AllocateBlock(Int64 Capacity) {
  try {
    return std::unique_ptr<Byte[]>(new Byte[static_cast<std::size_t>(Capacity)]);
  } catch (const std::bad_alloc&) {
    throw EStreamError(classes_text::kMemoryStreamError);
  }
}
}

Integer TCustomMemoryStream::Read(void* Buffer, Integer Count) {
  if (position_ < 0 || Count <= 0) return 0;
  const Int64 available = size_ - position_;
  if (available <= 0) return 0;
  const auto n = static_cast<Integer>(available < Count ? available : Count);
  std::memcpy(Buffer, data_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

Int64 TCustomMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: position_ = Offset; break;
    case soCurrent: position_ += Offset; break;
    case soEnd: position_ = size_ + Offset; break;
  }
  return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
  if (size_ > 0) Stream->WriteBuffer(data_, static_cast<Integer>(size_));
}

void TCustomMemoryStream::SaveToFile(std::string_view FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TMemoryStream::SetCapacity(Int64 NewCapacity) {
  if (NewCapacity < 0 || NewCapacity > kMaxCapacity) throw EStreamError(classes_text::kMemoryStreamError);
  NewCapacity = (NewCapacity + (kMemoryDelta - 1)) & ~(kMemoryDelta - 1);
  const Int64 kept = std::min(Size(), NewCapacity);
  std::unique_ptr<Byte[]> block;
  if (NewCapacity > 0) {
    block = AllocateBlock(NewCapacity);
    if (kept > 0) std::memcpy(block.get(), block_.get(), static_cast<std::size_t>(kept));
  }
  block_ = std::move(block);
  capacity_ = NewCapacity;
  SetPointer(block_.get(), kept);
}

void TMemoryStream::Grow(Int64 NeededCapacity) {
  SetCapacity(std::max(NeededCapacity, std::min(capacity_ + capacity_ / 4, kMaxCapacity)));
}

void TMemoryStream::SetSize(Int64 NewSize) {
  if (NewSize < 0) NewSize = 0;
  const Int64 oldPosition = position_;
  const Int64 oldSize = Size();
  if (NewSize > Capacity() || NewSize == 0) SetCapacity(NewSize);
  if (NewSize > oldSize) std::memset(block_.get() + oldSize, 0, static_cast<std::size_t>(NewSize - oldSize));
  SetPointer(block_.get(), NewSize);
  if (oldPosition > NewSize) Seek(0, soEnd);
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count) {
  if (position_ < 0 || Count <= 0) return 0;
  if (position_ > kMaxCapacity) throw EStreamError(classes_text::kMemoryStreamError);
  const Int64 end = position_ + Count;
  if (end > Size()) {
    if (end > Capacity()) Grow(end);
    if (position_ > Size()) std::memset(block_.get() + Size(), 0, static_cast<std::size_t>(position_ - Size()));
    SetPointer(block_.get(), end);
  }
  std::memcpy(block_.get() + position_, Buffer, static_cast<std::size_t>(Count));
  position_ = end;
  return Count;
}

void TMemoryStream::Clear() {
  SetCapacity(0);
  SetPointer(nullptr, 0);
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  const Int64 count = Stream->Size();
  SetSize(count);
  if (count != 0) Stream->ReadBuffer(Memory(), static_cast<Integer>(count));
  position_ = 0;
}

void TMemoryStream::LoadFromFile(std::string_view FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}
