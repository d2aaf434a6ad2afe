// TMenu, TMainMenu, TPopupMenu: the menu components, whose items (Items, a root TMenuItem owned
// by the menu) are shown through the window layer's menus.
//
// Handle: the window layer's menu built from the items when first asked for; hidden items are
// left out of it; each entry's id is its item's Command, its text the Caption and, after a tab,
// the shortcut's text; an item with items of its own opens a sub-menu (its Handle).  A change of
// an item's entry (caption, checks, enabling, shortcut, break) is made in place; a change of which
// entries there are (an item added, removed, shown or hidden, a new default) drops the handle,
// which is built again when next asked for.  IsShortCut: the key message's
// shortcut (shortcuts.h) is looked for among all the items, hidden ones too; for the item found,
// each of its parents from the root down is clicked first (a popup menu's root click is its
// OnPopup), then the item itself, each only while enabled; when a click moves the shortcut to
// another item, the search starts again.  It answers true whenever an item has the shortcut,
// enabled or not.  The menu takes shortcuts only while it has a window (WindowHandle): a form's
// main menu once it is the form's Menu, a popup menu always.
//
// TPopupMenu: Popup(X, Y) runs OnPopup, lets the items' actions update themselves, then shows the
// menu at the screen point (Alignment: the point is its left edge, right edge or centre;
// TrackButton: the mouse button that chooses) and runs the menu loop; the chosen item's Click
// runs after the menu has closed.  A control shows its PopupMenu on a right click or Shift+F10
// when AutoPopup is set, with PopupComponent set to the control.
// TMainMenu: a form's Menu.  The form draws no menu bar: only its shortcuts work.
//
// Images and OwnerDraw: a change of either (or of the images in the list) rebuilds the handle, as
// they decide which entries are owner-drawn (menu_item.h).  A popup menu's window answers the
// window layer's WM_MEASUREITEM / WM_DRAWITEM for its owner-drawn entries through their items.
#pragma once

#include <memory>

#include "platform/classes/component.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/menu_item.h"
#include "platform/user/user_types.h"

class TChangeLink;
class TCustomImageList;
struct TMessage;

PR_ENUM(TFindItemKind, fkCommand, fkHandle, fkShortCut)
PR_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
PR_ENUM(TTrackButton, tbRightButton, tbLeftButton)

class TMenu : public TComponent {
  PR_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_.get(); }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* Value);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool Value);
  // The window layer's menu of the items, built on first use after a change.
  HMENU Handle();
  // The window that hears this menu's notifications (a popup menu's own hidden window; none
  // for a main menu).
  HWND WindowHandle() const { return windowHandle_; }

  virtual bool IsShortCut(TMessage& Message);
  // The item with the command, sub-menu handle or shortcut Value; nullptr when none has it.
  TMenuItem* FindItem(UINT_PTR Value, TFindItemKind Kind) const;
  // Clicks the item with the command; false when there is none.
  bool DispatchCommand(Word ACommand);
  // The item whose sub-menu is AHandle lets its actions update and is clicked (it is opening).
  bool DispatchPopup(HMENU AHandle);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, Integer Order) override;

  TMenuChangeEvent OnChange;

 protected:
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A menu bar for a main menu, a popup menu otherwise.
  virtual HMENU CreateMenuHandle();
  void SetWindowHandle(HWND Value) { windowHandle_ = Value; }

 private:
  void DestroyMenuHandle();
  void ImageListChange(TObject* Sender);
  // The entries of Item's visible items, appended to Menu, sub-menus made as needed.
  void FillEntries(HMENU Menu, TMenuItem& Item);
  // Writes Item's entry again in its parent's menu, when that menu is built.
  void UpdateEntry(TMenuItem& Item);

  std::unique_ptr<TMenuItem> items_;
  TCustomImageList* images_ = nullptr;
  std::unique_ptr<TChangeLink> imageChangeLink_;
  bool ownerDraw_ = false;
  HMENU handle_ = nullptr;
  HWND windowHandle_ = nullptr;
};

class TMainMenu : public TMenu {
  PR_CLASS(TMainMenu, TMenu)

 public:
  using TMenu::TMenu;

 protected:
  HMENU CreateMenuHandle() override;
};

class TPopupMenu : public TMenu {
  PR_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  virtual void Popup(Integer X, Integer Y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* Value);
  // The screen point of the last Popup.
  TPoint PopupPoint() const { return popupPoint_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool Value) { autoPopup_ = Value; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment Value) { alignment_ = Value; }
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton Value) { trackButton_ = Value; }

  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(TObject* Sender);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void WndProc(TMessage& Message);
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_;
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = paLeft;
  TTrackButton trackButton_ = tbRightButton;
};

// Installs the menus' answers to the control layer's menu hooks (menu_hooks.h): a control's popup
// menu and the shortcuts of popup and main menus.  The application calls it at start-up.
void InstallMenuHooks();
