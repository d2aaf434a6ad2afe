#include "controls/editors/kx_edit_repository.h"

#include <algorithm>

#include "controls/editors/kx_custom_edit.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/core/format.h"

PR_PUBLISH(TkxEditRepositoryItem) {
  p.Property("PropertiesEvents", &TkxEditRepositoryItem::PropertiesEvents);
}
PR_IMPLEMENT_CLASS(TkxEditRepository)
PR_IMPLEMENT_CLASS(TkxCustomDataBinding)
PR_IMPLEMENT_CLASS(TkxDataBinding)

namespace {

// The class-name part that follows this text names the kind of item.
constexpr std::string_view kItemClassPrefix = "TkxEditRepository";

}  // namespace

// --- TkxEditRepositoryItem ---

TkxEditRepositoryItem::TkxEditRepositoryItem(TComponent* AOwner) : TComponent(AOwner) { RecreateProperties(); }

TkxEditRepositoryItem::~TkxEditRepositoryItem() {
  // A copy: a watcher unregisters itself when it forgets the item.
  const std::vector<IkxEditRepositoryItemWatcher*> watchers = watchers_;
  for (auto it = watchers.rbegin(); it != watchers.rend(); ++it)
    if (std::find(watchers_.begin(), watchers_.end(), *it) != watchers_.end()) (*it)->ItemRemoved(this);
  watchers_.clear();
  SetRepository(nullptr);
  properties_->OnPropertiesChanged = nullptr;
  properties_.reset();
}

void TkxEditRepositoryItem::RecreateProperties() {
  if (properties_ != nullptr) properties_->OnPropertiesChanged = nullptr;
  properties_.reset(GetPropertiesClass()(this));
  properties_->OnPropertiesChanged = [this](TObject* Sender) { PropertiesChanged(Sender); };
}

TkxCustomEditPropertiesClass TkxEditRepositoryItem::GetPropertiesClass() const {
  return &TkxCustomEditProperties::Create;
}

void TkxEditRepositoryItem::PropertiesChanged(TObject*) {
  const std::vector<IkxEditRepositoryItemWatcher*> watchers = watchers_;
  for (auto it = watchers.rbegin(); it != watchers.rend(); ++it)
    if (std::find(watchers_.begin(), watchers_.end(), *it) != watchers_.end()) (*it)->ItemPropertiesChanged(this);
}

void TkxEditRepositoryItem::AddWatcher(IkxEditRepositoryItemWatcher* AWatcher) {
  if (AWatcher == nullptr || std::find(watchers_.begin(), watchers_.end(), AWatcher) != watchers_.end()) return;
  watchers_.push_back(AWatcher);
}

void TkxEditRepositoryItem::RemoveWatcher(IkxEditRepositoryItemWatcher* AWatcher) { std::erase(watchers_, AWatcher); }

void TkxEditRepositoryItem::GetNamePrefix(std::string& Name) const {
  const std::string& className = ClassName();
  const std::size_t at = className.find(kItemClassPrefix);
  Name = at == std::string::npos ? std::string() : className.substr(at + kItemClassPrefix.size());
  if (repository_ != nullptr) Name = repository_->Name() + Name;
}

void TkxEditRepositoryItem::SetRepository(TkxEditRepository* Value) {
  if (repository_ == Value) return;
  if (repository_ != nullptr) repository_->RemoveItem(this);
  repository_ = Value;
  if (repository_ != nullptr) repository_->AddItem(this);
}

TComponent* TkxEditRepositoryItem::GetParentComponent() const { return repository_; }

void TkxEditRepositoryItem::SetParentComponent(TComponent* Value) {
  if (ComponentState().Contains(csLoading)) return;
  if (auto* repository = dynamic_cast<TkxEditRepository*>(Value)) SetRepository(repository);
}

void TkxEditRepositoryItem::ReadState(TReader* Reader) {
  inherited::ReadState(Reader);
  if (auto* repository = dynamic_cast<TkxEditRepository*>(Reader->Parent())) SetRepository(repository);
}

// --- TkxEditRepository ---

TkxEditRepository::~TkxEditRepository() {
  while (!items_.empty()) FreeObject(items_.back());   // each item leaves the list as it goes
}

TkxEditRepositoryItem* TkxEditRepository::CreateItem(TkxEditRepositoryItemClass AItemClass) {
  return CreateItemEx(AItemClass, this);
}

TkxEditRepositoryItem* TkxEditRepository::CreateItemEx(TkxEditRepositoryItemClass AItemClass, TComponent* AOwner) {
  auto* item = CreateInstance<TkxEditRepositoryItem>(AItemClass, AOwner);
  item->SetRepository(this);
  return item;
}

void TkxEditRepository::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TkxEditRepositoryItem* item : items_)
    if (item->Owner() == Root) Proc(item);
}

TkxEditRepositoryItem* TkxEditRepository::Items(Integer Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(classes_text::kListIndexError, {Index}));
  return items_[std::size_t(Index)];
}

void TkxEditRepository::AddItem(TkxEditRepositoryItem* AItem) {
  if (std::find(items_.begin(), items_.end(), AItem) == items_.end()) items_.push_back(AItem);
}

void TkxEditRepository::RemoveItem(TkxEditRepositoryItem* AItem) { std::erase(items_, AItem); }

// --- TkxEditRepositoryItemLink ---

TkxEditRepositoryItemLink::~TkxEditRepositoryItemLink() {
  if (item_ != nullptr) item_->RemoveWatcher(this);
}

void TkxEditRepositoryItemLink::SetItem(TkxEditRepositoryItem* Value) {
  if (Value == item_) return;
  TkxCustomEditProperties* properties = Value != nullptr ? Value->Properties() : nullptr;
  if (!edit_->CanAcceptRepositoryProperties(properties))
    throw EkxEditError(LoadResStringOrReplacement(&sEditRepositoryItemNotAcceptable));
  if (item_ != nullptr) item_->RemoveWatcher(this);
  item_ = Value;
  if (item_ != nullptr) item_->AddWatcher(this);
  edit_->LinkRepositoryProperties(properties);
}

void TkxEditRepositoryItemLink::ItemRemoved(TkxEditRepositoryItem* Sender) {
  if (Sender != item_) return;
  item_->RemoveWatcher(this);
  item_ = nullptr;
  // The item's properties go with it: the editor must not keep them.
  edit_->LinkRepositoryProperties(nullptr);
}

void TkxEditRepositoryItemLink::ItemPropertiesChanged(TkxEditRepositoryItem* Sender) {
  if (Sender == item_) edit_->ItemPropertiesChanged();
}

// --- TkxCustomDataBinding ---

void TkxCustomDataBinding::NotifyDataChanged() {
  if (OnDataChanged) OnDataChanged();
}

void TkxCustomDataBinding::NotifyDataSetChanged() {
  if (OnDataSetChanged) OnDataSetChanged();
}

void TkxCustomDataBinding::NotifyUpdateData() {
  if (OnUpdateData) OnUpdateData();
}

void TkxCustomDataBinding::SetReadOnly(bool Value) {
  if (readOnly_ == Value) return;
  readOnly_ = Value;
  NotifyDataSetChanged();
}
