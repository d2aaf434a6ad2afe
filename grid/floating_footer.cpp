// TFloatingFooter and TFooterPanel; see floating_footer.h.
#include "grid/floating_footer.h"

#include <algorithm>

#include "grid/draw_markup.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/core/int_text.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/application.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/pen.h"

PR_PUBLISH(TFooterPanel) {}

PR_PUBLISH(TFloatingFooter) {
  p.Property("BorderColor", &TFloatingFooter::BorderColor, &TFloatingFooter::SetBorderColor).Default(clNone);
  p.Property("Color", &TFloatingFooter::Color, &TFloatingFooter::SetColor).Default(clBtnFace);
  p.Property("Column", &TFloatingFooter::Column, &TFloatingFooter::SetColumn).Default(0);
  p.Property("CustomTemplate", &TFloatingFooter::CustomTemplate, &TFloatingFooter::SetCustomTemplate);
  p.Property("ShowHint", &TFloatingFooter::ShowHint, &TFloatingFooter::SetShowHint).Default(false);
  p.Property("CalculateHiddenRows", &TFloatingFooter::CalculateHiddenRows, &TFloatingFooter::SetCalculateHiddenRows)
      .Default(false);
  p.Property("FooterStyle", &TFloatingFooter::FooterStyle, &TFloatingFooter::SetFooterStyle).Default(fsFixedLastRow);
  p.Property("Visible", &TFloatingFooter::Visible, &TFloatingFooter::SetVisible).Default(false);
  p.Property("OnCalcFooter", &TFloatingFooter::OnCalcFooter);
}

TFooterPanel::TFooterPanel(TProStringGrid* AGrid) : TCustomPanel(AGrid), grid_(AGrid) {
  SetAlign(alBottom);
  SetHeight(0);
  SetPanelBorderWidth(0);
}

void TFooterPanel::CreateWnd() {
  inherited::CreateWnd();
  const TFloatingFooter* footer = grid_->FloatingFooter();
  SetHeight(footer->Visible() ? footer->Height() : 0);
}

// ---- Geometry ----

Integer TFooterPanel::ColumnAreaWidth() {
  Integer width = 0;
  for (Integer col = 0; col < grid_->FixedCols(); ++col) width += grid_->ColWidths(col);
  for (Integer col = grid_->LeftCol(); col < grid_->ColCount(); ++col) width += grid_->ColWidths(col);
  return width;
}

TRect TFooterPanel::ColumnAreaRect() {
  TRect area = ClientRect();
  const Integer width = ColumnAreaWidth();
  if (grid_->UseRightToLeftAlignment())
    area.Left = std::max(area.Left, area.Right - width);
  else
    area.Right = std::min(area.Right, area.Left + width);
  return area;
}

TRect TFooterPanel::MirrorRect(const TRect& R) {
  if (!grid_->UseRightToLeftAlignment()) return R;
  const Integer width = ClientWidth();
  return TRect{width - R.Right, R.Top, width - R.Left, R.Bottom};
}

Integer TFooterPanel::ColumnAt(Integer X) {
  if (grid_->UseRightToLeftAlignment()) X = ClientWidth() - X;
  Integer sum = 0;
  const auto hit = [&](Integer col) {
    sum += grid_->ColWidths(col);
    return X <= sum;
  };
  if (X <= 0) return -1;
  for (Integer col = 0; col < grid_->FixedCols(); ++col)
    if (hit(col)) return col;
  for (Integer col = std::max(grid_->LeftCol(), grid_->FixedCols()); col < grid_->ColCount(); ++col)
    if (hit(col)) return col;
  return -1;
}

// ---- Painting ----

void TFooterPanel::Paint() {
  SetBiDiMode(grid_->BiDiMode());
  const TFloatingFooter* footer = grid_->FloatingFooter();
  Integer right = Width();
  switch (footer->FooterStyle()) {
    case fsFixedLastRow: right = PaintLastRow(); break;
    case fsColumnPreview: right = PaintColumnPreview(); break;
    case fsCustomPreview: right = PaintCustomPreview(); break;
  }
  if (footer->BorderColor() == clNone) return;
  Canvas()->Pen()->SetColor(footer->BorderColor());
  Canvas()->MoveTo(0, 0);
  Canvas()->LineTo(right, 0);
}

void TFooterPanel::FillAreas(const TRect& Area) {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(grid_->Color());
  canvas->FillRect(ClientRect());
  canvas->Brush()->SetColor(grid_->FloatingFooter()->Color());
  canvas->Pen()->SetColor(grid_->FloatingFooter()->Color());
  canvas->Rectangle(Area);
}

