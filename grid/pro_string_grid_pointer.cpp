// TProStringGrid: the pointer handling on top of the platform grid's: presses that switch range
// editing, releases that build the disjunct cell selection or drop a sizing drag released outside
// the grid, and moves that track the hover zones (fixed-cell sizing edges, select zones, the
// selection resizer), row and column select drags, the move markers, links and anchors, the
// sizing hint and the hint cells; the hint text of a cell, the wheel routing, key-up and the
// owner form's resizing.  The state lives in TGridPointerState (grid_pointer_state.h).
#include <algorithm>
#include <cstdlib>

#include "grid/arrow_window.h"
#include "grid/balloon_settings.h"
#include "grid/cell_line_breaks.h"
#include "grid/cell_text_kinds.h"
#include "grid/column_size.h"
#include "grid/draw_markup.h"
#include "grid/drag_drop_settings.h"
#include "grid/floating_footer.h"
#include "grid/html_hint_window.h"
#include "grid/markup_text.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "grid/wide_cell_text.h"
#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/cursors.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"
#include "platform/user/virtual_keys.h"

namespace {

constexpr Integer kFixedEdgeZone = 3;      // pixels either side of a fixed cell's edge that size it
constexpr Integer kColEdgeZone = 4;        // a header click this near a column edge sizes, not selects
constexpr Integer kRowEdgeZone = 3;
constexpr Integer kResizerSize = 6;        // the selection resizer's square
constexpr Integer kSizeRefusalProbe = 6;   // OnColumnSize (OnRowSize) asks about the cell this far left (up)
constexpr Integer kHintGap = 6;            // hints stand this far below their cell
constexpr Integer kSizingHintWidth = 200;
constexpr Integer kMoveArrowSize = 11;     // the arrow windows' square

bool IsValid(TGridCoord Cell) { return Cell.X >= 0 && Cell.Y >= 0; }

}  // namespace

// ---- Cursor, disjunct cells, selection ----

void TProStringGrid::SetCursor(TCursor Value) {
  TControl::SetCursor(Value);
  pointer_.OwnCursor = Value;
}

bool TProStringGrid::IsDisjunctCellSelected(Integer ACol, Integer ARow) const {
  const TPoint base = GetBaseCell(ACol, ARow);
  return std::find(selectedCells_.begin(), selectedCells_.end(), base) != selectedCells_.end();
}

void TProStringGrid::ClearDisjunctCellSelection() {
  RepaintSelectedCells();
  selectedCells_.clear();
}

void TProStringGrid::AddSelectedCell(TPoint Cell) {
  if (std::find(selectedCells_.begin(), selectedCells_.end(), Cell) == selectedCells_.end())
    selectedCells_.push_back(Cell);
}

void TProStringGrid::RepaintSelectedCells() {
  for (const TPoint& cell : selectedCells_)
    if (cell.X < ColCount() && cell.Y < RowCount()) RepaintCell(cell.X, cell.Y);
}

bool TProStringGrid::DisjunctCellClick(Integer ACol, Integer ARow, TShiftState Shift) {
  const TPoint base = GetBaseCell(ACol, ARow);
  if (!IsFixed(base.X, base.Y)) {
    bool canSelect = true;
    OnSelectCell(this, base.X, base.Y, canSelect);
    if (!canSelect) return false;
  }
  if (!Shift.Contains(ssShift)) {
    if (Shift.Contains(ssCtrl)) {
      const auto at = std::find(selectedCells_.begin(), selectedCells_.end(), base);
      if (at == selectedCells_.end()) selectedCells_.push_back(base);
      else selectedCells_.erase(at);
    } else {
      ClearDisjunctCellSelection();
      selectedCells_.push_back(base);
    }
  }
  const TGridRect selection = Selection();
  if (selection.Right > selection.Left || selection.Bottom > selection.Top) {
    for (Integer row = selection.Top; row <= selection.Bottom; ++row)
      for (Integer col = selection.Left; col <= selection.Right; ++col)
        if (TPoint{col, row} != TPoint{ACol, ARow}) AddSelectedCell(TPoint{col, row});
    RepaintSelectedCells();
  }
  RepaintCell(ACol, ARow);
  return true;
}

