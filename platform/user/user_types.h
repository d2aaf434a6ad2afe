// Handle types, message parameter types and the records that the window layer's calls exchange.
//
// Window handles are opaque typed values issued by the window table (never dereferenced); their
// numeric value fits in 31 bits, so code that keeps a handle in a 32-bit field loses nothing.
// WPARAM, LPARAM and LRESULT are pointer-sized, so a pointer travels in a message parameter.
// The records keep the field names and order of the platform's calls; the packing helpers
// (MAKELPARAM, GET_X_LPARAM, ...) keep its bit layouts, which private messages rely on.
#pragma once

#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/gdi_types.h"

struct HWND__;
struct HMENU__;
struct HINSTANCE__;
struct HHOOK__;
struct HMONITOR__;
using HWND = HWND__*;
using HMENU = HMENU__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HHOOK = HHOOK__*;
using HMONITOR = HMONITOR__*;
using HANDLE = void*;
using HGLOBAL = HANDLE;
using ATOM = std::uint16_t;

inline constexpr BOOL FALSE = 0, TRUE = 1;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int code, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT message, UINT_PTR id, DWORD time);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

inline constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
inline constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
inline constexpr BYTE LOBYTE(std::uintptr_t v) { return BYTE(v & 0xFF); }
inline constexpr DWORD MAKELONG(WORD lo, WORD hi) { return DWORD(lo) | DWORD(hi) << 16; }
// Coordinates travel as two signed 16-bit halves of the low 32 bits.
inline constexpr LPARAM MAKELPARAM(int lo, int hi) { return LPARAM(std::int32_t(MAKELONG(WORD(lo), WORD(hi)))); }
inline constexpr WPARAM MAKEWPARAM(int lo, int hi) { return WPARAM(MAKELONG(WORD(lo), WORD(hi))); }
inline constexpr LRESULT MAKELRESULT(int lo, int hi) { return LRESULT(std::int32_t(MAKELONG(WORD(lo), WORD(hi)))); }
inline constexpr int GET_X_LPARAM(LPARAM lp) { return std::int16_t(LOWORD(std::uintptr_t(lp))); }
inline constexpr int GET_Y_LPARAM(LPARAM lp) { return std::int16_t(HIWORD(std::uintptr_t(lp))); }
inline constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return std::int16_t(HIWORD(wp)); }
inline constexpr WORD GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;     // the tick count when the message was posted or the input happened
  TPoint pt;      // the cursor position then, screen coordinates
};

struct WNDCLASSEXA {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  const char* lpszMenuName;
  const char* lpszClassName;   // or an atom in the low word (MAKEINTATOM)
  HICON hIconSm;
};

struct WNDCLASSEXW {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  const char16_t* lpszMenuName;
  const char16_t* lpszClassName;
  HICON hIconSm;
};

struct CREATESTRUCTA {
  void* lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  const char* lpszName;
  const char* lpszClass;
  DWORD dwExStyle;
};

struct CREATESTRUCTW {
  void* lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  const char16_t* lpszName;
  const char16_t* lpszClass;
  DWORD dwExStyle;
};

struct WINDOWPOS {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x;
  int y;
  int cx;
  int cy;
  UINT flags;
};

struct NCCALCSIZE_PARAMS {
  TRect rgrc[3];   // in: new window rect, old window rect, old client rect; out: new client rect first
  WINDOWPOS* lppos;
};

struct MINMAXINFO {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

struct STYLESTRUCT {
  DWORD styleOld;
  DWORD styleNew;
};

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  TRect rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};

struct CWPSTRUCT {
  LPARAM lParam;
  WPARAM wParam;
  UINT message;
  HWND hwnd;
};

struct CWPRETSTRUCT {
  LRESULT lResult;
  LPARAM lParam;
  WPARAM wParam;
  UINT message;
  HWND hwnd;
};

struct MOUSEHOOKSTRUCT {
  TPoint pt;
  HWND hwnd;
  UINT wHitTestCode;
  ULONG_PTR dwExtraInfo;
};

struct CBT_CREATEWNDA {
  CREATESTRUCTA* lpcs;
  HWND hwndInsertAfter;
};

struct CBTACTIVATESTRUCT {
  BOOL fMouse;
  HWND hWndActive;
};

struct TRACKMOUSEEVENT {
  DWORD cbSize;
  DWORD dwFlags;
  HWND hwndTrack;
  DWORD dwHoverTime;
};

// An atom given in place of a class name travels in the low word of the pointer.
inline bool IS_INTRESOURCE(const void* p) { return (std::uintptr_t(p) >> 16) == 0; }
inline const char* MAKEINTATOM(ATOM a) { return reinterpret_cast<const char*>(std::uintptr_t(a)); }
