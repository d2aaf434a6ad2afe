#include "platform/ui/draw_grid.h"

#include "platform/ui/grid_publishing.h"

PR_PUBLISH(TDrawGrid) { PublishGrid(p); }

void TDrawGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(Integer ACol, Integer ARow) {
  bool canSelect = true;
  OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

void TDrawGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) { OnColumnMoved(this, FromIndex, ToIndex); }

void TDrawGrid::RowMoved(Integer FromIndex, Integer ToIndex) { OnRowMoved(this, FromIndex, ToIndex); }

void TDrawGrid::TopLeftChanged() { OnTopLeftChanged(this); }

std::string TDrawGrid::GetEditMask(Integer ACol, Integer ARow) {
  std::string value;
  OnGetEditMask(this, ACol, ARow, value);
  return value;
}

std::string TDrawGrid::GetEditText(Integer ACol, Integer ARow) {
  std::string value;
  OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TDrawGrid::SetEditText(Integer ACol, Integer ARow, const std::string& Value) {
  OnSetEditText(this, ACol, ARow, Value);
}
