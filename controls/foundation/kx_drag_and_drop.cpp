#include "controls/foundation/kx_drag_and_drop.h"

#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "platform/classes/publisher.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"

PR_IMPLEMENT_CLASS(TkxDragAndDropObject)
PR_IMPLEMENT_CLASS(TkxDragControlObject)
PR_IMPLEMENT_CLASS(TkxDragImageList)

TkxDragAndDropObject::TkxDragAndDropObject(TkxControl* AControl) : canvas_(AControl->KxCanvas()), control_(AControl) {}

TCursor TkxDragAndDropObject::GetDragAndDropCursor(bool Accepted) { return Accepted ? crDrag : crNoDrop; }

void TkxDragAndDropObject::DragAndDrop(TPoint, bool& Accepted) {
  dirty_ = false;
  if (Screen != nullptr) Screen->SetCursor(GetDragAndDropCursor(Accepted));
}

void TkxDragAndDropObject::SetDirty(bool Value) {
  if (dirty_ == Value) return;
  dirty_ = Value;
  DirtyChanged();
}

void TkxDragAndDropObject::SetMousePos(TPoint P) {
  prevMousePos_ = curMousePos_;
  curMousePos_ = P;
}

void TkxDragAndDropObject::Init() {
  curMousePos_ = control_->ScreenToClient(GetCursorPosSafe());
  prevMousePos_ = curMousePos_;
  BeginDragAndDrop();
}

void TkxDragAndDropObject::DoDragAndDrop(TPoint P, bool& Accepted) {
  SetMousePos(P);
  DragAndDrop(P, Accepted);
}

void TkxDragAndDropObject::DoEndDragAndDrop(bool Accepted) {
  BeforeEndDragAndDrop(Accepted);
  EndDragAndDrop(Accepted);
}

TkxDragControlObject::TkxDragControlObject(TkxControl* AControl) : TDragControlObject(AControl) {}

void TkxDragControlObject::Finished(TObject* Target, Integer X, Integer Y, bool Accepted) {
  TDragControlObject::Finished(Target, X, Y, Accepted);
  delete this;
}

TCursor TkxDragControlObject::GetDragCursor(bool Accepted, Integer X, Integer Y) {
  auto* control = static_cast<TkxControl*>(Control());
  if (Accepted && control->IsDragCopy()) return crKxDragCopy;
  return TDragControlObject::GetDragCursor(Accepted, X, Y);
}
