#include "platform/ui/panel.h"

#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/frame3d.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TCustomPanel)

PR_PUBLISH(TPanel) {
  PublishAlign(p);
  p.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
  PublishAnchors(p);
  PublishAutoSize(p);
  p.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
  p.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
  p.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
  PublishBiDiMode(p);
  p.Property("BorderWidth", &TCustomPanel::PanelBorderWidth, &TCustomPanel::SetPanelBorderWidth).Default(0);
  p.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
  PublishCaption(p);
  PublishColor(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint).Default(true);
  PublishFont(p);
  p.Property("Locked", &TCustomPanel::Locked, &TCustomPanel::SetLocked).Default(false);
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentCtl3D(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishMouseEvents(p);
  p.Property("OnResize", &TControl::OnResize);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable});
  SetBounds(Left(), Top(), 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  bevelInner_ = Value;
  Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  bevelOuter_ = Value;
  Changed();
}

void TCustomPanel::SetBevelWidth(Integer Value) {
  bevelWidth_ = Value;
  Changed();
}

void TCustomPanel::SetPanelBorderWidth(Integer Value) {
  borderWidth_ = Value;
  Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (borderStyle_ != bsSingle) return;
  if (Ctl3D()) Params.ExStyle |= WS_EX_CLIENTEDGE;
  else Params.Style |= WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Integer bevel = borderWidth_;
  if (bevelOuter_ != bvNone) bevel += bevelWidth_;
  if (bevelInner_ != bvNone) bevel += bevelWidth_;
  InflateRect(&Rect, -bevel, -bevel);
}

void TCustomPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED) return Invalidate();
  if (Message.Msg == CM_CTL3DCHANGED && borderStyle_ == bsSingle) RecreateWndIfAllocated();
  inherited::Dispatch(Message);
}

namespace {

void BevelColors(TPanelBevel bevel, TColor& top, TColor& bottom) {
  top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
  bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

}  // namespace

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  TColor top = 0, bottom = 0;
  if (bevelOuter_ != bvNone) {
    BevelColors(bevelOuter_, top, bottom);
    Frame3D(canvas, rect, top, bottom, bevelWidth_);
  }
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  if (bevelInner_ != bvNone) {
    BevelColors(bevelInner_, top, bottom);
    Frame3D(canvas, rect, top, bottom, bevelWidth_);
  }
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rect);
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(Font());
  const Integer fontHeight = canvas->TextHeight("W");
  rect.Top = (rect.Bottom + rect.Top - fontHeight) / 2;
  rect.Bottom = rect.Top + fontHeight;
  static constexpr UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT flags = UINT(DrawTextBiDiModeFlags(Integer(DT_EXPANDTABS | DT_VCENTER | kAlignments[alignment_])));
  const std::string caption = Caption();
  DrawTextA(canvas->Handle(), caption.c_str(), -1, &rect, flags);
}
