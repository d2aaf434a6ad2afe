// The column collection: one TGridColumnItem per column of a TProColumnGrid (a TProStringGrid that
// holds a TGridColumnCollection as Columns), so that each column's header, editor, look, printing,
// sorting and filter options can be set at design time and stored with the form.  The collection
// keeps the grid's column count and its header row in step with its items.  The unit registers the
// three classes so that stored forms can name them.
//
// Owner-dependent values (the grid's Color and Font) and the change wiring are set only for an item
// made inside a collection of a grid: changes of its Font, HeaderFont and BorderPen then update the
// collection for the item, and changes of its Filter invalidate the grid.
#pragma once

#include <memory>
#include <string>

#include "grid/pro_string_grid.h"
#include "platform/classes/collection.h"
#include "platform/core/units.h"

class TFont;
class TPen;
class TPopupMenu;
class TProColumnGrid;

PR_ENUM(TColumnPopupType, cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick,
        cpAllCellsRClick, cpAllCellsLClick)

class TGridColumnItem : public TCollectionItem {
  PR_CLASS(TGridColumnItem, TCollectionItem)

 public:
  explicit TGridColumnItem(TCollection* Collection);
  ~TGridColumnItem() override;

  // From another TGridColumnItem, without setters: everything but HeaderFont, ColumnPopupType,
  // PrintBorderCustom and PrintFontCustom; the grid's column width stays.
  void Assign(TPersistent* Source) override;
  // The look of the column before: Assign's values but the grid's Color and Font, and not Header,
  // Name, ComboItems, DropDownCount or Tag.
  void CopyColumnLook(TGridColumnItem* Previous);
  // "Col <index>: <Name>", or "Column <index>" without a name.
  std::string DisplayName() const override;

  // The grid's width of the real column at the item's index (0 without a grid).
  Integer Width() const;
  void SetWidth(Integer Value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ShowBands() const { return showBands_; }
  void SetShowBands(bool Value);
  bool Fixed() const { return fixed_; }
  void SetFixed(bool Value);
  bool Password() const { return password_; }
  void SetPassword(bool Value);
  TCellBorders Borders() const { return borders_; }
  void SetBorders(TCellBorders Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value);
  TPen* BorderPen() const { return borderPen_.get(); }
  void SetBorderPen(TPen* Value);
  // With fixed rows and the grid's header-write lock clear, cell (index, 0) takes the text; the
  // grid's ColumnHeaders are rebuilt from every item's Header.
  const std::string& Header() const { return header_; }
  void SetHeader(const std::string& Value);
  // Stores the header without the setter's effects.
  void SetHeaderText(const std::string& Value) { header_ = Value; }
  // Repaints the grid when the old or the new value is edDataCheckBox.
  TEditorType Editor() const { return editor_; }
  void SetEditor(TEditorType Value);
  const std::string& FloatFormat() const { return floatFormat_; }
  void SetFloatFormat(const std::string& Value);
  TAlignment HeaderAlignment() const { return headerAlignment_; }
  void SetHeaderAlignment(TAlignment Value);
  TFont* HeaderFont() const { return headerFont_.get(); }
  void SetHeaderFont(TFont* Value);
  TStringList* ComboItems() const { return comboItems_.get(); }
  void SetComboItems(TStrings* Value);
  TFont* PrintFont() const { return printFont_.get(); }
  void SetPrintFont(TFont* Value);
  TPen* PrintBorderPen() const { return printBorderPen_.get(); }
  void SetPrintBorderPen(TPen* Value);
  TStringList* Filter() const { return filter_.get(); }
  void SetFilter(TStrings* Value);
  Integer DefaultIndex() const { return defaultIndex_; }
  void SetDefaultIndex(Integer Value) { defaultIndex_ = Value; }

 private:
  TProColumnGrid* Grid() const;
  void Update();
  void InvalidateGrid();
  void FontChanged(TObject* Sender);
  void FilterChanged(TObject* Sender);
  // The fields Assign and CopyColumnLook share.
  void CopyLook(TGridColumnItem* Source);

  TAlignment alignment_ = taLeftJustify;
  TAlignment headerAlignment_ = taLeftJustify;
  TColor color_;
  bool showBands_ = false;
  bool fixed_ = false;
  bool password_ = false;
  TCellBorders borders_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TFont> headerFont_;
  std::unique_ptr<TFont> printFont_;
  std::unique_ptr<TPen> borderPen_;
  std::unique_ptr<TPen> printBorderPen_;
  std::unique_ptr<TStringList> comboItems_;
  std::unique_ptr<TStringList> filter_;
  std::string header_;
  TEditorType editor_ = edNormal;
  std::string floatFormat_;
  Integer defaultIndex_ = 0;

  PR_STORED_PROPERTY(Integer, AutoMinSize, 0)
  PR_STORED_PROPERTY(Integer, AutoMaxSize, 0)
  PR_STORED_PROPERTY(Integer, MinSize, 0)
  PR_STORED_PROPERTY(Integer, MaxSize, 0)
  PR_STORED_PROPERTY(TCellBorders, PrintBorders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}))
  PR_STORED_PROPERTY(std::string, CheckFalse, "N")
  PR_STORED_PROPERTY(std::string, CheckTrue, "Y")
  PR_STORED_PROPERTY(TPopupMenu*, ColumnPopup, nullptr)
  PR_STORED_PROPERTY(TColumnPopupType, ColumnPopupType, cpFixedCellsRClick)
  PR_STORED_PROPERTY(Integer, DropDownCount, 8)
  PR_STORED_PROPERTY(Integer, EditLength, 0)
  PR_STORED_PROPERTY(TEditLink*, EditLink, nullptr)
  PR_STORED_PROPERTY(std::string, EditMask, "")
  PR_STORED_PROPERTY(bool, FilterCaseSensitive, false)
  PR_STORED_PROPERTY(std::string, Name, "")
  PR_STORED_PROPERTY(bool, PrintBorderCustom, true)
  PR_STORED_PROPERTY(bool, PrintFontCustom, true)
  PR_STORED_PROPERTY(TColor, PrintColor, clWhite)
  PR_STORED_PROPERTY(bool, ReadOnly, false)
  PR_STORED_PROPERTY(TSortStyle, SortStyle, ssAutomatic)
  PR_STORED_PROPERTY(std::string, SortPrefix, "")
  PR_STORED_PROPERTY(std::string, SortSuffix, "")
  PR_STORED_PROPERTY(Integer, SpinMin, 0)
  PR_STORED_PROPERTY(Integer, SpinMax, 0)
  PR_STORED_PROPERTY(Integer, SpinStep, 1)
  PR_STORED_PROPERTY(Integer, Tag, 0)
};

