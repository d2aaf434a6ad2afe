#include "platform/user/menu_table.h"

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"

namespace user {

namespace {
constexpr std::uintptr_t kFirstHandle = 0x40000000;
constexpr std::uintptr_t kHandleStep = 4;

std::optional<MenuItemRef> FindByCommand(Menu& menu, UINT id) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    MenuItem& item = menu.items[i];
    if (item.subMenu == nullptr) {
      if (item.id == id) return MenuItemRef{&menu, i};
      continue;
    }
    Menu* sub = MenuTable::Instance().Find(item.subMenu);
    if (sub == nullptr) continue;
    if (auto found = FindByCommand(*sub, id)) return found;
  }
  return std::nullopt;
}
}  // namespace

MenuTable& MenuTable::Instance() {
  static MenuTable table;
  return table;
}

HMENU MenuTable::Add(bool popup) {
  const std::uintptr_t value = kFirstHandle + kHandleStep * nextSerial_++;
  auto menu = std::make_unique<Menu>();
  menu->handle = reinterpret_cast<HMENU>(value);
  menu->popup = popup;
  menus_.emplace(value, std::move(menu));
  return reinterpret_cast<HMENU>(value);
}

void MenuTable::Remove(HMENU handle) { menus_.erase(reinterpret_cast<std::uintptr_t>(handle)); }

Menu* MenuTable::Find(HMENU handle) const {
  auto it = menus_.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == menus_.end() ? nullptr : it->second.get();
}

Menu* LiveMenu(HMENU handle) {
  Menu* menu = MenuTable::Instance().Find(handle);
  if (menu == nullptr) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return menu;
}

std::optional<MenuItemRef> FindMenuItem(Menu& menu, UINT item, bool byPosition) {
  std::optional<MenuItemRef> found;
  if (byPosition) {
    if (item < menu.items.size()) found = MenuItemRef{&menu, item};
  } else {
    found = FindByCommand(menu, item);
  }
  if (!found) SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
  return found;
}

bool MenuReaches(const Menu& ancestor, HMENU menu) {
  if (ancestor.handle == menu) return true;
  for (const MenuItem& item : ancestor.items) {
    const Menu* sub = item.subMenu != nullptr ? MenuTable::Instance().Find(item.subMenu) : nullptr;
    if (sub != nullptr && MenuReaches(*sub, menu)) return true;
  }
  return false;
}

}  // namespace user
