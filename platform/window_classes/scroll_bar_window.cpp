#include "platform/window_classes/scroll_bar_window.h"

#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

bool Vertical(HWND w) { return (GetWindowLongPtrA(w, GWL_STYLE) & SBS_VERT) != 0; }

void Notify(HWND w, WORD code) {
  HWND parent = GetParent(w);
  if (parent == nullptr) return;
  SendMessageA(parent, Vertical(w) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, 0), LPARAM(w));
}

LRESULT OnKeyDown(HWND w, WPARAM key) {
  WORD code = 0;
  switch (key) {
    case VK_LEFT:
    case VK_UP: code = SB_LINEUP; break;
    case VK_RIGHT:
    case VK_DOWN: code = SB_LINEDOWN; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return DefWindowProcA(w, WM_KEYDOWN, key, 0);
  }
  Notify(w, code);
  Notify(w, SB_ENDSCROLL);
  return 0;
}

LRESULT OnPaint(HWND w, WPARAM dc) {
  user::PaintClient(w, dc, [w](HDC paintDc) { user::PaintScrollBarControl(w, paintDc); });
  return 0;
}

LRESULT OnButtonDown(HWND w, LPARAM pos) {
  if ((GetWindowLongPtrA(w, GWL_STYLE) & WS_TABSTOP) != 0 && GetFocus() != w) SetFocus(w);
  TPoint screen{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  ClientToScreen(w, &screen);
  user::TrackScrollBar(w, Vertical(w), screen);
  return 0;
}

LRESULT ScrollMessage(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SBM_SETPOS: return SetScrollPos(w, SB_CTL, int(wParam), BOOL(lParam));
    case SBM_GETPOS: return GetScrollPos(w, SB_CTL);
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int old = GetScrollPos(w, SB_CTL);
      SetScrollRange(w, SB_CTL, int(wParam), int(lParam), message == SBM_SETRANGEREDRAW);
      return old;
    }
    case SBM_GETRANGE:
      GetScrollRange(w, SB_CTL, reinterpret_cast<int*>(wParam), reinterpret_cast<int*>(lParam));
      return 0;
    case SBM_ENABLE_ARROWS: return EnableScrollBar(w, SB_CTL, UINT(wParam));
    case SBM_SETSCROLLINFO: return SetScrollInfo(w, SB_CTL, reinterpret_cast<const SCROLLINFO*>(lParam), BOOL(wParam));
    default: return GetScrollInfo(w, SB_CTL, reinterpret_cast<SCROLLINFO*>(lParam));   // SBM_GETSCROLLINFO
  }
}

}  // namespace

void RegisterScrollBarClass() {
  user::EnsureClassRegistered(user::ClassRecord("SCROLLBAR", &ScrollBarWindowProc,
                                                CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW));
}

LRESULT ScrollBarWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      user::MakeScrollBarControl(w, Vertical(w));
      break;
    case SBM_SETPOS:
    case SBM_GETPOS:
    case SBM_SETRANGE:
    case SBM_GETRANGE:
    case SBM_ENABLE_ARROWS:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_GETSCROLLINFO: return ScrollMessage(w, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(w, wParam);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(w, lParam);
    case WM_KEYDOWN: return OnKeyDown(w, wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ENABLE: InvalidateRect(w, nullptr, FALSE); return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