void TProStringGrid::DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

// ---- Press and release ----

void TProStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  const TGridRect before = Selection();
  const TGridCoord cell = MouseCoord(X, Y);
  pointer_.MouseDownPoint = TPoint{X, Y};
  pointer_.ColumnSized = pointer_.RowSized = false;
  if (Button == mbLeft) pointer_.LeftButtonDown = true;
  if (Button == mbLeft) sortPressRow_ = cell.Y;
  if (Button == mbLeft && IsValid(cell)) {
    bool allow = true;
    OnCanClickCell(this, cell.Y, cell.X, allow);
    if (allow && cellActionMode_) {
      CellActionHook(cell.X, cell.Y);
      return;
    }
    if (!allow || ClickLinkOrAnchor(cell.X, cell.Y, X, Y) || PressCellParts(cell, Shift, X, Y)) return;
  }

  if (Button == mbLeft && mouseActions_->RangeSelectAndEdit()) {
    const bool onCurrent = cell.X == Col() && cell.Y == Row();
    const bool editing = Options().Contains(goEditing);
    if (onCurrent && !editing && IsCellEditable(cell.X, cell.Y)) {
      SetOptions(Options() + TGridOptions{goEditing});
      inherited::MouseDown(Button, Shift, X, Y);
      ShowCellEditor();
      return;
    }
    if (!onCurrent && Shift.Contains(ssShift) && editing) {
      SetOptions(Options() - TGridOptions{goEditing});
      inherited::MouseDown(Button, Shift, X, Y);
      return;
    }
  }

  struct InMouseDown {
    bool& flag;
    explicit InMouseDown(bool& f) : flag(f) { flag = true; }
    ~InMouseDown() { flag = false; }
  };
  {
    InMouseDown guard(pointer_.InMouseDown);
    inherited::MouseDown(Button, Shift, X, Y);
  }
  // Where the press caught the line (cell) the platform grid now sizes (moves).
  const Integer index = SizingIndex();
  switch (GridState()) {
    case gsColSizing:
      pointer_.SizingCell = TPoint{index, -1};
      pointer_.GrabOffset = TPoint{X - VirtualCellRect(index, 0).Right, 0};
      break;
    case gsRowSizing:
      pointer_.SizingCell = TPoint{-1, index};
      pointer_.GrabOffset = TPoint{0, Y - VirtualCellRect(0, index).Bottom};
      break;
    case gsColMoving:
    case gsRowMoving: {
      const TRect moved = GridState() == gsColMoving ? VirtualCellRect(index, 0) : VirtualCellRect(0, index);
      pointer_.GrabOffset = TPoint{X - moved.Left, Y - moved.Top};
      break;
    }
    default:
      break;
  }
  const TGridRect after = Selection();
  if (before != after) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
  EditFixedCellOnPress(Button, cell, X, Y);
}

void TProStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  const TGridRect before = Selection();
  const TGridCoord cell = MouseCoord(X, Y);
  if (Button == mbLeft) pointer_.LeftButtonDown = false;
  if (Button == mbLeft && ReleaseCellButton(X, Y)) return;
  HideSizingHint();
  if (pointer_.FixedSizingLineShown) {
    if (pointer_.FixedColSizing) DrawColSizingLine(pointer_.FixedSizingX);
    else DrawRowSizingLine(pointer_.FixedSizingY);
    pointer_.FixedSizingLineShown = false;
  }
  // A line released outside the grid keeps its old size.
  if ((GridState() == gsColSizing && X >= ClientWidth()) || (GridState() == gsRowSizing && Y >= ClientHeight())) {
    CancelSizingOrMoving();
    return;
  }
  // A refusal of OnSelectCell ends only the disjunct step: the platform's release must still end
  // its selecting state.
  if (mouseActions_->DisjunctCellSelect() && Button == mbLeft && IsValid(cell)) DisjunctCellClick(cell.X, cell.Y, Shift);
  if (GridState() == gsColMoving && Button == mbRight) return;
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) ReleaseDisjunctRows(Shift);
  HideMoveMarkers();
  const TGridRect after = Selection();
  if (before != after) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

