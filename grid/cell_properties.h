// TCellProperties: what one cell of a base grid has beyond its text: its place in a merged range,
// its own colours, font and alignment, an editor kind, a read-only flag, a node level, and three
// references it never owns (a user's object, the string grid's cell graphic, a control placed in
// the cell).  The grid keeps one in the object slot of each cell that needs one and owns it.
//
// Merged ranges (see base_grid.h): a base cell has IsBaseCell set and its spans are the range's
// columns and rows minus 1; a covered cell has IsBaseCell clear and its spans are its offset from
// the base cell; an unmerged cell has IsBaseCell set and both spans -1.
//
// Colours of 0x1FFFFFFF (clNone) mean "the grid's"; so do an empty FontName, FontSize 0 and an
// empty FontStyle.  The setters of BrushColor, BrushColorTo, VAlignment and WordWrap repaint the
// owner grid's cell (OwnerCol, OwnerRow); a properties object without an owner grid repaints
// nothing.
#pragma once

#include <string>

#include "grid/base_grid_types.h"
#include "platform/classes/persistent.h"
#include "platform/ui/brush.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_types.h"
#include "platform/ui/font.h"

class TBaseGrid;
class TControl;

class TCellProperties : public TPersistent {
  PR_CLASS(TCellProperties, TPersistent)

 public:
  TCellProperties(TBaseGrid* AOwner, Integer ACol, Integer ARow);

  // Copies the place in a range, the look, the editor settings, NodeLevel and Control from
  // another TCellProperties (WordWrap through its setter); OwnerGrid, CellObject, GraphicObject,
  // BrushColorTo, GradientDirection, PaintStamp and FooterCalc stay.  Any other source, or none,
  // raises the class library's assignment error and changes nothing.
  void Assign(TPersistent* Source) override;

  // The base cell of the cell at (ACol, ARow) that holds this object: (ACol - CellSpanX,
  // ARow - CellSpanY) for a covered cell, the cell itself otherwise.
  TPoint ResolveBaseCell(Integer ACol, Integer ARow) const;

  TBaseGrid* OwnerGrid() const { return ownerGrid_; }
  Integer OwnerCol() const { return ownerCol_; }
  void SetOwnerCol(Integer Value) { ownerCol_ = Value; }
  Integer OwnerRow() const { return ownerRow_; }
  void SetOwnerRow(Integer Value) { ownerRow_ = Value; }
  TObject* CellObject() const { return cellObject_; }
  void SetCellObject(TObject* Value) { cellObject_ = Value; }
  // The string grid's cell graphic, kept as an object: the string grid checks its class.
  TObject* GraphicObject() const { return graphicObject_; }
  void SetGraphicObject(TObject* Value) { graphicObject_ = Value; }
  TBrushStyle BrushStyle() const { return brushStyle_; }
  void SetBrushStyle(TBrushStyle Value) { brushStyle_ = Value; }
  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return brushColorTo_; }
  void SetBrushColorTo(TColor Value);
  Integer FontSize() const { return fontSize_; }
  void SetFontSize(Integer Value) { fontSize_ = Value; }
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor Value) { fontColor_ = Value; }
  TFontStyles FontStyle() const { return fontStyle_; }
  void SetFontStyle(TFontStyles Value) { fontStyle_ = Value; }
  Integer CellSpanY() const { return cellSpanY_; }
  void SetCellSpanY(Integer Value) { cellSpanY_ = Value; }
  Integer CellSpanX() const { return cellSpanX_; }
  void SetCellSpanX(Integer Value) { cellSpanX_ = Value; }
  Integer BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(Integer Value) { borderWidth_ = Value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value) { borderColor_ = Value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value) { alignment_ = Value; }
  TVAlignment VAlignment() const { return vAlignment_; }
  void SetVAlignment(TVAlignment Value);
  // The owner grid's PaintCount when this base cell was last drawn for a covered cell.
  Integer PaintStamp() const { return paintStamp_; }
  void SetPaintStamp(Integer Value) { paintStamp_ = Value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  bool IsBaseCell() const { return isBaseCell_; }
  void SetIsBaseCell(bool Value) { isBaseCell_ = Value; }
  // The aggregate kind of a cell of the floating footer row (0: none), read by the string grid's
  // footer calculation.
  Byte FooterCalc() const { return footerCalc_; }
  void SetFooterCalc(Byte Value) { footerCalc_ = Value; }
  Integer NodeLevel() const { return nodeLevel_; }
  void SetNodeLevel(Integer Value) { nodeLevel_ = Value; }
  TEditorType Editor() const { return editor_; }
  void SetEditor(TEditorType Value) { editor_ = Value; }
  const std::string& FontName() const { return fontName_; }
  void SetFontName(const std::string& Value) { fontName_ = Value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value) { readOnly_ = Value; }
  TCellGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(TCellGradientDirection Value) { gradientDirection_ = Value; }
  // A control placed in the cell; its cell's screen rectangle is computed even out of view.
  TControl* Control() const { return control_; }
  void SetControl(TControl* Value) { control_ = Value; }

 private:
  void RepaintOwnerCell();

  TBaseGrid* ownerGrid_;
  Integer ownerCol_;
  Integer ownerRow_;
  TObject* cellObject_ = nullptr;
  TObject* graphicObject_ = nullptr;
  TBrushStyle brushStyle_ = bsSolid;
  TColor brushColor_ = clNone;
  TColor brushColorTo_ = clNone;
  Integer fontSize_ = 0;
  TColor fontColor_ = clNone;
  TFontStyles fontStyle_;
  Integer cellSpanY_ = -1;
  Integer cellSpanX_ = -1;
  Integer borderWidth_ = 0;
  TColor borderColor_ = clBlack;
  TAlignment alignment_ = taLeftJustify;
  TVAlignment vAlignment_ = vtaTop;
  Integer paintStamp_ = 0;
  bool wordWrap_;
  bool isBaseCell_ = true;
  Byte footerCalc_ = 0;
  Integer nodeLevel_ = 0;
  TEditorType editor_ = edNormal;
  std::string fontName_;
  bool readOnly_ = false;
  TCellGradientDirection gradientDirection_ = GradientVertical;
  TControl* control_ = nullptr;
};
