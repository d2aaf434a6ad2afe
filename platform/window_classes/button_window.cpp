#include "platform/window_classes/button_window.h"

#include "platform/user/owner_draw.h"
#include "platform/window_classes/button_paint.h"

#include <string>

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
#include "platform/window_classes/text_and_font_messages.h"

namespace {

// Window extra bytes: the state flags, then the font.
constexpr int kStateIndex = 0;
constexpr int kFontIndex = int(sizeof(LONG_PTR));

// State flags beyond BST_PUSHED and BST_FOCUS.
constexpr LRESULT kCaptured = 0x100;    // the mouse is held on the button
constexpr LRESULT kSpaceDown = 0x200;   // Space is held on the button
constexpr LRESULT kCheckMask = BST_CHECKED | BST_INDETERMINATE;

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

DWORD Type(HWND w) { return Style(w) & BS_TYPEMASK; }

bool IsDefault(HWND w) { return Type(w) == BS_DEFPUSHBUTTON; }

bool IsCheckStyle(DWORD type) {
  return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_GROUPBOX && type != BS_USERBUTTON &&
         type != BS_OWNERDRAW;
}

bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

bool IsThreeState(DWORD type) { return type == BS_3STATE || type == BS_AUTO3STATE; }

// BM_SETCHECK: push buttons keep no check; two-state styles take any non-zero value as checked.
void SetCheck(HWND w, LRESULT check) {
  const DWORD type = Type(w);
  if (!IsCheckStyle(type)) return;
  if (!IsThreeState(type) && check != BST_UNCHECKED) check = BST_CHECKED;
  SetState(w, (State(w) & ~kCheckMask) | (check & kCheckMask));
}

// The group of a radio button runs from the nearest sibling at or before it with WS_GROUP (or the
// first sibling) to the sibling before the next WS_GROUP.  Checking one automatic radio button
// unchecks the other automatic radio buttons of its group.
HWND GroupStart(HWND w) {
  HWND start = w;
  while ((Style(start) & WS_GROUP) == 0) {
    HWND previous = GetWindow(start, GW_HWNDPREV);
    if (previous == nullptr) break;
    start = previous;
  }
  return start;
}

// Other classes may use the same style bits: only a window that says it is a radio button counts.
bool IsAutoRadioButton(HWND w) {
  return Type(w) == BS_AUTORADIOBUTTON && (SendMessageA(w, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

void CheckRadioInGroup(HWND w) {
  HWND sibling = GroupStart(w);
  do {
    if (sibling != w && IsAutoRadioButton(sibling))
      SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    sibling = GetWindow(sibling, GW_HWNDNEXT);
  } while (sibling != nullptr && (Style(sibling) & WS_GROUP) == 0);
  SetCheck(w, BST_CHECKED);
}

LRESULT DialogCode(HWND w) {
  const DWORD type = Type(w);
  if (IsRadio(type)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
  if (IsCheckStyle(type)) return DLGC_BUTTON;
  return DLGC_BUTTON | (IsDefault(w) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void NotifyParent(HWND w, WORD code) {
  HWND parent = GetParent(w);
  if (parent == nullptr) return;
  const WORD id = WORD(GetWindowLongPtrA(w, GWLP_ID));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(w));
}

// An owner-drawn button asks its parent to draw it whole.
void PaintOwnerDrawn(HWND w, HDC dc) {
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
  item.itemAction = ODA_DRAWENTIRE;
  if ((State(w) & BST_PUSHED) != 0) item.itemState |= ODS_SELECTED;
  if ((State(w) & BST_FOCUS) != 0) item.itemState |= ODS_FOCUS;
  if (IsWindowEnabled(w) == 0) item.itemState |= ODS_DISABLED;
  item.hwndItem = w;
  item.hDC = dc;
  GetClientRect(w, &item.rcItem);
  SendMessageA(GetParent(w), WM_DRAWITEM, WPARAM(item.CtlID), LPARAM(&item));
}

void Paint(HWND w, HDC dc) {
  if (Type(w) == BS_OWNERDRAW) return PaintOwnerDrawn(w, dc);
  TButtonLook look{};
  look.Text.resize(std::size_t(GetWindowTextLengthA(w)));
  GetWindowTextA(w, look.Text.data(), int(look.Text.size()) + 1);
  look.Font = reinterpret_cast<HGDIOBJ>(GetWindowLongPtrA(w, kFontIndex));
  look.Style = Style(w);
  look.State = State(w);
  look.Enabled = IsWindowEnabled(w) != 0;
  if (IsCheckStyle(Type(w))) {
    look.Background = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(w), WM_CTLCOLORBTN, WPARAM(dc), LPARAM(w)));
    PaintCheckButton(w, dc, look);
  } else {
    PaintPushButton(w, dc, look);
  }
}

// A click: the automatic styles take their next check state first, then the parent hears
// BN_CLICKED.
void Clicked(HWND w) {
  switch (Type(w)) {
    case BS_AUTOCHECKBOX: SetState(w, (State(w) & ~kCheckMask) | ((State(w) & BST_CHECKED) ^ BST_CHECKED)); break;
    case BS_AUTO3STATE: SetState(w, (State(w) & ~kCheckMask) | ((State(w) & kCheckMask) + 1) % 3); break;
    case BS_AUTORADIOBUTTON: CheckRadioInGroup(w); break;
  }
  NotifyParent(w, BN_CLICKED);
}

void Release(HWND w, bool click) {
  const LRESULT state = State(w);
  SetState(w, state & ~(BST_PUSHED | kCaptured | kSpaceDown));
  if (click) Clicked(w);
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
  constexpr UINT kStyle = CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW;
  user::EnsureClassRegistered(user::ClassRecord("BUTTON", &ButtonWindowProc, kStyle, 2 * int(sizeof(LONG_PTR))));
}

LRESULT ButtonWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT handled = 0; HandleTextAndFontMessage(w, message, wParam, lParam, kFontIndex, handled)) return handled;
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      user::PaintClient(w, wParam, [w](HDC dc) { Paint(w, dc); });
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
    case WM_GETDLGCODE: return DialogCode(w);
    case WM_ENABLE: InvalidateRect(w, nullptr, FALSE); return 0;
    case BM_CLICK: Clicked(w); return 0;
    case BM_GETSTATE: return State(w) & (BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE: SetFlag(w, BST_PUSHED, wParam != 0); return 0;
    case BM_GETCHECK: return State(w) & kCheckMask;
    case BM_SETCHECK: SetCheck(w, LRESULT(wParam)); return 0;
    case BM_SETSTYLE:
      SetWindowLongPtrA(w, GWL_STYLE, LONG_PTR((Style(w) & ~DWORD(0xFFFF)) | DWORD(LOWORD(wParam))));
      if (lParam != 0) InvalidateRect(w, nullptr, FALSE);
      return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
