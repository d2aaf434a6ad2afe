// TCustomGrid: the class library's grid of columns and rows: fixed and normal cells, sizes, the
// current cell and the selection, scrolling, painting through the virtual DrawCell, keyboard and
// mouse navigation, and the hooks its descendants (TDrawGrid, TStringGrid) fill in.
//
// Invariants: 0 <= FixedCols < ColCount and 0 <= FixedRows < RowCount; the current cell and the
// selection anchor are normal cells; FixedCols <= LeftCol <= the largest useful left column, the same
// for TopRow.  Geometry is computed logically and mirrored (Left and Right swapped) for right to left.
// Scroll bar thumbs run on a 0..127 scale: position = MulDiv(TopRow - FixedRows, 127, range) and
// TopRow = MulDiv(position, range, 127) + FixedRows with range = RowCount - VisibleRowCount - FixedRows
// (the same with columns).  The in-place editor (TInplaceEdit) is made on demand and shows only while
// EditorMode, goEditing without goRowSelect and the focus (or goAlwaysShowEditor) allow; it always
// lies on the current cell's rectangle.  Rules and texts: docs/platform-ui-grid.md.
#pragma once

#include <string>

#include "platform/ui/custom_control.h"
#include "platform/ui/grid_axis.h"
#include "platform/ui/grid_types.h"
#include "platform/ui/scroll_style.h"

class TInplaceEdit;