void TProStringGrid::CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                                     Integer& SizingOfs) {
  inherited::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  const TGridCoord left = MouseCoord(X - kSizeRefusalProbe, Y);
  if (IsValid(left) && left.Y < FixedRows()) {
    bool allow = true;
    OnColumnSize(this, left.X, allow);
    if (!allow) {
      State = gsNormal;
      pointer_.FixedColSizing = false;
    }
  }
  const TGridCoord above = MouseCoord(X, Y - kSizeRefusalProbe);
  if (IsValid(above) && above.X < FixedCols()) {
    bool allow = true;
    OnRowSize(this, above.Y, allow);
    if (!allow) State = gsNormal;
  }
}

// ---- Moves ----

void TProStringGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  const TGridRect before = Selection();
  const TGridCoord cell = MouseCoord(X, Y);
  // Dragging turns range editing into range selection.
  if (pointer_.LeftButtonDown && mouseActions_->RangeSelectAndEdit() && Options().Contains(goEditing) &&
      !editorActive_)
    SetOptions(Options() - TGridOptions{goEditing});
  RefreshSelectionRect();

  const TPoint hot{cell.X, cell.Y};
  if (look_ == glListView && hot != pointer_.HotFixedCell) {
    const TPoint old = pointer_.HotFixedCell;
    if (old.X >= 0 && old.Y >= 0 && old.X < ColCount() && old.Y < RowCount() && IsFixed(old.X, old.Y))
      RepaintCell(old.X, old.Y);
    if (IsValid(cell) && IsFixed(cell.X, cell.Y)) RepaintCell(cell.X, cell.Y);
    pointer_.HotFixedCell = hot;
  }

  if (pointer_.ClickMode == gcmRowSelect && mouseActions_->RowSelect() && pointer_.SelectAnchor >= 0)
    TrackSelectDrag(cell, Y, true);
  if (pointer_.ClickMode == gcmColSelect && mouseActions_->ColSelect() && pointer_.SelectAnchor >= 0)
    TrackSelectDrag(cell, Y, false);
  TrackFixedSizing(cell, X, Y);

  if (selectionResizer_ && selectionRectangle_) {
    const TRect corner = CellRect(Selection().Right, Selection().Bottom);
    const TRect square{corner.Right - kResizerSize, corner.Bottom - kResizerSize, corner.Right, corner.Bottom};
    pointer_.OnResizer = PtInRect(&square, TPoint{X, Y}) != 0;
  } else {
    pointer_.OnResizer = false;
  }
  MarkGridStateDuringMove();
  TrackMoveMarkers(cell, X, Y);
  bool cursorChosen = ChooseClickModeKeepsCursor(cell, X, Y);
  if (TrackLinksAndAnchors(cell, X, Y)) cursorChosen = true;
  if (!cursorChosen && TControl::Cursor() != pointer_.OwnCursor) TControl::SetCursor(pointer_.OwnCursor);
  ForgetHintCells(cell);
  RefreshSelectionRect();

  inherited::MouseMove(Shift, X, Y);
  ShowSizingHint(X, Y);
  if (EnhRowColMove() && GridState() != gsColMoving && GridState() != gsRowMoving) HideMoveMarkers();
  const TGridRect after = Selection();
  if (before != after) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

