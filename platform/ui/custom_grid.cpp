// TCustomGrid: counts, sizes, geometry, the current cell, the selection and scrolling.
#include "platform/ui/custom_grid.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/core/mul_div.h"
#include "platform/ui/colors.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TCustomGrid)

namespace {

[[noreturn]] void InvalidOp(const char* Text) { throw EInvalidGridOperation(Text); }

Integer Clamp(Integer Value, Integer Low, Integer High) { return std::max(Low, std::min(Value, High)); }

}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), fixedColor_(clBtnFace) {
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents});
  SetBounds(Left(), Top(), 320, 120);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_TABSTOP;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
  if (borderStyle_ != bsSingle) return;
  if (Ctl3D()) Params.ExStyle |= WS_EX_CLIENTEDGE;
  else Params.Style |= WS_BORDER;
}

void TCustomGrid::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBars();
  UpdateEdit();   // an editor that is always shown appears with the grid
}

void TCustomGrid::Resize() {
  ClampTopLeft();
  UpdateScrollBars();
  PlaceEditor();
  inherited::Resize();
}

// ---- Counts and sizes ----

void TCustomGrid::SetColCount(Integer Value) {
  Value = std::max<Integer>(Value, 1);
  if (Value == ColCount()) return;
  HideEdit();
  if (Value <= FixedCols()) SetFixedCols(Value - 1);
  const Integer oldCols = ColCount();
  cols_.SetCount(Value);
  CountsChanged(oldCols, RowCount());
}

void TCustomGrid::SetRowCount(Integer Value) {
  Value = std::max<Integer>(Value, 1);
  if (Value == RowCount()) return;
  HideEdit();
  if (Value <= FixedRows()) SetFixedRows(Value - 1);
  const Integer oldRows = RowCount();
  rows_.SetCount(Value);
  CountsChanged(ColCount(), oldRows);
}

void TCustomGrid::CountsChanged(Integer OldColCount, Integer OldRowCount) {
  auto clampCell = [this](TGridCoord& cell) {
    cell.X = Clamp(cell.X, FixedCols(), ColCount() - 1);
    cell.Y = Clamp(cell.Y, FixedRows(), RowCount() - 1);
  };
  clampCell(current_);
  clampCell(anchor_);
  SizeChanged(OldColCount, OldRowCount);
  ClampTopLeft();
  Invalidate();
  UpdateScrollBars();
  UpdateEdit();
}

void TCustomGrid::SetFixedCols(Integer Value) {
  if (Value < 0) InvalidOp(SGridIndexOutOfRange);
  if (Value >= ColCount()) InvalidOp(SFixedColTooBig);
  HideEdit();
  cols_.SetFixed(Value);
  topLeft_.X = current_.X = anchor_.X = Value;
  Invalidate();
  UpdateScrollBars();
  UpdateEdit();
}

void TCustomGrid::SetFixedRows(Integer Value) {
  if (Value < 0) InvalidOp(SGridIndexOutOfRange);
  if (Value >= RowCount()) InvalidOp(SFixedRowTooBig);
  HideEdit();
  rows_.SetFixed(Value);
  topLeft_.Y = current_.Y = anchor_.Y = Value;
  Invalidate();
  UpdateScrollBars();
  UpdateEdit();
}

void TCustomGrid::SetDefaultColWidth(Integer Value) {
  cols_.SetDefaultExtent(Value);
  ClampTopLeft();
  Invalidate();
  UpdateScrollBars();
  PlaceEditor();
}

void TCustomGrid::SetDefaultRowHeight(Integer Value) {
  rows_.SetDefaultExtent(Value);
  ClampTopLeft();
  Invalidate();
  UpdateScrollBars();
  PlaceEditor();
}

Integer TCustomGrid::ColWidths(Integer Index) const {
  if (Index < 0 || Index >= ColCount()) InvalidOp(SGridIndexOutOfRange);
  return cols_.Extent(Index);
}

void TCustomGrid::SetColWidths(Integer Index, Integer Value) {
  if (Index < 0 || Index >= ColCount()) InvalidOp(SGridIndexOutOfRange);
  if (cols_.Extent(Index) == Value) return;
  cols_.SetExtent(Index, Value);
  ColWidthsChanged();
  Invalidate();
  UpdateScrollBars();
  PlaceEditor();
}

Integer TCustomGrid::RowHeights(Integer Index) const {
  if (Index < 0 || Index >= RowCount()) InvalidOp(SGridIndexOutOfRange);
  return rows_.Extent(Index);
}

