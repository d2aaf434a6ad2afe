#include "platform/user/focus.h"

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

bool Activatable(const Window* w) {
  return w != nullptr && w->IsTopLevel() && w->parent == WindowTable::Instance().Desktop() && !w->IsChild() &&
         !(w->exStyle & WS_EX_NOACTIVATE) && w->IsVisibleFlag() && !w->IsDisabledFlag() && !w->destroying;
}

void BroadcastActivateApp(bool active, HWND except) {
  std::vector<HWND> targets;
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->thread == GetCurrentThreadId() && w->handle != except) targets.push_back(w->handle);
  for (HWND h : targets) SendFrom(h, WM_ACTIVATEAPP, active, active ? 0 : LPARAM(GetCurrentThreadId()), false);
}

WPARAM ActivateParam(WORD state, HWND h) {
  Window* w = W(h);
  return MAKEWPARAM(state, w != nullptr && (w->style & WS_MINIMIZE) ? 1 : 0);
}

void ChangeFocus(HWND to) {
  InputState& s = InputState::Instance();
  const HWND from = s.focus;
  if (from == to) return;
  s.focus = to;
  if (from != nullptr && W(from) != nullptr) SendFrom(from, WM_KILLFOCUS, reinterpret_cast<WPARAM>(to), 0, false);
  if (to != nullptr && s.focus == to && W(to) != nullptr)
    SendFrom(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(from), 0, false);
}

}  // namespace

bool ActivateWindow(HWND h, bool byMouse) {
  InputState& s = InputState::Instance();
  const HWND old = s.active;
  if (old == h) return true;
  if (HasHooks(WH_CBT)) {
    CBTACTIVATESTRUCT cbt{byMouse, old};
    if (CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&cbt)) != 0)
      return false;
  }
  s.active = h;
  if (old != nullptr && W(old) != nullptr) {
    SendFrom(old, WM_NCACTIVATE, FALSE, 0, false);
    if (W(old) != nullptr) SendFrom(old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(h), false);
  }
  if (h == nullptr) {
    if (s.appActive) {
      s.appActive = false;
      BroadcastActivateApp(false, nullptr);
    }
    ChangeFocus(nullptr);
    return true;
  }
  if (!s.appActive) {
    s.appActive = true;
    BroadcastActivateApp(true, nullptr);
  }
  if (s.active != h || W(h) == nullptr) return false;
  Window* w = W(h);
  if (!w->parent->children.empty() && w->parent->children.front() != w)
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (W(h) == nullptr || s.active != h) return false;
  SendFrom(h, WM_NCACTIVATE, TRUE, 0, false);
  if (W(h) != nullptr && s.active == h)
    SendFrom(h, WM_ACTIVATE, ActivateParam(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, h), reinterpret_cast<LPARAM>(old), false);
  // The window's WM_ACTIVATE handling placed the focus; a focus left in another window goes.
  Window* focus = W(s.focus);
  if (s.active == h && (focus == nullptr || !IsAncestor(W(h), focus))) ChangeFocus(nullptr);
  return true;
}

void ActivateNextWindow(HWND hidden) {
  Window* gone = W(hidden);
  if (gone != nullptr && gone->owner != nullptr && Activatable(gone->owner)) {
    ActivateWindow(gone->owner->handle, false);
    return;
  }
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->handle != hidden && Activatable(w)) {
      ActivateWindow(w->handle, false);
      return;
    }
  ActivateWindow(nullptr, false);
}

void ReleaseFocusWithin(HWND h) {
  InputState& s = InputState::Instance();
  Window* root = W(h);
  Window* focus = W(s.focus);
  if (root != nullptr && focus != nullptr && IsAncestor(root, focus)) ChangeFocus(nullptr);
  if (s.active == h) ActivateNextWindow(h);
}

void SetApplicationActive(bool active) {
  InputState& s = InputState::Instance();
  if (active == s.appActive) return;
  if (!active) {
    ActivateWindow(nullptr, false);
    return;
  }
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (Activatable(w)) {
      ActivateWindow(w->handle, false);
      return;
    }
}

}  // namespace user

using namespace user;

HWND SetFocus(HWND hwnd) {
  InputState& s = InputState::Instance();
  const HWND old = s.focus;
  if (hwnd == nullptr) {
    ChangeFocus(nullptr);
    return old;
  }
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr || w->thread != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (!IsEnabledChain(w) || (TopLevelOf(w)->style & WS_MINIMIZE)) return nullptr;
  if (CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)) != 0)
    return nullptr;
  if ((w = W(hwnd)) == nullptr) return nullptr;
  Window* top = TopLevelOf(w);
  if (s.active != top->handle && Activatable(top)) ActivateWindow(top->handle, false);
  if (W(hwnd) == nullptr) return nullptr;
  const HWND before = s.focus;
  ChangeFocus(hwnd);
  return before == hwnd ? old : before;
}

HWND GetFocus() { return InputState::Instance().focus; }

HWND SetActiveWindow(HWND hwnd) {
  const HWND old = InputState::Instance().active;
  Window* w = W(hwnd);
  if (hwnd != nullptr && (w == nullptr || !w->IsTopLevel() || w->IsChild())) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return ActivateWindow(hwnd, false) ? old : nullptr;
}

HWND GetActiveWindow() { return InputState::Instance().active; }

BOOL SetForegroundWindow(HWND hwnd) {
  Window* w = W(hwnd);
  if (w == nullptr) return FALSE;
  return ActivateWindow(TopLevelOf(w)->handle, false);
}

HWND GetForegroundWindow() { return InputState::Instance().active; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const bool wasDisabled = w->IsDisabledFlag();
  if (enable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendFrom(hwnd, WM_ENABLE, TRUE, 0, false);
  } else if (!enable && !wasDisabled) {
    SendFrom(hwnd, WM_CANCELMODE, 0, 0, false);
    if ((w = W(hwnd)) == nullptr) return FALSE;
    w->style |= WS_DISABLED;
    Window* focus = W(InputState::Instance().focus);
    if (focus != nullptr && IsAncestor(w, focus)) ChangeFocus(nullptr);
    SendFrom(hwnd, WM_ENABLE, FALSE, 0, false);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = W(hwnd);
  return w != nullptr && !w->IsDisabledFlag();
}
