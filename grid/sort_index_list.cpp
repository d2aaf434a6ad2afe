// TSortIndexList; see sort_index_list.h.
#include "grid/sort_index_list.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TSortIndexList)

namespace {

constexpr Cardinal kColumnBits = 0x7FFFFFFFu;

Integer Column(Integer Entry) { return static_cast<Integer>(static_cast<Cardinal>(Entry) & kColumnBits); }

}   // namespace

void TSortIndexList::AddIndex(Integer ACol, bool Ascending) {
  Add(Ascending ? ACol : static_cast<Integer>(static_cast<Cardinal>(ACol) | kDescending));
}

Integer TSortIndexList::FindIndex(Integer ACol) const {
  for (Integer i = 0; i < Count(); ++i)
    if (Column(GetItem(i)) == ACol) return i;
  return -1;
}

Integer TSortIndexList::GetSortColumn(Integer Index) const { return Column(GetItem(Index)); }

bool TSortIndexList::IsDescending(Integer Index) const {
  return (static_cast<Cardinal>(GetItem(Index)) & kDescending) != 0;
}

void TSortIndexList::ToggleDirection(Integer ACol) {
  const Integer index = FindIndex(ACol);
  if (index >= 0) SetItem(index, static_cast<Integer>(static_cast<Cardinal>(GetItem(index)) ^ kDescending));
}
