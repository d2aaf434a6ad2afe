// TProStringGrid: finding a text in the cells, the incremental row search and the search footer's
// handlers.
//
// The finder scans from the cell after its start, row by row (fndRowByRow) or column by column,
// forward or backward, and stops at the range's end: it never wraps around.  The search texts are
// kept upper-cased unless fndMatchCase; wide texts are upper-cased in the ASCII letters only (code
// page 874 has no other cased letters, and the 8-bit path stays the platform's).
#include <string>

#include "grid/condition_matcher.h"
#include "grid/markup_text.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_button.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "grid/wide_cell_text.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"

namespace {

constexpr TColor kNotFoundColor = 0x0000FF;
const std::string kEmptyCellSearch = "\"\"";

std::u16string UpperWide(std::u16string Text) {
  for (char16_t& unit : Text)
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  return Text;
}

// Restricts one axis to a single index.  A start before it (in the scan's direction) moves onto
// it; a start past it stays there, so the scan goes on along the other axis (or ends) instead of
// coming back to a cell it has found already.
void RestrictScan(Integer& Start, Integer& First, Integer& Last, Integer Index, bool Backward) {
  First = Last = Index;
  if (Backward ? Start > Index : Start < Index) Start = Index;
}

}   // namespace

std::string TProStringGrid::GetCellPlainText(Integer ACol, Integer ARow) {
  return StripMarkup(GetCellText(ACol, ARow));
}

void TProStringGrid::StoreSearch(const std::string& Text, const std::u16string& WideText, TGridFindOptions Options) {
  findOptions_ = Options;
  const bool matchCase = Options.Contains(fndMatchCase);
  findText_ = matchCase ? Text : AnsiUpperCase(Text);
  findWideText_ = matchCase ? WideText : UpperWide(WideText);
}

bool TProStringGrid::CellMatchesSearch(Integer ACol, Integer ARow, bool IsWide) {
  const Integer col = findOptions_.Contains(fndHiddenColumns) ? ACol : DisplToRealCol(ACol);
  const bool matchCase = findOptions_.Contains(fndMatchCase);
  std::string text = GetCellText(col, ARow);
  if (!matchCase) text = AnsiUpperCase(text);
  if (findOptions_.Contains(fndStripMarkup)) text = StripMarkup(text);
  std::u16string wide;
  if (IsWide) wide = matchCase ? GetWideCells(col, ARow) : UpperWide(GetWideCells(col, ARow));
  if (!IsWide && findText_ == kEmptyCellSearch) return text.empty();
  if (IsWide && findWideText_ == u"\"\"") return wide.empty();
  if (findOptions_.Contains(fndCondition)) return MatchCondition(findText_, text, matchCase);
  Integer position = 0;
  bool equal = true;
  if (IsWide) {
    position = PosWide(findWideText_, wide);
    if (findOptions_.Contains(fndWholeCell)) equal = findWideText_ == wide;
  } else {
    const size_t at = findText_.empty() ? std::string::npos : text.find(findText_);
    position = at == std::string::npos ? 0 : static_cast<Integer>(at) + 1;
    if (findOptions_.Contains(fndWholeCell)) equal = findText_ == text;
  }
  const bool found = findOptions_.Contains(fndMatchStart) ? position == 1 : position > 0;
  return found && equal;
}


void TProStringGrid::FindCellFrom(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options,
                                  bool IsWide, const std::u16string& WideText) {
  ScanForCell(Start, Text, Found, Options, IsWide, WideText, false);
}

void TProStringGrid::FindText(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options) {
  SaveProgress(0, -1);
  ScanForCell(Start, Text, Found, Options, false, {}, true);
  SaveProgress(Found.X >= 0 ? 4 : 2, -1);
}

