// TProStringGrid: the window messages the grid answers itself.
#include "grid/pro_string_grid.h"
#include "platform/user/message_ids.h"

void TProStringGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      return WMPaint(Message);
    case WM_NCPAINT:
      return WMNCPaint(Message);
    case WM_ERASEBKGND:
      // The cells cover the client area; nothing is erased beneath them.
      Message.Result = 0;
      return;
    default:
      break;
  }
  inherited::Dispatch(Message);
}
