// Dragging: the drag of one control at a time, run from a hidden window holding the capture.
#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/ui/cursors.h"
#include "platform/ui/drag_image_list.h"
#include "platform/ui/drag_object.h"
#include "platform/ui/form.h"
#include "platform/ui/mouse.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TDragObject)
PR_IMPLEMENT_CLASS(TDragControlObject)

// The source's part of the end of a drag (DoEndDrag is protected; this is its friend).
void EndDragOf(TControl* Control, TObject* Target, Integer X, Integer Y) { Control->DoEndDrag(Target, X, Y); }

namespace {

struct Drag {
  TControl* control = nullptr;
  TDragObject* object = nullptr;
  std::unique_ptr<TDragObject> owned;   // the drag object made for a control without one
  TDragImageList* images = nullptr;     // dragging its image over the screen, or none
  HWND window = nullptr;
  TPoint start;
  Integer threshold = 0;
  bool active = false;
  bool accepted = false;
};

std::unique_ptr<Drag>& Current() {
  static std::unique_ptr<Drag> drag;
  return drag;
}

// While BeginDrag asks DoStartDrag for a drag object: the flag CancelDrag sets to refuse the drag.
bool*& StartCancelled() {
  static bool* flag = nullptr;
  return flag;
}

LRESULT SendDragMessage(TControl* target, TDragMessage message, Drag& drag, TPoint pos) {
  if (target == nullptr) return 0;
  TDragRec rec{pos, drag.object, target};
  return target->Perform(CM_DRAG, message, LPARAM(&rec));
}

// The drag images follow the mouse, seen only over controls that display them.
void ShowImagesOver(Drag& drag, TControl* target, TPoint pos) {
  if (drag.images == nullptr) return;
  drag.images->DragMove(pos.X, pos.Y);
  if (target != nullptr && target->ControlStyle().Contains(csDisplayDragImage))
    drag.images->ShowDragImage();
  else
    drag.images->HideDragImage();
}

void DragTo(TPoint pos) {
  Drag& drag = *Current();
  if (!drag.active && std::abs(pos.X - drag.start.X) < drag.threshold &&
      std::abs(pos.Y - drag.start.Y) < drag.threshold)
    return;
  drag.active = true;
  TControl* target = FindDragTarget(pos, false);
  if (target != drag.object->DragTarget()) {
    SendDragMessage(drag.object->DragTarget(), dmDragLeave, drag, pos);
    drag.object->SetDragTarget(target);
    drag.object->SetDragPos(pos);
    SendDragMessage(target, dmDragEnter, drag, pos);
  }
  drag.object->SetDragPos(pos);
  drag.accepted = SendDragMessage(target, dmDragMove, drag, pos) != 0;
  ShowImagesOver(drag, target, pos);
  const TPoint local = target != nullptr ? target->ScreenToClient(pos) : pos;
  if (Screen != nullptr) ::SetCursor(Screen->Cursors(drag.object->GetDragCursor(drag.accepted, local.X, local.Y)));
}

void DragDone(bool drop) {
  std::unique_ptr<Drag> drag = std::move(Current());
  if (drag == nullptr) return;
  if (GetCapture() == drag->window) ReleaseCapture();
  DeallocateHWnd(drag->window);
  if (drag->images != nullptr) drag->images->EndDrag();
  TControl* target = drag->active ? drag->object->DragTarget() : nullptr;
  const TPoint pos = drag->object->DragPos();
  const bool accepted = drop && drag->accepted && target != nullptr;
  if (target != nullptr) SendDragMessage(target, accepted ? dmDragDrop : dmDragLeave, *drag, pos);
  if (!accepted) {
    target = nullptr;
    drag->control->DragCanceled();
  }
  const TPoint local = target != nullptr ? target->ScreenToClient(pos) : TPoint{0, 0};
  drag->object->Finished(target, local.X, local.Y, accepted);
  EndDragOf(drag->control, target, local.X, local.Y);
}

void DragWndProc(TMessage& message) {
  Drag* drag = Current().get();
  if (drag == nullptr) return;
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      TPoint p{};
      GetCursorPos(&p);
      DragTo(p);
      return;
    }
    case WM_LBUTTONUP: return DragDone(true);
    case WM_RBUTTONDOWN:
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED: return DragDone(false);
    case WM_KEYDOWN:
    case CN_KEYDOWN:   // keys reach the capture window as the application offers them to controls
      if (message.WParam == VK_ESCAPE) {
        message.Result = 1;
        return DragDone(false);
      }
      break;
  }
  message.Result = DefWindowProcA(drag->window, message.Msg, message.WParam, message.LParam);
}

}  // namespace