void TProStringGrid::ScanForCell(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options,
                                 bool IsWide, const std::u16string& WideText, bool Report) {
  Found = TPoint{-1, -1};
  StoreSearch(Text, WideText, Options);
  if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() == FixedRows() || RowCount() == 0) return;
  const bool wholeGrid = Options.Contains(fndIncludeFixed);
  FindScanRange scan{wholeGrid ? 0 : FixedCols(), wholeGrid ? ColCount() - 1 : ColCount() - FixedRightCols() - 1,
                wholeGrid ? 0 : FixedRows(), wholeGrid ? RowCount() - 1 : RowCount() - FixedFooters() - 1, 0, 0};
  if (Options.Contains(fndHiddenColumns)) scan.LastCol += NumHiddenColumns();
  const bool backward = Options.Contains(fndBackward);
  const bool rowByRow = Options.Contains(fndRowByRow);
  PlaceScanStart(scan, Start, backward, rowByRow);
  if (Options.Contains(fndCurrentRow)) RestrictScan(scan.StartRow, scan.FirstRow, scan.LastRow, Row(), backward);
  if (Options.Contains(fndPresetRow)) RestrictScan(scan.StartRow, scan.FirstRow, scan.LastRow, presetRow_, backward);
  if (Options.Contains(fndCurrentColumn)) RestrictScan(scan.StartCol, scan.FirstCol, scan.LastCol, Col(), backward);
  if (Options.Contains(fndPresetColumn))
    RestrictScan(scan.StartCol, scan.FirstCol, scan.LastCol, presetCol_, backward);
  const Integer step = backward ? -1 : 1;
  // The outer axis steps after each pass over the inner axis, which then restarts at its edge.
  Integer& outer = rowByRow ? scan.StartRow : scan.StartCol;
  Integer& inner = rowByRow ? scan.StartCol : scan.StartRow;
  const Integer outerFirst = rowByRow ? scan.FirstRow : scan.FirstCol;
  const Integer outerLast = rowByRow ? scan.LastRow : scan.LastCol;
  const Integer innerFirst = rowByRow ? scan.FirstCol : scan.FirstRow;
  const Integer innerLast = rowByRow ? scan.LastCol : scan.LastRow;
  const Integer innerRestart = backward ? innerLast : innerFirst;
  for (; outer >= outerFirst && outer <= outerLast; outer += step) {
    for (; inner >= innerFirst && inner <= innerLast; inner += step) {
      const Integer col = rowByRow ? inner : outer;
      const Integer row = rowByRow ? outer : inner;
      if (Report) SaveProgress(1, row);
      if (!CellMatchesSearch(col, row, IsWide)) continue;
      Found = TPoint{col, row};
      if (Options.Contains(fndGotoCell)) GoToFoundCell(Found);
      return;
    }
    inner = innerRestart;
  }
}

// The cell after Start in the scan order; (-1, -1) starts at the range's first corner.
void TProStringGrid::PlaceScanStart(FindScanRange& Scan, TPoint Start, bool Backward, bool RowByRow) const {
  if (Start.X == -1 && Start.Y == -1) {
    Scan.StartCol = Backward ? Scan.LastCol : Scan.FirstCol;
    Scan.StartRow = Backward ? Scan.LastRow : Scan.FirstRow;
    return;
  }
  Integer& inner = RowByRow ? Scan.StartCol : Scan.StartRow;
  Integer& outer = RowByRow ? Scan.StartRow : Scan.StartCol;
  const Integer innerStart = RowByRow ? Start.X : Start.Y;
  const Integer outerStart = RowByRow ? Start.Y : Start.X;
  const Integer innerFirst = RowByRow ? Scan.FirstCol : Scan.FirstRow;
  const Integer innerLast = RowByRow ? Scan.LastCol : Scan.LastRow;
  const Integer outerFirst = RowByRow ? Scan.FirstRow : Scan.FirstCol;
  const Integer outerLast = RowByRow ? Scan.LastRow : Scan.LastCol;
  if (!Backward && innerStart <= innerLast) {
    inner = innerStart + 1, outer = outerStart;
  } else if (!Backward && outerStart <= outerLast) {
    inner = innerFirst, outer = outerStart + 1;
  } else if (Backward && innerStart >= innerFirst) {
    inner = innerStart - 1, outer = outerStart;
  } else if (Backward && outerStart >= outerFirst) {
    inner = innerLast, outer = outerStart - 1;
  } else {
    Scan.StartCol = Backward ? Scan.LastCol : Scan.FirstCol;
    Scan.StartRow = Backward ? Scan.LastRow : Scan.FirstRow;
  }
}

