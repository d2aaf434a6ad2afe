#include "platform/user/visible_region.h"

#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"

namespace user {

namespace {

// A window's shape in its top-level window's surface coordinates.
gdi::RegionData Shape(const Window* w, TPoint topOrigin) {
  const TRect r = ScreenRect(w);
  gdi::RegionData shape(Bounds(r.Left - topOrigin.X, r.Top - topOrigin.Y, r.Width(), r.Height()));
  if (w->windowRegion != nullptr)
    shape = shape.Intersect(w->windowRegion->Offsetted(r.Left - topOrigin.X, r.Top - topOrigin.Y));
  return shape;
}

gdi::RegionData ClientArea(const Window* w, TPoint topOrigin) {
  const TRect c = ScreenClientRect(w);
  return gdi::RegionData(Bounds(c.Left - topOrigin.X, c.Top - topOrigin.Y, c.Width(), c.Height()));
}

void SubtractSiblingsAbove(gdi::RegionData& region, const Window* w, TPoint topOrigin) {
  for (const Window* s : w->parent->children) {
    if (s == w) break;
    if (s->IsVisibleFlag()) region = region.Subtract(Shape(s, topOrigin));
  }
}

}  // namespace

TPoint SurfaceOrigin(const Window* w, bool windowArea) {
  const TPoint top = WindowOrigin(TopLevelOf(const_cast<Window*>(w)));
  const TPoint o = windowArea ? WindowOrigin(w) : ClientOrigin(w);
  return {o.X - top.X, o.Y - top.Y};
}

gdi::RegionData VisibleRegion(const Window* w, VisibleRequest request) {
  const Window* top = TopLevelOf(const_cast<Window*>(w));
  const TPoint topOrigin = WindowOrigin(top);
  gdi::RegionData region = Shape(w, topOrigin);
  if (!request.windowArea) region = region.Intersect(ClientArea(w, topOrigin));
  for (const Window* a = w; a != top; a = a->parent) {
    region = region.Intersect(ClientArea(a->parent, topOrigin));
    if (a->parent != top || a->parent->windowRegion != nullptr) region = region.Intersect(Shape(a->parent, topOrigin));
    if ((a->style & WS_CLIPSIBLINGS) || (a == w && request.clipSiblings)) SubtractSiblingsAbove(region, a, topOrigin);
  }
  if ((w->style & WS_CLIPCHILDREN) || request.clipChildren)
    for (const Window* c : w->children)
      if (c->IsVisibleFlag()) region = region.Subtract(Shape(c, topOrigin));
  return region;
}

}  // namespace user
