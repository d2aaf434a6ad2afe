#include "controls/foundation/kx_registered_classes.h"

#include <algorithm>
#include <numeric>

#include "controls/foundation/kx_classes.h"
#include "platform/classes/class_registry.h"
#include "platform/os/collation.h"

std::string TkxRegisteredClasses::GetEntryName(Integer Index) const { return ExtractRegistryName(GetEntryText(Index)); }

Integer TkxRegisteredClasses::IndexOfClass(TClass AClass) const {
  for (Integer i = 0; i < Count(); ++i)
    if (entries_[std::size_t(i)].Class == AClass) return i;
  return -1;
}

void TkxRegisteredClasses::RegisterClassWithText(TClass AClass, const std::string& AText) {
  if (IndexOfClass(AClass) != -1) return;
  entries_.push_back({AText, AClass});
  if (keepSorted_) SortEntries();
  if (registerClasses_) RegisterClass(AClass);
}

void TkxRegisteredClasses::UnregisterClassEntry(TClass AClass) {
  const Integer index = IndexOfClass(AClass);
  if (index != -1) entries_.erase(entries_.begin() + index);
}

void TkxRegisteredClasses::SetKeepSorted(bool Value) {
  if (keepSorted_ == Value) return;
  keepSorted_ = Value;
  if (keepSorted_) SortEntries();
}

Integer TkxRegisteredClasses::CompareEntries(Integer Index1, Integer Index2) const {
  const std::string name1 = GetEntryName(Index1), name2 = GetEntryName(Index2);
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name1.data(), Integer(name1.size()), name2.data(),
                        Integer(name2.size())) -
         2;
}

// Orders positions by CompareEntries of the entries where they stand now (a merge sort, which stays
// inside the list whatever the comparison answers), then moves the entries.
void TkxRegisteredClasses::SortEntries() {
  std::vector<Integer> order(entries_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [this](Integer a, Integer b) { return CompareEntries(a, b) < 0; });
  std::vector<Entry> sorted;
  sorted.reserve(entries_.size());
  for (Integer index : order) sorted.push_back(std::move(entries_[std::size_t(index)]));
  entries_ = std::move(sorted);
}
