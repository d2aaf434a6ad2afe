#include "controls/foundation/kx_registered_class_list.h"

bool TkxRegisteredClassList::FindPosition(TClass AItemClass, Integer& Index) const {
  for (Integer i = GetCount() - 1; i >= 0; --i) {
    const TClass entryClass = items_[std::size_t(i)]->ItemClass;
    if (AItemClass->InheritsFrom(entryClass)) {
      Index = i;
      return true;
    }
    if (entryClass->InheritsFrom(AItemClass)) Index = i;
  }
  return false;
}

void TkxRegisteredClassList::RegisterPair(TClass AItemClass, TClass ARegisteredClass) {
  auto pair = std::make_unique<TkxRegisteredClassListItemData>(AItemClass, ARegisteredClass);
  Integer index = -1;
  if (FindPosition(AItemClass, index)) items_.insert(items_.begin() + index + 1, std::move(pair));
  else if (index == -1) items_.push_back(std::move(pair));
  else items_.insert(items_.begin() + index, std::move(pair));
}

void TkxRegisteredClassList::UnregisterPair(TClass AItemClass, TClass ARegisteredClass) {
  for (Integer i = GetCount() - 1; i >= 0; --i) {
    const auto& entry = *items_[std::size_t(i)];
    if (entry.ItemClass == AItemClass && entry.RegisteredClass == ARegisteredClass) items_.erase(items_.begin() + i);
  }
}
