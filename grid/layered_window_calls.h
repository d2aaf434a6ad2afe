// The grid's two calls of the layered-window functions, which older systems lack: each looks its
// function up by name in "USER32.DLL" (platform/shims/library_registry.h) at every call and answers
// whether it succeeded, or true, doing nothing, when the library or the function is not there.
#pragma once

#include "platform/user/layered_window.h"

bool CallUpdateLayeredWindow(HWND hwnd, HDC screenDc, const TPoint* position, const TSize* size, HDC source,
                             const TPoint* sourcePoint, COLORREF key, const BLENDFUNCTION* blend, DWORD flags);
bool CallSetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
