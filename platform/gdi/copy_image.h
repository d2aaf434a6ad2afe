// CopyImage of bitmaps: a new bitmap holding the picture, at its own size or stretched to another.
//
// The copy is a DIB section with LR_CREATEDIBSECTION (the source's depth, colour table and bit
// fields; a device bitmap becomes a 32-bit DIB section, a monochrome one a 1-bit section with a
// black-and-white table), else a bitmap of the source's kind (a DIB section stays one, a device
// bitmap stays a device bitmap).  LR_MONOCHROME makes a monochrome device bitmap instead.  A
// requested width or height of 0 keeps the source's; another size stretches the picture the way
// COLORONCOLOR does.  32-bit pixels keep their alpha byte.  LR_COPYDELETEORG deletes the source
// once the copy exists.  Only IMAGE_BITMAP is copied here; other kinds, a handle that is not a
// bitmap and a failed allocation answer null.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr UINT IMAGE_BITMAP = 0, IMAGE_ICON = 1, IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x0000, LR_MONOCHROME = 0x0001, LR_COPYDELETEORG = 0x0008,
                      LR_CREATEDIBSECTION = 0x2000;

// The image handle goes in and out as a drawing object handle (the platform's HANDLE).
HGDIOBJ CopyImage(HGDIOBJ image, UINT type, int cx, int cy, UINT flags);
