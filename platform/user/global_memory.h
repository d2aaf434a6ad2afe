// Global memory handles (GlobalAlloc / GlobalLock / GlobalUnlock / GlobalSize / GlobalFree), the
// blocks the clipboard and drag and drop pass around.
//
// Every block, fixed or moveable, is known by a handle of this table (never a raw pointer), so a
// freed or foreign handle is refused.  A block's bytes never move while it lives: GlobalLock
// returns the same address each time and counts locks; GlobalFree frees whatever the lock count.
// Thread-safe.
#pragma once

#include <cstddef>

#include "platform/user/user_types.h"

inline constexpr UINT GMEM_FIXED = 0x0000, GMEM_MOVEABLE = 0x0002, GMEM_ZEROINIT = 0x0040, GMEM_SHARE = 0x2000,
                      GMEM_DDESHARE = 0x2000, GHND = GMEM_MOVEABLE | GMEM_ZEROINIT, GPTR = GMEM_FIXED | GMEM_ZEROINIT;

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
std::size_t GlobalSize(HGLOBAL memory);
// nullptr on success, the handle itself when it was not a live block.
HGLOBAL GlobalFree(HGLOBAL memory);