void TFooterPanel::FillFramedArea(const TRect& Area) {
  FillAreas(Area);
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(clGray);
  canvas->MoveTo(Area.Left, Area.Bottom - 1);
  canvas->LineTo(Area.Right - 1, Area.Bottom - 1);
  canvas->LineTo(Area.Right - 1, Area.Top - 1);
  canvas->Pen()->SetColor(clWhite);
  canvas->MoveTo(Area.Left, Area.Bottom - 1);
  canvas->LineTo(Area.Left, Area.Top);
  canvas->LineTo(Area.Right - 1, Area.Top);
}

void TFooterPanel::PaintLastRowBorders() {
  TCanvas* canvas = Canvas();
  const TGridOptions options = grid_->Options();
  const bool soft = grid_->Look() == glSoft && !grid_->Flat();
  const bool rightToLeft = grid_->UseRightToLeftAlignment();
  const Integer height = ClientHeight();
  Integer x = rightToLeft ? ClientWidth() : 0;
  const auto border = [&](Integer col) {
    canvas->Pen()->SetColor(clWhite);
    if (options.Contains(goFixedVertLine) && soft) {
      canvas->MoveTo(x, height);
      canvas->LineTo(x, 0);
    }
    const Integer previous = x;
    x += rightToLeft ? -grid_->ColWidths(col) : grid_->ColWidths(col);
    if (options.Contains(goFixedHorzLine) && soft) {
      canvas->MoveTo(previous, 0);
      canvas->LineTo(x - 1, 0);
    }
    canvas->Pen()->SetColor(clGray);
    if (options.Contains(goFixedVertLine)) {
      canvas->MoveTo(x - 1, 0);
      canvas->LineTo(x - 1, height);
    }
  };
  for (Integer col = 0; col < grid_->FixedCols(); ++col) border(col);
  for (Integer col = grid_->LeftCol(); col < grid_->ColCount(); ++col) border(col);
}

void TFooterPanel::PaintFooterCell(Integer ACol, const TRect& R) {
  const Integer row = grid_->RowCount() - 1;
  if (!grid_->IsBaseCell(ACol, row)) return;
  const TRect rect = MirrorRect(R);
  if (ACol >= grid_->FixedCols() && grid_->OnFooterPaint) {
    grid_->OnFooterPaint(this, ACol, Canvas(), rect);
    return;
  }
  grid_->DrawCellContent(Canvas(), ACol, row, rect, TGridDrawState{gdFixed});
}

Integer TFooterPanel::PaintLastRow() {
  FillAreas(ColumnAreaRect());
  PaintLastRowBorders();
  TCanvas* canvas = Canvas();
  const Integer row = grid_->RowCount() - 1;
  const TRect client = ClientRect();
  Integer left = client.Left;
  Integer right = left;
  const auto cell = [&](Integer col) {
    const TPoint span = grid_->GetCellSpan(col, row);
    right = left + grid_->ColWidths(col) - 1;
    for (Integer more = 1; more <= span.X && col + more < grid_->ColCount(); ++more)
      right += grid_->ColWidths(col + more);
    return TRect{left, client.Top, right, client.Bottom};
  };
  for (Integer col = 0; col < grid_->FixedCols(); ++col) {
    PaintFooterCell(col, cell(col));
    left = left + grid_->ColWidths(col);
  }
  for (Integer col = std::max(grid_->LeftCol(), grid_->FixedCols()); col < grid_->ColCount(); ++col) {
    const TRect r = cell(col);
    const Integer realCol = grid_->RealColIndex(col);
    if (grid_->OnGetCellColor) {
      canvas->Brush()->SetColor(clNone);
      grid_->OnGetCellColor(grid_, row, realCol, TGridDrawState{gdFixed}, canvas->Brush(), canvas->Font());
      if (canvas->Brush()->Color() != clNone) canvas->FillRect(MirrorRect(r));
    }
    const TColor own = grid_->GetCellColor(realCol, row);
    if (own != clNone) {
      canvas->Brush()->SetColor(own);
      canvas->FillRect(MirrorRect(r));
    }
    PaintFooterCell(col, r);
    left = left + grid_->ColWidths(col);
  }
  return right;
}

Integer TFooterPanel::PaintColumnPreview() {
  const TRect area = ColumnAreaRect();
  FillFramedArea(area);
  const TColor selectionText = grid_->SelectionTextColor();
  grid_->SetSelectionTextColor(clBlack);
  const TFloatingFooter* footer = grid_->FloatingFooter();
  if (grid_->OnFooterPaint)
    grid_->OnFooterPaint(this, footer->Column(), Canvas(), area);
  else
    grid_->DrawCellContent(Canvas(), footer->Column(), grid_->Row(), area, TGridDrawState{});
  grid_->SetSelectionTextColor(selectionText);
  return Width();
}

