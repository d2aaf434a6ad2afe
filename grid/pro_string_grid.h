// TProStringGrid: the grid library's string grid, the control the application's forms place (the
// import grid, the company list).  On the base grid (TBaseGrid: cell texts through the base-cell
// rule, properties per cell, merged cells, undo store) it adds settings objects, typed cell values
// and cell graphics, a footer row with column aggregates, row and column operations that keep
// everything travelling with rows in step, an update lock, delimited-file loading and a text
// stream, and 119 published events.
//
// The declaration is grouped by feature; each group's operations live in their own .cpp
// (pro_string_grid_<feature>.cpp) and later features add groups of their own.
//
// Cells: every cell text goes through GetCellText / SetCellText (Cells) of the base grid; the
// delimited-file import and the text stream store raw (SetLoadedCellText).  Normal cells are the
// rows FixedRows .. RowCount - FixedFooters - 1 and the columns FixedCols .. ColCount -
// FixedRightCols - 1.  The grid owns each cell's properties and each cell graphic it made, and frees
// them when the cell is cleared, its row or column is removed, or the grid shrinks past it.
//
// Errors: EProGridError with the texts of pro_grid_error.h; index errors of the class library's
// grid ("Grid index out of range") pass through.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/base_grid.h"
#include "grid/cell_graphic.h"
#include "grid/grid_pointer_state.h"
#include "grid/pro_string_grid_types.h"
#include "grid/stored_property.h"
#include "platform/core/function_ref.h"

class TArrowWindow;
class TBackGround;
class Variant;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCustomForm;
class THTMLHintWindow;
class TCellGraphic;
class TCellNode;
class TCollection;
class TColumnSize;
class TGridEditorControls;
class TControlList;
class TControlLook;
class TCustomImageList;
class TCustomRichEdit;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterData;
class TFloatingFooter;
class TSearchFooter;
class TSearchPanel;
class TFooterPanel;
class TGridProgressAppearance;
class TGridItem;
class TGridTransEdit;
class TControlEdit;
struct TDrawMarkupOutput;
class TGrouping;
class THTMLHintWindow;
class THTMLSettings;
class TIntList;
class TMouseActions;
class TProRichEdit;
class TNavigation;
class TPrintSettings;
class TProInplaceEdit;
class TPopupButton;
class TProStringGridCheck;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStream;
class TStrings;
class TTimer;
struct THintInfo;
enum TCellType : Byte;
struct NMTTDISPINFOA;
enum TSortDirection : Byte;

class TProStringGrid : public TBaseGrid {
  PR_CLASS(TProStringGrid, TBaseGrid)

 public:
  explicit TProStringGrid(TComponent* AOwner);
  ~TProStringGrid() override;

  // ==== Life cycle ====
  // Takes only a TProStringGrid: its font, active-cell look, alignment and size switches, its
  // settings objects, counts, default sizes and options, then its cells through the text stream.
  // Any other source is ignored.
  void Assign(TPersistent* Source) override;
  // With IntegralHeight (outside the update lock) the height holds whole default rows.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  // The grid, and the floating footer's panel while it is visible (not while loading).
  void Invalidate() override;
  // The packed version 3.5.3.1 and its text.
  virtual Integer GetVersionNumber() const;
  virtual std::string GetVersionText() const;
  std::string Version() const { return GetVersionText(); }
  void SetVersion(const std::string&) {}

  // ==== Dimensions and fixed areas ====
  // Keeps FixedRowAlways' fixed rows, raises MaxRowCount, frees the properties of cut-off rows.
  void SetRowCount(Integer Value);
  void SetColCount(Integer Value);
  // 1 when the stored count is 0 and FixedRowAlways (FixedColAlways) is set.
  Integer FixedRows() const;
  void SetFixedRows(Integer Value);
  Integer FixedCols() const;
  void SetFixedCols(Integer Value);
  Integer FixedFooters() const { return fixedFooters_; }
  void SetFixedFooters(Integer Value);
  Integer FixedRightCols() const { return fixedRightCols_; }
  void SetFixedRightCols(Integer Value);
  Integer FixedColWidth() const;
  void SetFixedColWidth(Integer Value);
  Integer FixedRowHeight() const { return fixedRowHeight_; }
  void SetFixedRowHeight(Integer Value);
  void SetDefaultRowHeight(Integer Value);
  bool FixedRowAlways() const { return fixedRowAlways_; }
  void SetFixedRowAlways(bool Value) { fixedRowAlways_ = Value; }
  bool FixedColAlways() const { return fixedColAlways_; }
  void SetFixedColAlways(bool Value) { fixedColAlways_ = Value; }
  // The largest RowCount / ColCount set; MaxRowCount falls with RemoveRows and RemoveRowsEx.
  Integer MaxRowCount() const { return maxRowCount_; }
  Integer MaxColCount() const { return maxColCount_; }
  Integer SavedFixedRows() const { return savedFixedRows_; }
  Integer SavedFixedCols() const { return savedFixedCols_; }
  // The current row; setting it fires OnRowUpdate(last reported row, new row) when the row changes
  // (LastUpdatedRow follows only while OnRowUpdate is assigned).
  Integer GetRow() const { return TBaseGrid::Row(); }
  void SetRow(Integer Value);
  Integer LastUpdatedRow() const { return lastUpdatedRow_; }
  // The cell range saving and copying cover: the whole grid (IncludeFixedCells), else the normal
  // cells.
  Integer FirstSaveCol() const;
  Integer FirstSaveRow() const;
  Integer LastSaveCol() const;
  Integer LastSaveRow() const;
  Integer SaveColCount() const;
  Integer SaveRowCount() const;
  bool IncludeFixedCells() const { return includeFixedCells_; }
  void SetIncludeFixedCells(bool Value) { includeFixedCells_ = Value; }
  // Puts the selection outside the grid (while no normal row exists) and back.
  void HideSelection();
  void RestoreSelection();
  bool SelectionHidden() const { return selectionHidden_; }
  // Column hiding stays dormant in this system: no column is ever hidden (the hidden rows' group
  // below keeps the column flags).
  Integer NumHiddenColumns() const { return hiddenColCount_; }
  bool IsWideCell(Integer ACol, Integer ARow);

  // ==== Headers and merged runs ====
  TStrings* ColumnHeaders() const;
  void SetColumnHeaders(TStrings* Value);
  TStrings* RowHeaders() const;
  void SetRowHeaders(TStrings* Value);
  void RefreshColumnHeaders();
  void RefreshRowHeaders();
  // The columns whose runs of equal cells MergeListedColumns merges.
  TIntList* MergeColumns() const { return mergeColumns_.get(); }
  void SplitColumnMerges(Integer ACol);
  void SplitAllColumnMerges();
  void MergeEqualCells(Integer ACol, bool IgnoreOtherMerges);
  void MergeListedColumns();
  void RemergeColumns();

