// The editor repository (unit kxEditRepositoryItems): a TkxEditRepository component owns
// TkxEditRepositoryItem components, each holding one properties object that many editors share.
// An editor that links an item watches it (IkxEditRepositoryItemWatcher): it is told of every
// change of the item's properties and of the item going away.  Also the placeholder data binding
// of non-editor controls (TkxCustomDataBinding, TkxDataBinding).
//
// Watchers are told last registered first; a watcher may unregister itself (or others) while it
// is told.  Freeing an item tells every watcher before the item leaves its repository and frees its
// properties, so no editor keeps a dangling item.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/kx_edit_properties.h"
#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/classes/interface.h"

class TBasicAction;
class TkxCustomEdit;
class TkxEditRepository;
class TkxEditRepositoryItem;

// What an editor that links a repository item hears from it.
// Identifier {4E27D642-022B-4CD2-AB96-64C7CF9B3299}.
class IkxEditRepositoryItemWatcher : public IInterface {
 public:
  // The item is being freed: forget it without further action.
  virtual void ItemRemoved(TkxEditRepositoryItem* Sender) = 0;
  // The item's properties changed.
  virtual void ItemPropertiesChanged(TkxEditRepositoryItem* Sender) = 0;

 protected:
  ~IkxEditRepositoryItemWatcher() = default;
};

class TkxEditRepositoryItem : public TComponent {
  PR_CLASS(TkxEditRepositoryItem, TComponent)

 public:
  explicit TkxEditRepositoryItem(TComponent* AOwner);
  ~TkxEditRepositoryItem() override;

  // Every watcher, last registered first, hears ItemPropertiesChanged.
  virtual void PropertiesChanged(TObject* Sender);
  // Nothing for a watcher already registered (or null).
  virtual void AddWatcher(IkxEditRepositoryItemWatcher* AWatcher);
  virtual TkxCustomEditPropertiesClass GetPropertiesClass() const;
  // The repository's Name followed by the part of the class name after "TkxEditRepository" (empty
  // when the class name does not hold it); the prefix for naming new items.
  virtual void GetNamePrefix(std::string& Name) const;
  virtual void RemoveWatcher(IkxEditRepositoryItemWatcher* AWatcher);

  TkxCustomEditProperties* Properties() const { return properties_.get(); }
  void SetProperties(TkxCustomEditProperties* Value) { properties_->Assign(Value); }
  TkxEditRepository* Repository() const { return repository_; }
  // Leaves the old repository's list and joins the new one's.
  void SetRepository(TkxEditRepository* Value);
  Integer WatcherCount() const { return Integer(watchers_.size()); }

  // Interfaces of a component are not counted: it lives by its owner.
  bool HasParent() const override { return repository_ != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void ReadState(TReader* Reader) override;

  TNotifyEvent PropertiesEvents;   // published, stored, never called

 protected:
  // Makes the properties anew from GetPropertiesClass: the constructor runs the base's, so an item
  // class for another editor calls this in its constructor.
  void RecreateProperties();

 private:
  std::vector<IkxEditRepositoryItemWatcher*> watchers_;
  std::unique_ptr<TkxCustomEditProperties> properties_;
  TkxEditRepository* repository_ = nullptr;
};

using TkxEditRepositoryItemClass = TClass;

// An editor's link to a repository item: the watcher the editor registers with the item.  While an
// item is linked its properties are the editor's active properties; when the item goes away the
// editor is back on its own properties.
class TkxEditRepositoryItemLink : public IkxEditRepositoryItemWatcher {
 public:
  explicit TkxEditRepositoryItemLink(TkxCustomEdit* AEdit) : edit_(AEdit) {}
  ~TkxEditRepositoryItemLink();
  TkxEditRepositoryItemLink(const TkxEditRepositoryItemLink&) = delete;
  TkxEditRepositoryItemLink& operator=(const TkxEditRepositoryItemLink&) = delete;

  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }

  TkxEditRepositoryItem* Item() const { return item_; }
  // An equal item does nothing; an item whose properties the editor does not accept raises
  // EkxEditError "The repository item is not acceptable" and keeps the old one.
  void SetItem(TkxEditRepositoryItem* Value);

  void ItemRemoved(TkxEditRepositoryItem* Sender) override;
  void ItemPropertiesChanged(TkxEditRepositoryItem* Sender) override;

 private:
  TkxCustomEdit* edit_;
  TkxEditRepositoryItem* item_ = nullptr;
};

class TkxEditRepository : public TComponent {
  PR_CLASS(TkxEditRepository, TComponent)

 public:
  explicit TkxEditRepository(TComponent* AOwner) : TComponent(AOwner) {}
  // Frees the items, last first.
  ~TkxEditRepository() override;

  // CreateItemEx(AItemClass, this).
  virtual TkxEditRepositoryItem* CreateItem(TkxEditRepositoryItemClass AItemClass);
  // An item of the class (a TkxEditRepositoryItem class, else EInvalidCast) owned by AOwner and
  // joined to this repository.
  virtual TkxEditRepositoryItem* CreateItemEx(TkxEditRepositoryItemClass AItemClass, TComponent* AOwner);

  // Every item whose Owner is Root.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  Integer Count() const { return Integer(items_.size()); }
  // EListError out of range.
  TkxEditRepositoryItem* Items(Integer Index) const;

 private:
  friend class TkxEditRepositoryItem;
  void AddItem(TkxEditRepositoryItem* AItem);
  void RemoveItem(TkxEditRepositoryItem* AItem);

  std::vector<TkxEditRepositoryItem*> items_;
};

// The placeholder data binding of non-editor controls: no data source; the owner hears of data
// changes through three handlers it sets.
class TkxCustomDataBinding : public TPersistent {
  PR_CLASS(TkxCustomDataBinding, TPersistent)

 public:
  TkxCustomDataBinding(TComponent* AOwner, TComponent* ADataComponent)
      : owner_(AOwner), dataComponent_(ADataComponent) {}

  virtual void NotifyDataChanged();
  virtual void NotifyDataSetChanged();
  virtual bool IsModified() const { return false; }
  virtual bool IsReadOnly() const { return readOnly_; }
  // On a change: stored, then NotifyDataSetChanged.
  virtual void SetReadOnly(bool Value);
  virtual void NotifyUpdateData();
  virtual void ControlChanged() {}
  virtual bool CanModify() const { return !IsReadOnly(); }
  virtual bool ExecuteAction(TBasicAction*) { return false; }
  virtual void PlaceholderNull(Variant& Value) const { Value = Null(); }
  virtual bool IsSourceReadOnly() const { return IsReadOnly(); }
  virtual bool PlaceholderTrue() const { return true; }
  virtual bool PlaceholderFalse() const { return false; }
  virtual void PlaceholderHookA() {}
  virtual bool CanModifySource() const { return CanModify(); }
  virtual void PlaceholderHookB() {}
  virtual bool UpdateAction(TBasicAction*) { return false; }
  // The shell views call it when they lose the focus.
  virtual void UpdateDataSource() {}

  TComponent* DataComponent() const { return dataComponent_; }

  std::function<void()> OnDataChanged;
  std::function<void()> OnDataSetChanged;
  std::function<void()> OnUpdateData;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TComponent* owner_;
  TComponent* dataComponent_;
  bool readOnly_ = false;
};

class TkxDataBinding : public TkxCustomDataBinding {
  PR_CLASS(TkxDataBinding, TkxCustomDataBinding)

 public:
  using TkxCustomDataBinding::TkxCustomDataBinding;
};
