#include "platform/user/def_window_proc.h"

#include "platform/core/cp874.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/backend.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/input_state.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/move_size.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/non_client.h"
#include "platform/user/non_client_paint.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/text_copy.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

constexpr LPARAM kKeyboardContextMenu = -1;

HWND ParentOfChild(const Window* w) {
  return w->IsChild() && w->parent != nullptr && w->parent->parent != nullptr ? w->parent->handle : nullptr;
}

HWND RootOf(const Window* w) { return TopLevelOf(const_cast<Window*>(w))->handle; }

LRESULT SetText(HWND hwnd, LPARAM lParam, bool unicode) {
  Window* w = W(hwnd);
  if (lParam == 0) w->text.clear();
  else if (unicode) w->text = reinterpret_cast<const char16_t*>(lParam);
  else w->text = Cp874ToUtf16(reinterpret_cast<const char*>(lParam));
  if (w->IsTopLevel()) CurrentBackend().WindowChanged(hwnd);
  if ((w->style & WS_CAPTION) == WS_CAPTION) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  return TRUE;
}

LRESULT GetText(const Window* w, WPARAM size, LPARAM buffer, bool unicode) {
  if (unicode) return CopyTextOut(w->text, reinterpret_cast<char16_t*>(buffer), int(size));
  return CopyTextOut(Utf16ToCp874(w->text), reinterpret_cast<char*>(buffer), int(size));
}

void ClampToTrackSize(HWND hwnd, WINDOWPOS* wp) {
  Window* w = W(hwnd);
  if ((wp->flags & SWP_NOSIZE) || !((w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD)))) return;
  MINMAXINFO mmi{};
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendFrom(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), false);
  wp->cx = std::max<int>(std::min<int>(wp->cx, mmi.ptMaxTrackSize.X), mmi.ptMinTrackSize.X);
  wp->cy = std::max<int>(std::min<int>(wp->cy, mmi.ptMaxTrackSize.Y), mmi.ptMinTrackSize.Y);
}

void PositionChanged(HWND hwnd, const WINDOWPOS* wp) {
  Window* w = W(hwnd);
  if (!(wp->flags & SWP_NOMOVE)) SendFrom(hwnd, WM_MOVE, 0, MAKELPARAM(w->client.Left, w->client.Top), false);
  if ((w = W(hwnd)) == nullptr || (wp->flags & SWP_NOSIZE)) return;
  const WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
  SendFrom(hwnd, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()), false);
}

LRESULT SysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
  if (CallHooks(WH_CBT, HCBT_SYSCOMMAND, command, lParam) != 0) return 0;
  const TPoint at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (command & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE: MoveSizeLoop(hwnd, command, at); break;
    case SC_VSCROLL:
    case SC_HSCROLL: TrackScrollBar(hwnd, (command & 0xFFF0) == SC_VSCROLL, at); break;
    case SC_CLOSE: SendFrom(hwnd, WM_CLOSE, 0, 0, false); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_SHOWMAXIMIZED); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    default: break;   // SC_KEYMENU without a menu bar: nothing to open
  }
  return 0;
}

LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  if (HWND parent = ParentOfChild(w); parent != nullptr && SendFrom(parent, WM_SETCURSOR, wParam, lParam, false))
    return TRUE;
  if ((w = W(hwnd)) == nullptr) return FALSE;
  const int hit = std::int16_t(LOWORD(lParam));
  if (hit == HTCLIENT) {
    if (w->windowClass && w->windowClass->cursor) SetCursor(w->windowClass->cursor);
    return w->windowClass && w->windowClass->cursor;
  }
  if (hit == HTERROR) return FALSE;
  SetCursor(CursorForHitCode((hit == HTSIZE && !(w->style & WS_THICKFRAME)) ? HTBORDER : hit));
  return FALSE;
}

LRESULT MouseActivateDefault(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (HWND parent = ParentOfChild(W(hwnd)); parent != nullptr)
    if (const LRESULT r = SendFrom(parent, WM_MOUSEACTIVATE, wParam, lParam, false); r != 0) return r;
  return MA_ACTIVATE;
}

void ContextMenuFromKeys(HWND hwnd, UINT message, WPARAM vk) {
  const bool shiftF10 = vk == VK_F10 && (message == WM_SYSKEYDOWN || message == WM_KEYDOWN) &&
                        IsKeyDown(KeyStateKind::Sync, VK_SHIFT);
  const bool apps = vk == VK_APPS && message == WM_KEYUP;
  if (shiftF10 || apps)
    SendFrom(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), kKeyboardContextMenu, false);
}

LRESULT Keys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = W(hwnd);
  ContextMenuFromKeys(hwnd, message, wParam);
  if ((w = W(hwnd)) == nullptr) return 0;
  if (message == WM_SYSKEYDOWN && wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN))
    SendFrom(RootOf(w), WM_SYSCOMMAND, SC_CLOSE, 0, false);
  else if (message == WM_SYSKEYUP && (wParam == VK_MENU || (wParam == VK_F10 && !IsKeyDown(KeyStateKind::Sync, VK_SHIFT))))
    SendFrom(RootOf(w), WM_SYSCOMMAND, SC_KEYMENU, 0, false);
  return 0;
}

