#include "platform/ui/drag_image_list.h"

#include "platform/classes/publisher.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/image_list_drag.h"

PR_IMPLEMENT_CLASS(TDragImageList)

TDragImageList::~TDragImageList() { EndDrag(); }

bool TDragImageList::BeginDrag(HWND Window, Integer X, Integer Y) {
  if (dragging_ || dragIndex_ >= Count()) return false;
  if (!ImageList_BeginDrag(Handle(), dragIndex_, dragHotspot_.X, dragHotspot_.Y)) return false;
  dragging_ = true;
  hidden_ = false;
  DragLock(Window, X, Y);
  ShowCursor();
  return true;
}

bool TDragImageList::DragLock(HWND Window, Integer XPos, Integer YPos) {
  if (!dragging_) return false;
  if (dragHandle_ != nullptr && dragHandle_ != Window) DragUnlock();
  dragHandle_ = Window;
  dragPos_ = TPoint{XPos, YPos};
  ImageList_DragEnter(Window, XPos, YPos);
  if (hidden_) ImageList_DragShowNolock(FALSE);
  return true;
}

void TDragImageList::DragUnlock() {
  if (!dragging_ || dragHandle_ == nullptr) return;
  ImageList_DragLeave(dragHandle_);
  dragHandle_ = nullptr;
}

bool TDragImageList::DragMove(Integer X, Integer Y) {
  if (!dragging_) return false;
  dragPos_ = TPoint{X, Y};
  return ImageList_DragMove(X, Y) != FALSE;
}

bool TDragImageList::EndDrag() {
  if (!dragging_) return false;
  DragUnlock();
  ImageList_EndDrag();
  dragging_ = false;
  return true;
}

void TDragImageList::ShowDragImage() {
  hidden_ = false;
  if (dragging_) ImageList_DragShowNolock(TRUE);
}

void TDragImageList::HideDragImage() {
  hidden_ = true;
  if (dragging_) ImageList_DragShowNolock(FALSE);
}

bool TDragImageList::SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY) {
  if (Index < 0 || Index >= Count()) return false;
  dragIndex_ = Index;
  dragHotspot_ = TPoint{HotSpotX, HotSpotY};
  if (!dragging_) return true;
  // The window layer's drag keeps one image: start it again with the new one in the same place.
  const HWND window = dragHandle_;
  ImageList_EndDrag();
  dragHandle_ = nullptr;
  ImageList_BeginDrag(Handle(), dragIndex_, HotSpotX, HotSpotY);
  if (window != nullptr) DragLock(window, dragPos_.X, dragPos_.Y);
  return true;
}

void TDragImageList::SetDragCursor(TCursor Value) {
  dragCursor_ = Value;
  if (dragging_) ShowCursor();
}

void TDragImageList::ShowCursor() const {
  if (dragCursor_ != crNone && Screen != nullptr) ::SetCursor(Screen->Cursors(dragCursor_));
}