void TProStringGrid::TrackSelectDrag(TGridCoord Cell, Integer Y, bool Rows) {
  const Integer anchor = pointer_.SelectAnchor;
  if (Rows) {
    if (IsValid(Cell) && Cell.Y >= FixedRows() && Cell.Y < RowCount() - FixedFooters()) {
      const Integer row = std::max(FixedRows(), Cell.Y);
      SetSelection(TGridRect{FixedCols(), std::min(anchor, row), ColCount() - 1, std::max(anchor, row)});
      RefreshSelectionRect();
    }
    if (Y > ClientHeight() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    else if (Y < RowHeights(0) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    return;
  }
  if (IsValid(Cell) && Cell.X >= FixedCols()) {
    const Integer col = std::max(FixedCols(), Cell.X);
    SetSelection(TGridRect{std::min(anchor, col), FixedRows(), std::max(anchor, col), RowCount() - 1});
    RefreshSelectionRect();
  }
}

void TProStringGrid::TrackFixedSizing(TGridCoord Cell, Integer X, Integer Y) {
  TGridPointerState& p = pointer_;
  if (p.LeftButtonDown && (p.FixedColSizing || p.FixedRowSizing)) {
    // The line follows the pointer: erased where it was, drawn where it is.
    if (p.FixedColSizing) {
      if (p.FixedSizingLineShown) DrawColSizingLine(p.FixedSizingX);
      p.FixedSizingX = X;
      DrawColSizingLine(X);
    } else {
      if (p.FixedSizingLineShown) DrawRowSizingLine(p.FixedSizingY);
      p.FixedSizingY = Y;
      DrawRowSizingLine(Y);
    }
    p.FixedSizingLineShown = true;
    return;
  }
  if (p.LeftButtonDown) return;
  p.FixedColSizing = p.FixedRowSizing = false;
  if (!IsValid(Cell) || ComponentState().Contains(csDesigning)) return;
  // Each fixed column's right edge: the running sum of the widths plus one pixel per column.
  Integer edge = 0;
  for (Integer col = 0; col < FixedCols(); ++col) {
    edge += ColWidths(col) + 1;
    if (std::abs(X - edge) < kFixedEdgeZone) {
      p.FixedSizingCol = col;
      p.FixedSizingX = X;
      p.FixedColSizing = mouseActions_->SizeFixedCol();
      return;
    }
  }
  edge = 0;
  for (Integer row = 0; row < FixedRows(); ++row) {
    edge += RowHeights(row) + 1;
    if (std::abs(Y - edge) < kFixedEdgeZone) {
      p.FixedSizingRow = row;
      p.FixedSizingY = Y;
      p.FixedRowSizing = mouseActions_->SizeFixedRow();
      return;
    }
  }
}

void TProStringGrid::MarkGridStateDuringMove() {
  if (ComponentState().Contains(csDesigning)) return;
  bool allow = true;
  switch (GridState()) {
    case gsColSizing: pointer_.ColumnSized = true; return;
    case gsRowSizing: pointer_.RowSized = true; return;
    case gsColMoving: OnColumnMove(this, SizingIndex(), allow); break;
    case gsRowMoving: OnRowMove(this, SizingIndex(), allow); break;
    default: return;
  }
  if (!allow) {
    CancelSizingOrMoving();
    HideMoveMarkers();
  }
}

void TProStringGrid::TrackMoveMarkers(TGridCoord Cell, Integer X, Integer Y) {
  const bool cols = GridState() == gsColMoving;
  if ((!cols && GridState() != gsRowMoving) || !EnhRowColMove() || TPoint{X, Y} == pointer_.MouseDownPoint ||
      pointer_.FixedColSizing || pointer_.FixedRowSizing)
    return;
  TGridMoveMarkers& m = pointer_.Move;
  const Integer moved = SizingIndex();
  const TPoint corner = ClientToScreen(TPoint{X - pointer_.GrabOffset.X, Y - pointer_.GrabOffset.Y});
  m.ButtonVisible = true;
  m.ArrowsVisible = false;
  m.Target = -1;
  if (cols) {
    const Integer height = RowHeights(IsValid(Cell) ? Cell.Y : 0);
    m.Caption = GetCellText(DisplToRealCol(moved), 0);
    m.Button = TRect{corner.X, corner.Y, corner.X + ColWidths(moved), corner.Y + height};
    const bool visibleDataCol = IsValid(Cell) && Cell.X >= FixedCols() && Cell.X >= LeftCol() &&
                                Cell.X < LeftCol() + VisibleColCount();
    if (visibleDataCol) {
      const TRect header = VirtualCellRect(Cell.X, 0);
      m.Target = Cell.X;
      m.ArrowsVisible = true;
      m.UpperArrow = ClientToScreen(TPoint{header.Left - 5, header.Top});
      m.LowerArrow = ClientToScreen(TPoint{header.Left - 5, header.Bottom - 8});
    }
    if (VisibleColCount() < ColCount() - FixedCols()) {
      if (X < FixedColsWidth() && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
      else if (X > ClientWidth() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    }
  } else {
    const Integer width = ColWidths(IsValid(Cell) ? Cell.X : 0);
    m.Caption = GetCellText(0, moved);
    m.Button = TRect{corner.X, corner.Y, corner.X + width, corner.Y + RowHeights(moved)};
    const bool footerRow = floatingFooter_->Visible() && IsValid(Cell) && Cell.Y == RowCount() - 1;
    if (IsValid(Cell) && Cell.Y >= FixedRows() && !footerRow) {
      const Integer edge = VirtualCellRect(0, Cell.Y).Top;
      m.Target = Cell.Y;
      m.ArrowsVisible = true;
      m.UpperArrow = ClientToScreen(TPoint{-10, edge - 5});
      m.LowerArrow = ClientToScreen(TPoint{ClientWidth(), edge - 5});
    }
    if (VisibleRowCount() < RowCount() - FixedRows()) {
      if (Y < FixedRowsHeight() && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
      else if (Y > ClientHeight() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
  }
  if (Screen != nullptr) {
    Screen->SetCursor(DragCursor());
    pointer_.DragCursorSet = true;
  }
  ShowMoveArrows();
}

void TProStringGrid::ShowMoveArrows() {
  const TGridMoveMarkers& m = pointer_.Move;
  const bool cols = GridState() == gsColMoving;
  const Byte upper = cols ? 1 : 2;   // down above the header, right at the row's left
  const Byte lower = cols ? 0 : 3;
  for (Byte direction = 0; direction < 4; ++direction) {
    const bool shown = m.ArrowsVisible && (direction == upper || direction == lower);
    TArrowWindow* arrow = arrows_[direction];   // none in the designer
    if (arrow == nullptr) continue;
    if (!shown) {
      arrow->SetVisible(false);
      continue;
    }
    const TPoint at = direction == upper ? m.UpperArrow : m.LowerArrow;
    arrow->SetBounds(at.X, at.Y, kMoveArrowSize, kMoveArrowSize);
    arrow->SetVisible(true);
  }
}

void TProStringGrid::HideMoveMarkers() {
  pointer_.Move = TGridMoveMarkers{};
  ShowMoveArrows();
  if (pointer_.DragCursorSet && Screen != nullptr) Screen->SetCursor(crDefault);
  pointer_.DragCursorSet = false;
}

bool TProStringGrid::OnSizingEdge(TGridCoord Cell, Integer X, Integer Y) {
  const TRect rect = CellRect(Cell.X, Cell.Y);
  if (Options().Contains(goColSizing) && (X - rect.Left < kColEdgeZone || rect.Right - X < kColEdgeZone)) return true;
  return Options().Contains(goRowSizing) && (Y - rect.Top < kRowEdgeZone || rect.Bottom - Y < kRowEdgeZone);
}

bool TProStringGrid::ChooseClickModeKeepsCursor(TGridCoord Cell, Integer X, Integer Y) {
  // The mode is for the next press: while a button is held the drag it started keeps its mode.
  if (pointer_.LeftButtonDown) return false;
  pointer_.ClickMode = pointer_.OnResizer ? gcmSelectionResizer : gcmNone;
  if (!IsValid(Cell)) return false;
  const bool fixedRow = Cell.Y < FixedRows();
  const bool fixedCol = Cell.X < FixedCols();
  if (Cell.X == 0 && Cell.Y == 0 && fixedRow && fixedCol && mouseActions_->AllSelect()) {
    pointer_.ClickMode = gcmSelectAll;
  } else if (fixedRow && !fixedCol && mouseActions_->ColSelect() && !OnSizingEdge(Cell, X, Y)) {
    pointer_.ClickMode = gcmColSelect;
  } else if (fixedCol && !fixedRow && mouseActions_->RowSelect() && !OnSizingEdge(Cell, X, Y) &&
             !(IsNode(Cell.Y) && IsNodeGlyphHit(Cell.Y, X))) {
    pointer_.ClickMode = gcmRowSelect;
  } else {
    return false;
  }
  return true;
}

// ---- Links, anchors, hints ----

std::string TProStringGrid::AnchorAt(Integer ACol, Integer ARow, Integer X, Integer Y, std::string* Title) {
  TDrawMarkupOutput out;
  if (!MarkupHit(ACol, ARow, X, Y, out) || out.AnchorHref.empty() || out.AnchorHref == "ctrl") return {};
  if (Title != nullptr) *Title = out.AnchorTitle;
  return out.AnchorHref;
}

bool TProStringGrid::TrackLinksAndAnchors(TGridCoord Cell, Integer X, Integer Y) {
  std::string anchor;
  bool hand = false;
  Integer realCol = -1;
  if (IsValid(Cell)) {
    realCol = DisplToRealCol(Cell.X);
    const std::string text = GetCellText(realCol, Cell.Y);
    const Integer kind = CellTextKind(text, EnableHTML());
    if (kind == ctkPlain && urlShow_ && IsLinkText(text)) hand = true;
    if (kind == ctkMarkup) anchor = AnchorAt(Cell.X, Cell.Y, X, Y, nullptr);
  }
  if (!anchor.empty()) {
    hand = true;
    if (anchor != pointer_.MouseAnchor) {
      pointer_.MouseAnchor = anchor;
      OnAnchorEnter(this, Cell.Y, realCol, anchor);
    }
  } else if (!pointer_.MouseAnchor.empty()) {
    const std::string left = pointer_.MouseAnchor;
    pointer_.MouseAnchor.clear();
    OnAnchorExit(this, Cell.Y, realCol, left);
  }
  if (hand) TControl::SetCursor(crHandPoint);
  return hand;
}

void TProStringGrid::ForgetHintCells(TGridCoord Cell) {
  const TPoint at{Cell.X, Cell.Y};
  if (pointer_.HintCell != TPoint{-1, -1} && at != pointer_.HintCell) {
    if (Application != nullptr) Application->CancelHint();
    pointer_.HintCell = TPoint{-1, -1};
  }
  if (pointer_.BalloonCell != TPoint{-1, -1} && balloon_->Enable() && at != pointer_.BalloonCell)
    pointer_.BalloonCell = TPoint{-1, -1};
}

void TProStringGrid::RefreshSelectionRect() {
  if (!selectionRectangle_ || GridState() != gsSelecting) return;
  const TGridRect now = Selection();
  if (now == pointer_.PaintedSelection) return;
  if (pointer_.PaintedSelection.Left >= 0) InvalidateGridRect(pointer_.PaintedSelection);
  InvalidateGridRect(now);
  pointer_.PaintedSelection = now;
}

void TProStringGrid::ShowSizingHint(Integer X, Integer Y) {
  const bool fixedSizing = pointer_.FixedSizingLineShown;
  const bool cols = fixedSizing ? pointer_.FixedColSizing : GridState() == gsColSizing;
  if (!fixedSizing && GridState() != gsColSizing && GridState() != gsRowSizing) return;
  if (!ComponentState().Contains(csDesigning) && !HintShowSizing()) return;
  Integer index = fixedSizing ? (cols ? pointer_.FixedSizingCol : pointer_.FixedSizingRow)
                              : (cols ? pointer_.SizingCell.X : pointer_.SizingCell.Y);
  if (index < 0) index = cols ? ColCount() - 1 : RowCount() - 1;
  const TRect sized = cols ? VirtualCellRect(index, 0) : VirtualCellRect(0, index);
  const TRect placed = fixedSizing ? VirtualCellRect(0, 0) : sized;
  const Integer grab = fixedSizing ? 0 : (cols ? pointer_.GrabOffset.X : pointer_.GrabOffset.Y);
  const Integer size = cols ? X - sized.Left - grab : Y - sized.Top - grab;
  const std::string text = std::string(cols ? "cw=<b>" : "rh=<b>") + std::to_string(size) + "</b>";
  if (sizingHint_ == nullptr) sizingHint_ = new THTMLHintWindow(this);
  sizingHint_->SetColor(HintColor());
  TRect rect = sizingHint_->CalcHintRect(kSizingHintWidth, text);
  const TPoint at = ClientToScreen(TPoint{placed.Left, placed.Top});
  OffsetRect(&rect, at.X, at.Y);
  sizingHint_->ActivateHint(rect, text);
  pointer_.SizingHintShown = true;
}

void TProStringGrid::HideSizingHint() {
  if (pointer_.SizingHintShown && sizingHint_ != nullptr) sizingHint_->ReleaseHandle();
  pointer_.SizingHintShown = false;
}

std::string TProStringGrid::CellHintText(Integer ACol, Integer ARow) {
  const std::string text = GetCellText(ACol, ARow);
  if (CellTextKind(text, false) == ctkWideText) return Utf16ToCp874(DecodeWideCellText(text));
  return HTMLHint() ? text : StripMarkup(text);
}

bool TProStringGrid::TextExceedsCell(Integer ACol, Integer ARow) {
  const TSize needed = MeasureCellText(ACol, ARow, true);
  return needed.cx > ColWidths(RealToDisplCol(ACol)) || needed.cy > RowHeights(ARow);
}

void TProStringGrid::GetHintInfo(THintInfo& Info) {
  const TGridCoord cell = MouseCoord(Info.CursorPos.X, Info.CursorPos.Y);
  if (!IsValid(cell)) return;
  pointer_.HintCell = TPoint{cell.X, cell.Y};
  const TRect rect = CellRect(cell.X, cell.Y);
  const Integer realCol = DisplToRealCol(cell.X);
  std::string hint = Info.HintStr;

  if (AnchorHint() && CellTextKind(GetCellText(realCol, cell.Y), EnableHTML()) == ctkMarkup) {
    std::string title;
    std::string anchor = AnchorAt(cell.X, cell.Y, Info.CursorPos.X, Info.CursorPos.Y, &title);
    if (!anchor.empty()) {
      hint = title.empty() ? anchor : title;
      OnAnchorHint(this, cell.Y, realCol, hint);
    }
  }
  TPoint pos{rect.Left, rect.Bottom + kHintGap};
  if (GetCellType(realCol, cell.Y) == ctComment) {
    GetComment(realCol, cell.Y, hint);
    pos = TPoint{rect.Right, rect.Top};
  }
  const bool dataCell = !IsFixed(cell.X, cell.Y) && cell.X < ColCount() - fixedRightCols_ &&
                        cell.Y < RowCount() - fixedFooters_;
  if (HintShowCells() && dataCell) {
    pos = TPoint{rect.Left, rect.Top};
    hint = CellHintText(realCol, cell.Y);
  }
  if (HintShowLargeText() && TextExceedsCell(realCol, cell.Y)) {
    pos = TPoint{rect.Left, rect.Top};
    hint = CellHintText(realCol, cell.Y);
  }
  if (!(floatingFooter_->Visible() && cell.Y == RowCount() - 1)) DoGridHint(realCol, cell.Y, hint);
  Info.HintStr = hint;
  Info.HintPos = ClientToScreen(pos);
  Info.HintColor = HintColor();
  // The hint is asked again when the pointer leaves the cell.
  Info.CursorRect = rect;
}

void TProStringGrid::CMMouseLeave() {
  pointer_.FixedColSizing = pointer_.FixedRowSizing = false;
  const TPoint hot = pointer_.HotFixedCell;
  if (look_ == glListView && hot.X >= 0 && hot.Y >= 0 && hot.X < ColCount() && hot.Y < RowCount() &&
      IsFixed(hot.X, hot.Y))
    RepaintCell(hot.X, hot.Y);
}

// ---- The drag text ----

std::string TProStringGrid::SelectionDragText() {
  const TGridRect selection = Selection();
  Integer firstCol = selection.Left;
  Integer lastCol = selection.Right;
  if (Options().Contains(goRowSelect) && dragDropSettings_->OleEntireRows()) {
    firstCol = 0;
    lastCol = ColCount() - 1;
  }
  std::vector<Integer> rows;
  if (mouseActions_->DisjunctRowSelect()) {
    for (Integer row = FixedRows(); row < RowCount(); ++row)
      if (RowSelectedForCopy(row)) rows.push_back(row);
  } else {
    for (Integer row = selection.Top; row <= selection.Bottom; ++row) rows.push_back(row);
  }
  std::string text;
  for (const Integer row : rows) {
    for (Integer col = firstCol; col <= lastCol; ++col) {
      const TPoint base = GetBaseCell(DisplToRealCol(col), row);
      std::string cell = GetRawCellText(base.X, base.Y);
      if (cell.find("{\\") != std::string::npos) cell = RichTextPlain(cell);
      if (QuoteMultiLineCells() && CountTextLines(cell, Multilinecells()) > 1) QuoteLineBreaks(cell);
      text += cell;
      if (col < lastCol) text += '\t';
    }
    if (row != selection.Bottom) text += "\r\n";
  }
  return text;
}

// ---- Wheel, keys, form ----

bool TProStringGrid::WheelRouting(bool Down, TShiftState Shift, TPoint MousePos) {
  auto inheritedRouting = [&] {
    return Down ? inherited::DoMouseWheelDown(Shift, MousePos) : inherited::DoMouseWheelUp(Shift, MousePos);
  };
  // With waScroll the window procedure scrolls.
  if (mouseActions_->WheelAction() == waScroll) return false;
  if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) {
    const Integer left = LeftCol();
    BeginUpdate();
    const bool handled = inheritedRouting();
    ResetUpdate();
    SetLeftCol(left);
    return handled;
  }
  if (!Down && (Col() >= ColCount() || Row() >= RowCount())) return true;
  const bool editing = editorActive_;
  const bool handled = inheritedRouting();
  if (editing && CanFocus()) SetFocus();
  return handled;
}

bool TProStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) { return WheelRouting(true, Shift, MousePos); }

bool TProStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) { return WheelRouting(false, Shift, MousePos); }

void TProStringGrid::KeyUp(Word& Key, TShiftState Shift) {
  const Word key = Key;
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (arrow || key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_INSERT || key == VK_DELETE)
    lookupText_.clear();
  inherited::KeyUp(Key, Shift);
  if (navigation_->AlwaysEdit() && (arrow || (key == VK_TAB && Options().Contains(goTabs)))) ShowCellEditor();
  if (mouseActions_->DisjunctCellSelect() && key == VK_SPACE && !Options().Contains(goEditing))
    DisjunctCellClick(Col(), Row(), Shift - TShiftState{ssShift});
}

void TProStringGrid::InstallFormFitting() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form == nullptr || ComponentState().Contains(csDesigning)) return;
  fitForm_ = form;
  formResize_ = form->OnResize;
  formSize_ = TPoint{form->Width(), form->Height()};
  form->OnResize.Bind(this, &TProStringGrid::FitToForm);
}

void TProStringGrid::RemoveFormFitting() {
  // A form being destroyed calls no handler any more (and may be partly gone).
  if (fitForm_ == nullptr || fitForm_->ComponentState().Contains(csDestroying)) return;
  if (fitForm_->OnResize.Method().Data == this) fitForm_->OnResize = formResize_;
}

void TProStringGrid::FitToForm(TObject* Sender) {
  if (ComponentState().Contains(csDesigning) || destroying_ || fitForm_ == nullptr) return;
  if (SizeWithForm()) {
    const Integer width = Width() + fitForm_->Width() - formSize_.X;
    const Integer height = Height() + fitForm_->Height() - formSize_.Y;
    if (width > 0 && height > 0) {
      SetBounds(Left(), Top(), width, height);
      formSize_ = TPoint{fitForm_->Width(), fitForm_->Height()};
    }
  }
  try {
    formResize_(Sender);
  } catch (const std::exception&) {
    // The form's own handler must not break the grid's resizing.
  }
  if (columnSize_->Stretch() && columnSize_->StretchColumn() < ColCount()) StretchColumn(columnSize_->StretchColumn());
}
