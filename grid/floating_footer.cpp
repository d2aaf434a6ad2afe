// TFloatingFooter and TFooterPanel; see floating_footer.h.
#include "grid/floating_footer.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TFooterPanel) {}

PR_PUBLISH(TFloatingFooter) {
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
  footerStyle_ = source->footerStyle_;
  SetVisible(source->visible_);
}
