// Posting messages: PostMessage, PostThreadMessage and PostQuitMessage.  Any thread may post; the
// message waits in the queue of the thread that owns the window (or of the named thread) and
// comes out of its GetMessage / PeekMessage in the order posted.  Posting to HWND_BROADCAST posts
// to every top-level window that has no owner.
#pragma once

#include "platform/user/user_types.h"

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(hwnd, message, wParam, lParam);
}
BOOL PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
// Asks the calling thread's message loop to end: GetMessage returns 0 with WM_QUIT once the posted
// messages before it are taken.  (Broadcasting reads the window tree, so it is done from the
// interface thread.)
void PostQuitMessage(int exitCode);
