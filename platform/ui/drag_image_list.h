// TDragImageList: an image list whose image can follow a drag over the screen, through the window
// layer's drag image (platform/user/image_list_drag.h; one drag image at a time in the process).
//
// SetDragImage chooses the image and its hot spot (image 0 at (0, 0) until then); BeginDrag starts
// showing it over a window (the desktop window: the screen) with the hot spot at (X, Y) of that
// window's corner; DragMove moves it there, HideDragImage / ShowDragImage hide and show it
// without ending the drag, and EndDrag ends it.  DragLock / DragUnlock show and hide it over
// another window while the drag goes on.  Changing the drag image during a drag shows the new one
// at once, in the same place.  DragCursor (crNone: none of its own) becomes the pointer when the
// drag begins and when it changes during the drag.  Freeing a list ends its drag.
#pragma once

#include "platform/ui/control_types.h"
#include "platform/ui/custom_image_list.h"
#include "platform/user/user_types.h"

class TDragImageList : public TCustomImageList {
  PR_CLASS(TDragImageList, TCustomImageList)

 public:
  using TCustomImageList::TCustomImageList;
  ~TDragImageList() override;

  bool BeginDrag(HWND Window, Integer X, Integer Y);
  bool DragLock(HWND Window, Integer XPos, Integer YPos);
  void DragUnlock();
  bool DragMove(Integer X, Integer Y);
  bool EndDrag();
  void ShowDragImage();
  void HideDragImage();
  // False for an index outside the list.
  bool SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY);
  TPoint GetHotSpot() const { return dragHotspot_; }
  TPoint DragHotspot() const { return dragHotspot_; }
  void SetDragHotspot(TPoint Value) { SetDragImage(dragIndex_, Value.X, Value.Y); }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor Value);
  bool Dragging() const { return dragging_; }

 private:
  void ShowCursor() const;

  Integer dragIndex_ = 0;
  TPoint dragHotspot_;
  TCursor dragCursor_ = -1;   // crNone
  HWND dragHandle_ = nullptr;
  TPoint dragPos_;            // the hot spot, relative to dragHandle_'s corner
  bool dragging_ = false;
  bool hidden_ = false;
};