  // ==== Rows and columns: inserting, removing, clearing ====
  virtual void AddRow();
  // An empty row after the last normal row (above a visible footer row).
  void AppendRow();
  virtual void InsertRows(Integer ARow, Integer ACount, bool MoveControls = true);
  // Copies the rows below up (heights stay in place); frees the removed rows' properties first.
  virtual void RemoveRows(Integer ARow, Integer ACount);
  // Removes rows with their heights, properties, controls and flags.
  virtual void RemoveRowsEx(Integer ARow, Integer ACount);
  // Frees the rows' properties, then RemoveRowRange.
  virtual void DeleteRows(Integer ARow, Integer ACount);
  void RemoveRowRange(Integer ARow, Integer ACount, bool AdjustHidden);
  void RemoveSelectedRows();
  virtual void InsertCols(Integer ACol, Integer ACount);
  virtual void RemoveCols(Integer ACol, Integer ACount);
  // Frees the graphics and properties of the cells of the range (inclusive) and empties their texts.
  virtual void ClearRange(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  void ClearRows(Integer ARow, Integer ACount);
  void ClearCols(Integer ACol, Integer ACount);
  void ClearSelectedCells();
  // Empties every cell (graphics and properties freed); counts, widths and heights stay.
  void Clear();

  // ==== Hidden rows (and the dormant hidden columns) ====
  // Every row has a real index (its place when nothing is hidden) and, while shown, a display
  // index.  Hidden rows wait in an ordered store (TGridItem entries in ascending Idx) with their
  // texts, properties and heights.  Real indexes: HideRows, UnHideRows, IsHiddenRow.
  void HideRows(Integer FromRow, Integer ToRow);
  void HideRow(Integer ARow) { HideRows(ARow, ARow); }
  // Hides the rows at the listed display indexes (ascending) in one operation.
  void HideRowList(TIntList* List);
  // Shows the hidden rows of the real range again; nothing unless FromRow itself is hidden.
  void UnHideRows(Integer FromRow, Integer ToRow);
  void UnHideRow(Integer ARow) { UnHideRows(ARow, ARow); }
  void UnHideRowsAll();
  bool IsHiddenRow(Integer ARow) const;
  Integer NumHiddenRows() const;
  // The store's entries, in ascending real index.
  TCollection* HiddenRows() const { return hiddenRows_.get(); }
  Integer DisplayToRealRow(Integer ARow) const;
  Integer RealToDisplayRow(Integer ARow) const;
  Integer RealRowIndex(Integer ARow) const { return DisplayToRealRow(ARow); }
  Integer DisplRowIndex(Integer ARow) const { return RealToDisplayRow(ARow); }
  Integer DisplToRealCol(Integer ACol) const;
  Integer RealToDisplCol(Integer ACol) const;
  Integer RealColIndex(Integer ACol) const { return DisplToRealCol(ACol); }
  Integer RealCol() const { return DisplToRealCol(Col()); }
  // False from column 512 on.
  bool IsHiddenColumn(Integer ACol) const;
  Integer AllColCount() const { return ColCount() + NumHiddenColumns(); }
  // A cell by real row: a hidden row's stored text passed through the display-text hook, a shown
  // row's text through the cell getter.
  std::string GetCellTextInclHidden(Integer ACol, Integer ARealRow);
  // A hidden row's stored cells (texts, and the cells' properties as objects), one per column;
  // nullptr for a row that is not hidden.
  TStringList* GetRowItems(Integer ARealRow) const;
  // GetFloats for a real row, hidden rows included.
  double GetAllFloats(Integer ACol, Integer ARealRow);
  // A column's width by real index (a hidden column's saved width).
  Integer GetRealColWidth(Integer ACol);
  void SetRealColWidth(Integer ACol, Integer Width);

  // ==== Cell access ====
  // The cell as UTF-16 (a "|\" text decoded, any other converted from code page 874), and back
  // (stored raw, without repaint).
  std::u16string GetWideCells(Integer ACol, Integer ARow);
  void SetWideCells(Integer ACol, Integer ARow, const std::u16string& Value);
  // The display text without markup tags.
  std::string GetCellPlainText(Integer ACol, Integer ARow);

  // ==== Disjunct selection ====
  // Rows are checked against 0 .. RowCount + NumHiddenRows - 1 (EProGridError "Invalid row
  // accessed"), columns against 0 .. ColCount - 1 ("Invalid column accessed").  Row flags are
  // indexed by display row, or by real row with MouseActions.RowSelectPersistent.
  bool GetRowSelect(Integer ARow);
  bool GetColSelect(Integer ACol);
  void SetDisjunctRowSelected(Integer ARow, bool State);
  void SetDisjunctColSelected(Integer ACol, bool State);
  void ClearDisjunctRowSelection();
  void ClearDisjunctColSelection();
  void SelectionToDisjunctRows(bool All);
  void SelectionToDisjunctCols(bool All);
  Integer SelectedRowCount();
  // The row numbers selected, in the order of selection.
  TIntList* SelectedRows() const { return selectedRows_.get(); }
  // False for fixed cells; else by the disjunct row or column flags, or the selection rectangle.
  bool IsCellSelected(Integer ACol, Integer ARow);

  // ==== Filtering ====
  TFilter* Filter() const { return filter_.get(); }
  void SetFilter(TFilter* Value);
  // On: hides every data row that fails the filter; off: brings every hidden row back.  Setting it
  // recalculates the footer, also when the value does not change.
  bool FilterActive() const { return filterActive_; }
  void SetFilterActive(bool Value);
  virtual bool FilterRowMatches(Integer ARow);

  // ==== Finding ====
  // The next matching cell after Start ((-1, -1): from the range's first cell); Found (-1, -1)
  // when none.  Never wraps around.
  void FindCellFrom(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options, bool IsWide = false,
                    const std::u16string& WideText = {});
  // FindCellFrom on an 8-bit text, reporting SaveProgress (0, 1 per tested cell's row, then 4 found
  // or 2 not found).
  void FindText(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options);
  bool CellMatchesSearch(Integer ACol, Integer ARow, bool IsWide);
  // The first row whose search column, markup stripped, begins with Text (upper-case); -1 when
  // none.  The search column: FixedCols without SortSettings.Show; with IndexShow the sort index's
  // first column (FixedCols while it is empty); else SortSettings.Column.
  Integer FindRowByPrefix(const std::string& Text);
  Integer PresetSearchCol() const { return presetCol_; }
  void SetPresetSearchCol(Integer Value) { presetCol_ = Value; }
  Integer PresetSearchRow() const { return presetRow_; }
  void SetPresetSearchRow(Integer Value) { presetRow_ = Value; }
  // The find bar's settings (their changes run UpdateSearchPanel) and its panel (owned as a
  // component; its events run the five handlers below).
  TSearchFooter* SearchFooter() const { return searchFooter_.get(); }
  void SetSearchFooter(TSearchFooter* Value);
  TSearchPanel* SearchPanel() const { return searchPanel_; }
  // The move indicators, made at run time only (null in the designer), hidden until a row or
  // column drag shows them: the arrow of a Direction (0 up, 1 down, 2 right, 3 left) and the
  // floating caption of a dragged header.  Both owned and parented by the grid.
  TArrowWindow* ArrowWindow(Byte Direction) const { return arrows_[Direction & 3]; }
  TPopupButton* PopupButton() const { return popupButton_; }
  // Brings the panel in line with SearchFooter: colours, visibility, captions, hints, font, button
  // look by ControlLook's style, shown controls, layout and heights.
  void UpdateSearchPanel(TObject* Sender = nullptr);
  TPoint LastFoundCell() const { return lastFound_; }
  // The search footer panel's five notifications.
  void SearchEditChanged(TObject* Sender);
  void SearchFindNext(TObject* Sender);
  void SearchFindPrevious(TObject* Sender);
  void SearchClose(TObject* Sender);
  void SearchHighlightToggled(TObject* Sender);

  // ==== Sorting ====
  // Sorts swap whole rows in place (texts, objects, heights); RowOrder keeps, for each row
  // position, where that row stood before sorting (rebuilt as 0, 1, ... whenever its length is not
  // RowCount), so RestoreUnsortedOrder can put every row back.  A column's sort style, prefix and
  // suffix come from OnGetFormat (ssAutomatic with SortSettings.AutoFormat, else ssAlphabetic).
  // -1, 0 or 1: the cell of ARow1 before, equal to or after that of ARow2 in ascending order; with
  // SortSettings.IgnoreBlanks one empty cell goes first (blFirst) or last (blLast) in Direction.
  Integer CompareCells(Integer ACol, Integer ARow1, Integer ARow2, TSortDirection Direction);
  // CompareCells in SortSettings.Direction; with Full, ties go on to the columns on the right.
  Integer CompareRows(Integer ACol, Integer ARow1, Integer ARow2);
  // By the sort index entry at Depth (signed by its direction); with Full, ties go to the next.
  Integer CompareRowsIndexed(Integer Depth, Integer ARow1, Integer ARow2);
  // Quicksorts of rows Lo..Hi (not stable); both need the three scratch rows a driver adds.
  void SortRowRange(Integer ACol, Integer Lo, Integer Hi);
  void SortRowRangeIndexed(Integer Lo, Integer Hi);
  // SortRowRangeIndexed with scratch rows of its own.
  void SortRangeByIndex(Integer Lo, Integer Hi);
  // The normal rows by SortSettings.Column (the sort index emptied; without MoveRowOnSort one
  // OnRowUpdate(row before, row after) at the end).
  virtual void SortByColumn();
  // The normal rows by the sort index; EProGridError "No indexes specified for indexed sort" when
  // it is empty (nothing changes).
  virtual void SortByIndex();
  // The child rows of every expanded node, by SortSettings.Column or by the sort index (whose
  // emptiness raises the list error).
  virtual void SortNodeGroups();
  virtual void SortNodeGroupsByIndex();
  // Every row (fixed ones included) back where RowOrder says it stood; the list error when rows
  // were added since the last sort.
  virtual void RestoreUnsortedOrder();
  // Exchanges two rows: their RowOrder entries, texts and objects (only the sort column's with
  // SingleColumn), heights, disjunct flags (with DisjunctRowSelect and MoveRowOnSort), modified
  // marks (ShowModified.Enabled) and the tracked row.
  virtual void SwapRows(Integer ARow1, Integer ARow2);
  // The multi-column sort: column in bits 0-30, bit 31 set for descending.
  TSortIndexList* SortIndexes() const { return sortIndex_.get(); }
  TIntList* RowOrder() const { return rowOrder_.get(); }
  // With MoveRowOnSort, where the row current when the sort began is now.
  Integer SortTrackedRow() const { return sortTrackedRow_; }
  Integer SwapCount() const { return swapCount_; }

  // ==== Cell and row colours ====
  // The cell's BrushColor; clNone without properties.
  TColor GetCellColor(Integer ACol, Integer ARow);
  void SetCellColor(Integer ACol, Integer ARow, TColor Value);
  void SetCellColorTo(Integer ACol, Integer ARow, TColor Value);
  void SetCellFontColor(Integer ACol, Integer ARow, TColor Value);
  // Every cell of the row from FixedCols on; clNone frees the properties of cells without a
  // graphic (a cell with one keeps it and takes clNone).
  void SetRowColor(Integer ARow, TColor Value);
  void SetRowColorTo(Integer ARow, TColor Value);
  void SetRowFontColor(Integer ARow, TColor Value);

  // ==== Node rows ====
  // A node row carries a ctNode graphic in column 0: CellIndex its span (rows it heads, itself
  // included; 0: up to the next node row), CellBoolean set while contracted.  A row's level (the
  // nodes covering it) sits in its column-0 properties.  Contracted rows wait in the hidden-row
  // store.  AddNode, AddSummaryRow, RemoveNode, ExpandNode, ContractNode and the row operations
  // take real rows; the questions take display rows.
  void AddNode(Integer ARow, Integer ASpan);
  void AddSummaryRow(Integer ARow);
  void RemoveNode(Integer ARow);
  void RemoveAllNodes();
  bool IsNode(Integer ARow);
  bool IsSummary(Integer ARow);
  // True while the node is contracted; false for other rows.
  bool GetNodeState(Integer ARow);
  // -1 for a row that is not a node.
  Integer GetNodeLevel(Integer ARow);
  Integer GetNodeSpan(Integer ARow);
  void AdjustNodeSpan(Integer ARow, Integer Delta);
  // The innermost node whose span covers the row (for a node: its parent, or itself at the top
  // level); -1 without nodes or outside every node.
  Integer GetParentRow(Integer ARow);
  // 0 a node row, 2 the tree line goes on to the next row, 1 it ends here.
  Integer GetTreeLineKind(Integer ARow);
  bool IsNodeGlyphHit(Integer ARow, Integer X);
  // With CellNode.ExpandOne every other expanded node is contracted first.
  void ExpandNode(Integer ARow);
  // Nested contracted nodes are marked expanded: this node's contraction takes over their rows.
  void ContractNode(Integer ARow);
  void ExpandAll();
  void ContractAll();
  void InsertRowWithNodes(Integer ARow);
  void RemoveRowWithNodes(Integer ARow);
  // A row inserted at ARow + AOffset inside the row's node (which, with every lower-level node
  // above it, grows by one row and is expanded), at that node's level.
  void InsertChildRow(Integer ARow, Integer AOffset);
  void RemoveChildRow(Integer ARow);

  // ==== Check, radio and button cells ====
  // Check state by kind: ctCheckBox its CellBoolean; ctDataCheckBox and ctVirtCheckBox the text
  // equal to the check-true text; ctRowCheckBox (column 0) the row's disjunct selection.  Each
  // answers whether the cell holds a check box.
  bool GetCheckBoxState(Integer ACol, Integer ARow, bool& State);
  bool SetCheckBoxState(Integer ACol, Integer ARow, bool State);
  void SetCheckState(Integer ADisplCol, Integer ARow, bool State);
  void CheckAll(Integer ACol);
  void UnCheckAll(Integer ACol);
  // Flips a check box (ByUser: only where CanEditCell allows, unless CheckAlwaysActive) and records
  // the change in the linked undo store; false for other cells.
  virtual bool ToggleCellGraphic(Integer ACol, Integer ARow, bool ByUser);
  // The next choice of a radio cell, wrapping to 0 (ByUser: as above with RadioAlwaysActive).
  bool ToggleRadio(Integer ACol, Integer ARow, bool ByUser);
  // The tests below look at the merged base cell; GetRadioIndex at the cell itself.
  bool IsCheckBoxCell(Integer ACol, Integer ARow);
  bool IsRadioCell(Integer ACol, Integer ARow);
  TStrings* GetRadioChoices(Integer ACol, Integer ARow);
  bool GetRadioIndex(Integer ACol, Integer ARow, Integer& Index);
  bool IsButtonCell(Integer ACol, Integer ARow);
  // With MouseActions.PreciseCheckBoxCheck only a point inside the drawn box hits it.
  bool IsCheckBoxHit(Integer ACol, Integer ARow, Integer X, Integer Y);
  bool GetButtonRect(Integer ADisplCol, Integer ARow, TRect& Rect);
  bool GetComment(Integer ACol, Integer ARow, std::string& Comment);
  void GetCellErrorRange(Integer ACol, Integer ARow, Integer& Start, Integer& Length);

  // ==== Grouping ====
  // Group: the column's runs of equal values (after a sort on it with AutoSortForGrouping) become
  // groups, each a node whose header row holds the value in column 1 (2 when grouping column 1),
  // optionally followed by a summary row; the column leaves the grid until UnGroup puts it back
  // with its width, row-0 and footer texts and every row's value.  GroupOnColumn keeps the column:
  // each run gets a header row (its value in the next column), the run's cells are emptied, and
  // with Summary one summary row follows the last group; UnGroupOnColumn writes the values back.
  // Both first switch the filter off and expand every node.  Column 0 (the node column) and a
  // grid without data rows are never grouped.
  virtual void Group(Integer ACol);
  virtual void UnGroup();
  virtual void GroupOnColumn(Integer ACol);
  virtual void UnGroupOnColumn(Integer ACol);

  // ==== Typed cell values ====
  // The cell as a 32-bit integer ("" and "-" are 0); EProGridError "Cell does not contain integer
  // value" for anything else the platform's integer reader refuses.
  Integer GetInts(Integer ACol, Integer ARow);
  void SetInts(Integer ACol, Integer ARow, Integer Value);
  // The cell as a number after the grid's number normalisation; "", "-" (trimmed) are 0; a text
  // without any digit, or one that does not read as a number, raises EProGridError "Cell does not
  // contain a float value".
  double GetFloats(Integer ACol, Integer ARow);
  // The value formatted with FloatFormat.
  void SetFloats(Integer ACol, Integer ARow, double Value);
  // The date in the locale's short date format.
  void SetDates(Integer ACol, Integer ARow, TDateTime Value);

  // ==== Cell graphics ====
  virtual TCellGraphic* GetCellGraphic(Integer ACol, Integer ARow);
  virtual TCellType GetCellType(Integer ACol, Integer ARow);
  // Frees the cell's graphic (not a virtual or row check box) and attaches a new one.
  TCellGraphic* CreateCellGraphic(Integer ACol, Integer ARow);
  // Detaches (and, unless a virtual or row check box, frees) the cell's graphic.
  bool RemoveCellGraphic(Integer ACol, Integer ARow);
  bool RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType AType);
  // The image index list of a ctImages cell, else nullptr.
  TIntList* GetCellImages(Integer ACol, Integer ARow);
  // The sort key of an image cell: the bitmap's or icon's identity, the image index; else -1.
  std::intptr_t GetCellImageKey(Integer ACol, Integer ARow);
  // The cell graphic lent to column 0 while MouseActions.HotmailRowSelect is on.
  TCellGraphic* RowCheckGraphic() const { return rowCheckGraphic_.get(); }
  bool GetRotated(Integer ACol, Integer ARow, Integer& Angle);
  // Rect inset by 2 pixels, its Left and Top moved to where Text, drawn at Angle degrees in the
  // canvas's font, starts so that its turned box sits at the alignments (RotatedTextOrigin).
  void PlaceRotatedText(TCanvas* ACanvas, TRect& Rect, Integer Angle, TVAlignment VAlign, TAlignment HAlign,
                        const std::string& Text);
  // Marks (removes the marks of) AText in every cell's markup with "hi" tags; WholeGrid: all cells,
  // else the normal cells.
  void HighlightInGrid(bool WholeGrid, bool CaseSensitive, const std::string& AText);
  void UnHighlightInGrid(bool WholeGrid);

