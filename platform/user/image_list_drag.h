// Dragging an image list's image over the windows: ImageList_BeginDrag, ImageList_DragEnter,
// ImageList_DragMove, ImageList_DragLeave, ImageList_DragShowNolock, ImageList_EndDrag and
// ImageList_SetDragCursorImage.  One drag image exists at a time (per process).
//
// Every top-level window here draws into a surface of its own, so the image cannot be drawn over
// "the screen" and restored afterwards.  It is shown instead in a small top-level window of its
// own: a topmost popup that is never activated, is shaped by the image's mask (window region) and
// is layered and transparent to the mouse, so hit testing, WindowFromPoint and drag targets look
// through it.  A backend shows it like any other window.
//
// Coordinates: DragEnter and DragMove take a point relative to the lock window's top-left corner
// (its window rectangle; the desktop or a null window: the screen).  The image's hot spot is put on
// that point.  ImageList_SetDragCursorImage merges a second image (usually a cursor's) into the drag
// image with its own hot spot placed on the drag image's hot spot; the merged image covers both and
// its hot spot stays on the same screen point.
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/user/user_types.h"

// Starts a drag with a copy of the image (its mask included); false when a drag is already
// running or the index is bad.  The image shows only after ImageList_DragEnter.
BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int dxHotspot, int dyHotspot);
// Locks the drag to a window and shows the image at (x, y) of it.
BOOL ImageList_DragEnter(HWND lock, int x, int y);
BOOL ImageList_DragMove(int x, int y);
// Hides the image and unlocks the window.
BOOL ImageList_DragLeave(HWND lock);
// Shows or hides the image while a window is locked.
BOOL ImageList_DragShowNolock(BOOL show);
void ImageList_EndDrag();
BOOL ImageList_SetDragCursorImage(HIMAGELIST drag, int index, int dxHotspot, int dyHotspot);

namespace user {

// The window showing the drag image (nullptr when no drag runs), for backends and tests.
HWND DragImageWindow();

}  // namespace user