void TProStringGrid::GoToFoundCell(TPoint Cell) {
  if (mouseActions_->DisjunctRowSelect()) {
    ClearDisjunctRowSelection();
    SetDisjunctRowSelected(Cell.Y, true);
    return;
  }
  SetRow(Cell.Y);
  SetCol(Cell.X);
}

Integer TProStringGrid::FindRowByPrefix(const std::string& Text) {
  if (RowCount() < 2) return -1;
  Integer col = FixedCols();
  if (sortSettings_->Show() && !sortSettings_->IndexShow()) col = sortSettings_->Column();
  if (sortSettings_->Show() && sortSettings_->IndexShow() && sortIndex_->Count() > 0)
    col = sortIndex_->GetSortColumn(0);
  for (Integer row = FixedRows(); row < RowCount(); ++row)
    if (AnsiUpperCase(GetCellPlainText(col, row).substr(0, Text.size())) == Text) return row;
  return -1;
}

// ---- The search footer ----

void TProStringGrid::SearchEditChanged(TObject*) {
  TEdit* edit = searchPanel_->SearchEdit();
  const std::string text = edit->Text();
  const bool highlightDown = searchPanel_->HighlightButton()->Down();
  const bool matchCase = searchPanel_->MatchCase()->Checked();
  bool defaultSearch = true;
  OnSearchEditChange(this, text, defaultSearch);
  if (!defaultSearch || !searchFooter_->AutoSearch()) return;
  TGridFindOptions options{fndGotoCell};
  if (highlightDown) options = options + TGridFindOptions{fndStripMarkup};
  if (matchCase) options = options + TGridFindOptions{fndMatchCase};
  if (searchFooter_->SearchActiveColumnOnly()) options = options + TGridFindOptions{fndCurrentColumn};
  if (searchFooter_->SearchColumn() >= 0 && searchFooter_->SearchColumn() < ColCount()) {
    options = options + TGridFindOptions{fndPresetColumn};
    presetCol_ = searchFooter_->SearchColumn();
  }
  edit->SetColor(clWindow);
  UnHighlightInGrid(false);
  if (!text.empty()) {
    FindText(TPoint{-1, -1}, text, lastFound_, options);
    if (lastFound_.X < 0) {
      edit->SetColor(kNotFoundColor);
    } else {
      ScrollToCell(lastFound_.X, lastFound_.Y);
      if (highlightDown) HighlightInGrid(false, matchCase, text);
    }
  }
  ScrollFoundRowAboveFooter();
}

void TProStringGrid::SearchFindNext(TObject*) { FindWithFooter(false); }

void TProStringGrid::SearchFindPrevious(TObject*) { FindWithFooter(true); }

void TProStringGrid::FindWithFooter(bool Backward) {
  const std::string text = searchPanel_->SearchEdit()->Text();
  if (!searchFooter_->AutoSearch() && text != searchFooter_->LastSearch()) lastFound_ = TPoint{-1, -1};
  searchFooter_->SetLastSearch(text);
  TGridFindOptions options{fndGotoCell};
  if (Backward) options = options + TGridFindOptions{fndBackward};
  TPoint found;
  FindText(lastFound_, text, found, options);
  lastFound_ = found;
  ScrollFoundRowAboveFooter();
}

void TProStringGrid::SearchClose(TObject*) { searchFooter_->SetVisible(false); }

void TProStringGrid::SearchHighlightToggled(TObject*) {
  if (searchPanel_->HighlightButton()->Down())
    HighlightInGrid(false, searchPanel_->MatchCase()->Checked(), searchPanel_->SearchEdit()->Text());
  else
    UnHighlightInGrid(false);
}

// Keeps the found row out from behind the footer: the view moves down two rows when the current
// row lies in its last two rows and not every row fits.
void TProStringGrid::ScrollFoundRowAboveFooter() {
  if (Row() > TopRow() + VisibleRowCount() - 2 && VisibleRowCount() + FixedRows() < RowCount())
    SetTopRow(TopRow() + 2);
}