class TGridColumnCollection : public TCollection {
  PR_CLASS(TGridColumnCollection, TCollection)

 public:
  explicit TGridColumnCollection(TProColumnGrid* AGrid);
  TGridColumnItem* Add() { return static_cast<TGridColumnItem*>(TCollection::Add()); }
  TGridColumnItem* Items(Integer Index) const { return static_cast<TGridColumnItem*>(TCollection::Items(Index)); }
  TProColumnGrid* Grid() const { return grid_; }
  // Set while the grid adds or removes items to match its column count.
  bool NoRecursion() const { return noRecursion_; }
  void SetNoRecursion(bool Value) { noRecursion_ = Value; }

 protected:
  TPersistent* GetOwner() const override;
  // Unless updates are held, the items are being matched or the grid is loading: the grid's
  // column count follows the item count (above FixedCols), the headers are synchronised and the
  // grid repaints.
  void Update(TCollectionItem* Item) override;

 private:
  TProColumnGrid* grid_;
  bool noRecursion_ = false;
};

class TProColumnGrid : public TProStringGrid {
  PR_CLASS(TProColumnGrid, TProStringGrid)

 public:
  // Starts with one item per column.
  explicit TProColumnGrid(TComponent* AOwner);
  ~TProColumnGrid() override;

  TGridColumnCollection* Columns() const { return columns_.get(); }
  void SetColumns(TGridColumnCollection* Value);
  // While set, an item's Header does not write the header cell.
  bool HeaderWriteLock() const { return headerWriteLock_; }
  void SetHeaderWriteLock(bool Value) { headerWriteLock_ = Value; }

  // The owner operations the collection calls.
  void ApplyColumnCount(Integer Count);
  void SyncColumnItems();
  void AddColumnItem();
  void SyncColumnHeaders();
  // ColumnHeaders := every item's Header, in item order.
  void RebuildColumnHeaders();

 private:
  TGridColumnItem* ColumnItem(Integer Index) const;

  std::unique_ptr<TGridColumnCollection> columns_;
  bool headerWriteLock_ = false;
};

extern const Unit ProColumnGridUnit;
