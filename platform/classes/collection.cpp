#include "platform/classes/collection.h"

#include <algorithm>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/property_table.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reference_fixups.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TCollectionItem)
PR_IMPLEMENT_CLASS(TCollection)
PR_IMPLEMENT_CLASS(TOwnedCollection)

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() {
  SetCollection(nullptr);
  RemoveFixups(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (collection_ == Value) return;
  if (collection_ != nullptr) collection_->RemoveItem(this);
  if (Value != nullptr) Value->InsertItem(this);
}

Integer TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<Integer>(i);
  return -1;
}

void TCollectionItem::SetIndex(Integer Value) {
  const Integer current = Index();
  if (current < 0 || current == Value) return;
  auto& items = collection_->items_;
  if (Value < 0 || Value >= static_cast<Integer>(items.size()))
    throw EListError(Format(classes_text::kListIndexError, {Value}));
  std::unique_ptr<TCollectionItem> self = std::move(items[current]);
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, std::move(self));
  Changed(true);
}

void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ != nullptr && collection_->updateCount_ == 0) collection_->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

std::string TCollectionItem::GetNamePath() const {
  if (collection_ == nullptr) return ClassName();
  return collection_->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

TCollection::TCollection(TClass ItemClass) : itemClass_(ItemClass) {}

TCollection::~TCollection() {
  updateCount_ = 1;
  Clear();
}

TCollectionItem* TCollection::Add() { return CreateInstance<TCollectionItem>(itemClass_, this); }

TCollectionItem* TCollection::Insert(Integer Index) {
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(Integer Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  delete item;   // leaves the list through its destructor
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  try {
    while (!items_.empty()) delete items_.back().get();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  --updateCount_;
  Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (Integer i = 0; i < source->Count(); ++i) Add()->Assign(source->Items(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::Items(Integer Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError(Format(classes_text::kListIndexError, {Index}));
  return items_[Index].get();
}

TCollectionItem* TCollection::FindItemID(Integer ID) const {
  for (const auto& item : items_)
    if (item->id_ == ID) return item.get();
  return nullptr;
}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}
void TCollection::Update(TCollectionItem*) {}
void TCollection::SetItemName(TCollectionItem*) {}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  items_.emplace_back(Item);
  Item->collection_ = this;
  Item->id_ = nextID_++;
  SetItemName(Item);
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  auto it = std::find_if(items_.begin(), items_.end(), [Item](const auto& p) { return p.get() == Item; });
  if (it != items_.end()) {
    it->release();   // the item is being freed or moved by its own hand
    items_.erase(it);
  }
  Item->collection_ = nullptr;
  Changed();
}

std::string TCollection::PropName() const {
  const TPersistent* owner = GetOwner();
  if (owner == nullptr) return {};
  for (const TPropInfo& prop : GetPropInfos(owner->ClassType()))
    if (prop.Kind() == tkClass && GetObjectProp(owner, &prop) == this) return prop.Name;
  return {};
}

std::string TCollection::GetNamePath() const {
  const TPersistent* owner = GetOwner();
  if (owner == nullptr) return ClassName();
  const std::string ownerPath = owner->GetNamePath();
  const std::string prop = PropName();
  if (ownerPath.empty() || prop.empty()) return ClassName();
  return ownerPath + "." + prop;
}
