// TCollection, TCollectionItem and TOwnedCollection: typed, owned lists of persistent items that
// stream as a property (vaCollection in the component stream).
//
// A collection owns its items: deleting an item removes it, Clear/Delete/destruction free them.
// Every item belongs to at most one collection and has a unique ID there (IDs are never reused).
// Changes are reported through Update(Item) (nullptr: the whole collection) unless inside
// BeginUpdate/EndUpdate, whose last EndUpdate reports once; Notify tells of items added,
// extracted and deleted.  As in the class library, an item joins its collection (cnAdded, Update)
// from its base constructor: overrides of Notify and Update see the new item before its own
// constructor body has run and must not use its derived parts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"

PR_ENUM(TCollectionNotification, cnAdded, cnExtracting, cnDeleting)

class TCollection;

class TCollectionItem : public TPersistent {
  PR_CLASS(TCollectionItem, TPersistent)

 public:
  using TCreateArg = TCollection*;
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* Value);
  Integer ID() const { return id_; }
  Integer Index() const;
  virtual void SetIndex(Integer Value);
  virtual std::string DisplayName() const { return ClassName(); }
  virtual void SetDisplayName(const std::string& Value);
  std::string GetNamePath() const override;

 protected:
  // Reports a change of this item (AllItems: of the whole collection) unless updates are held.
  void Changed(bool AllItems);
  TPersistent* GetOwner() const override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  Integer id_ = 0;
};

class TCollection : public TPersistent {
  PR_CLASS(TCollection, TPersistent)

 public:
  explicit TCollection(TClass ItemClass);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(Integer Index);
  void Delete(Integer Index);
  void Clear();
  void Assign(TPersistent* Source) override;
  virtual void BeginUpdate() { ++updateCount_; }
  virtual void EndUpdate();
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  TCollectionItem* Items(Integer Index) const;   // EListError out of range
  void SetItems(Integer Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }
  TCollectionItem* FindItemID(Integer ID) const;
  TClass ItemClass() const { return itemClass_; }
  Integer UpdateCount() const { return updateCount_; }
  std::string GetNamePath() const override;
  // The owner's published property that holds this collection ("" when none).
  std::string PropName() const;

 protected:
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  virtual void Update(TCollectionItem* Item);
  virtual void SetItemName(TCollectionItem* Item);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  TClass itemClass_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  Integer updateCount_ = 0;
  Integer nextID_ = 0;
};

// A collection whose owner (for GetNamePath and the designer) is the given persistent.
class TOwnedCollection : public TCollection {
  PR_CLASS(TOwnedCollection, TCollection)

 public:
  TOwnedCollection(TPersistent* AOwner, TClass ItemClass) : TCollection(ItemClass), owner_(AOwner) {}

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};
