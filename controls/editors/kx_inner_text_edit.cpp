#include "controls/editors/kx_inner_text_edit.h"

#include "controls/editors/kx_custom_edit.h"
#include "controls/foundation/kx_scoped_value.h"
#include "platform/classes/publisher.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/control_types.h"
#include "platform/user/caret.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

PR_IMPLEMENT_CLASS(TkxCustomInnerTextEditHelper)
PR_IMPLEMENT_CLASS(TkxCustomInnerTextEdit)

namespace {

// The x coordinate EM_POSFROMCHAR reports for a character (its low 16 bits, signed).
SmallInt CharX(HWND Window, Integer Index) {
  return static_cast<SmallInt>(LOWORD(static_cast<DWORD>(SendMessageA(Window, EM_POSFROMCHAR, WPARAM(Index), 0))));
}

}  // namespace

// --- State routines ---

void SaveInnerEditState(IkxInnerTextEdit* Edit, bool ASaveText, TkxCustomInnerTextEditPrevState& State) {
  State.TextSaved = ASaveText;
  if (ASaveText) State.PrevText = VarToStr(Edit->GetEditValue());
  State.PrevSelStart = Edit->GetSelStart();
  State.PrevSelLength = Edit->GetSelLength();
}

bool HasInnerEditStateChanged(IkxInnerTextEdit* Edit, const TkxCustomInnerTextEditPrevState& State) {
  if (!Edit->GetInnerControlOwnControl()->HandleAllocated()) return true;
  if (Edit->GetSelStart() != State.PrevSelStart || Edit->GetSelLength() != State.PrevSelLength) return true;
  if (!State.TextSaved) return false;
  return !SameText(VarToStr(Edit->GetEditValue()), State.PrevText);
}

// --- TkxCustomInnerTextEditHelper ---

TkxCustomInnerTextEditHelper::TkxCustomInnerTextEditHelper(TkxCustomInnerTextEdit* AEdit)
    : TkxInterfacedPersistent(nullptr), edit_(AEdit) {}

TWinControl* TkxCustomInnerTextEditHelper::GetInnerControlOwnControl() { return edit_; }

TkxContainer* TkxCustomInnerTextEditHelper::GetInnerControlContainer() { return edit_->GetInnerControlContainer(); }

LRESULT TkxCustomInnerTextEditHelper::CallDefWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProcA(edit_->DefWndProc(), edit_->WindowHandle(), Msg, WParam, LParam);
}

Variant TkxCustomInnerTextEditHelper::GetEditValue() { return Variant(edit_->Text()); }

TNotifyEvent TkxCustomInnerTextEditHelper::GetOnChange() { return edit_->OnChange; }

bool TkxCustomInnerTextEditHelper::GetReadOnly() { return edit_->ReadOnly(); }

void TkxCustomInnerTextEditHelper::LockBounds(bool ALock) {
  if (ALock) ++edit_->lockBoundsCount_;
  else if (edit_->lockBoundsCount_ > 0) --edit_->lockBoundsCount_;
}

void TkxCustomInnerTextEditHelper::SafelySetFocus() {
  const bool autoSelect = edit_->AutoSelect();
  edit_->SetAutoSelect(false);
  try {
    edit_->SetFocus();
  } catch (...) {
    edit_->SetAutoSelect(autoSelect);
    throw;
  }
  edit_->SetAutoSelect(autoSelect);
}

void TkxCustomInnerTextEditHelper::SetEditValue(const Variant& Value) {
  const std::string text = VarToStr(Value);
  const bool differs = edit_->Text() != text;
  edit_->SetText(text);
  if (differs && edit_->ComponentState().Contains(csDesigning)) edit_->Change();
}

void TkxCustomInnerTextEditHelper::SetParent(TWinControl* AParent) { edit_->SetParent(AParent); }

void TkxCustomInnerTextEditHelper::SetOnChange(const TNotifyEvent& Value) { edit_->OnChange = Value; }

void TkxCustomInnerTextEditHelper::SetReadOnly(bool Value) { edit_->SetReadOnly(Value); }

void TkxCustomInnerTextEditHelper::ClearSelection() { edit_->ClearSelection(); }

void TkxCustomInnerTextEditHelper::CopyToClipboard() { edit_->CopyToClipboard(); }

TAlignment TkxCustomInnerTextEditHelper::GetAlignment() { return edit_->alignment_; }

bool TkxCustomInnerTextEditHelper::GetAutoSelect() { return edit_->AutoSelect(); }

