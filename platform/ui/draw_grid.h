// TDrawGrid: a grid whose cells its owner draws: DrawCell fires OnDrawCell (after the default
// background when DefaultDrawing), SelectCell asks OnSelectCell, and the moves and size changes of
// columns and rows fire their events.  The in-place editor takes its mask from OnGetEditMask and
// its text from OnGetEditText, and gives the text back through OnSetEditText.
#pragma once

#include "platform/ui/custom_grid.h"

using TDrawCellEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value)>;
using TSetEditEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, const std::string& Value)>;

class TDrawGrid : public TCustomGrid {
  PR_CLASS(TDrawGrid, TCustomGrid)

 public:
  using TCustomGrid::TCustomGrid;
  using TCustomGrid::MoveColumn;
  using TCustomGrid::MoveRow;
  using TCustomGrid::DeleteColumn;
  using TCustomGrid::DeleteRow;

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnTopLeftChanged;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  void TopLeftChanged() override;
  std::string GetEditMask(Integer ACol, Integer ARow) override;
  std::string GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const std::string& Value) override;
};
