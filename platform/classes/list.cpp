#include "platform/classes/list.h"

#include <utility>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"

PR_IMPLEMENT_CLASS(TList)

namespace {
constexpr Integer kMaxListSize = 0x7FFFFFF;   // as many pointers as a 32-bit address space could hold
}

TList::~TList() { Clear(); }

void TList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(classes_text::kListIndexError, {Index}));
}

void* TList::Get(Integer Index) const {
  CheckIndex(Index);
  return items_[Index];
}

Integer TList::Add(void* Item) {
  const Integer index = Count();
  items_.push_back(Item);
  if (Item != nullptr) Notify(Item, lnAdded);
  return index;
}

void TList::Insert(Integer Index, void* Item) {
  if (Index < 0 || Index > Count()) throw EListError(Format(classes_text::kListIndexError, {Index}));
  items_.insert(items_.begin() + Index, Item);
  if (Item != nullptr) Notify(Item, lnAdded);
}

void TList::Delete(Integer Index) {
  CheckIndex(Index);
  void* item = items_[Index];
  items_.erase(items_.begin() + Index);
  if (item != nullptr) Notify(item, lnDeleted);
}

Integer TList::Remove(void* Item) {
  const Integer index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* Item) {
  const Integer index = IndexOf(Item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(Item, lnExtracted);
  return Item;
}

void TList::Clear() {
  SetCount(0);
  items_.shrink_to_fit();
}

void TList::SetCount(Integer NewCount) {
  if (NewCount < 0 || NewCount > kMaxListSize) throw EListError(Format(classes_text::kListCountError, {NewCount}));
  if (NewCount > Count()) {
    items_.resize(static_cast<std::size_t>(NewCount), nullptr);
    return;
  }
  for (Integer i = Count() - 1; i >= NewCount; --i) Delete(i);
}

void TList::SetCapacity(Integer NewCapacity) {
  if (NewCapacity < Count() || NewCapacity > kMaxListSize)
    throw EListError(Format(classes_text::kListCapacityError, {NewCapacity}));
  if (NewCapacity > Capacity()) items_.reserve(static_cast<std::size_t>(NewCapacity));
  else items_.shrink_to_fit();
}

TList* TList::Expand() {
  if (Count() == Capacity()) items_.reserve(items_.size() + (items_.size() > 64 ? items_.size() / 4 : 16));
  return this;
}

void TList::SetItems(Integer Index, void* Item) {
  CheckIndex(Index);
  void* old = items_[Index];
  if (old == Item) return;
  items_[Index] = Item;
  if (old != nullptr) Notify(old, lnDeleted);
  if (Item != nullptr) Notify(Item, lnAdded);
}

void TList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(items_[Index1], items_[Index2]);
}

void TList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(NewIndex);
  void* item = Get(CurIndex);
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, item);
}

void TList::Pack() { std::erase(items_, nullptr); }

Integer TList::IndexOf(const void* Item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == Item) return static_cast<Integer>(i);
  return -1;
}

namespace {

// The class library's quicksort, so that equal items end up where they always did.
void QuickSort(std::vector<void*>& list, Integer l, Integer r, TListSortCompare compare) {
  Integer i;
  do {
    i = l;
    Integer j = r;
    void* pivot = list[static_cast<std::size_t>((l + r) >> 1)];
    do {
      while (compare(list[i], pivot) < 0) ++i;
      while (compare(list[j], pivot) > 0) --j;
      if (i <= j) {
        std::swap(list[i], list[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) QuickSort(list, l, j, compare);
    l = i;
  } while (i < r);
}

}  // namespace

void TList::Sort(TListSortCompare Compare) {
  if (Count() > 1) QuickSort(items_, 0, Count() - 1, Compare);
}

void TList::Notify(void*, TListNotification) {}