TEditCharCase TkxCustomInnerTextEditHelper::GetCharCase() { return edit_->CharCase(); }

TkxEditEchoMode TkxCustomInnerTextEditHelper::GetEchoMode() { return edit_->echoMode_; }

bool TkxCustomInnerTextEditHelper::GetHideSelection() { return edit_->HideSelection(); }

char TkxCustomInnerTextEditHelper::GetImeLastChar() { return edit_->imeCharCount_ == 2 ? edit_->imeLastChar_ : '\0'; }

bool TkxCustomInnerTextEditHelper::GetKeyConsumed() { return edit_->keyConsumed_; }

Integer TkxCustomInnerTextEditHelper::GetMaxLength() { return edit_->MaxLength(); }

TNotifyEvent TkxCustomInnerTextEditHelper::GetOnSelChange() { return edit_->OnSelChange; }

char TkxCustomInnerTextEditHelper::GetPasswordChar() { return edit_->passwordChar_; }

Integer TkxCustomInnerTextEditHelper::GetSelLength() {
  return edit_->imeCharCount_ > 0 ? savedSelLength_ : edit_->SelLength();
}

Integer TkxCustomInnerTextEditHelper::GetSelStart() { return edit_->imeCharCount_ > 0 ? savedSelStart_ : edit_->SelStart(); }

std::string TkxCustomInnerTextEditHelper::GetSelText() { return edit_->SelText(); }

void TkxCustomInnerTextEditHelper::SelectAll() {
  if (edit_->HandleAllocated()) edit_->SelectAll();
}

void TkxCustomInnerTextEditHelper::SetAlignment(TAlignment Value) {
  TkxCustomEdit* container = edit_->GetContainer();
  if (container != nullptr && container->GetActiveProperties()->UseLeftAlignmentOnEditing()) Value = taLeftJustify;
  if (edit_->alignment_ == Value) return;
  edit_->alignment_ = Value;
  edit_->RecreateWnd();
}

void TkxCustomInnerTextEditHelper::SetAutoSelect(bool Value) { edit_->SetAutoSelect(Value); }

void TkxCustomInnerTextEditHelper::SetCharCase(TEditCharCase Value) { edit_->SetCharCase(Value); }

void TkxCustomInnerTextEditHelper::SetEchoMode(TkxEditEchoMode Value) {
  if (edit_->echoMode_ == Value) return;
  edit_->echoMode_ = Value;
  edit_->UpdateEchoMode();
}

void TkxCustomInnerTextEditHelper::SetHideSelection(bool Value) { edit_->SetHideSelection(Value); }

void TkxCustomInnerTextEditHelper::SetKeyConsumed(bool Value) { edit_->keyConsumed_ = Value; }

void TkxCustomInnerTextEditHelper::SetMaxLength(Integer Value) { edit_->SetMaxLength(Value); }

void TkxCustomInnerTextEditHelper::SetOnSelChange(TNotifyEvent Value) { edit_->OnSelChange = std::move(Value); }

void TkxCustomInnerTextEditHelper::SetPasswordChar(char Value) {
  if (edit_->passwordChar_ == Value) return;
  edit_->passwordChar_ = Value;
  if (edit_->echoMode_ == eemPassword) edit_->UpdateEchoMode();
}

void TkxCustomInnerTextEditHelper::SetSelLength(Integer Value) {
  if (!edit_->HandleAllocated()) return;
  if (edit_->imeCharCount_ > 0) savedSelLength_ = Value;
  else edit_->SetSelLength(Value);
}

void TkxCustomInnerTextEditHelper::SetSelStart(Integer Value) {
  if (!edit_->HandleAllocated()) return;
  if (edit_->imeCharCount_ > 0) savedSelStart_ = Value;
  else edit_->SetSelStart(Value);
}

void TkxCustomInnerTextEditHelper::SetSelText(const std::string& Value) { edit_->SetSelText(Value); }

void TkxCustomInnerTextEditHelper::SaveSelection() {
  savedSelStart_ = edit_->SelStart();
  savedSelLength_ = edit_->SelLength();
}

// --- TkxCustomInnerTextEdit ---

