#include "platform/user/message_loop.h"

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/user/backend.h"
#include "platform/user/caret.h"
#include "platform/user/hooks.h"
#include "platform/user/input_events.h"
#include "platform/user/input_processing.h"
#include "platform/user/input_state.h"
#include "platform/user/key_state.h"
#include "platform/user/message_conversion.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_queue.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

thread_local MSG lastTaken{};

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

std::optional<MSG> Retrieve(HWND hwnd, UINT first, UINT last, bool remove, bool unicode) {
  ProcessSentMessages();
  CurrentBackend().PumpEvents(std::nullopt);
  CaretTick();
  MessageQueue& queue = MessageQueue::Current();
  if (auto posted = queue.TakePosted(hwnd, first, last, remove)) {
    MSG m = posted->msg;
    if (posted->unicode != unicode) m.wParam = ConvertCharParam(m.message, m.wParam, unicode);
    return m;
  }
  if (hwnd == nullptr && InRange(WM_QUIT, first, last))
    if (auto code = queue.TakeQuit(remove))
      return MSG{nullptr, WM_QUIT, WPARAM(*code), 0, GetTickCount(), CursorPosition()};
  if (auto m = TakeInputMessage(hwnd, first, last, remove, unicode)) return m;
  if (auto m = TakePaintMessage(hwnd, first, last, remove)) return m;
  return TakeDueTimer(hwnd, first, last, remove);
}

bool ValidFilter(HWND hwnd) {
  if (hwnd == nullptr || hwnd == reinterpret_cast<HWND>(-1) || W(hwnd) != nullptr) return true;
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return false;
}

BOOL Peek(MSG* out, HWND hwnd, UINT first, UINT last, UINT flags, bool unicode) {
  std::optional<MSG> m = Retrieve(hwnd, first, last, (flags & PM_REMOVE) != 0, unicode);
  if (!m) return FALSE;
  if (HasHooks(WH_GETMESSAGE))
    CallHooks(WH_GETMESSAGE, HC_ACTION, flags & PM_REMOVE, reinterpret_cast<LPARAM>(&*m));
  *out = *m;
  lastTaken = *m;
  return TRUE;
}

std::optional<UInt64> NextDeadline() {
  std::optional<UInt64> due = MillisecondsToNextTimer();
  if (auto hover = MillisecondsToHover(); hover && (!due || *hover < *due)) due = hover;
  if (auto caret = MillisecondsToCaretBlink(); caret && (!due || *caret < *due)) due = caret;
  return due;
}

// Waits for something to take: a posted or sent message, input, or the next deadline.  Under a
// fake clock the deadline is reached by advancing the clock.
void WaitForWork() {
  const std::optional<UInt64> due = NextDeadline();
  if (due && dynamic_cast<FakeClock*>(&CurrentClock()) != nullptr) {
    if (*due > 0) CurrentClock().Sleep(*due);
    return;
  }
  const std::optional<DWORD> timeout = due ? std::optional<DWORD>(DWORD(std::min<UInt64>(*due, 0x7FFFFFFF))) : std::nullopt;
  if (CurrentBackend().HasEventSource()) {
    // The display is polled in short steps so that posts from other threads still wake the loop.
    constexpr DWORD kPollMs = 10;
    const DWORD step = timeout ? std::min(*timeout, kPollMs) : kPollMs;
    if (!CurrentBackend().PumpEvents(step)) MessageQueue::Current().Wait(0);
    return;
  }
  MessageQueue::Current().Wait(timeout);
}

BOOL Get(MSG* out, HWND hwnd, UINT first, UINT last, bool unicode) {
  if (out == nullptr || !ValidFilter(hwnd)) return -1;
  while (!Peek(out, hwnd, first, last, PM_REMOVE, unicode)) WaitForWork();
  return out->message != WM_QUIT;
}

LRESULT Dispatch(const MSG* m, bool unicode) {
  if (m == nullptr) return 0;
  if (m->message == WM_TIMER && m->lParam != 0) {
    reinterpret_cast<TIMERPROC>(m->lParam)(m->hwnd, m->message, m->wParam, GetTickCount());
    return 0;
  }
  Window* w = W(m->hwnd);
  if (w == nullptr) {
    if (m->hwnd != nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (w->thread != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  return CallProc(w->proc, w->unicode, m->hwnd, m->message, m->wParam, m->lParam, unicode);
}

}  // namespace

}  // namespace user

using namespace user;

BOOL GetMessageA(MSG* message, HWND hwnd, UINT first, UINT last) { return Get(message, hwnd, first, last, false); }
BOOL GetMessageW(MSG* message, HWND hwnd, UINT first, UINT last) { return Get(message, hwnd, first, last, true); }

BOOL PeekMessageA(MSG* message, HWND hwnd, UINT first, UINT last, UINT flags) {
  return message != nullptr && ValidFilter(hwnd) && Peek(message, hwnd, first, last, flags, false);
}

BOOL PeekMessageW(MSG* message, HWND hwnd, UINT first, UINT last, UINT flags) {
  return message != nullptr && ValidFilter(hwnd) && Peek(message, hwnd, first, last, flags, true);
}

BOOL WaitMessage() {
  if (!Retrieve(nullptr, 0, 0, false, false)) WaitForWork();
  return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) { return Dispatch(message, false); }
LRESULT DispatchMessageW(const MSG* message) { return Dispatch(message, true); }

BOOL TranslateMessage(const MSG* m) {
  if (m == nullptr) return FALSE;
  if (m->message == WM_KEYUP || m->message == WM_SYSKEYUP) return TRUE;
  if (m->message != WM_KEYDOWN && m->message != WM_SYSKEYDOWN) return FALSE;
  const int vk = int(m->wParam);
  const char16_t ch = RecordedChar(*m).value_or(
      LayoutChar(vk, IsKeyDown(KeyStateKind::Sync, VK_SHIFT), IsKeyDown(KeyStateKind::Sync, VK_CONTROL),
                 IsKeyToggled(KeyStateKind::Sync, VK_CAPITAL)));
  if (ch != 0) PostMessageW(m->hwnd, m->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR, ch, m->lParam);
  return TRUE;
}

DWORD GetMessageTime() { return lastTaken.time; }

DWORD GetMessagePos() { return MAKELONG(WORD(lastTaken.pt.X), WORD(lastTaken.pt.Y)); }

DWORD GetQueueStatus(UINT flags) {
  ProcessSentMessages();
  MessageQueue& queue = MessageQueue::Current();
  DWORD status = 0;
  if (queue.HasPosted()) status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
  if (queue.HasSent()) status |= QS_SENDMESSAGE;
  if (InputQueue::Instance().Size() > 0) status |= QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON;
  if (HasPaintPending()) status |= QS_PAINT;
  if (auto due = MillisecondsToNextTimer(); due && *due == 0) status |= QS_TIMER;
  status &= flags;
  return status << 16 | status;
}
