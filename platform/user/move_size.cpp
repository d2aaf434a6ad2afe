#include "platform/user/move_size.h"

#include <algorithm>

#include "platform/user/capture.h"
#include "platform/user/hooks.h"
#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/non_client.h"
#include "platform/user/non_client_paint.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

// Moves the edges a sizing drag holds by the mouse's travel.
TRect Sized(TRect r, WPARAM edge, int dx, int dy) {
  const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
  const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
  const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
  const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
  if (left) r.Left += dx;
  if (right) r.Right += dx;
  if (top) r.Top += dy;
  if (bottom) r.Bottom += dy;
  return r;
}

// Where the window rectangle lies in its parent's client coordinates for a screen rectangle.
TRect ToParent(HWND hwnd, TRect screen) {
  Window* w = W(hwnd);
  const TPoint o = ClientOrigin(w->parent);
  OffsetRect(&screen, -o.X, -o.Y);
  return screen;
}

TRect ButtonRect(HWND hwnd, int hit) {
  Window* w = W(hwnd);
  const FrameLayout f = LayoutFrame(w->style, w->exStyle, w->rect.Width(), w->rect.Height());
  TRect r = hit == HTCLOSE ? f.closeButton : hit == HTMAXBUTTON ? f.maxButton : f.minButton;
  const TPoint o = WindowOrigin(w);
  OffsetRect(&r, o.X, o.Y);
  return r;
}

WPARAM ButtonCommand(HWND hwnd, int hit) {
  if (hit == HTCLOSE) return SC_CLOSE;
  if (hit == HTMINBUTTON) return SC_MINIMIZE;
  return IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
}

// The button looks pushed while the mouse holds it over it; the frame is redrawn on each change.
void ShowButtonPressed(HWND hwnd, int hit, bool pressed) {
  Window* w = W(hwnd);
  const int wanted = pressed ? hit : 0;
  if (w->pressedCaptionButton == wanted) return;
  w->pressedCaptionButton = wanted;
  PaintNonClient(hwnd, reinterpret_cast<HRGN>(1));
}

}  // namespace

void MoveSizeLoop(HWND hwnd, WPARAM command, TPoint start) {
  Window* w = W(hwnd);
  if (w == nullptr || (w->style & WS_MAXIMIZE)) return;
  const bool moving = (command & 0xFFF0) == SC_MOVE;
  const WPARAM edge = command & 0x000F;
  TRect origin = ScreenRect(w);
  if (CallHooks(WH_CBT, HCBT_MOVESIZE, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&origin)) != 0) return;
  SendFrom(hwnd, WM_ENTERSIZEMOVE, 0, 0, false);
  SetCapture(hwnd);
  MSG m;
  while (GetCapture() == hwnd && GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (W(hwnd) == nullptr) return;
    if (m.message == WM_LBUTTONUP) break;
    if (m.message != WM_MOUSEMOVE || m.hwnd != hwnd) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
      continue;
    }
    const TPoint now = CursorPosition();
    const int dx = now.X - start.X, dy = now.Y - start.Y;
    TRect proposed = moving ? origin : Sized(origin, edge, dx, dy);
    if (moving) OffsetRect(&proposed, dx, dy);
    SendFrom(hwnd, moving ? WM_MOVING : WM_SIZING, moving ? 0 : edge, reinterpret_cast<LPARAM>(&proposed), false);
    if (W(hwnd) == nullptr) return;
    const TRect r = ToParent(hwnd, proposed);
    SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | (moving ? SWP_NOSIZE : 0));
  }
  if (W(hwnd) == nullptr) return;
  if (GetCapture() == hwnd) ReleaseCapture();
  SendFrom(hwnd, WM_EXITSIZEMOVE, 0, 0, false);
}

void TrackCaptionButton(HWND hwnd, int hit) {
  const TRect button = ButtonRect(hwnd, hit);
  SetCapture(hwnd);
  ShowButtonPressed(hwnd, hit, true);
  MSG m;
  while (GetCapture() == hwnd && GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (W(hwnd) == nullptr) return;
    if (m.message == WM_LBUTTONUP) break;
    if (m.message == WM_MOUSEMOVE && m.hwnd == hwnd) {
      ShowButtonPressed(hwnd, hit, PtInRect(&button, CursorPosition()) != 0);
      continue;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (W(hwnd) == nullptr) return;
  if (GetCapture() == hwnd) ReleaseCapture();
  ShowButtonPressed(hwnd, hit, false);
  if (PtInRect(&button, CursorPosition())) SendFrom(hwnd, WM_SYSCOMMAND, ButtonCommand(hwnd, hit), 0, false);
}

}  // namespace user
