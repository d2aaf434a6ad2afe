// The modal mouse loop of TkxControl: drag detection.  It takes every message of the thread while
// it runs and dispatches it, so a handler may free the control; the loop then ends without
// touching it again.
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_object_link.h"
#include "platform/ui/mouse.h"
#include "platform/user/capture.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
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
