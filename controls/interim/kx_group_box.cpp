#include "controls/interim/kx_group_box.h"

#include "platform/gdi/draw_edge.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/control_publishing.h"

namespace {

constexpr Integer kCaptionIndent = 8;   // pixels from the left edge to the caption's gap
constexpr Integer kCaptionGap = 2;      // pixels of the gap on each side of the caption

}  // namespace

PR_PUBLISH(TkxGroupBox) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishCaption(p);
  PublishColor(p);
  PublishConstraints(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TkxGroupBox::TkxGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable});
  SetBounds(Left(), Top(), 185, 105);
}

void TkxGroupBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
    Realign();
    Invalidate();
  }
  inherited::Dispatch(Message);
}

Integer TkxGroupBox::CaptionHeight() {
  Canvas()->SetFont(Font());
  return Canvas()->TextHeight("0");
}

void TkxGroupBox::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Rect.Top += CaptionHeight();
  InflateRect(&Rect, -2, -2);
}

void TkxGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  const Integer height = CaptionHeight();
  TRect frame = ClientRect();
  frame.Top = height / 2;
  DrawEdge(canvas->Handle(), &frame, EDGE_ETCHED, BF_RECT);
  const std::string caption = Caption();
  if (caption.empty()) return;
  const TRect gap{kCaptionIndent, 0, kCaptionIndent + canvas->TextWidth(caption) + 2 * kCaptionGap, height};
  canvas->FillRect(gap);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(gap.Left + kCaptionGap, 0, caption);
}