  // ==== Footer row and column aggregates ====
  // Fills the footer row's cells (ACol -1: every column) while the floating footer shows the last
  // row and calculates.
  virtual void CalculateFooter(Integer ACol);
  virtual void RecalcFooter(Integer ACol) { CalculateFooter(ACol); }
  // Sum, average, minimum and maximum of a column's values over rows FromRow..ToRow: only base
  // cells count; node and summary rows are skipped while grouped; ColumnSum and ColumnAvg skip
  // values that do not read, ColumnMin and ColumnMax start from FromRow's value (whose error
  // reaches the caller) and skip the rest that do not read.
  double ColumnSum(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnMin(Integer ACol, Integer FromRow, Integer ToRow);
  double ColumnMax(Integer ACol, Integer FromRow, Integer ToRow);

  // ==== Text conversion, change notification and validation ====
  // Both true after construction: save the display (formatted) text; save with markup.
  bool SaveWithFormat() const { return saveWithFormat_; }
  void SetSaveWithFormat(bool Value) { saveWithFormat_ = Value; }
  bool SaveWithTags() const { return saveWithTags_; }
  void SetSaveWithTags(bool Value) { saveWithTags_ = Value; }
  // Validate an edit even when its text did not change.
  bool AlwaysValidate() const { return alwaysValidate_; }
  void SetAlwaysValidate(bool Value) { alwaysValidate_ = Value; }
  // Set by the editor life cycle while an editor is open in a cell; ValidateCell clears it.
  bool EditorOpen() const { return editorOpen_; }
  void SetEditorOpen(bool Value) { editorOpen_ = Value; }
  Integer EditCol() const { return editCol_; }
  Integer EditRow() const { return editRow_; }
  const std::string& KeptCellText() const { return keptCellText_; }
  const std::string& LastEditedText() const { return lastEditedText_; }
  // Modified-row marks (kept while ShowModified.Enabled; rows moved carry them).
  bool GetRowModified(Integer ARow) const;
  void SetRowModified(Integer ARow, bool State);

  // ==== Update lock ====
  // While the lock is held the grid does not paint.  BeginUpdate counts (and stops redrawing) only
  // while the grid shows; BeginUpdateQuiet counts without telling the window.  EndUpdate releases
  // one level; at 0 a showing grid redraws again and repaints its client area.  ResetUpdate drops
  // every level at once, redrawing as EndUpdate does.
  void BeginUpdate();
  void BeginUpdateQuiet();
  void EndUpdate();
  void ResetUpdate();
  Integer UpdateCount() const { return updateCount_; }

  // ==== Delimited files and the grid text stream ====
  // Loads a delimited text file from the start cell on; MaxRows -1 loads every line.
  // EProGridError "Cannot open file " + FileName when it cannot be opened (nothing changes).
  void LoadCSVFile(const std::string& FileName, Integer MaxRows = -1);
  // Fills the grid with the used range of the workbook's active sheet, read through the
  // "excel.application" automation server (pro_string_grid_worksheet.cpp).  EProGridError "Excel
  // OLE server not found" without the server (nothing changes); the server's EOleError for a file
  // it cannot read or a used range past its cell limit (no count changes), after the whole grid is
  // reported changed.
  void LoadWorksheetFile(const std::string& FileName);
  // #0: detect the delimiter from the first two lines at each load.
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char Value) { delimiter_ = Value; }
  bool LoadFirstLine() const { return loadFirstLine_; }
  void SetLoadFirstLine(bool Value) { loadFirstLine_ = Value; }
  bool TildeLineBreaks() const { return tildeLineBreaks_; }
  void SetTildeLineBreaks(bool Value) { tildeLineBreaks_ = Value; }
  // Writes the sizes, widths and non-empty save texts as CR LF lines; reads them back up to the
  // stream's end or the first foreign line (the stream is left at that line's start).
  void WriteGridText(TStream* Stream);
  void ReadGridText(TStream* Stream);

  // ==== Rich-text cells ====
  // The two hidden rich edits, made with the grid: one renders and measures rich-text cells, the
  // other edits them.
  TProRichEdit* RichEdit() const { return richEdit_; }
  TProRichEdit* RichEditor() const { return richEditor_; }
  // Loads the cell's text into Edit as RTF (its lines read from a stream of the text's bytes); an
  // empty cell clears it.
  void LoadRichEditFromCell(Integer ACol, Integer ARow, TCustomRichEdit* Edit);
  // Edit's lines written to a stream and read back as text (empty when the stream is).
  std::string RichEditText(TCustomRichEdit* Edit);
  // Renders the cell's rich text into ARect (the cell's content rectangle, margins applied here)
  // through the rendering edit; a selected cell's text takes SelectionTextColor unless
  // SelectionRTFKeep.
  void DrawRTFCell(Integer ACol, Integer ARow, TCanvas* ACanvas, const TRect& ARect);

  // ==== Clipboard: text, the top-left cell's rich text and the private cell format ====
  // Copy puts the selection on the clipboard as TAB/CR LF text (CF_TEXT), with AllowRTFClipboard
  // the top-left cell's rich text and with AllowFmtClipboard the private format (texts, properties
  // and graphics; docs/grid-clipboard.md).  Cut copies, then empties what it copied.  Paste takes
  // the private format, else rich text, else text, at the selection's top-left cell; with
  // AllowSmartClipboard it then fills the selection (value, series or repeated block).
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  // Range in display columns and rows; Disjunct: only the selected rows / columns take part.
  void CopyRangeToClipboard(const TGridRect& Range, bool Disjunct);
  void CopyCellsToClipboard(const TGridRect& Range);
  void CopyRTFToClipboard(Integer ACol, Integer ARow);
  // The number of cells (private format) or fields (text) pasted; 0 for rich text or nothing.
  Integer PasteClipboardAt(Integer ACol, Integer ARow);
  // Pastes TAB-separated fields, lines ending at CR (an LF after it skipped); Text ends at its first
  // NUL or its end.  Returns the fields read.
  Integer PasteTextAt(Integer ACol, Integer ARow, std::string_view Text);
  // Cols: the most TAB-separated fields on a line; Rows: the non-empty lines less one.
  static void MeasureTextBlock(std::string_view Text, Integer& Cols, Integer& Rows);
  // The private format of Range (display cells) written to / read from a stream; reading places
  // the first cell record at Cell.  A stream that does not hold the format raises EReadError
  // "Invalid stream format" (cells read before stay).
  void WriteCellRangeComponents(const TGridRect& Range, TStream* Stream);
  void ReadCellRangeComponents(TPoint Cell, TStream* Stream);
  // Grows the selection to whole merged ranges at its corners.
  void ExtendSelectionToMergedCells();
  // A check-box cell takes the state "text equals the check-true text"; another cell the text.
  virtual void SetCellFromText(Integer ACol, Integer ARow, const std::string& Text);
  // The top-left cell of the last text copy ((-1, -1) before any); true after a copy, false after a
  // cut.
  TPoint CopyOrigin() const { return copyOrigin_; }
  bool LastOperationWasCopy() const { return lastOperationCopy_; }

 protected:
  virtual void BeforePaste() {}
  virtual void AfterPaste() {}
  virtual void CellsPasted(TPoint /*Origin*/, const TGridRect& /*Range*/, bool /*WasCopy*/) {}

 private:
  // The display row's disjunct flag (the real row's with RowSelectPersistent).
  bool RowSelectedForCopy(Integer ARow);
  std::string RangeClipboardText(const TGridRect& Range, bool Disjunct);
  std::string CopiedCellText(Integer ACol, Integer ARow);
  bool PastesTextInto(Integer ACol, Integer ARow);
  void PasteField(Integer ACol, Integer ARow, std::string Field);
  // The private format's header read ahead, the grid grown for it, then the cells read.
  Integer PasteCellsFormat(Integer ACol, Integer ARow, TStream* Stream);
  void SmartFill(const TGridRect& Sel, Integer Pasted);
  void FillSelectionWithTopLeft(const TGridRect& Sel);
  void FillSeries(const TGridRect& Sel, Integer Pasted);
  // Offers Value for the cell (not the selection's first) and writes it when allowed.
  void OfferSmartValue(Integer ACol, Integer ARow, bool First, std::string Value);
  bool SmartWritable(Integer ACol, Integer ARow);
  void WriteCellRecords(TStream* Stream, Integer ACol, Integer ARow);
  Integer CellStreamID();
  TPoint copyOrigin_{-1, -1};
  bool lastOperationCopy_ = false;
 public:

  // ==== Column widths kept in an ini file or the registry (ColumnSize) ====
  // Each column's width as the integer "Col<index>" in ColumnSize.Section of the store named by
  // ColumnSize.Key; nothing without a key or a section, or in the designer.  Errors of the store
  // propagate; the store object is freed in any case.  A missing value keeps the width.
  void SaveColumnSizes();
  void LoadColumnSizes();

  // ==== Cell look, alignment and edit permission ====
  // The (horizontal, vertical) alignment a cell is drawn with.
  std::pair<TAlignment, TVAlignment> GetCellAlignment(Integer ACol, Integer ARow);
  // The read-only flag of the cell's properties (made when missing).
  bool GetCellReadOnly(Integer ACol, Integer ARow);
  // The fixed cells' gradient colours, as RGB.
  TColor FixedGradientFrom() const { return fixedGradientFrom_; }
  void SetFixedGradientFrom(TColor Value);
  TColor FixedGradientTo() const { return fixedGradientTo_; }
  void SetFixedGradientTo(TColor Value);
  // Scrolls the cell into the middle of the view when it lies outside.
  void ScrollToCell(Integer ACol, Integer ARow);
  // With ScrollBarAlways: a bar whose rows (columns) all fit stays shown but disabled (or hidden
  // when its direction is not asked for); with saNone and HideWhenFitting such a bar is hidden.
  void UpdateScrollBarsAlways(bool HideWhenFitting);
  // "Y" and "N" unless OnGetCheckTrue / OnGetCheckFalse change them.
  const std::string& CheckTrueText() const { return checkTrue_; }
  const std::string& CheckFalseText() const { return checkFalse_; }
  // Set while the editing and mouse handling edit a fixed cell: CanEditCell then allows editing
  // without goEditing.
  bool ForcedEdit() const { return forcedEdit_; }
  void SetForcedEdit(bool Value) { forcedEdit_ = Value; }

  // ==== Window and platform facts read at construction ====
  // Windows XP or later with visual styles active.
  bool IsWinXP() const { return isWinXP_; }
  // The common-controls library's major version is above 5 (an unreadable version counts).
  bool IsComCtl6() const { return isComCtl6_; }
  UINT WheelMessage() const { return wheelMessage_; }
  Integer WheelScrollLines() const { return wheelScrollLines_; }
  bool IsLoaded() const { return loaded_; }
  Integer MinColWidth() const { return minColWidth_; }
  Integer MinRowHeight() const { return minRowHeight_; }
  // RowCount when loading ended (node rows keep it in step with the rows they take away).
  Integer LoadedRowCount() const { return loadedRowCount_; }

  // ==== Grouping and nodes (state read by the aggregates and the look) ====
  Integer NodeCount() const { return nodeCount_; }
  // The grouped column; -1 while the grid is not grouped.
  Integer GroupColumn() const { return groupColumn_; }

  // ==== Settings objects (setting one copies the given object) ====
  TFloatingFooter* FloatingFooter() const { return floatingFooter_.get(); }
  void SetFloatingFooter(TFloatingFooter* Value);
  TFooterPanel* FooterPanel() const { return footerPanel_; }
  TPrintSettings* PrintSettings() const { return printSettings_.get(); }
  void SetPrintSettings(TPrintSettings* Value);
  THTMLSettings* HTMLSettings() const { return htmlSettings_.get(); }
  void SetHTMLSettings(THTMLSettings* Value);
  TSortSettings* SortSettings() const { return sortSettings_.get(); }
  void SetSortSettings(TSortSettings* Value);
  TDragDropSettings* DragDropSettings() const { return dragDropSettings_.get(); }
  // Registers the grid's drop target for its window as DragDropSettings.OleDropTarget asks (once
  // the window exists), or revokes it.
  void UpdateOleDropTarget();
  bool OleDropTargetRegistered() const { return oleDropTargetRegistered_; }
  void SetDragDropSettings(TDragDropSettings* Value);
  TDragScrollOptions* DragScrollOptions() const { return dragScrollOptions_.get(); }
  void SetDragScrollOptions(TDragScrollOptions* Value);
  TControlLook* ControlLook() const { return controlLook_.get(); }
  void SetControlLook(TControlLook* Value);
  TNavigation* Navigation() const { return navigation_.get(); }
  void SetNavigation(TNavigation* Value);
  TColumnSize* ColumnSize() const { return columnSize_.get(); }
  void SetColumnSize(TColumnSize* Value);
  TCellNode* CellNode() const { return cellNode_.get(); }
  void SetCellNode(TCellNode* Value);
  TBands* Bands() const { return bands_.get(); }
  void SetBands(TBands* Value);
  TSizeWhileTyping* SizeWhileTyping() const { return sizeWhileTyping_.get(); }
  void SetSizeWhileTyping(TSizeWhileTyping* Value);
  TMouseActions* MouseActions() const { return mouseActions_.get(); }
  void SetMouseActions(TMouseActions* Value);
  TGrouping* Grouping() const { return grouping_.get(); }
  void SetGrouping(TGrouping* Value);
  TBackGround* BackGround() const { return backGround_.get(); }
  void SetBackGround(TBackGround* Value);
  TGridProgressAppearance* ProgressAppearance() const { return progressAppearance_.get(); }
  void SetProgressAppearance(TGridProgressAppearance* Value);
  TBalloonSettings* Balloon() const { return balloon_.get(); }
  void SetBalloon(TBalloonSettings* Value);
  TShowModified* ShowModified() const { return showModified_.get(); }
  void SetShowModified(TShowModified* Value);
  TFont* FixedFont() const { return fixedFont_.get(); }
  void SetFixedFont(TFont* Value);
  TFont* ActiveCellFont() const { return activeCellFont_.get(); }
  void SetActiveCellFont(TFont* Value);
  TStrings* LookupItems() const;
  void SetLookupItems(TStrings* Value);
  TBitmap* RowIndicator() const { return rowIndicator_.get(); }
  void SetRowIndicator(TBitmap* Value);
  TCustomImageList* GridImages() const { return gridImages_; }
  void SetGridImages(TCustomImageList* Value);
  TControlList* CellControls() const { return cellControls_.get(); }

