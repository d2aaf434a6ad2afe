// Taking messages: GetMessage, PeekMessage, WaitMessage, DispatchMessage, TranslateMessage.
//
// Priority when a thread looks for a message: first every message other threads sent it is
// handled; then posted messages (in order), then WM_QUIT once none is left, then input (mouse and
// keyboard, input_processing.h), then WM_PAINT for a window with something to paint, and last
// WM_TIMER for a due timer.  The WH_GETMESSAGE hooks see every message about to be returned,
// with PM_REMOVE or PM_NOREMOVE in wParam, and may change it (WM_NULL makes it harmless).
// Waiting for a timer with a fake clock installed advances that clock instead of sleeping, so a
// loop that waits for a timer finishes at once in tests.
#pragma once

#include "platform/user/user_types.h"

// 0 on WM_QUIT, -1 on an invalid window filter, else nonzero.
BOOL GetMessageA(MSG* message, HWND hwnd, UINT first, UINT last);
BOOL GetMessageW(MSG* message, HWND hwnd, UINT first, UINT last);
inline BOOL GetMessage(MSG* message, HWND hwnd, UINT first, UINT last) {
  return GetMessageA(message, hwnd, first, last);
}
BOOL PeekMessageA(MSG* message, HWND hwnd, UINT first, UINT last, UINT flags);
BOOL PeekMessageW(MSG* message, HWND hwnd, UINT first, UINT last, UINT flags);
inline BOOL PeekMessage(MSG* message, HWND hwnd, UINT first, UINT last, UINT flags) {
  return PeekMessageA(message, hwnd, first, last, flags);
}
// Waits until a message arrives that was not there when the thread last looked.
BOOL WaitMessage();
LRESULT DispatchMessageA(const MSG* message);
LRESULT DispatchMessageW(const MSG* message);
inline LRESULT DispatchMessage(const MSG* message) { return DispatchMessageA(message); }
// Posts WM_CHAR / WM_SYSCHAR for a key press; nonzero for every key message.
BOOL TranslateMessage(const MSG* message);
DWORD GetMessageTime();
DWORD GetMessagePos();
// The QS_ bits of what waits for the thread (high word: new since the last call; low word: all).
DWORD GetQueueStatus(UINT flags);
