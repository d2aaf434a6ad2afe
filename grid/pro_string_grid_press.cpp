// TProStringGrid: what a left press on a link or markup anchor does, and what follows a moved column.  Cell texts come from imported
// files, so a link is handed to the desktop's opener only when it is plainly a web or mail address;
// a "CELL://" anchor moves to a cell of the grid instead.
#include "grid/cell_text_kinds.h"
#include "grid/draw_markup.h"
#include "grid/grid_text_routines.h"
#include "grid/floating_footer.h"
#include "grid/pro_string_grid.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/core/ansi_strings.h"
#include "platform/shims/shell_execute.h"

namespace {

constexpr size_t kLinkLimit = 2048;

// "http://", "https://" or "mailto:" in any case, no control character or blank, at most 2,048
// bytes.  Anything else (files, programs, script addresses) is never opened.
bool IsOpenableLink(std::string_view Link) {
  if (Link.size() > kLinkLimit) return false;
  for (const char ch : Link)
    if (static_cast<unsigned char>(ch) <= 0x20 || ch == 0x7F) return false;
  const std::string upper = AnsiUpperCase(Link.substr(0, 8));
  return upper.starts_with("HTTP://") || upper.starts_with("HTTPS://") || upper.starts_with("MAILTO:");
}

}   // namespace

// The link of a plain text (URLShow) or the anchor of markup under the point; true when there was
// one (the press then ends here).
bool TProStringGrid::ClickLinkOrAnchor(Integer ACol, Integer ARow, Integer X, Integer Y) {
  if (ACol < 0 || ARow < 0) return false;
  const Integer realCol = DisplToRealCol(ACol);
  const std::string text = GetCellText(realCol, ARow);
  const Integer kind = CellTextKind(text, EnableHTML());
  std::string anchor;
  if (kind == ctkPlain && urlShow_ && IsLinkText(text)) anchor = text;
  else if (kind == ctkMarkup) {
    // A form-control field that may be edited is clicked; a refused one counts as an anchor ("ctrl").
    TDrawMarkupOutput hit;
    if (!MarkupHit(ACol, ARow, X, Y, hit)) return false;
    if (!hit.ControlID.empty() && ClickFormControl(ACol, ARow, hit)) return true;
    anchor = hit.AnchorHref;
  }
  if (anchor.empty()) return false;
  bool launch = true;
  OnAnchorClick(this, ARow, realCol, anchor, launch);
  if (!launch) return true;
  if (AnsiUpperCase(anchor.substr(0, 7)) == "CELL://") {
    GoToCellAddress(anchor.substr(7));
  } else if (IsOpenableLink(anchor)) {
    ShellExecuteA(nullptr, "open", anchor.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  return true;
}

// "R<row>C<column>" naming a normal cell becomes current; any other address changes nothing.
void TProStringGrid::GoToCellAddress(const std::string& Address) {
  TGridCoord cell{-1, -1};
  if (!ParseCellAddress(Address, cell)) return;
  const bool normal = cell.X >= FixedCols() && cell.X < ColCount() - FixedRightCols() && cell.Y >= FixedRows() &&
                      cell.Y < RowCount() - FixedFooters();
  if (!normal) return;
  MoveColRow(cell.X, cell.Y, true, true);
  ScrollToCell(cell.X, cell.Y);
}

// ---- Column moves ----

namespace {

// Where a column index stands after the column at From moved to To.
Integer ColumnAfterMove(Integer ACol, Integer From, Integer To) {
  if (ACol == From) return To;
  if (From < ACol && ACol <= To) return ACol - 1;
  if (To <= ACol && ACol < From) return ACol + 1;
  return ACol;
}

}   // namespace

// The sort column, every column of the sort index and the current column follow the moved column.
void TProStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  inherited::ColumnMoved(FromIndex, ToIndex);
  sortSettings_->SetColumn(ColumnAfterMove(sortSettings_->Column(), FromIndex, ToIndex));
  for (Integer i = 0; i < sortIndex_->Count(); ++i) {
    const Integer descending = Integer(Cardinal(sortIndex_->Items(i)) & TSortIndexList::kDescending);
    sortIndex_->SetItem(i, ColumnAfterMove(sortIndex_->GetSortColumn(i), FromIndex, ToIndex) | descending);
  }
  const Integer current = ColumnAfterMove(Col(), FromIndex, ToIndex);
  if (current != Col()) MoveColRow(current, Row(), true, false);
  floatingFooter_->Invalidate();
}
