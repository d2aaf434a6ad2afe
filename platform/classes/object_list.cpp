#include "platform/classes/object_list.h"

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TObjectList)

TObjectList::~TObjectList() { Clear(); }

void TObjectList::Notify(void* Ptr, TListNotification Action) {
  if (ownsObjects_ && Action == lnDeleted) delete static_cast<TObject*>(Ptr);
  TList::Notify(Ptr, Action);
}

Integer TObjectList::FindInstanceOf(TClass AClass, bool AExact, Integer AStartAt) const {
  for (Integer i = AStartAt < 0 ? 0 : AStartAt; i < Count(); ++i) {
    const TObject* item = Items(i);
    if (item == nullptr) continue;
    if (AExact ? item->ClassType() == AClass : item->InheritsFrom(AClass)) return i;
  }
  return -1;
}