void TCustomGrid::SetRowHeights(Integer Index, Integer Value) {
  if (Index < 0 || Index >= RowCount()) InvalidOp(SGridIndexOutOfRange);
  if (rows_.Extent(Index) == Value) return;
  rows_.SetExtent(Index, Value);
  RowHeightsChanged();
  Invalidate();
  UpdateScrollBars();
  PlaceEditor();
}

void TCustomGrid::SetGridLineWidth(Integer Value) {
  gridLineWidth_ = std::max<Integer>(Value, 0);
  ClampTopLeft();
  Invalidate();
  UpdateScrollBars();
  PlaceEditor();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  // The editor cannot stay open over a selected row.
  if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
  if (options_ == Value) return;
  const bool closesEditor = !Value.Contains(goEditing) || Value.Contains(goRowSelect);
  if (closesEditor) ValidateEditorLeaving(TGridCoord{-1, -1});   // before anything changes
  options_ = Value;
  if (closesEditor) HideEditor();
  else if (!editorMode_ && Value.Contains(goAlwaysShowEditor)) ShowEditor();
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  RecreateWndIfAllocated();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  fixedColor_ = Value;
  Invalidate();
}

// ---- Geometry ----

TRect TCustomGrid::LogicalCellRect(Integer ACol, Integer ARow) {
  const Integer x = cols_.Start(ACol, LeftCol(), gridLineWidth_, ClientWidth());
  const Integer y = rows_.Start(ARow, TopRow(), gridLineWidth_, ClientHeight());
  if (x < 0 || y < 0) return TRect{};
  return TRect{x, y, x + cols_.Extent(ACol), y + rows_.Extent(ARow)};
}

TRect TCustomGrid::Mirror(TRect Rect) {
  if (!UseRightToLeftAlignment()) return Rect;
  const Integer width = ClientWidth();
  return TRect{width - Rect.Right, Rect.Top, width - Rect.Left, Rect.Bottom};
}

TRect TCustomGrid::CellRect(Integer ACol, Integer ARow) {
  const TRect rect = LogicalCellRect(ACol, ARow);
  return rect == TRect{} ? rect : Mirror(rect);
}

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y) {
  if (UseRightToLeftAlignment()) X = ClientWidth() - 1 - X;
  const Integer col = cols_.At(X, LeftCol(), gridLineWidth_, ClientWidth());
  const Integer row = rows_.At(Y, TopRow(), gridLineWidth_, ClientHeight());
  if (col < 0 || row < 0) return TGridCoord{-1, -1};
  return TGridCoord{col, row};
}

void TCustomGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

Integer TCustomGrid::VisibleColCount() { return cols_.VisibleCount(LeftCol(), gridLineWidth_, ClientWidth()); }

Integer TCustomGrid::VisibleRowCount() { return rows_.VisibleCount(TopRow(), gridLineWidth_, ClientHeight()); }

Integer TCustomGrid::GridWidth() {
  const Integer last = cols_.LastVisible(LeftCol(), gridLineWidth_, ClientWidth(), false);
  const Integer end = last < 0 ? cols_.FixedBoundary(gridLineWidth_)
                               : cols_.Start(last, LeftCol(), gridLineWidth_, ClientWidth()) + cols_.Extent(last) +
                                     gridLineWidth_;
  return std::min(end, ClientWidth());
}

Integer TCustomGrid::GridHeight() {
  const Integer last = rows_.LastVisible(TopRow(), gridLineWidth_, ClientHeight(), false);
  const Integer end = last < 0 ? rows_.FixedBoundary(gridLineWidth_)
                               : rows_.Start(last, TopRow(), gridLineWidth_, ClientHeight()) + rows_.Extent(last) +
                                     gridLineWidth_;
  return std::min(end, ClientHeight());
}

void TCustomGrid::SetLeftCol(Integer Value) { MoveTopLeft(TGridCoord{Value, TopRow()}); }

void TCustomGrid::SetTopRow(Integer Value) { MoveTopLeft(TGridCoord{LeftCol(), Value}); }

void TCustomGrid::MoveTopLeft(TGridCoord Value) {
  Value.X = Clamp(Value.X, FixedCols(), cols_.MaxFirst(gridLineWidth_, ClientWidth()));
  Value.Y = Clamp(Value.Y, FixedRows(), rows_.MaxFirst(gridLineWidth_, ClientHeight()));
  if (Value == topLeft_) return;
  topLeft_ = Value;
  Invalidate();
  UpdateScrollBars();
  TopLeftChanged();
  PlaceEditor();
}

