#include "platform/window_classes/track_bar_window.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/window_classes/press_repeat.h"
#include "platform/window_classes/track_bar_layout.h"
#include "platform/window_classes/track_bar_paint.h"
#include "platform/user/capture.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;   // a held channel press pages again on it

using Press = TrackBarState::Press;

TrackBarState* StateOf(HWND w) { return user::WindowStateOf<TrackBarState>(w); }
DWORD Style(HWND w) { return DWORD(GetWindowLongPtrA(w, GWL_STYLE)); }
void Redraw(HWND w) { InvalidateRect(w, nullptr, FALSE); }

// Tells the parent; the thumb codes carry the position in the high word.
void Notify(HWND w, const TrackBarState& s, WORD code) {
  HWND parent = GetParent(w);
  if (parent == nullptr) return;
  const bool thumb = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
  SendMessageA(parent, (Style(w) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, thumb ? WORD(s.pos) : 0),
               LPARAM(w));
}

// Moves the thumb to a value kept within the range; answers whether it moved.
bool MoveTo(HWND w, TrackBarState& s, Int64 value) {
  const int pos = int(std::clamp<Int64>(value, s.min, s.max));
  if (pos == s.pos) return false;
  s.pos = pos;
  Redraw(w);
  return true;
}

void Step(HWND w, TrackBarState& s, WORD code, Int64 value) {
  MoveTo(w, s, value);
  Notify(w, s, code);
}

void SetRange(HWND w, TrackBarState& s, int lower, int upper) {
  s.min = std::min(lower, upper);
  s.max = std::max(lower, upper);
  s.pos = std::clamp(s.pos, s.min, s.max);
  s.selStart = std::clamp(s.selStart, s.min, s.max);
  s.selEnd = std::clamp(s.selEnd, s.min, s.max);
  Redraw(w);
}

void SetSelection(HWND w, TrackBarState& s, int start, int end) {
  s.selStart = std::clamp(start, s.min, s.max);
  s.selEnd = std::clamp(end, s.min, s.max);
  Redraw(w);
}

BOOL AddTic(HWND w, TrackBarState& s, int value) {
  if (value < s.min || value > s.max) return FALSE;
  const auto at = std::lower_bound(s.tics.begin(), s.tics.end(), value);
  if (at == s.tics.end() || *at != value) s.tics.insert(at, value);
  Redraw(w);
  return TRUE;
}

// The scroll code a key makes and the value it moves to; false for other keys.
bool KeyMove(WPARAM key, const TrackBarState& s, WORD& code, Int64& value) {
  switch (key) {
    case VK_LEFT:
    case VK_UP: code = TB_LINEUP, value = Int64(s.pos) - s.lineSize; return true;
    case VK_RIGHT:
    case VK_DOWN: code = TB_LINEDOWN, value = Int64(s.pos) + s.lineSize; return true;
    case VK_PRIOR: code = TB_PAGEUP, value = Int64(s.pos) - s.pageSize; return true;
    case VK_NEXT: code = TB_PAGEDOWN, value = Int64(s.pos) + s.pageSize; return true;
    case VK_HOME: code = TB_TOP, value = s.min; return true;
    case VK_END: code = TB_BOTTOM, value = s.max; return true;
  }
  return false;
}

LRESULT OnKey(HWND w, TrackBarState& s, UINT message, WPARAM key, LPARAM lParam) {
  WORD code = 0;
  Int64 value = 0;
  if (!KeyMove(key, s, code, value)) return DefWindowProcA(w, message, key, lParam);
  if (message == WM_KEYDOWN)
    Step(w, s, code, value);
  else
    Notify(w, s, TB_ENDTRACK);
  return 0;
}