class TCustomGrid : public TCustomControl {
  PR_CLASS(TCustomGrid, TCustomControl)

 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // Counts and sizes.
  Integer ColCount() const { return cols_.Count(); }
  void SetColCount(Integer Value);
  Integer RowCount() const { return rows_.Count(); }
  void SetRowCount(Integer Value);
  Integer FixedCols() const { return cols_.Fixed(); }
  void SetFixedCols(Integer Value);
  Integer FixedRows() const { return rows_.Fixed(); }
  void SetFixedRows(Integer Value);
  Integer DefaultColWidth() const { return cols_.DefaultExtent(); }
  void SetDefaultColWidth(Integer Value);
  Integer DefaultRowHeight() const { return rows_.DefaultExtent(); }
  void SetDefaultRowHeight(Integer Value);
  Integer ColWidths(Integer Index) const;
  void SetColWidths(Integer Index, Integer Value);
  Integer RowHeights(Integer Index) const;
  void SetRowHeights(Integer Index, Integer Value);
  Integer GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(Integer Value);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor Value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool Value) { defaultDrawing_ = Value; }

  // Geometry.
  TRect CellRect(Integer ACol, Integer ARow);   // empty when the cell is out of view
  TGridCoord MouseCoord(Integer X, Integer Y);   // (-1, -1) outside every cell
  void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow);
  Integer LeftCol() const { return topLeft_.X; }
  void SetLeftCol(Integer Value);
  Integer TopRow() const { return topLeft_.Y; }
  void SetTopRow(Integer Value);
  Integer VisibleColCount();
  Integer VisibleRowCount();
  Integer GridWidth();    // pixels of the visible cells and lines (at most the client width)
  Integer GridHeight();

  // Current cell and selection.
  Integer Col() const { return current_.X; }
  void SetCol(Integer Value);
  Integer Row() const { return current_.Y; }
  void SetRow(Integer Value);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);

  // The in-place editor: EditorMode true asks for it on the current cell (shown when CanEditShow);
  // false writes its text back and hides it.  InplaceEditor is nullptr until first shown.
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }

  void Dispatch(TMessage& Message) override;

 protected:
  friend class TInplaceEdit;

  // Editor hooks.  GetEditLimit: the longest text, 0 for no limit, -1 forbids any change.
  // GetEditMask: the cell's edit mask (mask_edit.h), "" for free text.
  virtual bool CanEditAcceptKey(char /*Key*/) { return true; }
  virtual bool CanEditModify() { return canEditModify_; }
  virtual bool CanEditShow();
  virtual TInplaceEdit* CreateEditor();
  virtual std::string GetEditText(Integer /*ACol*/, Integer /*ARow*/) { return {}; }
  virtual void SetEditText(Integer /*ACol*/, Integer /*ARow*/, const std::string& /*Value*/) {}
  virtual Integer GetEditLimit() { return 0; }
  virtual std::string GetEditMask(Integer /*ACol*/, Integer /*ARow*/) { return {}; }
  void ShowEditor();
  void HideEditor();
  // Opens the editor and types Ch into it (replacing the selected text).
  void ShowEditorChar(char Ch);
  // Reloads the editor from the current cell.
  void InvalidateEditor();
  // Writes the editor's text to the cell it was loaded from (SetEditText); a masked text only when
  // the user changed it.
  void UpdateText();
  // A cell's text was set: an editor on that cell showing another text reloads (not while the
  // editor's own text is being written back).
  void EditedCellChanged(Integer ACol, Integer ARow);
  // Hooks for descendants.
  virtual void DrawCell(Integer /*ACol*/, Integer /*ARow*/, const TRect& /*ARect*/, TGridDrawState /*AState*/) {}
  virtual bool SelectCell(Integer ACol, Integer ARow);
  virtual void SizeChanged(Integer /*OldColCount*/, Integer /*OldRowCount*/) {}
  virtual void TopLeftChanged() {}
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void ColumnMoved(Integer /*FromIndex*/, Integer /*ToIndex*/) {}
  virtual void RowMoved(Integer /*FromIndex*/, Integer /*ToIndex*/) {}

  // The sizing zone under a point (client coordinates): gsColSizing over a column line in the fixed
  // rows with goColSizing, gsRowSizing over a row line in the fixed columns with goRowSizing, else
  // gsNormal.  Index is the line's cell, SizingPos the line's logical position, SizingOfs its
  // distance from the point.
  virtual void CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                               Integer& SizingOfs);
  void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
  void MoveColumn(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);
  void DeleteColumn(Integer ACol);
  void DeleteRow(Integer ARow);
  void InvalidateCell(Integer ACol, Integer ARow);
  void InvalidateCol(Integer ACol);
  void InvalidateRow(Integer ARow);
  void InvalidateGridRect(const TGridRect& ARect);
  TGridState GridState() const { return gridState_; }
  void SetGridState(TGridState Value) { gridState_ = Value; }
  // The column or row being sized or moved (meaningful while GridState says so).
  Integer SizingIndex() const { return sizingIndex_; }
  // Drops a sizing or moving drag without applying it: the line (indicator) is erased, the state is
  // gsNormal again and the mouse capture is released.  Nothing while no such drag runs.
  void CancelSizingOrMoving();

  // Thumb positions on the 0..127 scale.
  Integer RowToThumb(Integer ATopRow);
  Integer ThumbToRow(Integer Position);
  Integer ColToThumb(Integer ALeftCol);
  Integer ThumbToCol(Integer Position);

  void Paint() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Resize() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  TRect LogicalCellRect(Integer ACol, Integer ARow);
  TRect Mirror(TRect Rect);
  void InvalidateLogical(TRect Rect);
  void ClampTopLeft();
  void MoveTopLeft(TGridCoord Value);
  void ScrollIntoView(TGridCoord Cell);
  void SelectionChanged(const TGridRect& OldSelection);
  void CountsChanged(Integer OldColCount, Integer OldRowCount);
  bool CellInClip(Integer ACol, Integer ARow, const TRect& Clip);
  void DrawLines(Integer lastCol, Integer lastRow, const TRect& Clip);
  void DrawCells(Integer lastCol, Integer lastRow, const TRect& Clip);
  void DefaultDrawCell(const TRect& Rect, TGridDrawState State);
  void RaiseFixedCell(const TRect& Rect);
  void FocusDraw(const TRect& Rect);
  void UpdateScrollBars();
  void WheelStep(Integer Rows);   // moves the current row by Rows within the normal rows
  void ScrollMessage(TMessage& Message, bool Vertical);
  TGridCoord KeyTarget(Word Key, TShiftState Shift, bool& MoveAnchor);
  bool StartSizingOrMoving(Integer X, Integer Y);
  void TrackSizingOrMoving(Integer X, Integer Y);
  void EndSizingOrMoving();
  void DrawSizingLine();
  void DrawMoveIndicator();
  void WMSetCursor(TMessage& Message);
  void SelectDrag(Integer X, Integer Y);
  bool AutoScrollTick(UINT_PTR TimerId);   // false for another timer
  void StopAutoScroll();
  bool IsActiveControl();
  void UpdateEdit();     // loads and places the editor when it may show
  void HideEdit();       // validates the editor's text, writes it back and hides it
  // Raises the mask's error (the editor keeping its cell and taking the focus) when the editor
  // holds a cell other than Target with a masked text that may not leave it.
  void ValidateEditorLeaving(TGridCoord Target);
  void EditorKey(Word& Key);
  void LoadEditor();
  void PlaceEditor();   // keeps a loaded editor on the current cell's rectangle
  void EditorFocusLost(HWND NewFocus);
  void FocusLeftGrid(HWND NewFocus);
  void GridFocusChanged(TMessage& Message, bool Gained);
  void TypedChar(TMessage& Message);

  TGridAxis cols_{5, 1, 64};
  TGridAxis rows_{5, 1, 24};
  Integer gridLineWidth_ = 1;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  TColor fixedColor_;
  bool defaultDrawing_ = true;
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridCoord topLeft_{1, 1};
  TGridState gridState_ = gsNormal;
  Integer sizingIndex_ = 0;    // the column or row being sized or moved
  Integer sizingPos_ = 0;      // sizing: the line's logical position; moving: the target index
  Integer sizingOfs_ = 0;
  TPoint lastMouse_{};         // the last mouse position while selecting (client coordinates)
  bool autoScrolling_ = false;
  TInplaceEdit* inplaceEdit_ = nullptr;   // owned (as a component) by the grid
  bool editorMode_ = false;
  bool canEditModify_ = true;
  bool writingBack_ = false;               // UpdateText is storing the editor's text
  TGridCoord inplaceCell_{-1, -1};         // the cell the editor was loaded from, (-1, -1) for none
};
