#include "platform/ui/mask_edit.h"

#include <algorithm>

#include "platform/ui/edit_publishing.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/focus.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_window.h"

PR_IMPLEMENT_CLASS(TCustomMaskEdit)

PR_PUBLISH(TMaskEdit) {
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
  p.Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
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
  p.Property("Text", &TCustomMaskEdit::Text, &TCustomMaskEdit::SetText);
  PublishVisible(p);
  p.Property("OnChange", &TCustomEdit::OnChange);
  PublishClickEvents(p);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
}

namespace {

constexpr const char* kInvalidInput = "Invalid input value.  Use escape key to abandon changes";

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

// --- mask and text -------------------------------------------------------------------------------

// A new mask keeps the value: the text is read with the old mask and fitted into the new one.
void TCustomMaskEdit::SetEditMask(const std::string& Value) {
  if (Value == editMask_) return;
  const std::string value = Text();
  editMask_ = Value;
  mask_ = edit::ParsedMask(Value);
  SetMaxLength(MaxLength());
  SetText(value);
}

Integer TCustomMaskEdit::WindowMaxLength() { return IsMasked() ? mask_.Width() : MaxLength(); }

std::string TCustomMaskEdit::Text() const { return IsMasked() ? mask_.ValueOf(GetText()) : GetText(); }

void TCustomMaskEdit::SetText(const std::string& Value) {
  if (!IsMasked()) return TCustomEdit::SetText(Value);
  SetEditText(mask_.Fit(Value, mask_.SaveLiterals(), mask_.Blank()));
}

void TCustomMaskEdit::SetEditText(const std::string& Value) {
  TCustomEdit::SetText(IsMasked() ? mask_.Fit(Value, true, mask_.Blank()) : Value);
  CheckCursor();
}

// --- validation ----------------------------------------------------------------------------------

bool TCustomMaskEdit::EditIsValid() { return !IsMasked() || !Modified() || mask_.FirstInvalid(EditText()) < 0; }

void TCustomMaskEdit::ValidateEdit() {
  if (EditIsValid()) return;
  const int wrong = mask_.FirstInvalid(EditText());
  if (!ComponentState().Contains(csDesigning)) {
    reEnter_ = true;
    SetFocus();
  }
  SetCursor(wrong);
  ValidateError();
}

void TCustomMaskEdit::ValidateError() {
  MessageBeep(0);
  throw EDBEditError(kInvalidInput);
}

void TCustomMaskEdit::Reset() {
  if (!Modified()) return;
  SetEditText(oldValue_);
  SetModified(false);
}

// --- caret ---------------------------------------------------------------------------------------

TCustomMaskEdit::Selection TCustomMaskEdit::GetSelection() {
  DWORD start = 0, end = 0;
  SendMessageA(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return {int(start), int(end)};
}

void TCustomMaskEdit::SetCursor(Integer Pos) {
  if (!HandleAllocated() || !IsMasked()) return;
  const int pos = std::clamp(Pos, 0, mask_.Width());
  if (pos == mask_.Width()) SendMessageA(Handle(), EM_SETSEL, WPARAM(pos), LPARAM(pos));
  else SendMessageA(Handle(), EM_SETSEL, WPARAM(pos + 1), LPARAM(pos));
  cursor_ = pos;
}

void TCustomMaskEdit::CheckCursor() {
  if (!HandleAllocated() || !IsMasked() || GetFocus() != Handle()) return;
  const Selection sel = GetSelection();
  if (sel.start == sel.end) SetCursor(mask_.NextEditable(sel.start));
}

bool TCustomMaskEdit::CanModify() {
  if (!ReadOnly() && EditCanModify()) return true;
  MessageBeep(0);
  return false;
}

// --- editing -------------------------------------------------------------------------------------

void TCustomMaskEdit::Apply(const std::string& Masked) {
  const std::string text = EditText();
  std::size_t from = 0;
  while (from < text.size() && from < Masked.size() && text[from] == Masked[from]) ++from;
  if (from == text.size() && from == Masked.size()) return;
  std::size_t tail = 0;
  while (tail < text.size() - from && tail < Masked.size() - from &&
         text[text.size() - 1 - tail] == Masked[Masked.size() - 1 - tail]) {
    ++tail;
  }
  const std::string replacement = Masked.substr(from, Masked.size() - tail - from);
  SendMessageA(Handle(), EM_SETSEL, WPARAM(from), LPARAM(text.size() - tail));
  SendMessageA(Handle(), EM_REPLACESEL, TRUE, LPARAM(replacement.c_str()));
}

void TCustomMaskEdit::BlankSelection() {
  const Selection sel = GetSelection();
  Apply(mask_.Blanked(EditText(), sel.start, sel.end));
  SetCursor(mask_.NextEditable(sel.start));
}

void TCustomMaskEdit::DeleteKey(Word Key) {
  if (!CanModify()) return;
  const Selection sel = GetSelection();
  if (sel.end - sel.start > 1) return BlankSelection();
  const int pos = Key == VK_BACK ? mask_.PrevEditable(sel.start) : sel.start;
  if (pos < 0 || pos >= mask_.Width()) return;
  Apply(mask_.Blanked(EditText(), pos, pos + 1));
  SetCursor(pos);
}

void TCustomMaskEdit::CharKey(char Key) {
  if (!CanModify()) return;
  const Selection sel = GetSelection();
  std::string text = EditText();
  if (sel.end - sel.start > 1) text = mask_.Blanked(text, sel.start, sel.end);
  const int next = mask_.Type(text, sel.start, Key);
  if (next < 0) return void(MessageBeep(0));
  Apply(text);
  SetCursor(mask_.NextEditable(next));
}

// --- keys ----------------------------------------------------------------------------------------

void TCustomMaskEdit::ArrowKey(Word Key, TShiftState Shift) {
  const Selection sel = GetSelection();
  if (Shift.Contains(ssShift)) {
    // The window extends the selection from its caret: the overwrite caret becomes a plain one.
    const bool block = sel.start == cursor_ && sel.end == cursor_ + 1;
    if (block) SendMessageA(Handle(), EM_SETSEL, WPARAM(sel.start), LPARAM(sel.start));
    cursor_ = -1;
    return;
  }
  if (Key == VK_LEFT) {
    if (sel.end - sel.start > 1) return SetCursor(mask_.NextEditable(sel.start));
    const int previous = mask_.PrevEditable(sel.start);
    return SetCursor(previous >= 0 ? previous : sel.start);
  }
  if (sel.end - sel.start > 1) return SetCursor(mask_.NextEditable(sel.end));
  SetCursor(sel.start >= mask_.Width() ? sel.start : mask_.NextEditable(sel.start + 1));
}

void TCustomMaskEdit::HomeEndKey(Word Key, TShiftState Shift) {
  const Selection sel = GetSelection();
  if (Shift.Contains(ssShift)) {
    if (Key == VK_HOME) SendMessageA(Handle(), EM_SETSEL, WPARAM(sel.end), 0);
    else SendMessageA(Handle(), EM_SETSEL, WPARAM(sel.start), LPARAM(mask_.Width()));
    return;
  }
  SetCursor(Key == VK_HOME ? mask_.NextEditable(0) : mask_.Width());
}

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (!IsMasked() || Key == 0 || Shift.Contains(ssAlt)) return;
  switch (Key) {
    case VK_ESCAPE:
      if (Modified()) {
        Reset();
        Key = 0;
      }
      return;
    case VK_LEFT:
    case VK_RIGHT:
      ArrowKey(Key, Shift);
      if (!Shift.Contains(ssShift)) Key = 0;
      return;
    case VK_UP:
    case VK_DOWN: Key = 0; return;
    case VK_HOME:
    case VK_END:
      HomeEndKey(Key, Shift);
      Key = 0;
      return;
    case VK_DELETE:
      if (Shift.Contains(ssShift)) return;   // cut, through WM_CUT
      DeleteKey(Key);
      Key = 0;
      return;
    case VK_BACK:
      DeleteKey(Key);
      Key = 0;
      return;
  }
}

void TCustomMaskEdit::KeyUp(Word& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  if (IsMasked() && Key != 0) CheckCursor();
}

// The clipboard and undo characters reach the window, which sends itself the messages handled
// below; every other character is the mask's business (Backspace was taken at its key-down).
void TCustomMaskEdit::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (!IsMasked() || Key == 0) return;
  switch (Key) {
    case 0x01:   // Ctrl+A
    case 0x03:   // Ctrl+C
    case 0x16:   // Ctrl+V
    case 0x18:   // Ctrl+X
    case 0x1A:   // Ctrl+Z
      return;
  }
  if (static_cast<unsigned char>(Key) >= 0x20) CharKey(Key);
  Key = 0;
}