TPoint PointOf(LPARAM lParam) { return TPoint{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Which side of the thumb the pointer of a channel press lies on: -1 before, 1 after, 0 on it.
int PointerSide(HWND w, const TrackBarState& s) {
  const TrackBarLayout layout(w, s);
  const TRect thumb = layout.Thumb();
  const int along = layout.Along(s.pointer);
  if (along < (layout.Vertical() ? thumb.Top : thumb.Left)) return -1;
  return along >= (layout.Vertical() ? thumb.Bottom : thumb.Right) ? 1 : 0;
}

// A held channel press pages the way it started while the pointer still lies beyond the thumb,
// so the thumb stops once it reaches or passes the pointer.
void PageTowardPointer(HWND w, TrackBarState& s) {
  if (s.pageDirection == 0 || PointerSide(w, s) != s.pageDirection) return;
  if (s.pageDirection < 0)
    Step(w, s, TB_PAGEUP, Int64(s.pos) - s.pageSize);
  else
    Step(w, s, TB_PAGEDOWN, Int64(s.pos) + s.pageSize);
}

void OnButtonDown(HWND w, TrackBarState& s, LPARAM lParam) {
  if (GetFocus() != w) SetFocus(w);
  SetCapture(w);
  const TrackBarLayout layout(w, s);
  const TRect thumb = layout.Thumb();
  const TPoint point = PointOf(lParam);
  if ((Style(w) & TBS_NOTHUMB) == 0 && PtInRect(&thumb, point)) {
    s.press = Press::Thumb;
    s.grabOffset = layout.Along(point) - (layout.Vertical() ? thumb.Top : thumb.Left);
    Redraw(w);
    return;
  }
  s.press = Press::Channel;
  s.pointer = point;
  s.pageDirection = PointerSide(w, s);
  PageTowardPointer(w, s);
  SetTimer(w, kRepeatTimer, kPressFirstRepeatMs, nullptr);
}

void OnMouseMove(HWND w, TrackBarState& s, LPARAM lParam) {
  if (s.press == Press::Channel) s.pointer = PointOf(lParam);
  if (s.press != Press::Thumb) return;
  const TrackBarLayout layout(w, s);
  if (MoveTo(w, s, layout.ValueAtLead(layout.Along(PointOf(lParam)) - s.grabOffset))) Notify(w, s, TB_THUMBTRACK);
}

void OnTimer(HWND w, TrackBarState& s) {
  if (s.press != Press::Channel || GetCapture() != w) {
    KillTimer(w, kRepeatTimer);
    return;
  }
  SetTimer(w, kRepeatTimer, kPressRepeatMs, nullptr);
  PageTowardPointer(w, s);
}

// The press ends (released, or the capture taken away): a dragged thumb settles where it is.
void EndPress(HWND w, TrackBarState& s) {
  const Press ended = s.press;
  s.press = Press::None;
  KillTimer(w, kRepeatTimer);
  Redraw(w);
  if (ended == Press::Thumb) Notify(w, s, TB_THUMBPOSITION);
  Notify(w, s, TB_ENDTRACK);
}

void Paint(HWND w, const TrackBarState& s, WPARAM dc) {
  user::PaintClient(w, dc, [&](HDC paintDc) { PaintTrackBar(w, paintDc, s); });
}

LRESULT Message(HWND w, TrackBarState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  const int value = int(lParam);
  switch (message) {
    case TBM_GETPOS: return s.pos;
    case TBM_GETRANGEMIN: return s.min;
    case TBM_GETRANGEMAX: return s.max;
    case TBM_GETTIC: {
      const std::vector<int> tics = InteriorTics(Style(w), s);
      return wParam < tics.size() ? tics[wParam] : -1;
    }
    case TBM_SETTIC: return AddTic(w, s, value);
    case TBM_SETPOS: MoveTo(w, s, value); return 0;
    case TBM_SETRANGE: SetRange(w, s, std::int16_t(LOWORD(lParam)), std::int16_t(HIWORD(lParam))); return 0;
    case TBM_SETRANGEMIN: SetRange(w, s, value, std::max(value, s.max)); return 0;
    case TBM_SETRANGEMAX: SetRange(w, s, std::min(value, s.min), value); return 0;
    case TBM_CLEARTICS: s.tics.clear(); Redraw(w); return 0;
    case TBM_SETSEL: SetSelection(w, s, std::int16_t(LOWORD(lParam)), std::int16_t(HIWORD(lParam))); return 0;
    case TBM_SETSELSTART: SetSelection(w, s, value, s.selEnd); return 0;
    case TBM_SETSELEND: SetSelection(w, s, s.selStart, value); return 0;
    case TBM_GETNUMTICS: return (Style(w) & TBS_NOTICKS) != 0 ? 0 : LRESULT(InteriorTics(Style(w), s).size()) + 2;
    case TBM_GETSELSTART: return s.selStart;
    case TBM_GETSELEND: return s.selEnd;
    case TBM_CLEARSEL: s.selStart = s.selEnd = 0; Redraw(w); return 0;
    case TBM_SETTICFREQ: s.ticFreq = std::max(int(wParam), 1); Redraw(w); return 0;
    case TBM_SETPAGESIZE: return std::exchange(s.pageSize, value);
    case TBM_GETPAGESIZE: return s.pageSize;
    case TBM_SETLINESIZE: return std::exchange(s.lineSize, value);
    case TBM_GETLINESIZE: return s.lineSize;
    case TBM_GETTHUMBRECT:
      if (lParam != 0) *reinterpret_cast<TRect*>(lParam) = TrackBarLayout(w, s).Thumb();
      return 0;
    case TBM_GETCHANNELRECT:
      if (lParam != 0) *reinterpret_cast<TRect*>(lParam) = TrackBarLayout(w, s).Channel();
      return 0;
    case TBM_SETTHUMBLENGTH:
      if ((Style(w) & TBS_FIXEDLENGTH) != 0) s.thumbLength = std::max(int(wParam), 1);
      Redraw(w);
      return 0;
    case TBM_GETTHUMBLENGTH: return TrackBarLayout(w, s).ThumbLength();
  }
  return 0;
}

}  // namespace

void RegisterTrackBarClass() {
  user::EnsureClassRegistered(user::ClassRecord(TRACKBAR_CLASS, &TrackBarWindowProc,
                                                CS_HREDRAW | CS_VREDRAW, int(sizeof(LONG_PTR))));
}

LRESULT TrackBarWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) user::AttachWindowState(w, new TrackBarState);
  TrackBarState* state = StateOf(w);
  if (state == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  TrackBarState& s = *state;
  if (message >= TBM_GETPOS && message <= TBM_GETTHUMBLENGTH) return Message(w, s, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      user::FreeWindowState<TrackBarState>(w);
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: Paint(w, s, message == WM_PRINTCLIENT ? wParam : 0); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(w, s, message, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(w, s, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(w, s, lParam); return 0;
    case WM_TIMER:
      if (wParam != kRepeatTimer) break;
      OnTimer(w, s);
      return 0;
    case WM_LBUTTONUP:
      if (s.press != Press::None) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (s.press != Press::None) EndPress(w, s);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: Redraw(w); return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
