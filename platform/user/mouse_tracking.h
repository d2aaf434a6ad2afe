// TrackMouseEvent: WM_MOUSELEAVE / WM_NCMOUSELEAVE when the cursor leaves the tracked window's
// client (or non-client) area, and WM_MOUSEHOVER / WM_NCMOUSEHOVER once it rested there for the
// hover time (on the injectable clock).  Each request is answered once and then ends, as on the
// platform; the messages are posted to the tracked window.
#pragma once

#include <optional>

#include "platform/user/user_types.h"

inline constexpr UINT HOVER_DEFAULT_TIME = 400;   // milliseconds, what HOVER_DEFAULT means

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request);
inline BOOL _TrackMouseEvent(TRACKMOUSEEVENT* request) { return TrackMouseEvent(request); }

namespace user {

// A mouse message for `target` was taken from the queue.
void NoteMouseMessage(HWND target, bool nonClient, TPoint screen, DWORD time);
// Posts WM_MOUSEHOVER when the hover time ran out.
void CheckHover();
std::optional<UInt64> MillisecondsToHover();
void ResetMouseTracking();

}  // namespace user
