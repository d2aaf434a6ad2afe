// Where the items of a popup menu lie: the sizes docs/platform-user-menus.md describes (a 3-pixel
// frame, a mark column on each side of the text, text rows of the menu font's height + 4, 9-pixel
// separators, owner-drawn items as WM_MEASUREITEM answers, columns started by MF_MENUBREAK and
// MF_MENUBARBREAK), and the fonts the items are measured and drawn with.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "platform/user/menu_table.h"

namespace user {

inline constexpr int kMenuFrame = 3;           // raised 2-pixel edge + 1 pixel of COLOR_MENU
inline constexpr int kMenuSeparatorHeight = 9;
inline constexpr int kMenuShortcutGap = 12;    // between the widest text and the widest shortcut
inline constexpr int kMenuColumnGap = 4;       // between columns (an etched line for MF_MENUBARBREAK)

// The menu font from SPI_GETNONCLIENTMETRICS and its bold form for the default item.
class MenuFonts {
 public:
  MenuFonts();
  ~MenuFonts();
  MenuFonts(const MenuFonts&) = delete;
  MenuFonts& operator=(const MenuFonts&) = delete;

  HFONT For(const MenuItem& item) const;

 private:
  HFONT normal_ = nullptr;
  HFONT bold_ = nullptr;
};

// The mark column's width: SM_CXMENUCHECK and 2 pixels on each side.
int MenuMarkColumn();
// How much wider an owner-drawn item's rectangle is than the width its owner answered: the
// mark's width less one, added when the item is measured, and a mark column on each side.
int OwnerDrawnMenuItemExtraWidth();

struct MenuLayout {
  TSize size;                    // the popup window's size
  std::vector<TRect> items;      // each item's rectangle in the window, one per item
  std::vector<int> barBreaks;    // x of each etched line between columns (MF_MENUBARBREAK)
};

// Measures `menu` for a popup owned by `owner` (which answers WM_MEASUREITEM for owner-drawn items).
MenuLayout LayoutPopupMenu(const Menu& menu, HWND owner, const MenuFonts& fonts);

// The text before the tab and the shortcut after it.
std::pair<std::string_view, std::string_view> SplitMenuText(std::string_view text);

}  // namespace user
