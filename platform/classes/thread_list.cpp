#include "platform/classes/thread_list.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include <cstdint>

#include "platform/classes/publisher.h"
#include "platform/core/format.h"

PR_IMPLEMENT_CLASS(TThreadList)

namespace {

class Locked {
 public:
  explicit Locked(TThreadList& list) : list_(list), items_(*list.LockList()) {}
  ~Locked() { list_.UnlockList(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  TList& operator*() { return items_; }
  TList* operator->() { return &items_; }

 private:
  TThreadList& list_;
  TList& items_;
};

}  // namespace

TList* TThreadList::LockList() {
  lock_.Enter();
  return &list_;
}

void TThreadList::UnlockList() { lock_.Leave(); }

void TThreadList::Add(void* Item) {
  Locked list(*this);
  if (duplicates_ != dupAccept && list->IndexOf(Item) >= 0) {
    if (duplicates_ == dupError)
      throw EListError(Format(classes_text::kDuplicateItem, {reinterpret_cast<std::uintptr_t>(Item)}));
    return;
  }
  list->Add(Item);
}

void TThreadList::Remove(void* Item) {
  Locked list(*this);
  list->Remove(Item);
}

void TThreadList::Clear() {
  Locked list(*this);
  list->Clear();
}
