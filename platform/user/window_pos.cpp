#include "platform/user/window_pos.h"

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/backend.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

Window* Checked(HWND hwnd) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w != nullptr && w->parent != nullptr ? w : nullptr;
}

bool CanActivate(const Window* w) { return w->IsTopLevel() && !w->IsChild() && !(w->exStyle & WS_EX_NOACTIVATE); }

// The request with the parts that change nothing flagged as unchanged.
WINDOWPOS Normalized(const Window* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (w->IsVisibleFlag()) flags &= ~SWP_SHOWWINDOW;
  else flags &= ~SWP_HIDEWINDOW;
  if (w->IsChild() || w->parent->parent != nullptr) flags |= SWP_NOACTIVATE;
  WINDOWPOS wp{w->handle, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) wp.x = w->rect.Left, wp.y = w->rect.Top;
  if (flags & SWP_NOSIZE) wp.cx = w->rect.Width(), wp.cy = w->rect.Height();
  if (wp.cx < 0) wp.cx = 0;
  if (wp.cy < 0) wp.cy = 0;
  if (wp.x == w->rect.Left && wp.y == w->rect.Top) wp.flags |= SWP_NOMOVE;
  if (wp.cx == w->rect.Width() && wp.cy == w->rect.Height()) wp.flags |= SWP_NOSIZE;
  if (wp.hwndInsertAfter == w->handle) wp.flags |= SWP_NOZORDER;
  return wp;
}

// Moves and sizes the window and recomputes its client area.
void ApplyGeometry(HWND h, WINDOWPOS& wp) {
  Window* w = W(h);
  const TRect oldRect = w->rect, oldClient = w->client;
  w->rect = Bounds(wp.x, wp.y, wp.cx, wp.cy);
  if ((wp.flags & SWP_NOSIZE) && !(wp.flags & SWP_FRAMECHANGED)) {
    w->client = oldClient;
    OffsetRect(&w->client, w->rect.Left - oldRect.Left, w->rect.Top - oldRect.Top);
    return;
  }
  NCCALCSIZE_PARAMS params{{w->rect, oldRect, oldClient}, &wp};
  SendFrom(h, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params), false);
  if ((w = W(h)) != nullptr) w->client = params.rgrc[0];
}

void NotifyBackend(Window* w) {
  if (w != nullptr && w->IsTopLevel() && w->parent == WindowTable::Instance().Desktop())
    CurrentBackend().WindowChanged(w->handle);
}

// Hiding a child that holds the focus gives the focus to its parent.
void MoveFocusOffHidden(HWND h) {
  Window* w = W(h);
  Window* focus = W(InputState::Instance().focus);
  if (w == nullptr || focus == nullptr || !IsAncestor(w, focus)) return;
  if (w->IsChild() && w->parent != nullptr && w->parent->parent != nullptr)
    SetFocus(w->parent->handle);
}

BOOL Minimize(HWND h, bool activate) {
  Window* w = W(h);
  if (!(w->style & WS_MINIMIZE)) {
    if (!(w->style & WS_MAXIMIZE)) w->normalRect = w->rect;
    w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
  }
  const bool wasVisible = w->IsVisibleFlag();
  if (!wasVisible) SendFrom(h, WM_SHOWWINDOW, TRUE, 0, false);
  SetWindowPos(h, HWND_TOP, -32000, -32000, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED),
               SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  if (InputState::Instance().active == h) ActivateNextWindow(h);
  (void)activate;
  return wasVisible;
}

BOOL Maximize(HWND h, bool activate) {
  Window* w = W(h);
  if (!(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) w->normalRect = w->rect;
  w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
  const bool wasVisible = w->IsVisibleFlag();
  if (!wasVisible) SendFrom(h, WM_SHOWWINDOW, TRUE, 0, false);
  const MINMAXINFO mmi = AskMinMaxInfo(h);
  SetWindowPos(h, HWND_TOP, mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, mmi.ptMaxSize.X, mmi.ptMaxSize.Y,
               SWP_SHOWWINDOW | SWP_FRAMECHANGED | (activate ? 0 : SWP_NOACTIVATE));
  return wasVisible;
}

BOOL Restore(HWND h, bool activate) {
  Window* w = W(h);
  const bool wasVisible = w->IsVisibleFlag();
  const TRect r = w->normalRect;
  w->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  if (!wasVisible) SendFrom(h, WM_SHOWWINDOW, TRUE, 0, false);
  SetWindowPos(h, HWND_TOP, r.Left, r.Top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_FRAMECHANGED | (activate ? 0 : SWP_NOACTIVATE));
  return wasVisible;
}

}  // namespace

MINMAXINFO AskMinMaxInfo(HWND h) {
  MINMAXINFO mmi{};
  const TRect work = WorkArea();
  mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
  mmi.ptMaxPosition = {work.Left - 4, work.Top - 4};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendFrom(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), false);
  return mmi;
}

}  // namespace user

using namespace user;

