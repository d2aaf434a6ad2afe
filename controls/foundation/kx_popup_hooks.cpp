#include "controls/foundation/kx_popup_hooks.h"

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_custom_popup_window.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_popup_list.h"
#include "platform/gdi/geometry.h"
#include "platform/os/thread.h"
#include "platform/ui/control_messages.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"

namespace {

TkxPopupHookHandles hooks;

// The window whose procedure is swapped for the one-shot swallowing procedure, and its own.
struct SwallowState {
  HWND window = nullptr;
  WNDPROC saved = nullptr;
} swallow;

// Puts the window's procedure back and answers 1 in its place.
LRESULT SwallowingProc(HWND hwnd, UINT, WPARAM, LPARAM) {
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(swallow.saved));
  swallow = SwallowState{};
  return 1;
}

// The call-window-procedure hook runs before the window procedure is fetched: swapping it keeps
// this one message from the window, and the sender gets 1.  One message at a time.
void SwallowMessage(HWND Wnd) {
  if (swallow.window != nullptr) return;
  swallow.window = Wnd;
  swallow.saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowingProc)));
}

bool IsDestroying(const TComponent* Component) { return Component->ComponentState().Contains(csDestroying); }

TCustomForm* OwnerForm(TkxCustomPopupWindow* Popup) {
  return Popup->AttachedControl() != nullptr ? GetParentForm(Popup->AttachedControl()) : nullptr;
}

// The owner control's window is Wnd (and the owner is not being destroyed).
bool IsOwnerWindow(TkxCustomPopupWindow* Popup, HWND Wnd) {
  TWinControl* owner = Popup->AttachedControl();
  return owner != nullptr && !IsDestroying(owner) && owner->HandleAllocated() && owner->WindowHandle() == Wnd;
}

// --- The call-window-procedure hook ---

void CloseOnDestroy(HWND Wnd) {
  ScanVisiblePopups([Wnd](TkxCustomPopupWindow* popup) {
    if (IsDestroying(popup) || popup->WindowHandle() != Wnd) return TkxPopupScanStep::Next;
    popup->Close();
    return TkxPopupScanStep::Stop;
  });
}

// The popup's own WM_CLOSE asks CloseQuery and closes the owner's top-level window with it; a
// WM_CLOSE to the owner's form closes a non-capturing popup.
void CloseOnClose(HWND Wnd) {
  ScanVisiblePopups([Wnd](TkxCustomPopupWindow* popup) {
    if (IsDestroying(popup)) return TkxPopupScanStep::Next;
    TWinControl* owner = popup->AttachedControl();
    if (popup->WindowHandle() == Wnd) {
      if (!popup->CloseQuery()) return TkxPopupScanStep::Stop;
      const TkxScopedObjectLink alive(popup);
      popup->ClosePopup();
      if (alive.Alive() && !IsVisiblePopupWindow(popup) && popup->FocusCapture() && owner != nullptr &&
          !IsDestroying(owner))
        SendMessageA(FindTopLevelAncestorWindow(owner->Handle()), WM_CLOSE, 0, 0);
      return TkxPopupScanStep::Stop;
    }
    if (popup->FocusCapture() || owner == nullptr || IsDestroying(owner)) return TkxPopupScanStep::Next;
    TCustomForm* form = GetParentForm(owner);
    if (form == nullptr || !form->HandleAllocated() || form->WindowHandle() == Wnd) popup->ClosePopup();
    return TkxPopupScanStep::Stop;
  });
}

