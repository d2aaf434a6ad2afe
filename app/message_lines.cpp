#include "app/message_lines.h"

#include "app/typed_records.h"

std::vector<Byte> MessageLines;

void ReadMessageLines() {
  TypedRecords stored;
  ReadTypedRecords("MESSAGE.BOX", kMessageLineSize, kMessageLineSlots, stored);
  MessageLines = std::move(stored.bytes);
  MessageLines.resize(static_cast<size_t>(kMessageLineSlots) * kMessageLineSize, 0);
}
