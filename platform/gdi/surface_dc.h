// What the window layer and the backends need from the drawing layer: device contexts on a window
// surface, and the surfaces' pixels for presenting and saving.
//
// A window's drawing goes to its top-level window's surface, a 32-bit bitmap.  A surface context
// draws on such a bitmap with its device (0, 0) at `origin` (the client or window area's corner on
// the surface), limited to `visible` (surface coordinates: the parts of the window not covered by
// children or siblings, and the update region while painting).  The bitmap cannot be deleted while
// a context draws on it.
#pragma once

#include <optional>
#include <string>

#include "platform/gdi/gdi_types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace gdi {

class RegionData;

// A context on `surface` (screen capabilities); nullptr when the bitmap is not valid.
HDC CreateSurfaceDC(HBITMAP surface, TPoint origin);
// Moves the context on its surface and limits it; `visible` null means the whole surface.  The
// clip region and the rest of the state are kept.
BOOL SetSurfaceDCPlacement(HDC dc, TPoint origin, HRGN visible);

// The cairo surface of a 32-bit top-down bitmap (nullptr for other bitmaps), marked dirty so cairo
// sees what the drawing calls changed.  Call cairo_surface_flush before drawing calls touch it
// again after cairo drew on it.
cairo_surface_t* CairoSurfaceOf(HBITMAP bitmap);
// Writes a bitmap as PNG (alpha ignored: opaque pixels); false on any failure.
bool WriteBitmapPng(HBITMAP bitmap, const std::string& path);

}  // namespace gdi
