// Menu objects: items added, changed, found and removed by command and by position, sub-menus
// (searched by command, kept or destroyed), MENUITEMINFO round trips in both text forms, checks,
// radio groups, the default item, and the errors of stale handles and missing items.
#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/menu.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

std::string Text(HMENU menu, UINT item, UINT flags) {
  char buffer[64] = {};
  GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  return buffer;
}

// File menu: Open (10), Save (11), separator, Recent -> {One (20), Two (21)}, Exit (12).
class MenuTableTest : public UserTest {
 protected:
  MenuTableTest() {
    recent_ = CreatePopupMenu();
    AppendMenuA(recent_, MF_STRING, 20, "&One");
    AppendMenuA(recent_, MF_STRING, 21, "&Two");
    AppendMenuA(menu_, MF_STRING, 10, "&Open\tCtrl+O");
    AppendMenuA(menu_, MF_STRING | MF_GRAYED, 11, "&Save");
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(recent_), "&Recent");
    AppendMenuA(menu_, MF_STRING, 12, "E&xit");
  }
  ~MenuTableTest() override { DestroyMenu(menu_); }

  HMENU menu_ = CreatePopupMenu();
  HMENU recent_ = nullptr;
};

TEST_F(MenuTableTest, ItemsAreFoundByPositionAndByCommandThroughSubMenus) {
  EXPECT_EQ(GetMenuItemCount(menu_), 5);
  EXPECT_EQ(GetMenuItemID(menu_, 0), 10u);
  EXPECT_EQ(GetMenuItemID(menu_, 3), UINT(-1));   // a sub-menu has no command
  EXPECT_EQ(GetMenuItemID(menu_, 9), UINT(-1));
  EXPECT_EQ(GetSubMenu(menu_, 3), recent_);
  EXPECT_EQ(GetSubMenu(menu_, 0), nullptr);
  EXPECT_EQ(Text(menu_, 0, MF_BYPOSITION), "&Open\tCtrl+O");
  EXPECT_EQ(Text(menu_, 21, MF_BYCOMMAND), "&Two");   // found inside the sub-menu
  EXPECT_EQ(GetMenuStringA(menu_, 10, nullptr, 0, MF_BYCOMMAND), 12);
  EXPECT_EQ(GetMenuState(menu_, 11, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_EQ(GetMenuState(menu_, 2, MF_BYPOSITION), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(menu_, 3, MF_BYPOSITION), (2u << 8) | MF_POPUP);

  // Inserting by command lands before that item in whichever menu holds it.
  ASSERT_TRUE(InsertMenuA(menu_, 21, MF_BYCOMMAND | MF_STRING, 22, "One and a &half"));
  EXPECT_EQ(GetMenuItemID(recent_, 1), 22u);
  ASSERT_TRUE(InsertMenuA(menu_, 0, MF_BYPOSITION | MF_STRING | MF_CHECKED, 9, "&New"));
  EXPECT_EQ(GetMenuItemID(menu_, 0), 9u);
  ASSERT_TRUE(InsertMenuA(menu_, UINT(-1), MF_BYPOSITION | MF_STRING, 13, "&Last"));
  EXPECT_EQ(GetMenuItemID(menu_, GetMenuItemCount(menu_) - 1), 13u);

  SetLastError(0);
  EXPECT_FALSE(InsertMenuA(menu_, 99, MF_BYCOMMAND, 14, "x"));
  EXPECT_EQ(GetLastError(), ERROR_MENU_ITEM_NOT_FOUND);
}

TEST_F(MenuTableTest, ModifyRemoveDeleteAndDestroyHandleSubMenus) {
  ASSERT_TRUE(ModifyMenuA(menu_, 10, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 15, "&Open again"));
  EXPECT_EQ(GetMenuItemID(menu_, 0), 15u);
  EXPECT_EQ(GetMenuState(menu_, 0, MF_BYPOSITION), MF_CHECKED);

  // RemoveMenu lets a sub-menu live on; DeleteMenu destroys it.
  ASSERT_TRUE(RemoveMenu(menu_, 3, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(recent_));
  EXPECT_EQ(GetMenuItemCount(menu_), 4);
  ASSERT_TRUE(InsertMenuA(menu_, 3, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(recent_), "&Recent"));
  ASSERT_TRUE(DeleteMenu(menu_, 3, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(recent_));

  // ModifyMenu replacing a sub-menu item destroys the old sub-menu; DestroyMenu takes sub-menus along.
  HMENU inner = CreatePopupMenu();
  HMENU deeper = CreatePopupMenu();
  AppendMenuA(inner, MF_POPUP, reinterpret_cast<UINT_PTR>(deeper), "Deeper");
  AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "Inner");
  ASSERT_TRUE(ModifyMenuA(menu_, 4, MF_BYPOSITION | MF_STRING, 30, "Plain"));
  EXPECT_FALSE(IsMenu(inner));
  EXPECT_FALSE(IsMenu(deeper));

  HMENU kept = CreatePopupMenu();
  AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "Kept");
  HMENU stale = menu_;
  ASSERT_TRUE(DestroyMenu(menu_));
  menu_ = nullptr;
  EXPECT_FALSE(IsMenu(kept));

  // Every call on a destroyed handle fails with the menu-handle error, and handles are not reused.
  SetLastError(0);
  EXPECT_EQ(GetMenuItemCount(stale), -1);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  SetLastError(0);
  EXPECT_FALSE(AppendMenuA(stale, MF_STRING, 1, "x"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_FALSE(DestroyMenu(stale));
  EXPECT_NE(CreatePopupMenu(), stale);
}

TEST_F(MenuTableTest, SubMenusThatWouldMakeACycleAreRefused) {
  SetLastError(0);
  EXPECT_FALSE(AppendMenuA(recent_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu_), "Loop"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu_), "Self"));
  // Item 20 named by command lies in the sub-menu: putting above it a menu that holds that
  // sub-menu would close a loop, whichever call tries.
  HMENU holder = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(holder, MF_POPUP, reinterpret_cast<UINT_PTR>(recent_), "Recent"));
  const auto holderItem = reinterpret_cast<UINT_PTR>(holder);
  EXPECT_FALSE(ModifyMenuA(menu_, 20, MF_BYCOMMAND | MF_POPUP, holderItem, "Loop"));
  EXPECT_FALSE(InsertMenuA(menu_, 20, MF_BYCOMMAND | MF_POPUP, holderItem, "Loop"));
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = holder;
  EXPECT_FALSE(SetMenuItemInfoA(menu_, 20, FALSE, &info));
  EXPECT_FALSE(InsertMenuItemA(menu_, 20, FALSE, &info));
  EXPECT_EQ(GetMenuItemCount(recent_), 2);
  EXPECT_EQ(GetSubMenu(recent_, 0), nullptr);
  SetLastError(0);
  EXPECT_FALSE(AppendMenuA(menu_, MF_POPUP, 0x12345678, "Nothing"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
}

TEST_F(MenuTableTest, MenuItemInfoRoundTripsInBothTextForms) {
  const std::string thai("บิด"_cp874);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
  info.fType = MFT_STRING | MFT_RADIOCHECK;
  info.fState = MFS_CHECKED | MFS_DEFAULT;
  info.wID = 40;
  info.dwItemData = 0xABCD;
  info.dwTypeData = const_cast<char*>(thai.c_str());
  ASSERT_TRUE(InsertMenuItemA(menu_, 1, TRUE, &info));

  MENUITEMINFOA got{};
  got.cbSize = sizeof got;
  got.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(menu_, 40, FALSE, &got));   // a null buffer asks for the length
  EXPECT_EQ(got.cch, thai.size());
  char small[3] = {};
  got.dwTypeData = small;
  got.cch = sizeof small;
  ASSERT_TRUE(GetMenuItemInfoA(menu_, 1, TRUE, &got));
  EXPECT_EQ(std::string(small), thai.substr(0, 2));
  EXPECT_EQ(got.cch, 2u);
  EXPECT_EQ(got.wID, 40u);
  EXPECT_EQ(got.fType, MFT_RADIOCHECK);
  EXPECT_EQ(got.fState, MFS_CHECKED | MFS_DEFAULT);
  EXPECT_EQ(got.dwItemData, 0xABCDu);

  // The wide form converts; SetMenuItemInfo changes only what its mask names.
  char16_t wide[16] = {};
  MENUITEMINFOW w{};
  w.cbSize = sizeof w;
  w.fMask = MIIM_STRING;
  w.dwTypeData = wide;
  w.cch = 16;
  ASSERT_TRUE(GetMenuItemInfoW(menu_, 40, FALSE, &w));
  EXPECT_EQ(std::u16string(wide), Cp874ToUtf16(thai));
  w.fMask = MIIM_STRING | MIIM_SUBMENU;
  w.dwTypeData = const_cast<char16_t*>(u"&Wide");
  w.hSubMenu = CreatePopupMenu();
  ASSERT_TRUE(SetMenuItemInfoW(menu_, 40, FALSE, &w));
  EXPECT_EQ(Text(menu_, 1, MF_BYPOSITION), "&Wide");
  EXPECT_EQ(GetSubMenu(menu_, 1), w.hSubMenu);
  EXPECT_EQ(GetMenuState(menu_, 1, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);

  info.cbSize = 12;   // no such record
  SetLastError(0);
  EXPECT_FALSE(SetMenuItemInfoA(menu_, 0, TRUE, &info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(MenuTableTest, ChecksRadioGroupsEnablingAndTheDefaultItem) {
  EXPECT_EQ(CheckMenuItem(menu_, 10, MF_BYCOMMAND | MF_CHECKED), DWORD(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(menu_, 10, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(menu_, 77, MF_BYCOMMAND | MF_CHECKED), DWORD(-1));
  EXPECT_EQ(EnableMenuItem(menu_, 11, MF_BYCOMMAND | MF_ENABLED), BOOL(MF_GRAYED));
  EXPECT_EQ(GetMenuState(menu_, 11, MF_BYCOMMAND), MF_ENABLED);
  EXPECT_EQ(EnableMenuItem(menu_, 0, MF_BYPOSITION | MF_DISABLED), BOOL(MF_ENABLED));

  // One of One / Two is checked as a radio item; the other is cleared.
  ASSERT_TRUE(CheckMenuRadioItem(recent_, 20, 21, 21, MF_BYCOMMAND));
  ASSERT_TRUE(CheckMenuRadioItem(recent_, 0, 1, 0, MF_BYPOSITION));
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  ASSERT_TRUE(GetMenuItemInfoA(recent_, 0, TRUE, &info));
  EXPECT_EQ(info.fType & MFT_RADIOCHECK, MFT_RADIOCHECK);
  EXPECT_EQ(info.fState & MFS_CHECKED, MFS_CHECKED);
  ASSERT_TRUE(GetMenuItemInfoA(recent_, 1, TRUE, &info));
  EXPECT_EQ(info.fType & MFT_RADIOCHECK, 0u);
  EXPECT_EQ(info.fState & MFS_CHECKED, 0u);
  EXPECT_FALSE(CheckMenuRadioItem(recent_, 0, 1, 4, MF_BYPOSITION));

  // One default per menu; a disabled default is answered only when asked for.
  EXPECT_EQ(GetMenuDefaultItem(menu_, FALSE, 0), UINT(-1));
  ASSERT_TRUE(SetMenuDefaultItem(menu_, 12, FALSE));
  ASSERT_TRUE(SetMenuDefaultItem(menu_, 1, TRUE));
  EXPECT_EQ(GetMenuDefaultItem(menu_, FALSE, 0), 11u);
  EXPECT_EQ(GetMenuState(menu_, 12, MF_BYCOMMAND) & MF_DEFAULT, 0u);
  EnableMenuItem(menu_, 11, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(GetMenuDefaultItem(menu_, TRUE, 0), UINT(-1));
  EXPECT_EQ(GetMenuDefaultItem(menu_, TRUE, GMDI_USEDISABLED), 1u);
  EXPECT_FALSE(SetMenuDefaultItem(menu_, 20, FALSE));   // a sub-menu's command is not this menu's item
  ASSERT_TRUE(SetMenuDefaultItem(menu_, 3, TRUE));
  ASSERT_TRUE(SetMenuDefaultItem(recent_, 21, FALSE));
  EXPECT_EQ(GetMenuDefaultItem(menu_, FALSE, GMDI_GOINTOPOPUPS), 21u);
  ASSERT_TRUE(SetMenuDefaultItem(menu_, UINT(-1), FALSE));
  EXPECT_EQ(GetMenuDefaultItem(menu_, TRUE, GMDI_USEDISABLED), UINT(-1));

  HWND owner = CreateLogWindow("owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
  ASSERT_TRUE(HiliteMenuItem(owner, menu_, 0, MF_BYPOSITION | MF_HILITE));
  EXPECT_EQ(GetMenuState(menu_, 0, MF_BYPOSITION) & MF_HILITE, MF_HILITE);
}

}  // namespace
}  // namespace usertest
