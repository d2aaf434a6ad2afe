#include "platform/user/window_from_point.h"

#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

bool Contains(const Window* w, TPoint screen) {
  const TRect r = ScreenRect(w);
  if (!PtInRect(&r, screen)) return false;
  return w->windowRegion == nullptr || w->windowRegion->Contains(screen.X - r.Left, screen.Y - r.Top);
}

// The deepest visible, enabled descendant of `w` containing the point (w itself when none).
Window* Deepest(Window* w, TPoint screen) {
  const TRect client = ScreenClientRect(w);
  if (!PtInRect(&client, screen)) return w;
  for (Window* c : w->children)
    if (c->IsVisibleFlag() && !c->IsDisabledFlag() && Contains(c, screen)) return Deepest(c, screen);
  return w;
}

// A layered window that is also transparent is seen but never hit: the mouse goes through it.
bool ClickThrough(const Window* w) {
  constexpr DWORD kBoth = WS_EX_LAYERED | WS_EX_TRANSPARENT;
  return (w->exStyle & kBoth) == kBoth;
}

Window* TopLevelAt(TPoint screen) {
  for (Window* top : WindowTable::Instance().Desktop()->children)
    if (top->IsVisibleFlag() && !ClickThrough(top) && Contains(top, screen)) return top;
  return nullptr;
}

}  // namespace

HitResult HitTestInput(TPoint screen) {
  const HWND capture = InputState::Instance().capture;
  if (capture != nullptr && W(capture) != nullptr) return {capture, HTCLIENT};
  Window* top = TopLevelAt(screen);
  if (top == nullptr) return {};
  if (top->IsDisabledFlag()) return {top->handle, HTERROR};
  Window* w = Deepest(top, screen);
  while (w != nullptr) {
    const HWND h = w->handle;
    const HWND parent = w->parent != nullptr ? w->parent->handle : nullptr;
    const bool isTop = w == top;
    const int hit = int(SendFrom(h, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y), false));
    if (hit != HTTRANSPARENT && W(h) != nullptr) return {h, hit};
    if (isTop) return {};
    w = W(parent);
  }
  return {};
}

}  // namespace user

using namespace user;

HWND WindowFromPoint(TPoint screen) {
  Window* top = TopLevelAt(screen);
  return top ? Deepest(top, screen)->handle : nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, TPoint clientPoint, UINT flags) {
  Window* p = W(parent);
  if (p == nullptr) return nullptr;
  const TRect client = Rect(0, 0, p->client.Width(), p->client.Height());
  if (!PtInRect(&client, clientPoint)) return nullptr;
  const TPoint o = ClientOrigin(p);
  const TPoint screen{clientPoint.X + o.X, clientPoint.Y + o.Y};
  for (Window* c : p->children) {
    if ((flags & CWP_SKIPINVISIBLE) && !c->IsVisibleFlag()) continue;
    if ((flags & CWP_SKIPDISABLED) && c->IsDisabledFlag()) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
    if (Contains(c, screen)) return c->handle;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, TPoint clientPoint) {
  return ChildWindowFromPointEx(parent, clientPoint, CWP_ALL);
}