  // ==== Look and behaviour properties ====
  TScrollBarAlways ScrollBarAlways() const { return scrollBarAlways_; }
  void SetScrollBarAlways(TScrollBarAlways Value) { scrollBarAlways_ = Value; }
  TGridLook Look() const { return look_; }
  void SetLook(TGridLook Value);
  TColor SelectionColor() const { return selectionColor_; }
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const { return selectionColorTo_; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionTextColor() const { return selectionTextColor_; }
  void SetSelectionTextColor(TColor Value);
  bool SelectionRectangle() const { return selectionRectangle_; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return selectionResizer_; }
  void SetSelectionResizer(bool Value);
  bool ShowSelection() const { return showSelection_; }
  void SetShowSelection(bool Value);
  bool ActiveCellShow() const { return activeCellShow_; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return activeCellColor_; }
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const { return activeCellColorTo_; }
  void SetActiveCellColorTo(TColor Value);
  bool URLShow() const { return urlShow_; }
  void SetURLShow(bool Value);
  TColor URLColor() const { return urlColor_; }
  void SetURLColor(TColor Value);
  bool URLFull() const { return urlFull_; }
  void SetURLFull(bool Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TVAlignment VAlignment() const { return vAlignment_; }
  void SetVAlignment(TVAlignment Value);
  // The DrawText vertical flag VAlignment stands for (DT_TOP, DT_VCENTER, DT_BOTTOM).
  UINT VAlignFlag() const { return vAlignFlag_; }
  Integer MaxEditLength() const { return maxEditLength_; }
  void SetMaxEditLength(Integer Value);
  // Stored; the grid fits its columns to their contents when it is switched on.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value) override;
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool Value);
  // Stored; the search footer keeps a copy for its panel's buttons.
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  const std::string& FloatFormat() const { return floatFormat_; }
  void SetFloatFormat(const std::string& Value) { floatFormat_ = Value; }

  // ==== Events: painting, look and hints ====
  TCustomCellDrawEvent OnCustomCellDraw;
  TCustomCellSizeEvent OnCustomCellSize;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderPropEvent OnGetCellBorderProp;
  TGridAlignEvent OnGetAlignment;
  TWordWrapEvent OnGetWordWrap;
  TGridFormatEvent OnGetFormat;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TFloatFormatEvent OnGetFloatFormat;
  TIsPasswordCellEvent OnIsPasswordCell;
  TFooterPaintEvent OnFooterPaint;
  TGridHintEvent OnGridHint;
  TOfficeHintEvent OnOfficeHint;
  TCellBalloonEvent OnCellBalloon;
  TScrollHintEvent OnScrollHint;
  // ==== Events: current cell and selection ====
  TAutoAdvanceEvent OnAutoAdvance;
  TRowUpdateEvent OnRowUpdate;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;
  TSelectionChangedEvent OnSelectionChanged;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  // ==== Events: printing ====
  TGridPrintPageEvent OnPrintPage;
  TGridPrintPageEvent OnPrintPageDone;
  TGridPrintStartEvent OnPrintStart;
  TGridPrintCancelEvent OnPrintCancel;
  TGridFitToPageEvent OnFitToPage;
  TGridPrintNewPageEvent OnPrintNewPage;
  TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
  TGridPrintRowHeightEvent OnPrintSetRowHeight;
  // ==== Events: rows and columns ====
  TCanAddRowEvent OnCanAddRow;
  TAutoAddRowEvent OnAutoAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  TAutoInsertRowEvent OnAutoInsertRow;
  TAutoInsertColEvent OnAutoInsertCol;
  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  TColumnSizeEvent OnColumnSize;
  TColumnSizeEvent OnColumnMove;
  TRowSizeEvent OnRowSize;
  TRowSizeEvent OnRowMove;
  TEndColumnSizeEvent OnEndColumnSize;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TEndRowSizeEvent OnEndRowSize;
  // ==== Events: sorting and nodes ====
  TClickSortEvent OnClickSort;
  TCanSortEvent OnCanSort;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  TNodeClickEvent OnExpandNode;
  TNodeClickEvent OnContractNode;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  // ==== Events: finding, filtering, loading and saving ====
  TSearchEditChangeEvent OnSearchEditChange;
  TGridProgressEvent OnFileProgress;
  TGridProgressEvent OnFilterProgress;
  TCellSaveLoadEvent OnSaveCell;
  TCellSaveLoadEvent OnLoadCell;
  TCellsChangedEvent OnCellsChanged;
  // ==== Events: mouse, anchors and form controls ====
  TClickCellEvent OnClickCell;
  TClickCellEvent OnRightClickCell;
  TClickCellEvent OnDblClickCell;
  TCanClickCellEvent OnCanClickCell;
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TControlEvent OnControlClick;
  TControlEvent OnControlEditDone;
  TControlComboListEvent OnControlComboList;
  TDragScrollEvent OnDragScroll;
  // ==== Events: clipboard ====
  TClipboardEvent OnClipboardPaste;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardCellEvent OnClipboardBeforePasteCell;
  TClipboardWideCellEvent OnClipboardBeforePasteWideCell;
  // ==== Events: editing and validation ====
  TCanEditCellEvent OnCanEditCell;
  TIsFixedCellEvent OnIsFixedCell;
  TCellValidateEvent OnCellValidate;
  TCellValidateWideEvent OnCellValidateWide;
  THasComboEvent OnHasComboBox;
  TGetEditorTypeEvent OnGetEditorType;
  TGetEditorPropEvent OnGetEditorProp;
  TEllipsClickEvent OnEllipsClick;
  TButtonClickEvent OnButtonClick;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioClick;
  TRadioClickEvent OnRadioMouseUp;
  TClickCellEvent OnDatePickerCloseUp;
  TComboChangeEvent OnComboChange;
  TClickCellEvent OnComboCloseUp;
  TComboObjectChangeEvent OnComboObjectChange;
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TNotifyEvent OnRichEditSelectionChange;
  TNotifyEvent OnEditingDone;
  TEditCellDoneEvent OnEditCellDone;
  TEditChangeEvent OnEditChange;
  TDateTimeChangeEvent OnDateTimeChange;
  TSetEditWideEvent OnSetEditWideText;
  TGetEditWideEvent OnGetEditWideText;
  // ==== Events: drag and drop between programs ====
  TOleDragDropEvent OnOleDrop;
  TOleDroppedEvent OnOleDropped;
  TOleDragDropEvent OnOleDrag;
  TOleDragOverEvent OnOleDragOver;
  TOleDragStartEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TOleDropColEvent OnOleDropCol;
  TOleDropFileEvent OnOleDropFile;
  // (OnResize is the control's own, published here.)

  // ==== Editing: editable cells, cell selection, Enter and Tab navigation ====
  // Editing allowed (goEditing, RangeSelectAndEdit or suspended editing), CanEditCell agrees for the
  // cell's base cell and OnIsFixedCell does not call it fixed.
  bool IsCellEditable(Integer ACol, Integer ARow);
  // Footer rows and right fixed columns are fixed; otherwise the fixed rows and columns and
  // OnIsFixedCell decide (for the base cell).
  bool IsFixed(Integer ACol, Integer ARow) override;
  // The cell's base cell shows a check box, data, virtual or row check box, radio or button: such
  // cells are operated by clicking, not edited.
  bool HasClickableGraphic(Integer ACol, Integer ARow);
  // The column an editor walks to from the current cell when it holds a clickable graphic: the next
  // one past the cell's span (Forward, short of the right fixed columns) or the previous normal one;
  // -1 when that column holds none.
  Integer ClickableWalkTarget(bool Forward);
  // With goEditing a cell that is editable now; without, one that IsFixed does not call fixed.
  bool IsTabStopCell(Integer ACol, Integer ARow);
  // FixedCols, or 1 when there are no fixed columns and the grid holds nodes.
  Integer FirstNormalColumn();
  // The right fixed columns that are not hidden.
  Integer VisibleRightFixedCols();
  // Moves to the next cell that may be edited after Enter (only with AdvanceOnEnter or Force).  One
  // advance appends at most one row (column with adTopBottom); when no cell in its order may be
  // edited it stops after one pass over the normal cells, back on its start cell.
  void AdvanceToNextCell(Integer ACol, Integer ARow, bool RestartEdit, bool Continued, bool Forward, bool ForceEdit,
                         bool Force);
  // Moves to the next (previous) tab stop; with goEditing past cells that are not editable now,
  // stopping on the start cell after one pass when none is.
  void HandleTabKey(bool Backwards);
  // While set, SelectCell allows every cell without further work.
  bool SelectCellSuppressed() const { return selectCellSuppressed_; }
  void SetSelectCellSuppressed(bool Value) { selectCellSuppressed_ = Value; }
  bool EditingSuspended() const { return editingSuspended_; }
  // The incremental lookup typed so far (AutoGotoWhenSorted).
  const std::string& LookupText() const { return lookupText_; }

  // ==== Editing: the editor life cycle and its glue ====
  // The editor kind chosen for the cell being edited; an editor is in use for the current cell.
  TEditorType ActiveEditorType() const { return activeEditorType_; }
  bool EditorActive() const { return editorActive_; }
  bool EditorShown() const { return editorShown_; }
  // While set, changes of the in-place editor's text fire no OnEditChange (set while the editor is
  // filled for a new edit, cleared when it gains the focus).
  bool SuppressEditChange() const { return suppressEditChange_; }
  void SetSuppressEditChange(bool Value) { suppressEditChange_ = Value; }
  // The character that started editing by typing (0: none).
  char EditStartKey() const { return editStartKey_; }
  void SetEditStartKey(char Value) { editStartKey_ = Value; }
  // Set by the grid's press handling for MouseActions.CaretPositioning: the editor puts its caret
  // under the mouse when it gains the focus.
  bool CaretToMouse() const { return caretToMouse_; }
  void SetCaretToMouse(bool Value) { caretToMouse_ = Value; }
  // Nothing for a cell with a clickable graphic; otherwise the current cell is scrolled into view,
  // remembered and the in-place editor shown.
  void ShowCellEditor();
  // Only while an editor is active: the in-place editor hidden, an editor control closed into the
  // current cell, the active flag cleared and the current cell selected again.
  void HideCellEdit();
  // OnEditingDone, then "GridEditDone" posted to the grid's window (wParam column, lParam row).
  void NotifyEditingDone(Integer ACol, Integer ARow);
  // The raw text of the current cell, or of its merged range's base cell.
  virtual std::string GetCurrentCellText();
  virtual void SetCurrentCellText(const std::string& Value);
  // The editor's text transfer (SetEditText) for that cell.
  virtual void SetCurrentEditText(const std::string& Value);
  // OnEllipsClick for the current cell (real column); the text it leaves.
  virtual std::string DoEllipsClick(const std::string& Value);
  // The grid's own in-place editor (nullptr until first shown).
  TProInplaceEdit* GetInplaceEditor() const;

  // ==== Editing: the editor controls ====
  // The editor control shown for the current cell (nullptr for none, the check box and the
  // in-place editor).
  TWinControl* ActiveEditControl() const { return activeEditControl_; }
  // The editor controls (each made on the first edit of its kind, or when asked for).
  TGridEditorControls* EditorControls();
  // The custom editor link of the edCustom cells (not owned; forgotten when it is freed).
  TEditLink* EditLink() const { return editLink_; }
  void SetEditLink(TEditLink* Value);
  // False after a validation refused a value; set again when an editor control opens.
  bool LastEditValid() const { return lastEditValid_; }
  void SetLastEditValid(bool Value) { lastEditValid_ = Value; }
  // Set when a custom editor's popup closed by losing activation: the grid's next focus gain does
  // nothing and clears it.
  bool PopupClosed() const { return popupClosed_; }
  void SetPopupClosed(bool Value) { popupClosed_ = Value; }
  // Ends an editor control's edit with one of its keys: the edit hidden into the cell, Tab and the
  // arrow keys passed on to the grid's key handling, the focus to the grid (AlwaysEdit off for the
  // moment) and, on Return, the Enter advance.
  void LeaveEditControl(Word Key, TShiftState Shift);
  // While LeaveEditControl runs.
  bool LeavingEditor() const { return leavingEditor_; }
  // The cell's text put through SetEditText (display column of the real column ACol), then the cell
  // text setter.
  virtual void StoreEditValue(Integer ACol, Integer ARow, const std::string& Value);
  // KeptCellText written back into the current cell, whose text is then read and written again.
  virtual void RefreshCurrentCell();
  // An editor control's text validated for the current cell; StoreFirst writes it into the cell
  // before.  A refusal keeps the edit started and the kept text as it was; true when accepted.
  bool ValidateEditorText(const std::string& Text, bool StoreFirst);
  void SetEditorActive(bool Value) { editorActive_ = Value; }
  // The background colour the cell's style gives an editor over the cell (display column).
  TColor EditorCellColor(Integer ACol, Integer ARow);

  // ==== Editing: the cell checker ====
  // Consulted by ValidateCell: Correct before OnCellValidate (AutoCorrect), MarkError after it
  // (AutoMarkError).  Not owned; forgotten when it is freed.
  TProStringGridCheck* CellChecker() const { return cellChecker_; }
  void SetCellChecker(TProStringGridCheck* Value);

 protected:
  // ==== Class library overrides ====
  void CreateWnd() override;
  void Loaded() override;
  void Resize() override;
  void Click() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void GetInitialCellStyle(Integer ACol, Integer ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                           TAlignment& Alignment, TVAlignment& VAlignment, bool& WordWrap,
                           TCellGradientDirection& GradientDirection) override;
  bool HasNodes() override { return nodeCount_ > 0; }
  Integer GetRowIndent(Integer ARow) override;
  void FooterRowChanged() override;

  // ==== Event dispatchers (each fires its event when assigned) ====
  virtual void DoGridHint(Integer ACol, Integer ARow, std::string& Hint);
  virtual void DoGetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void DoGetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void DoGetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
  virtual void DoGetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders);
  virtual void DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetFormat(Integer ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
  virtual void DoGetEditorType(Integer ACol, Integer ARow, TEditorType& AEditor);
  virtual void DoIsFixedCell(Integer ACol, Integer ARow, bool& IsFixed);
  virtual void DoCanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
  virtual void CanEditCell(Integer ACol, Integer ARow, bool& CanEdit);
  virtual void DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword);
  virtual void DoGetWordWrap(Integer ACol, Integer ARow, bool& WordWrap);
  virtual bool DoHasComboBox(Integer ACol, Integer ARow);
  virtual void DoGetCheckTrue(Integer ACol, Integer ARow, std::string& Value);
  virtual void DoGetCheckFalse(Integer ACol, Integer ARow, std::string& Value);
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(Integer ARow, bool& CanInsert);
  virtual void DoDatePickerCloseUp();
  // Hooks: never called, or called where a later feature gives them a meaning.
  virtual void ReservedHook() {}
  virtual void CellActionHook(Integer /*ACol*/, Integer /*ARow*/) {}
  virtual void EditFormulaMode(bool /*Formula*/) {}
  virtual void HeadersChanged() {}

