// TBaseGrid: creation, the published table, cell texts with the base-cell rule and the display
// hooks, the properties objects and the undo store link.
#include "grid/base_grid.h"

#include <memory>

#include "grid/cell_properties.h"
#include "grid/pro_grid_undo_redo.h"
#include "grid/wide_cell_text.h"
#include "platform/classes/publisher.h"
#include "platform/ui/brush.h"
#include "platform/ui/font.h"

PR_PUBLISH(TBaseGrid) {
  // The inherited entries of DefaultDrawing and GridLineWidth are replaced by the base grid's own.
  p.Property("DefaultDrawing", &TBaseGrid::DefaultDrawing, &TBaseGrid::SetDefaultDrawing).Default(false);
  p.Property("GridLineWidth", &TBaseGrid::GridLineWidth, &TBaseGrid::SetGridLineWidth).Default(1);
  p.Property("GridLineColor", &TBaseGrid::GridLineColor, &TBaseGrid::SetGridLineColor)
      .Type(ColorTypeInfo())
      .Default(clSilver);
  p.Property("UndoRedo", &TBaseGrid::UndoRedo, &TBaseGrid::SetUndoRedo);
  p.Property("ActiveRowShow", &TBaseGrid::ActiveRowShow, &TBaseGrid::SetActiveRowShow).Default(false);
  p.Property("ActiveRowColor", &TBaseGrid::ActiveRowColor, &TBaseGrid::SetActiveRowColor)
      .Type(ColorTypeInfo())
      .Default(clInfoBk);
}

TBaseGrid::TBaseGrid(TComponent* AOwner)
    : TStringGrid(AOwner), gridLineColor_(clSilver), activeRowColor_(clInfoBk) {
  TStringGrid::SetDefaultDrawing(false);
  TStringGrid::SetGridLineWidth(0);
  SetOptions(Options() + TGridOptions{goDrawFocusSelected});
}

TBaseGrid::~TBaseGrid() { FreeAllCellProperties(); }

// ---- Properties ----

