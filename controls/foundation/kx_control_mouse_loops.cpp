// The modal mouse loops of TkxControl: drag detection and middle-button panning.  Each takes every
// message of the thread while it runs and dispatches it, so a handler may free the control; the
// loop then ends, releases the capture, kills its timer, destroys its anchor window and touches
// nothing of the control.
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_panning.h"
#include "platform/ui/mouse.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"

namespace {

// Takes the next message; false when the loop must end (-1, or WM_QUIT, which is posted again
// for the application's own loop).
bool NextMessage(MSG& msg) {
  const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0) PostQuitMessage(int(msg.wParam));
  return got != 0 && got != -1;
}

bool IsEscapeKey(const MSG& msg) {
  return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE;
}

void TranslateAndDispatch(const MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

Integer TkxControl::DetectDragStart(HWND Window) {
  Integer result = 2;
  const TPoint start = GetCursorPosSafe();
  const Integer threshold = Mouse.DragThreshold();
  // The square's right and bottom edges lie outside it.
  const TRect square{start.X - threshold, start.Y - threshold, start.X + threshold, start.Y + threshold};
  const TkxScopedObjectLink link(this);
  SetCapture(Window);
  MSG msg{};
  while (link.Alive() && GetCapture() == Window && NextMessage(msg)) {
    bool done = IsEscapeKey(msg);
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == Window) {
      TPoint p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      MapPointBetweenWindows(Window, nullptr, p);
      if (!PtInRect(&square, p)) {
        result = 1;
        done = true;
      }
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_MBUTTONUP) {
      result = 0;
      done = true;
    }
    TranslateAndDispatch(msg);
    if (done) break;
  }
  if (GetCapture() == Window) ReleaseCapture();
  return result;
}

struct TkxControl::PanningState {
  TPoint anchor;
  TkxPanningBars bars;
  TkxDirection direction = dirNone;
  Integer speed = 1;
  UInt64 ticks = 0;
  TPoint last;
  bool movedOut = false;
};

void TkxControl::PanningMouseMove(PanningState& State, TPoint ScreenPoint) {
  const TkxPanningMove move = CalculatePanningMove(State.anchor, ScreenPoint, kxPanningAnchorSize, State.bars,
                                                   TSize{Screen->Width(), Screen->Height()});
  if (move.MovedOut) State.movedOut = true;
  State.direction = move.Direction;
  State.speed = move.Speed;
  ::SetCursor(Screen->Cursors(GetPanningCursor(State.direction, State.bars)));
  State.last = ScreenPoint;
}

void TkxControl::StartPanning() {
  PanningState state;
  state.bars = TkxPanningBars{IsHScrollBarVisible(), IsVScrollBarVisible()};
  if (!state.bars.Horizontal && !state.bars.Vertical) return;
  const TkxScopedObjectLink link(this);
  const HWND window = Handle();
  panning_ = true;
  state.anchor = state.last = GetCursorPosSafe();
  TkxPanningAnchor anchor(window, state.anchor, state.bars);
  ::SetCursor(Screen->Cursors(GetPanningCursor(dirNone, state.bars)));
  const UINT_PTR timer = SetTimer(nullptr, 0, kxPanningTickMs, nullptr);
  SetCapture(window);
  MSG msg{};
  while (link.Alive() && GetCapture() == window && NextMessage(msg)) {
    if (msg.message == WM_PAINT && msg.hwnd == anchor.Handle()) {
      ValidateRect(anchor.Handle(), nullptr);
      continue;
    }
    // A click, a wheel turn or another press ends panning and is not passed on.
    if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSEWHEEL && msg.message != WM_MBUTTONUP) break;
    bool done = IsEscapeKey(msg);
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
      if (++state.ticks % UInt64(kxPanningMaxSpeed + 1 - state.speed) == 0) ScrollByDirection(state.direction);
    } else if (msg.message == WM_MOUSEMOVE) {
      TPoint p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      MapPointBetweenWindows(msg.hwnd, nullptr, p);
      if (p != state.last) PanningMouseMove(state, p);
    } else if (msg.message == WM_MBUTTONUP && state.movedOut) {
      done = true;
    }
    if (!link.Alive()) break;
    TranslateAndDispatch(msg);
    if (done) break;
  }
  if (GetCapture() == window) ReleaseCapture();
  KillTimer(nullptr, timer);
  if (link.Alive()) panning_ = false;
}
