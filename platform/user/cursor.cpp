#include "platform/user/cursor.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>

#include "platform/user/input_events.h"
#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/resource_cursor.h"
#include "platform/user/system_metrics.h"

namespace {

std::atomic<HCURSOR> current{nullptr};

// Standard shapes are handles 0x7F000000 + IDC number: never a drawing-layer handle.
constexpr std::uintptr_t kStandardBase = 0x7F000000;
constexpr int kFirstId = 32512, kLastId = 32651;

struct Clip {
  std::mutex mutex;
  std::optional<TRect> rect;
};

Clip& ClipState() {
  static Clip clip;
  return clip;
}

HCURSOR Standard(const char* id) { return LoadCursorA(nullptr, id); }

}  // namespace

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
  if (instance != nullptr) return user::LoadResourceCursor(name);
  const auto id = reinterpret_cast<std::uintptr_t>(name);
  if (!IS_INTRESOURCE(name) || id < kFirstId || id > kLastId) return nullptr;
  return reinterpret_cast<HCURSOR>(kStandardBase + id);
}

HCURSOR SetCursor(HCURSOR cursor) { return current.exchange(cursor); }

HCURSOR GetCursor() { return current.load(); }

BOOL GetCursorPos(TPoint* point) {
  if (point == nullptr) return FALSE;
  *point = user::CursorPosition();
  return TRUE;
}

// Moving the cursor is input: the windows under it get WM_MOUSEMOVE as for a real move.
BOOL SetCursorPos(int x, int y) {
  user::InjectMouseMove(x, y);
  return TRUE;
}

BOOL ClipCursor(const TRect* rect) {
  Clip& c = ClipState();
  std::lock_guard lock(c.mutex);
  c.rect = rect ? std::optional<TRect>(*rect) : std::nullopt;
  return TRUE;
}

BOOL GetClipCursor(TRect* rect) {
  if (rect == nullptr) return FALSE;
  Clip& c = ClipState();
  std::lock_guard lock(c.mutex);
  *rect = c.rect.value_or(Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  return TRUE;
}

namespace user {

int StandardCursorId(HCURSOR cursor) {
  const auto v = reinterpret_cast<std::uintptr_t>(cursor);
  return v >= kStandardBase + kFirstId && v <= kStandardBase + kLastId ? int(v - kStandardBase) : 0;
}

HCURSOR CursorForHitCode(int hit) {
  switch (hit) {
    case HTLEFT: case HTRIGHT: return Standard(IDC_SIZEWE);
    case HTTOP: case HTBOTTOM: return Standard(IDC_SIZENS);
    case HTTOPLEFT: case HTBOTTOMRIGHT: case HTGROWBOX: return Standard(IDC_SIZENWSE);
    case HTTOPRIGHT: case HTBOTTOMLEFT: return Standard(IDC_SIZENESW);
    default: return Standard(IDC_ARROW);
  }
}

TPoint ClippedCursorPoint(TPoint p) {
  Clip& c = ClipState();
  std::lock_guard lock(c.mutex);
  if (!c.rect) return p;
  return {std::clamp<LONG>(p.X, c.rect->Left, c.rect->Right - 1), std::clamp<LONG>(p.Y, c.rect->Top, c.rect->Bottom - 1)};
}

}  // namespace user
