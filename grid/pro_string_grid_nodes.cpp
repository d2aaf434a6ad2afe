// TProStringGrid: node rows (outline nodes in column 0 that contract their rows into the hidden-row
// store and expand them again) and summary rows; see pro_string_grid.h ("Node rows").
//
// A node's span counts real rows (its own included), so rows that a nested contracted node keeps
// hidden still belong to its parent.  The hidden-row store is kept in step by the row operations
// themselves (InsertRows, RemoveRowsEx, DeleteRows); the node operations never shift it again.
#include <algorithm>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/grid_update_lock.h"
#include "grid/int_list.h"
#include "grid/pro_string_grid.h"
#include "platform/user/system_metrics.h"

namespace {

constexpr Integer kNoLevelLimit = 65535;

}   // namespace

// ---- Questions ----

TCellGraphic* TProStringGrid::NodeGraphic(Integer ARow) {
  if (ARow < 0 || ARow >= RowCount() || GetCellType(0, ARow) != ctNode) return nullptr;
  return GetCellGraphic(0, ARow);
}

bool TProStringGrid::IsNode(Integer ARow) { return NodeGraphic(ARow) != nullptr; }

bool TProStringGrid::IsSummary(Integer ARow) {
  return ARow >= 0 && ARow < RowCount() && GetCellType(0, ARow) == ctSummary;
}

bool TProStringGrid::GetNodeState(Integer ARow) {
  const TCellGraphic* node = NodeGraphic(ARow);
  return node != nullptr && node->CellBoolean();
}

Integer TProStringGrid::RowLevel(Integer ARow) const {
  if (ARow < 0 || ARow >= RowCount() || !HasCellProperties(0, ARow)) return 0;
  return const_cast<TProStringGrid*>(this)->GetCellProperties(0, ARow)->NodeLevel();
}

Integer TProStringGrid::GetNodeLevel(Integer ARow) { return IsNode(ARow) ? RowLevel(ARow) : -1; }

Integer TProStringGrid::GetNodeSpan(Integer ARow) {
  const TCellGraphic* node = NodeGraphic(ARow);
  return node != nullptr ? node->CellIndex() : -1;
}

void TProStringGrid::AdjustNodeSpan(Integer ARow, Integer Delta) {
  if (TCellGraphic* node = NodeGraphic(ARow)) node->SetCellIndex(node->CellIndex() + Delta);
}

Integer TProStringGrid::NodeSpanEnd(Integer ADisplayRow) {
  const Integer span = GetNodeSpan(ADisplayRow);
  if (span > 0) return ADisplayRow + span;
  Integer row = ADisplayRow + 1;
  while (row < RowCount() && !IsNode(row)) ++row;
  return row;
}

// The real index just past the node's rows (shown or hidden).
Integer TProStringGrid::NodeRealEnd(Integer ADisplayRow) {
  const Integer span = GetNodeSpan(ADisplayRow);
  if (span > 0) return DisplayToRealRow(ADisplayRow) + span;
  const Integer next = NodeSpanEnd(ADisplayRow);
  return next < RowCount() ? DisplayToRealRow(next) : RowCount() + NumHiddenRows();
}

Integer TProStringGrid::GetParentRow(Integer ARow) {
  if (!HasNodes()) return -1;
  const bool isNode = IsNode(ARow);
  const Integer limit = isNode ? RowLevel(ARow) : kNoLevelLimit;
  for (Integer row = ARow; row >= FixedRows(); --row)
    if (IsNode(row) && RowLevel(row) < limit && row + GetNodeSpan(row) > ARow) return row;
  return isNode ? ARow : -1;
}

Integer TProStringGrid::GetTreeLineKind(Integer ARow) {
  if (IsNode(ARow)) return 0;
  const Integer next = ARow + 1;
  if (next < RowCount() - FixedFooters() && HasCellProperties(0, next) && RowLevel(next) >= RowLevel(ARow)) return 2;
  return 1;
}

