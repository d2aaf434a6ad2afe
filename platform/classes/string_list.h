// TStringList: the class library's string list, optionally sorted.
//
// Sorted lists keep their order (CompareStrings: AnsiCompareText, or AnsiCompareStr when
// CaseSensitive) and find by binary search; adding to one follows Duplicates: dupIgnore keeps the
// existing string (and answers its index), dupError raises EStringListError "String list does not
// allow duplicates", dupAccept adds it.  Insert and Put on a sorted list raise "Operation not
// allowed on sorted list".  OnChanging/OnChange surround every change, once for a whole
// BeginUpdate/EndUpdate.  The list does not own its objects.
#pragma once

#include <vector>

#include "platform/classes/event.h"
#include "platform/classes/string_list_types.h"
#include "platform/classes/tstrings.h"

class TStringList;
using TStringListSortCompare = Integer (*)(TStringList* List, Integer Index1, Integer Index2);

class TStringList : public TStrings {
  PR_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;

  Integer Add(const std::string& S) override { return AddObject(S, nullptr); }
  Integer AddObject(const std::string& S, TObject* AObject) override;
  void Clear() override;
  void Delete(Integer Index) override;
  void Exchange(Integer Index1, Integer Index2) override;
  // Binary search of a sorted list: true when found; Index is where S is or would go.
  virtual bool Find(const std::string& S, Integer& Index) const;
  Integer IndexOf(const std::string& S) const override;
  void Insert(Integer Index, const std::string& S) override;
  virtual void Sort();
  virtual void CustomSort(TStringListSortCompare Compare);

  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value);
  Integer Capacity() const override { return static_cast<Integer>(list_.capacity()); }
  void SetCapacity(Integer NewCapacity) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  std::string Get(Integer Index) const override;
  Integer GetCount() const override { return static_cast<Integer>(list_.size()); }
  TObject* GetObject(Integer Index) const override;
  void Put(Integer Index, const std::string& S) override;
  void PutObject(Integer Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;
  Integer CompareStrings(const std::string& S1, const std::string& S2) const override;

 private:
  struct Item {
    std::string string;
    TObject* object;
  };
  void CheckIndex(Integer Index) const;
  void InsertItem(Integer Index, const std::string& S, TObject* AObject);
  void QuickSort(Integer L, Integer R, TStringListSortCompare Compare);
  static Integer CompareItems(TStringList* List, Integer Index1, Integer Index2);

  std::vector<Item> list_;
  TDuplicates duplicates_ = dupIgnore;
  bool sorted_ = false;
  bool caseSensitive_ = false;
};
