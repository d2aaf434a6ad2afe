// TDragDropSettings; see drag_drop_settings.h.
#include "grid/drag_drop_settings.h"

#include "grid/ole_drag_drop.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TDragDropSettings) {
  p.Property("OleAcceptFiles", &TDragDropSettings::OleAcceptFiles, &TDragDropSettings::SetOleAcceptFiles).Default(true);
  p.Property("OleAcceptText", &TDragDropSettings::OleAcceptText, &TDragDropSettings::SetOleAcceptText).Default(true);
  p.Property("OleColumnDragDrop", &TDragDropSettings::OleColumnDragDrop, &TDragDropSettings::SetOleColumnDragDrop)
      .Default(false);
  p.Property("OleCopyAlways", &TDragDropSettings::OleCopyAlways, &TDragDropSettings::SetOleCopyAlways).Default(false);
  p.Property("OleDropRTF", &TDragDropSettings::OleDropRTF, &TDragDropSettings::SetOleDropRTF).Default(false);
  p.Property("OleDropSource", &TDragDropSettings::OleDropSource, &TDragDropSettings::SetOleDropSource).Default(false);
  p.Property("OleDropTarget", &TDragDropSettings::OleDropTarget, &TDragDropSettings::SetOleDropTarget).Default(false);
  p.Property("OleEntireRows", &TDragDropSettings::OleEntireRows, &TDragDropSettings::SetOleEntireRows).Default(false);
  p.Property("OleInsertRows", &TDragDropSettings::OleInsertRows, &TDragDropSettings::SetOleInsertRows).Default(false);
  p.Property("OleRemoveRows", &TDragDropSettings::OleRemoveRows, &TDragDropSettings::SetOleRemoveRows).Default(false);
}

void TDragDropSettings::SetOleDropTarget(bool Value) {
  oleDropTarget_ = Value;
  if (grid_ != nullptr && !grid_->ComponentState().Contains(csDesigning)) grid_->UpdateOleDropTarget();
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
  SetOleDropRichTextAllowed(Value);
  oleDropRTF_ = Value;
}
