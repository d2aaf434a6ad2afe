#include "platform/user/mouse_tracking.h"

#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/os_error.h"
#include "platform/user/input_state.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

struct Tracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;        // TME_LEAVE | TME_HOVER | TME_NONCLIENT
  UInt64 hoverTime = HOVER_DEFAULT_TIME;
  UInt64 restSince = 0;   // tick count of the last move inside
};

Tracking& State() {
  static Tracking tracking;
  return tracking;
}

LPARAM PointParam(HWND hwnd, TPoint screen, bool nonClient) {
  if (nonClient) return MAKELPARAM(screen.X, screen.Y);
  const TPoint o = ClientOrigin(W(hwnd));
  return MAKELPARAM(screen.X - o.X, screen.Y - o.Y);
}

}  // namespace

void NoteMouseMessage(HWND target, bool nonClient, TPoint, DWORD time) {
  Tracking& t = State();
  if (t.hwnd == nullptr) return;
  const bool trackedArea = ((t.flags & TME_NONCLIENT) != 0) == nonClient;
  if (target == t.hwnd && trackedArea) {
    t.restSince = time;
    return;
  }
  if (t.flags & TME_LEAVE)
    PostMessageA(t.hwnd, (t.flags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  t = Tracking{};
}

void CheckHover() {
  Tracking& t = State();
  if (t.hwnd == nullptr || !(t.flags & TME_HOVER) || W(t.hwnd) == nullptr) return;
  if (GetTickCount64() < t.restSince + t.hoverTime) return;
  const bool nc = (t.flags & TME_NONCLIENT) != 0;
  PostMessageA(t.hwnd, nc ? WM_NCMOUSEHOVER : WM_MOUSEHOVER, nc ? 0 : MouseKeyFlags(),
               PointParam(t.hwnd, CursorPosition(), nc));
  t.flags &= ~TME_HOVER;
  if (!(t.flags & TME_LEAVE)) t = Tracking{};
}

std::optional<UInt64> MillisecondsToHover() {
  const Tracking& t = State();
  if (t.hwnd == nullptr || !(t.flags & TME_HOVER)) return std::nullopt;
  const UInt64 due = t.restSince + t.hoverTime, now = GetTickCount64();
  return due > now ? due - now : 0;
}

void ResetMouseTracking() { State() = Tracking{}; }

}  // namespace user

using namespace user;

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request) {
  if (request == nullptr || request->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Tracking& t = State();
  if (request->dwFlags & TME_QUERY) {
    *request = TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), t.flags, t.hwnd, DWORD(t.hoverTime)};
    return TRUE;
  }
  if (W(request->hwndTrack) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (request->dwFlags & TME_CANCEL) {
    if (t.hwnd == request->hwndTrack) {
      t.flags &= ~(request->dwFlags & (TME_LEAVE | TME_HOVER));
      if (!(t.flags & (TME_LEAVE | TME_HOVER))) t = Tracking{};
    }
    return TRUE;
  }
  const DWORD flags = request->dwFlags & (TME_LEAVE | TME_HOVER | TME_NONCLIENT);
  if (t.hwnd != request->hwndTrack) t = Tracking{request->hwndTrack, 0, HOVER_DEFAULT_TIME, GetTickCount64()};
  t.flags |= flags;
  if (request->dwHoverTime != HOVER_DEFAULT) t.hoverTime = request->dwHoverTime;
  return TRUE;
}
