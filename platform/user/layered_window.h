// Layered windows (WS_EX_LAYERED): SetLayeredWindowAttributes / GetLayeredWindowAttributes and
// UpdateLayeredWindow.  The window's surface is composed in process over what lies behind it:
// with LWA_COLORKEY the pixels of the key colour are transparent, with LWA_ALPHA every pixel is
// mixed with the constant alpha (result = (src * a + dst * (255 - a) + 127) / 255 per channel).
// UpdateLayeredWindow copies the given DC's pixels into the window's surface and may move and
// size the window.  Backends show the composition where the display allows (docs/platform-user.md).
#pragma once

#include "platform/user/user_types.h"

inline constexpr DWORD LWA_COLORKEY = 0x00000001, LWA_ALPHA = 0x00000002;
inline constexpr DWORD ULW_COLORKEY = 0x00000001, ULW_ALPHA = 0x00000002, ULW_OPAQUE = 0x00000004;

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
BOOL UpdateLayeredWindow(HWND hwnd, HDC screenDc, const TPoint* position, const TSize* size, HDC source,
                         const TPoint* sourcePoint, COLORREF key, const BLENDFUNCTION* blend, DWORD flags);

namespace user {

// A window pixel composed over `behind` as the layered attributes say (the pixel itself for
// windows that are not layered).
COLORREF ComposePixel(HWND hwnd, COLORREF pixel, COLORREF behind);

}  // namespace user
