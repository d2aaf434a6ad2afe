#include "platform/ui/edit.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/ui/edit_publishing.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

PR_IMPLEMENT_CLASS(TCustomEdit)

PR_PUBLISH(TEdit) {
  PublishAnchors(p);
  PublishAutoSelect(p);
  PublishAutoSize(p, true);
  PublishBiDiMode(p);
  PublishEditBorderStyle(p);
  PublishCharCase(p);
  PublishColor(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishDragging(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishHideSelection(p);
  PublishMaxLength(p);
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentCtl3D(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPasswordChar(p);
  PublishPopupMenu(p);
  PublishReadOnly(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  p.Property("Text", &TControl::Text, &TControl::SetText);
  PublishVisible(p);
  p.Property("OnChange", &TCustomEdit::OnChange);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
  SetBounds(Left(), Top(), 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetAutoSize(true);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  RegisterEditClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D()) Params.ExStyle |= WS_EX_CLIENTEDGE;
    else Params.Style |= WS_BORDER;
  }
  if (passwordChar_ != 0) Params.Style |= ES_PASSWORD;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (charCase_ == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
  creating_ = true;
  inherited::CreateWnd();
  creating_ = false;
  SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(WindowMaxLength()), 0);
  if (passwordChar_ != 0) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
  SendMessageA(Handle(), EM_SETMODIFY, modified_, 0);
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  modified_ = Modified();
  inherited::DestroyWnd();
}

bool TCustomEdit::IsMultiLineWindow() {
  return HandleAllocated() && (DWORD(GetWindowLongPtrA(Handle(), GWL_STYLE)) & ES_MULTILINE) != 0;
}

void TCustomEdit::AdjustHeight() {
  if (!AutoSize() || !HandleAllocated() || IsMultiLineWindow()) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const Integer extra = borderStyle_ == bsNone ? 0 : Ctl3D() ? 8 : 6;
  SetBounds(Left(), Top(), Width(), tm.tmHeight + extra);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  RecreateWndIfAllocated();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (hideSelection_ == Value) return;
  hideSelection_ = Value;
  RecreateWndIfAllocated();
}

void TCustomEdit::SetMaxLength(Integer Value) {
  maxLength_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(WindowMaxLength()), 0);
}

void TCustomEdit::SetPasswordChar(char Value) {
  if (passwordChar_ == Value) return;
  passwordChar_ = Value;
  RecreateWndIfAllocated();
}

void TCustomEdit::SetReadOnly(bool Value) {
  readOnly_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, Value, 0);
}

bool TCustomEdit::Modified() {
  return HandleAllocated() ? SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool Value) {
  modified_ = Value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, Value, 0);
}

Integer TCustomEdit::SelStart() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return Integer(start);
}

void TCustomEdit::SetSelStart(Integer Value) { SendMessageA(Handle(), EM_SETSEL, WPARAM(Value), LPARAM(Value)); }

Integer TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return Integer(end - start);
}

void TCustomEdit::SetSelLength(Integer Value) {
  const Integer start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, WPARAM(start), LPARAM(start + Value));
}

std::string TCustomEdit::SelText() {
  const std::string text = Text();
  const Integer start = SelStart();
  return text.substr(std::size_t(start), std::size_t(SelLength()));
}

void TCustomEdit::SetSelText(const std::string& Value) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, LPARAM(Value.c_str()));
}

bool TCustomEdit::CanUndo() { return HandleAllocated() && SendMessageA(Handle(), EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::Undo() { SendMessageA(Handle(), WM_UNDO, 0, 0); }
void TCustomEdit::ClearUndo() { SendMessageA(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }
void TCustomEdit::Clear() { SetText(""); }
void TCustomEdit::ClearSelection() { SendMessageA(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::Change() { OnChange(this); }

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    case CM_ENTER: return CMEnter(Message);
    case CM_TEXTCHANGED: return CMTextChanged(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case WM_SETFONT: return WMSetFont(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomEdit::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == EN_CHANGE && !creating_) Change();
}

void TCustomEdit::CMEnter(TMessage& Message) {
  if (autoSelect_ && !ControlState().Contains(csLButtonDown) && !IsMultiLineWindow()) SelectAll();
  inherited::Dispatch(Message);
}

void TCustomEdit::CMTextChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!HandleAllocated() || IsMultiLineWindow()) Change();
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  AdjustHeight();
}

// A new font resets the margins to none, as the class library does for single-line edits.
void TCustomEdit::WMSetFont(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!IsMultiLineWindow()) SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}
