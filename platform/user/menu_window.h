// The window a popup menu opens in: the platform's menu class "#32768", a topmost WS_POPUP tool
// window that is never activated (WM_MOUSEACTIVATE answers MA_NOACTIVATE, shown with
// SWP_NOACTIVATE), so the owner keeps activation and focus.  It paints the view it is given and
// leaves all input to the menu loop.
#pragma once

#include "platform/user/menu_layout.h"

namespace user {

inline constexpr char kMenuWindowClass[] = "#32768";

// What a menu window shows; the loop owns it and outlives the window.
struct PopupMenuView {
  HMENU menu = nullptr;
  HWND owner = nullptr;
  const MenuFonts* fonts = nullptr;
  MenuLayout layout;
  int highlighted = -1;
};

// Creates and shows the window at `rect` (screen coordinates); nullptr when it cannot be made.
HWND CreateMenuWindow(PopupMenuView& view, const TRect& rect);

}  // namespace user
