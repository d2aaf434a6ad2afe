// TInterfaceList: a thread-safe list of interface references; it holds one reference to every
// interface in it and releases it when the item leaves.  Lock/Unlock keep other threads out of a
// sequence of calls.
#pragma once

#include <vector>

#include "platform/classes/interface.h"
#include "platform/os/sync.h"

class TInterfaceList : public TInterfacedObject {
  PR_CLASS(TInterfaceList, TInterfacedObject)

 public:
  TInterfaceList() = default;
  Integer Add(IInterface* Item);
  void Insert(Integer Index, IInterface* Item);
  void Delete(Integer Index);
  Integer Remove(IInterface* Item);   // the index it had, or -1
  void Clear();
  void Exchange(Integer Index1, Integer Index2);
  Integer IndexOf(IInterface* Item) const;
  IInterface* First() const { return Items(0); }
  IInterface* Last() const { return Items(Count() - 1); }
  Integer Count() const;
  IInterface* Items(Integer Index) const;
  void SetItems(Integer Index, IInterface* Item);
  void Lock() { lock_.Enter(); }
  void Unlock() { lock_.Leave(); }

 private:
  void CheckIndex(Integer Index) const;
  mutable TCriticalSection lock_;
  std::vector<TInterfacePtr<IInterface>> items_;
};
