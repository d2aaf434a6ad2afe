#include "platform/user/scroll_bar.h"

#include <algorithm>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/user/capture.h"
#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/non_client.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/timers.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

constexpr UINT kFirstRepeatMs = 200, kRepeatMs = 50;
constexpr UINT_PTR kRepeatTimer = 0xFFFA;
constexpr int kMinThumb = 8;

enum Part { kArrowStart, kPageStart, kThumb, kPageEnd, kArrowEnd, kNone };

ScrollBarState* Bar(HWND hwnd, int bar) {
  Window* w = W(hwnd);
  if (w != nullptr && bar == SB_CTL && w->controlBar >= 0) return &w->scroll[w->controlBar];
  return w != nullptr && (bar == SB_HORZ || bar == SB_VERT) && w->controlBar < 0 ? &w->scroll[bar] : nullptr;
}

// False for a window destroyed meanwhile (a parent may destroy the control while it is told of a scroll).
bool IsControl(HWND hwnd) {
  const Window* w = W(hwnd);
  return w != nullptr && w->controlBar >= 0;
}

int MaxPos(const ScrollBarState& s) { return std::max(s.min, s.max - std::max(int(s.page) - 1, 0)); }

void Redraw(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, IsControl(hwnd) ? RDW_INVALIDATE : RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

TRect BarRect(HWND hwnd, bool vertical) {
  Window* w = W(hwnd);
  const FrameLayout f = LayoutFrame(w->style, w->exStyle, w->rect.Width(), w->rect.Height());
  if (IsControl(hwnd)) return f.client;
  return vertical ? f.vScroll : f.hScroll;
}

// The bar a tracking or drawing call is about.
ScrollBarState* TrackedBar(HWND hwnd, bool vertical) {
  return Bar(hwnd, IsControl(hwnd) ? SB_CTL : vertical ? SB_VERT : SB_HORZ);
}

Part PartAt(const ScrollBarLayout& l, int along) {
  if (along < l.arrow) return kArrowStart;
  if (along >= l.length - l.arrow) return kArrowEnd;
  if (l.thumbLength == 0) return along < l.length / 2 ? kPageStart : kPageEnd;
  if (along < l.thumbStart) return kPageStart;
  if (along < l.thumbStart + l.thumbLength) return kThumb;
  return kPageEnd;
}

WORD CodeOf(Part p) {
  switch (p) {
    case kArrowStart: return SB_LINEUP;
    case kArrowEnd: return SB_LINEDOWN;
    case kPageStart: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

int Along(HWND hwnd, bool vertical, TPoint screen) {
  const TPoint o = WindowOrigin(W(hwnd));
  const TRect r = BarRect(hwnd, vertical);
  return vertical ? screen.Y - o.Y - r.Top : screen.X - o.X - r.Left;
}

// The position a thumb dragged so that its start lies at `thumbStart`.
int PosForThumb(const ScrollBarState& s, const ScrollBarLayout& l, int thumbStart) {
  const int track = l.length - 2 * l.arrow - l.thumbLength;
  if (track <= 0) return s.min;
  const int offset = std::clamp(thumbStart - l.arrow, 0, track);
  const int span = MaxPos(s) - s.min;
  return s.min + (offset * span + track / 2) / track;
}

void Send(HWND hwnd, bool vertical, WORD code, int pos) {
  const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
  if (!IsControl(hwnd)) return void(SendFrom(hwnd, message, MAKEWPARAM(code, pos), 0, false));
  if (Window* parent = W(hwnd)->parent; parent != nullptr && parent->parent != nullptr)
    SendMessageA(parent->handle, message, MAKEWPARAM(code, pos), LPARAM(hwnd));
}

}  // namespace

ScrollBarLayout LayoutScrollBar(HWND hwnd, bool vertical, const TRect& barRect) {
  ScrollBarLayout l;
  const ScrollBarState* s = TrackedBar(hwnd, vertical);
  l.length = vertical ? barRect.Height() : barRect.Width();
  const int thickness = vertical ? barRect.Width() : barRect.Height();
  l.arrow = std::min(thickness, l.length / 2);
  const int track = l.length - 2 * l.arrow;
  if (s == nullptr) return l;
  const int range = s->max - s->min;
  if (range <= 0 || s->disabledArrows == ESB_DISABLE_BOTH) return l;
  int thumb = s->page == 0 ? GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB)
                           : std::max(int(Int64(track) * s->page / (range + 1)), kMinThumb);
  if (track < thumb) return l;
  const int span = MaxPos(*s) - s->min;
  const int pos = (s->tracking ? s->trackPos : s->pos) - s->min;
  l.thumbLength = thumb;
  l.thumbStart = l.arrow + (span > 0 ? int(Int64(track - thumb) * std::clamp(pos, 0, span) / span) : 0);
  return l;
}

void TrackScrollBar(HWND hwnd, bool vertical, TPoint screen) {
  ScrollBarState* s = TrackedBar(hwnd, vertical);
  if (s == nullptr) return;
  ScrollBarLayout l = LayoutScrollBar(hwnd, vertical, BarRect(hwnd, vertical));
  const Part part = PartAt(l, Along(hwnd, vertical, screen));
  const int grab = Along(hwnd, vertical, screen) - l.thumbStart;
  SetCapture(hwnd);
  if (part == kThumb) {
    s->tracking = true;
    s->trackPos = s->pos;
  } else {
    s->pressedPart = part;
    Send(hwnd, vertical, CodeOf(part), 0);
    SetTimer(hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
  }
  Redraw(hwnd);
  MSG m;
  while (GetCapture() == hwnd && GetMessageA(&m, nullptr, 0, 0) > 0) {
    if ((s = TrackedBar(hwnd, vertical)) == nullptr) return;
    if (m.message == WM_LBUTTONUP) break;
    if (m.message == WM_MOUSEMOVE && m.hwnd == hwnd && part == kThumb) {
      TPoint p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
      ClientToScreen(hwnd, &p);
      const int pos = PosForThumb(*s, LayoutScrollBar(hwnd, vertical, BarRect(hwnd, vertical)), Along(hwnd, vertical, p) - grab);
      if (pos != s->trackPos) {
        s->trackPos = pos;
        Send(hwnd, vertical, SB_THUMBTRACK, pos);
        Redraw(hwnd);
      }
    } else if (m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == kRepeatTimer) {
      SetTimer(hwnd, kRepeatTimer, kRepeatMs, nullptr);
      l = LayoutScrollBar(hwnd, vertical, BarRect(hwnd, vertical));
      const TPoint p = CursorPosition();
      if (PartAt(l, Along(hwnd, vertical, p)) == part) Send(hwnd, vertical, CodeOf(part), 0);
    } else if (m.message != WM_MOUSEMOVE) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  if (W(hwnd) == nullptr) return;
  KillTimer(hwnd, kRepeatTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  s = TrackedBar(hwnd, vertical);
  if (part == kThumb) Send(hwnd, vertical, SB_THUMBPOSITION, s->trackPos);
  if ((s = TrackedBar(hwnd, vertical)) == nullptr) return;
  s->tracking = false;
  s->pressedPart = -1;
  Send(hwnd, vertical, SB_ENDSCROLL, 0);
  Redraw(hwnd);
}

void MakeScrollBarControl(HWND hwnd, bool vertical) {
  Window* w = W(hwnd);
  if (w == nullptr) return;
  w->controlBar = vertical ? SB_VERT : SB_HORZ;
  w->scroll[w->controlBar] = ScrollBarState{};
  w->scroll[w->controlBar].max = 0;   // a new control's range is empty
}

}  // namespace user

using namespace user;

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
  ScrollBarState* s = Bar(hwnd, bar);
  if (s == nullptr || info == nullptr) return 0;
  if (info->fMask & SIF_RANGE) s->min = info->nMin, s->max = info->nMax;
  if (info->fMask & SIF_PAGE) s->page = std::min<UINT>(info->nPage, UINT(std::max(s->max - s->min + 1, 0)));
  if (info->fMask & SIF_POS) s->pos = info->nPos;
  s->pos = std::clamp(s->pos, s->min, MaxPos(*s));
  if (redraw) Redraw(hwnd);
  return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
  const ScrollBarState* s = Bar(hwnd, bar);
  if (s == nullptr || info == nullptr) return FALSE;
  if (info->fMask & SIF_RANGE) info->nMin = s->min, info->nMax = s->max;
  if (info->fMask & SIF_PAGE) info->nPage = s->page;
  if (info->fMask & SIF_POS) info->nPos = s->pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? s->trackPos : s->pos;
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  const ScrollBarState* s = Bar(hwnd, bar);
  if (s == nullptr) return 0;
  const int old = s->pos;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  const ScrollBarState* s = Bar(hwnd, bar);
  return s == nullptr ? 0 : s->pos;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
  if (Bar(hwnd, bar) == nullptr) return FALSE;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, min, max, 0, 0, 0};
  SetScrollInfo(hwnd, bar, &info, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
  const ScrollBarState* s = Bar(hwnd, bar);
  if (s == nullptr) return FALSE;
  if (min != nullptr) *min = s->min;
  if (max != nullptr) *max = s->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  Window* w = W(hwnd);
  if (w == nullptr) return FALSE;
  if (bar == SB_CTL) return w->controlBar >= 0 && (ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE), true);
  const DWORD bits = bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : bar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : 0;
  const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
  if (style == w->style) return TRUE;
  w->style = style;
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  bool changed = false;
  for (int b : {SB_HORZ, SB_VERT, SB_CTL}) {
    if (bar != UINT(b) && !(bar == UINT(SB_BOTH) && b != SB_CTL)) continue;
    ScrollBarState* s = Bar(hwnd, b);
    if (s == nullptr) return FALSE;
    changed |= s->disabledArrows != arrows;
    s->disabledArrows = arrows;
  }
  if (changed) Redraw(hwnd);
  return changed;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info) {
  if (info == nullptr || info->cbSize != sizeof(SCROLLBARINFO) ||
      (idObject != OBJID_HSCROLL && idObject != OBJID_VSCROLL)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Window* w = W(hwnd);
  if (w == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const bool vertical = idObject == OBJID_VSCROLL;
  const DWORD size = info->cbSize;
  *info = SCROLLBARINFO{};
  info->cbSize = size;
  const TRect bar = w->controlBar < 0 ? BarRect(hwnd, vertical) : TRect{};
  DWORD state = 0;
  if (IsRectEmpty(&bar)) {
    state |= STATE_SYSTEM_INVISIBLE;
  } else {
    TRect window;
    GetWindowRect(hwnd, &window);
    info->rcScrollBar = bar;
    OffsetRect(&info->rcScrollBar, window.Left, window.Top);
    const ScrollBarLayout layout = LayoutScrollBar(hwnd, vertical, bar);
    info->dxyLineButton = layout.arrow;
    info->xyThumbTop = layout.thumbStart;
    info->xyThumbBottom = layout.thumbStart + layout.thumbLength;
  }
  if (!IsWindowVisible(hwnd)) state |= STATE_SYSTEM_OFFSCREEN;
  const ScrollBarState* s = Bar(hwnd, vertical ? SB_VERT : SB_HORZ);
  if ((w->style & WS_DISABLED) != 0 || (s != nullptr && s->disabledArrows == ESB_DISABLE_BOTH))
    state |= STATE_SYSTEM_UNAVAILABLE;
  info->rgstate[0] = state;
  return TRUE;
}
