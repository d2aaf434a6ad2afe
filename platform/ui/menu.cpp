#include "platform/ui/menu.h"

#include "platform/classes/publisher.h"
#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/hints.h"
#include "platform/ui/menu_hooks.h"
#include "platform/ui/menu_item_paint.h"
#include "platform/ui/message.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/menu.h"
#include "platform/user/message_ids.h"
#include "platform/user/owner_draw.h"
#include "platform/user/track_popup_menu.h"

PR_PUBLISH(TMenu) {}

PR_PUBLISH(TMainMenu) {
  p.Property("Images", &TMenu::Images, &TMenu::SetImages);
  p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

PR_PUBLISH(TPopupMenu) {
  p.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  p.Property("Images", &TMenu::Images, &TMenu::SetImages);
  p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
  p.Property("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton).Default(tbRightButton);
  p.Property("OnChange", &TMenu::OnChange);
  p.Property("OnPopup", &TPopupMenu::OnPopup);
}

namespace {

// The entry of an item: its type, state, id, sub-menu and text.
struct TMenuEntry {
  MENUITEMINFOA info{};
  std::string text;

  TMenuEntry(const TMenuItem& Item, HMENU SubMenu) {
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_DATA;
    info.fType = Item.IsLine() ? MFT_SEPARATOR : Item.IsOwnerDraw() ? MFT_OWNERDRAW : MFT_STRING;
    if (Item.RadioItem()) info.fType |= MFT_RADIOCHECK;
    if (Item.Break() == mbBreak) info.fType |= MFT_MENUBREAK;
    if (Item.Break() == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (Item.Checked()) info.fState |= MFS_CHECKED;
    if (!Item.Enabled()) info.fState |= MFS_GRAYED;
    if (Item.Default()) info.fState |= MFS_DEFAULT;
    info.wID = Item.Command();
    info.hSubMenu = SubMenu;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&Item);
    text = Item.Caption();
    if (Item.ShortCut() != scNone) text += "\t" + ShortCutToText(Item.ShortCut());
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
};

// The place of Item's entry among its parent's visible items.
UINT EntryPosition(const TMenuItem& Item) {
  UINT position = 0;
  const TMenuItem* parent = Item.Parent();
  for (Integer i = 0; i < Item.MenuIndex(); ++i)
    if (parent->Items(i)->Visible()) ++position;
  return position;
}

void ForgetHandles(TMenuItem& Item, void (*Forget)(TMenuItem&)) {
  Forget(Item);
  for (Integer i = 0; i < Item.Count(); ++i) ForgetHandles(*Item.Items(i), Forget);
}

}  // namespace

// --- TMenu ---

TMenu::TMenu(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr)), imageChangeLink_(std::make_unique<TChangeLink>()) {
  items_->menu_ = this;
  items_->OnChange.Bind(this, &TMenu::MenuChanged);
  imageChangeLink_->OnChange.Bind(this, &TMenu::ImageListChange);
}

TMenu::~TMenu() {
  DestroyMenuHandle();
  SetLinkedImageList(*this, *imageChangeLink_, images_, nullptr);
  items_.reset();
}

void TMenu::SetImages(TCustomImageList* Value) {
  if (SetLinkedImageList(*this, *imageChangeLink_, images_, Value)) MenuChanged(this, nullptr, true);
}

void TMenu::SetOwnerDraw(bool Value) {
  if (ownerDraw_ == Value) return;
  ownerDraw_ = Value;
  MenuChanged(this, nullptr, true);
}

void TMenu::ImageListChange(TObject*) { MenuChanged(this, nullptr, true); }

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == images_) {
    LinkedImageListRemoved(*imageChangeLink_, images_, AComponent);
    MenuChanged(this, nullptr, true);
  }
}

HMENU TMenu::Handle() {
  if (handle_ == nullptr) {
    handle_ = CreateMenuHandle();
    items_->handle_ = handle_;
    FillEntries(handle_, *items_);
  }
  return handle_;
}

HMENU TMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TMenu::FillEntries(HMENU Menu, TMenuItem& Item) {
  for (Integer i = 0; i < Item.Count(); ++i) {
    TMenuItem& item = *Item.Items(i);
    if (!item.Visible()) continue;
    if (item.Count() > 0) {
      item.handle_ = CreatePopupMenu();
      FillEntries(item.handle_, item);
    }
    const TMenuEntry entry(item, item.handle_);
    InsertMenuItemA(Menu, static_cast<UINT>(GetMenuItemCount(Menu)), TRUE, &entry.info);
  }
}

void TMenu::UpdateEntry(TMenuItem& Item) {
  if (Item.Parent() == nullptr || Item.Parent()->handle_ == nullptr || !Item.Visible()) return;
  TMenuEntry entry(Item, Item.handle_);
  entry.info.fMask &= ~(MIIM_SUBMENU | MIIM_DATA);
  SetMenuItemInfoA(Item.Parent()->handle_, EntryPosition(Item), TRUE, &entry.info);
}

void TMenu::DestroyMenuHandle() {
  if (handle_ == nullptr) return;
  DestroyMenu(handle_);   // its sub-menus go with it
  handle_ = nullptr;
  ForgetHandles(*items_, [](TMenuItem& item) { item.handle_ = nullptr; });
}

void TMenu::MenuChanged(TObject*, TMenuItem* Source, bool Rebuild) {
  if (Rebuild || Source == nullptr) DestroyMenuHandle();
  else UpdateEntry(*Source);
  OnChange(this, Source, Rebuild);
}

