#include "platform/ui/label.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/hotkeys.h"
#include "platform/user/window_dc.h"

PR_IMPLEMENT_CLASS(TCustomLabel)

PR_PUBLISH(TLabel) {
  PublishAlign(p);
  p.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
  PublishAnchors(p);
  PublishAutoSize(p, true);
  PublishBiDiMode(p);
  PublishCaption(p);
  PublishColor(p);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
  PublishFont(p);
  p.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
  PublishParentBiDiMode(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
  PublishShowHint(p);
  p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
  PublishVisible(p);
  p.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishMouseEvents(p);
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(Left(), Top(), 65, 17);
  inherited::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value) SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
  else SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  inherited::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ != nullptr && Enabled() && showAccelChar_ &&
          IsAccel(MessageCharCode(Message), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
      }
      return;
    default: return inherited::Dispatch(Message);
  }
}

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  std::string text = GetLabelText();
  const bool measuring = (Flags & DT_CALCRECT) != 0;
  if (measuring && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) Flags |= DT_NOPREFIX;
  Flags = UINT(DrawTextBiDiModeFlags(Integer(Flags)));
  Canvas()->SetFont(Font());
  HDC dc = Canvas()->Handle();
  if (Enabled() || measuring) {
    DrawTextA(dc, text.data(), int(text.size()), &Rect, Flags);
    return;
  }
  OffsetRect(&Rect, 1, 1);
  Canvas()->Font()->SetColor(clBtnHighlight);
  DrawTextA(Canvas()->Handle(), text.data(), int(text.size()), &Rect, Flags);
  OffsetRect(&Rect, -1, -1);
  Canvas()->Font()->SetColor(clBtnShadow);
  DrawTextA(Canvas()->Handle(), text.data(), int(text.size()), &Rect, Flags);
}

namespace {

UINT AlignmentFlags(TAlignment alignment) {
  static constexpr UINT kFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return kFlags[alignment];
}

}  // namespace

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(ClientRect());
  }
  canvas->Brush()->SetStyle(bsClear);
  TRect rect = ClientRect();
  const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlags(alignment_);
  if (layout_ != tlTop) {
    TRect calc = rect;
    DoDrawText(calc, flags | DT_CALCRECT);
    const Integer offset = layout_ == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
    OffsetRect(&rect, 0, offset);
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !AutoSize()) return;
  TRect rect = ClientRect();
  HDC dc = GetDC(nullptr);
  Canvas()->SetHandle(dc);
  DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
  Canvas()->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  Integer x = Left();
  TAlignment alignment = alignment_;
  if (UseRightToLeftAlignment() && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  if (alignment == taRightJustify) x += Width() - rect.Right;
  SetBounds(x, Top(), rect.Right, rect.Bottom);
}