// The owner control hides: its popup and every popup shown after it close, the last first.
void CloseOnOwnerHidden(HWND Wnd) {
  TkxCustomPopupWindow* target = nullptr;
  ScanVisiblePopupsBackward([Wnd, &target](TkxCustomPopupWindow* popup) {
    if (IsDestroying(popup) || !IsOwnerWindow(popup, Wnd)) return TkxPopupScanStep::Next;
    target = popup;
    return TkxPopupScanStep::Stop;
  });
  if (target == nullptr) return;
  const TkxScopedObjectLink targetAlive(target);
  ScanVisiblePopupsBackward([target, &targetAlive](TkxCustomPopupWindow* popup) {
    if (!targetAlive.Alive() || !IsVisiblePopupWindow(target)) return TkxPopupScanStep::Stop;
    if (IsDestroying(popup)) return TkxPopupScanStep::Next;
    popup->ClosePopup();
    return popup == target ? TkxPopupScanStep::Stop : TkxPopupScanStep::Closed;
  });
}

void CloseOnOwnerMoved(HWND Wnd) {
  ScanVisiblePopups([Wnd](TkxCustomPopupWindow* popup) {
    if (IsDestroying(popup) || !popup->HandleAllocated() || !IsOwnerWindow(popup, Wnd) ||
        IsControlWindowShown(popup->AttachedControl()))
      return TkxPopupScanStep::Next;
    popup->ClosePopup();
    return TkxPopupScanStep::Closed;
  });
}

// The application loses the activation: the owner forms are drawn inactive once the hook lets
// that through, and the popups that are not the active form close.
void CloseOnApplicationDeactivated() {
  ScanVisiblePopups([](TkxCustomPopupWindow* popup) {
    if (TCustomForm* form = OwnerForm(popup); form != nullptr && form->HandleAllocated())
      PostMessageA(form->WindowHandle(), WM_NCACTIVATE, 0, 0);
    if ((popup->FocusCapture() && popup->Active()) || !IsWindowEnabled(popup->WindowHandle()))
      return TkxPopupScanStep::Next;
    TWinControl* owner = popup->AttachedControl();
    const TkxScopedObjectLink ownerAlive(owner);
    popup->ClosePopup();
    if (auto* container = dynamic_cast<TkxContainer*>(owner); container != nullptr && ownerAlive.Alive())
      container->DoFocusChanged();
    return TkxPopupScanStep::Closed;
  });
}

bool IsOwnerFormOfListedPopup(HWND Wnd) {
  for (TkxCustomPopupWindow* popup : *GetVisiblePopupList()) {
    if (IsDestroying(popup)) continue;
    TCustomForm* form = OwnerForm(popup);
    if (form != nullptr && form->HandleAllocated() && form->WindowHandle() == Wnd) return true;
  }
  return false;
}

void WatchSentMessage(const CWPSTRUCT& M) {
  if ((M.message == CM_ACTIVATE || M.message == CM_DEACTIVATE) && AreActivationMessagesLocked()) {
    SwallowMessage(M.hwnd);
    return;
  }
  if (IsVisiblePopupListEmpty()) return;
  switch (M.message) {
    case WM_DESTROY: return CloseOnDestroy(M.hwnd);
    case WM_CLOSE: return CloseOnClose(M.hwnd);
    case WM_SHOWWINDOW:
      if (M.wParam == 0) CloseOnOwnerHidden(M.hwnd);
      return;
    case WM_WINDOWPOSCHANGED: return CloseOnOwnerMoved(M.hwnd);
    case WM_ACTIVATEAPP:
      if (M.wParam == 0) CloseOnApplicationDeactivated();
      return;
    case WM_NCACTIVATE:
      if (M.wParam == 0 && (IsPopupShowing() || IsOwnerFormOfListedPopup(M.hwnd))) SwallowMessage(M.hwnd);
      return;
    default: return;
  }
}

LRESULT PopupWndProcHook(int Code, WPARAM wParam, LPARAM lParam) {
  if (Code == HC_ACTION) WatchSentMessage(*reinterpret_cast<const CWPSTRUCT*>(lParam));
  return CallNextHookEx(hooks.CallWndProc, Code, wParam, lParam);
}

// --- The get-message hook ---

