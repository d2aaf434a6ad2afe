#include "platform/user/input_processing.h"

#include <cstdlib>

#include "platform/core/cp874.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/input_events.h"
#include "platform/user/input_state.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

constexpr UINT kNonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;   // 0x160

struct ClickState {
  HWND hwnd = nullptr;
  MouseButton button = MouseButton::Left;
  DWORD time = 0;
  TPoint pt;
  bool armed = false;   // the last press may start a double click
};

struct KeyRecord {
  MSG msg{};
  char16_t ch = 0;
  bool valid = false;
};

struct ProcessingState {
  ClickState click;
  KeyRecord lastKey;
  bool altAlone = false;   // Alt went down and no other key since
};

ProcessingState& State() {
  static ProcessingState state;
  return state;
}

// What a raw event turns into.
struct Cooked {
  enum class Outcome { Message, Discard, NotOurs } outcome = Outcome::Discard;
  MSG msg{};
  int hit = HTNOWHERE;
  bool dblClick = false;
};

bool InFilter(const MSG& m, HWND hwnd, UINT first, UINT last) {
  const bool inRange = (first == 0 && last == 0) || (m.message >= first && m.message <= last);
  return inRange && (hwnd == nullptr || m.hwnd == hwnd || IsChild(hwnd, m.hwnd));
}

UINT ButtonMessage(MouseButton b, bool down, bool dbl) {
  UINT base = WM_LBUTTONDOWN;
  switch (b) {
    case MouseButton::Left: base = WM_LBUTTONDOWN; break;
    case MouseButton::Right: base = WM_RBUTTONDOWN; break;
    case MouseButton::Middle: base = WM_MBUTTONDOWN; break;
    case MouseButton::X1: case MouseButton::X2: base = WM_XBUTTONDOWN; break;
  }
  return dbl ? base + 2 : down ? base : base + 1;
}

WPARAM ButtonFlag(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return MK_LBUTTON;
    case MouseButton::Right: return MK_RBUTTON;
    case MouseButton::Middle: return MK_MBUTTON;
    case MouseButton::X1: return MK_XBUTTON1;
    case MouseButton::X2: return MK_XBUTTON2;
  }
  return 0;
}

