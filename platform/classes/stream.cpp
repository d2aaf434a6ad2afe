#include "platform/classes/stream.h"

#include <algorithm>
#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"

PR_IMPLEMENT_CLASS(TStream)

Int64 TStream::Size() {
  const Int64 pos = Seek(0, soCurrent);
  const Int64 size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(Int64) {}

void TStream::ReadBuffer(void* Buffer, Integer Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(classes_text::kReadError);
}

void TStream::WriteBuffer(const void* Buffer, Integer Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(classes_text::kWriteError);
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
  constexpr Int64 kMaxBufSize = 0xF000;
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  const Int64 total = Count;
  std::vector<Byte> buffer(static_cast<std::size_t>(std::min(Count, kMaxBufSize)));
  while (Count > 0) {
    const auto n = static_cast<Integer>(std::min(Count, kMaxBufSize));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    Count -= n;
  }
  return total;
}

TComponent* TStream::ReadComponent(TComponent* Instance) {
  TReader reader(this, 4096);
  return reader.ReadRootComponent(Instance);
}

void TStream::WriteComponent(TComponent* Instance) { WriteDescendent(Instance, nullptr); }

void TStream::WriteDescendent(TComponent* Instance, TComponent* Ancestor) {
  TWriter writer(this, 4096);
  writer.WriteDescendent(Instance, Ancestor);
  writer.FlushBuffer();   // here, where a failing write can still be reported
}
