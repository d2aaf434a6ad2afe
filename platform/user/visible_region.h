// Where a window shows on its top-level window's surface: its client (or whole window) area,
// clipped by every ancestor's client area, by window regions, by the siblings above it when it or
// an ancestor has WS_CLIPSIBLINGS, and by its own visible children when it has WS_CLIPCHILDREN
// (or the caller asks for it).  Coordinates are the surface's (the top-level window's window
// coordinates).
#pragma once

#include "platform/gdi/region_data.h"
#include "platform/user/window.h"

namespace user {

struct VisibleRequest {
  bool windowArea = false;     // the whole window, not only the client area
  bool clipChildren = false;   // also without WS_CLIPCHILDREN
  bool clipSiblings = false;   // also without WS_CLIPSIBLINGS
};

gdi::RegionData VisibleRegion(const Window* w, VisibleRequest request);
// The window's (or client area's) corner on its top-level window's surface.
TPoint SurfaceOrigin(const Window* w, bool windowArea);

}  // namespace user
