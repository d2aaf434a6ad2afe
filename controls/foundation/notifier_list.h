// TNotifierList: a list of notifiers (not owned) that stays safe to walk while the notifiers'
// handlers change it.  A walk calls each notifier that is listed when the walk starts and still
// listed when its turn comes, exactly once, first to last or last to first; a notifier that
// leaves during the walk (its handler, or another's, freed it) is not called, one that joins is
// left to the next walk.  Walks may nest (a handler that starts another walk).
#pragma once

#include <vector>

#include "platform/core/function_ref.h"
#include "platform/core/types.h"

class TNotifierListBase {
 public:
  TNotifierListBase() = default;
  TNotifierListBase(const TNotifierListBase&) = delete;
  TNotifierListBase& operator=(const TNotifierListBase&) = delete;

  Integer Count() const { return Integer(items_.size()); }

 protected:
  void AddItem(void* Item);
  // Also takes the item out of every walk in progress.
  void RemoveItem(void* Item);
  void WalkItems(bool Backwards, TFunctionRef<void(void*)> Visit);

 private:
  struct Walk {
    std::vector<void*> pending;   // the snapshot; null where a notifier has left
  };
  std::vector<void*> items_;
  std::vector<Walk*> walks_;
};

template <class T>
class TNotifierList : public TNotifierListBase {
 public:
  void Add(T* Notifier) { AddItem(Notifier); }
  void Remove(T* Notifier) { RemoveItem(Notifier); }
  template <class F>
  void Walk(bool Backwards, F&& Visit) {
    WalkItems(Backwards, [&](void* item) { Visit(static_cast<T*>(item)); });
  }
};
