// TGridPointerState: what the string grid's pointer handling remembers between pointer messages:
// the hover zones (sizing edges of fixed cells, the selection resizer, header and row-header
// select zones), the states of a drag (fixed sizing line, sizing cell and grab offset, sized
// markers, the armed drag start), the move markers while a column or row is moved, and the hint,
// balloon and anchor under the pointer.  The grid's press, key and scroll handling read and set it.
// Coordinates are the grid's client coordinates unless said otherwise; -1 (or (-1, -1)) means none.
#pragma once

#include <string>

#include "platform/core/types.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"
#include "platform/ui/grid_types.h"

// What the next left press does, chosen by the pointer's hover position.
enum TGridClickMode : Byte {
  gcmNone = 0,
  gcmColSelect = 1,     // a press in a header cell selects whole columns
  gcmRowSelect = 2,     // a press in a row header selects whole rows
  gcmSelectAll = 3,     // the top-left fixed cell selects everything
  gcmSelectionResizer = 5,
};

// Where the floating button and the two insertion arrows stand while a column or row is moved (the
// windows that show them follow this state).  Screen coordinates.
struct TGridMoveMarkers {
  bool ButtonVisible = false;
  TRect Button{};            // the floating button: the moved header cell (row) at the pointer
  std::string Caption;       // the moved column's row-0 text, or the moved row's first cell
  bool ArrowsVisible = false;
  Integer Target = -1;       // the column (row) whose leading edge the arrows mark
  TPoint UpperArrow{};       // top-left corners of the arrows
  TPoint LowerArrow{};
};

struct TGridPointerState {
  TPoint HotFixedCell{-1, -1};   // the list-view look's hot fixed cell
  TGridClickMode ClickMode = gcmNone;
  Integer SelectAnchor = -1;     // the anchor row (column) of a row (column) select drag
  // Sizing fixed columns and rows (which the platform grid does not size): the flag is set while
  // the pointer is on a fixed cell's edge and sizing is allowed; the x (y) of the dotted line.
  bool FixedColSizing = false;
  Integer FixedSizingCol = -1;
  Integer FixedSizingX = 0;
  bool FixedRowSizing = false;
  Integer FixedSizingRow = -1;
  Integer FixedSizingY = 0;
  bool FixedSizingLineShown = false;   // the dotted line is on the screen at FixedSizingX (Y)
  // A drag start armed by a press, with the press point.
  bool DragArmed = false;
  TPoint DragStart{};
  // The cell the platform grid sizes ((column, -1) or (-1, row)) and the press's distance past its
  // line (sizing), or from the moved cell's top-left corner (moving).
  TPoint SizingCell{-1, -1};
  TPoint GrabOffset{};
  bool ColumnSized = false;   // a column (row) was sized during the current drag
  bool RowSized = false;
  TPoint HintCell{-1, -1};
  TPoint BalloonCell{-1, -1};
  TCursor OwnCursor = 0;      // the grid's Cursor property, apart from temporary cursors (crDefault)
  std::string MouseAnchor;    // the anchor under the pointer
  TGridRect PaintedSelection{-1, -1, -1, -1};   // the selection rectangle last painted
  bool LeftButtonDown = false;
  bool InMouseDown = false;   // the inherited press handling runs
  TPoint MouseDownPoint{-1, -1};
  bool OnResizer = false;     // the pointer is on the selection resizer's square
  bool SizingHintShown = false;
  bool DragCursorSet = false; // the screen cursor was set to the drag cursor by a move
  TGridMoveMarkers Move;
};
