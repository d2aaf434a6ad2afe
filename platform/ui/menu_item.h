// TMenuItem: one entry of a menu: a command, a separator (Caption "-") or, with items of its
// own, a sub-menu.
//
// The model: items form a tree (Items / Count / Parent / MenuIndex); Add and Insert take an item
// that is in no menu yet (EMenuError "Menu inserted twice"), Delete and Remove take one out
// without freeing it, Clear frees them all; an item frees its own items and leaves its parent
// when it is destroyed.  Every change of what a menu shows reaches the menu (MenuChanged), which
// rebuilds its window handle when next asked for it (menu.h).
//
// Checks: checking a RadioItem unchecks the radio items of its parent with the same GroupIndex;
// AutoCheck toggles Checked on each click.  Default: at most one item of a parent is the
// default (drawn bold, chosen on a double click).  Hidden items (Visible false) stay in the model
// and keep their shortcuts, but are not put in the menu's window handle.
//
// Click runs, when the item is enabled: the linked action (TMenuActionLink) unless OnClick is a
// handler of its own, else OnClick.  Command is the item's id in the window layer's menus: a
// number from 1 up that no other live item has.
//
// Pictures and owner drawing: an item's image is ImageIndex in its image list (GetImageList: the
// SubMenuImages of the nearest parent that has them, else its menu's Images) or its Bitmap.  Its
// entry is owner-drawn (IsOwnerDraw) when the menu is OwnerDraw, the item has an image list or
// its Bitmap is not empty; separators always stay the window layer's own.  The menu's window then
// asks the item: MeasureItem (Width, Height start at 0 and the default row height; OnMeasureItem,
// else the default measure) and AdvancedDrawItem (OnAdvancedDrawItem, else DrawItem: OnDrawItem,
// else the default look; menu_item_paint.h).
//
// Form images: items are the children of their menu (the top items) or of their parent item,
// as the class library writes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/classes/event.h"
#include "platform/core/exceptions.h"
#include "platform/ui/owner_draw_item.h"
#include "platform/ui/shortcuts.h"
#include "platform/user/user_types.h"

class TBasicAction;
class TBitmap;
class TCanvas;
class TChangeLink;
class TCustomImageList;
class TMenu;
class TMenuActionLink;
class TMenuItem;

PR_DECLARE_EXCEPTION(EMenuError, Exception);
PR_ENUM(TMenuBreak, mbNone, mbBreak, mbBarBreak)

using TMenuChangeEvent = Event<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;
using TMenuDrawItemEvent = Event<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    Event<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent = Event<void(TObject* Sender, TCanvas* ACanvas, Integer& Width, Integer& Height)>;

class TMenuItem : public TComponent {
  PR_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  // A separator line.
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool Value);
  Byte GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(Byte Value);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool Value) { autoCheck_ = Value; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer Value);
  // The item's picture; empty until one is given (drawn when the item has no image from a list).
  TBitmap* Bitmap() const;
  void SetBitmap(TBitmap* Value);
  bool HasBitmap() const;
  // Images for the items of this item's sub-menu (and theirs, unless they have their own).
  TCustomImageList* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(TCustomImageList* Value);
  // The list ImageIndex draws from: the nearest parent's SubMenuImages, else the menu's Images.
  TCustomImageList* GetImageList() const;
  // True when ImageIndex names an image of GetImageList.
  bool HasImage() const;
  // Whether the item's entry is owner-drawn (see above).
  bool IsOwnerDraw() const;
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  Integer HelpContext() const { return helpContext_; }
  void SetHelpContext(Integer Value) { helpContext_ = Value; }
  Word Command() const { return command_; }
  // The sub-menu of this item's items in its menu's built handle (nullptr while none is built).
  HMENU Handle() const { return handle_; }

  // The tree.
  Integer Count() const { return static_cast<Integer>(items_.size()); }
  // EMenuError "Menu index out of range".
  TMenuItem* Items(Integer Index) const;
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* Item);
  void Insert(Integer Index, TMenuItem* Item);
  void Delete(Integer Index);
  // EMenuError "Sub-menu is not in menu" when Item is not one of these items.
  void Remove(TMenuItem* Item);
  void Clear();
  Integer IndexOf(const TMenuItem* Item) const;
  // The item whose caption, accelerator marks aside, is ACaption (ignoring case); nullptr if none.
  TMenuItem* Find(std::string_view ACaption) const;
  Integer MenuIndex() const;
  void SetMenuIndex(Integer Value);
  // The menu the item belongs to (through its parents), or nullptr.
  TMenu* GetParentMenu() const;

  virtual void Click();
  TNotifyEvent OnClick;

  // Owner drawing.  Selected / State: how the entry is shown (highlighted, grayed, checked ...).
  virtual void MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height);
  virtual void DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // Actions.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TMenuActionLink* ActionLink() const { return actionLink_.get(); }
  virtual void InitiateAction();
  // InitiateAction of every item of this one.
  void InitiateActions();

  // Streaming.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, Integer Order) override;
  // Properties the linked action supplies are not stored.
  bool IsCaptionStored() const;
  bool IsCheckedStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsImageIndexStored() const;
  bool IsShortCutStored() const;
  bool IsVisibleStored() const;
  bool IsOnClickStored() const;

  // Heard by the parent item or the menu: something shown changed (Rebuild: the entries
  // themselves, not only their state).
  TMenuChangeEvent OnChange;

 protected:
  friend class TMenu;
  void MenuChanged(bool Rebuild);
  virtual TClass GetActionLinkClass() const;
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SubItemChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  void TurnSiblingsOff();
  void BitmapChanged(TObject* Sender);
  void SubMenuImagesChanged(TObject* Sender);

  mutable std::unique_ptr<TBitmap> bitmap_;   // made on first use
  TCustomImageList* subMenuImages_ = nullptr;
  std::unique_ptr<TChangeLink> subMenuImagesLink_;

  std::string caption_;
  std::string hint_;
  std::vector<TMenuItem*> items_;   // owned (freed by the destructor)
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;           // set on a menu's root item
  HMENU handle_ = nullptr;          // set by the menu while its handle is built
  std::unique_ptr<TMenuActionLink> actionLink_;
  Integer imageIndex_ = -1;
  Integer helpContext_ = 0;
  TShortCut shortCut_ = scNone;
  Word command_ = 0;
  Byte groupIndex_ = 0;
  TMenuBreak break_ = mbNone;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  bool radioItem_ = false;
  bool autoCheck_ = false;
};
