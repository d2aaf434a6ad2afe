#include "platform/user/visible_region.h"

#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"

namespace user {

namespace {

TRect Moved(TRect r, TPoint by) {
  OffsetRect(&r, by.X, by.Y);
  return r;
}

// `w`'s client-area corner on the surface whose corner is `topOrigin` on the screen.
TPoint SurfaceClientOrigin(const Window* w, TPoint topOrigin) {
  const TPoint o = ClientOrigin(w);
  return {o.X - topOrigin.X, o.Y - topOrigin.Y};
}

// `region` cut to `w`'s shape: its rectangle, and its window region when it has one.
// `parentClient` is the surface position of the client area of w's parent.
void IntersectShape(gdi::RegionData& region, const Window* w, TPoint parentClient) {
  const TRect r = Moved(w->rect, parentClient);
  region = region.Intersect(r);
  if (w->windowRegion != nullptr) region = region.Intersect(w->windowRegion->Offsetted(r.Left, r.Top));
}

// `region` less `w`'s shape when w is visible.  A window whose rectangle misses the region
// (most siblings and children of a crowded parent) changes nothing and costs no region work.
void SubtractShape(gdi::RegionData& region, const Window* w, TPoint parentClient) {
  if (!w->IsVisibleFlag()) return;
  const TRect r = Moved(w->rect, parentClient);
  if (!region.Intersects(r)) return;
  gdi::RegionData shape(r);
  if (w->windowRegion != nullptr) shape = shape.Intersect(w->windowRegion->Offsetted(r.Left, r.Top));
  region = region.Subtract(shape);
}

void SubtractSiblingsAbove(gdi::RegionData& region, const Window* w, TPoint parentClient) {
  for (const Window* s : w->parent->children) {
    if (s == w) break;
    SubtractShape(region, s, parentClient);
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
  TPoint parentClient = SurfaceClientOrigin(w->parent, topOrigin);
  const TPoint ownClient{parentClient.X + w->client.Left, parentClient.Y + w->client.Top};
  gdi::RegionData region(Moved(w->rect, parentClient));
  if (w->windowRegion != nullptr) IntersectShape(region, w, parentClient);
  if (!request.windowArea) region = region.Intersect(Moved(w->client, parentClient));
  for (const Window* a = w; a != top && !region.IsEmpty(); a = a->parent) {
    const Window* p = a->parent;
    const TPoint grandClient = SurfaceClientOrigin(p->parent, topOrigin);
    region = region.Intersect(Moved(p->client, grandClient));
    if (p != top || p->windowRegion != nullptr) IntersectShape(region, p, grandClient);
    if ((a->style & WS_CLIPSIBLINGS) || (a == w && request.clipSiblings)) SubtractSiblingsAbove(region, a, parentClient);
    parentClient = grandClient;
  }
  if ((w->style & WS_CLIPCHILDREN) || request.clipChildren)
    for (const Window* c : w->children) {
      if (region.IsEmpty()) break;
      SubtractShape(region, c, ownClient);
    }
  return region;
}

}  // namespace user
