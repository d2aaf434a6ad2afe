// The table of live menus: the records behind HMENU handles.
//
// A handle value is 0x40000000 + 4 * serial (even, below 2^31, apart from window handles and never
// reused while the process runs), so a stale handle is refused instead of reaching a newer menu.
// Menus belong to the interface thread, like the windows that show them.
//
// Invariants: an item with a sub-menu names a live menu when the item is added or changed (a
// sub-menu destroyed behind its parent's back is skipped by the loop); no menu is its own
// ancestor, so walking sub-menus always ends.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/user/user_types.h"

namespace user {

struct MenuItem {
  UINT type = 0;              // MFT_ bits (string, bitmap, owner-drawn, separator, radio check, breaks)
  UINT state = 0;             // MFS_ bits (grayed, checked, highlighted, default)
  UINT id = 0;                // the command; for a sub-menu item the sub-menu's handle value
  HMENU subMenu = nullptr;
  HBITMAP checkedMark = nullptr;     // MIIM_CHECKMARKS; null draws the standard marks
  HBITMAP uncheckedMark = nullptr;
  HBITMAP typeBitmap = nullptr;      // the picture of an MFT_BITMAP item
  HBITMAP itemBitmap = nullptr;      // MIIM_BITMAP: a picture beside the text
  ULONG_PTR data = 0;                // the owner's item data
  std::string text;                  // code page 874; "&" marks the mnemonic, a tab the shortcut
};

struct Menu {
  HMENU handle = nullptr;
  bool popup = false;          // CreatePopupMenu (true) or CreateMenu (a menu bar)
  std::vector<MenuItem> items;
};

// An item found by command or by position: its menu and its index there.
struct MenuItemRef {
  Menu* menu = nullptr;
  std::size_t index = 0;
  MenuItem& Item() const { return menu->items[index]; }
};

class MenuTable {
 public:
  static MenuTable& Instance();

  HMENU Add(bool popup);
  // Frees the record (not its sub-menus: see DestroyMenu).
  void Remove(HMENU handle);
  // The record of a live handle, or nullptr.
  Menu* Find(HMENU handle) const;

 private:
  std::unordered_map<std::uintptr_t, std::unique_ptr<Menu>> menus_;
  std::uintptr_t nextSerial_ = 0;
};

// The record of a live handle; sets ERROR_INVALID_MENU_HANDLE and answers nullptr otherwise.
Menu* LiveMenu(HMENU handle);
// The item named by position (in `menu` itself) or by command (depth first through sub-menus);
// sets ERROR_MENU_ITEM_NOT_FOUND when there is none.
std::optional<MenuItemRef> FindMenuItem(Menu& menu, UINT item, bool byPosition);
// True when `ancestor` is `menu` or reaches it through sub-menus.
bool MenuReaches(const Menu& ancestor, HMENU menu);

}  // namespace user
