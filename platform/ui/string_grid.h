// TStringGrid: a draw grid that keeps a string and an object per cell (TGridCells) and draws the
// string in each cell (2 pixels in from the left and the top) when DefaultDrawing.  Rows[] and
// Cols[] are TStringGridStrings views of its lines.  Count changes keep the surviving cells; moved
// columns and rows carry their cells; objects are never owned.  Setting a cell repaints it.  The
// in-place editor edits the cell's string (OnGetEditText may change what it shows; a changed text
// is stored, then OnSetEditText fires).
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/draw_grid.h"
#include "platform/ui/grid_cells.h"
#include "platform/ui/string_grid_strings.h"

class TStringGrid : public TDrawGrid {
  PR_CLASS(TStringGrid, TDrawGrid)

 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  std::string Cells(Integer ACol, Integer ARow) const;
  void SetCells(Integer ACol, Integer ARow, const std::string& Value);
  TObject* Objects(Integer ACol, Integer ARow) const;
  void SetObjects(Integer ACol, Integer ARow, TObject* Value);
  TStrings* Rows(Integer Index);
  void SetRows(Integer Index, TStrings* Value) { Rows(Index)->Assign(Value); }
  TStrings* Cols(Integer Index);
  void SetCols(Integer Index, TStrings* Value) { Cols(Index)->Assign(Value); }

 protected:
  // One cell of the store exactly as kept, its text and its object, read and written without the
  // repaint and the editor reload of SetCells (descendants that keep their own rules on top of
  // the store use it).  "Grid index out of range" outside the grid.
  TGridCells::Cell& StoredCell(Integer ACol, Integer ARow);
  const TGridCells::Cell& StoredCell(Integer ACol, Integer ARow) const;
  // Exchanges two rows of the store as they are kept (texts and objects), without repaint or
  // events.  "Grid index out of range" outside the grid.
  void SwapStoredRows(Integer ARow1, Integer ARow2);

  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  std::string GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const std::string& Value) override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;

 private:
  void CheckCell(Integer ACol, Integer ARow) const;
  TStrings* View(std::vector<std::unique_ptr<TStringGridStrings>>& Views, bool IsRow, Integer Index, Integer Count);

  TGridCells cells_;
  std::vector<std::unique_ptr<TStringGridStrings>> rowViews_;
  std::vector<std::unique_ptr<TStringGridStrings>> colViews_;
};
