// Painting a popup menu in the classic look: COLOR_MENU with a raised 3-D frame, etched
// separators and column bars, the highlighted item in COLOR_HIGHLIGHT / COLOR_HIGHLIGHTTEXT,
// disabled text etched (COLOR_GRAYTEXT on the highlight), check and radio marks and the sub-menu
// arrow drawn as the drawing layer's menu symbols, the default item bold, the mnemonic underlined
// and the shortcut right-aligned.  Owner-drawn items are drawn by the owner (WM_DRAWITEM,
// ODT_MENU, hwndItem the menu's handle).
#pragma once

#include "platform/user/menu_layout.h"

namespace user {

struct PopupPaintContext {
  const Menu& menu;
  const MenuLayout& layout;
  const MenuFonts& fonts;
  HWND owner;
  int highlighted;   // the highlighted item's index, -1 for none
};

void PaintPopupMenu(HDC dc, const PopupPaintContext& context);

}  // namespace user
