#include "platform/user/painting.h"

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/region_object.h"
#include "platform/os/clock.h"
#include "platform/user/caret.h"
#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_paint.h"
#include "platform/user/send_message.h"
#include "platform/user/visible_region.h"
#include "platform/user/window_class.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_surface.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

gdi::RegionData ClientBox(const Window* w) { return gdi::RegionData(Rect(0, 0, w->client.Width(), w->client.Height())); }

// The part of a parent-client area that falls on a child's window rectangle outside its client
// area (its frame).
bool TouchesFrame(const Window* child, const gdi::RegionData& parentArea) {
  gdi::RegionData frame = gdi::RegionData(child->rect).Subtract(gdi::RegionData(child->client));
  return !frame.Intersect(parentArea).IsEmpty();
}

void Apply(Window* w, const gdi::RegionData& area, UINT flags) {
  if (!IsShownOnScreen(w)) return;
  if (flags & RDW_INVALIDATE) {
    w->update = w->update.Union(area.Intersect(ClientBox(w)));
    if (flags & RDW_ERASE) w->eraseNeeded = true;
    if (flags & RDW_FRAME) w->frameNeeded = true;
  }
  if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
  if (flags & RDW_VALIDATE) {
    w->update = w->update.Subtract(area);
    if (flags & RDW_NOERASE) w->eraseNeeded = false;
    if (flags & RDW_NOFRAME) w->frameNeeded = false;
  }
  if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
  const bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
  if (!children) return;
  for (Window* c : w->children) {
    if (!c->IsVisibleFlag()) continue;
    if ((flags & RDW_INVALIDATE) && TouchesFrame(c, area)) c->frameNeeded = true;
    Apply(c, area.Offsetted(-c->client.Left, -c->client.Top), flags);
  }
}

bool NeedsPaint(const Window* w) { return !w->update.IsEmpty() || w->internalPaint; }

Window* FindPaintTarget(Window* w, Window* within) {
  if (!w->IsVisibleFlag()) return nullptr;
  const bool inFilter = within == nullptr || IsAncestor(within, w);
  if (inFilter && NeedsPaint(w)) return w;
  for (Window* c : w->children)
    if (Window* found = FindPaintTarget(c, within)) return found;
  return nullptr;
}

// Windows that owe only their frame get WM_NCPAINT at once; no WM_PAINT is needed for them.
void PaintOwedFrames(Window* w) {
  if (!w->IsVisibleFlag()) return;
  if (w->frameNeeded && !NeedsPaint(w)) {
    w->frameNeeded = false;
    const HWND h = w->handle;
    SendFrom(h, WM_NCPAINT, 1, 0, false);
    if (W(h) == nullptr) return;
  }
  for (HWND c : [&] {
         std::vector<HWND> handles;
         for (Window* child : w->children) handles.push_back(child->handle);
         return handles;
       }())
    if (Window* child = W(c)) PaintOwedFrames(child);
}

std::vector<HWND> ThreadTopLevels() {
  std::vector<HWND> tops;
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->thread == GetCurrentThreadId()) tops.push_back(w->handle);
  return tops;
}

std::optional<gdi::RegionData> RegionOf(HRGN region) {
  const gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region);
  if (r == nullptr) return std::nullopt;
  return r->Data();
}

void EraseNow(HWND h) {
  Window* w = W(h);
  if (w == nullptr) return;
  if (w->frameNeeded) {
    w->frameNeeded = false;
    SendFrom(h, WM_NCPAINT, 1, 0, false);
    if ((w = W(h)) == nullptr) return;
  }
  if (!w->eraseNeeded) return;
  w->eraseNeeded = false;
  const TPoint o = SurfaceOrigin(w, false);
  HDC dc = MakeWindowDC(h, false, false, false, w->update.Offsetted(o.X, o.Y));
  SendFrom(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false);
  EndWindowDC(dc);
}

void UpdateTree(HWND h, bool children) {
  Window* w = W(h);
  if (w == nullptr || !IsShownOnScreen(w)) return;
  if (NeedsPaint(w) || w->frameNeeded) {
    if (NeedsPaint(w)) SendFrom(h, WM_PAINT, 0, 0, false);
    else PaintOwedFrames(w);
  }
  if (!children || (w = W(h)) == nullptr) return;
  std::vector<HWND> kids;
  for (Window* c : w->children) kids.push_back(c->handle);
  for (HWND c : kids) UpdateTree(c, true);
}

