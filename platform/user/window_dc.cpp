#include "platform/user/window_dc.h"

#include <mutex>
#include <unordered_map>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/surface_dc.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"
#include "platform/user/backend.h"
#include "platform/user/visible_region.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_surface.h"
#include "platform/user/window_table.h"
#include "platform/user/window_tree.h"

namespace user {

namespace {

struct OpenDC {
  HWND hwnd;
  HWND topLevel;
  TRect area;   // what the DC may touch, surface coordinates
};

std::unordered_map<HDC, OpenDC>& OpenDCs() {
  thread_local std::unordered_map<HDC, OpenDC> open;
  return open;
}

WindowSurface& EnsureSurface(Window* top) {
  if (top->surface == nullptr)
    top->surface = std::make_unique<WindowSurface>(top->rect.Width(), top->rect.Height());
  else
    top->surface->Resize(top->rect.Width(), top->rect.Height());
  return *top->surface;
}

std::optional<gdi::RegionData> RegionArg(HRGN region) {
  const gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region);
  if (r == nullptr) return std::nullopt;
  return r->Data();
}

}  // namespace

HDC MakeWindowDC(HWND hwnd, bool windowArea, bool clipChildren, bool clipSiblings,
                 const std::optional<gdi::RegionData>& clip) {
  Window* w = W(hwnd);
  if (w == nullptr || w->parent == nullptr) return nullptr;
  Window* top = TopLevelOf(w);
  WindowSurface& surface = EnsureSurface(top);
  gdi::RegionData visible = VisibleRegion(w, {windowArea, clipChildren, clipSiblings});
  if (clip) visible = visible.Intersect(*clip);
  const TPoint origin = SurfaceOrigin(w, windowArea);
  HDC handle = gdi::CreateSurfaceDC(surface.Bitmap(), origin);
  if (handle == nullptr) return nullptr;
  HRGN region = gdi::AddObject<HRGN>(std::make_unique<gdi::RegionObject>(visible));
  gdi::SetSurfaceDCPlacement(handle, origin, region);
  DeleteObject(region);
  OpenDCs()[handle] = {hwnd, top->handle, visible.Box()};
  return handle;
}

void EndWindowDC(HDC dc) {
  auto& open = OpenDCs();
  auto it = open.find(dc);
  if (it == open.end()) return;
  const OpenDC entry = it->second;
  open.erase(it);
  DeleteDC(dc);
  if (W(entry.topLevel) != nullptr && !IsRectEmpty(&entry.area)) CurrentBackend().Present(entry.topLevel, entry.area);
}

}  // namespace user

using namespace user;

HDC GetDC(HWND hwnd) {
  if (hwnd == nullptr) return CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  return GetDCEx(hwnd, nullptr, DCX_CACHE);
}

HDC GetDCEx(HWND hwnd, HRGN region, DWORD flags) {
  // The desktop shows nothing of the program's: its context is the display's, for measuring.
  if (hwnd == nullptr || hwnd == GetDesktopWindow()) return GetDC(nullptr);
  Window* w = W(hwnd);
  if (w == nullptr) return nullptr;
  std::optional<gdi::RegionData> clip;
  const TPoint origin = SurfaceOrigin(w, false);
  if (flags & DCX_INTERSECTUPDATE) clip = w->update.Offsetted(origin.X, origin.Y);
  if (auto r = RegionArg(region); r && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    // The region is in the window's (DCX_WINDOW) or client coordinates.
    const TPoint o = SurfaceOrigin(w, (flags & DCX_WINDOW) != 0);
    const gdi::RegionData shifted = r->Offsetted(o.X, o.Y);
    if (flags & DCX_INTERSECTRGN) clip = clip ? clip->Intersect(shifted) : shifted;
    else clip = (clip ? *clip : gdi::RegionData(Rect(-(1 << 26), -(1 << 26), 1 << 26, 1 << 26))).Subtract(shifted);
  }
  if ((flags & DCX_VALIDATE) && (flags & DCX_INTERSECTUPDATE)) w->update = {};
  return MakeWindowDC(hwnd, (flags & DCX_WINDOW) != 0, (flags & DCX_CLIPCHILDREN) != 0,
                      (flags & DCX_CLIPSIBLINGS) != 0, clip);
}

HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_CACHE); }

int ReleaseDC(HWND, HDC dc) {
  if (OpenDCs().count(dc) != 0) {
    EndWindowDC(dc);
    return 1;
  }
  return DeleteDC(dc) ? 1 : 0;
}

HWND WindowFromDC(HDC dc) {
  auto it = OpenDCs().find(dc);
  return it == OpenDCs().end() ? nullptr : it->second.hwnd;
}