TkxCustomInnerTextEdit::TkxCustomInnerTextEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), helper_(std::make_unique<TkxCustomInnerTextEditHelper>(this)) {
  TControlStyle style = ControlStyle();
  style.Include(csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(true);
  SetParentFont(false);
  UpdateEchoMode();
  creating_ = false;
}

TkxCustomInnerTextEdit::~TkxCustomInnerTextEdit() = default;

TkxContainer* TkxCustomInnerTextEdit::GetInnerControlContainer() { return GetContainer(); }

TkxCustomEdit* TkxCustomInnerTextEdit::GetContainer() const { return dynamic_cast<TkxCustomEdit*>(Owner()); }

Integer TkxCustomInnerTextEdit::GetCaretCharIndex() {
  const Integer length = Integer(Text().size());
  // The caret of an empty text can only be at 0; there is no character to probe.
  if (length == 0 || !HandleAllocated()) return 0;
  TPoint caret{};
  GetCaretPos(&caret);
  const HWND window = WindowHandle();
  Integer low = 0, high = length - 1;
  do {
    const Integer middle = (low + high) / 2;
    if (CharX(window, middle) < caret.X) low = middle;
    else high = middle;
  } while (high - low >= 2);
  if (CharX(window, low) == caret.X) return low;
  return CharX(window, high) == caret.X ? high : high + 1;
}

bool TkxCustomInnerTextEdit::CanFocus() {
  TkxCustomEdit* container = GetContainer();
  return container != nullptr ? container->CanFocus() : TCustomEdit::CanFocus();
}

void TkxCustomInnerTextEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (creating_ || lockBoundsCount_ > 0) return;
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TkxCustomInnerTextEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style &= ~(ES_CENTER | ES_RIGHT | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  if (alignment_ == taRightJustify) Params.Style |= ES_RIGHT;
  else if (alignment_ == taCenter) Params.Style |= ES_CENTER;
  Params.Style |= ES_AUTOHSCROLL;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TkxCustomInnerTextEdit::CreateWnd() {
  if (TkxContainer* container = GetContainer()) container->ResetInnerControlBounds();
  TCustomEdit::CreateWnd();
  UpdateMargins();
}

void TkxCustomInnerTextEdit::UpdateMargins() {
  if (HandleAllocated()) SendMessageA(WindowHandle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 1));
}

void TkxCustomInnerTextEdit::UpdateEchoMode() {
  if (echoMode_ == eemNormal) return SetPasswordChar('\0');
  SetPasswordChar(passwordChar_ == '\0' ? '*' : passwordChar_);
}

void TkxCustomInnerTextEdit::WndProc(TMessage& Message) {
  TkxCustomEdit* container = GetContainer();
  if (container != nullptr && container->HandleInnerControlKeyMessage(Message)) return;
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && container != nullptr &&
      container->DragMode() == dmAutomatic && !container->ComponentState().Contains(csDesigning)) {
    container->BeginDrag(false);
    return;
  }
  TCustomEdit::WndProc(Message);
}

void TkxCustomInnerTextEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN: return WMKeyDown(Message);
    case WM_CHAR: return WMChar(Message);
    case WM_IME_CHAR: return WMImeChar(Message);
    case WM_IME_COMPOSITION: {
      TkxCustomEdit* container = GetContainer();
      if (container == nullptr || container->RequestEditing()) DefaultHandler(Message);
      return;
    }
    case WM_GETDLGCODE: return WMGetDlgCode(Message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return WMFocus(Message);
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: return EditingMessage(Message);
    case EM_SETSEL:
      DefaultHandler(Message);
      if (OnSelChange) OnSelChange(this);
      return;
    case WM_SIZE:
      TCustomEdit::Dispatch(Message);
      return UpdateMargins();
    default: TCustomEdit::Dispatch(Message);
  }
}

void TkxCustomInnerTextEdit::DefaultHandler(TMessage& Message) {
  TkxCustomEdit* container = GetContainer();
  if (container != nullptr && container->HandleInnerControlMessage(Message)) return;
  TCustomEdit::DefaultHandler(Message);
}

void TkxCustomInnerTextEdit::WMKeyDown(TMessage& Message) {
  TkxCustomEdit* container = GetContainer();
  TkxCustomInnerTextEditPrevState state;
  SaveInnerEditState(helper_.get(), true, state);
  keyConsumed_ = false;
  TCustomEdit::Dispatch(Message);
  Word key = Word(Message.WParam);
  if (container != nullptr && !keyConsumed_ && key != 0 && !HasInnerEditStateChanged(helper_.get(), state)) {
    container->RunAfterKeyDownHandler(key, KeyDataToShiftState(Integer(Message.LParam)));
    Message.WParam = key;
  }
}

