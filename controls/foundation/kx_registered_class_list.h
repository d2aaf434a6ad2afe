// TkxRegisteredClassList: pairs (item class, registered class) kept so that a class finds the
// pair of its nearest registered ancestor: a pair is inserted after the entry of its item class's
// nearest ancestor (or the class itself), else before the first entry of a descendant, else at
// the end.  The filter-edit helpers are registered here per editor properties class.
#pragma once

#include <memory>
#include <vector>

#include "platform/classes/object.h"

class TkxRegisteredClassListItemData {
 public:
  TkxRegisteredClassListItemData(TClass AItemClass, TClass ARegisteredClass)
      : ItemClass(AItemClass), RegisteredClass(ARegisteredClass) {}

  TClass ItemClass;
  TClass RegisteredClass;
};

class TkxRegisteredClassList {
 public:
  virtual ~TkxRegisteredClassList() = default;

  // Scans from the last entry: the first whose item class is AItemClass or an ancestor sets Index
  // and answers true.  Otherwise Index ends at the lowest entry whose item class descends from
  // AItemClass (untouched when none does; callers preset -1) and the answer is false.
  virtual bool FindPosition(TClass AItemClass, Integer& Index) const;
  // Registering the same pair twice keeps two entries.
  virtual void RegisterPair(TClass AItemClass, TClass ARegisteredClass);
  // Removes every entry of exactly that pair.
  virtual void UnregisterPair(TClass AItemClass, TClass ARegisteredClass);

  Integer GetCount() const { return Integer(items_.size()); }
  const TkxRegisteredClassListItemData& GetItem(Integer Index) const { return *items_.at(std::size_t(Index)); }
  void Clear() { items_.clear(); }

 private:
  std::vector<std::unique_ptr<TkxRegisteredClassListItemData>> items_;
};