  // ==== Text conversion, change notification and validation ====
  // The cell's display text: with OnGetFloatFormat, a number cell formatted by it.
  virtual void GetFloatFormat(Integer ACol, Integer ARow, std::string& Text);
  virtual void GetCalculatedCellText(Integer ACol, Integer ARow, std::string& Text);
  virtual void GetSaveCellText(Integer ACol, Integer ARow, std::string& Text);
  // OnLoadCell, then the text stored raw.
  virtual void SetLoadedCellText(Integer ACol, Integer ARow, const std::string& Text);
  virtual void CellValueChanged(Integer ACol);
  virtual void RememberCellValue(Integer ACol, Integer ARow);
  // OnCellsChanged, then every footer column recalculated.
  virtual void CellsChanged(const TRect& R);
  virtual void AllCellsChanged();
  // Progress hooks: stage 0 at the start (row -1), 1 per row, 2 at the end (row -1).
  virtual void SaveProgress(Integer /*Stage*/, Integer /*ARow*/) {}
  virtual void LoadProgress(Integer /*Stage*/, Integer /*ARow*/) {}
  // Ends an edit: true when the edited text is accepted (and stored).
  virtual bool ValidateCell(const std::string& NewValue);
  virtual bool ValidateCellWide(const std::u16string& NewValue);

  // ==== Editing: class library overrides and the editor's grid operations ====
  bool SelectCell(Integer ACol, Integer ARow) override;
  void KeyPress(char& Key) override;
  Integer GetEditLimit() override { return MaxEditLength(); }
  bool CanEditShow() override;
  TInplaceEdit* CreateEditor() override;
  // The base cell's text (real column), markup stripped unless EditWithTags; the editor is
  // right-aligned for a right-justified cell.
  std::string GetEditText(Integer ACol, Integer ARow) override;
  // Written to the base cell of a merged range and the real column.
  void SetEditText(Integer ACol, Integer ARow, const std::string& Value) override;
  // Opens the editor control of ActiveEditorType over the cell; closes it into the cell.
  void OpenEditControl(Integer ACol, Integer ARow);
  void CloseEditControl(Integer ACol, Integer ARow);
  // Called by the in-place editor after its caret moved; empty here.
  virtual void EditCaretMoved(const std::string& /*Text*/, TPoint /*CaretPoint*/, Integer /*SelStart*/) {}

  // Loads the file into the grid (LoadCSVFile's work).
  void ImportDelimitedFile(const std::string& FileName, Integer MaxRows);
  // LoadWorksheetFile's work once the server exists: opens the file, sizes the grid to the used
  // range of its active sheet and stores the values.
  void ImportActiveSheet(const Variant& Server, const std::string& FileName);

 private:
  friend class TFloatingFooter;
  friend class TFooterPanel;
  friend class TProInplaceEdit;
  friend class TGridEditorControls;
  friend class TEditLink;

  // ---- Life cycle ----
  void CreateSettings();
  void ReadPlatformFacts();
  void AssignSettings(TProStringGrid* Source);
  void Repaint(TObject* Sender);
  // ShowModified's colour changed: column 0 of the fixed rows and the rows in view repaints.
  void ShowModifiedChanged(TObject* Sender);

  // ---- Dimensions, headers ----
  void FreePropertiesPastCount(Integer NewCols, Integer NewRows);
  void ApplyColumnHeaders();
  void ApplyRowHeaders();
  void ColumnHeadersChanged(TObject* Sender);
  void RowHeadersChanged(TObject* Sender);
  void SetSelectionRect(const TGridRect& Value);

  // ---- Rows and columns ----
  // Frees the cell's graphic (as RemoveCellGraphic) and its properties.
  void FreeCellContents(Integer ACol, Integer ARow);
  // The same for a properties object out of the grid's slots (nothing for any other object).
  static void FreeDetachedProperties(TObject* Object);
  void FreeRowContents(Integer FromRow, Integer ToRow);
  // Empties the object slots of rows (columns) whose properties moved elsewhere.
  void DetachRows(Integer FromRow, Integer ToRow);
  void DetachCols(Integer FromCol, Integer ToCol);
  void CopyRow(Integer FromRow, Integer ToRow);
  void CopyCol(Integer FromCol, Integer ToCol);
  void MoveCellControls(Integer FromRow, Integer Delta);
  // Cell controls follow their rows while rows hide and show: before the store changes each
  // entry's row becomes its real index, after it the displayed row again, or, for a row now
  // hidden, the real index with RowHidden set (control_list.h).
  void CellControlsToRealRows();
  void CellControlsToDisplayRows();
  bool DisjunctRowFlag(Integer ARow) const;
  bool DisjunctColFlag(Integer ACol) const;
  void DeleteListEntries(TIntList* List, Integer AIndex, Integer ACount);
  void PlaceRowAfterRemoveRows(Integer OldRow, Integer OldTopRow);
  void PlaceRowAfterRemoval(Integer OldRow, Integer OldTopRow, Integer Footers);

  // ---- Hidden rows ----
  TGridItem* HiddenEntry(Integer Index) const;
  // The store position of the real row's entry, or -1.
  Integer HiddenEntryOf(Integer ARealRow) const;
  // The number of hidden rows below the real row (also the store position a new entry takes).
  Integer HiddenBelow(Integer ARealRow) const;
  // A new entry at the store position holding the shown row's cells (texts and properties) and
  // height under the real index; the row's slots keep their objects (the caller detaches them).
  void StoreRow(Integer ADisplayRow, Integer ARealRow, Integer APosition);
  // Copies the entry's cells and height onto the display row and frees the entry.
  void RestoreRow(Integer Position, Integer ADisplayRow);
  // Adds Delta to the Idx of every entry at or after the real index.
  void ShiftHiddenRows(Integer FromRealRow, Integer Delta);
  // Takes each removed real row out of the entries' numbering (RealRows ascending).
  void CloseHiddenGaps(const std::vector<Integer>& RealRows);
  std::vector<Integer> RealRowsOf(Integer ADisplayRow, Integer ACount) const;
  // Frees the properties and graphics every entry holds, and the entries.
  void FreeHiddenRows();
  // Inserts (removes) ACount cells at ACol in every entry; removed cells' contents are freed.
  void InsertHiddenCells(Integer ACol, Integer ACount);
  void RemoveHiddenCells(Integer ACol, Integer ACount);
  void MarkNodesExpanded();
  // The column flags and saved widths from ACol on move by Delta columns (new ones: visible, 0).
  void MoveColumnFlags(Integer ACol, Integer Delta);
  void InsertEmptyRows(Integer ARow, Integer ACount, bool MoveControls);

  // ---- Filtering ----
  void HideFilteredRows();
  std::string FilterCellText(const TFilterData* Item, Integer ARow);

  // ---- Finding ----
  struct FindScanRange {
    Integer FirstCol, LastCol, FirstRow, LastRow;
    Integer StartCol, StartRow;
  };
  void StoreSearch(const std::string& Text, const std::u16string& WideText, TGridFindOptions Options);
  // FindCellFrom's work; Report: SaveProgress(1, row) before each cell test.
  void ScanForCell(TPoint Start, const std::string& Text, TPoint& Found, TGridFindOptions Options, bool IsWide,
                   const std::u16string& WideText, bool Report);
  void PlaceScanStart(FindScanRange& Scan, TPoint Start, bool Backward, bool RowByRow) const;
  void GoToFoundCell(TPoint Cell);
  void FindWithFooter(bool Backward);
  void ScrollFoundRowAboveFooter();
  // The footer's changes and the panel's five events to the grid's handlers; one first update.
  void BindSearchFooter();
  // The four arrows and the header caption of row and column moves, at run time only.
  void CreateMoveIndicators();
  void HideMoveArrows();
  // The search panel's three text buttons take the look of ControlLook's style.
  void ApplySearchButtonLook();
  void RefreshSearchPanel();

  // ---- Values, footer ----
  double ReadFloat(const std::string& Text);
  // Writes Rewrite(text) into every cell (WholeGrid) or every normal cell.
  void RewriteCells(bool WholeGrid, TFunctionRef<std::string(const std::string&)> Rewrite);
  bool TakesPartInAggregate(Integer ACol, Integer ARow, bool RealRow);
  bool AggregatesRealRows(Integer ToRow) const;
  double AggregateValue(Integer ACol, Integer ARow, bool RealRow);
  void ForEachAggregateValue(Integer ACol, Integer FromRow, Integer ToRow, TFunctionRef<void(double)> Take);
  void CalculateFooterColumn(Integer ACol);

  // ---- Delimited files ----
  struct DelimitedImport;
  void LoadRecord(DelimitedImport& Import, std::string& Rest, Integer StartCol);
  void JoinQuotedLines(DelimitedImport& Import, std::string& Rest);

  // ---- Validation ----
  void ReopenEditorOn(Integer ACol, Integer ARow, const std::string& Text);
  // RememberCellValue of the current cell, when it lies inside the grid.
  void RememberCurrentCellValue();

  // ---- Editing: selection and navigation ----
  // The cell after (before) (ACol, ARow) in the advance order; false when the advance ends there.
  bool NextAdvanceCell(Integer& ACol, Integer& ARow, bool Forward, bool& Inserted);
  bool AdvanceForwardLeftRight(Integer& ACol, Integer& ARow, bool& Inserted);
  bool AdvanceForwardTopBottom(Integer& ACol, Integer& ARow, bool& Inserted);
  void AdvanceBackward(Integer& ACol, Integer& ARow);
  // Moves to the advance's target through OnAutoAdvance and OnCellChanging; false when refused.
  bool MoveToAdvanceTarget(Integer ACol, Integer ARow, Integer StartCol, Integer StartRow);
  void RestartEditAfterAdvance(Integer StartCol, Integer StartRow);
  // The editor kind of the cell's base cell: DefaultEditor, then OnGetEditorType (real column).
  TEditorType EditorKindOf(Integer ACol, Integer ARow);
  // The kind is edited by a control of its own, not by the in-place editor (edNone is neither).
  static bool IsEditControlKind(TEditorType Kind);
  // A target with a clickable graphic is operated as if clicked: the start cell and the target are
  // selected again, then (unless the start cell is clickable too) a left press and release land 2
  // pixels inside the target's top-left corner.
  void ClickAdvanceTarget(Integer StartCol, Integer StartRow);
  bool SelectCellEvents(Integer ACol, Integer ARow);
  bool CanEditWhileSuspended(Integer ACol, Integer ARow, bool CanEdit);
  bool SwitchEditingOption(Integer ACol, Integer ARow);
  // One Tab step from (ACol, ARow); true when it wrapped past the last data cell.
  bool TabStep(Integer& ACol, Integer& ARow, bool Backwards);
  // The first (last) tab stop that is no covered cell in the row's columns FromCol..ToCol; -1 none.
  Integer FirstTabStopInRow(Integer ARow, Integer FromCol, Integer ToCol);
  Integer LastTabStopInRow(Integer ARow, Integer FromCol, Integer ToCol);
  void IncrementalLookup(char Key);
  Integer NormalCellCount();

