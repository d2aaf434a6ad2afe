#include "platform/user/track_popup_menu.h"

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/menu_loop.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/window_tree.h"

using namespace user;

namespace {

BOOL Track(HMENU menu, UINT flags, TPoint point, HWND owner, const TRect& exclude) {
  if (LiveMenu(menu) == nullptr) return FALSE;
  if (!IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (MenuLoop::Current() != nullptr && !(flags & TPM_RECURSE)) {
    SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
    return FALSE;
  }
  const UINT chosen = MenuLoop(owner, flags).Run(menu, point, exclude);
  if (flags & TPM_RETURNCMD) return BOOL(chosen);
  if (chosen != 0) PostMessageA(owner, WM_COMMAND, chosen, 0);
  return TRUE;
}

}  // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const TRect*) {
  if (reserved != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Track(menu, flags, TPoint{x, y}, owner, TRect{});
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
  if (params != nullptr && params->cbSize != sizeof(TPMPARAMS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Track(menu, flags, TPoint{x, y}, owner, params != nullptr ? params->rcExclude : TRect{});
}

BOOL EndMenu() {
  MenuLoop* loop = MenuLoop::Current();
  if (loop == nullptr) return FALSE;
  loop->End();
  return TRUE;
}

BOOL GetMenuItemRect(HWND, HMENU menu, UINT item, TRect* rect) {
  const MenuLoop* loop = MenuLoop::Current();
  return rect != nullptr && loop != nullptr && loop->ItemRect(menu, item, rect);
}

namespace user {

HWND OpenMenuWindow() {
  const MenuLoop* loop = MenuLoop::Current();
  return loop != nullptr ? loop->InnermostWindow() : nullptr;
}

}  // namespace user