Integer TFooterPanel::PaintCustomPreview() {
  TRect area = ColumnAreaRect();
  FillFramedArea(area);
  const TColor selectionText = grid_->SelectionTextColor();
  grid_->SetSelectionTextColor(clBlack);
  const std::string& text = grid_->FloatingFooter()->CustomTemplate();
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsClear);
  if (grid_->ComponentState().Contains(csDesigning)) {
    DrawTextA(canvas->Handle(), text.c_str(), Integer(text.size()), &area, 0);
  } else {
    TDrawMarkupInput in;
    in.Canvas = canvas;
    in.Text = ExpandTemplate(text);
    in.DrawRect = TRect{area.Left, area.Top + 2, area.Right, area.Bottom + 2};
    in.Images = grid_->GridImages();
    in.URLColor = grid_->URLColor();
    in.WindowHandle = WindowHandle();
    TDrawMarkupOutput out;
    DrawMarkup(in, out);
  }
  grid_->SetSelectionTextColor(selectionText);
  return Width();
}

std::string TFooterPanel::ExpandTemplate(const std::string& Template) {
  std::string out;
  std::string rest = Template;
  for (;;) {
    const size_t open = rest.find("<#");
    if (open == std::string::npos) break;
    const size_t close = rest.find('>', open + 2);
    // A field that never closes: the rest stays as it stands (and the expansion ends).
    if (close == std::string::npos) break;
    out += rest.substr(0, open);
    const std::string name = rest.substr(open + 2, close - open - 2);
    rest.erase(0, close + 1);
    Integer col = 0;
    // A column outside the grid has no text (the cell getter would raise).
    if (TryStrToInt(name, col) && col >= 0 && col < grid_->ColCount()) out += grid_->GetCellText(col, grid_->Row());
  }
  return out + rest;
}

// ---- Hints and clicks ----

void TFooterPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_HINTSHOW) {
    HintShow(Message);
    return;
  }
  inherited::Dispatch(Message);
  if (Message.Msg == CM_MOUSELEAVE) hintColumn_ = -1;
}

void TFooterPanel::HintShow(TMessage& Message) {
  auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
  const Integer col = ColumnAt(info->CursorPos.X);
  if (col >= 0 && grid_->OnGridHint) grid_->OnGridHint(grid_, grid_->RowCount() - 1, col, info->HintStr);
  hintColumn_ = ShowHint() && col >= 0 ? col : -1;
  Message.Result = ShowHint() ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!ShowHint() || hintColumn_ < 0) return;
  const Integer col = ColumnAt(X);
  if (col == hintColumn_) return;
  if (Application != nullptr) Application->CancelHint();
  hintColumn_ = col;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (grid_->OnClick) grid_->OnClick(grid_);
  if (grid_->OnClickCell) grid_->OnClickCell(grid_, grid_->RowCount() - 1, ColumnAt(X));
}

// ---- TFloatingFooter ----

void TFloatingFooter::SetBorderColor(TColor Value) {
  if (Value == borderColor_) return;
  borderColor_ = Value;
  Invalidate();
}

void TFloatingFooter::SetColor(TColor Value) {
  color_ = Value;
  Invalidate();
}

void TFloatingFooter::SetColumn(Integer Value) {
  column_ = Value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value) {
  customTemplate_ = Value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
  showHint_ = Value;
  panel_->SetShowHint(Value);
}

void TFloatingFooter::ReserveLastRow() { grid_->SetLastRowIsFooter(ShowsLastRow()); }

void TFloatingFooter::SetVisible(bool Value) {
  visible_ = Value;
  // Shown first, sized after: a panel whose window is made by showing it takes the footer height
  // there, and Visible gives it Height - 1 whatever the order of first use.
  panel_->SetVisible(Value);
  panel_->SetHeight(Value ? height_ - 1 : 0);
  grid_->SetFixedFooters(ShowsLastRow() ? 1 : 0);
  ReserveLastRow();
  grid_->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  footerStyle_ = Value;
  ReserveLastRow();
  grid_->Invalidate();
  Invalidate();
}

void TFloatingFooter::Invalidate() { panel_->Invalidate(); }

void TFloatingFooter::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFloatingFooter*>(Source);
  if (source == nullptr) return;
  CalculateHiddenRows_ = source->CalculateHiddenRows_;
  color_ = source->color_;
  column_ = source->column_;
  customTemplate_ = source->customTemplate_;
  footerStyle_ = source->footerStyle_;
  SetVisible(source->visible_);
  showHint_ = source->showHint_;
}
