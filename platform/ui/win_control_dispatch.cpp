// TWinControl: message dispatch: MainWndProc (exceptions go to the application), WndProc, the
// message table (Dispatch), reflection of child notifications, the cursor, and DefaultHandler.
#include "platform/ui/win_control.h"

#include "platform/gdi/dc.h"
#include "platform/ui/application.h"
#include "platform/ui/brush.h"
#include "platform/ui/control_binding.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/owner_draw.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

// The child that asks for an item's drawing: the window the request names when it is a child of
// `parent` with the request's id (no search through the children on every paint), else the child
// with that id.
HWND DrawItemSource(HWND parent, const DRAWITEMSTRUCT& draw) {
  const HWND named = draw.CtlType == ODT_MENU ? nullptr : draw.hwndItem;
  if (named != nullptr && GetAncestor(named, GA_PARENT) == parent &&
      UINT(GetWindowLongPtrA(named, GWLP_ID)) == draw.CtlID)
    return named;
  return ChildWithId(parent, draw.CtlID);
}

// The child window a reflected notification came from.
HWND NotificationSource(HWND parent, const TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY: return *reinterpret_cast<const HWND*>(m.LParam);   // NMHDR.hwndFrom
    case WM_DRAWITEM: return DrawItemSource(parent, *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    case WM_MEASUREITEM: return ChildWithId(parent, reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam)->CtlID);
    default: return nullptr;
  }
}

}  // namespace

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    WindowProc(Message);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (ControlState().Contains(csFocusing)) return;
      break;
    case WM_NCHITTEST: {
      inherited::WndProc(Message);
      if (Message.Result == HTTRANSPARENT &&
          ControlAtPos(ScreenToClient(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}), false) !=
              nullptr)
        Message.Result = HTCLIENT;
      return;
    }
    case WM_CANCELMODE: {
      TControl* capture = GetCaptureControl();
      if (GetCapture() == handle_ && capture != nullptr && capture->Parent() == this)
        capture->Perform(WM_CANCELMODE, 0, 0);
      break;
    }
    default:
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && IsControlMouseMsg(Message)) {
        if (Message.Result == 0 && handle_ != nullptr)
          DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
        return;
      }
      if (Message.Msg >= WM_KEYFIRST && Message.Msg <= WM_KEYLAST && Dragging()) return;
  }
  inherited::WndProc(Message);
}