bool IsDoubleClick(const InputEvent& e, HWND target, int hit) {
  const ClickState& c = State().click;
  if (!e.down || !c.armed || c.hwnd != target || c.button != e.button) return false;
  if (e.time - c.time > GetDoubleClickTime()) return false;
  if (std::abs(e.pt.X - c.pt.X) > GetSystemMetrics(SM_CXDOUBLECLK) / 2 ||
      std::abs(e.pt.Y - c.pt.Y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2)
    return false;
  Window* w = W(target);
  return hit != HTCLIENT || (w && w->windowClass && (w->windowClass->style & CS_DBLCLKS));
}

Cooked CookMouse(const InputEvent& e) {
  Cooked c;
  const HitResult target = HitTestInput(e.pt);
  if (target.hwnd == nullptr) return c;
  if (WindowTable::Instance().ThreadOf(target.hwnd) != GetCurrentThreadId()) {
    c.outcome = Cooked::Outcome::NotOurs;
    return c;
  }
  c.hit = target.hit;
  const bool client = target.hit == HTCLIENT || InputState::Instance().capture == target.hwnd;
  UINT message = WM_MOUSEMOVE;
  WPARAM keys = MouseKeyFlags();
  if (e.kind == InputEvent::Kind::MouseButton) {
    c.dblClick = IsDoubleClick(e, target.hwnd, target.hit);
    message = ButtonMessage(e.button, e.down, c.dblClick);
    keys = e.down ? keys | ButtonFlag(e.button) : keys & ~ButtonFlag(e.button);
    if (e.button == MouseButton::X1 || e.button == MouseButton::X2)
      keys |= WPARAM(e.button == MouseButton::X1 ? 1 : 2) << 16;
  }
  const TPoint origin = ClientOrigin(W(target.hwnd));
  c.msg = {target.hwnd, client ? message : message - kNonClientOffset,
           client ? keys : WPARAM(std::intptr_t(target.hit)),
           client ? MAKELPARAM(e.pt.X - origin.X, e.pt.Y - origin.Y) : MAKELPARAM(e.pt.X, e.pt.Y), e.time, e.pt};
  if (!client && (e.button == MouseButton::X1 || e.button == MouseButton::X2) && e.kind == InputEvent::Kind::MouseButton)
    c.msg.wParam = MAKEWPARAM(target.hit, e.button == MouseButton::X1 ? 1 : 2);
  c.outcome = target.hit == HTERROR ? Cooked::Outcome::Discard : Cooked::Outcome::Message;
  return c;
}

HWND KeyboardTarget(bool& noFocus) {
  const InputState& s = InputState::Instance();
  noFocus = s.focus == nullptr;
  return noFocus ? s.active : s.focus;
}

Cooked CookWheel(const InputEvent& e) {
  Cooked c;
  bool noFocus;
  const HWND target = KeyboardTarget(noFocus);
  if (target == nullptr) return c;
  c.msg = {target, e.kind == InputEvent::Kind::Wheel ? WM_MOUSEWHEEL : WM_MOUSEHWHEEL,
           MAKEWPARAM(int(MouseKeyFlags()), e.wheelDelta), MAKELPARAM(e.pt.X, e.pt.Y), e.time, e.pt};
  c.outcome = Cooked::Outcome::Message;
  return c;
}

Cooked CookKey(const InputEvent& e) {
  Cooked c;
  bool noFocus;
  const HWND target = KeyboardTarget(noFocus);
  if (target == nullptr) return c;
  const bool altHeld = e.vk == VK_MENU ? e.down : e.altDown;
  const bool sys = ((altHeld || (e.vk == VK_MENU && !e.down && State().altAlone)) && !e.ctrlDown) ||
                   e.vk == VK_F10 || noFocus;
  UINT message = e.down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM flags = 1 | LPARAM(e.scanCode & 0xFF) << 16;
  if (e.extended) flags |= LPARAM(1) << 24;
  if (sys && altHeld) flags |= LPARAM(1) << 29;
  if (!e.down || IsKeyDown(KeyStateKind::Sync, e.vk)) flags |= LPARAM(1) << 30;
  if (!e.down) flags |= LPARAM(1) << 31;
  c.msg = {target, message, WPARAM(e.vk), LPARAM(std::int32_t(flags)), e.time, e.pt};
  c.outcome = Cooked::Outcome::Message;
  return c;
}

Cooked CookChar(const InputEvent& e, bool unicode) {
  Cooked c;
  bool noFocus;
  const HWND target = KeyboardTarget(noFocus);
  if (target == nullptr) return c;
  const WPARAM ch = unicode ? WPARAM(e.ch) : WPARAM(static_cast<unsigned char>(UnicodeToCp874(e.ch)));
  c.msg = {target, WM_CHAR, ch, 1, e.time, e.pt};
  c.outcome = Cooked::Outcome::Message;
  return c;
}

Cooked Cook(const InputEvent& e, bool unicode) {
  switch (e.kind) {
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::MouseButton: return CookMouse(e);
    case InputEvent::Kind::Wheel:
    case InputEvent::Kind::HorizontalWheel: return CookWheel(e);
    case InputEvent::Kind::Key: return CookKey(e);
    case InputEvent::Kind::Char: return CookChar(e, unicode);
  }
  return {};
}

bool IsMouseEvent(const InputEvent& e) {
  return e.kind == InputEvent::Kind::MouseMove || e.kind == InputEvent::Kind::MouseButton;
}

// The WH_MOUSE / WH_KEYBOARD hooks; true when one discards the message.
bool HookDiscards(const InputEvent& e, const Cooked& c, bool remove) {
  const int code = remove ? HC_ACTION : HC_NOREMOVE;
  if (IsMouseEvent(e)) {
    MOUSEHOOKSTRUCT mhs{e.pt, c.msg.hwnd, UINT(c.hit), 0};
    if (CallHooks(WH_MOUSE, code, c.msg.message, reinterpret_cast<LPARAM>(&mhs)) == 0) return false;
    if (remove) CallHooks(WH_CBT, HCBT_CLICKSKIPPED, c.msg.message, reinterpret_cast<LPARAM>(&mhs));
    return true;
  }
  if (e.kind != InputEvent::Kind::Key) return false;
  if (CallHooks(WH_KEYBOARD, code, c.msg.wParam, c.msg.lParam) == 0) return false;
  if (remove) CallHooks(WH_CBT, HCBT_KEYSKIPPED, c.msg.wParam, c.msg.lParam);
  return true;
}

bool IsButtonDown(const InputEvent& e) { return e.kind == InputEvent::Kind::MouseButton && e.down; }

// WM_MOUSEACTIVATE for a press on a window whose top-level window is not active; false when the
// answer eats the press.
bool MouseActivate(const Cooked& c, UINT clientMessage) {
  Window* w = W(c.msg.hwnd);
  if (w == nullptr) return false;
  Window* top = TopLevelOf(w);
  if (top->handle == InputState::Instance().active) return true;
  const HWND topHandle = top->handle;
  const LRESULT answer = SendFrom(c.msg.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topHandle),
                                  MAKELPARAM(c.hit, int(clientMessage)), false);
  Window* t = W(topHandle);
  const bool activatable = t != nullptr && !t->IsChild() && t->parent == WindowTable::Instance().Desktop() &&
                           !(t->exStyle & WS_EX_NOACTIVATE) && t->IsVisibleFlag() && !t->IsDisabledFlag();
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && activatable) ActivateWindow(topHandle, true);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