LRESULT SysChar(HWND hwnd, WPARAM ch, LPARAM lParam) {
  Window* w = W(hwnd);
  if (!(HIWORD(lParam) & KF_ALTDOWN) || ch == u'\t' || ch == 0x1B) return 0;
  if (ch == u'\r' && (TopLevelOf(w)->style & WS_MINIMIZE)) {
    ShowWindow(RootOf(w), SW_RESTORE);
    return 0;
  }
  SendFrom(RootOf(w), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(ch), false);
  return 0;
}

// A press in the non-client area starts what the part under it does.
LRESULT NonClientPress(HWND hwnd, int hit, LPARAM lParam) {
  Window* w = W(hwnd);
  if (hit == HTCAPTION && !w->IsChild())
    return SendFrom(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam, false);
  if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
    return SendFrom(hwnd, WM_SYSCOMMAND, SC_SIZE | WPARAM(hit - HTLEFT + 1), lParam, false);
  if (hit == HTVSCROLL) return SendFrom(hwnd, WM_SYSCOMMAND, SC_VSCROLL | HTVSCROLL, lParam, false);
  if (hit == HTHSCROLL) return SendFrom(hwnd, WM_SYSCOMMAND, SC_HSCROLL | HTHSCROLL, lParam, false);
  if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON) TrackCaptionButton(hwnd, hit);
  return 0;
}

LRESULT NonClientDoubleClick(HWND hwnd, int hit) {
  Window* w = W(hwnd);
  if (hit == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
    return SendFrom(hwnd, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, 0, false);
  if (hit == HTSYSMENU) return SendFrom(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0, false);
  return 0;
}

LRESULT CtlColor(UINT message, WPARAM dc) {
  const bool window = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  SetTextColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(reinterpret_cast<HDC>(dc), GetSysColor(window ? COLOR_WINDOW : COLOR_3DFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_3DFACE));
}

void SetRedraw(HWND hwnd, bool on) {
  Window* w = W(hwnd);
  if (on) w->style |= WS_VISIBLE;
  else w->style &= ~WS_VISIBLE;
}

LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  Window* w = W(hwnd);
  if (w == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs != nullptr && cs->lpszName != nullptr) SetText(hwnd, reinterpret_cast<LPARAM>(cs->lpszName), unicode);
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      TRect* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<TRect*>(lParam);
      *r = ClientFromWindow(w->style, w->exStyle, *r);
      return 0;
    }
    case WM_NCHITTEST: return DefaultHitTest(w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETTEXT: return SetText(hwnd, lParam, unicode);
    case WM_GETTEXT: return GetText(w, wParam, lParam, unicode);
    case WM_GETTEXTLENGTH: return unicode ? LRESULT(w->text.size()) : LRESULT(Utf16ToCp874(w->text).size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return SysCommand(hwnd, wParam, lParam);
    case WM_SYSCHAR: return SysChar(hwnd, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: return Keys(hwnd, message, wParam, lParam);
    case WM_RBUTTONUP: {
      TPoint pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, &pt);
      SendFrom(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(pt.X, pt.Y), false);
      return 0;
    }
    case WM_NCLBUTTONDOWN: return NonClientPress(hwnd, int(wParam), lParam);
    case WM_NCLBUTTONDBLCLK: return NonClientDoubleClick(hwnd, int(wParam));
    case WM_NCRBUTTONUP:
      SendFrom(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam, false);
      return 0;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_APPCOMMAND:
      if (HWND parent = ParentOfChild(w); parent != nullptr) return SendFrom(parent, message, wParam, lParam, unicode);
      return 0;
    case WM_SETCURSOR: return SetCursorDefault(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE: return MouseActivateDefault(hwnd, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_NCACTIVATE:
      // The caption is drawn as this message last asked, not as the activation stands: a window
      // that keeps WM_NCACTIVATE(FALSE) from here stays drawn active.  The new state shows at once.
      w->captionActive = wParam != 0;
      if (IsShownOnScreen(w)) PaintNonClient(hwnd, reinterpret_cast<HRGN>(1));
      return TRUE;
    case WM_WINDOWPOSCHANGING: ClampToTrackSize(hwnd, reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGED: PositionChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam)); return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_SETREDRAW: SetRedraw(hwnd, wParam != 0); return 0;
    case WM_IME_CHAR:
      (unicode ? PostMessageW : PostMessageA)(hwnd, WM_CHAR, wParam, lParam);
      return 0;
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN: return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return CtlColor(message, wParam);
    default: break;
  }
  LRESULT result = 0;
  if (DefaultPaintMessage(hwnd, message, wParam, lParam, result)) return result;
  return 0;
}

}  // namespace

}  // namespace user

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return user::Default(hwnd, message, wParam, lParam, false);
}

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return user::Default(hwnd, message, wParam, lParam, true);
}