  // ---- Update lock ----
  void RedrawAfterLock();
  void WMPaint(TMessage& Message);

  // ---- Sorting ----
  class SortSession;
  bool CellCheckState(Integer ACol, Integer ARow);
  Integer CompareByStyle(TSortStyle Style, Integer ACol, Integer ARow1, Integer ARow2, const std::string& S1,
                         const std::string& S2, const std::string& Prefix, const std::string& Suffix);
  void CopyPivot(Integer ARow);
  void QuickSortRows(Integer Lo, Integer Hi, Integer InOrder, bool CompareBeforeSwap,
                     TFunctionRef<Integer(Integer, Integer)> RowCompare);
  // SortRowRange on each row's keys read once, when no display hook is assigned and every compared
  // column's style is byte-wise or reads a value (number, date, time) from the text: the same
  // quicksort over an index, then the rows moved once.  False (nothing done) otherwise.
  bool SortRowRangeByKeys(Integer ACol, Integer Lo, Integer Hi, Integer InOrder);
  void MoveRowsInto(Integer Lo, const std::vector<Integer>& Order);
  void RebuildRowOrder();
  Integer LastNormalRowWhileSorting() const;
  void SortNodeGroupsBy(bool ByIndex);
  void SortByOriginalOrder(TIntList* Keys, Integer Lo, Integer Hi);
  void SetRowColors(Integer ARow, TColor Value, void (TCellProperties::*Setter)(TColor));
  // The display row after the node's last row: its span on, or for span 0 the next node row (or
  // RowCount).
  Integer NodeSpanEnd(Integer ADisplayRow);
  std::unique_ptr<TSortIndexList> sortIndex_;
  std::unique_ptr<TIntList> rowOrder_;
  Integer sortTrackedRow_ = -1;
  Integer swapCount_ = 0;

  // ---- Node rows, check cells ----
  TCellGraphic* NodeGraphic(Integer ARow);
  Integer RowLevel(Integer ARow) const;
  Integer NodeRealEnd(Integer ADisplayRow);
  void ChangeSpanLevels(Integer ADisplayRow, Integer Delta, bool ToZero);
  void DropNode(Integer ADisplayRow, bool LevelsToZero);
  void ShowNodeRows(Integer ADisplayRow);
  void GrowNodeAndParents(Integer ANode);
  void RepaintColumn(Integer ACol);
  std::string CheckText(Integer ACol, Integer ARow, bool State);
  bool UserMayChange(Integer ACol, Integer ARow, bool ByUser, bool AlwaysActive);
  TStrings* RadioChoicesOf(Integer ACol, Integer ARow);
  TCellType BaseCellType(Integer ACol, Integer ARow);

  // ---- Grouping ----
  void ColorGroupRow(Integer ARow, TColor Color, TColor ColorTo, TColor TextColor);
  void ColorGroupCell(Integer ACol, Integer ARow, TColor Color, TColor ColorTo, TColor TextColor);
  void ColorHeaderRow(Integer ARow);
  void ColorSummaryRow(Integer ARow);
  void MergeGroupRow(Integer ARow, Integer AFromCol, bool Header);
  void BringEveryRowBack();
  void SaveGroupedColumn(Integer ACol);
  Integer InsertSummaryRow(Integer ARow);
  void MakeGroupNode(Integer ARow, Integer ASpan, Integer AGroupedCol);
  bool IsGroupClosingRow(Integer ARow);
  void MergeGroupRows();
  void SplitGroupMerges();
  void ResetGroupCellLook(Integer ARow);
  bool IsGroupingRow(Integer ARow);
  // What Group saved and did: the column's width and texts, and the settings it grouped with.
  Integer savedGroupWidth_ = 0;
  std::string savedGroupHeader_;
  std::string savedGroupFooter_;
  bool groupRemoved_ = false;
  bool groupSummary_ = false;
  bool groupMergeHeader_ = false;
  bool groupMergeSummary_ = false;

  // ---- Owned objects ----
  TFooterPanel* footerPanel_;   // owned as a component
  TProRichEdit* richEdit_;     // owned as a component; renders and measures
  TProRichEdit* richEditor_;   // owned as a component; edits
  std::unique_ptr<TFloatingFooter> floatingFooter_;
  std::unique_ptr<TPrintSettings> printSettings_;
  std::unique_ptr<THTMLSettings> htmlSettings_;
  std::unique_ptr<TSortSettings> sortSettings_;
  std::unique_ptr<TDragDropSettings> dragDropSettings_;
  std::unique_ptr<TDragScrollOptions> dragScrollOptions_;
  std::unique_ptr<TControlLook> controlLook_;
  std::unique_ptr<TNavigation> navigation_;
  std::unique_ptr<TColumnSize> columnSize_;
  std::unique_ptr<TCellNode> cellNode_;
  std::unique_ptr<TBands> bands_;
  std::unique_ptr<TSizeWhileTyping> sizeWhileTyping_;
  std::unique_ptr<TMouseActions> mouseActions_;
  std::unique_ptr<TGrouping> grouping_;
  std::unique_ptr<TStringList> columnHeaders_;
  std::unique_ptr<TStringList> rowHeaders_;
  std::unique_ptr<TStringList> lookupItems_;
  std::unique_ptr<TFont> fixedFont_;
  std::unique_ptr<TFont> activeCellFont_;
  std::unique_ptr<TBackGround> backGround_;
  std::unique_ptr<TControlList> cellControls_;
  std::unique_ptr<TGridProgressAppearance> progressAppearance_;
  std::unique_ptr<TBalloonSettings> balloon_;
  std::unique_ptr<TShowModified> showModified_;
  std::unique_ptr<TBitmap> rowIndicator_;
  std::unique_ptr<TCellGraphic> rowCheckGraphic_;
  // Row flags of the disjunct selection, the selected-row numbers, column flags, modified rows.
  std::unique_ptr<TIntList> rowSelect_;
  std::unique_ptr<TIntList> selectedRows_;
  std::unique_ptr<TIntList> colSelect_;
  std::unique_ptr<TIntList> modifiedRows_;
  std::unique_ptr<TIntList> mergeColumns_;
  std::unique_ptr<TCollection> hiddenRows_;
  std::unique_ptr<TFilter> filter_;
  TCustomImageList* gridImages_ = nullptr;   // not owned

  // ---- Dimensions ----
  Integer fixedFooters_ = 0;
  Integer fixedRightCols_ = 0;
  Integer fixedRowHeight_ = 21;
  bool fixedRowAlways_ = false;
  bool fixedColAlways_ = false;
  Integer savedFixedRows_ = 1;
  Integer savedFixedCols_ = 1;
  Integer maxRowCount_ = 0;
  Integer maxColCount_ = 0;
  Integer lastUpdatedRow_ = -1;
  bool includeFixedCells_ = true;
  TGridRect savedSelection_{};
  bool selectionHidden_ = false;
  Integer loadedFixedRows_ = 0;
  Integer loadedFixedCols_ = 0;
  Integer loadedRowCount_ = 0;
  Integer minColWidth_ = 0;
  Integer minRowHeight_ = 0;

  // ---- Look and behaviour ----
  TScrollBarAlways scrollBarAlways_ = saNone;
  TGridLook look_ = glXP;
  TColor selectionColor_ = 0xEACAB6;
  TColor selectionColorTo_ = clNone;
  TColor selectionTextColor_ = clBlack;
  bool selectionRectangle_ = false;
  bool selectionResizer_ = false;
  bool showSelection_ = true;
  bool activeCellShow_ = false;
  TColor activeCellColor_ = 0x808080;
  TColor activeCellColorTo_ = clNone;
  bool urlShow_ = false;
  TColor urlColor_ = 0xFF0000;
  bool urlFull_ = false;
  bool flat_ = false;
  TVAlignment vAlignment_ = vtaTop;
  UINT vAlignFlag_ = 0;
  Integer maxEditLength_ = 0;
  bool autoSize_ = false;
  bool autoThemeAdapt_ = false;
  bool integralHeight_ = false;
  bool wordWrap_ = true;
  std::string floatFormat_ = "%.2f";
  std::string checkTrue_ = "Y";
  std::string checkFalse_ = "N";
  TColor fixedGradientFrom_;
  TColor fixedGradientTo_;
  bool forcedEdit_ = false;

  // ---- Platform facts ----
  bool isWinXP_ = false;
  bool isComCtl6_ = false;
  UINT wheelMessage_ = 0;
  Integer wheelScrollLines_ = 0;
  bool loaded_ = false;
  bool destroying_ = false;

  // ---- Grouping and nodes ----
  Integer nodeCount_ = 0;
  Integer groupColumn_ = -1;

  // ---- Text conversion and validation ----
  bool saveWithFormat_ = true;
  bool saveWithTags_ = true;
  bool alwaysValidate_ = false;
  bool editorOpen_ = false;
  bool validating_ = false;
  Integer editCol_ = -1;
  Integer editRow_ = -1;
  std::string keptCellText_;
  std::u16string keptWideText_;
  std::string lastEditedText_;

  // ---- Editing: the editor life cycle ----
  TEditorType activeEditorType_ = edNormal;
  bool editorActive_ = false;
  bool editorShown_ = false;
  bool editControlOpened_ = false;
  bool suppressEditChange_ = false;
  bool caretToMouse_ = false;
  char editStartKey_ = 0;
  TWinControl* activeEditControl_ = nullptr;
  std::unique_ptr<TGridEditorControls> editorControls_;
  bool leavingEditor_ = false;
  TEditLink* editLink_ = nullptr;
  bool lastEditValid_ = true;
  TGridDropTarget* oleDropTarget_ = nullptr;   // counted; one reference held while set
  bool oleDropTargetRegistered_ = false;
  bool popupClosed_ = false;

  // ---- Editing: selection and navigation ----
  bool editingSuspended_ = false;
  bool editingOptionChanged_ = false;
  bool cellChangingFired_ = false;
  bool selectCellSuppressed_ = false;
  Integer advanceStartCol_ = -1;
  Integer advanceStartRow_ = -1;
  std::string lookupText_;
  Integer lookupPause_ = 0;
  TProStringGridCheck* cellChecker_ = nullptr;   // not owned

  // ---- Update lock ----
  Integer updateCount_ = 0;

  // ---- Hidden columns (dormant: every flag stays true, the count 0) ----
  static constexpr Integer kColumnFlags = 513;
  bool visibleCols_[kColumnFlags];
  SmallInt savedColWidths_[kColumnFlags] = {};
  Integer hiddenColCount_ = 0;

  // ---- Filtering ----
  bool filterActive_ = false;
  Integer filterFixedRows_ = 0;

  // ---- Finding ----
  TGridFindOptions findOptions_;
  std::string findText_;
  std::u16string findWideText_;
  Integer presetCol_ = -1;
  Integer presetRow_ = -1;
  TPoint lastFound_{-1, -1};
  std::unique_ptr<TSearchFooter> searchFooter_;
  TSearchPanel* searchPanel_;   // owned as a component
  TArrowWindow* arrows_[4] = {};   // owned as components; run time only
  TPopupButton* popupButton_ = nullptr;   // owned as a component; run time only

  // ---- Delimited files ----
  char delimiter_ = '\0';
  bool loadFirstLine_ = true;
  bool tildeLineBreaks_ = false;

  // ==== Published switches that only store; the features that read them are the painting,
  // scrolling, hint, editing and lookup handling ====
  PR_STORED_PROPERTY(bool, FixedAsButtons, false)
  PR_STORED_PROPERTY(TScrollType, ScrollType, ssNormal)
  PR_STORED_PROPERTY(TColor, ScrollColor, clNone)
  PR_STORED_PROPERTY(Integer, ScrollWidth, 17)
  PR_STORED_PROPERTY(bool, ScrollProportional, false)
  PR_STORED_PROPERTY(bool, ScrollSynch, false)
  PR_STORED_PROPERTY(TScrollHintType, ScrollHints, shNone)
  PR_STORED_PROPERTY(bool, SelectionRTFKeep, false)
  PR_STORED_PROPERTY(bool, HideFocusRect, false)
  PR_STORED_PROPERTY(TColor, HintColor, clInfoBk)
  PR_STORED_PROPERTY(bool, HintShowCells, false)
  PR_STORED_PROPERTY(bool, HintShowLargeText, false)
  PR_STORED_PROPERTY(bool, HintShowSizing, false)
  PR_STORED_PROPERTY(bool, HTMLHint, false)
  PR_STORED_PROPERTY(bool, AnchorHint, false)
  PR_STORED_PROPERTY(bool, EnableHTML, true)
  PR_STORED_PROPERTY(bool, EnableWheel, true)
  PR_STORED_PROPERTY(bool, IntelliZoom, true)
  PR_STORED_PROPERTY(bool, EnhRowColMove, true)
  PR_STORED_PROPERTY(TIntelliPan, IntelliPan, ipVertical)
  PR_STORED_PROPERTY(bool, URLEdit, false)
  PR_STORED_PROPERTY(TEditorType, DefaultEditor, edNormal)
  PR_STORED_PROPERTY(bool, AutoNumAlign, false)
  PR_STORED_PROPERTY(bool, Hovering, false)
  PR_STORED_PROPERTY(bool, EditWithTags, false)
  PR_STORED_PROPERTY(bool, EnableBlink, false)
  PR_STORED_PROPERTY(bool, EnhTextSize, false)
  PR_STORED_PROPERTY(bool, ExcelStyleDecimalSeparator, false)
  PR_STORED_PROPERTY(bool, Lookup, false)
  PR_STORED_PROPERTY(bool, LookupCaseSensitive, false)
  PR_STORED_PROPERTY(bool, LookupHistory, false)
  PR_STORED_PROPERTY(bool, Multilinecells, false)
  // Lines of a delimited file are converted from the OEM code page before they are split.
  PR_STORED_PROPERTY(bool, OemConvert, false)
  PR_STORED_PROPERTY(bool, SizeWithForm, false)

