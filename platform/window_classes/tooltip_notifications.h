// The tooltip's notifications to its owner and the messages that style a balloon tip.  The
// tooltip window class itself does not exist yet: controls answer the text request and send the
// styling messages to whatever window asked (a window that does not know them ignores them).
#pragma once

#include "platform/user/user_types.h"
#include "platform/window_classes/notification_header.h"

// Notification codes (NMHDR.code): the text request, shown, hidden.
inline constexpr UINT TTN_FIRST = 0u - 520u;
inline constexpr UINT TTN_GETDISPINFOA = TTN_FIRST - 0, TTN_SHOW = TTN_FIRST - 1, TTN_POP = TTN_FIRST - 2;

// WM_USER + 19, + 20, + 32: background colour (COLORREF), text colour, title (wParam the icon:
// 0 none, 1 information, 2 warning, 3 error; lParam the title text).
inline constexpr UINT TTM_SETTIPBKCOLOR = 0x0413, TTM_SETTIPTEXTCOLOR = 0x0414, TTM_SETTITLEA = 0x0420;

// The text request: the owner points lpszText at its text (which must outlive the request), or
// copies a short one into szText.
struct NMTTDISPINFOA {
  NMHDR hdr;
  char* lpszText;
  char szText[80];
  HINSTANCE hinst;
  UINT uFlags;
  LPARAM lParam;
};
