// TProStringGrid: the window messages the grid answers itself.
#include "grid/pro_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/user/message_ids.h"

void TProStringGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      return WMPaint(Message);
    case WM_HSCROLL:
      return WMScroll(Message, false);
    case WM_VSCROLL:
      return WMScroll(Message, true);
    case WM_TIMER:
      return WMTimer(Message);
    case WM_SETFOCUS:
      return WMSetFocus(Message);
    case WM_NOTIFY:
      return WMNotify(Message);
    case WM_KEYDOWN:
      return WMKeyDown(Message);
    case WM_CHAR:
      return WMChar(Message);
    case WM_LBUTTONDBLCLK:
      return WMLButtonDblClk(Message);
    case WM_LBUTTONUP:
      return WMLButtonUp(Message);
    case WM_SETCURSOR:
      return WMSetCursor(Message);
    case WM_RBUTTONDOWN:
      return WMRButtonDown(Message);
    case CM_DIALOGCHAR:
      return CMDialogChar(Message);
    case WM_NCPAINT:
      return WMNCPaint(Message);
    case WM_ERASEBKGND:
      // The cells cover the client area; nothing is erased beneath them.
      Message.Result = 0;
      return;
    case CM_MOUSELEAVE:
      if (Message.LParam == 0) CMMouseLeave();   // not a child's leave passed up
      break;
    case CM_HINTSHOW:
      inherited::Dispatch(Message);
      GetHintInfo(*reinterpret_cast<THintInfo*>(Message.LParam));
      return;
    default:
      break;
  }
  inherited::Dispatch(Message);
}
