// Icons and cursors made from bitmaps, and drawing them.  (Reading icon files is the image codecs'
// job; they make icons through CreateIconIndirect.)
//
// DrawIconEx draws the AND mask with SRCAND and the colour image with SRCINVERT (DI_NORMAL), only
// one of them (DI_MASK, DI_IMAGE; the image alone is copied), stretched like COLORONCOLOR to cx x cy
// (0: the icon's size, or the standard 32 x 32 with DI_DEFAULTSIZE).  A 32-bit image with any
// nonzero alpha byte is blended instead, straight alpha per pixel, and its mask is not used.
// DrawIcon draws at the standard size.  A flicker-free brush fills the area first.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr UINT DI_MASK = 0x0001, DI_IMAGE = 0x0002, DI_NORMAL = 0x0003, DI_COMPAT = 0x0004,
                      DI_DEFAULTSIZE = 0x0008, DI_NOMIRROR = 0x0010;

// The standard icon size (the window layer's SM_CXICON and SM_CYICON).
inline constexpr int kStandardIconSize = 32;

HICON CreateIconIndirect(const ICONINFO* info);
// Copies of the icon's bitmaps (the caller deletes them).
BOOL GetIconInfo(HICON icon, ICONINFO* info);
HICON CopyIcon(HICON icon);
BOOL DestroyIcon(HICON icon);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFree, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
