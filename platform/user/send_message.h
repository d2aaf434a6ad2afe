// Sending messages: SendMessage (synchronous, re-entrant, also across threads), SendNotifyMessage,
// CallWindowProc and InSendMessage.
//
// A message sent to a window of the calling thread runs the WH_CALLWNDPROC hooks, then fetches the
// window procedure (so a hook that swaps GWLP_WNDPROC decides who gets the message), calls it, and
// runs the WH_CALLWNDPROCRET hooks.  A message sent to a window of another thread waits in that
// thread's queue until it takes its messages; the sender handles messages sent to itself while it
// waits, so two threads sending to each other do not dead-lock.  HWND_BROADCAST sends to every
// top-level window that has no owner.
#pragma once

#include "platform/user/user_types.h"

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(hwnd, message, wParam, lParam);
}
// Like SendMessage on the window's own thread; returns at once for windows of other threads.
BOOL SendNotifyMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SendNotifyMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(proc, hwnd, message, wParam, lParam);
}
// True while the calling thread handles a message sent from another thread.
BOOL InSendMessage();

namespace user {

// Sends as the 8-bit (unicode false) or wide form does.
LRESULT SendFrom(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool unicode);
// Calls a window procedure of the 8-bit or wide kind on behalf of a caller of either kind,
// converting text-carrying messages between the two.
LRESULT CallProc(WNDPROC proc, bool procUnicode, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                 bool callerUnicode);
// Handles every message other threads have sent to the calling thread.
void ProcessSentMessages();

}  // namespace user
