// TProStringGrid: typed cell values (integers, numbers, dates), the cell graphics attached to a
// cell's properties, and highlighting a text in the cells' markup.
#include <algorithm>

#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/cell_text_kinds.h"
#include "grid/control_look.h"
#include "grid/int_list.h"
#include "grid/markup_text.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/float_text.h"
#include "platform/core/format.h"
#include "platform/core/int_text.h"

namespace {

bool HasDigit(std::string_view Text) {
  return std::any_of(Text.begin(), Text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

}   // namespace

// ---- Typed values ----

Integer TProStringGrid::GetInts(Integer ACol, Integer ARow) {
  std::string text = GetCellText(ACol, ARow);
  if (text.empty() || text == "-") return 0;
  Integer value = 0;
  if (!TryStrToInt(text, value)) throw EProGridError(SCellNotInteger);
  return value;
}

void TProStringGrid::SetInts(Integer ACol, Integer ARow, Integer Value) { SetCellText(ACol, ARow, IntToStr(Value)); }

double TProStringGrid::GetFloats(Integer ACol, Integer ARow) { return ReadFloat(GetCellText(ACol, ARow)); }

// The number a cell text stands for (see GetFloats).  A text whose normalised form has no digit is
// 0 only when it is empty or a lone "-"; letters alone, "N/A" or "." do not read (an amount made of
// letters must not import as 0).
double TProStringGrid::ReadFloat(const std::string& Text) {
  const std::string number = NormalizeNumberText(Text);
  if (!HasDigit(number)) {
    const std::string trimmed = Trim(Text);
    if (trimmed.empty() || trimmed == "-") return 0;
    throw EProGridError(SCellNotFloat);
  }
  double value = 0;
  Integer code = 0;
  Val(number, value, code);
  if (code != 0) throw EProGridError(SCellNotFloat);
  return value;
}

void TProStringGrid::SetFloats(Integer ACol, Integer ARow, double Value) {
  SetCellText(ACol, ARow, Format(floatFormat_, {Value}));
}

void TProStringGrid::SetDates(Integer ACol, Integer ARow, TDateTime Value) {
  SetCellText(ACol, ARow, DateToStr(Value));
}

// ---- Cell graphics ----

TCellGraphic* TProStringGrid::GetCellGraphic(Integer ACol, Integer ARow) {
  if (ACol == 0 && mouseActions_->HotmailRowSelect()) {
    rowCheckGraphic_->SetCellType(ctRowCheckBox);
    rowCheckGraphic_->SetCellTransparent(controlLook_->ControlStyle() == ProGrid::csFlat);
    rowCheckGraphic_->SetCellBoolean(DisjunctRowFlag(ARow));
    return rowCheckGraphic_.get();
  }
  return dynamic_cast<TCellGraphic*>(GetCellGraphicObject(ACol, ARow));
}

TCellType TProStringGrid::GetCellType(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (ACol == 0 && mouseActions_->HotmailRowSelect()) return ctRowCheckBox;
  const auto* graphic = dynamic_cast<TCellGraphic*>(GetCellGraphicObject(ACol, ARow));
  return graphic != nullptr ? graphic->CellType() : ctEmpty;
}

TCellGraphic* TProStringGrid::CreateCellGraphic(Integer ACol, Integer ARow) {
  auto* old = dynamic_cast<TCellGraphic*>(GetCellGraphicObject(ACol, ARow));
  if (old != nullptr && old != rowCheckGraphic_.get() && old->CellType() != ctVirtCheckBox) delete old;
  auto graphic = std::make_unique<TCellGraphic>();
  SetCellGraphicObject(ACol, ARow, graphic.get());
  return graphic.release();
}

bool TProStringGrid::RemoveCellGraphic(Integer ACol, Integer ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return false;
  // Column 0 lends the shared row check box while HotmailRowSelect is on; it is never attached.
  const bool attached = graphic == GetCellGraphicObject(ACol, ARow);
  const TCellType kind = graphic->CellType();
  if (kind != ctVirtCheckBox && kind != ctRowCheckBox) delete graphic;
  if (attached) GetCellProperties(ACol, ARow)->SetGraphicObject(nullptr);
  return true;
}

bool TProStringGrid::RemoveCellGraphicOfType(Integer ACol, Integer ARow, TCellType AType) {
  return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

TIntList* TProStringGrid::GetCellImages(Integer ACol, Integer ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || graphic->CellType() != ctImages) return nullptr;
  return dynamic_cast<TIntList*>(graphic->CellBitmap());
}

std::intptr_t TProStringGrid::GetCellImageKey(Integer ACol, Integer ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return -1;
  switch (graphic->CellType()) {
    case ctBitmap:
      return reinterpret_cast<std::intptr_t>(graphic->CellBitmap());
    case ctIcon:
      return reinterpret_cast<std::intptr_t>(graphic->CellIcon());
    case ctImageList:
      return graphic->CellIndex();
    default:
      return -1;
  }
}

bool TProStringGrid::GetRotated(Integer ACol, Integer ARow, Integer& Angle) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr || graphic->CellType() != ctRotated) return false;
  Angle = graphic->CellAngle();
  return true;
}

Integer TProStringGrid::GetRowIndent(Integer ARow) {
  if (!HasNodes() || ARow < 0 || !HasCellProperties(0, ARow)) return 0;
  return GetCellProperties(0, ARow)->NodeLevel() * cellNode_->NodeIndent();
}

// ---- Highlighting ----

void TProStringGrid::RewriteCells(bool WholeGrid, TFunctionRef<std::string(const std::string&)> Rewrite) {
  const Integer top = WholeGrid ? 0 : FixedRows();
  const Integer left = WholeGrid ? 0 : FixedCols();
  const Integer bottom = WholeGrid ? RowCount() - 1 : RowCount() - fixedFooters_ - 1;
  const Integer right = WholeGrid ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
  for (Integer row = top; row <= bottom; ++row)
    for (Integer col = left; col <= right; ++col) SetCellText(col, row, Rewrite(GetCellText(col, row)));
}

void TProStringGrid::HighlightInGrid(bool WholeGrid, bool CaseSensitive, const std::string& AText) {
  RewriteCells(WholeGrid, [&](const std::string& text) { return HighlightText(text, AText, "hi", CaseSensitive); });
}

void TProStringGrid::UnHighlightInGrid(bool WholeGrid) {
  RewriteCells(WholeGrid, [](const std::string& text) { return RemoveTagPairs(text, "hi"); });
}
