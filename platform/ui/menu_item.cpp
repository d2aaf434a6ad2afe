#include "platform/ui/menu_item.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_action.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/hotkeys.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_action_link.h"
#include "platform/ui/menu_item_paint.h"

PR_PUBLISH(TMenuItem) {
  p.Property("Action", &TMenuItem::Action, &TMenuItem::SetAction);
  p.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
  p.Property("Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap).Stored(&TMenuItem::HasBitmap);
  p.Property("Break", &TMenuItem::Break, &TMenuItem::SetBreak).Default(mbNone);
  p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption).Stored(&TMenuItem::IsCaptionStored);
  p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Stored(&TMenuItem::IsCheckedStored).Default(false);
  p.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Stored(&TMenuItem::IsEnabledStored).Default(true);
  p.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  p.Property("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext)
      .Stored(&TMenuItem::IsHelpContextStored)
      .Default(0);
  p.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint).Stored(&TMenuItem::IsHintStored);
  p.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
      .Stored(&TMenuItem::IsImageIndexStored)
      .Default(-1);
  p.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
  p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Stored(&TMenuItem::IsShortCutStored).Default(0);
  p.Property("SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages);
  p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Stored(&TMenuItem::IsVisibleStored).Default(true);
  p.Property("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
  p.Property("OnClick", &TMenuItem::OnClick).Stored(&TMenuItem::IsOnClickStored);
  p.Property("OnDrawItem", &TMenuItem::OnDrawItem);
  p.Property("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

namespace {

constexpr const char* kMenuIndexError = "Menu index out of range";
constexpr const char* kMenuReinserted = "Menu inserted twice";
constexpr const char* kMenuNotFound = "Sub-menu is not in menu";

// Commands in use by live items; an item takes the lowest free one from 1 up.
std::vector<bool>& CommandPool() {
  static std::vector<bool> pool(1, true);   // 0 is never an item's command
  return pool;
}

Word TakeCommand() {
  auto& pool = CommandPool();
  auto free = std::find(pool.begin(), pool.end(), false);
  const auto command = static_cast<std::size_t>(free - pool.begin());
  if (command > 0xFFFF) throw EMenuError("Too many menu items");
  if (free == pool.end()) pool.push_back(true);
  else *free = true;
  return static_cast<Word>(command);
}

void ReleaseCommand(Word Command) { CommandPool()[Command] = false; }

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner)
    : TComponent(AOwner), subMenuImagesLink_(std::make_unique<TChangeLink>()), command_(TakeCommand()) {
  subMenuImagesLink_->OnChange.Bind(this, &TMenuItem::SubMenuImagesChanged);
}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) delete items_.back();
  if (parent_ != nullptr) parent_->Remove(this);
  actionLink_.reset();
  SetSubMenuImages(nullptr);
  ReleaseCommand(command_);
}

// --- properties ---

void TMenuItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  MenuChanged(false);
}

void TMenuItem::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  if (Value && radioItem_) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (parent_ == nullptr) return;
  for (TMenuItem* item : parent_->items_)
    if (item != this && item->radioItem_ && item->groupIndex_ == groupIndex_) item->SetChecked(false);
}

void TMenuItem::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
  if (default_ == Value) return;
  if (Value && parent_ != nullptr)
    for (TMenuItem* item : parent_->items_) item->default_ = false;
  default_ = Value;
  MenuChanged(true);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (radioItem_ == Value) return;
  radioItem_ = Value;
  if (checked_ && radioItem_) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetGroupIndex(Byte Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  if (checked_ && radioItem_) TurnSiblingsOff();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (shortCut_ == Value) return;
  shortCut_ = Value;
  MenuChanged(false);
}

void TMenuItem::SetImageIndex(Integer Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  MenuChanged(false);
}

TBitmap* TMenuItem::Bitmap() const {
  if (bitmap_ == nullptr) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->OnChange.Bind(const_cast<TMenuItem*>(this), &TMenuItem::BitmapChanged);
  }
  return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* Value) { Bitmap()->Assign(Value); }

bool TMenuItem::HasBitmap() const { return bitmap_ != nullptr && !bitmap_->Empty(); }

void TMenuItem::BitmapChanged(TObject*) { MenuChanged(false); }

void TMenuItem::SetSubMenuImages(TCustomImageList* Value) {
  if (SetLinkedImageList(*this, *subMenuImagesLink_, subMenuImages_, Value)) MenuChanged(true);
}

void TMenuItem::SubMenuImagesChanged(TObject*) { MenuChanged(true); }

TCustomImageList* TMenuItem::GetImageList() const {
  for (const TMenuItem* parent = parent_; parent != nullptr; parent = parent->parent_)
    if (parent->subMenuImages_ != nullptr) return parent->subMenuImages_;
  const TMenu* menu = GetParentMenu();
  return menu != nullptr ? menu->Images() : nullptr;
}

bool TMenuItem::HasImage() const {
  TCustomImageList* images = GetImageList();
  return images != nullptr && imageIndex_ >= 0 && imageIndex_ < images->Count();
}

bool TMenuItem::IsOwnerDraw() const {
  if (IsLine()) return false;
  const TMenu* menu = GetParentMenu();
  return (menu != nullptr && menu->OwnerDraw()) || GetImageList() != nullptr || HasBitmap();
}

void TMenuItem::SetBreak(TMenuBreak Value) {
  if (break_ == Value) return;
  break_ = Value;
  MenuChanged(false);
}

// --- the tree ---

