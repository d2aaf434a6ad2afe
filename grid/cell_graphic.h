// TCellGraphic: the graphic one cell of the string grid shows (check box, radio group, node,
// progress bar, picture, button, rotated text, ...), kept in the cell's properties
// (TCellProperties::GraphicObject).  Besides its published fields it holds, by kind, a graphic
// object (a TBitmap for ctBitmap and ctBitButton, the option texts of ctRadio, a TIntList of image
// indexes for ctImages, a picture for ctPicture and ctFilePicture), an icon and a Variant (for a
// node: the column that grouping grouped, -1 otherwise).
//
// Ownership: freeing a graphic frees its graphic object for ctBitmap, ctRadio, ctPicture,
// ctFilePicture and ctBitButton only when CellCreated is set, always for ctImages, and its icon for
// ctIcon only when CellCreated is set; anything else it refers to belongs to its caller.
#pragma once

#include <string>

#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"
#include "platform/core/variant.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"

class TIcon;

// The kinds of cell graphics, in their stored order (25 values).
PR_ENUM(TCellType, ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode,
        ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
        ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress)
PR_ENUM(TCellVAlign, vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull)
PR_ENUM(TCellHAlign, haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull)

class TCellGraphic : public TPersistent {
  PR_CLASS(TCellGraphic, TPersistent)

 public:
  TCellGraphic() = default;
  ~TCellGraphic() override;

  // Copies the published fields of another TCellGraphic (not the graphic object, the icon or the
  // Variant); any other source goes to the inherited Assign.
  void Assign(TPersistent* Source) override;

  TCellType CellType() const { return cellType_; }
  void SetCellType(TCellType Value) { cellType_ = Value; }
  TCellVAlign CellVAlign() const { return cellVAlign_; }
  void SetCellVAlign(TCellVAlign Value) { cellVAlign_ = Value; }
  TCellHAlign CellHAlign() const { return cellHAlign_; }
  void SetCellHAlign(TCellHAlign Value) { cellHAlign_ = Value; }
  // Image index, node span, radio index or picture margin, by kind.
  Integer CellIndex() const { return cellIndex_; }
  void SetCellIndex(Integer Value) { cellIndex_ = Value; }
  bool CellTransparent() const { return cellTransparent_; }
  void SetCellTransparent(bool Value) { cellTransparent_ = Value; }
  // The graphic owns its graphic object (and icon).
  bool CellCreated() const { return cellCreated_; }
  void SetCellCreated(bool Value) { cellCreated_ = Value; }
  // Check state; for a node: contracted.
  bool CellBoolean() const { return cellBoolean_; }
  void SetCellBoolean(bool Value) { cellBoolean_ = Value; }
  // Text angle; for a node the displayed row it was made on; picture fit mode; by kind.
  Integer CellAngle() const { return cellAngle_; }
  void SetCellAngle(Integer Value) { cellAngle_ = Value; }
  double CellValue() const { return cellValue_; }
  void SetCellValue(double Value) { cellValue_ = Value; }
  // A range of the cell text (start, length) the cell painter marks as an error.
  Integer CellErrFrom() const { return cellErrFrom_; }
  void SetCellErrFrom(Integer Value) { cellErrFrom_ = Value; }
  Integer CellErrLen() const { return cellErrLen_; }
  void SetCellErrLen(Integer Value) { cellErrLen_ = Value; }
  // The comment of a comment cell.
  const std::string& CellText() const { return cellText_; }
  void SetCellText(const std::string& Value) { cellText_ = Value; }

  // The size a ctPicture or ctFilePicture graphic takes in the available area less the margin
  // (CellIndex) on each axis, by its fit mode (CellAngle): 0 its own size; 1 the area; 2 the area
  // keeping its proportions; 3 its own size when it fits, else the area; 4 its own size when it
  // fits, else as 2 without enlarging.  (0, 0) for any other kind.
  TPoint GetPictureSize(Integer AvailWidth, Integer AvailHeight) const;

  TObject* CellBitmap() const { return cellBitmap_; }
  void SetCellBitmap(TObject* Value) { cellBitmap_ = Value; }
  TIcon* CellIcon() const { return cellIcon_; }
  void SetCellIcon(TIcon* Value) { cellIcon_ = Value; }
  const Variant& CellVar() const { return cellVar_; }
  void SetCellVar(const Variant& Value) { cellVar_ = Value; }

  // The colours of the colour kinds: progress bar (first and second), range indicator (negative
  // and positive), progress pie (first).
  TColor CellColor() const { return cellColor_; }
  void SetCellColor(TColor Value) { cellColor_ = Value; }
  TColor CellColorTo() const { return cellColorTo_; }
  void SetCellColorTo(TColor Value) { cellColorTo_ = Value; }

 private:
  TCellType cellType_ = ctNone;
  TCellVAlign cellVAlign_ = vaTop;
  TCellHAlign cellHAlign_ = haLeft;
  Integer cellIndex_ = 0;
  bool cellTransparent_ = false;
  bool cellCreated_ = false;
  bool cellBoolean_ = false;
  Integer cellAngle_ = 0;
  double cellValue_ = 0;
  Integer cellErrFrom_ = 0;
  Integer cellErrLen_ = 0;
  std::string cellText_;
  TObject* cellBitmap_ = nullptr;
  TIcon* cellIcon_ = nullptr;
  Variant cellVar_;
  TColor cellColor_ = clNone;
  TColor cellColorTo_ = clNone;
};
