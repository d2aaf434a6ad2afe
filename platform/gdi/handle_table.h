// The table behind every drawing-layer handle.
//
// A handle's value is (generation << 25) | (kind << 20) | slot, never 0 and below 2^31: slot is the
// index into the table (20 bits), kind the ObjectKind (5 bits) and generation (6 bits) changes each
// time a slot is reused, so a stale handle is refused instead of reaching a newer object.
//
// Thread safety: objects may be created, looked up, selected and deleted from any thread (the
// report library draws on a background thread).  Every change takes the table's mutex; a lookup
// (several per drawing call) takes none: slots live in pages that never move, and a slot publishes
// its object and then the handle value that leads to it, so a lookup that reads a live value finds
// that value's object.  As with a locked lookup, an object that another thread deletes after the
// lookup returned is gone: an object itself is not locked, and one device context, bitmap or
// region must be used by one thread at a time, as on the platform.  Pens, brushes and palettes
// never change after creation.
#pragma once

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gdi/gdi_object.h"

namespace gdi {

class HandleTable {
 public:
  static HandleTable& Instance();

  // Takes ownership; returns the new handle value (0 when the table is full).
  std::uint32_t Add(std::unique_ptr<GdiObject> object);
  // The object behind a handle, or nullptr for 0, stale or foreign values.
  GdiObject* Find(const void* handle) const;
  // DeleteObject: frees the object, or marks it when it is still selected.  False for invalid
  // handles; true for stock objects (which stay).
  bool Delete(const void* handle);
  // Selection counting (see gdi_object.h).  Release frees an object marked for deletion once its
  // last selection ends.
  void Retain(GdiObject* object);
  // Retain and Release of several objects (nulls skipped) under one lock: a device context's
  // whole selection is saved, restored and dropped on every paint.
  void Retain(std::initializer_list<GdiObject*> objects);
  void Release(std::initializer_list<GdiObject*> objects);
  // Retain(selected) and Release(deselected) under one lock: a SelectObject.
  void Reselect(GdiObject* selected, GdiObject* deselected);
  // Retain for objects that only one device context may hold at a time (bitmaps): fails when
  // another owner holds it.  Stock objects are shared freely.
  bool RetainExclusive(GdiObject* object, const void* owner);
  void Release(GdiObject* object);
  bool IsSelected(const GdiObject* object) const;
  // The objects of a kind that exist (stock objects and objects deleted while selected included),
  // for tests that check that drawing code leaves no object behind.
  std::size_t Count(ObjectKind kind) const;

  static void* HandleOf(const GdiObject* object) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(object->handle_));
  }

 private:
  struct Slot {
    std::unique_ptr<GdiObject> object;        // changed under the mutex only
    std::atomic<GdiObject*> live{nullptr};     // object.get(), for lookups
    std::atomic<std::uint32_t> value{0};       // the live object's handle value, 0 when free
    std::uint8_t generation = 1;
  };
  static constexpr std::uint32_t kPageBits = 12, kPageSize = 1u << kPageBits, kPages = 1u << (20 - kPageBits);
  Slot* SlotAt(std::uint32_t slot) const;      // nullptr when its page was never allocated
  Slot& UsedSlot(std::uint32_t slot) const;    // a slot below slotCount_, under the mutex
  void FreeLocked(GdiObject* object);
  void ReleaseLocked(GdiObject* object);

  mutable std::mutex mutex_;
  std::atomic<Slot*> pages_[kPages] = {};   // allocated as slots are first used, never freed
  std::uint32_t slotCount_ = 0;             // slots ever used (under the mutex)
  std::vector<std::uint32_t> freeSlots_;
};

// Looks up a handle and checks its kind; nullptr on mismatch.
template <class T>
T* FindObject(const void* handle) {
  GdiObject* object = HandleTable::Instance().Find(handle);
  return object && object->Kind() == T::kKind ? static_cast<T*>(object) : nullptr;
}

// Registers a new object and returns its handle typed as H.
template <class H>
H AddObject(std::unique_ptr<GdiObject> object) {
  return reinterpret_cast<H>(static_cast<std::uintptr_t>(HandleTable::Instance().Add(std::move(object))));
}

}  // namespace gdi
