// TProStringGrid: scrolling beyond the class library's grid: proportional thumbs, the hint that
// names the column or row a dragged thumb points at, synchronous scrolling, the stretched column
// and the drag scrolling near the edges.
//
// The flat scroll-bar functions do not exist on this platform, so the standard bars always stay
// (the grid's fall-back when the common-controls library lacks them); ScrollType only stores.
#include <cmath>

#include "grid/column_size.h"
#include "grid/drag_scroll_options.h"
#include "grid/floating_footer.h"
#include "grid/html_hint_window.h"
#include "grid/pro_string_grid.h"
#include "platform/core/exceptions.h"
#include "platform/core/mul_div.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/timer.h"
#include "platform/user/cursor.h"
#include "platform/user/scroll_bar.h"

namespace {

// SB_THUMBPOSITION, SB_THUMBTRACK, SB_ENDSCROLL.
constexpr WORD kThumbTrack = 5;
constexpr WORD kEndScroll = 8;

}   // namespace

// ---- Proportional thumbs ----

// The thumb on the 0..M scale: the page is the share of the normal columns (rows) that fits, the
// position the share scrolled past.  Nothing when everything fits, or when the normal columns
// (rows) have no extent at all: the ratio would then have no value.
void TProStringGrid::UpdateProportional(bool Vertical) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning) || !ScrollProportional() ||
      !HandleAllocated())
    return;
  const int bar = Vertical ? SB_VERT : SB_HORZ;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(WindowHandle(), bar, &info);
  const Integer line = GridLineWidth();
  const Integer count = Vertical ? RowCount() : ColCount();
  const Integer fixed = Vertical ? FixedRows() : FixedCols();
  const Integer first = Vertical ? TopRow() : LeftCol();
  Int64 fixedExtent = line;
  Int64 normalExtent = line;
  Int64 scrolledExtent = line;
  for (Integer i = 0; i < count; ++i) {
    const Int64 extent = line + (Vertical ? RowHeights(i) : ColWidths(i));
    if (i < fixed) fixedExtent += extent;
    else normalExtent += extent;
    if (i >= fixed && i < first) scrolledExtent += extent;
  }
  const Integer client = Vertical ? ClientHeight() : ClientWidth();
  if (normalExtent == 0) return;
  const float ratio = float(client - fixedExtent) / float(normalExtent);
  if (ratio >= 0.9999f) return;
  const float maximum = (127 + ratio) / (1 - ratio);
  float position = float(info.nPos);
  if (client < normalExtent) position = float(scrolledExtent) / float(normalExtent - client) * 128;
  else if (Vertical) position = 127;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = int(maximum);
  info.nPage = UINT(std::max(0, int(maximum) - 126));
  info.nPos = int(position);
  SetScrollInfo(WindowHandle(), bar, &info, TRUE);
  if (Vertical) return;
  Int64 allColumns = 0;
  for (Integer i = 0; i < count; ++i) allColumns += ColWidths(i);
  const bool horizontalAllowed = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
  if (allColumns < client || !horizontalAllowed) ShowScrollBar(WindowHandle(), SB_HORZ, FALSE);
}

void TProStringGrid::UpdateProportionalHorz() { UpdateProportional(false); }

void TProStringGrid::UpdateProportionalVert() { UpdateProportional(true); }

// ---- Scroll messages ----

void TProStringGrid::WMScroll(TMessage& Message, bool Vertical) {
  const WORD code = LOWORD(Message.WParam);
  const TScrollHintType hints = ScrollHints();
  const bool hinted = hints == shBoth || hints == (Vertical ? shVertical : shHorizontal);
  if (code == kThumbTrack) {
    const Integer count = Vertical ? RowCount() : ColCount();
    const Integer visible = Vertical ? VisibleRowCount() : VisibleColCount();
    const Integer fixed = Vertical ? FixedRows() : FixedCols();
    const Integer target = MulDiv(HIWORD(Message.WParam), count - visible - fixed, 127) + fixed;
    if (hinted) ShowScrollHint(target, Vertical);
    if (ScrollSynch()) {
      if (Vertical) SetTopRow(target);
      else SetLeftCol(target);
    }
  } else if (code == kEndScroll && hinted) {
    scrollHint_.reset();
  }
  inherited::Dispatch(Message);
  if (!Vertical && floatingFooter_->Visible()) floatingFooter_->Invalidate();
}

