// TComponent: ownership, names, free notification and the streaming hooks.
#include "platform/classes/component.h"

#include <algorithm>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/classes/reference_fixups.h"
#include "platform/classes/writer.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/int_text.h"

PR_PUBLISH(TComponent) {
  p.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  p.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

[[noreturn]] void ListIndexError(Integer index) {
  throw EListError(Format(classes_text::kListIndexError, {index}));
}

Word LowWord(Integer v) { return static_cast<Word>(static_cast<Cardinal>(v) & 0xFFFF); }
Word HighWord(Integer v) { return static_cast<Word>(static_cast<Cardinal>(v) >> 16); }
Integer MakeLong(Word low, Word high) { return static_cast<Integer>(static_cast<Cardinal>(high) << 16 | low); }

}  // namespace

bool IsValidIdent(std::string_view Ident) {
  if (Ident.empty() || !IsIdentStart(Ident[0])) return false;
  return std::all_of(Ident.begin() + 1, Ident.end(), IsIdentChar);
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    RemoveFreeNotification(other);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
  RemoveFixups(this);
}

TComponent* TComponent::Components(Integer Index) const {
  if (Index < 0 || Index >= ComponentCount()) ListIndexError(Index);
  return components_[Index].get();
}

Integer TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& list = owner_->components_;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == this) return static_cast<Integer>(i);
  return -1;
}

void TComponent::SetComponentIndex(Integer Value) {
  if (owner_ == nullptr) return;
  auto& list = owner_->components_;
  const Integer current = ComponentIndex();
  const Integer last = static_cast<Integer>(list.size()) - 1;
  Value = std::clamp(Value < 0 ? 0 : Value, 0, last);
  if (current < 0 || Value == current) return;
  std::unique_ptr<TComponent> self = std::move(list[current]);
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, std::move(self));
}

void TComponent::SetName(const std::string& NewName) {
  if (name_ == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(Format(classes_text::kInvalidName, {NewName}));
  if (owner_ != nullptr)
    owner_->ValidateRename(this, name_, NewName);
  else
    ValidateRename(nullptr, name_, NewName);
  SetReference(false);
  ChangeName(NewName);
  SetReference(true);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
  if (AComponent != nullptr && !SameText(CurName, NewName) && AComponent->owner_ == this &&
      FindComponent(NewName) != nullptr)
    throw EComponentError(Format(classes_text::kDuplicateName, {NewName}));
  if (state_.Contains(csDesigning) && owner_ != nullptr) owner_->ValidateRename(AComponent, CurName, NewName);
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
  if (AName.empty()) return nullptr;
  for (const auto& c : components_)
    if (SameText(c->name_, AName)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->owner_ == this) return;
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, "", AComponent->name_);
  if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
  Insert(AComponent);
  AComponent->SetReference(true);
  if (state_.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  ValidateRename(AComponent, AComponent->name_, "");
  Notification(AComponent, opRemove);
  AComponent->SetReference(false);
  Remove(AComponent).release();   // the component is on its own now: whoever holds it frees it
}

void TComponent::Insert(TComponent* AComponent) {
  components_.emplace_back(AComponent);
  AComponent->owner_ = this;
}

std::unique_ptr<TComponent> TComponent::Remove(TComponent* AComponent) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [AComponent](const auto& c) { return c.get() == AComponent; });
  if (it == components_.end()) return nullptr;
  std::unique_ptr<TComponent> owned = std::move(*it);
  components_.erase(it);
  AComponent->owner_ = nullptr;
  return owned;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* instance = components_.back().get();
    const bool notify = instance->state_.Contains(csFreeNotification) ||
                        (state_.Contains(csDesigning) && state_.Contains(csInline));
    if (notify) {
      Notification(instance, opRemove);
      instance->SetReference(false);
    }
    try {
      instance->BeforeDestruction();
    } catch (...) {
      if (!state_.Contains(csDestroying)) throw;   // a destructor cannot pass it on
    }
    Remove(instance);   // the returned owner frees the instance here
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (const auto& c : components_) c->Destroying();
}

void TComponent::BeforeDestruction() { Destroying(); }

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent == this) return;
  if (owner_ == nullptr || AComponent->owner_ != owner_) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
      freeNotifies_.push_back(AComponent);
      AComponent->FreeNotification(this);
    }
  }
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  std::erase(freeNotifies_, AComponent);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr) RemoveFreeNotification(AComponent);
  Integer i = ComponentCount() - 1;
  while (i >= 0) {
    components_[i]->Notification(AComponent, Operation);
    --i;
    if (i >= ComponentCount()) i = ComponentCount() - 1;
  }
}

void TComponent::SetReference(bool Enable) {
  if (owner_ == nullptr || name_.empty() || owner_->state_.Contains(csDestroying)) return;
  const TFieldEntry* field = FindFieldEntry(owner_->ClassType(), name_);
  if (field == nullptr) return;
  if (Enable && !InheritsFrom(field->ClassRef())) return;
  field->Set(owner_, *field, Enable ? this : nullptr);
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value) state_.Include(csDesigning);
  else state_.Exclude(csDesigning);
  if (SetChildren)
    for (const auto& c : components_) c->SetDesigning(Value);
}

void TComponent::SetInline(bool Value) {
  if (Value) state_.Include(csInline);
  else state_.Exclude(csInline);
}

void TComponent::SetAncestor(bool Value) {
  if (Value) state_.Include(csAncestor);
  else state_.Exclude(csAncestor);
  for (const auto& c : components_) c->SetAncestor(Value);
}

void TComponent::SetSubComponent(bool Value) {
  if (Value) style_.Include(csSubComponent);
  else style_.Exclude(csSubComponent);
}

void TComponent::GetChildren(TGetChildProc, TComponent*) {}
void TComponent::SetChildOrder(TComponent*, Integer) {}
void TComponent::SetParentComponent(TComponent*) {}
void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }
void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }
void TComponent::Loaded() { state_.Exclude(csLoading); }
void TComponent::Updating() { state_.Include(csUpdating); }
void TComponent::Updated() { state_.Exclude(csUpdating); }

void TComponent::DefineProperties(TFiler* Filer) {
  Integer ancestorInfo = 0;
  if (const auto* ancestor = dynamic_cast<const TComponent*>(Filer->Ancestor())) ancestorInfo = ancestor->designInfo_;
  Filer->DefineProperty(
      "Left", [this](TReader* r) { designInfo_ = MakeLong(static_cast<Word>(r->ReadInteger()), HighWord(designInfo_)); },
      [this](TWriter* w) { w->WriteInteger(LowWord(designInfo_)); }, LowWord(designInfo_) != LowWord(ancestorInfo));
  Filer->DefineProperty(
      "Top", [this](TReader* r) { designInfo_ = MakeLong(LowWord(designInfo_), static_cast<Word>(r->ReadInteger())); },
      [this](TWriter* w) { w->WriteInteger(HighWord(designInfo_)); }, HighWord(designInfo_) != HighWord(ancestorInfo));
}
