// TProStringGrid: the window messages the grid answers itself.
#include "grid/pro_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/user/message_ids.h"

void TProStringGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      return WMPaint(Message);
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