bool Redraw(HWND h, const gdi::RegionData* area, UINT flags) {
  Window* w = h ? W(h) : WindowTable::Instance().Desktop();
  if (w == nullptr) return false;
  if (w->parent == nullptr) {   // the desktop: every top-level window
    for (HWND top : ThreadTopLevels()) Redraw(top, nullptr, flags | RDW_ALLCHILDREN);
    return true;
  }
  const gdi::RegionData whole = ClientBox(w);
  Apply(w, area ? *area : whole, flags);
  if (flags & RDW_ERASENOW) EraseNow(h);
  if (flags & RDW_UPDATENOW) UpdateTree(h, (flags & RDW_ALLCHILDREN) != 0);
  return true;
}

LRESULT EraseBackground(HWND h, HDC dc) {
  Window* w = W(h);
  HBRUSH brush = w->windowClass ? w->windowClass->background : nullptr;
  if (brush == nullptr) return 0;
  const TRect client = Rect(0, 0, w->client.Width(), w->client.Height());
  FillRect(dc, &client, brush);
  return 1;
}

void PrintChildren(HWND h, HDC dc, LPARAM flags) {
  Window* w = W(h);
  std::vector<HWND> kids;
  for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
    if ((*it)->IsVisibleFlag()) kids.push_back((*it)->handle);
  for (HWND c : kids) {
    Window* child = W(c);
    if (child == nullptr) continue;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, child->rect.Left, child->rect.Top, nullptr);
    IntersectClipRect(dc, 0, 0, child->rect.Width(), child->rect.Height());
    SendFrom(c, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND, false);
    RestoreDC(dc, saved);
  }
}

// WM_PRINT: the window draws itself (frame, background, client, children) into another DC whose
// origin is the window's corner.
void Print(HWND h, HDC dc, LPARAM flags) {
  Window* w = W(h);
  if ((flags & PRF_CHECKVISIBLE) && !IsShownOnScreen(w)) return;
  if (flags & PRF_NONCLIENT) PaintNonClientInto(h, dc);
  if ((w = W(h)) == nullptr) return;
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, w->client.Left - w->rect.Left, w->client.Top - w->rect.Top, nullptr);
  if (flags & PRF_ERASEBKGND) SendFrom(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false);
  if ((flags & PRF_CLIENT) && W(h) != nullptr) SendFrom(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags, false);
  if ((flags & PRF_CHILDREN) && W(h) != nullptr) PrintChildren(h, dc, flags);
  RestoreDC(dc, saved);
}

}  // namespace

std::optional<MSG> TakePaintMessage(HWND hwnd, UINT first, UINT last, bool remove) {
  if (!(first == 0 && last == 0) && !(WM_PAINT >= first && WM_PAINT <= last)) return std::nullopt;
  Window* within = hwnd ? W(hwnd) : nullptr;
  for (HWND top : ThreadTopLevels())
    if (Window* t = W(top)) PaintOwedFrames(t);
  for (HWND top : ThreadTopLevels()) {
    Window* t = W(top);
    Window* target = t ? FindPaintTarget(t, within) : nullptr;
    if (target == nullptr) continue;
    if (remove) target->internalPaint = false;
    return MSG{target->handle, WM_PAINT, 0, 0, GetTickCount(), CursorPosition()};
  }
  return std::nullopt;
}

bool HasPaintPending() {
  for (Window* w : WindowTable::Instance().Desktop()->children)
    if (w->thread == GetCurrentThreadId() && FindPaintTarget(w, nullptr) != nullptr) return true;
  return false;
}

void RepaintAfterMove(HWND h, const TRect& oldScreen, bool wasVisible, UINT swpFlags) {
  Window* w = W(h);
  const bool visible = IsShownOnScreen(w);
  const TRect now = ScreenRect(w);
  const bool sized = now.Width() != oldScreen.Width() || now.Height() != oldScreen.Height();
  const bool moved = now.Left != oldScreen.Left || now.Top != oldScreen.Top;
  if (w->IsTopLevel() && w->surface != nullptr) w->surface->Resize(now.Width(), now.Height());
  if (swpFlags & SWP_NOREDRAW) return;
  const constexpr UINT kExpose = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  // A child leaves its old place on the parent's surface to be repainted.
  if (!w->IsTopLevel() && wasVisible && (!visible || sized || moved)) {
    Window* parent = w->parent;
    const TPoint o = ClientOrigin(parent);
    const gdi::RegionData old(Bounds(oldScreen.Left - o.X, oldScreen.Top - o.Y, oldScreen.Width(), oldScreen.Height()));
    Apply(parent, old, kExpose);
  }
  if (!visible) return;
  const bool redrawAll = !wasVisible || (swpFlags & SWP_FRAMECHANGED) || (!w->IsTopLevel() && (sized || moved)) ||
                         (sized && w->windowClass && (w->windowClass->style & (CS_HREDRAW | CS_VREDRAW)));
  if (redrawAll) {
    Apply(w, ClientBox(w), kExpose);
  } else if (sized) {
    // Only what the new size uncovered (to the right and below the old client area).
    const TRect oldClient = Rect(0, 0, oldScreen.Width() - (now.Width() - w->client.Width()),
                                 oldScreen.Height() - (now.Height() - w->client.Height()));
    Apply(w, ClientBox(w).Subtract(gdi::RegionData(oldClient)), kExpose);
    w->frameNeeded = true;
  }
}