BOOL SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = Checked(h);
  if (w == nullptr) return FALSE;
  WINDOWPOS wp = Normalized(w, insertAfter, x, y, cx, cy, flags);
  if (!(wp.flags & SWP_NOSENDCHANGING)) {
    SendFrom(h, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp), false);
    if ((w = W(h)) == nullptr) return FALSE;
  }
  const TRect oldScreen = ScreenRect(w);
  const bool wasVisible = IsShownOnScreen(w);
  const bool wasActive = InputState::Instance().active == h;
  ApplyGeometry(h, wp);
  if ((w = W(h)) == nullptr) return FALSE;
  if (!(wp.flags & SWP_NOZORDER)) ReorderWindow(w, wp.hwndInsertAfter, !(wp.flags & SWP_NOOWNERZORDER));
  if (wp.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (wp.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  RepaintAfterMove(h, oldScreen, wasVisible, wp.flags);
  if (!(wp.flags & SWP_NOACTIVATE) && CanActivate(w) && w->IsVisibleFlag() && !w->IsDisabledFlag())
    ActivateWindow(h, false);
  NotifyBackend(W(h));
  if (W(h) != nullptr) SendFrom(h, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), false);
  if (wp.flags & SWP_HIDEWINDOW) {
    MoveFocusOffHidden(h);
    if (wasActive && InputState::Instance().active == h) ActivateNextWindow(h);
  }
  return TRUE;
}

BOOL ShowWindow(HWND h, int command) {
  Window* w = Checked(h);
  if (w == nullptr) return FALSE;
  const bool wasVisible = w->IsVisibleFlag();
  const bool noActivate = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE || command == SW_SHOWMINNOACTIVE;
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      SendFrom(h, WM_SHOWWINDOW, FALSE, 0, false);
      if (W(h) != nullptr)
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      if (CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(h), command) != 0) return wasVisible;
      return Minimize(h, !noActivate);
    case SW_SHOWMAXIMIZED:
      if (CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(h), command) != 0) return wasVisible;
      return Maximize(h, true);
    default:
      break;
  }
  if ((w->style & (WS_MINIMIZE | WS_MAXIMIZE)) && (command == SW_RESTORE || command == SW_SHOWNORMAL)) {
    if (CallHooks(WH_CBT, HCBT_MINMAX, reinterpret_cast<WPARAM>(h), command) != 0) return wasVisible;
    return Restore(h, !noActivate);
  }
  if (wasVisible) return TRUE;
  SendFrom(h, WM_SHOWWINDOW, TRUE, 0, false);
  if (W(h) != nullptr)
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | (noActivate ? SWP_NOACTIVATE | SWP_NOZORDER : 0));
  return FALSE;
}

BOOL MoveWindow(HWND h, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(h, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND h) { return SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL IsWindowVisible(HWND h) {
  Window* w = W(h);
  return w != nullptr && IsShownOnScreen(w);
}

BOOL IsIconic(HWND h) {
  Window* w = W(h);
  return w != nullptr && (w->style & WS_MINIMIZE) != 0;
}

BOOL IsZoomed(HWND h) {
  Window* w = W(h);
  return w != nullptr && (w->style & WS_MAXIMIZE) != 0;
}

BOOL GetWindowRect(HWND h, TRect* rect) {
  Window* w = W(h);
  if (w == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = w->parent == nullptr ? Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))
                               : ScreenRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND h, TRect* rect) {
  Window* w = W(h);
  if (w == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = w->parent == nullptr ? Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))
                               : Rect(0, 0, w->client.Width(), w->client.Height());
  return TRUE;
}

BOOL ClientToScreen(HWND h, TPoint* point) {
  Window* w = W(h);
  if (w == nullptr || point == nullptr) return FALSE;
  const TPoint o = ClientOrigin(w);
  point->X += o.X;
  point->Y += o.Y;
  return TRUE;
}

BOOL ScreenToClient(HWND h, TPoint* point) {
  Window* w = W(h);
  if (w == nullptr || point == nullptr) return FALSE;
  const TPoint o = ClientOrigin(w);
  point->X -= o.X;
  point->Y -= o.Y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, UINT count) {
  Window* a = from ? W(from) : nullptr;
  Window* b = to ? W(to) : nullptr;
  if ((from && a == nullptr) || (to && b == nullptr)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const TPoint oa = ClientOrigin(a), ob = ClientOrigin(b);
  const int dx = oa.X - ob.X, dy = oa.Y - ob.Y;
  for (UINT i = 0; i < count; ++i) {
    points[i].X += dx;
    points[i].Y += dy;
  }
  return int(MAKELONG(WORD(dx), WORD(dy)));
}

BOOL AdjustWindowRectEx(TRect* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (rect == nullptr) return FALSE;
  constexpr int kProbe = 1000;
  const FrameLayout f = LayoutFrame(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, kProbe, kProbe);
  rect->Left -= f.client.Left;
  rect->Top -= f.client.Top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
  rect->Right += kProbe - f.client.Right;
  rect->Bottom += kProbe - f.client.Bottom;
  return TRUE;
}
