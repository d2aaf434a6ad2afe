#include "platform/window_classes/up_down_window.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/gdi/frame_control.h"
#include "platform/window_classes/press_repeat.h"
#include "platform/user/capture.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

constexpr char kBuddyProp[] = "UpDownOfBuddy";       // on the buddy: its up-down
constexpr char kBuddyProcProp[] = "UpDownBuddyProc";  // on the buddy: its own procedure

// A held arrow steps again on this timer until released (press_repeat.h).
constexpr UINT_PTR kRepeatTimer = 1;

struct UpDownState {
  int lower = 100;
  int upper = 0;
  int pos = 0;
  UDACCEL accel{0, 1};
  HWND buddy = nullptr;
  int pressed = 0;   // 1 the upper arrow, -1 the lower one, 0 none
};

UpDownState* StateOf(HWND w) { return user::WindowStateOf<UpDownState>(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLongPtrA(w, GWL_STYLE)); }
bool Horizontal(HWND w) { return (Style(w) & UDS_HORZ) != 0; }

void NotifyScroll(HWND w, WORD code, int pos) {
  if (HWND parent = GetParent(w); parent != nullptr)
    SendMessageA(parent, Horizontal(w) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, WORD(pos)), LPARAM(w));
}

std::string PositionText(int pos, bool thousands) {
  std::string digits = std::to_string(pos < 0 ? -Int64(pos) : Int64(pos));
  if (thousands)
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
  return pos < 0 ? "-" + digits : digits;
}

void ShowInBuddy(HWND w, const UpDownState& s) {
  if (s.buddy == nullptr || (Style(w) & UDS_SETBUDDYINT) == 0) return;
  const std::string text = PositionText(s.pos, (Style(w) & UDS_NOTHOUSANDS) == 0);
  SendMessageA(s.buddy, WM_SETTEXT, 0, LPARAM(text.c_str()));
}

// One step towards the upper value (direction 1) or the lower one (-1): asked, then made.
void Step(HWND w, UpDownState& s, int direction) {
  const int lo = std::min(s.lower, s.upper), hi = std::max(s.lower, s.upper);
  const int toward = s.upper >= s.lower ? direction : -direction;
  Int64 target = Int64(s.pos) + Int64(toward) * s.accel.nInc;
  if (target < lo || target > hi) {
    if ((Style(w) & UDS_WRAP) != 0)
      target = target < lo ? hi : lo;
    else
      target = std::clamp<Int64>(target, lo, hi);
  }
  if (target == s.pos) return;
  NMUPDOWN nm{{w, UINT_PTR(GetWindowLongPtrA(w, GWLP_ID)), UDN_DELTAPOS}, s.pos, int(target - s.pos)};
  HWND parent = GetParent(w);
  if (parent != nullptr && SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, LPARAM(&nm)) != 0) return;
  s.pos = std::clamp(s.pos + nm.iDelta, lo, hi);   // the parent may change the step
  ShowInBuddy(w, s);
  NotifyScroll(w, SB_THUMBPOSITION, s.pos);
}

// The arrow under a client point: 1 the upper (or right) one, -1 the other.
int ArrowAt(HWND w, LPARAM pos) {
  TRect client{};
  GetClientRect(w, &client);
  if (Horizontal(w)) return GET_X_LPARAM(pos) >= client.Right / 2 ? 1 : -1;
  return GET_Y_LPARAM(pos) < client.Bottom / 2 ? 1 : -1;
}

void Paint(HWND w, HDC dc, const UpDownState& s) {
  TRect client{};
  GetClientRect(w, &client);
  const bool horizontal = Horizontal(w);
  const UINT inactive = IsWindowEnabled(w) != 0 ? 0 : DFCS_INACTIVE;
  TRect first = client, second = client;   // up / left, then down / right
  if (horizontal)
    first.Right = second.Left = client.Right / 2;
  else
    first.Bottom = second.Top = client.Bottom / 2;
  const int firstArrow = horizontal ? -1 : 1;
  DrawFrameControl(dc, &first, DFC_SCROLL,
                   (horizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP) | inactive | (s.pressed == firstArrow ? DFCS_PUSHED : 0));
  DrawFrameControl(dc, &second, DFC_SCROLL,
                   (horizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLDOWN) | inactive |
                       (s.pressed == -firstArrow ? DFCS_PUSHED : 0));
}

LRESULT BuddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND w = static_cast<HWND>(GetPropA(buddy, kBuddyProp));
  auto proc = reinterpret_cast<WNDPROC>(GetPropA(buddy, kBuddyProcProp));
  if (w != nullptr && message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) &&
      (Style(w) & UDS_ARROWKEYS) != 0) {
    Step(w, *StateOf(w), wParam == VK_UP ? 1 : -1);
    return 0;
  }
  return CallWindowProcA(proc, buddy, message, wParam, lParam);
}

void ReleaseBuddy(UpDownState& s) {
  if (s.buddy == nullptr || !IsWindow(s.buddy)) return;
  if (auto proc = GetPropA(s.buddy, kBuddyProcProp); proc != nullptr)
    SetWindowLongPtrA(s.buddy, GWLP_WNDPROC, LONG_PTR(proc));
  RemovePropA(s.buddy, kBuddyProp);
  RemovePropA(s.buddy, kBuddyProcProp);
}

