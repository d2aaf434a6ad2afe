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

HandleTable::Slot* HandleTable::SlotAt(std::uint32_t slot) const {
  Slot* page = pages_[slot >> kPageBits].load(std::memory_order_acquire);
  return page ? &page[slot & (kPageSize - 1)] : nullptr;
}

HandleTable::Slot& HandleTable::UsedSlot(std::uint32_t slot) const {
  return pages_[slot >> kPageBits].load(std::memory_order_relaxed)[slot & (kPageSize - 1)];
}

std::uint32_t HandleTable::Add(std::unique_ptr<GdiObject> object) {
  if (!object) return 0;
  std::lock_guard lock(mutex_);
  std::uint32_t slot;
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  } else {
    if (slotCount_ > kSlotMask) return 0;
    slot = slotCount_++;
    std::atomic<Slot*>& page = pages_[slot >> kPageBits];
    if (page.load(std::memory_order_relaxed) == nullptr) page.store(new Slot[kPageSize], std::memory_order_release);
  }
  Slot& s = UsedSlot(slot);
  const std::uint32_t kind = static_cast<std::uint32_t>(object->Kind());
  object->handle_ = (std::uint32_t(s.generation) << kGenerationShift) | (kind << kKindShift) | slot;
  s.object = std::move(object);
  s.live.store(s.object.get(), std::memory_order_release);
  s.value.store(s.object->handle_, std::memory_order_release);
  return s.object->handle_;
}

// Lock-free: the value is checked before and after reading the object, so a slot freed and reused
// in between gives nullptr, never the newer object.
GdiObject* HandleTable::Find(const void* handle) const {
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(handle);
  if (value == 0 || value > 0x7FFFFFFF) return nullptr;
  const Slot* s = SlotAt(std::uint32_t(value & kSlotMask));
  if (s == nullptr || s->value.load(std::memory_order_acquire) != value) return nullptr;
  GdiObject* object = s->live.load(std::memory_order_acquire);
  return s->value.load(std::memory_order_acquire) == value ? object : nullptr;
}

std::size_t HandleTable::Count(ObjectKind kind) const {
  std::lock_guard lock(mutex_);
  std::size_t count = 0;
  for (std::uint32_t slot = 0; slot < slotCount_; ++slot) {
    const GdiObject* object = UsedSlot(slot).object.get();
    count += object && object->Kind() == kind;
  }
  return count;
}

void HandleTable::FreeLocked(GdiObject* object) {
  const std::uint32_t slot = object->handle_ & kSlotMask;
  Slot& s = UsedSlot(slot);
  s.value.store(0, std::memory_order_release);
  s.live.store(nullptr, std::memory_order_release);
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
  GdiObject* object = Find(handle);
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

void HandleTable::Reselect(GdiObject* selected, GdiObject* deselected) {
  std::lock_guard lock(mutex_);
  if (selected) ++selected->selections_;
  if (deselected) ReleaseLocked(deselected);
}

bool HandleTable::IsSelected(const GdiObject* object) const {
  std::lock_guard lock(mutex_);
  return object->selections_ > 0;
}

}  // namespace gdi
