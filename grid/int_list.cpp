// TIntList; see int_list.h.
#include "grid/int_list.h"

#include <cstdint>
#include <memory>

#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TIntList)

namespace {

void* AsEntry(Integer Value) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(Value)); }
Integer FromEntry(void* Entry) { return static_cast<Integer>(reinterpret_cast<std::intptr_t>(Entry)); }

}   // namespace

void TIntList::Changed() { OnChange(this, col_, row_); }

Integer TIntList::GetItem(Integer Index) const { return FromEntry(Get(Index)); }

void TIntList::SetItem(Integer Index, Integer Value) {
  SetItems(Index, AsEntry(Value));
  Changed();
}

Integer TIntList::Add(Integer Value) {
  const Integer index = TList::Add(AsEntry(Value));
  Changed();
  return index;
}

void TIntList::Insert(Integer Index, Integer Value) { TList::Insert(Index, AsEntry(Value)); }

void TIntList::Delete(Integer Index) {
  TList::Delete(Index);
  Changed();
}

void TIntList::DeleteValue(Integer Value) {
  const Integer index = IndexOf(AsEntry(Value));
  if (index >= 0) Delete(index);
}

bool TIntList::HasValue(Integer Value) const { return IndexOf(AsEntry(Value)) >= 0; }

std::string TIntList::GetCommaText() const {
  std::string text;
  for (Integer i = 0; i < Count(); ++i) {
    if (i > 0) text += ',';
    text += IntToStr(GetItem(i));
  }
  return text;
}

void TIntList::SetCommaText(const std::string& Text) {
  auto items = std::make_unique<TStringList>();
  items->SetCommaText(Text);
  Clear();
  for (Integer i = 0; i < items->Count(); ++i) Add(StrToInt(items->Strings(i)));
}