void TBaseGrid::SetDefaultDrawing(bool Value) {
  defaultDrawing_ = Value;
  TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(Integer Value) {
  if (Value == gridLineWidth_) return;
  gridLineWidth_ = Value;
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  if (Value == gridLineColor_) return;
  gridLineColor_ = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value) {
  if (Value == activeRowShow_) return;
  activeRowShow_ = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value) {
  if (Value == activeRowColor_) return;
  activeRowColor_ = Value;
  Invalidate();
}

void TBaseGrid::SetUndoRedo(TProGridUndoRedo* Value) {
  undoRedo_ = Value;
  if (Value == nullptr) return;
  Value->SetGrid(this);
  Value->FreeNotification(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == undoRedo_) undoRedo_ = nullptr;
  inherited::Notification(AComponent, Operation);
}

// ---- Cell texts ----

std::string TBaseGrid::GetCellText(Integer ACol, Integer ARow) {
  const TPoint base = GetBaseCell(ACol, ARow);
  std::string text = GetRawCellText(base.X, base.Y);
  if (base.Y >= realRowCount_) return text;
  DoGetDisplText(base.X, base.Y, text);
  if (OnGetDisplWideText) {
    std::u16string wide = DecodeWideCellText(text);
    DoGetDisplWideText(base.X, base.Y, wide);
    text = EncodeWideCellText(wide);
  }
  return text;
}

void TBaseGrid::SetCellText(Integer ACol, Integer ARow, const std::string& Value) {
  if (HasCellProperties(ACol, ARow)) {
    const TPoint base = GetBaseCell(ACol, ARow);
    TStringGrid::SetCells(base.X, base.Y, Value);
    if (Parent() != nullptr) RepaintCell(ACol, ARow);
  } else {
    TStringGrid::SetCells(ACol, ARow, Value);
  }
  if (lastRowIsFooter_ && ARow == RowCount() - 1) FooterRowChanged();
}

std::string TBaseGrid::GetRawCellText(Integer ACol, Integer ARow) const { return StoredCell(ACol, ARow).Text; }

void TBaseGrid::SetRawCellText(Integer ACol, Integer ARow, const std::string& Value) {
  StoredCell(ACol, ARow).Text = Value;
}

TObject* TBaseGrid::GetRawCellObject(Integer ACol, Integer ARow) const { return StoredCell(ACol, ARow).Object; }

void TBaseGrid::SetRawCellObject(Integer ACol, Integer ARow, TObject* Value) { StoredCell(ACol, ARow).Object = Value; }

void TBaseGrid::DoGetDisplText(Integer ACol, Integer ARow, std::string& Value) {
  OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(Integer ACol, Integer ARow, std::u16string& Value) {
  OnGetDisplWideText(this, ACol, ARow, Value);
}

// ---- Properties objects ----

TCellProperties* TBaseGrid::PropertiesAt(Integer ACol, Integer ARow) const {
  return dynamic_cast<TCellProperties*>(StoredCell(ACol, ARow).Object);
}

bool TBaseGrid::HasCellProperties(Integer ACol, Integer ARow) const { return PropertiesAt(ACol, ARow) != nullptr; }

TCellProperties* TBaseGrid::GetCellProperties(Integer ACol, Integer ARow) {
  if (TCellProperties* props = PropertiesAt(ACol, ARow)) return props;
  auto* props = new TCellProperties(this, ACol, ARow);
  SetRawCellObject(ACol, ARow, props);
  TFont font;
  TBrush brush;
  TColor colorTo = clNone;
  TAlignment alignment = taLeftJustify;
  TVAlignment vAlignment = vtaTop;
  bool wordWrap = defaultWordWrap_;
  TCellGradientDirection direction = GradientVertical;
  GetInitialCellStyle(ACol, ARow, &font, &brush, colorTo, alignment, vAlignment, wordWrap, direction);
  props->SetAlignment(alignment);
  props->SetVAlignment(vAlignment);
  props->SetWordWrap(wordWrap);
  props->SetFontName(font.Name());
  props->SetFontSize(font.Size());
  props->SetFontStyle(font.Style());
  props->SetFontColor(font.Color());
  props->SetBrushColor(brush.Color());
  props->SetBrushColorTo(colorTo);
  props->SetGradientDirection(direction);
  return props;
}

void TBaseGrid::SetCellProperties(Integer ACol, Integer ARow, TCellProperties* Props) {
  FreeCellProperties(ACol, ARow);
  SetRawCellObject(ACol, ARow, Props);
}

void TBaseGrid::FreeCellProperties(Integer ACol, Integer ARow) {
  std::unique_ptr<TCellProperties> props(PropertiesAt(ACol, ARow));
  SetRawCellObject(ACol, ARow, nullptr);
}

void TBaseGrid::FreeCellPropertiesRange(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow) {
  for (Integer col = FromCol; col <= ToCol; ++col)
    for (Integer row = FromRow; row <= ToRow; ++row) FreeCellProperties(col, row);
}

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRange(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::ResetColumn(Integer ACol) {
  for (Integer row = 0; row < RowCount(); ++row) {
    SetRawCellObject(ACol, row, nullptr);
    SetCellText(ACol, row, "");
  }
}

void TBaseGrid::ResetRow(Integer ARow) {
  for (Integer col = 0; col < ColCount(); ++col) {
    SetRawCellObject(col, ARow, nullptr);
    SetCellText(col, ARow, "");
  }
}

void TBaseGrid::ResetCell(Integer ACol, Integer ARow) {
  SetCellText(ACol, ARow, "");
  SetRawCellObject(ACol, ARow, nullptr);
}

TObject* TBaseGrid::GetCellGraphicObject(Integer ACol, Integer ARow) const {
  const TCellProperties* props = PropertiesAt(ACol, ARow);
  return props != nullptr ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetCellGraphicObject(Integer ACol, Integer ARow, TObject* Graphic) {
  const bool wasEmpty = GetCellText(ACol, ARow).empty();
  if (wasEmpty) SetCellText(ACol, ARow, " ");
  GetCellProperties(ACol, ARow)->SetGraphicObject(Graphic);
  if (wasEmpty) SetCellText(ACol, ARow, "");
}

void TBaseGrid::GetInitialCellStyle(Integer, Integer, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                    TAlignment& Alignment, TVAlignment& VAlignment, bool& WordWrap,
                                    TCellGradientDirection& GradientDirection) {
  AFont->Assign(Font());
  ABrush->SetColor(Color());
  ColorTo = clNone;
  Alignment = taLeftJustify;
  VAlignment = vtaTop;
  WordWrap = defaultWordWrap_;
  GradientDirection = GradientVertical;
}