void TProStringGrid::ShowScrollHint(Integer Target, bool Vertical) {
  std::string text = (Vertical ? "Row : " : "Col : ") + std::to_string(Target);
  OnScrollHint(this, Target, text);
  if (scrollHint_ == nullptr) scrollHint_ = std::make_unique<THTMLHintWindow>(nullptr);
  scrollHint_->SetColor(HintColor());
  TRect rect = scrollHint_->CalcHintRect(100, text);
  TPoint cursor{};
  GetCursorPos(&cursor);
  OffsetRect(&rect, cursor.X + 10, cursor.Y);
  scrollHint_->ActivateHint(rect, text);
}

// ---- The stretched column ----

void TProStringGrid::StretchColumn(Integer ACol) {
  if (ComponentState().Contains(csLoading) || destroying_) return;
  if (ACol == -1) ACol = ColCount() - 1;
  if (ACol >= ColCount()) throw Exception("Stretch column index out of range");
  if (ColCount() == 0 || !columnSize_->Stretch() || stretchRunning_) return;
  stretchRunning_ = true;
  stretchApplied_ = false;
  if (ColCount() == 1) {
    SetColWidths(0, ClientWidth());
  } else {
    Integer others = 0;
    for (Integer col = 0; col < ColCount(); ++col)
      if (col != ACol) others += ColWidths(col);
    if (others < ClientWidth()) SetColWidths(ACol, ClientWidth() - others - 1);
    else if (LeftCol() == FixedCols()) SetColWidths(ACol, DefaultColWidth());
  }
  stretchApplied_ = true;
  stretchRunning_ = false;
  if (floatingFooter_->Visible()) footerPanel_->SetAlign(alBottom);
}

void TProStringGrid::ColWidthsChanged() {
  if (stretchApplied_) StretchColumn(columnSize_->StretchColumn());
  inherited::ColWidthsChanged();
}

// ---- Drag scrolling ----

void TProStringGrid::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (!dragScrollOptions_->Active()) {
    dragScrollTimer_.reset();
  } else {
    const TDragScrollDirection before = dragScrollDirections_;
    dragScrollDirections_ = {};
    if (State == dsDragLeave && dragScrollTimer_ != nullptr) dragScrollTimer_->SetEnabled(false);
    if (State == dsDragEnter || State == dsDragMove) dragScrollDirections_ = DragScrollDirectionsAt(X, Y);
    if (dragScrollDirections_.Empty()) {
      dragScrollTimer_.reset();
    } else if (dragScrollTimer_ == nullptr) {
      dragScrollTimer_ = std::make_unique<TTimer>(nullptr);
      dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->InitialDelay()));
      TNotifyEvent tick;
      tick = [this](TObject*) { DragScrollTick(); };
      dragScrollTimer_->SetOnTimer(std::move(tick));
      dragScrollTimer_->SetEnabled(true);
    } else if (!before.Empty()) {
      dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->InitialDelay()));
    }
  }
  inherited::DragOver(Source, X, Y, State, Accept);
}

TDragScrollDirection TProStringGrid::DragScrollDirectionsAt(Integer X, Integer Y) {
  const auto* margins = dragScrollOptions_->Margins();
  TDragScrollDirection directions;
  if (Y < margins->TopMargin()) directions.Include(dsdUp);
  else if (Y > Height() - margins->BottomMargin()) directions.Include(dsdDown);
  if (X < margins->LeftMargin()) directions.Include(dsdLeft);
  else if (X > Width() - margins->RightMargin()) directions.Include(dsdRight);
  return directions;
}

void TProStringGrid::DragScrollTick() {
  if (!dragScrollOptions_->Active()) {
    dragScrollTimer_.reset();
    return;
  }
  dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->RepeatDelay()));
  bool canScroll = true;
  TDragScrollDirection directions = dragScrollDirections_;
  OnDragScroll(this, TopRow(), LeftCol(), directions, canScroll);
  if (!canScroll) return;
  if (directions.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  if (directions.Contains(dsdDown) && VisibleRowCount() + TopRow() < RowCount()) SetTopRow(TopRow() + 1);
  if (directions.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
  if (directions.Contains(dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}
