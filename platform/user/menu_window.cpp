#include "platform/user/menu_window.h"

#include "platform/user/menu_paint.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_state.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

const PopupMenuView* ViewOf(HWND hwnd) { return WindowStateOf<const PopupMenuView>(hwnd); }

void Paint(HWND hwnd) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  const PopupMenuView* view = ViewOf(hwnd);
  const Menu* menu = view != nullptr ? MenuTable::Instance().Find(view->menu) : nullptr;
  if (menu != nullptr && menu->items.size() == view->layout.items.size())
    PaintPopupMenu(dc, PopupPaintContext{*menu, view->layout, *view->fonts, view->owner, view->highlighted});
  EndPaint(hwnd, &paint);
}

LRESULT MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    case MN_GETHMENU: {
      const PopupMenuView* view = ViewOf(hwnd);
      return view != nullptr ? reinterpret_cast<LRESULT>(view->menu) : 0;
    }
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateMenuWindow(PopupMenuView& view, const TRect& rect) {
  const WNDCLASSEXA menuClass =
      ClassRecord(kMenuWindowClass, &MenuWindowProc, CS_SAVEBITS | CS_DBLCLKS, int(sizeof(LONG_PTR)));
  if (!EnsureClassRegistered(menuClass)) return nullptr;
  HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kMenuWindowClass, "", WS_POPUP,
                                rect.Left, rect.Top, rect.Width(), rect.Height(), nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return nullptr;
  AttachWindowState(window, &view);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return window;
}

}  // namespace user
