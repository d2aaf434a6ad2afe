// Window hooks: per-thread chains of hook procedures that see messages before the windows do.
//
// A chain for one hook kind holds the hooks installed for the calling thread (newest first),
// followed by the hooks installed for every thread (thread id 0, newest first).  Calling a chain
// runs its first procedure; a procedure passes on with CallNextHookEx.  Hooks may be installed,
// removed and re-entered (a hook that sends a message runs the hooks again) at any time: a hook
// removed while its chain runs is skipped from then on, and CallNextHookEx from inside a removed
// hook still reaches the rest of the chain.  The points where the window layer calls each kind
// are listed in docs/platform-user-messages.md.
#pragma once

#include "platform/user/user_types.h"

inline constexpr int WH_MSGFILTER = -1, WH_JOURNALRECORD = 0, WH_JOURNALPLAYBACK = 1, WH_KEYBOARD = 2,
                     WH_GETMESSAGE = 3, WH_CALLWNDPROC = 4, WH_CBT = 5, WH_SYSMSGFILTER = 6, WH_MOUSE = 7,
                     WH_DEBUG = 9, WH_SHELL = 10, WH_FOREGROUNDIDLE = 11, WH_CALLWNDPROCRET = 12,
                     WH_KEYBOARD_LL = 13, WH_MOUSE_LL = 14;
inline constexpr int HC_ACTION = 0, HC_GETNEXT = 1, HC_SKIP = 2, HC_NOREMOVE = 3, HC_SYSMODALON = 4,
                     HC_SYSMODALOFF = 5;
inline constexpr int HCBT_MOVESIZE = 0, HCBT_MINMAX = 1, HCBT_QS = 2, HCBT_CREATEWND = 3,
                     HCBT_DESTROYWND = 4, HCBT_ACTIVATE = 5, HCBT_CLICKSKIPPED = 6, HCBT_KEYSKIPPED = 7,
                     HCBT_SYSCOMMAND = 8, HCBT_SETFOCUS = 9;
inline constexpr int MSGF_DIALOGBOX = 0, MSGF_MESSAGEBOX = 1, MSGF_MENU = 2, MSGF_SCROLLBAR = 5,
                     MSGF_NEXTWINDOW = 6;

// `threadId` 0 installs for every thread; otherwise it must be the calling thread (hooks of other
// threads are refused with ERROR_INVALID_PARAMETER).  `module` is ignored.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
HHOOK SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
// Runs the WH_MSGFILTER hooks (a modal loop's own message filter); nonzero when one handled it.
BOOL CallMsgFilterA(MSG* message, int code);
BOOL CallMsgFilterW(MSG* message, int code);

namespace user {

// Runs the calling thread's chain for `idHook`; 0 when no hook is installed.
LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam);
bool HasHooks(int idHook);

}  // namespace user
