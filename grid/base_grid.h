// TBaseGrid: the grid library's base grid, the string grid's ancestor.  On the class library's
// string grid it adds a properties object per cell (TCellProperties), merged cells, grid lines of
// any width drawn inside each cell, an active-row colour, two display-text hooks and a link to an
// undo store (TProGridUndoRedo).
//
// Cell storage: the class library grid's store, one text and one object slot per cell.  A slot
// holds nothing but the cell's TCellProperties (made on first use by GetCellProperties and owned
// by the grid; an object a user attaches to a cell lives in its CellObject).  Freeing a properties
// object frees nothing it refers to.
//
// Merged cells are recorded only in the properties of the cells of a range (cell_properties.h).
// Base-cell rule: a cell whose properties say it is covered (IsBaseCell false, neither span -1)
// stands for its base cell (column - CellSpanX, row - CellSpanY); every other cell stands for
// itself.  Every read, write, draw and key operation applies it.
//
// Cells (GetCellText / SetCellText) take the place of the class library's Cells for every user of
// a base grid; the class library's own code (the in-place editor's text, line moves, count
// changes) keeps using the raw store.  Rows at or past RealRowCount are scratch rows: they skip the
// display hooks.
//
// Drawing: the inherited grid's line width is 0 and its default drawing off, so the class library
// lays cells edge to edge and paints nothing of them; DrawCell fills each cell (a base cell: its
// whole range) and draws its lines inside it, GridLineWidth wide in GridLineColor (fixed cells: 1
// pixel, grey 0x808080).
//
// Errors: the base grid raises nothing of its own; an index outside the grid raises the class
// library's "Grid index out of range".  Repaint requests of a grid without a window are skipped.
#pragma once

#include <string>

#include "grid/base_grid_types.h"
#include "platform/ui/control_types.h"
#include "platform/ui/string_grid.h"

class TBrush;
class TCanvas;
class TCellProperties;
class TFont;
class TProGridUndoRedo;

class TBaseGrid : public TStringGrid {
  PR_CLASS(TBaseGrid, TStringGrid)

 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // ---- Cell texts ----
  // The text of the cell's base cell, through the display hooks below RealRowCount: first
  // DoGetDisplText, then, with OnGetDisplWideText assigned, DoGetDisplWideText on the decoded
  // UTF-16 text, whose result comes back in the "|\" form.  Creates no properties.
  std::string GetCellText(Integer ACol, Integer ARow);
  // Stores the text in the cell's base cell (repainting the range when the grid has a parent);
  // with LastRowIsFooter a write to the last row then calls FooterRowChanged.
  void SetCellText(Integer ACol, Integer ARow, const std::string& Value);
  std::string Cells(Integer ACol, Integer ARow) { return GetCellText(ACol, ARow); }
  void SetCells(Integer ACol, Integer ARow, const std::string& Value) { SetCellText(ACol, ARow, Value); }
  // Exactly that cell's stored text and object slot: no base cell, hooks, repaint or notification;
  // setting the object neither frees nor redirects.
  std::string GetRawCellText(Integer ACol, Integer ARow) const;
  void SetRawCellText(Integer ACol, Integer ARow, const std::string& Value);
  TObject* GetRawCellObject(Integer ACol, Integer ARow) const;
  void SetRawCellObject(Integer ACol, Integer ARow, TObject* Value);