TMenuItem* TMenuItem::Items(Integer Index) const {
  if (Index < 0 || Index >= Count()) throw EMenuError(kMenuIndexError);
  return items_[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(Integer Index, TMenuItem* Item) {
  if (Item->parent_ != nullptr) throw EMenuError(kMenuReinserted);
  if (Index < 0 || Index > Count()) throw EMenuError(kMenuIndexError);
  items_.insert(items_.begin() + Index, Item);
  Item->parent_ = this;
  Item->OnChange.Bind(this, &TMenuItem::SubItemChanged);
  if (Item->checked_ && Item->radioItem_) Item->TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::Delete(Integer Index) {
  TMenuItem* item = Items(Index);
  items_.erase(items_.begin() + Index);
  item->parent_ = nullptr;
  item->OnChange.Clear();
  MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
  const Integer index = IndexOf(Item);
  if (index < 0) throw EMenuError(kMenuNotFound);
  Delete(index);
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<Integer>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(std::string_view ACaption) const {
  for (TMenuItem* item : items_)
    if (SameText(ACaption, StripHotkey(item->caption_))) return item;
  return nullptr;
}

Integer TMenuItem::MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(Integer Value) {
  if (parent_ == nullptr) return;
  TMenuItem* parent = parent_;
  const Integer count = parent->Count();
  Value = std::clamp<Integer>(Value, 0, count - 1);
  if (Value == MenuIndex()) return;
  parent->Remove(this);
  parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_ != nullptr) item = item->parent_;
  return item->menu_;
}

void TMenuItem::MenuChanged(bool Rebuild) { OnChange(this, this, Rebuild); }

void TMenuItem::SubItemChanged(TObject*, TMenuItem* Source, bool Rebuild) { OnChange(this, Source, Rebuild); }

// --- clicks and actions ---

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_ && !ComponentState().Contains(csDesigning)) SetChecked(!checked_);
  ClickThroughAction(this, OnClick, actionLink_.get());
}

// --- owner drawing ---

void TMenuItem::MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height) {
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
  else MeasureMenuItem(*this, *ACanvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected) {
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, Selected);
    return;
  }
  TOwnerDrawState state = MenuItemState(*this);
  if (Selected) state.Include(odSelected);
  PaintMenuItem(*this, *ACanvas, ARect, state);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State) {
  if (OnAdvancedDrawItem) OnAdvancedDrawItem(this, ACanvas, ARect, State);
  else if (OnDrawItem) OnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
  else PaintMenuItem(*this, *ACanvas, ARect, State);
}

TBasicAction* TMenuItem::Action() const { return actionLink_ != nullptr ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value) {
  if (Value == nullptr) {
    actionLink_.reset();
    return;
  }
  if (actionLink_ == nullptr) actionLink_.reset(CreateInstance<TMenuActionLink>(GetActionLinkClass(), this));
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->ComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

TClass TMenuItem::GetActionLinkClass() const { return TMenuActionLink::StaticClass(); }

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || !checked_) SetChecked(action->Checked());
  if (!CheckDefaults || enabled_) SetEnabled(action->Enabled());
  if (!CheckDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!CheckDefaults || hint_.empty()) SetHint(action->Hint());
  if (radioItem_ && (!CheckDefaults || groupIndex_ == 0)) SetGroupIndex(static_cast<Byte>(action->GroupIndex()));
  if (!CheckDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!CheckDefaults || shortCut_ == scNone) SetShortCut(action->ShortCut());
  if (!CheckDefaults || visible_) SetVisible(action->Visible());
  if (!CheckDefaults || !autoCheck_) SetAutoCheck(action->AutoCheck());
  if (!CheckDefaults || !OnClick) OnClick = action->OnExecute();
}

void TMenuItem::InitiateAction() {
  if (actionLink_ != nullptr) actionLink_->Update();
}

void TMenuItem::InitiateActions() {
  for (TMenuItem* item : std::vector<TMenuItem*>(items_)) item->InitiateAction();
}

void TMenuItem::Loaded() {
  TComponent::Loaded();
  if (Action() != nullptr) ActionChange(Action(), true);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == subMenuImages_) {
    LinkedImageListRemoved(*subMenuImagesLink_, subMenuImages_, AComponent);
    MenuChanged(true);
  }
  // A freed action has unregistered the link before its removal is announced.
  if (Operation == opRemove && actionLink_ != nullptr && (AComponent == Action() || Action() == nullptr))
    SetAction(nullptr);
}

// --- streaming ---

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (parent_ != nullptr) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(Value)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value)) item->Add(this);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TMenuItem* item : items_) Proc(item);
}

void TMenuItem::SetChildOrder(TComponent* Child, Integer Order) {
  if (auto* item = dynamic_cast<TMenuItem*>(Child); item != nullptr && item->parent_ == this)
    item->SetMenuIndex(Order);
}

bool TMenuItem::IsCaptionStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsCaptionLinked); }
bool TMenuItem::IsCheckedStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsCheckedLinked); }
bool TMenuItem::IsEnabledStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsEnabledLinked); }
bool TMenuItem::IsHelpContextStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsHelpContextLinked); }
bool TMenuItem::IsHintStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsHintLinked); }
bool TMenuItem::IsImageIndexStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsImageIndexLinked); }
bool TMenuItem::IsShortCutStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsShortCutLinked); }
bool TMenuItem::IsVisibleStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsVisibleLinked); }
bool TMenuItem::IsOnClickStored() const { return StoresProperty(actionLink_.get(), &TActionLink::IsOnExecuteLinked); }
