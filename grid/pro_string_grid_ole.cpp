// TProStringGrid: registering its drop target (grid_drop_target.h) for its window and revoking it.
#include "grid/drag_drop_settings.h"
#include "grid/grid_drop_target.h"
#include "grid/pro_string_grid.h"
#include "platform/shims/drag_drop_registry.h"

void TProStringGrid::UpdateOleDropTarget() {
  if (!dragDropSettings_->OleDropTarget()) return RevokeOleDropTarget();
  if (oleDropTargetRegistered_ || (!HandleAllocated() && Parent() == nullptr)) return;   // CreateWnd registers
  if (oleDropTarget_ == nullptr) {
    oleDropTarget_ = new TGridDropTarget(this);
    oleDropTarget_->_AddRef();
  }
  oleDropTarget_->SetAcceptText(dragDropSettings_->OleAcceptText());
  oleDropTarget_->SetAcceptFiles(dragDropSettings_->OleAcceptFiles());
  oleDropTargetRegistered_ = RegisterDragDrop(Handle(), oleDropTarget_) == S_OK;
}

void TProStringGrid::RevokeOleDropTarget() {
  if (oleDropTargetRegistered_ && HandleAllocated()) RevokeDragDrop(WindowHandle());
  oleDropTargetRegistered_ = false;
}

void TProStringGrid::ReleaseOleDropTarget() {
  RevokeOleDropTarget();
  if (oleDropTarget_ != nullptr) oleDropTarget_->_Release();
  oleDropTarget_ = nullptr;
}