// --- messages ------------------------------------------------------------------------------------

void TCustomMaskEdit::Dispatch(TMessage& Message) {
  if (!IsMasked()) return inherited::Dispatch(Message);
  switch (Message.Msg) {
    case CM_ENTER: return CMEnter(Message);
    case CM_EXIT: return CMExit(Message);
    case WM_PASTE: return WMPaste(Message);
    case WM_CUT: return WMCut(Message);
    case WM_CLEAR: return WMClear(Message);
    case WM_LBUTTONDOWN:
      cursor_ = -1;
      return inherited::Dispatch(Message);
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    default: return inherited::Dispatch(Message);
  }
}

// Coming back after a failed validation keeps the text to go back to and runs no OnEnter.
void TCustomMaskEdit::CMEnter(TMessage& Message) {
  if (!reEnter_) {
    oldValue_ = EditText();
    inherited::Dispatch(Message);
  }
  reEnter_ = false;
  CheckCursor();
}

void TCustomMaskEdit::CMExit(TMessage& Message) {
  try {
    ValidateEdit();
  } catch (...) {
    SetFocus();
    throw;
  }
  inherited::Dispatch(Message);
}

// Types the clipboard's first line from the start of the selection (which is blanked first);
// characters past the last position are dropped, one that cannot be typed refuses the whole paste.
void TCustomMaskEdit::WMPaste(TMessage&) {
  if (!CanModify()) return;
  const std::string clip = ClipboardText(Handle());
  const std::string_view line = std::string_view(clip).substr(0, clip.find_first_of("\r\n"));
  if (line.empty()) return;
  const Selection sel = GetSelection();
  std::string text = mask_.Blanked(EditText(), sel.start, sel.end);
  int pos = sel.start;
  for (std::size_t i = 0; i < line.size() && pos < mask_.Width(); ++i) {
    pos = mask_.Type(text, pos, line[i]);
    if (pos < 0) return void(MessageBeep(0));
  }
  Apply(text);
  SetCursor(mask_.NextEditable(pos));
}

void TCustomMaskEdit::WMCut(TMessage&) {
  const Selection sel = GetSelection();
  if (sel.start == sel.end) return;
  Perform(WM_COPY, 0, 0);
  if (CanModify()) BlankSelection();
}

void TCustomMaskEdit::WMClear(TMessage&) {
  const Selection sel = GetSelection();
  if (sel.start != sel.end && CanModify()) BlankSelection();
}

void TCustomMaskEdit::WMLButtonUp(TMessage& Message) {
  inherited::Dispatch(Message);
  CheckCursor();
}
