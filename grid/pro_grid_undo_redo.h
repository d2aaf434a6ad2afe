// The undo store of a base grid: TProGridUndoRedo, a non-visual component that a grid links
// through its UndoRedo property, keeps the cell changes the string grid reports (accepted edits,
// toggled check boxes) as records, oldest first, at most MaxLevel of them (0 or less: no limit).
// The store only records; nothing reads the records back into the grid.
//
// The grid and the store clear their references to each other when either is destroyed.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/collection.h"
#include "platform/classes/component.h"

class TBaseGrid;

// One change: the cell and its text before and after.
class TUndoRedoItem : public TCollectionItem {
  PR_CLASS(TUndoRedoItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;

  Integer Row() const { return row_; }
  void SetRow(Integer Value) { row_ = Value; }
  Integer Col() const { return col_; }
  void SetCol(Integer Value) { col_ = Value; }
  const std::string& Value() const { return value_; }
  void SetValue(const std::string& Value) { value_ = Value; }
  const std::string& OrigValue() const { return origValue_; }
  void SetOrigValue(const std::string& Value) { origValue_ = Value; }

 private:
  Integer row_ = 0;
  Integer col_ = 0;
  std::string value_;
  std::string origValue_;
};

class TUndoRedoCollection : public TCollection {
  PR_CLASS(TUndoRedoCollection, TCollection)

 public:
  TUndoRedoCollection() : TCollection(TUndoRedoItem::StaticClass()) {}

  TUndoRedoItem* Items(Integer Index) const { return static_cast<TUndoRedoItem*>(TCollection::Items(Index)); }
};

class TProGridUndoRedo : public TComponent {
  PR_CLASS(TProGridUndoRedo, TComponent)

 public:
  explicit TProGridUndoRedo(TComponent* AOwner);
  ~TProGridUndoRedo() override;

  // Records one change: drops the oldest record first when MaxLevel > 0 and MaxLevel records are
  // kept, then appends the new one; Level becomes the number of records.
  virtual void RegisterChange(Integer ACol, Integer ARow, const std::string& OrigValue, const std::string& Value);

  TUndoRedoCollection* Items() const { return items_.get(); }
  // The linked grid (not owned); set by the grid's SetUndoRedo, cleared when the grid goes.
  TBaseGrid* Grid() const { return grid_; }
  void SetGrid(TBaseGrid* Value) { grid_ = Value; }
  Integer Level() const { return level_; }
  Integer MaxLevel() const { return maxLevel_; }
  void SetMaxLevel(Integer Value) { maxLevel_ = Value; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::unique_ptr<TUndoRedoCollection> items_;
  TBaseGrid* grid_ = nullptr;
  Integer level_ = 0;
  Integer maxLevel_ = 0;
};
