#include "platform/ui/graphic_streams.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/stream.h"

std::vector<Byte> ReadRest(TStream* Stream) {
  const Int64 count = Stream->Size() - Stream->Position();
  std::vector<Byte> bytes(count > 0 ? std::size_t(count) : std::size_t{0});
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), Integer(bytes.size()));
  return bytes;
}

std::vector<Byte> ReadSized(TStream* Stream) {
  Byte size[4];
  Stream->ReadBuffer(size, 4);
  const Int64 count = Int64(size[0]) | Int64(size[1]) << 8 | Int64(size[2]) << 16 | Int64(size[3]) << 24;
  if (count > Stream->Size() - Stream->Position()) throw EReadError("Stream read error");
  std::vector<Byte> bytes(static_cast<std::size_t>(count));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), Integer(bytes.size()));
  return bytes;
}

void WriteSized(TStream* Stream, TCustomMemoryStream& Bytes) {
  const auto count = std::uint32_t(Bytes.Size());
  const Byte size[4] = {Byte(count), Byte(count >> 8), Byte(count >> 16), Byte(count >> 24)};
  Stream->WriteBuffer(size, 4);
  if (count > 0) Stream->WriteBuffer(Bytes.Memory(), Integer(count));
}
