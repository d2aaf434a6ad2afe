#include "platform/user/post_message.h"

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/user/input_state.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

bool PostTo(TThreadID thread, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  std::shared_ptr<MessageQueue> queue = thread ? MessageQueue::Of(thread) : nullptr;
  if (!queue) return false;
  queue->Post({hwnd, message, wParam, lParam, GetTickCount(), CursorPosition()}, unicode);
  return true;
}

BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  if (hwnd == nullptr) return PostTo(GetCurrentThreadId(), nullptr, message, wParam, lParam, unicode);
  if (hwnd == HWND_BROADCAST) {
    for (Window* w : WindowTable::Instance().Desktop()->children)
      if (w->owner == nullptr) PostTo(w->thread, w->handle, message, wParam, lParam, unicode);
    return TRUE;
  }
  if (!PostTo(WindowTable::Instance().ThreadOf(hwnd), hwnd, message, wParam, lParam, unicode)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return TRUE;
}

BOOL PostThread(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam, bool unicode) {
  if (!PostTo(threadId, nullptr, message, wParam, lParam, unicode)) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

}  // namespace user

using namespace user;

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Post(hwnd, message, wParam, lParam, false);
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Post(hwnd, message, wParam, lParam, true);
}

BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostThread(threadId, message, wParam, lParam, false);
}

BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostThread(threadId, message, wParam, lParam, true);
}

void PostQuitMessage(int exitCode) { MessageQueue::Current().PostQuit(exitCode); }
