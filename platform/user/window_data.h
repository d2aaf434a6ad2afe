// What a window carries: GetWindowLongPtr / SetWindowLongPtr (procedure, styles, id, user data,
// parent or owner, extra bytes), window text, window properties and IsWindowUnicode.
//
// Swapping GWLP_WNDPROC is how windows are subclassed: the value returned is the previous
// procedure, which the new one passes messages on to with CallWindowProc.  Reading the procedure
// of a window of the other text kind gives a procedure handle (message_conversion.h).  The 32-bit
// named forms (GetWindowLongA, SetWindowLongA, ...) are pointer-sized here so that code written
// for a 32-bit platform, which stores procedures through them, keeps working.
// Changing GWL_STYLE or GWL_EXSTYLE sends WM_STYLECHANGING and WM_STYLECHANGED around the change.
#pragma once

#include "platform/user/user_types.h"

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongA(HWND hwnd, int index) { return GetWindowLongPtrA(hwnd, index); }
inline LONG_PTR GetWindowLongW(HWND hwnd, int index) { return GetWindowLongPtrW(hwnd, index); }
inline LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrA(hwnd, index, value); }
inline LONG_PTR SetWindowLongW(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrW(hwnd, index, value); }
inline LONG_PTR GetWindowLong(HWND hwnd, int index) { return GetWindowLongPtrA(hwnd, index); }
inline LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrA(hwnd, index, value); }
BOOL IsWindowUnicode(HWND hwnd);

BOOL SetWindowTextA(HWND hwnd, const char* text);
BOOL SetWindowTextW(HWND hwnd, const char16_t* text);
int GetWindowTextA(HWND hwnd, char* buffer, int size);
int GetWindowTextW(HWND hwnd, char16_t* buffer, int size);
int GetWindowTextLengthA(HWND hwnd);
int GetWindowTextLengthW(HWND hwnd);

// Property names are compared without regard to ASCII case; an atom may stand for the name.
BOOL SetPropA(HWND hwnd, const char* name, HANDLE value);
HANDLE GetPropA(HWND hwnd, const char* name);
HANDLE RemovePropA(HWND hwnd, const char* name);
BOOL SetPropW(HWND hwnd, const char16_t* name, HANDLE value);
HANDLE GetPropW(HWND hwnd, const char16_t* name);
HANDLE RemovePropW(HWND hwnd, const char16_t* name);
