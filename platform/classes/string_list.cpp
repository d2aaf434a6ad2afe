#include "platform/classes/string_list.h"

#include <utility>

#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/os/collation.h"

PR_IMPLEMENT_CLASS(TStringList)

void TStringList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) Error(classes_text::kListIndexError, Index);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) Changing();
  else Changed();
}

std::string TStringList::Get(Integer Index) const {
  CheckIndex(Index);
  return list_[Index].string;
}

TObject* TStringList::GetObject(Integer Index) const {
  CheckIndex(Index);
  return list_[Index].object;
}

void TStringList::Put(Integer Index, const std::string& S) {
  if (sorted_) Error(classes_text::kSortedListError, 0);
  CheckIndex(Index);
  Changing();
  list_[Index].string = S;
  Changed();
}

void TStringList::PutObject(Integer Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  list_[Index].object = AObject;
  Changed();
}

Integer TStringList::AddObject(const std::string& S, TObject* AObject) {
  Integer index = GetCount();
  if (sorted_ && Find(S, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Error(classes_text::kDuplicateString, 0);
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::InsertItem(Integer Index, const std::string& S, TObject* AObject) {
  Changing();
  list_.insert(list_.begin() + Index, Item{S, AObject});
  Changed();
}

void TStringList::Insert(Integer Index, const std::string& S) {
  if (sorted_) Error(classes_text::kSortedListError, 0);
  if (Index < 0 || Index > GetCount()) Error(classes_text::kListIndexError, Index);
  InsertItem(Index, S, nullptr);
}

void TStringList::Delete(Integer Index) {
  CheckIndex(Index);
  Changing();
  list_.erase(list_.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (list_.empty()) return;
  Changing();
  list_.clear();
  Changed();
}

void TStringList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(list_[Index1], list_[Index2]);
  Changed();
}

bool TStringList::Find(const std::string& S, Integer& Index) const {
  bool found = false;
  Integer l = 0;
  Integer h = GetCount() - 1;
  while (l <= h) {
    const Integer i = (l + h) >> 1;
    const Integer c = CompareStrings(list_[i].string, S);
    if (c < 0) {
      l = i + 1;
    } else {
      h = i - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) l = i;
      }
    }
  }
  Index = l;
  return found;
}

Integer TStringList::IndexOf(const std::string& S) const {
  if (!sorted_) return TStrings::IndexOf(S);
  Integer index = -1;
  return Find(S, index) ? index : -1;
}

Integer TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
  return caseSensitive_ ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

Integer TStringList::CompareItems(TStringList* List, Integer Index1, Integer Index2) {
  return List->CompareStrings(List->list_[Index1].string, List->list_[Index2].string);
}

// The class library's quicksort (equal strings end up where they always did).
void TStringList::QuickSort(Integer L, Integer R, TStringListSortCompare Compare) {
  Integer i;
  do {
    i = L;
    Integer j = R;
    Integer p = (L + R) >> 1;
    do {
      while (Compare(this, i, p) < 0) ++i;
      while (Compare(this, j, p) > 0) --j;
      if (i <= j) {
        std::swap(list_[i], list_[j]);
        if (p == i) p = j;
        else if (p == j) p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (L < j) QuickSort(L, j, Compare);
    L = i;
  } while (i < R);
}

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (sorted_ || GetCount() <= 1) return;
  Changing();
  QuickSort(0, GetCount() - 1, Compare);
  Changed();
}

void TStringList::Sort() { CustomSort(&TStringList::CompareItems); }

void TStringList::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  if (Value) Sort();
  sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (caseSensitive_ == Value) return;
  caseSensitive_ = Value;
  if (sorted_) {
    sorted_ = false;
    Sort();
    sorted_ = true;
  }
}

void TStringList::SetCapacity(Integer NewCapacity) {
  if (NewCapacity > Capacity()) list_.reserve(static_cast<std::size_t>(NewCapacity));
}