bool DefaultPaintMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      BeginPaint(h, &ps);
      EndPaint(h, &ps);
      return true;
    }
    case WM_ERASEBKGND: result = EraseBackground(h, reinterpret_cast<HDC>(wParam)); return true;
    case WM_NCPAINT: PaintNonClient(h, reinterpret_cast<HRGN>(wParam)); return true;
    case WM_PRINT: Print(h, reinterpret_cast<HDC>(wParam), lParam); return true;
    case WM_PRINTCLIENT:
    case WM_SYNCPAINT: return true;
    default: return false;
  }
}

}  // namespace user

using namespace user;

BOOL RedrawWindow(HWND hwnd, const TRect* rect, HRGN region, UINT flags) {
  std::optional<gdi::RegionData> area = RegionOf(region);
  if (!area && rect != nullptr) area = gdi::RegionData(*rect);
  return Redraw(hwnd, area ? &*area : nullptr, flags);
}

BOOL InvalidateRect(HWND hwnd, const TRect* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
  const std::optional<gdi::RegionData> area = RegionOf(region);
  return Redraw(hwnd, area ? &*area : nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const TRect* rect) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
  const std::optional<gdi::RegionData> area = RegionOf(region);
  return Redraw(hwnd, area ? &*area : nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
  if (W(hwnd) == nullptr) return FALSE;
  UpdateTree(hwnd, true);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, TRect* rect, BOOL erase) {
  Window* w = W(hwnd);
  if (w == nullptr) return FALSE;
  if (rect != nullptr) *rect = w->update.Box();
  if (erase && !w->update.IsEmpty()) EraseNow(hwnd);
  return w != nullptr && !W(hwnd)->update.IsEmpty();
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
  Window* w = W(hwnd);
  gdi::RegionObject* r = gdi::FindObject<gdi::RegionObject>(region);
  if (w == nullptr || r == nullptr) return 0;   // ERROR
  r->Data() = w->update;
  const int complexity = w->update.Complexity();
  if (erase && !w->update.IsEmpty()) EraseNow(hwnd);
  return complexity;
}

HDC BeginPaint(HWND h, PAINTSTRUCT* paint) {
  Window* w = W(h);
  if (w == nullptr || paint == nullptr) return nullptr;
  HideCaretForPaint(h);
  if (w->frameNeeded) {
    w->frameNeeded = false;
    SendFrom(h, WM_NCPAINT, 1, 0, false);
    if ((w = W(h)) == nullptr) return nullptr;
  }
  const gdi::RegionData update = w->update;
  w->update = {};
  w->internalPaint = false;
  const bool erase = w->eraseNeeded;
  w->eraseNeeded = false;
  const TPoint o = SurfaceOrigin(w, false);
  HDC dc = MakeWindowDC(h, false, false, false, update.Offsetted(o.X, o.Y));
  *paint = PAINTSTRUCT{};
  paint->hdc = dc;
  paint->rcPaint = update.Box();
  paint->fErase = erase ? SendFrom(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, false) == 0 : FALSE;
  return dc;
}

BOOL EndPaint(HWND h, const PAINTSTRUCT* paint) {
  if (paint == nullptr) return FALSE;
  EndWindowDC(paint->hdc);
  ShowCaretAfterPaint(h);
  return TRUE;
}

void user::PaintClient(HWND hwnd, WPARAM dc, TFunctionRef<void(HDC)> paint) {
  if (dc != 0) return paint(reinterpret_cast<HDC>(dc));
  PAINTSTRUCT ps{};
  HDC paintDc = BeginPaint(hwnd, &ps);
  paint(paintDc);
  EndPaint(hwnd, &ps);
}
