// The platform's message box: MessageBoxA / MessageBoxW show a modal dialog with the text, the
// caption, an icon and a set of buttons chosen by the MB_ flags, and answer the ID of the button
// pressed (IDOK ...).  The dialog is one of the program's own forms, so it runs the application's
// modal loop and test drivers see it like any modal form.
#pragma once

#include "platform/user/user_types.h"

inline constexpr UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                      MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
                      MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40,
                      MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0;
inline constexpr UINT MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00;
inline constexpr UINT MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000,
                      MB_SETFOREGROUND = 0x10000, MB_TOPMOST = 0x40000, MB_RIGHT = 0x80000,
                      MB_RTLREADING = 0x100000;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
int MessageBoxW(HWND owner, const char16_t* text, const char16_t* caption, UINT type);