LRESULT PopupGetMsgHook(int Code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (!IsVisiblePopupListEmpty() && Code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_SYSKEYDOWN) {
    TkxCustomPopupWindow* last = GetVisiblePopupList()->back();
    if ((!last->FocusCapture() || !last->RunsModalLoop) && !last->IsNavigationKey(LOWORD(message->wParam)))
      message->message = WM_NULL;
  }
  return CallNextHookEx(hooks.GetMessage, Code, wParam, lParam);
}

// --- The mouse hook ---

bool IsPressMessage(WPARAM Msg) {
  switch (Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK: return true;
    default: return false;
  }
}

// The click on the owner's form concerns the popup; on a popup the owner sits in that has left
// the list as well.
bool ConcernsPopup(TkxCustomPopupWindow* Popup, HWND Wnd) {
  TWinControl* owner = Popup->AttachedControl();
  if (IsWindowOfControlForm(owner, Wnd)) return true;
  auto* ownerPopup = dynamic_cast<TkxCustomPopupWindow*>(owner != nullptr ? GetParentForm(owner) : nullptr);
  return ownerPopup != nullptr && !IsVisiblePopupWindow(ownerPopup);
}

// Closes the popups a press outside them concerns; false when the press is to be eaten.
bool LetsPressThrough(UINT Msg, TPoint P, HWND Wnd) {
  bool pass = true, ownerClick = false;
  ScanVisiblePopups([&](TkxCustomPopupWindow* popup) {
    if (popup->FocusCapture() && !popup->Active()) return TkxPopupScanStep::Next;
    if (ControlOwnsWindow(popup, Wnd, true) || !ConcernsPopup(popup, Wnd)) return TkxPopupScanStep::Next;
    TWinControl* owner = popup->AttachedControl();
    bool ask = true;
    if (ControlOwnsWindow(owner, Wnd, true) && (Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONDBLCLK)) {
      const TRect bounds = popup->GetOwnerScreenBounds();
      if (PtInRect(&bounds, P)) {
        ownerClick = true;
        ask = false;
      }
    }
    const TkxScopedObjectLink popupAlive(popup), ownerAlive(owner);
    const TkxPopupShowingScope showing;
    struct DeactivationUnlock {
      TkxCustomPopupWindow* popup;
      const TkxScopedObjectLink& alive;
      ~DeactivationUnlock() {
        if (alive.Alive()) popup->LockDeactivation(false);
      }
    } unlock{popup, popupAlive};
    popup->LockDeactivation(true);
    if (pass && ask) pass = !popup->SwallowsOutsideClick(Wnd, Msg, P, GetCurrentShiftState());
    if (popupAlive.Alive()) popup->ClosePopup();
    if (ownerClick && (!ownerAlive.Alive() || IsDestroying(owner) || !owner->Visible())) pass = false;
    return TkxPopupScanStep::Closed;
  });
  return pass;
}

LRESULT PopupMouseHook(int Code, WPARAM wParam, LPARAM lParam) {
  if (!IsVisiblePopupListEmpty() && Code == HC_ACTION && IsPressMessage(wParam)) {
    const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
    if (!LetsPressThrough(UINT(wParam), info->pt, info->hwnd)) return 1;
  }
  return CallNextHookEx(hooks.Mouse, Code, wParam, lParam);
}

}  // namespace

void InstallPopupHooks() {
  const DWORD thread = GetCurrentThreadId();
  hooks.CallWndProc = SetWindowsHookExA(WH_CALLWNDPROC, &PopupWndProcHook, nullptr, thread);
  hooks.GetMessage = SetWindowsHookExA(WH_GETMESSAGE, &PopupGetMsgHook, nullptr, thread);
  hooks.Mouse = SetWindowsHookExA(WH_MOUSE, &PopupMouseHook, nullptr, thread);
}

void RemovePopupHooks() {
  for (HHOOK* hook : {&hooks.Mouse, &hooks.GetMessage, &hooks.CallWndProc}) {
    if (*hook != nullptr) UnhookWindowsHookEx(*hook);
    *hook = nullptr;
  }
}

TkxPopupHookHandles GetPopupHookHandles() { return hooks; }
