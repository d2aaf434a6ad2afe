// TGridDropTarget: the string grid as a drop target (DragDropSettings.OleDropTarget registers it for
// the grid's window).  A text is pasted as a TAB / CR LF block at the cell under the drop point
// (whole rows with goRowSelect, into newly inserted rows with OleInsertRows) and selected; rich text
// becomes the cell's text; a column header dragged from a grid reaches OnOleDropCol; one dropped
// file loads as a delimited file (".CSV" in its name) and as a workbook (".XLS"), both when the name
// holds both.  OnOleDrop, OnOleDropFile and OnOleDragOver may refuse; OnOleDropped reports the
// selected block, and after a refused text drop the selection as it stands.
//
// While dragging, the point must lie over a cell: text, rich text and files not in the fixed rows
// (unless the grid is one row with FixedRowAlways), a column only in the fixed rows right of the
// fixed columns.  Over the partly shown row below the view the grid scrolls down one row, over row
// 0 up one while rows are scrolled away.
#pragma once

#include <string>

#include "grid/ole_drag_drop.h"
#include "platform/ui/grid_types.h"

class TProStringGrid;

class TGridDropTarget : public TPSGDropTarget {
 public:
  explicit TGridDropTarget(TProStringGrid* AGrid) : grid_(AGrid) {}

 protected:
  void TextDropped(TPoint Point, const std::string& Text) override;
  void ColumnDropped(TPoint Point, Integer ColumnIndex) override;
  void RichTextDropped(TPoint Point, const std::string& RtfText) override;
  void FilesDropped(TPoint Point, TStringList* FileNames) override;
  void DragMoved(TPoint Point, bool& Allow, DWORD Formats) override;

 private:
  // The cell under a screen point; (-1, -1) outside the cells.
  TGridCoord CellAt(TPoint Screen) const;

  TProStringGrid* grid_;
};
