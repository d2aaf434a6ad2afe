#include "platform/user/window_links.h"

#include <algorithm>

#include "platform/user/window_styles.h"

namespace user {

namespace {

bool IsTopmost(const Window* w) { return (w->exStyle & WS_EX_TOPMOST) != 0; }

void Erase(std::vector<Window*>& list, const Window* w) {
  list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

// The owned windows of `owner` among `siblings`, topmost in z-order first, recursively.
void CollectOwned(const std::vector<Window*>& siblings, const Window* owner, std::vector<Window*>& out) {
  for (Window* s : siblings)
    if (s->owner == owner && std::find(out.begin(), out.end(), s) == out.end()) {
      out.push_back(s);
      CollectOwned(siblings, s, out);
    }
}

// Moves every owned window that lies below its owner to just above it; topmost windows rise
// above the others.  Repeats until nothing moves (chains of owners).
void EnforceRules(std::vector<Window*>& list) {
  std::stable_partition(list.begin(), list.end(), IsTopmost);
  for (bool moved = true; moved;) {
    moved = false;
    for (std::size_t i = 0; i < list.size() && !moved; ++i) {
      Window* w = list[i];
      if (w->owner == nullptr) continue;
      auto ownerAt = std::find(list.begin(), list.end(), w->owner);
      if (ownerAt == list.end() || ownerAt > list.begin() + std::ptrdiff_t(i)) continue;
      if (IsTopmost(w->owner) && !IsTopmost(w)) continue;   // a topmost owner can't be passed
      list.erase(list.begin() + std::ptrdiff_t(i));
      list.insert(std::find(list.begin(), list.end(), w->owner), w);
      moved = true;
    }
  }
}

// Where HWND_TOP puts a window: above every sibling of its band.
std::size_t TopOfBand(const std::vector<Window*>& list, const Window* w) {
  if (IsTopmost(w) || w->parent == nullptr || !w->IsTopLevel()) return 0;
  return std::size_t(std::count_if(list.begin(), list.end(), IsTopmost));
}

void InsertAt(std::vector<Window*>& list, Window* w, HWND insertAfter) {
  if (insertAfter == HWND_BOTTOM) {
    list.push_back(w);
  } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    list.insert(list.begin() + std::ptrdiff_t(TopOfBand(list, w)), w);
  } else {
    auto after = std::find_if(list.begin(), list.end(), [&](Window* s) { return s->handle == insertAfter; });
    list.insert(after == list.end() ? list.begin() : after + 1, w);
  }
}

}  // namespace

void LinkWindow(Window* w, Window* parent, HWND insertAfter) {
  w->parent = parent;
  InsertAt(parent->children, w, insertAfter);
  if (parent->parent == nullptr) EnforceRules(parent->children);
}

void UnlinkWindow(Window* w) {
  if (w->parent != nullptr) Erase(w->parent->children, w);
  w->parent = nullptr;
}

void ReorderWindow(Window* w, HWND insertAfter, bool ownerOrder) {
  std::vector<Window*>& list = w->parent->children;
  if (insertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
  if (insertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  std::vector<Window*> group;
  if (ownerOrder && w->IsTopLevel()) CollectOwned(list, w, group);
  for (Window* g : group) Erase(list, g);
  Erase(list, w);
  InsertAt(list, w, insertAfter);
  auto at = std::find(list.begin(), list.end(), w);
  list.insert(at, group.begin(), group.end());
  if (w->IsTopLevel()) EnforceRules(list);
}

bool IsAncestor(const Window* ancestor, const Window* w) {
  for (; w != nullptr; w = w->parent)
    if (w == ancestor) return true;
  return false;
}

Window* TopLevelOf(Window* w) {
  while (w != nullptr && w->parent != nullptr && w->parent->parent != nullptr) w = w->parent;
  return w;
}

bool IsShownOnScreen(const Window* w) {
  for (; w != nullptr && w->parent != nullptr; w = w->parent)
    if (!w->IsVisibleFlag()) return false;
  return w != nullptr && w->IsVisibleFlag();
}

bool IsEnabledChain(const Window* w) {
  for (; w != nullptr && w->parent != nullptr; w = w->parent)
    if (w->IsDisabledFlag()) return false;
  return true;
}

TPoint ClientOrigin(const Window* w) {
  if (w == nullptr || w->parent == nullptr) return {0, 0};
  const TPoint base = ClientOrigin(w->parent);
  return {base.X + w->client.Left, base.Y + w->client.Top};
}

TPoint WindowOrigin(const Window* w) {
  if (w == nullptr || w->parent == nullptr) return {0, 0};
  const TPoint base = ClientOrigin(w->parent);
  return {base.X + w->rect.Left, base.Y + w->rect.Top};
}

TRect ScreenRect(const Window* w) {
  const TPoint o = WindowOrigin(w);
  return Bounds(o.X, o.Y, w->rect.Width(), w->rect.Height());
}

TRect ScreenClientRect(const Window* w) {
  const TPoint o = ClientOrigin(w);
  return Bounds(o.X, o.Y, w->client.Width(), w->client.Height());
}

}  // namespace user