void TkxCustomInnerTextEdit::WMChar(TMessage& Message) {
  TkxCustomInnerTextEditPrevState state;
  SaveInnerEditState(helper_.get(), true, state);
  keyConsumed_ = false;
  TCustomEdit::Dispatch(Message);
  if (imeCharCount_ > 0 && --imeCharCount_ == 0) imeLastChar_ = '\0';
}

void TkxCustomInnerTextEdit::WMImeChar(TMessage& Message) {
  const Byte lead = Byte(Message.WParam >> 8);
  imeCharCount_ = lead != 0 ? 2 : 1;
  imeLastChar_ = lead != 0 ? char(Byte(Message.WParam)) : '\0';
  helper_->SaveSelection();
  DefaultHandler(Message);
}

void TkxCustomInnerTextEdit::WMGetDlgCode(TMessage& Message) {
  TCustomEdit::Dispatch(Message);
  Message.Result |= DLGC_WANTCHARS;
  TkxCustomEdit* container = GetContainer();
  if (container == nullptr) return;
  if (!container->TabKeyMovesFocus() && GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTTAB;
  if (container->IsInPlaceMode()) Message.Result |= DLGC_WANTALLKEYS;
}

void TkxCustomInnerTextEdit::WMFocus(TMessage& Message) {
  TCustomEdit::Dispatch(Message);
  TkxCustomEdit* container = GetContainer();
  if (container == nullptr || ComponentState().Contains(csDestroying)) return;
  if (Message.Msg == WM_SETFOCUS && container->HandleAllocated() &&
      reinterpret_cast<HWND>(Message.WParam) == container->WindowHandle())
    return;
  container->DoFocusChanged();
}

void TkxCustomInnerTextEdit::EditingMessage(TMessage& Message) {
  TkxCustomEdit* container = GetContainer();
  if (container == nullptr) return DefaultHandler(Message);
  if (Message.Msg == WM_UNDO) {
    DefaultHandler(Message);
    return container->AfterUndo();
  }
  if (Message.Msg != WM_CUT && ReadOnly()) return;
  const TkxScopedValue<bool> user(container->userAction_, true);
  switch (Message.Msg) {
    case WM_CUT:
      if (ReadOnly()) container->CopyToClipboard();
      else container->CutToClipboard();
      return;
    case WM_PASTE: return container->PasteFromClipboard();
    default: return container->ClearSelection();
  }
}

void TkxCustomInnerTextEdit::Click() {
  TCustomEdit::Click();
  if (TkxCustomEdit* container = GetContainer()) container->Click();
}

void TkxCustomInnerTextEdit::DblClick() {
  TCustomEdit::DblClick();
  if (TkxCustomEdit* container = GetContainer()) container->DblClick();
}

void TkxCustomInnerTextEdit::KeyDown(Word& Key, TShiftState Shift) {
  keyConsumed_ = false;
  TkxCustomEdit* container = GetContainer();
  if (container != nullptr) {
    try {
      container->KeyDown(Key, Shift);
    } catch (...) {
      keyConsumed_ = true;
      throw;
    }
    if (Key == 0) keyConsumed_ = true;
  }
  if (Key != 0) TCustomEdit::KeyDown(Key, Shift);
}

void TkxCustomInnerTextEdit::KeyPress(char& Key) {
  keyConsumed_ = false;
  if (Key == '\t') Key = '\0';
  TkxCustomEdit* container = GetContainer();
  if (Key != '\0' && container != nullptr) {
    try {
      container->KeyPress(Key);
    } catch (...) {
      keyConsumed_ = true;
      throw;
    }
    if (Key == '\0') keyConsumed_ = true;
  }
  if ((Key == '\r' || Key == '\x1b') && container != nullptr && container->IsInPlaceMode()) Key = '\0';
  if (Key != '\0') TCustomEdit::KeyPress(Key);
}

void TkxCustomInnerTextEdit::KeyUp(Word& Key, TShiftState Shift) {
  keyConsumed_ = false;
  if (Key == VK_TAB) Key = 0;
  TkxCustomEdit* container = GetContainer();
  if (Key != 0 && container != nullptr) {
    try {
      container->KeyUp(Key, Shift);
    } catch (...) {
      keyConsumed_ = true;
      throw;
    }
    if (Key == 0) keyConsumed_ = true;
  }
  if (Key != 0) TCustomEdit::KeyUp(Key, Shift);
}
