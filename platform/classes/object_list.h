// TObjectList: a TList of objects that, with OwnsObjects (the default), frees the objects it
// deletes, replaces or clears, and all it still holds when it is destroyed.  Extract hands an
// object back without freeing it.
#pragma once

#include "platform/classes/list.h"

class TObjectList : public TList {
  PR_CLASS(TObjectList, TList)

 public:
  explicit TObjectList(bool AOwnsObjects = true) : ownsObjects_(AOwnsObjects) {}
  ~TObjectList() override;

  Integer Add(TObject* AObject) { return TList::Add(AObject); }
  void Insert(Integer Index, TObject* AObject) { TList::Insert(Index, AObject); }
  Integer Remove(TObject* AObject) { return TList::Remove(AObject); }
  TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
  Integer IndexOf(const TObject* AObject) const { return TList::IndexOf(AObject); }
  // The first object at or after AStartAt that is of class AClass (exactly, or a descendant).
  Integer FindInstanceOf(TClass AClass, bool AExact = true, Integer AStartAt = 0) const;
  TObject* First() const { return static_cast<TObject*>(TList::First()); }
  TObject* Last() const { return static_cast<TObject*>(TList::Last()); }
  TObject* Items(Integer Index) const { return static_cast<TObject*>(Get(Index)); }
  void SetItems(Integer Index, TObject* AObject) { TList::SetItems(Index, AObject); }
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

 protected:
  void Notify(void* Ptr, TListNotification Action) override;

 private:
  bool ownsObjects_;
};
