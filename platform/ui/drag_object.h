// Dragging controls: the drag object that travels with a drag, and CM_DRAG, the message the drag
// sends to the controls under the mouse.
//
// BeginDrag captures the mouse in a hidden drag window; once the mouse has moved Threshold
// pixels (at once when Immediate), every move sends the control under it CM_DRAG with
// dmDragEnter / dmDragMove (and dmDragLeave to the one it left), which asks DragOver (OnDragOver)
// whether it accepts; the cursor shows DragCursor or crNoDrop.  Releasing the button over an
// accepting control sends it dmDragDrop (DragDrop, OnDragDrop); Escape or a lost capture cancels.
// Either way the source hears EndDrag (OnEndDrag) with the target or nullptr.
//
// A drag object with drag images (GetDragImages; a control's are its own GetDragImages) shows them
// under the mouse once the drag has started, over the controls whose ControlStyle has
// csDisplayDragImage only, and takes them away before the drop or cancel is sent.
#pragma once

#include "platform/classes/object.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"

class TControl;
class TDragImageList;

PR_ENUM(TDragMessage, dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget)

class TDragObject : public TObject {
  PR_CLASS(TDragObject, TObject)

 public:
  TDragObject() = default;
  virtual TCursor GetDragCursor(bool Accepted, Integer X, Integer Y);
  virtual void Finished(TObject*, Integer, Integer, bool) {}
  virtual TDragImageList* GetDragImages() { return nullptr; }
  void ShowDragImage();
  void HideDragImage();
  TPoint DragPos() const { return dragPos_; }
  void SetDragPos(TPoint Value) { dragPos_ = Value; }
  TControl* DragTarget() const { return dragTarget_; }
  void SetDragTarget(TControl* Value) { dragTarget_ = Value; }
  bool Cancelling() const { return cancelling_; }
  void SetCancelling(bool Value) { cancelling_ = Value; }

 private:
  TPoint dragPos_;
  TControl* dragTarget_ = nullptr;
  bool cancelling_ = false;
};

// The drag object of a control dragged without one of its own (OnStartDrag left it empty).
class TDragControlObject : public TDragObject {
  PR_CLASS(TDragControlObject, TDragObject)

 public:
  explicit TDragControlObject(TControl* Control = nullptr) : control_(Control) {}
  TControl* Control() const { return control_; }
  TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
  TDragImageList* GetDragImages() override;

 private:
  TControl* control_;
};

// What CM_DRAG carries (LParam); WParam is the TDragMessage.
struct TDragRec {
  TPoint Pos;               // screen coordinates
  TDragObject* Source = nullptr;
  TControl* Target = nullptr;
};

// The control being dragged, or nullptr.
TControl* DragControl();
// Ends a drag in progress without a drop.  Called from DoStartDrag (OnStartDrag) it refuses the
// drag being begun: BeginDrag then starts nothing.
void CancelDrag();