bool TProStringGrid::IsNodeGlyphHit(Integer ARow, Integer X) {
  const Integer level = RowLevel(ARow);
  const Integer indent = cellNode_->NodeIndent();
  if (!UseRightToLeftAlignment()) return (level - 1) * indent < X && X < level * indent;
  const bool allRowsFit = VisibleRowCount() >= RowCount() - FixedRows();
  const Integer scrollBar = allRowsFit ? 0 : GetSystemMetrics(SM_CXVSCROLL);
  return X + scrollBar >= Width() - level * indent - 2 && X + scrollBar < Width() - (level - 1) * indent;
}

// ---- Making and removing nodes ----

void TProStringGrid::AddNode(Integer ARow, Integer ASpan) {
  const Integer row = RealToDisplayRow(ARow);
  TCellGraphic* node = CreateCellGraphic(0, row);
  node->SetCellType(ctNode);
  node->SetCellIndex(ASpan);
  node->SetCellBoolean(false);
  node->SetCellHAlign(haBeforeText);
  node->SetCellVAlign(vaCenter);
  node->SetCellVar(Variant(-1));
  node->SetCellAngle(row);
  for (Integer r = row; r < row + ASpan && r < RowCount(); ++r) {
    TCellProperties* props = GetCellProperties(0, r);
    props->SetNodeLevel(props->NodeLevel() + 1);
  }
  if (nodeCount_ == 0) RepaintColumn(0);
  ++nodeCount_;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TProStringGrid::AddSummaryRow(Integer ARow) {
  CreateCellGraphic(0, RealToDisplayRow(ARow))->SetCellType(ctSummary);
}

// Every row of the node's span (from the display row on) has its level changed.
void TProStringGrid::ChangeSpanLevels(Integer ADisplayRow, Integer Delta, bool ToZero) {
  const Integer end = NodeSpanEnd(ADisplayRow);
  for (Integer row = ADisplayRow; row < end && row < RowCount(); ++row) {
    TCellProperties* props = GetCellProperties(0, row);
    props->SetNodeLevel(ToZero ? 0 : props->NodeLevel() + Delta);
  }
}

void TProStringGrid::DropNode(Integer ADisplayRow, bool LevelsToZero) {
  ShowNodeRows(ADisplayRow);
  ChangeSpanLevels(ADisplayRow, -1, LevelsToZero);
  RemoveCellGraphic(0, ADisplayRow);
  if (nodeCount_ > 0) --nodeCount_;
}

void TProStringGrid::RemoveNode(Integer ARow) {
  const Integer row = RealToDisplayRow(ARow);
  if (IsNode(row)) DropNode(row, false);
}

void TProStringGrid::RemoveAllNodes() {
  Integer row = 0;
  while (row < RowCount()) {
    if (!IsNode(row)) {
      ++row;
      continue;
    }
    const Integer next = std::max(row + 1, NodeSpanEnd(row));
    DropNode(row, true);
    row = next;
  }
}

// ---- Contracting and expanding ----

// A contracted node at the display row: marked expanded and its hidden rows shown again.
void TProStringGrid::ShowNodeRows(Integer ADisplayRow) {
  TCellGraphic* node = NodeGraphic(ADisplayRow);
  if (node == nullptr || !node->CellBoolean()) return;
  node->SetCellBoolean(false);
  const Integer realNode = DisplayToRealRow(ADisplayRow);
  const Integer realEnd = NodeRealEnd(ADisplayRow);
  // Row selection is off while the rows come back; the current and top rows stay where they were.
  const bool rowSelect = Options().Contains(goRowSelect);
  const Integer oldRow = Row(), oldTopRow = TopRow();
  if (rowSelect) SetOptions(Options() - TGridOptions{goRowSelect});
  {
    GridUpdateLock lock(this);
    if (realEnd - 1 > realNode) UnHideRows(realNode + 1, realEnd - 1);
  }
  if (rowSelect) {
    SetOptions(Options() + TGridOptions{goRowSelect});
    SetRow(oldRow);
    SetTopRow(oldTopRow);
  }
  PlaceCellControls();
  RecalcFooter(-1);
}

void TProStringGrid::ExpandNode(Integer ARow) {
  if (cellNode_->ExpandOne())
    for (Integer row = FixedRows(); row < RowCount(); ++row)
      if (IsNode(row) && !GetNodeState(row)) ContractNode(DisplayToRealRow(row));
  ShowNodeRows(RealToDisplayRow(ARow));
}

// Nested nodes that are contracted are marked expanded: the outer node's contraction takes over
// their hidden rows, so expanding it shows them all.
void TProStringGrid::ContractNode(Integer ARow) {
  HideEditor();
  const Integer row = RealToDisplayRow(ARow);
  TCellGraphic* node = NodeGraphic(row);
  if (node == nullptr || node->CellBoolean()) return;
  node->SetCellBoolean(true);
  const Integer realEnd = NodeRealEnd(row);
  for (Integer child = row + 1; child < RowCount() && DisplayToRealRow(child) < realEnd; ++child)
    if (GetNodeState(child)) NodeGraphic(child)->SetCellBoolean(false);
  if (realEnd - 1 > ARow) HideRows(ARow + 1, realEnd - 1);
  PlaceCellControls();
  RecalcFooter(-1);
}

void TProStringGrid::ExpandAll() {
  UnHideRowsAll();
  MarkNodesExpanded();
  PlaceCellControls();
  RecalcFooter(-1);
}

void TProStringGrid::ContractAll() {
  {
    GridUpdateLock lock(this);
    ExpandAll();
    TIntList rows(-1, -1);
    Integer row = FixedRows();
    while (row < RowCount()) {
      if (!IsNode(row)) {
        ++row;
        continue;
      }
      NodeGraphic(row)->SetCellBoolean(true);
      const Integer end = std::max(row + 1, NodeSpanEnd(row));
      for (Integer child = row + 1; child < end && child < RowCount(); ++child) rows.Add(child);
      row = end;
    }
    if (rows.Count() > 0) HideRowList(&rows);
  }
  PlaceCellControls();
  RecalcFooter(-1);
}

// ---- Rows inside nodes ----

void TProStringGrid::InsertRowWithNodes(Integer ARow) { InsertRows(RealToDisplayRow(ARow), 1); }

void TProStringGrid::RemoveRowWithNodes(Integer ARow) {
  RemoveRowsEx(RealToDisplayRow(ARow), 1);
  --loadedRowCount_;
}

// The node, expanded, grows by one row, and so does every node above it whose level is lower.
void TProStringGrid::GrowNodeAndParents(Integer ANode) {
  AdjustNodeSpan(ANode, 1);
  ExpandNode(DisplayToRealRow(ANode));
  Integer reached = RowLevel(ANode);
  Integer last = ANode;
  while (reached > 1) {
    const Integer parent = GetParentRow(last);
    if (parent < FixedRows() || RowLevel(parent) >= reached) break;
    AdjustNodeSpan(parent, 1);
    ExpandNode(DisplayToRealRow(parent));
    reached = RowLevel(parent);
    last = parent;
  }
}

void TProStringGrid::InsertChildRow(Integer ARow, Integer AOffset) {
  const Integer row = RealToDisplayRow(ARow);
  const Integer parent = GetParentRow(row);
  if (parent >= 0) GrowNodeAndParents(parent);
  InsertRows(row + AOffset, 1);
  if (parent >= 0) GetCellProperties(0, row + AOffset)->SetNodeLevel(RowLevel(parent));
}

void TProStringGrid::RemoveChildRow(Integer ARow) {
  const Integer row = RealToDisplayRow(ARow);
  Integer parent = GetParentRow(row);
  if (parent >= 0) {
    const Integer level = RowLevel(parent);
    if (GetNodeSpan(parent) > 1) AdjustNodeSpan(parent, -1);
    for (;;) {
      ExpandNode(DisplayToRealRow(parent));
      if (RowLevel(parent) <= 1) break;
      parent = GetParentRow(parent);
      if (parent < 0 || RowLevel(parent) >= level) break;
      if (GetNodeSpan(parent) > 1) AdjustNodeSpan(parent, -1);
    }
  }
  DeleteRows(row, 1);
  --loadedRowCount_;
}

void TProStringGrid::RepaintColumn(Integer ACol) {
  for (Integer row = TopRow(); row < RowCount() && row <= TopRow() + VisibleRowCount(); ++row) RepaintCell(ACol, row);
}