void TCustomGrid::ClampTopLeft() {
  // Without a window there is no client area to fit yet: the corner only stays on a normal cell,
  // and the window's first size (Resize) fits it to the view.  So counts, sizes and the line
  // width can be set before the grid has a parent, creating no window.
  if (!HandleAllocated()) {
    topLeft_.X = Clamp(topLeft_.X, FixedCols(), ColCount() - 1);
    topLeft_.Y = Clamp(topLeft_.Y, FixedRows(), RowCount() - 1);
    return;
  }
  MoveTopLeft(topLeft_);
}

void TCustomGrid::ScrollIntoView(TGridCoord Cell) {
  MoveTopLeft(TGridCoord{cols_.FirstToShow(Cell.X, LeftCol(), gridLineWidth_, ClientWidth()),
                         rows_.FirstToShow(Cell.Y, TopRow(), gridLineWidth_, ClientHeight())});
}

// ---- Current cell and selection ----

TGridRect TCustomGrid::Selection() const {
  TGridRect rect{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                 std::max(anchor_.Y, current_.Y)};
  if (options_.Contains(goRowSelect)) {
    rect.Left = FixedCols();
    rect.Right = ColCount() - 1;
  }
  return rect;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  ValidateEditorLeaving(TGridCoord{Value.Right, Value.Bottom});
  const TGridRect old = Selection();
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  anchor_ = TGridCoord{Value.Left, Value.Top};
  current_ = TGridCoord{Value.Right, Value.Bottom};
  ScrollIntoView(current_);
  SelectionChanged(old);
  UpdateEdit();
}

void TCustomGrid::SetCol(Integer Value) {
  if (Value != Col()) MoveColRow(Value, Row(), true, true);
}

void TCustomGrid::SetRow(Integer Value) {
  if (Value != Row()) MoveColRow(Col(), Value, true, true);
}

bool TCustomGrid::SelectCell(Integer, Integer) { return true; }

void TCustomGrid::MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) InvalidOp(SGridIndexOutOfRange);
  ValidateEditorLeaving(TGridCoord{ACol, ARow});
  if (!SelectCell(ACol, ARow)) return;
  const TGridRect old = Selection();
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  current_ = TGridCoord{ACol, ARow};
  if (MoveAnchor || !options_.Contains(goRangeSelect)) anchor_ = current_;
  if (Show) ScrollIntoView(current_);
  SelectionChanged(old);
  UpdateEdit();
  Click();
}

void TCustomGrid::SelectionChanged(const TGridRect& OldSelection) {
  InvalidateGridRect(OldSelection);
  InvalidateGridRect(Selection());
}

// ---- Invalidation ----

void TCustomGrid::InvalidateLogical(TRect Rect) {
  if (!HandleAllocated()) return;
  const TRect rect = Mirror(Rect);
  InvalidateRect(WindowHandle(), &rect, FALSE);
}

void TCustomGrid::InvalidateGridRect(const TGridRect& ARect) {
  if (!HandleAllocated()) return;   // nothing shown yet: nothing to repaint
  // The union of the visible cells of the range, with their lines.
  TRect area{ClientWidth(), ClientHeight(), 0, 0};
  for (Integer row = ARect.Top; row <= ARect.Bottom; ++row) {
    for (Integer col = ARect.Left; col <= ARect.Right; ++col) {
      const TRect cell = LogicalCellRect(col, row);
      if (cell == TRect{}) continue;
      area = TRect{std::min(area.Left, cell.Left), std::min(area.Top, cell.Top),
                   std::max(area.Right, cell.Right + gridLineWidth_), std::max(area.Bottom, cell.Bottom + gridLineWidth_)};
    }
  }
  if (area.Left < area.Right) InvalidateLogical(area);
}

void TCustomGrid::InvalidateCell(Integer ACol, Integer ARow) { InvalidateGridRect(TGridRect{ACol, ARow, ACol, ARow}); }

void TCustomGrid::InvalidateCol(Integer ACol) { InvalidateGridRect(TGridRect{ACol, 0, ACol, RowCount() - 1}); }

void TCustomGrid::InvalidateRow(Integer ARow) { InvalidateGridRect(TGridRect{0, ARow, ColCount() - 1, ARow}); }

// ---- Moving and deleting lines ----

