// The input-method calls the system makes when a composition ends: ImmGetContext,
// ImmGetCompositionStringW and ImmReleaseContext.
//
// The display composes text itself and delivers what was composed as WM_CHAR
// (docs/platform-user-sdl.md), so no composition is ever in progress here.  Each window has one
// input context for its whole life; the context holds the result string of the window's last
// finished composition, which only SetImeResultString sets (tests use it to play a window's
// WM_IME_COMPOSITION path).  Interface thread only.
#pragma once

#include <string>

#include "platform/user/user_types.h"

struct HIMC__;
using HIMC = HIMC__*;

// What ImmGetCompositionStringW is asked for (GCS_ flags of WM_IME_COMPOSITION's lParam).
inline constexpr DWORD GCS_COMPREADSTR = 0x0001, GCS_COMPREADATTR = 0x0002, GCS_COMPREADCLAUSE = 0x0004,
                       GCS_COMPSTR = 0x0008, GCS_COMPATTR = 0x0010, GCS_COMPCLAUSE = 0x0020,
                       GCS_CURSORPOS = 0x0080, GCS_DELTASTART = 0x0100, GCS_RESULTREADSTR = 0x0200,
                       GCS_RESULTREADCLAUSE = 0x0400, GCS_RESULTSTR = 0x0800, GCS_RESULTCLAUSE = 0x1000;
inline constexpr LONG IMM_ERROR_NODATA = -1, IMM_ERROR_GENERAL = -2;

// The window's input context, null for what is not a window.
HIMC ImmGetContext(HWND hwnd);
// TRUE when `context` is the window's input context.
BOOL ImmReleaseContext(HWND hwnd, HIMC context);
// GCS_RESULTSTR: the result string's size in bytes when `bufferBytes` is 0, else as many whole
// UTF-16 units of it as fit copied to `buffer` (no terminator) and their size in bytes.  Every
// other part of a composition is empty (0).  IMM_ERROR_GENERAL for a context whose window is gone.
LONG ImmGetCompositionStringW(HIMC context, DWORD index, void* buffer, DWORD bufferBytes);

namespace ime {

// The result string the window's context answers from now on (empty: none).  False for what is not
// a window.
bool SetImeResultString(HWND hwnd, std::u16string text);

}  // namespace ime
