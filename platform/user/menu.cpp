// The menu calls over the menu table: building items from MF_ flags or MENUITEMINFO records,
// finding them by command or position, and the state calls.
#include "platform/user/menu.h"

#include <cstddef>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/menu_table.h"
#include "platform/user/text_copy.h"
#include "platform/user/window.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

constexpr UINT kTypeFlags = MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK |
                            MFT_RADIOCHECK | MFT_RIGHTORDER | MF_RIGHTJUSTIFY;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT kEnableFlags = MF_GRAYED | MF_DISABLED;
constexpr UINT kAppend = 0xFFFFFFFF;         // InsertMenu's position for "at the end"
constexpr UINT kNoDefault = 0xFFFFFFFF;      // SetMenuDefaultItem's item for "none"

std::string ItemText(const char* text) { return text != nullptr ? std::string(text) : std::string(); }
std::string ItemText(const char16_t* text) {
  return text != nullptr ? Utf16ToCp874(text) : std::string();
}

template <typename Char>
int CopyItemText(const std::string& text, Char* buffer, int size) {
  if constexpr (sizeof(Char) == 1) {
    return CopyTextOut(text, buffer, size);
  } else {
    return CopyTextOut(Cp874ToUtf16(text), buffer, size);
  }
}

template <typename Char>
std::size_t TextLength(const std::string& text) {
  if constexpr (sizeof(Char) == 1) return text.size();
  else return Cp874ToUtf16(text).size();
}

bool IsByPosition(UINT flags) { return (flags & MF_BYPOSITION) != 0; }