// Side effects of taking a mouse message; false when the message is to be dropped.
bool ApplyMouse(const InputEvent& e, const Cooked& c) {
  const bool client = c.msg.message >= WM_MOUSEFIRST;
  const UINT clientMessage = client ? c.msg.message : c.msg.message + kNonClientOffset;
  if (IsButtonDown(e) && InputState::Instance().capture == nullptr && !MouseActivate(c, clientMessage)) return false;
  if (InputState::Instance().capture == nullptr && W(c.msg.hwnd) != nullptr)
    SendFrom(c.msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(c.msg.hwnd), MAKELPARAM(c.hit, int(clientMessage)),
             false);
  if (e.kind == InputEvent::Kind::MouseButton) {
    UpdateKeyState(KeyStateKind::Sync, e.vk, e.down, false);
    ClickState& click = State().click;
    if (e.down) click = c.dblClick ? ClickState{} : ClickState{c.msg.hwnd, e.button, e.time, e.pt, true};
  }
  NoteMouseMessage(c.msg.hwnd, !client, e.pt, e.time);
  return W(c.msg.hwnd) != nullptr;
}

void ApplyKey(const InputEvent& e, const MSG& m) {
  ProcessingState& s = State();
  UpdateKeyState(KeyStateKind::Sync, e.vk, e.down, e.extended);
  if (e.down) s.altAlone = e.vk == VK_MENU;
  s.lastKey = {m, e.ch, true};
}

// The HTERROR case: a disabled top-level window under the cursor is told, and nothing else.
void RefuseDisabled(const InputEvent& e, const Cooked& c) {
  if (c.msg.hwnd == nullptr || c.hit != HTERROR || !IsMouseEvent(e)) return;
  const UINT message = e.kind == InputEvent::Kind::MouseButton ? ButtonMessage(e.button, e.down, false) : WM_MOUSEMOVE;
  SendFrom(c.msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(c.msg.hwnd), MAKELPARAM(HTERROR, int(message)), false);
}

}  // namespace

std::optional<MSG> TakeInputMessage(HWND hwnd, UINT first, UINT last, bool remove, bool unicode) {
  CheckHover();
  InputQueue& queue = InputQueue::Instance();
  for (std::size_t i = 0; auto e = queue.At(i);) {
    const Cooked c = Cook(*e, unicode);
    if (c.outcome == Cooked::Outcome::NotOurs) return std::nullopt;
    if (c.outcome == Cooked::Outcome::Discard) {
      if (remove || i == 0) RefuseDisabled(*e, c);
      queue.Erase(i);
      continue;
    }
    if (!InFilter(c.msg, hwnd, first, last)) {
      ++i;
      continue;
    }
    if (HookDiscards(*e, c, remove)) {
      queue.Erase(i);
      continue;
    }
    if (!remove) return c.msg;
    queue.Erase(i);
    if (IsMouseEvent(*e) && !ApplyMouse(*e, c)) continue;
    if (e->kind == InputEvent::Kind::Key) ApplyKey(*e, c.msg);
    return c.msg;
  }
  return std::nullopt;
}

std::optional<char16_t> RecordedChar(const MSG& m) {
  const KeyRecord& k = State().lastKey;
  if (!k.valid || k.msg.hwnd != m.hwnd || k.msg.message != m.message || k.msg.wParam != m.wParam ||
      k.msg.lParam != m.lParam || k.msg.time != m.time)
    return std::nullopt;
  return k.ch;
}

void ResetInputProcessing() {
  State() = ProcessingState{};
  InputQueue::Instance().Clear();
  ResetMouseTracking();
  ResetKeyState();
}

}  // namespace user
