#include "platform/user/send_message.h"

#include <atomic>
#include <memory>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/hooks.h"
#include "platform/user/message_conversion.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

thread_local int handlingForeignSend = 0;

LRESULT SendInThread(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode, bool fromOtherThread) {
  if (HasHooks(WH_CALLWNDPROC)) {
    CWPSTRUCT cwp{lParam, wParam, message, hwnd};
    CallHooks(WH_CALLWNDPROC, HC_ACTION, fromOtherThread ? 0 : 1, reinterpret_cast<LPARAM>(&cwp));
  }
  // The procedure is fetched only now: a hook may have replaced it for this message.
  Window* w = W(hwnd);
  if (w == nullptr) return 0;
  const LRESULT result = CallProc(w->proc, w->unicode, hwnd, message, wParam, lParam, unicode);
  if (HasHooks(WH_CALLWNDPROCRET)) {
    CWPRETSTRUCT ret{result, lParam, wParam, message, hwnd};
    CallHooks(WH_CALLWNDPROCRET, HC_ACTION, fromOtherThread ? 0 : 1, reinterpret_cast<LPARAM>(&ret));
  }
  return result;
}

struct Reply {
  std::atomic<bool> done{false};
  LRESULT result = 0;
};

LRESULT SendToOtherThread(TThreadID thread, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  std::shared_ptr<MessageQueue> target = MessageQueue::Of(thread);
  if (!target) return 0;
  MessageQueue& self = MessageQueue::Current();
  std::shared_ptr<MessageQueue> selfShared = MessageQueue::Of(self.Thread());
  auto reply = std::make_shared<Reply>();
  target->Send({hwnd, message, wParam, lParam, unicode, [reply, selfShared](LRESULT r) {
                  reply->result = r;
                  reply->done.store(true, std::memory_order_release);
                  if (selfShared) selfShared->Wake();
                }});
  while (!reply->done.load(std::memory_order_acquire)) {
    ProcessSentMessages();
    if (!reply->done.load(std::memory_order_acquire)) self.Wait(std::nullopt);
  }
  return reply->result;
}

LRESULT Broadcast(UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  std::vector<HWND> targets;
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->owner == nullptr) targets.push_back(w->handle);
  for (HWND h : targets) SendFrom(h, message, wParam, lParam, unicode);
  return 1;
}

}  // namespace

LRESULT SendFrom(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  if (hwnd == HWND_BROADCAST) return Broadcast(message, wParam, lParam, unicode);
  const TThreadID thread = WindowTable::Instance().ThreadOf(hwnd);
  if (thread == 0) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (thread != GetCurrentThreadId()) return SendToOtherThread(thread, hwnd, message, wParam, lParam, unicode);
  return SendInThread(hwnd, message, wParam, lParam, unicode, false);
}

LRESULT CallProc(WNDPROC proc, bool procUnicode, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                 bool callerUnicode) {
  if (proc == nullptr) return 0;
  if (procUnicode == callerUnicode) return proc(hwnd, message, wParam, lParam);
  return CallConverted(proc, procUnicode, hwnd, message, wParam, lParam);
}

void ProcessSentMessages() {
  MessageQueue& self = MessageQueue::Current();
  while (auto sent = self.TakeSent()) {
    ++handlingForeignSend;
    LRESULT result = 0;
    if (W(sent->hwnd) != nullptr)
      result = SendInThread(sent->hwnd, sent->message, sent->wParam, sent->lParam, sent->unicode, true);
    --handlingForeignSend;
    if (sent->reply) sent->reply(result);
  }
}

}  // namespace user

using namespace user;

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendFrom(hwnd, message, wParam, lParam, false);
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendFrom(hwnd, message, wParam, lParam, true);
}

static BOOL Notify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  const TThreadID thread = WindowTable::Instance().ThreadOf(hwnd);
  if (hwnd == HWND_BROADCAST || thread == GetCurrentThreadId()) {
    SendFrom(hwnd, message, wParam, lParam, unicode);
    return TRUE;
  }
  std::shared_ptr<MessageQueue> target = thread ? MessageQueue::Of(thread) : nullptr;
  if (!target) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  target->Send({hwnd, message, wParam, lParam, unicode, {}});
  return TRUE;
}

BOOL SendNotifyMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Notify(hwnd, message, wParam, lParam, false);
}

BOOL SendNotifyMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Notify(hwnd, message, wParam, lParam, true);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const ResolvedProc target = ResolveProc(proc, false);
  return CallProc(target.proc, target.unicode, hwnd, message, wParam, lParam, false);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const ResolvedProc target = ResolveProc(proc, true);
  return CallProc(target.proc, target.unicode, hwnd, message, wParam, lParam, true);
}

BOOL InSendMessage() { return handlingForeignSend > 0; }
