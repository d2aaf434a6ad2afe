// The objects of the control library's drag operations.
//
// TkxDragAndDropObject runs a control's internal drag-and-drop operation (moving or resizing parts
// of its own content): the control makes it on first use, drives it through BeginDragAndDrop, one
// DragAndDrop per mouse move and DoEndDragAndDrop, and frees it when the operation is finished.
// Both mouse positions are client coordinates and start as (-1, -1).
//
// TkxDragControlObject is the drag object of the platform's standard drag of a TkxControl: it
// shows the copy cursor while Ctrl is held over an accepting target and frees itself when the
// drag has finished.  TkxDragImageList is the class of a control's drag images.
#pragma once

#include "platform/ui/drag_image_list.h"
#include "platform/ui/drag_object.h"

class TkxCanvas;
class TkxControl;

class TkxDragAndDropObject : public TObject {
  PR_CLASS(TkxDragAndDropObject, TObject)

 public:
  explicit TkxDragAndDropObject(TkxControl* AControl);

  virtual void DirtyChanged() {}
  virtual TCursor GetDragAndDropCursor(bool Accepted);
  // Whether the operation begins at the press instead of after the drag threshold.
  virtual bool GetImmediateStart() { return false; }
  virtual void EndDragAndDrop(bool) {}
  virtual void BeginDragAndDrop() { DirtyChanged(); }
  virtual void DragAndDrop(TPoint P, bool& Accepted);
  virtual void BeforeEndDragAndDrop(bool) { SetDirty(true); }

  void SetDirty(bool Value);
  void SetMousePos(TPoint P);
  // Both positions := the cursor in the control's client coordinates; then BeginDragAndDrop.
  void Init();
  void DoDragAndDrop(TPoint P, bool& Accepted);
  void DoEndDragAndDrop(bool Accepted);

  TkxControl* Control() const { return control_; }
  TkxCanvas* Canvas() const { return canvas_; }
  bool Dirty() const { return dirty_; }
  TPoint CurMousePos() const { return curMousePos_; }
  TPoint PrevMousePos() const { return prevMousePos_; }

 private:
  TkxCanvas* canvas_;
  TkxControl* control_;
  bool dirty_ = false;
  TPoint curMousePos_{-1, -1};
  TPoint prevMousePos_{-1, -1};
};

class TkxDragControlObject : public TDragControlObject {
  PR_CLASS(TkxDragControlObject, TDragControlObject)

 public:
  explicit TkxDragControlObject(TkxControl* AControl);
  // The inherited end, then the object frees itself: it must have been made with new.
  void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;
  TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
};

class TkxDragImageList : public TDragImageList {
  PR_CLASS(TkxDragImageList, TDragImageList)

 public:
  using TDragImageList::TDragImageList;
};