namespace {

// Depth first, each item before its own items.
TMenuItem* FindIn(TMenuItem* Item, UINT_PTR Value, TFindItemKind Kind) {
  bool found = false;
  switch (Kind) {
    case fkCommand: found = Item->Command() == Value; break;
    case fkHandle: found = Item->Handle() != nullptr && reinterpret_cast<UINT_PTR>(Item->Handle()) == Value; break;
    case fkShortCut: found = Item->ShortCut() != scNone && Item->ShortCut() == Value; break;
  }
  if (found) return Item;
  for (Integer i = 0; i < Item->Count(); ++i)
    if (TMenuItem* inner = FindIn(Item->Items(i), Value, Kind)) return inner;
  return nullptr;
}

enum class TClickResult { Disabled, Clicked, ShortCutMoved };

}  // namespace

TMenuItem* TMenu::FindItem(UINT_PTR Value, TFindItemKind Kind) const { return FindIn(items_.get(), Value, Kind); }

bool TMenu::DispatchCommand(Word ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AHandle) {
  TMenuItem* item = FindItem(reinterpret_cast<UINT_PTR>(AHandle), fkHandle);
  if (item == nullptr) return false;
  if (!ComponentState().Contains(csDesigning)) item->InitiateActions();
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TMessage& Message) {
  const TShortCut shortCut = ShortCutOfKeyMessage(Message);
  if (shortCut == scNone) return false;
  TMenuItem* shortCutItem = nullptr;
  // Clicks the item's parents from the root down, then the item, each only while enabled.
  auto click = [&](auto& self, TMenuItem* item) -> TClickResult {
    TClickResult result = item->Parent() != nullptr ? self(self, item->Parent()) : TClickResult::Clicked;
    if (result != TClickResult::Clicked) return result;
    if (!item->Enabled()) return TClickResult::Disabled;
    try {
      if (!ComponentState().Contains(csDesigning)) item->InitiateActions();
      item->Click();
      if (item != shortCutItem && shortCutItem->ShortCut() != shortCut) return TClickResult::ShortCutMoved;
    } catch (...) {
      if (Application == nullptr) throw;
      Application->HandleException(this);
    }
    return TClickResult::Clicked;
  };
  TClickResult result;
  do {
    result = TClickResult::Disabled;
    shortCutItem = FindItem(shortCut, fkShortCut);
    if (shortCutItem != nullptr) result = click(click, shortCutItem);
  } while (result == TClickResult::ShortCutMoved);
  return shortCutItem != nullptr;
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) { items_->GetChildren(Proc, Root); }

void TMenu::SetChildOrder(TComponent* Child, Integer Order) { items_->SetChildOrder(Child, Order); }

// --- TMainMenu ---

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

// --- TPopupMenu ---

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {
  Items()->OnClick.Bind(this, &TPopupMenu::DoPopup);
  TWndMethod method;
  method.Bind(this, &TPopupMenu::WndProc);
  SetWindowHandle(AllocateHWnd(method));
}

TPopupMenu::~TPopupMenu() { DeallocateHWnd(WindowHandle()); }

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (popupComponent_ == Value) return;
  if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = Value;
  if (popupComponent_ != nullptr) popupComponent_->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup(TObject*) { OnPopup(this); }

void TPopupMenu::Popup(Integer X, Integer Y) {
  static constexpr UINT kAlignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  popupPoint_ = TPoint{X, Y};
  DoPopup(this);
  Items()->InitiateActions();
  const UINT flags = kAlignments[alignment_] | (trackButton_ == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON) |
                     TPM_RETURNCMD;
  const auto command = static_cast<Word>(TrackPopupMenu(Handle(), flags, X, Y, 0, WindowHandle(), nullptr));
  if (command != 0) DispatchCommand(command);
}

// The menu loop's notifications: a sub-menu opening lets its item's actions update and clicks
// it; the highlighted item's hint becomes the application's.
void TPopupMenu::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_INITMENUPOPUP: {
      const auto menu = reinterpret_cast<HMENU>(Message.WParam);
      if (menu != Items()->Handle()) DispatchPopup(menu);
      return;
    }
    case WM_MEASUREITEM:
      if (MeasureMenuEntry(*reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam))) {
        Message.Result = TRUE;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (DrawMenuEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam))) {
        Message.Result = TRUE;
        return;
      }
      break;
    case WM_MENUSELECT: {
      const TMenuItem* item = HIWORD(Message.WParam) == MENU_NO_ITEM ? nullptr : FindItem(LOWORD(Message.WParam), fkCommand);
      if (Application != nullptr) Application->SetHint(item != nullptr ? GetLongHint(item->Hint()) : "");
      return;
    }
  }
  Message.Result = DefWindowProcA(WindowHandle(), Message.Msg, Message.WParam, Message.LParam);
}

// --- the control layer's hooks ---

namespace {

bool PopupMenuHook(TComponent* Menu, TControl* Control, TPoint ScreenPos) {
  auto* menu = dynamic_cast<TPopupMenu*>(Menu);
  if (menu == nullptr || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(Control);
  menu->Popup(ScreenPos.X, ScreenPos.Y);
  return true;
}

bool IsShortCutHook(TComponent* Menu, TMessage& Message) {
  auto* menu = dynamic_cast<TMenu*>(Menu);
  return menu != nullptr && menu->IsShortCut(Message);
}

}  // namespace

void InstallMenuHooks() {
  TMenuHooks hooks;
  hooks.Popup = &PopupMenuHook;
  hooks.IsShortCut = &IsShortCutHook;
  SetMenuHooks(hooks);
}
