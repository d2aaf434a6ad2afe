// TProStringGrid's pointer shapes: the split cursors of its own fixed-cell sizing, and its own
// cursors over the header zones that select and in the cell-action mode.
#include <cstdint>

#include "grid/pro_string_grid.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"

#include "_8010.res.inc"
#include "_8011.res.inc"
#include "_8012.res.inc"
#include "_8014.res.inc"

namespace {

constexpr Integer kRowHeaderCursor = 8010;
constexpr Integer kColHeaderCursor = 8011;
constexpr Integer kSelectAllCursor = 8012;   // also the selection resizer's
constexpr Integer kCellActionCursor = 8014;

// The resource cursor a press mode chosen by the pointer's position shows; 0 for none.
Integer ClickModeCursor(TGridClickMode Mode) {
  switch (Mode) {
    case gcmColSelect: return kColHeaderCursor;
    case gcmRowSelect: return kRowHeaderCursor;
    case gcmSelectAll:
    case gcmSelectionResizer: return kSelectAllCursor;
    default: return 0;
  }
}

HCURSOR ResourceCursor(Integer Number) {
  return LoadCursorA(HInstance, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(Number)));
}

}  // namespace

void TProStringGrid::WMSetCursor(TMessage& Message) {
  // A screen cursor (an hourglass while working) and the non-client parts keep their shapes.
  if (SmallInt(LOWORD(Message.LParam)) != HTCLIENT || Screen == nullptr || Screen->Cursor() != crDefault)
    return inherited::Dispatch(Message);
  if (pointer_.FixedColSizing || pointer_.FixedRowSizing) {
    ::SetCursor(Screen->Cursors(pointer_.FixedColSizing ? crHSplit : crVSplit));
    Message.Result = 1;
    return;
  }
  TPoint p{};
  GetCursorPos(&p);
  p = ScreenToClient(p);
  Integer number = 0;
  if (GridState() != gsColSizing && GridState() != gsRowSizing) {
    TGridState state = gsNormal;
    Integer index = 0, pos = 0, ofs = 0;
    CalcSizingState(p.X, p.Y, state, index, pos, ofs);
    if (state == gsNormal) number = ClickModeCursor(pointer_.ClickMode);
  }
  // The cell-action mode takes every press on a cell, so no sizing starts there either.
  const TGridCoord cell = MouseCoord(p.X, p.Y);
  if (number == 0 && cellActionMode_ && cell.X >= 0 && cell.Y >= 0) number = kCellActionCursor;
  if (number == 0) return inherited::Dispatch(Message);
  ::SetCursor(ResourceCursor(number));
  Message.Result = 1;
}
