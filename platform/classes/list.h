// TList: the class library's list of untyped pointers.
//
// Indexes are checked: out of range raises EListError "List index out of bounds (%d)".  Every
// non-nil item added, extracted or deleted is announced to Notify (lnAdded, lnExtracted,
// lnDeleted), which descendants override (TObjectList frees what it owns).  The list never owns
// its pointers itself.  Clear is virtual (a list that owns its items frees them there).  Because
// C++ does not dispatch to a derived class during destruction, a descendant whose Notify or Clear
// matters calls Clear in its own destructor.
#pragma once

#include <vector>

#include "platform/classes/object.h"
#include "platform/classes/type_info.h"

PR_ENUM(TListNotification, lnAdded, lnExtracted, lnDeleted)

// Sorting order of two items: < 0, 0, > 0.
using TListSortCompare = Integer (*)(void* Item1, void* Item2);

class TList : public TObject {
  PR_CLASS(TList, TObject)

 public:
  TList() = default;
  ~TList() override;

  Integer Add(void* Item);
  void Insert(Integer Index, void* Item);
  void Delete(Integer Index);
  Integer Remove(void* Item);   // the index it had, or -1
  void* Extract(void* Item);    // removes without lnDeleted; nullptr when absent
  virtual void Clear();
  void Exchange(Integer Index1, Integer Index2);
  void Move(Integer CurIndex, Integer NewIndex);
  void Pack();                  // removes the nil items
  void Sort(TListSortCompare Compare);
  Integer IndexOf(const void* Item) const;
  void* First() const { return Get(0); }
  void* Last() const { return Get(Count() - 1); }
  TList* Expand();

  Integer Count() const { return static_cast<Integer>(items_.size()); }
  void SetCount(Integer NewCount);
  Integer Capacity() const { return static_cast<Integer>(items_.capacity()); }
  void SetCapacity(Integer NewCapacity);
  void* Items(Integer Index) const { return Get(Index); }
  void SetItems(Integer Index, void* Item);
  void* const* List() const { return items_.data(); }

 protected:
  virtual void Notify(void* Ptr, TListNotification Action);
  void* Get(Integer Index) const;

 private:
  void CheckIndex(Integer Index) const;
  std::vector<void*> items_;
};
