#include "app/slot_file.h"

#include "app/typed_records.h"
#include "suite/fatal_error.h"

namespace {


size_t SlotBytes(Integer recordSize) { return static_cast<size_t>(kSlotCount) * static_cast<size_t>(recordSize); }

}  // namespace

Integer ReadSlotFile(const std::string& name, Integer recordSize, std::vector<Byte>& slots) {
  TypedRecords stored;
  const Integer result = ReadTypedRecords(name, recordSize, kSlotCount, stored);
  slots = std::move(stored.bytes);
  slots.resize(SlotBytes(recordSize), 0);
  return result;
}

Integer WriteSlotFile(const std::string& name, Integer recordSize, const std::vector<Byte>& slots) {
  return RewriteTypedRecords(name, recordSize, slots);
}

bool RewriteSlotFileIfChanged(const std::string& name, Integer recordSize, const std::vector<Byte>& startSlots,
                              const std::function<void(std::vector<Byte>&)>& reapply) {
  TypedRecords stored;
  const Integer result = ReadTypedRecords(name, recordSize, kSlotCount, stored);
  if (result != 0 && result != kFileNotFoundResult) {
    FileFatalErrorText(result, CannotOpenFileText(name));
    return false;
  }
  std::vector<Byte> slots = result == 0 ? stored.bytes : startSlots;
  slots.resize(SlotBytes(recordSize), 0);
  reapply(slots);
  if (result == 0 && HoldsExactly(stored, recordSize, slots)) return true;
  if (const Integer written = WriteSlotFile(name, recordSize, slots); written != 0) {
    FileFatalErrorText(written, CannotCreateFileText(name));
    return false;
  }
  return true;
}
