// TThreadList: a TList guarded by a critical section.  LockList gives the list to one thread at a
// time until UnlockList; Add ignores (dupIgnore, the default), accepts or rejects (EListError
// "List does not allow duplicates") an item already present.
#pragma once

#include "platform/classes/list.h"
#include "platform/classes/string_list_types.h"
#include "platform/os/sync.h"

class TThreadList : public TObject {
  PR_CLASS(TThreadList, TObject)

 public:
  TThreadList() = default;
  void Add(void* Item);
  void Remove(void* Item);
  void Clear();
  TList* LockList();
  void UnlockList();
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }

 private:
  TCriticalSection lock_;
  TList list_;
  TDuplicates duplicates_ = dupIgnore;
};