void TCustomGrid::MoveColumn(Integer FromIndex, Integer ToIndex) {
  if (FromIndex == ToIndex) return;
  if (std::min(FromIndex, ToIndex) < 0 || std::max(FromIndex, ToIndex) >= ColCount()) InvalidOp(SGridIndexOutOfRange);
  HideEdit();
  cols_.Move(FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  Invalidate();
  UpdateEdit();
}

void TCustomGrid::MoveRow(Integer FromIndex, Integer ToIndex) {
  if (FromIndex == ToIndex) return;
  if (std::min(FromIndex, ToIndex) < 0 || std::max(FromIndex, ToIndex) >= RowCount()) InvalidOp(SGridIndexOutOfRange);
  HideEdit();
  rows_.Move(FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  Invalidate();
  UpdateEdit();
}

void TCustomGrid::DeleteColumn(Integer ACol) {
  if (ACol < 0 || ACol >= ColCount()) InvalidOp(SGridIndexOutOfRange);
  if (ColCount() - 1 <= FixedCols()) InvalidOp(STooManyDeleted);
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(Integer ARow) {
  if (ARow < 0 || ARow >= RowCount()) InvalidOp(SGridIndexOutOfRange);
  if (RowCount() - 1 <= FixedRows()) InvalidOp(STooManyDeleted);
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

// ---- Scroll bars on the 0..127 thumb scale ----

Integer TCustomGrid::RowToThumb(Integer ATopRow) {
  const Integer range = RowCount() - VisibleRowCount() - FixedRows();
  return range <= 0 ? 0 : MulDiv(ATopRow - FixedRows(), 127, range);
}

Integer TCustomGrid::ThumbToRow(Integer Position) {
  return MulDiv(Position, std::max<Integer>(RowCount() - VisibleRowCount() - FixedRows(), 0), 127) + FixedRows();
}

Integer TCustomGrid::ColToThumb(Integer ALeftCol) {
  const Integer range = ColCount() - VisibleColCount() - FixedCols();
  return range <= 0 ? 0 : MulDiv(ALeftCol - FixedCols(), 127, range);
}

Integer TCustomGrid::ThumbToCol(Integer Position) {
  return MulDiv(Position, std::max<Integer>(ColCount() - VisibleColCount() - FixedCols(), 0), 127) + FixedCols();
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  auto update = [this](int bar, bool shown, bool scrollable, Integer position) {
    if (!shown) return;
    SetScrollRange(WindowHandle(), bar, 0, scrollable ? 127 : 0, FALSE);
    SetScrollPos(WindowHandle(), bar, scrollable ? position : 0, TRUE);
  };
  update(SB_VERT, scrollBars_ == ssVertical || scrollBars_ == ssBoth,
         rows_.MaxFirst(gridLineWidth_, ClientHeight()) > FixedRows(), RowToThumb(TopRow()));
  update(SB_HORZ, scrollBars_ == ssHorizontal || scrollBars_ == ssBoth,
         cols_.MaxFirst(gridLineWidth_, ClientWidth()) > FixedCols(), ColToThumb(LeftCol()));
}

void TCustomGrid::ScrollMessage(TMessage& Message, bool Vertical) {
  const Integer first = Vertical ? TopRow() : LeftCol();
  const Integer page = Vertical ? VisibleRowCount() : VisibleColCount();
  const Integer thumb = HIWORD(Message.WParam);
  Integer target = first;
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = Vertical ? RowCount() : ColCount(); break;
    case SB_THUMBTRACK:
      if (!options_.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: target = Vertical ? ThumbToRow(thumb) : ThumbToCol(thumb); break;
    default: return;
  }
  MoveTopLeft(Vertical ? TGridCoord{LeftCol(), target} : TGridCoord{target, TopRow()});
}

void TCustomGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_VSCROLL: return ScrollMessage(Message, true);
    case WM_HSCROLL: return ScrollMessage(Message, false);
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_TIMER:
      if (AutoScrollTick(Message.WParam)) return;
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (options_.Contains(goTabs) ? DLGC_WANTTAB : 0) |
                       (options_.Contains(goEditing) ? DLGC_WANTCHARS : 0);
      return;
    case WM_CHAR: return TypedChar(Message);
    case WM_SETFOCUS: return GridFocusChanged(Message, true);
    case WM_KILLFOCUS: return GridFocusChanged(Message, false);
    default: break;
  }
  inherited::Dispatch(Message);
}
