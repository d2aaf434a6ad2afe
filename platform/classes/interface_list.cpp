#include "platform/classes/interface_list.h"


#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"

PR_IMPLEMENT_CLASS(TInterfaceList)

namespace {

class Guard {
 public:
  explicit Guard(TCriticalSection& lock) : lock_(lock) { lock_.Enter(); }
  ~Guard() { lock_.Leave(); }
  Guard(const Guard&) = delete;
  Guard& operator=(const Guard&) = delete;

 private:
  TCriticalSection& lock_;
};

}  // namespace

void TInterfaceList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= static_cast<Integer>(items_.size()))
    throw EListError(Format(classes_text::kListIndexError, {Index}));
}

Integer TInterfaceList::Add(IInterface* Item) {
  Guard guard(lock_);
  items_.emplace_back(Item);
  return static_cast<Integer>(items_.size()) - 1;
}

void TInterfaceList::Insert(Integer Index, IInterface* Item) {
  Guard guard(lock_);
  if (Index < 0 || Index > static_cast<Integer>(items_.size()))
    throw EListError(Format(classes_text::kListIndexError, {Index}));
  items_.emplace(items_.begin() + Index, Item);
}

void TInterfaceList::Delete(Integer Index) {
  TInterfacePtr<IInterface> released;   // released after the lock is left
  Guard guard(lock_);
  CheckIndex(Index);
  released = std::move(items_[Index]);
  items_.erase(items_.begin() + Index);
}

Integer TInterfaceList::Remove(IInterface* Item) {
  Guard guard(lock_);
  const Integer index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void TInterfaceList::Clear() {
  std::vector<TInterfacePtr<IInterface>> released;
  Guard guard(lock_);
  released.swap(items_);
}

void TInterfaceList::Exchange(Integer Index1, Integer Index2) {
  Guard guard(lock_);
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(items_[Index1], items_[Index2]);
}

Integer TInterfaceList::IndexOf(IInterface* Item) const {
  Guard guard(lock_);
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == Item) return static_cast<Integer>(i);
  return -1;
}

Integer TInterfaceList::Count() const {
  Guard guard(lock_);
  return static_cast<Integer>(items_.size());
}

IInterface* TInterfaceList::Items(Integer Index) const {
  Guard guard(lock_);
  CheckIndex(Index);
  return items_[Index].get();
}

void TInterfaceList::SetItems(Integer Index, IInterface* Item) {
  TInterfacePtr<IInterface> released;
  Guard guard(lock_);
  CheckIndex(Index);
  released = std::exchange(items_[Index], TInterfacePtr<IInterface>(Item));
}
