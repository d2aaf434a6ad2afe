#include "grid/cell_properties.h"

#include "grid/base_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/control.h"

PR_PUBLISH(TCellProperties) {
  p.Property("OwnerCol", &TCellProperties::OwnerCol, &TCellProperties::SetOwnerCol).NoDefault();
  p.Property("OwnerRow", &TCellProperties::OwnerRow, &TCellProperties::SetOwnerRow).NoDefault();
  p.Property("CellObject", &TCellProperties::CellObject, &TCellProperties::SetCellObject);
  p.Property("BrushStyle", &TCellProperties::BrushStyle, &TCellProperties::SetBrushStyle).Default(bsSolid);
  p.Property("BrushColor", &TCellProperties::BrushColor, &TCellProperties::SetBrushColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("BrushColorTo", &TCellProperties::BrushColorTo, &TCellProperties::SetBrushColorTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("FontSize", &TCellProperties::FontSize, &TCellProperties::SetFontSize).Default(0);
  p.Property("FontColor", &TCellProperties::FontColor, &TCellProperties::SetFontColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("FontStyle", &TCellProperties::FontStyle, &TCellProperties::SetFontStyle).Default(TFontStyles{});
  p.Property("CellSpanY", &TCellProperties::CellSpanY, &TCellProperties::SetCellSpanY).Default(-1);
  p.Property("CellSpanX", &TCellProperties::CellSpanX, &TCellProperties::SetCellSpanX).Default(-1);
  p.Property("BorderWidth", &TCellProperties::BorderWidth, &TCellProperties::SetBorderWidth).Default(0);
  p.Property("BorderColor", &TCellProperties::BorderColor, &TCellProperties::SetBorderColor)
      .Type(ColorTypeInfo())
      .Default(clBlack);
  p.Property("Alignment", &TCellProperties::Alignment, &TCellProperties::SetAlignment).Default(taLeftJustify);
  p.Property("VAlignment", &TCellProperties::VAlignment, &TCellProperties::SetVAlignment).Default(vtaTop);
  p.Property("WordWrap", &TCellProperties::WordWrap, &TCellProperties::SetWordWrap).Default(true);
  p.Property("IsBaseCell", &TCellProperties::IsBaseCell, &TCellProperties::SetIsBaseCell).Default(true);
  p.Property("NodeLevel", &TCellProperties::NodeLevel, &TCellProperties::SetNodeLevel).Default(0);
  p.Property("Editor", &TCellProperties::Editor, &TCellProperties::SetEditor).Default(edNormal);
  p.Property("FontName", &TCellProperties::FontName, &TCellProperties::SetFontName);
  p.Property("ReadOnly", &TCellProperties::ReadOnly, &TCellProperties::SetReadOnly).Default(false);
  p.Property("GradientDirection", &TCellProperties::GradientDirection, &TCellProperties::SetGradientDirection)
      .Default(GradientVertical);
  p.Property("Control", &TCellProperties::Control, &TCellProperties::SetControl);
}

TCellProperties::TCellProperties(TBaseGrid* AOwner, Integer ACol, Integer ARow)
    : ownerGrid_(AOwner),
      ownerCol_(ACol),
      ownerRow_(ARow),
      wordWrap_(AOwner == nullptr || AOwner->DefaultWordWrap()) {}

void TCellProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCellProperties*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  isBaseCell_ = source->isBaseCell_;
  cellSpanX_ = source->cellSpanX_;
  cellSpanY_ = source->cellSpanY_;
  ownerRow_ = source->ownerRow_;
  ownerCol_ = source->ownerCol_;
  alignment_ = source->alignment_;
  borderColor_ = source->borderColor_;
  borderWidth_ = source->borderWidth_;
  brushColor_ = source->brushColor_;
  brushStyle_ = source->brushStyle_;
  fontColor_ = source->fontColor_;
  fontStyle_ = source->fontStyle_;
  fontName_ = source->fontName_;
  fontSize_ = source->fontSize_;
  readOnly_ = source->readOnly_;
  editor_ = source->editor_;
  vAlignment_ = source->vAlignment_;
  SetWordWrap(source->wordWrap_);
  nodeLevel_ = source->nodeLevel_;
  control_ = source->control_;
}

TPoint TCellProperties::ResolveBaseCell(Integer ACol, Integer ARow) const {
  if (!isBaseCell_ && cellSpanX_ != -1 && cellSpanY_ != -1) return TPoint{ACol - cellSpanX_, ARow - cellSpanY_};
  return TPoint{ACol, ARow};
}

void TCellProperties::SetBrushColor(TColor Value) {
  brushColor_ = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  brushColorTo_ = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  vAlignment_ = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value) {
  wordWrap_ = Value;
  RepaintOwnerCell();
}

void TCellProperties::RepaintOwnerCell() {
  if (ownerGrid_ != nullptr) ownerGrid_->RepaintCell(ownerCol_, ownerRow_);
}
