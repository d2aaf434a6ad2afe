// TProStringGrid: the update lock.  While it is held the grid does not paint; bulk operations
// (row and column moves, sorting, filtering, grouping) hold it and the grid paints once at the end.
//
// The lock counts only while the grid shows (Showing), and only then is the window's redraw
// switched off (WM_SETREDRAW): a hidden window with redraw switched on would become visible.
// Releasing the last level, and ResetUpdate, switch redraw on again and repaint the client area
// when the grid shows; a grid hidden meanwhile is repainted by being shown again.
#include "grid/pro_string_grid.h"
#include "platform/user/message_ids.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"

void TProStringGrid::BeginUpdate() {
  if (!Showing()) return;
  ++updateCount_;
  SendMessageA(WindowHandle(), WM_SETREDRAW, FALSE, 0);
}

void TProStringGrid::BeginUpdateQuiet() { ++updateCount_; }

void TProStringGrid::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ == 0) RedrawAfterLock();
}

void TProStringGrid::ResetUpdate() {
  updateCount_ = 0;
  RedrawAfterLock();
}

void TProStringGrid::RedrawAfterLock() {
  if (!Showing()) return;
  SendMessageA(WindowHandle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(WindowHandle(), nullptr, FALSE);
}

// Under the lock a paint request is answered without drawing: the window is validated, so that it
// does not ask again, and the release repaints the whole client area.
void TProStringGrid::WMPaint(TMessage& Message) {
  if (updateCount_ == 0) return inherited::Dispatch(Message);
  if (Message.WParam == 0) ValidateRect(WindowHandle(), nullptr);
  Message.Result = 0;
}
