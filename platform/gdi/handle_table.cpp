// The handle table; see handle_table.h for the handle layout and the locking rules.
#include "platform/gdi/handle_table.h"

namespace gdi {
namespace {
constexpr std::uint32_t kSlotBits = 20;
constexpr std::uint32_t kKindShift = 20;
constexpr std::uint32_t kGenerationShift = 25;
constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr std::uint8_t kGenerationMask = 0x3F;
}  // namespace

HandleTable& HandleTable::Instance() {
  static HandleTable* table = new HandleTable;   // lives to the end of the process: stock objects
  return *table;                                  // and late destructors may still use it
}

std::uint32_t HandleTable::Add(std::unique_ptr<GdiObject> object) {
  if (!object) return 0;
  std::lock_guard lock(mutex_);
  std::uint32_t slot;
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  } else {
    if (slots_.size() > kSlotMask) return 0;
    slot = static_cast<std::uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot& s = slots_[slot];
  const std::uint32_t kind = static_cast<std::uint32_t>(object->Kind());
  object->handle_ = (std::uint32_t(s.generation) << kGenerationShift) | (kind << kKindShift) | slot;
  s.object = std::move(object);
  return s.object->handle_;
}

GdiObject* HandleTable::FindLocked(std::uintptr_t value) const {
  if (value == 0 || value > 0x7FFFFFFF) return nullptr;
  const std::uint32_t slot = value & kSlotMask;
  if (slot >= slots_.size()) return nullptr;
  const GdiObject* object = slots_[slot].object.get();
  return object && object->handle_ == value ? const_cast<GdiObject*>(object) : nullptr;
}

std::size_t HandleTable::Count(ObjectKind kind) const {
  std::lock_guard lock(mutex_);
  std::size_t count = 0;
  for (const Slot& slot : slots_) count += slot.object && slot.object->Kind() == kind;
  return count;
}

GdiObject* HandleTable::Find(const void* handle) const {
  std::lock_guard lock(mutex_);
  return FindLocked(reinterpret_cast<std::uintptr_t>(handle));
}

void HandleTable::FreeLocked(GdiObject* object) {
  const std::uint32_t slot = object->handle_ & kSlotMask;
  Slot& s = slots_[slot];
  s.generation = std::uint8_t((s.generation + 1) & kGenerationMask);
  if (s.generation == 0) s.generation = 1;   // keeps every handle value nonzero
  std::unique_ptr<GdiObject> doomed = std::move(s.object);
  freeSlots_.push_back(slot);
  // Destroying a device context releases its selections, which re-enters the table: unlock first.
  mutex_.unlock();
  doomed.reset();
  mutex_.lock();
}

bool HandleTable::Delete(const void* handle) {
  std::lock_guard lock(mutex_);
  GdiObject* object = FindLocked(reinterpret_cast<std::uintptr_t>(handle));
  if (!object) return false;
  if (object->stock_) return true;
  if (object->selections_ > 0) {
    object->deletePending_ = true;
    return true;
  }
  FreeLocked(object);
  return true;
}

void HandleTable::Retain(GdiObject* object) {
  if (!object) return;
  std::lock_guard lock(mutex_);
  ++object->selections_;
}

bool HandleTable::RetainExclusive(GdiObject* object, const void* owner) {
  if (!object) return false;
  std::lock_guard lock(mutex_);
  if (!object->stock_) {
    if (object->owner_ && object->owner_ != owner) return false;
    object->owner_ = owner;
  }
  ++object->selections_;
  return true;
}

void HandleTable::Retain(std::initializer_list<GdiObject*> objects) {
  std::lock_guard lock(mutex_);
  for (GdiObject* object : objects)
    if (object) ++object->selections_;
}

void HandleTable::ReleaseLocked(GdiObject* object) {
  if (--object->selections_ > 0) return;
  object->owner_ = nullptr;
  if (object->deletePending_ && !object->stock_) FreeLocked(object);
}

void HandleTable::Release(GdiObject* object) {
  if (!object) return;
  std::lock_guard lock(mutex_);
  ReleaseLocked(object);
}

// An object later in the list cannot be freed while FreeLocked has the lock open: it still counts
// the selection this call has not released yet.
void HandleTable::Release(std::initializer_list<GdiObject*> objects) {
  std::lock_guard lock(mutex_);
  for (GdiObject* object : objects)
    if (object) ReleaseLocked(object);
}

bool HandleTable::IsSelected(const GdiObject* object) const {
  std::lock_guard lock(mutex_);
  return object->selections_ > 0;
}

}  // namespace gdi
