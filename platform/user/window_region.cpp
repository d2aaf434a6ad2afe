#include "platform/user/window_region.h"

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"
#include "platform/user/painting.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace {
constexpr int kError = 0;   // ERROR
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  user::Window* w = user::W(hwnd);
  if (w == nullptr) return kError;
  const gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region);
  if (region != nullptr && r == nullptr) return kError;
  if (r != nullptr) {
    w->windowRegion = std::make_unique<gdi::RegionData>(r->Data());
    DeleteObject(region);
  } else {
    w->windowRegion.reset();
  }
  // What the window covered before may show its parent now; the window repaints in its new shape.
  if (redraw && user::IsShownOnScreen(w))
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  user::Window* w = user::W(hwnd);
  gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region);
  if (w == nullptr || r == nullptr || w->windowRegion == nullptr) return kError;
  r->Data() = *w->windowRegion;
  return r->Data().Complexity();
}