// A sub-menu may hang under `menu` when it is live and does not already contain `menu`.
bool AcceptableSubMenu(const Menu& menu, HMENU sub) {
  const Menu* record = LiveMenu(sub);
  if (record == nullptr) return false;
  if (MenuReaches(*record, menu.handle)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

void DestroyMenuTree(HMENU handle) {
  Menu* menu = MenuTable::Instance().Find(handle);
  if (menu == nullptr) return;
  std::vector<MenuItem> items = std::move(menu->items);
  MenuTable::Instance().Remove(handle);
  for (const MenuItem& item : items)
    if (item.subMenu != nullptr) DestroyMenuTree(item.subMenu);
}

// An item as AppendMenu / InsertMenu / ModifyMenu describe it.
template <typename Char>
std::optional<MenuItem> ItemFromFlags(const Menu& menu, UINT flags, UINT_PTR newItem, const Char* text) {
  MenuItem item;
  item.type = flags & kTypeFlags;
  item.state = flags & kStateFlags;
  item.id = UINT(newItem);
  if (flags & MF_POPUP) {
    item.subMenu = reinterpret_cast<HMENU>(newItem);
    if (!AcceptableSubMenu(menu, item.subMenu)) return std::nullopt;
  }
  if (flags & MF_BITMAP)
    item.typeBitmap = reinterpret_cast<HBITMAP>(const_cast<Char*>(text));
  else if (flags & MF_OWNERDRAW)
    item.data = reinterpret_cast<ULONG_PTR>(text);
  else if (!(flags & MF_SEPARATOR))
    item.text = ItemText(text);
  return item;
}

// Where an item named for insertion goes: its menu and index (the end when -1 or past the end).
std::optional<MenuItemRef> InsertionPoint(Menu& menu, UINT position, bool byPosition) {
  if (byPosition) return MenuItemRef{&menu, std::min<std::size_t>(position == kAppend ? menu.items.size() : position,
                                                                  menu.items.size())};
  return FindMenuItem(menu, position, false);
}

// The item named by `position` (by position or, through sub-menus, by command), or nullopt (the
// error set).
std::optional<MenuItemRef> FindItem(HMENU handle, UINT position, bool byPosition) {
  Menu* menu = LiveMenu(handle);
  if (menu == nullptr) return std::nullopt;
  return FindMenuItem(*menu, position, byPosition);
}

// The same, named as the MF_ flags say.
std::optional<MenuItemRef> ItemAt(HMENU handle, UINT position, UINT flags) {
  return FindItem(handle, position, IsByPosition(flags));
}

// Where an item named for insertion into `handle` goes, or nullopt (the error set).
std::optional<MenuItemRef> InsertionPointIn(HMENU handle, UINT position, bool byPosition) {
  Menu* menu = LiveMenu(handle);
  if (menu == nullptr) return std::nullopt;
  return InsertionPoint(*menu, position, byPosition);
}

void InsertAt(const MenuItemRef& at, const MenuItem& item) {
  at.menu->items.insert(at.menu->items.begin() + std::ptrdiff_t(at.index), item);
}

// Sub-menus are checked against the menu that will hold the item, which an item named by command
// may find deep inside the one the call names: only that check keeps menus from containing
// themselves.
template <typename Char>
BOOL Insert(HMENU handle, UINT position, UINT flags, UINT_PTR newItem, const Char* text) {
  std::optional<MenuItemRef> at = InsertionPointIn(handle, position, IsByPosition(flags));
  if (!at) return FALSE;
  std::optional<MenuItem> item = ItemFromFlags(*at->menu, flags, newItem, text);
  if (!item) return FALSE;
  InsertAt(*at, *item);
  return TRUE;
}

template <typename Char>
BOOL Modify(HMENU handle, UINT position, UINT flags, UINT_PTR newItem, const Char* text) {
  std::optional<MenuItemRef> at = ItemAt(handle, position, flags);
  if (!at) return FALSE;
  std::optional<MenuItem> item = ItemFromFlags(*at->menu, flags, newItem, text);
  if (!item) return FALSE;
  const HMENU oldSub = at->Item().subMenu;
  at->Item() = *item;
  if (oldSub != nullptr && oldSub != item->subMenu) DestroyMenuTree(oldSub);
  return TRUE;
}

BOOL Take(HMENU handle, UINT position, UINT flags, bool destroySubMenu) {
  std::optional<MenuItemRef> at = ItemAt(handle, position, flags);
  if (!at) return FALSE;
  const HMENU sub = at->Item().subMenu;
  at->menu->items.erase(at->menu->items.begin() + std::ptrdiff_t(at->index));
  if (destroySubMenu && sub != nullptr) DestroyMenuTree(sub);
  return TRUE;
}

// --- MENUITEMINFO ---

template <typename Info>
bool ValidInfoSize(const Info* info) {
  if (info != nullptr && (info->cbSize == sizeof(Info) || info->cbSize == offsetof(Info, hbmpItem))) return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

template <typename Info>
bool ApplyInfo(const Menu& menu, MenuItem& item, const Info& info) {
  if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu != nullptr && !AcceptableSubMenu(menu, info.hSubMenu))
    return false;
  if (info.fMask & MIIM_TYPE) {
    item.type = info.fType & kTypeFlags;
    if (info.fType & MFT_BITMAP)
      item.typeBitmap = reinterpret_cast<HBITMAP>(info.dwTypeData);
    else if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
      item.text = ItemText(info.dwTypeData);
  }
  if (info.fMask & MIIM_FTYPE) item.type = info.fType & kTypeFlags;
  if (info.fMask & MIIM_STRING) item.text = ItemText(info.dwTypeData);
  if (info.fMask & MIIM_STATE) item.state = info.fState & kStateFlags;
  if (info.fMask & MIIM_ID) item.id = info.wID;
  if (info.fMask & MIIM_SUBMENU) item.subMenu = info.hSubMenu;
  if (info.fMask & MIIM_CHECKMARKS) {
    item.checkedMark = info.hbmpChecked;
    item.uncheckedMark = info.hbmpUnchecked;
  }
  if (info.fMask & MIIM_DATA) item.data = info.dwItemData;
  if ((info.fMask & MIIM_BITMAP) && info.cbSize == sizeof(Info)) item.itemBitmap = info.hbmpItem;
  return true;
}

template <typename Info>
void CopyText(const MenuItem& item, Info& info) {
  using Char = std::remove_pointer_t<decltype(info.dwTypeData)>;
  if (info.dwTypeData == nullptr) {
    info.cch = UINT(TextLength<Char>(item.text));
    return;
  }
  info.cch = UINT(CopyItemText(item.text, info.dwTypeData, int(info.cch)));
}

template <typename Info>
void FillInfo(const MenuItem& item, Info& info) {
  if (info.fMask & (MIIM_TYPE | MIIM_FTYPE)) info.fType = item.type;
  if (info.fMask & MIIM_TYPE) {
    if (item.type & MFT_BITMAP)
      info.dwTypeData = reinterpret_cast<decltype(info.dwTypeData)>(item.typeBitmap);
    else if (!(item.type & (MFT_SEPARATOR | MFT_OWNERDRAW)))
      CopyText(item, info);
  } else if (info.fMask & MIIM_STRING) {
    CopyText(item, info);
  }
  if (info.fMask & MIIM_STATE) info.fState = item.state;
  if (info.fMask & MIIM_ID) info.wID = item.id;
  if (info.fMask & MIIM_SUBMENU) info.hSubMenu = item.subMenu;
  if (info.fMask & MIIM_CHECKMARKS) {
    info.hbmpChecked = item.checkedMark;
    info.hbmpUnchecked = item.uncheckedMark;
  }
  if (info.fMask & MIIM_DATA) info.dwItemData = item.data;
  if ((info.fMask & MIIM_BITMAP) && info.cbSize == sizeof(Info)) info.hbmpItem = item.itemBitmap;
}

template <typename Info>
BOOL InsertInfo(HMENU handle, UINT position, BOOL byPosition, const Info* info) {
  if (LiveMenu(handle) == nullptr || !ValidInfoSize(info)) return FALSE;
  std::optional<MenuItemRef> at = InsertionPointIn(handle, position, byPosition != 0);
  if (!at) return FALSE;
  MenuItem item;
  if (!ApplyInfo(*at->menu, item, *info)) return FALSE;
  InsertAt(*at, item);
  return TRUE;
}

template <typename Info>
BOOL GetInfo(HMENU handle, UINT position, BOOL byPosition, Info* info) {
  if (LiveMenu(handle) == nullptr || !ValidInfoSize(info)) return FALSE;
  std::optional<MenuItemRef> at = FindItem(handle, position, byPosition != 0);
  if (!at) return FALSE;
  FillInfo(at->Item(), *info);
  return TRUE;
}

template <typename Info>
BOOL SetInfo(HMENU handle, UINT position, BOOL byPosition, const Info* info) {
  if (LiveMenu(handle) == nullptr || !ValidInfoSize(info)) return FALSE;
  std::optional<MenuItemRef> at = FindItem(handle, position, byPosition != 0);
  if (!at) return FALSE;
  MenuItem changed = at->Item();
  if (!ApplyInfo(*at->menu, changed, *info)) return FALSE;
  at->Item() = changed;
  return TRUE;
}

template <typename Char>
int GetString(HMENU handle, UINT position, Char* buffer, int size, UINT flags) {
  std::optional<MenuItemRef> at = ItemAt(handle, position, flags);
  if (!at) return 0;
  if (buffer == nullptr) return int(TextLength<Char>(at->Item().text));
  return CopyItemText(at->Item().text, buffer, size);
}

// Changes the `mask` bits of an item's state to `bits`; the previous bits, or -1.
DWORD ChangeState(HMENU handle, UINT position, UINT flags, UINT mask, UINT bits) {
  std::optional<MenuItemRef> at = ItemAt(handle, position, flags);
  if (!at) return DWORD(-1);
  const UINT previous = at->Item().state & mask;
  at->Item().state = (at->Item().state & ~mask) | (bits & mask);
  return previous;
}

std::optional<std::size_t> DefaultIndex(const Menu& menu, UINT flags) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const MenuItem& item = menu.items[i];
    if (!(item.state & MFS_DEFAULT)) continue;
    if ((item.state & kEnableFlags) && !(flags & GMDI_USEDISABLED)) return std::nullopt;
    return i;
  }
  return std::nullopt;
}

}  // namespace

}  // namespace user