// A mouse message over a graphic child (or for the one holding the capture) goes to that child,
// in its own coordinates.
bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TControl* control = nullptr;
  const TPoint pos = MessagePos(Message);
  if (GetCapture() == handle_) {
    TControl* capture = GetCaptureControl();
    if (capture != nullptr && capture != this && capture->Parent() == this) control = capture;
  } else if (Message.Msg != WM_MOUSEWHEEL && Message.Msg != WM_MOUSEHWHEEL) {
    control = ControlAtPos(pos, false);
  }
  if (control == nullptr) return false;
  const TPoint local{pos.X - control->Left(), pos.Y - control->Top()};
  Message.Result = control->Perform(Message.Msg, Message.WParam, PointToLParam(local));
  return true;
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: return WMPaint(Message);
    case WM_ERASEBKGND: return WMEraseBkgnd(Message);
    case WM_PRINTCLIENT: return WMPrintClient(Message);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL: return WMReflect(Message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(Message)) inherited::Dispatch(Message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(Message)) inherited::Dispatch(Message);
      return;
    case WM_CHAR:
      if (!DoKeyPress(Message)) inherited::Dispatch(Message);
      return;
    case WM_SIZE: return WMSize(Message);
    case WM_MOVE: return WMMove(Message);
    case WM_WINDOWPOSCHANGING: return WMWindowPosChanging(Message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(Message);
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_NCDESTROY: return WMNCDestroy(Message);
    case WM_NCCALCSIZE: return WMNCCalcSize(Message);
    case WM_NCPAINT: return WMNCPaint(Message);
    case WM_SYSCOMMAND: return WMSysCommand(Message);
    case WM_SYSCOLORCHANGE:
      inherited::Dispatch(Message);
      Perform(CM_SYSCOLORCHANGE, 0, 0);
      return;
    case WM_WININICHANGE:
      inherited::Dispatch(Message);
      Perform(CM_WININICHANGE, Message.WParam, Message.LParam);
      return;
    case WM_FONTCHANGE:
      inherited::Dispatch(Message);
      Perform(CM_FONTCHANGE, 0, 0);
      return;
    case WM_TIMECHANGE:
      inherited::Dispatch(Message);
      Perform(CM_TIMECHANGE, 0, 0);
      return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(Message);
    case CN_CHAR: return CNChar(Message);
    case CN_SYSCHAR:
      // Alt+letter: the form's controls answer their accelerators.
      if (!ComponentState().Contains(csDesigning) && MessageCharCode(Message) != VK_SPACE)
        if (TCustomForm* form = GetParentForm(this))
          Message.Result = form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
      return;
    case CM_ENABLEDCHANGED: return CMEnabledChanged(Message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(Message);
    case CM_SHOWINGCHANGED: return CMShowingChanged(Message);
    case CM_COLORCHANGED: return CMColorChanged(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    case CM_PARENTCTL3DCHANGED: return CMParentCtl3DChanged(Message);
    case CM_SHOWHINTCHANGED: return CMShowHintChanged(Message);
    case CM_BIDIMODECHANGED: return CMBiDiModeChanged(Message);
    case CM_CURSORCHANGED: return CMCursorChanged(Message);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
    case CM_SYSCOLORCHANGE:
    case CM_WININICHANGE:
    case CM_FONTCHANGE:
    case CM_TIMECHANGE: return Broadcast(Message);
    case CM_ENTER: return DoEnter();
    case CM_EXIT: return DoExit();
    case CM_INVALIDATE: return CMInvalidate(Message);
    case CM_RECREATEWND: return CMRecreateWnd(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TWinControl::WMReflect(TMessage& Message) {
  if (TWinControl* control = FindControl(NotificationSource(handle_, Message))) {
    Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  inherited::Dispatch(Message);
}

void TWinControl::WMSetCursor(TMessage& Message) {
  if (reinterpret_cast<HWND>(Message.WParam) == handle_ && SmallInt(LOWORD(Message.LParam)) == HTCLIENT &&
      Screen != nullptr) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      TPoint p{};
      GetCursorPos(&p);
      if (TControl* control = ControlAtPos(ScreenToClient(p), false))
        cursor = control->ComponentState().Contains(csDesigning) ? crArrow : control->Cursor();
      if (cursor == crDefault) cursor = ComponentState().Contains(csDesigning) ? crArrow : Cursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TWinControl::CMCursorChanged(TMessage&) {
  if (GetCapture() != nullptr) return;
  TPoint p{};
  GetCursorPos(&p);
  if (FindDragTarget(p, false) == this) Perform(WM_SETCURSOR, WPARAM(Handle()), HTCLIENT);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (handle_ == nullptr) return inherited::DefaultHandler(Message);
  if (Message.Msg == WM_CONTEXTMENU && Parent() != nullptr) {
    Message.Result = Parent()->Perform(Message.Msg, Message.WParam, Message.LParam);
    if (Message.Result != 0) return;
  }
  if (Message.Msg >= WM_CTLCOLORMSGBOX && Message.Msg <= WM_CTLCOLORSTATIC) {
    Message.Result = SendMessageA(reinterpret_cast<HWND>(Message.LParam), CN_BASE + Message.Msg, Message.WParam,
                                  Message.LParam);
    return;
  }
  if (Message.Msg >= CN_CTLCOLORMSGBOX && Message.Msg <= CN_CTLCOLORSTATIC) {
    auto dc = reinterpret_cast<HDC>(Message.WParam);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    SetBkColor(dc, ColorToRGB(brush_->Color()));
    Message.Result = reinterpret_cast<LRESULT>(brush_->Handle());
    return;
  }
  Message.Result = CallWindowProcA(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
}