TCursor TDragObject::GetDragCursor(bool Accepted, Integer, Integer) { return Accepted ? crDrag : crNoDrop; }

TCursor TDragControlObject::GetDragCursor(bool Accepted, Integer, Integer) {
  return Accepted && control_ != nullptr ? control_->DragCursor() : crNoDrop;
}

void TDragObject::ShowDragImage() {
  if (TDragImageList* images = GetDragImages()) images->ShowDragImage();
}

void TDragObject::HideDragImage() {
  if (TDragImageList* images = GetDragImages()) images->HideDragImage();
}

TDragImageList* TDragControlObject::GetDragImages() {
  return control_ != nullptr ? control_->GetDragImages() : nullptr;
}

TControl* DragControl() { return Current() != nullptr ? Current()->control : nullptr; }

void CancelDrag() {
  if (StartCancelled() != nullptr) *StartCancelled() = true;
  DragDone(false);
}

void TControl::BeginDrag(bool Immediate, Integer Threshold) {
  if (dynamic_cast<TCustomForm*>(this) != nullptr) throw EInvalidOperation("Cannot drag a form");
  if (Current() != nullptr) return;
  auto drag = std::make_unique<Drag>();
  drag->control = this;
  TDragObject* object = nullptr;
  bool cancelled = false;
  bool* const outer = std::exchange(StartCancelled(), &cancelled);
  try {
    DoStartDrag(object);
  } catch (...) {
    StartCancelled() = outer;
    throw;
  }
  StartCancelled() = outer;
  if (cancelled) return;   // the handler refused the drag (CancelDrag inside DoStartDrag)
  if (object == nullptr) {
    drag->owned = std::make_unique<TDragControlObject>(this);
    object = drag->owned.get();
  }
  drag->object = object;
  drag->images = object->GetDragImages();
  drag->threshold = Threshold < 0 ? Mouse.DragThreshold() : Threshold;
  GetCursorPos(&drag->start);
  if (drag->images != nullptr && drag->images->BeginDrag(GetDesktopWindow(), drag->start.X, drag->start.Y))
    drag->images->HideDragImage();   // until the drag has really started
  else
    drag->images = nullptr;
  TWndMethod method;
  method = [](TMessage& m) { DragWndProc(m); };
  drag->window = AllocateHWnd(method);
  Current() = std::move(drag);
  SetCapture(Current()->window);
  if (Immediate) {
    Current()->active = true;   // no threshold to leave first
    DragTo(Current()->start);
  }
}

void TControl::BeginAutoDrag() { BeginDrag(false, Mouse.DragThreshold()); }

void TControl::EndDrag(bool Drop) {
  if (Dragging()) DragDone(Drop);
}

bool TControl::Dragging() const { return Current() != nullptr && Current()->control == this; }

void TControl::DoStartDrag(TDragObject*& DragObject) { OnStartDrag(this, DragObject); }

void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y) { OnEndDrag(this, Target, X, Y); }

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (Accept) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y) { OnDragDrop(this, Source, X, Y); }

void TControl::CMDrag(TMessage& Message) {
  auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
  const auto kind = TDragMessage(Message.WParam);
  if (kind == dmFindTarget) {
    Message.Result = LRESULT(this);
    return;
  }
  if (rec->Target != this) return;
  const TPoint local = ScreenToClient(rec->Pos);
  TObject* source = rec->Source;
  if (auto* object = dynamic_cast<TDragControlObject*>(source)) source = object->Control();
  if (kind == dmDragDrop) {
    DragDrop(source, local.X, local.Y);
    return;
  }
  if (kind == dmDragCancel) return;
  bool accept = true;
  static constexpr TDragState kStates[] = {dsDragEnter, dsDragLeave, dsDragMove};
  DragOver(source, local.X, local.Y, kStates[kind], accept);
  Message.Result = accept ? 1 : 0;
}