  // ==== Keys ====
 protected:
  // The Insert and Delete keys' row operations (node rows through the node operations); the only
  // data row of a grid without FixedRowAlways is emptied, not removed.
  virtual void AutoInsertRow(Integer ARow);
  virtual void AutoDeleteRow(Integer ARow);

 private:
  void WMKeyDown(TMessage& Message);
  void WMChar(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void SwallowKey(Word& Key, TShiftState Shift, TMessage& Message);
  bool KeyBeforeNavigation(Word& Key, TShiftState Shift, Integer RowBefore, TMessage& Message);
  void KeyAfterNavigation(Word Key, TShiftState Shift);
  bool ClipboardKey(Word Key, TShiftState Shift);
  void OperateCellGraphic(Word Key);
  bool KeyHomeEnd(Word& Key, TShiftState Shift, Integer RowBefore, TMessage& Message);
  void MoveToFirstOrLastRow(bool First, TShiftState Shift, Integer RowBefore);
  bool SkipFixedRun(Word& Key, TShiftState Shift);
  void AppendOnArrowDown();
  void InsertRowByKey();
  void DeleteRowByKey();
  void SelectAllByKey();
  void FollowDisjunctSelection(TShiftState Shift);

  // ==== Scrolling ====
 public:
  // With ScrollProportional the thumb's size shows the share of the normal columns (rows) in view
  // (range M = (127 + r) / (1 - r) for the share r, page M - 126); nothing changes while all fit
  // or while the normal columns (rows) have no extent.
  void UpdateProportionalHorz();
  void UpdateProportionalVert();
  // With ColumnSize.Stretch the column (-1: the last) takes the client width the others leave,
  // less 1.  Exception "Stretch column index out of range" for a column at or past ColCount.
  void StretchColumn(Integer ACol);

 protected:
  void ColWidthsChanged() override;
  // With DragScrollOptions.Active a drag near an edge scrolls one row or column per RepeatDelay
  // after the first InitialDelay.
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;

 private:
  void UpdateProportional(bool Vertical);
  void WMScroll(TMessage& Message, bool Vertical);
  void ShowScrollHint(Integer Target, bool Vertical);
  TDragScrollDirection DragScrollDirectionsAt(Integer X, Integer Y);
  void DragScrollTick();
  bool stretchRunning_ = false;
  bool stretchApplied_ = false;
  std::unique_ptr<THTMLHintWindow> scrollHint_;
  std::unique_ptr<TTimer> dragScrollTimer_;
  TDragScrollDirection dragScrollDirections_;

  // ==== The grid's timer, focus, size and tooltip messages ====
 public:
  // Ticks of the grid's 500 ms timer so far; the blink state drawn for blinking markup; the cell
  // whose text the last balloon showed.
  Integer TickCount() const { return tickCount_; }
  bool BlinkVisible() const { return blinkVisible_; }
  TPoint BalloonCell() const { return balloonCell_; }

 private:
  void StartGridTimer();
  void WMTimer(TMessage& Message);
  void HoverTick();
  void BlinkTick();
  void WMSetFocus(TMessage& Message);
  void WMNotify(TMessage& Message);
  void AnswerBalloonText(NMTTDISPINFOA& Info);
  Integer tickCount_ = 0;
  bool blinkVisible_ = true;
  TPoint balloonCell_{-1, -1};
  // The balloon's text stays here while the tooltip shows it.
  std::string balloonText_;

  // ==== Presses on links and anchors; column moves ====
 protected:
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;

 private:
  bool ClickLinkOrAnchor(Integer ACol, Integer ARow, Integer X, Integer Y);
  void GoToCellAddress(const std::string& Address);

  // ==== Cell painting, cell graphics, fixed-cell looks and measuring ====
 public:
  // The cell's graphic (nullptr when none) with the size the painter gives it, whether the cell's
  // text is drawn beside it, and its alignments.
  TCellGraphic* GetCellGraphicInfo(Integer ACol, Integer ARow, Integer& Width, Integer& Height, bool& DrawText,
                                   TCellHAlign& HAlign, TCellVAlign& VAlign);
  // Pixels (width, height) the cell's graphic adds to the cell for drawing and fitting; (0, 0)
  // without a graphic.  vaFull (haFull) takes the height (width) of the cell's merged range.
  virtual void GetCellGraphicSize(Integer ACol, Integer ARow, TPoint& Size);
  // The same for printed output: bitmaps, icons and data images at full size, pictures measured
  // in AWidth x AHeight and divided by Scale, progress bars the cell's size, buttons CellIndex.
  virtual void GetCellGraphicSizeScaled(Integer ACol, Integer ARow, TPoint& Size, double Scale, Integer AWidth,
                                        Integer AHeight);
  // The colour presets 0..9 of the looks, the active cells, the fixed gradient and the search
  // footer; 8 changes nothing, other numbers are ignored.  Repaints.
  void ApplyColorPreset(Integer Style);
  // The sort glyph of ACol centred at (X, Y).
  void DrawSortGlyph(TCanvas* ACanvas, Integer ACol, Integer X, Integer Y);
  // The dotted line that follows the pointer while a column (row) is sized; drawing it again at
  // the same place removes it.
  void DrawColSizingLine(Integer X);
  void DrawRowSizingLine(Integer Y);
  // Pixels the cell's text needs (width, height), margins included; Wrap: wrapped to the cell.
  TSize MeasureCellText(Integer ACol, Integer ARow, bool Wrap);
  // 1 without Multilinecells; else the most lines (CountTextLines) among the row's cells in the
  // displayed columns 0 .. ColCount - 1.
  Integer RowLineCount(Integer ARow);

  // ---- Fitting columns and rows to their contents ----
  // A column's width from its widest cell: 2 x GridLineWidth + (graphic width + text width without
  // the margins) + XMargin + 2, through OnUpdateColumnSize, within MinColWidth .. MaxColWidth.
  // Cells of ranges merged across columns do not count.  GrowOnly never narrows the column.
  void FitColumnWidth(Integer ACol, bool GrowOnly);
  void AutoSizeColumn(Integer ACol) { FitColumnWidth(ACol, fitGrowOnly_); }
  // Every column from 0 (from FixedCols without IncludeFixed) fitted, then widened by Extra.
  void AutoSizeColumns(bool IncludeFixed, Integer Extra);
  // A row's height from its highest cell: 2 x GridLineWidth + (text height with WordWrap + graphic
  // height) + YMargin, within MinRowHeight .. MaxRowHeight.  Cells of ranges merged across rows do
  // not count.  An editor whose row grows out of an all-rows view with SizeWhileTyping.Height is
  // shown again with its caret at the end.
  void SizeRowToContents(Integer ARow, bool GrowOnly);
  void FitRowHeight(Integer ARow) { SizeRowToContents(ARow, fitGrowOnly_); }
  // Extra + Lines x (h + h div 8) with h the text height of "gh" in the font of (FixedCols, ARow).
  void SetRowHeightForLines(Integer ARow, Integer Lines, Integer Extra);
  // Limits of fitting (0: none) and whether fitting only grows.  The minimums are set when the
  // grid has loaded (10 pixels, DefaultRowHeight).
  void SetMinColWidth(Integer Value) { minColWidth_ = Value; }
  void SetMinRowHeight(Integer Value) { minRowHeight_ = Value; }
  Integer MaxColWidth() const { return maxColWidth_; }
  void SetMaxColWidth(Integer Value) { maxColWidth_ = Value; }
  Integer MaxRowHeight() const { return maxRowHeight_; }
  void SetMaxRowHeight(Integer Value) { maxRowHeight_ = Value; }
  bool FitGrowOnly() const { return fitGrowOnly_; }
  void SetFitGrowOnly(bool Value) { fitGrowOnly_ = Value; }
  // Text margins in pixels (left/right, top/bottom) and the size added to every cell font.
  Integer XMargin() const { return xMargin_; }
  Integer YMargin() const { return yMargin_; }
  Integer FontSizeDelta() const { return fontSizeDelta_; }

 protected:
  void DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TGridDrawState State) override;
  void GetCellStyle(Integer ACol, Integer ARow, TGridDrawState& State, bool Printing, bool ApplySelection,
                    bool MapColumn, TBrush* ABrush, TColor& ColorTo, TFont* AFont, TAlignment& Alignment,
                    TVAlignment& VAlignment, bool& WordWrap, TCellGradientDirection& GradientDirection) override;
  // Draws Graphic into Rect (the cell's content rectangle grown by one pixel).
  void DrawCellGraphic(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TCellGraphic* Graphic,
                       TVAlignment CellVAlign, TAlignment TextAlign, Integer TextWidth);
  void DrawCheckGlyph(TCanvas* ACanvas, const TRect& Rect, bool Checked, bool Enabled);
  // A ctRotated cell's text turned by its angle from PlaceRotatedText's origin, clipped to Rect
  // inset by 2, on a transparent background.
  void DrawRotatedCellText(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, Integer Angle,
                           TVAlignment VAlign, TAlignment HAlign);
  void DrawRadioGroup(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TCellGraphic* Graphic,
                      bool Enabled);
  // The base grid's paint, then the frame of the editor's cell and the empty area's background.
  void Paint() override;
  // The background picture or gradient in the client area right of the last column and below the
  // last row, when either is in view.
  void PaintEmptyArea();

 private:
  struct TCellPaint;
  void DrawCellText(TCellPaint& Paint);
  // The plain text of a rich text, read through the rendering edit.
  std::string RichTextPlain(const std::string& Text);
  // The rendering edit in the grid: no size, hidden, its window transparent.
  void ParentRenderingRichEdit();
  void DrawPlainText(TCellPaint& Paint, const std::string& Text);
  void DrawCellBorders(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect);
  void DrawFixedGradient(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect);
  void DrawFixedFrame(TCanvas* ACanvas, const TRect& Rect);
  bool SortGlyphShown(Integer ACol, Integer ARow);
  void DrawIndexSortGlyph(TCanvas* ACanvas, Integer Position, Integer X, Integer Y);
  // SelectionRectangle's outline sides of a cell inside the selection, SelectionResizer's handle
  // (Rect: the cell's content rectangle; the lines cover its right and bottom grid lines).
  void DrawSelectionOutline(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect);
  // The tree lines of a child row in column 0 (Rect: the cell's content grown by one pixel).
  void DrawTreeLines(TCanvas* ACanvas, Integer ARow, const TRect& Rect);
  // The vertical tree line of a node row through its glyph.
  void DrawNodeTreeLine(TCanvas* ACanvas, Integer ARow, const TRect& Rect);
  bool TreeGoesOnBelow(Integer ARow, Integer Level);
  void DrawDiamondRadio(TCanvas* ACanvas, TPoint Item, bool Checked);
  void DrawSizingLine(Integer X1, Integer Y1, Integer X2, Integer Y2);
  // The background picture and gradient behind a cell's text; true when anything was drawn.
  bool DrawCellBackground(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, bool Fixed,
                          bool ShownSelected);
  // Where background tiles start: one pixel up and left of the first non-fixed cell in view
  // (NormalCellsOnly) or of the client's corner.
  TPoint BackgroundTileOrigin(bool NormalCellsOnly);
  // The looks glSoft, glDAV, glXP and glListView frame the control after the system's frame.
  bool DrawsControlBorder() const;
  void RedrawFrame();
  void WMNCPaint(TMessage& Message);
  // The active-cell font and colour on the headers of the current cell (with ActiveCellShow).
  void ApplyActiveCellColors(Integer ACol, Integer ARow, TBrush* ABrush, TFont* AFont);
  // The node glyph of a node row in column 0 (Rect: the cell's content grown by one pixel).
  void DrawNodeGlyph(TCanvas* ACanvas, Integer ARow, const TRect& Rect, bool Contracted);
  void DrawXPProgress(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TCellGraphic* Graphic);
  // Cell: the graphic's rectangle; Placed: the button's.
  void DrawCellButton(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Cell, const TRect& Placed,
                      TCellGraphic* Graphic);
  // The cell's value read for a graphic: 0 for a text that is not a number.
  double GraphicValue(Integer ACol, Integer ARow);
  // GetCellGraphicSize (Scaled false) and GetCellGraphicSizeScaled share this.
  TPoint GraphicSize(Integer ACol, Integer ARow, bool Scaled, double Scale, Integer AWidth, Integer AHeight);

