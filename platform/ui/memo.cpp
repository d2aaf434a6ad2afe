#include "platform/ui/memo.h"

#include "platform/ui/control_publishing.h"
#include "platform/ui/memo_strings.h"
#include "platform/user/send_message.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

PR_IMPLEMENT_CLASS(TCustomMemo)

PR_PUBLISH(TMemo) {
  PublishAlign(p);
  p.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
  PublishColor(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishDragging(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
  p.Property("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
  p.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentCtl3D(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  p.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
  p.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
  p.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
  p.Property("OnChange", &TCustomEdit::OnChange);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
  if (wordWrap_) Params.Style &= ~DWORD(ES_AUTOHSCROLL);
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (alignment_ == taRightJustify) Params.Style |= ES_RIGHT;
  if (alignment_ == taCenter) Params.Style |= ES_CENTER;
}

void TCustomMemo::SetLines(TStrings* Value) { lines_->Assign(Value); }

TPoint TCustomMemo::CaretPos() {
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, 0, LPARAM(&end));
  const auto line = Integer(SendMessageA(Handle(), EM_LINEFROMCHAR, WPARAM(end), 0));
  const auto start = Integer(SendMessageA(Handle(), EM_LINEINDEX, WPARAM(line), 0));
  return TPoint{Integer(end) - start, line};
}

void TCustomMemo::SetCaretPos(TPoint Value) {
  const auto at = SendMessageA(Handle(), EM_LINEINDEX, WPARAM(Value.Y), 0) + Value.X;
  SendMessageA(Handle(), EM_SETSEL, WPARAM(at), LPARAM(at));
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWndIfAllocated();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  RecreateWndIfAllocated();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RecreateWndIfAllocated();
}

void TCustomMemo::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key == '\r' && !wantReturns_) Key = '\0';
}

void TCustomMemo::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) return WMGetDlgCode(Message);
  inherited::Dispatch(Message);
}

void TCustomMemo::WMGetDlgCode(TMessage& Message) {
  inherited::Dispatch(Message);
  if (wantTabs_) Message.Result |= DLGC_WANTTAB;
  else Message.Result &= ~DLGC_WANTTAB;
  if (!wantReturns_) Message.Result &= ~DLGC_WANTALLKEYS;
}
