// The string grid's filter conditions (TFilter, a collection of TFilterData) and its hidden-row
// records (TGridItem).
//
// A TFilterData tests one column of a row: the cell text that Data names, its Prefix and Suffix
// taken off, against Condition (the condition language of condition_matcher.h).  The grid combines
// the items in collection order by their Operation (TProStringGrid::FilterRowMatches).
//
// A TGridItem holds one hidden row while it is out of the grid: the real row index, its height and
// its cells (texts, and as objects the cells' properties, which the item then holds for the grid).
#pragma once

#include <memory>
#include <string>

#include "platform/classes/collection.h"
#include "platform/classes/string_list.h"

class TProStringGrid;

PR_ENUM(TFilterCells, fcVirtual, fcNormal, fcStripHTML, fcCalculated)
PR_ENUM(TFilterOperation, foSHORT, foNONE, foAND, foXOR, foOR)

class TFilterData : public TCollectionItem {
  PR_CLASS(TFilterData, TCollectionItem)

 public:
  explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
  // Every field, from another TFilterData; any other source goes to the inherited Assign.
  void Assign(TPersistent* Source) override;

  SmallInt Column() const { return column_; }
  void SetColumn(SmallInt Value) { column_ = Value; }
  const std::string& Condition() const { return condition_; }
  void SetCondition(const std::string& Value) { condition_ = Value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value) { caseSensitive_ = Value; }
  TFilterCells Data() const { return data_; }
  void SetData(TFilterCells Value) { data_ = Value; }
  const std::string& Prefix() const { return prefix_; }
  void SetPrefix(const std::string& Value) { prefix_ = Value; }
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& Value) { suffix_ = Value; }
  TFilterOperation Operation() const { return operation_; }
  void SetOperation(TFilterOperation Value) { operation_ = Value; }

 private:
  SmallInt column_ = 0;
  std::string condition_;
  bool caseSensitive_ = true;
  TFilterCells data_ = fcVirtual;
  std::string prefix_;
  std::string suffix_;
  TFilterOperation operation_ = foSHORT;
};

class TFilter : public TCollection {
  PR_CLASS(TFilter, TCollection)

 public:
  explicit TFilter(TProStringGrid* AGrid);
  TFilterData* Add() { return static_cast<TFilterData*>(TCollection::Add()); }
  TFilterData* Items(Integer Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }

 protected:
  TPersistent* GetOwner() const override;

 private:
  TProStringGrid* grid_;
};

class TGridItem : public TCollectionItem {
  PR_CLASS(TGridItem, TCollectionItem)

 public:
  explicit TGridItem(TCollection* Collection);
  ~TGridItem() override;

  // The row's real index.
  Integer Idx() const { return idx_; }
  void SetIdx(Integer Value) { idx_ = Value; }
  // The row's height in pixels when it was hidden.
  Integer Height() const { return height_; }
  void SetHeight(Integer Value) { height_ = Value; }
  // One entry per column: the cell's stored text and, as its object, the cell's properties.
  TStringList* Items() const { return items_.get(); }
  // Copies the strings (and objects) into the owned list.
  void SetItems(TStrings* Value) { items_->Assign(Value); }

 private:
  Integer idx_ = 0;
  Integer height_ = 0;
  std::unique_ptr<TStringList> items_;
};