  Integer xMargin_ = 2;
  Integer yMargin_ = 2;
  Integer fontSizeDelta_ = 0;
  Integer maxColWidth_ = 0;
  Integer maxRowHeight_ = 0;
  bool fitGrowOnly_ = false;
  // The colour of SelectionRectangle's lines and SelectionResizer's handle.
  TColor selectionRectangleColor_ = clBlack;
  // True while a mouse button drags a disjunct selection.
  bool mouseSelecting_ = false;

  // ==== Pointer handling: presses, moves, releases, hints, wheel routing, form fitting ====
 public:
  // The grid's own cursor: reading gives the control's cursor; setting sets it and remembers it as
  // the cursor the pointer returns to after a temporary one (links, anchors).
  TCursor Cursor() const { return TControl::Cursor(); }
  void SetCursor(TCursor Value);
  const TGridPointerState& PointerState() const { return pointer_; }
  TGridPointerState& PointerState() { return pointer_; }
  // The disjunct cell selection: base cells as (column, row) pairs, in the order selected.
  const std::vector<TPoint>& SelectedCells() const { return selectedCells_; }
  bool IsDisjunctCellSelected(Integer ACol, Integer ARow) const;
  void ClearDisjunctCellSelection();
  // The text a drag of the selection carries: the selection's columns (every column with goRowSelect
  // and OleEntireRows), its rows (with DisjunctRowSelect every selected row), raw cell texts (rich
  // text as its plain text, multi-line texts quoted with QuoteMultiLineCells) joined by TAB, CR LF
  // after every row but the selection's bottom row.
  std::string SelectionDragText();
  // The hint for the cell under Info.CursorPos: anchors (AnchorHint), comments, cell texts
  // (HintShowCells, HintShowLargeText), then DoGridHint; placed in screen coordinates.
  void GetHintInfo(THintInfo& Info);
  // Put in front of the owner form's OnResize: with SizeWithForm the grid follows the form's size
  // change; the form's previous handler runs after it (its exceptions swallowed).
  void FitToForm(TObject* Sender);
  // Multi-line texts of drags and copies pass through QuoteLineBreaks (nothing sets it by default).
  PR_STORED_PROPERTY(bool, QuoteMultiLineCells, false)

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  // The platform's zones, refused by OnColumnSize (for a header cell 6 pixels left of the point) or
  // OnRowSize (for a row-header cell 6 pixels above it).
  void CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                       Integer& SizingOfs) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  virtual void DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);

 private:
  void CMMouseLeave();
  // A left click (or Space) on a cell under DisjunctCellSelect; false when OnSelectCell refused.
  bool DisjunctCellClick(Integer ACol, Integer ARow, TShiftState Shift);
  void AddSelectedCell(TPoint Cell);
  void RepaintSelectedCells();
  void TrackSelectDrag(TGridCoord Cell, Integer Y, bool Rows);
  void TrackFixedSizing(TGridCoord Cell, Integer X, Integer Y);
  void MarkGridStateDuringMove();
  void TrackMoveMarkers(TGridCoord Cell, Integer X, Integer Y);
  void HideMoveMarkers();
  // The green arrows follow the move markers: while a column moves one points down above and one
  // up below the target's leading edge, while a row moves one points right at its left and one
  // left at its right; hidden otherwise.
  void ShowMoveArrows();
  // The click mode for the next press; true when a zone chose it (the cursor stays).
  bool ChooseClickModeKeepsCursor(TGridCoord Cell, Integer X, Integer Y);
  bool OnSizingEdge(TGridCoord Cell, Integer X, Integer Y);
  // True when the pointer is on a link or anchor (hand cursor); fires the anchor events.
  bool TrackLinksAndAnchors(TGridCoord Cell, Integer X, Integer Y);
  std::string AnchorAt(Integer ACol, Integer ARow, Integer X, Integer Y, std::string* Title);
  void ForgetHintCells(TGridCoord Cell);
  void RefreshSelectionRect();
  void ShowSizingHint(Integer X, Integer Y);
  void HideSizingHint();
  std::string CellHintText(Integer ACol, Integer ARow);
  bool TextExceedsCell(Integer ACol, Integer ARow);
  bool WheelRouting(bool Down, TShiftState Shift, TPoint MousePos);
  void InstallFormFitting();
  void RemoveFormFitting();

  TGridPointerState pointer_;
  std::vector<TPoint> selectedCells_;
  THTMLHintWindow* sizingHint_ = nullptr;   // owned as a component, made on first use
  TCustomForm* fitForm_ = nullptr;          // the owner form whose OnResize FitToForm stands in front of
  TNotifyEvent formResize_;                 // the form's handler before
  TPoint formSize_{};

  // ==== Window procedure: edit-done, the in-place editor's changes, wheel and zoom, scrolling ====
 public:
  // Changes every column width and row height by Step pixels (where they stay positive) and the
  // cell fonts by Step points; nothing when the total would leave -10 .. 10.
  void Zoom(Integer Step);
  Integer ZoomTotal() const { return fontSizeDelta_; }
  bool Zooming() const { return zooming_; }
  // Cell controls in view take their cell's rectangle (one pixel less high) and show; those of data
  // cells out of view (or in rows and columns of size 0) hide.
  void PlaceCellControls();
  // Middle-button panning: the anchor picture for IntelliPan ("INTLI1" both, "INTLI2" horizontal,
  // "INTLI3" vertical) drawn with its top-left at the anchor over white, and its 32 x 32 square
  // invalidated.
  void DrawPanAnchor();
  void ErasePanAnchor();
  bool Panning() const { return panning_; }
  TPoint PanAnchor() const { return panAnchor_; }
  // The cell-action mode: a left press on a cell calls CellActionHook instead of its usual handling
  // and the pointer shows cursor 8014.  Off after construction; nothing in the grid sets it.
  bool CellActionMode() const { return cellActionMode_; }
  void SetCellActionMode(bool Value) { cellActionMode_ = Value; }

 protected:
  // "GridEditDone" fires OnEditCellDone; the in-place editor's EN_CHANGE writes its text into the
  // current cell (not during a press); the wheel moves the current row (scrolls with waScroll) by
  // WheelIncrement, or the wheel lines, and ends the message; Ctrl+wheel zooms with IntelliZoom.
  // With EnableWheel off the wheel takes DoMouseWheelDown / DoMouseWheelUp.
  void WndProc(TMessage& Message) override;
  void TopLeftChanged() override;
  void KeepCurrentRowAboveSearchPanel();
  // The row delta of a wheel turn when WheelIncrement is set; empty here.
  virtual void DoWheelScrolled(Integer /*Delta*/) {}

 private:
  void WriteEditorTextToCell(HWND Sender);
  // The drop target's registration revoked (WM_DESTROY, OleDropTarget off); released with the grid.
  void RevokeOleDropTarget();
  void ReleaseOleDropTarget();
  // The combo events for a combo notification from the combo editor or the custom link's control.
  void RelayComboNotification(Word Code, HWND Sender);
  bool HandleWheelMessage(TMessage& Message);
  // A middle press starts panning (cursor 8000, timer 999 every 10 ms, capture, hints off); while
  // panning any press or key stops it and each timer tick moves the current cell one step towards
  // the pointer (5 pixels around the anchor move nothing) with cursors 8001-8008 showing the way.
  void StartPanning(TPoint Anchor);
  void StopPanning();
  void PanStep();
  // The pointer's shape over the client area: the grid's own sizing of fixed columns (rows) shows the
  // horizontal (vertical) split, also while the line is dragged; else, unless the platform grid
  // sizes there, a column header that selects shows cursor 8011, a row header 8010, the fixed corner
  // and the selection resizer 8012; else the cell-action mode shows 8014; else the platform grid's.
  void WMSetCursor(TMessage& Message);

  bool panning_ = false;
  TPoint panAnchor_{};
  HCURSOR cursorBeforePanning_ = nullptr;
  bool hintsBeforePanning_ = false;
  bool cellActionMode_ = false;

  bool zooming_ = false;
  TPoint lastTopLeft_{-1, -1};

  // ==== Fixed-cell editing, double clicks, click sorting ====
 public:
  // Opens the fixed-cell editor one pixel inside the cell with its text, unless an open one's
  // pending text is refused or CanEditCell, asked as if editing were on and starting from true,
  // refuses the cell.
  void EditFixedCell(Integer ACol, Integer ARow);
  // The fixed-cell editor (made on first use, owned by the grid).
  TGridTransEdit* FixedCellEditor();
  // GetTickCount milliseconds the last click sort took.
  Cardinal LastSortTime() const { return lastSortTime_; }

 protected:
  // A row moved onto the footer row of a visible fsFixedLastRow footer stays where it was (its
  // height goes back, OnRowMoved does not fire).
  void RowMoved(Integer FromIndex, Integer ToIndex) override;

 private:
  // After a column sized by a drag: with MouseActions.AllColumnSize every other normal column
  // scales by the same ratio; OnEndColumnSize, then OnUpdateColumnSize may change the width.
  void ColumnSizedByDrag(Integer ACol, Integer StartWidth);
  void WMLButtonDblClk(TMessage& Message);
  // With MouseActions.SelectOnRightClick a normal cell outside the selection becomes current (with
  // DisjunctRowSelect Ctrl toggles its row, else its row replaces the selected rows); then
  // OnRightClickCell.
  void WMRButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  // A press in the fixed rows (columns) with FixedRowsEdit (FixedColsEdit) fceLeftClick, and a right
  // press with fceRightClick; with goColSizing (goRowSizing) a left press must lie 4 pixels inside.
  void EditFixedCellOnPress(TMouseButton Button, TGridCoord Cell, Integer X, Integer Y);
  bool ReleaseSorts(TGridCoord Cell, Integer X);
  bool AutoSizeOnDblClick(TGridCoord Cell, Integer X);
  void ClickSort(Integer ACol, TShiftState Shift);
  TGridTransEdit* fixedCellEditor_ = nullptr;
  Integer sortPressRow_ = -1;        // the row of the last left press in the cells
  Cardinal lastSortTime_ = 0;

  // ==== Form controls of markup cells ====
 public:
  // Opens the control edit over an EDIT, PASSWORD ("*" shown) or MASK (its PROP the edit mask)
  // field at CtrlRect with CtrlValue; other types open nothing.  ACol is the displayed column.
  void StartControlEdit(const std::string& CellText, const std::string& CtrlType, const std::string& CtrlID,
                        const std::string& CtrlValue, const TRect& CtrlRect, Integer ACol, Integer ARealCol,
                        Integer ARow);
  // Writes the open control edit's text into its field's tag, hides it, fires OnControlEditDone.
  void ControlEditDone();
  // Opens the cell's next editable field after CtrlID (the first with CtrlID ""); without one the
  // grid takes the focus.
  void FocusNextCellControl(Integer ACol, Integer ARow, const std::string& CtrlID);
  // Return (the grid takes the focus) or Tab (the next field, or with AdvanceAuto the next cell)
  // typed in the control edit.
  void EndControlEditByKey(bool Tab);
  // The control edit (made on first use, on the grid).
  TControlEdit* ControlEditor();

 private:
  struct TPendingControlEdit {
    Integer Col = -1;
    Integer RealCol = -1;
    Integer Row = -1;
    std::string ID;   // empty: no control edit open
    std::string Type;
  };
  bool MarkupHit(Integer ACol, Integer ARow, Integer X, Integer Y, TDrawMarkupOutput& Out);
  bool ClickFormControl(Integer ACol, Integer ARow, const TDrawMarkupOutput& Hit);
  TControlEdit* controlEditor_ = nullptr;
  TPendingControlEdit pendingControl_;

  // ==== Presses on the parts of a cell ====
 public:
  // Chooses the radio item under the offsets inside the cell (real column): the caption becomes
  // the text (CellIndex -1) or its index CellIndex; OnRadioClick.
  void ClickRadioItem(Integer ACol, Integer ARow, Integer XOffset, Integer YOffset);

 private:
  // Node glyph, radio item, cell button, disjunct row and check box of a left press; true when
  // the press ends there.
  bool PressCellParts(TGridCoord Cell, TShiftState Shift, Integer X, Integer Y);
  bool PressNodeGlyph(Integer ARow);
  bool PressCheckBox(TPoint Base, TShiftState Shift, Integer X, Integer Y);
  bool ReleaseCellButton(Integer X, Integer Y);
  void ReleaseDisjunctRows(TShiftState Shift);
  // OnCheckBoxMouseUp or OnRadioMouseUp for a release on such a cell.
  void ReleaseOnCellGraphic(TGridCoord Cell);
  TPoint pressedButton_{-1, -1};       // real column and row of the pressed cell button
  Integer pressedRowToDeselect_ = -1;   // a Ctrl+press on this selected row unselects it on release
};
