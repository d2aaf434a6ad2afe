// TSortSettings (the string grid's SortSettings): the sort column and direction, what sorting
// covers and how blanks sort, the sort glyphs in the header and the multi-column sort index.  It
// owns its four glyphs (setting one copies the picture).  Show repaints the grid when it changes;
// Row must stay below the grid's FixedRows ("Sort row should be smaller than number of fixed
// rows").  Assign copies every property from another TSortSettings; any other source is ignored.
#pragma once

#include <memory>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/ui/colors.h"

class TBitmap;
class TProStringGrid;

PR_ENUM(TSortDirection, sdAscending, sdDescending)
PR_ENUM(TSortBlankPosition, blFirst, blLast)

inline constexpr const char* SSortRowTooLarge = "Sort row should be smaller than number of fixed rows";

class TSortSettings : public TPersistent {
  PR_CLASS(TSortSettings, TPersistent)

 public:
  explicit TSortSettings(TProStringGrid* AGrid);
  ~TSortSettings() override;

  void Assign(TPersistent* Source) override;

  bool Show() const { return show_; }
  void SetShow(bool Value);
  Integer Row() const { return row_; }
  void SetRow(Integer Value);
  TBitmap* UpGlyph() const { return upGlyph_.get(); }
  void SetUpGlyph(TBitmap* Value);
  TBitmap* DownGlyph() const { return downGlyph_.get(); }
  void SetDownGlyph(TBitmap* Value);
  TBitmap* IndexUpGlyph() const { return indexUpGlyph_.get(); }
  void SetIndexUpGlyph(TBitmap* Value);
  TBitmap* IndexDownGlyph() const { return indexDownGlyph_.get(); }
  void SetIndexDownGlyph(TBitmap* Value);

 private:
  TProStringGrid* grid_;
  bool show_ = false;
  Integer row_ = 0;
  std::unique_ptr<TBitmap> upGlyph_;
  std::unique_ptr<TBitmap> downGlyph_;
  std::unique_ptr<TBitmap> indexUpGlyph_;
  std::unique_ptr<TBitmap> indexDownGlyph_;

  PR_STORED_PROPERTY(bool, AutoSortForGrouping, true)
  PR_STORED_PROPERTY(bool, AutoColumnMerge, false)
  PR_STORED_PROPERTY(Integer, Column, 0)
  PR_STORED_PROPERTY(bool, IndexShow, false)
  PR_STORED_PROPERTY(TColor, IndexColor, clYellow)
  PR_STORED_PROPERTY(bool, Full, true)
  PR_STORED_PROPERTY(bool, SingleColumn, false)
  PR_STORED_PROPERTY(bool, IgnoreBlanks, false)
  PR_STORED_PROPERTY(TSortBlankPosition, BlankPos, blFirst)
  PR_STORED_PROPERTY(bool, AutoFormat, true)
  PR_STORED_PROPERTY(TSortDirection, Direction, sdAscending)
  PR_STORED_PROPERTY(TSortDirection, InitSortDirection, sdAscending)
  PR_STORED_PROPERTY(bool, FixedCols, false)
  PR_STORED_PROPERTY(bool, NormalCellsOnly, false)
  PR_STORED_PROPERTY(bool, UndoSort, false)
};
