// Calls between 8-bit and wide window procedures: the text a message carries is converted between
// code page 874 and UTF-16 on the way in and (for WM_GETTEXT) on the way out.
//
// Converted messages: WM_SETTEXT, WM_SETTINGCHANGE (the section name), WM_GETTEXT,
// WM_GETTEXTLENGTH, WM_NCCREATE and WM_CREATE (the names in CREATESTRUCT), WM_CHAR, WM_SYSCHAR,
// WM_DEADCHAR, WM_SYSDEADCHAR, WM_IME_CHAR and WM_MENUCHAR (one character: code page 874 is a
// single-byte code page, so one byte is one character both ways; a character the code page lacks
// becomes '?').  Every other message passes unchanged.
//
// Procedure handles: reading the procedure of a window of the other kind (GetWindowLongPtrA of a
// wide window, GetWindowLongPtrW of an 8-bit one) gives a handle, not a callable address; the
// window layer's CallWindowProc and SetWindowLongPtr recognise it and reach the procedure with the
// right conversion.  A handle stays valid for the life of the process.
#pragma once

#include "platform/user/user_types.h"

namespace user {

// Calls `proc` (of the kind `procUnicode`) for a caller of the other kind.
LRESULT CallConverted(WNDPROC proc, bool procUnicode, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A character message's wParam in the other text kind (other messages: unchanged).
WPARAM ConvertCharParam(UINT message, WPARAM wParam, bool toUnicode);

// The value a caller of kind `callerUnicode` reads for a procedure of kind `procUnicode`.
WNDPROC ProcValueFor(WNDPROC proc, bool procUnicode, bool callerUnicode);
// Resolves a value read by ProcValueFor (or a plain procedure of the caller's kind).
struct ResolvedProc {
  WNDPROC proc;
  bool unicode;
};
ResolvedProc ResolveProc(WNDPROC value, bool callerUnicode);

}  // namespace user
