// Creating and destroying windows and walking the tree: CreateWindowEx, DestroyWindow, SetParent,
// GetParent, GetWindow, GetAncestor, IsChild, IsWindow, EnumWindows, EnumChildWindows,
// EnumThreadWindows, GetDesktopWindow, GetTopWindow, FindWindow.
//
// docs/platform-user-messages.md lists the messages creation and destruction send, in order.
// SetParent keeps the window's identity (handle, procedure, data, children): a child moved to the
// desktop becomes a top-level window that keeps its WS_CHILD style and therefore never activates.
#pragma once

#include "platform/user/user_types.h"

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
inline HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);
HWND GetDesktopWindow();
HWND GetParent(HWND hwnd);          // the parent of a child, the owner of a top-level window
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT command);
HWND GetTopWindow(HWND hwnd);
HWND GetNextWindow(HWND hwnd, UINT command);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam);
HWND FindWindowA(const char* className, const char* windowName);
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);
