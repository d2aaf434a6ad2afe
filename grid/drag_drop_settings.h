// TDragDropSettings (the string grid's DragDropSettings): what the grid takes from and gives to
// drag and drop between programs: text and files accepted, copy or move, whole rows, inserting
// and removing rows, rich text, whole columns.  The drop target takes OleAcceptText and
// OleAcceptFiles when the grid is loaded.  No Assign of its own.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"

class TProStringGrid;

class TDragDropSettings : public TPersistent {
  PR_CLASS(TDragDropSettings, TPersistent)

 public:
  explicit TDragDropSettings(TProStringGrid* AGrid) : grid_(AGrid) {}

  TProStringGrid* Grid() const { return grid_; }
  // Registers the grid's drop target for its window (true) or revokes it (false); not in the
  // designer.
  bool OleDropTarget() const { return oleDropTarget_; }
  void SetOleDropTarget(bool Value);
  // Also the drag-and-drop unit's switch that lets rich text be dropped and offered.
  bool OleDropRTF() const { return oleDropRTF_; }
  void SetOleDropRTF(bool Value);

 private:
  TProStringGrid* grid_;
  bool oleDropTarget_ = false;
  bool oleDropRTF_ = false;

  PR_STORED_PROPERTY(bool, OleAcceptFiles, true)
  PR_STORED_PROPERTY(bool, OleAcceptText, true)
  PR_STORED_PROPERTY(bool, OleCopyAlways, false)
  PR_STORED_PROPERTY(bool, OleDropSource, false)
  PR_STORED_PROPERTY(bool, OleEntireRows, false)
  PR_STORED_PROPERTY(bool, OleInsertRows, false)
  PR_STORED_PROPERTY(bool, OleRemoveRows, false)
  PR_STORED_PROPERTY(bool, OleColumnDragDrop, false)
};
