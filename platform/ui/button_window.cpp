#include "platform/ui/button_window.h"

#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/capture.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

// Window extra bytes: the state flags, then the font.
constexpr int kStateIndex = 0;
constexpr int kFontIndex = int(sizeof(LONG_PTR));

// State flags beyond BST_PUSHED and BST_FOCUS.
constexpr LRESULT kCaptured = 0x100;    // the mouse is held on the button
constexpr LRESULT kSpaceDown = 0x200;   // Space is held on the button

LRESULT State(HWND w) { return LRESULT(GetWindowLongPtrA(w, kStateIndex)); }

void SetState(HWND w, LRESULT state, bool redraw = true) {
  if (State(w) == state) return;
  SetWindowLongPtrA(w, kStateIndex, state);
  if (redraw) InvalidateRect(w, nullptr, FALSE);
}

void SetFlag(HWND w, LRESULT flag, bool on, bool redraw = true) {
  SetState(w, on ? State(w) | flag : State(w) & ~flag, redraw);
}

DWORD Style(HWND w) { return DWORD(GetWindowLongPtrA(w, GWL_STYLE)); }

bool IsDefault(HWND w) { return (Style(w) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

void NotifyParent(HWND w, WORD code) {
  HWND parent = GetParent(w);
  if (parent == nullptr) return;
  const WORD id = WORD(GetWindowLongPtrA(w, GWLP_ID));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(w));
}

std::string Caption(HWND w) {
  std::string text(std::size_t(GetWindowTextLengthA(w)), '\0');
  GetWindowTextA(w, text.data(), int(text.size()) + 1);
  return text;
}

void DrawCaption(HWND w, HDC dc, TRect rect, bool pressed) {
  const std::string text = Caption(w);
  if (pressed) OffsetRect(&rect, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (IsWindowEnabled(w)) {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, text.data(), int(text.size()), &rect, format);
    return;
  }
  TRect shifted = rect;
  OffsetRect(&shifted, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  DrawTextA(dc, text.data(), int(text.size()), &shifted, format);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.data(), int(text.size()), &rect, format);
}

void Paint(HWND w, HDC dc) {
  TRect rect{};
  GetClientRect(w, &rect);
  const TRect client = rect;
  const LRESULT state = State(w);
  const bool pressed = (state & BST_PUSHED) != 0;
  if (IsDefault(w)) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rect, -1, -1);
  }
  if (pressed) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
    TRect face = rect;
    InflateRect(&face, -1, -1);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    TRect frame = rect;
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(w, kFontIndex));
  HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  TRect text = rect;
  InflateRect(&text, -2, -2);
  DrawCaption(w, dc, text, pressed);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
  if ((state & BST_FOCUS) != 0) {
    TRect focus = client;
    InflateRect(&focus, -4, -4);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void Release(HWND w, bool click) {
  const LRESULT state = State(w);
  SetState(w, state & ~(BST_PUSHED | kCaptured | kSpaceDown));
  if (click) NotifyParent(w, BN_CLICKED);
}

bool Inside(HWND w, LPARAM pos) {
  TRect client{};
  GetClientRect(w, &client);
  return PtInRect(&client, TPoint{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}) != 0;
}

LRESULT OnMouse(HWND w, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != w) SetFocus(w);
      SetCapture(w);
      SetState(w, State(w) | BST_PUSHED | kCaptured);
      return 0;
    case WM_MOUSEMOVE:
      if ((State(w) & kCaptured) != 0) SetFlag(w, BST_PUSHED, Inside(w, lParam));
      return 0;
    case WM_LBUTTONUP:
      if ((State(w) & kCaptured) == 0) return 0;
      {
        const bool click = Inside(w, lParam);
        SetState(w, State(w) & ~kCaptured, false);
        ReleaseCapture();
        Release(w, click);
      }
      return 0;
  }
  return 0;
}

LRESULT OnKey(HWND w, UINT message, WPARAM key) {
  if (key != VK_SPACE) return DefWindowProcA(w, message, key, 0);
  if (message == WM_KEYDOWN) {
    if ((State(w) & kCaptured) == 0) SetState(w, State(w) | BST_PUSHED | kSpaceDown);
  } else if ((State(w) & kSpaceDown) != 0) {
    Release(w, (State(w) & BST_PUSHED) != 0);
  }
  return 0;
}

}  // namespace

void RegisterButtonClass() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &ButtonWindowProc;
    wc.cbWndExtra = 2 * int(sizeof(LONG_PTR));
    wc.lpszClassName = "BUTTON";
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
}

LRESULT ButtonWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      if (wParam != 0) {
        Paint(w, reinterpret_cast<HDC>(wParam));
        return 0;
      }
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(w, &ps);
      Paint(w, dc);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return OnMouse(w, message, lParam);
    case WM_CAPTURECHANGED:
      if ((State(w) & kCaptured) != 0) Release(w, false);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: return OnKey(w, message, wParam);
    case WM_SETFOCUS: SetFlag(w, BST_FOCUS, true); return 0;
    case WM_KILLFOCUS:
      SetFlag(w, BST_FOCUS, false);
      if ((State(w) & kSpaceDown) != 0) Release(w, false);
      return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON | (IsDefault(w) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_ENABLE: InvalidateRect(w, nullptr, FALSE); return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(w, message, wParam, lParam);
      InvalidateRect(w, nullptr, FALSE);
      return result;
    }
    case WM_SETFONT:
      SetWindowLongPtrA(w, kFontIndex, LONG_PTR(wParam));
      if (lParam != 0) InvalidateRect(w, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return LRESULT(GetWindowLongPtrA(w, kFontIndex));
    case BM_CLICK: NotifyParent(w, BN_CLICKED); return 0;
    case BM_GETSTATE: return State(w) & (BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE: SetFlag(w, BST_PUSHED, wParam != 0); return 0;
    case BM_GETCHECK: return BST_UNCHECKED;
    case BM_SETCHECK: return 0;
    case BM_SETSTYLE:
      SetWindowLongPtrA(w, GWL_STYLE, LONG_PTR((Style(w) & ~DWORD(0xFFFF)) | DWORD(LOWORD(wParam))));
      if (lParam != 0) InvalidateRect(w, nullptr, FALSE);
      return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