using namespace user;

HMENU CreateMenu() { return MenuTable::Instance().Add(false); }
HMENU CreatePopupMenu() { return MenuTable::Instance().Add(true); }

BOOL DestroyMenu(HMENU menu) {
  if (LiveMenu(menu) == nullptr) return FALSE;
  DestroyMenuTree(menu);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return MenuTable::Instance().Find(menu) != nullptr; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR item, const char* text) {
  return Insert(menu, kAppend, flags | MF_BYPOSITION, item, text);
}
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, const char16_t* text) {
  return Insert(menu, kAppend, flags | MF_BYPOSITION, item, text);
}
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text) {
  return Insert(menu, position, flags, item, text);
}
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char16_t* text) {
  return Insert(menu, position, flags, item, text);
}
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char* text) {
  return Modify(menu, position, flags, item, text);
}
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, const char16_t* text) {
  return Modify(menu, position, flags, item, text);
}
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) { return Take(menu, position, flags, false); }
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) { return Take(menu, position, flags, true); }

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return InsertInfo(menu, item, byPosition, info);
}
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
  return InsertInfo(menu, item, byPosition, info);
}
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  return GetInfo(menu, item, byPosition, info);
}
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info) {
  return GetInfo(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return SetInfo(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info) {
  return SetInfo(menu, item, byPosition, info);
}

int GetMenuItemCount(HMENU menu) {
  const Menu* record = LiveMenu(menu);
  return record != nullptr ? int(record->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  std::optional<MenuItemRef> at = ItemAt(menu, UINT(position), MF_BYPOSITION);
  return at && at->Item().subMenu == nullptr ? at->Item().id : UINT(-1);
}

HMENU GetSubMenu(HMENU menu, int position) {
  std::optional<MenuItemRef> at = ItemAt(menu, UINT(position), MF_BYPOSITION);
  return at ? at->Item().subMenu : nullptr;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  std::optional<MenuItemRef> at = ItemAt(menu, item, flags);
  if (!at) return UINT(-1);
  const MenuItem& found = at->Item();
  const UINT bits = found.type | found.state;
  if (found.subMenu == nullptr) return bits;
  const Menu* sub = MenuTable::Instance().Find(found.subMenu);
  const UINT count = sub != nullptr ? UINT(sub->items.size()) : 0;
  return (count << 8) | ((bits | MF_POPUP) & 0xFF);
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  return GetString(menu, item, buffer, size, flags);
}
int GetMenuStringW(HMENU menu, UINT item, char16_t* buffer, int size, UINT flags) {
  return GetString(menu, item, buffer, size, flags);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  return ChangeState(menu, item, flags, MF_CHECKED, flags);
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  return BOOL(ChangeState(menu, item, flags, kEnableFlags, flags));
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  std::optional<MenuItemRef> from = ItemAt(menu, first, flags);
  std::optional<MenuItemRef> to = ItemAt(menu, last, flags);
  std::optional<MenuItemRef> chosen = ItemAt(menu, check, flags);
  if (!from || !to || !chosen) return FALSE;
  if (from->menu != to->menu || to->menu != chosen->menu || from->index > to->index ||
      chosen->index < from->index || chosen->index > to->index) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  for (std::size_t i = from->index; i <= to->index; ++i) {
    MenuItem& item = from->menu->items[i];
    const bool on = i == chosen->index;
    item.state = on ? item.state | MFS_CHECKED : item.state & ~MFS_CHECKED;
    item.type = on ? item.type | MFT_RADIOCHECK : item.type & ~MFT_RADIOCHECK;
  }
  return TRUE;
}

BOOL SetMenuDefaultItem(HMENU handle, UINT item, UINT byPosition) {
  Menu* menu = LiveMenu(handle);
  if (menu == nullptr) return FALSE;
  std::optional<std::size_t> index;
  if (item != kNoDefault) {
    std::optional<MenuItemRef> at = FindMenuItem(*menu, item, byPosition != 0);
    if (!at) return FALSE;
    if (at->menu != menu) {   // a command found in a sub-menu is not this menu's item
      SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
      return FALSE;
    }
    index = at->index;
  }
  for (std::size_t i = 0; i < menu->items.size(); ++i) {
    UINT& state = menu->items[i].state;
    state = index == i ? state | MFS_DEFAULT : state & ~MFS_DEFAULT;
  }
  return TRUE;
}

UINT GetMenuDefaultItem(HMENU handle, UINT byPosition, UINT flags) {
  const Menu* menu = LiveMenu(handle);
  if (menu == nullptr) return UINT(-1);
  const std::optional<std::size_t> index = DefaultIndex(*menu, flags);
  if (!index) return UINT(-1);
  const MenuItem& item = menu->items[*index];
  if ((flags & GMDI_GOINTOPOPUPS) && item.subMenu != nullptr && IsMenu(item.subMenu)) {
    const UINT inner = GetMenuDefaultItem(item.subMenu, byPosition, flags);
    if (inner != UINT(-1)) return inner;
  }
  return byPosition ? UINT(*index) : item.id;
}

BOOL HiliteMenuItem(HWND hwnd, HMENU menu, UINT item, UINT flags) {
  if (W(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return ChangeState(menu, item, flags, MF_HILITE, flags) != DWORD(-1);
}