// Takes a buddy: its arrow keys come here, and the alignment styles place the up-down on it.
HWND SetBuddy(HWND w, UpDownState& s, HWND buddy) {
  HWND old = s.buddy;
  ReleaseBuddy(s);
  s.buddy = buddy;
  if (buddy == nullptr) return old;
  SetPropA(buddy, kBuddyProp, w);
  SetPropA(buddy, kBuddyProcProp, reinterpret_cast<HANDLE>(SetWindowLongPtrA(buddy, GWLP_WNDPROC, LONG_PTR(&BuddyProc))));
  const DWORD align = Style(w) & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT);
  if (align != 0) {
    TRect rect{};
    GetWindowRect(buddy, &rect);
    TPoint origin{rect.Left, rect.Top};
    ScreenToClient(GetParent(buddy), &origin);
    TRect own{};
    GetWindowRect(w, &own);
    const int width = own.Width();
    const int buddyWidth = std::max(int(rect.Width()) - width, 0);
    const int left = align == UDS_ALIGNRIGHT ? origin.X + buddyWidth : origin.X;
    SetWindowPos(buddy, nullptr, align == UDS_ALIGNRIGHT ? origin.X : origin.X + width, origin.Y, buddyWidth,
                 rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(w, nullptr, left, origin.Y, width, rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowInBuddy(w, s);
  return old;
}

LRESULT Message(HWND w, UpDownState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case UDM_SETRANGE:
      s.upper = std::int16_t(LOWORD(lParam));
      s.lower = std::int16_t(HIWORD(lParam));
      return 0;
    case UDM_GETRANGE: return MAKELONG(WORD(s.upper), WORD(s.lower));
    case UDM_SETRANGE32:
      s.lower = int(wParam);
      s.upper = int(lParam);
      return 0;
    case UDM_GETRANGE32:
      if (wParam != 0) *reinterpret_cast<int*>(wParam) = s.lower;
      if (lParam != 0) *reinterpret_cast<int*>(lParam) = s.upper;
      return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
      const int old = s.pos;
      const int value = message == UDM_SETPOS ? std::int16_t(LOWORD(lParam)) : int(lParam);
      s.pos = std::clamp(value, std::min(s.lower, s.upper), std::max(s.lower, s.upper));
      ShowInBuddy(w, s);
      return old;
    }
    case UDM_GETPOS: return LRESULT(WORD(s.pos));
    case UDM_GETPOS32: return s.pos;
    case UDM_SETBUDDY: return LRESULT(SetBuddy(w, s, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY: return LRESULT(s.buddy);
    case UDM_SETACCEL:
      if (wParam == 0 || lParam == 0) return FALSE;
      s.accel = *reinterpret_cast<const UDACCEL*>(lParam);
      return TRUE;
    case UDM_GETACCEL:
      if (wParam != 0 && lParam != 0) *reinterpret_cast<UDACCEL*>(lParam) = s.accel;
      return 1;
    case UDM_SETBASE: return 10;
    case UDM_GETBASE: return 10;
  }
  return 0;
}

}  // namespace

void RegisterUpDownClass() {
  user::EnsureClassRegistered(user::ClassRecord(UPDOWN_CLASS, &UpDownWindowProc,
                                                CS_HREDRAW | CS_VREDRAW, int(sizeof(LONG_PTR))));
}

LRESULT UpDownWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) user::AttachWindowState(w, new UpDownState);
  UpDownState* state = StateOf(w);
  if (state == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  UpDownState& s = *state;
  if (message >= UDM_SETRANGE && message <= UDM_GETPOS32) return Message(w, s, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      ReleaseBuddy(s);
      user::FreeWindowState<UpDownState>(w);
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: user::PaintClient(w, wParam, [&](HDC dc) { Paint(w, dc, s); }); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(w);
      s.pressed = ArrowAt(w, lParam);
      InvalidateRect(w, nullptr, FALSE);
      if (s.buddy != nullptr && GetFocus() != s.buddy) SetFocus(s.buddy);
      Step(w, s, s.pressed);
      SetTimer(w, kRepeatTimer, kPressFirstRepeatMs, nullptr);
      return 0;
    case WM_TIMER:
      if (wParam != kRepeatTimer) break;
      if (s.pressed == 0 || GetCapture() != w) {
        KillTimer(w, kRepeatTimer);
        return 0;
      }
      SetTimer(w, kRepeatTimer, kPressRepeatMs, nullptr);
      Step(w, s, s.pressed);
      return 0;
    case WM_LBUTTONUP:
      if (s.pressed == 0) return 0;
      ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (s.pressed == 0) return 0;
      s.pressed = 0;
      KillTimer(w, kRepeatTimer);
      InvalidateRect(w, nullptr, FALSE);
      NotifyScroll(w, SB_ENDSCROLL, s.pos);
      return 0;
    case WM_ENABLE: InvalidateRect(w, nullptr, FALSE); return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