  // ---- Properties objects ----
  // The cell's properties, made on first use with GetInitialCellStyle's look.
  TCellProperties* GetCellProperties(Integer ACol, Integer ARow);
  bool HasCellProperties(Integer ACol, Integer ARow) const;
  // Frees the cell's present properties, then stores Props (the grid owns it).
  void SetCellProperties(Integer ACol, Integer ARow, TCellProperties* Props);
  void FreeCellProperties(Integer ACol, Integer ARow);
  void FreeCellPropertiesRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);   // inclusive
  void FreeAllCellProperties();
  // Every cell of the column (row): its slot emptied without freeing, then its text "" (so the
  // covered cells of a range lose their own texts).  Row inserts and sorting rely on this order.
  void ResetColumn(Integer ACol);
  void ResetRow(Integer ARow);
  // The cell's text "" (a covered cell: its base cell's), then its slot emptied without freeing.
  void ResetCell(Integer ACol, Integer ARow);
  // The graphic object of the cell's properties (nil without properties).
  TObject* GetCellGraphicObject(Integer ACol, Integer ARow) const;
  // Stores Graphic in the cell's properties, made as GetCellProperties does (an empty cell holds
  // " " meanwhile, so a descendant's text rules see a filled cell; it is "" again afterwards).
  void SetCellGraphicObject(Integer ACol, Integer ARow, TObject* Graphic);

  // ---- Merged cells and geometry ----
  // Records the range of NumCols x NumRows cells from (ACol, ARow) in the properties of each of
  // its cells and repaints them; texts stay.  NumCols or NumRows below 1 does nothing.
  virtual void MergeCells(Integer ACol, Integer ARow, Integer NumCols, Integer NumRows);
  // Makes every cell of the cell's range an unmerged cell again (properties stay) and repaints it.
  virtual void SplitCells(Integer ACol, Integer ARow);
  TPoint GetBaseCell(Integer ACol, Integer ARow) const;
  bool IsBaseCell(Integer ACol, Integer ARow) const;
  bool IsMergedCell(Integer ACol, Integer ARow) const;
  bool IsCoveredCell(Integer ACol, Integer ARow) const;
  bool IsColSpanned(Integer ACol, Integer ARow) const;
  bool IsRowSpanned(Integer ACol, Integer ARow) const;
  // The spans of the cell's base cell; (0, 0) for a cell without properties or unmerged.
  TPoint GetCellSpan(Integer ACol, Integer ARow) const;
  // True when the two rows meet merged ranges that span rows in at least one column and, in every
  // such column, the two cells lie in ranges with the same base row.
  bool RowsShareMergedRanges(Integer RowA, Integer RowB) const;
  // The cell's rectangle in client coordinates as the scrolled layout places it, in view or not.
  TRect VirtualCellRect(Integer ACol, Integer ARow);
  // The rectangle a cell paints: a merged range's whole rectangle, a cell with a control its
  // VirtualCellRect, any other cell its rectangle in view (empty out of view).
  TRect CellSpanRect(Integer ACol, Integer ARow);
  // Width and height of the cell's range (of the cell itself when unmerged).
  TPoint MergedCellExtent(Integer ACol, Integer ARow);
  // Invalidates CellSpanRect with erasing; nothing without a window.
  void RepaintCell(Integer ACol, Integer ARow);
  // Puts the current cell on the base cell of its range.
  void SnapToBaseCell();
  Integer FixedColsWidth() const;
  Integer FixedRowsHeight() const;

  // ---- Properties ----
  // DefaultDrawing is a stored flag only; writing it switches the inherited default drawing off.
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool Value);
  Integer GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(Integer Value);
  TColor GridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(TColor Value);
  // The number of the current paint pass (from 1, one more after every paint).
  Integer PaintCount() const { return paintCount_; }
  // The last row belongs to the floating footer (set by the string grid's footer settings).
  bool LastRowIsFooter() const { return lastRowIsFooter_; }
  void SetLastRowIsFooter(bool Value) { lastRowIsFooter_ = Value; }
  Integer RealRowCount() const { return realRowCount_; }
  void SetRealRowCount(Integer Value) { realRowCount_ = Value; }
  TProGridUndoRedo* UndoRedo() const { return undoRedo_; }
  void SetUndoRedo(TProGridUndoRedo* Value);
  // WordWrap of new properties objects.
  bool DefaultWordWrap() const { return defaultWordWrap_; }
  void SetDefaultWordWrap(bool Value) { defaultWordWrap_ = Value; }
  bool ActiveRowShow() const { return activeRowShow_; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return activeRowColor_; }
  void SetActiveRowColor(TColor Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

 protected:
  // ---- Hooks of descendants ----
  // True: DrawCell draws the cell as a fixed cell.
  virtual bool IsFixed(Integer /*ACol*/, Integer /*ARow*/) { return false; }
  virtual Integer GetRowIndent(Integer /*ARow*/) { return 0; }
  // True: column 0 gets no bottom grid line.
  virtual bool HasNodes() { return false; }
  // The base: the cell's text on one line, centred both ways in Rect.
  virtual void DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TGridDrawState State);
  virtual void FooterRowChanged() {}
  virtual void DoGetDisplText(Integer ACol, Integer ARow, std::string& Value);
  virtual void DoGetDisplWideText(Integer ACol, Integer ARow, std::u16string& Value);
  // The look of a new properties object: the grid's font and colour, no gradient, left and top,
  // DefaultWordWrap, vertical gradients.  DrawCell also starts from it.
  virtual void GetInitialCellStyle(Integer ACol, Integer ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                   TAlignment& Alignment, TVAlignment& VAlignment, bool& WordWrap,
                                   TCellGradientDirection& GradientDirection);
  // The look DrawCell paints a cell with (Printing: the print look; ShowSelection: selection
  // colours on selected cells; MapColumn: ACol is a displayed column).  The base changes nothing.
  virtual void GetCellStyle(Integer /*ACol*/, Integer /*ARow*/, TGridDrawState& /*State*/, bool /*Printing*/,
                            bool /*ShowSelection*/, bool /*MapColumn*/, TBrush* /*ABrush*/, TColor& /*ColorTo*/,
                            TFont* /*AFont*/, TAlignment& /*Alignment*/, TVAlignment& /*VAlignment*/,
                            bool& /*WordWrap*/, TCellGradientDirection& /*GradientDirection*/) {}
  virtual Integer DisplColIndex(Integer ACol) { return ACol; }

  // ---- Class library grid overrides ----
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;

  // Repaint the merged cells of the fixed columns (rows) that scroll with the view.
  void RepaintFixedColMerges();
  void RepaintFixedRowMerges();

 private:
  // The cell's properties when its slot holds some, else nullptr.
  TCellProperties* PropertiesAt(Integer ACol, Integer ARow) const;
  void SetSpans(Integer ACol, Integer ARow, bool IsBase, Integer SpanX, Integer SpanY);
  void RepaintRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow);
  // Draws one cell (a base cell: its whole range) as DrawCell's steps 3 to 13 describe.
  void PaintCell(Integer ACol, Integer ARow, TGridDrawState State);
  void DrawCellLines(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, bool Fixed);

  bool defaultDrawing_ = false;
  Integer gridLineWidth_ = 1;
  TColor gridLineColor_;
  Integer paintCount_ = 1;
  bool lastRowIsFooter_ = false;
  Integer realRowCount_ = 0;
  TProGridUndoRedo* undoRedo_ = nullptr;   // not owned; cleared when the store goes
  bool defaultWordWrap_ = true;
  bool activeRowShow_ = false;
  TColor activeRowColor_;
};
