// EditControl: keyboard, mouse and clipboard.
#include <algorithm>

#include "platform/user/capture.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/focus.h"
#include "platform/user/key_state.h"
#include "platform/user/message_beep.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_control.h"
#include "platform/window_classes/edit_units.h"
#include "platform/window_classes/edit_window.h"

namespace edit {

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

// The start of the unit before pos that Backspace removes: one byte, or the whole "\r\n".
int BackspaceStart(std::string_view text, int pos) {
  if (pos >= 2 && text[std::size_t(pos) - 1] == '\n' && text[std::size_t(pos) - 2] == '\r') return pos - 2;
  return pos - 1;
}

}  // namespace

// --- Keyboard ----------------------------------------------------------------------------------

void EditControl::KeyMoveVertical(int Lines, bool Extend) {
  const int caret = buffer_.Caret();
  const int line = layout_.LineFromChar(caret);
  if (goalX_ < 0) goalX_ = AlignOffset(line) + layout_.XOfChar(line, caret);
  const int target = std::clamp(line + Lines, 0, LineCount() - 1);
  if (target == line) return;
  const int goal = goalX_;
  MoveCaret(layout_.CharFromX(target, goal - AlignOffset(target)), Extend);
  goalX_ = goal;
}

void EditControl::KeyDown(WPARAM Key) {
  const bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL);
  const std::string_view text = buffer_.Text();
  const int caret = buffer_.Caret();
  const EditLine& line = layout_.Line(layout_.LineFromChar(caret));
  const bool vertical = IsMultiLine() && (Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT);
  if (!vertical) goalX_ = -1;
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      if (Key == VK_UP && IsMultiLine()) return KeyMoveVertical(-1, shift);
      if (buffer_.HasSelection() && !shift) return MoveCaret(buffer_.SelStart(), false);
      return MoveCaret(ctrl ? PrevWordStart(text, caret) : PrevCluster(text, caret), shift);
    case VK_RIGHT:
    case VK_DOWN:
      if (Key == VK_DOWN && IsMultiLine()) return KeyMoveVertical(1, shift);
      if (buffer_.HasSelection() && !shift) return MoveCaret(buffer_.SelEnd(), false);
      return MoveCaret(ctrl ? NextWordStart(text, caret) : NextCluster(text, caret), shift);
    case VK_PRIOR: if (IsMultiLine()) KeyMoveVertical(-VisibleLines(), shift); return;
    case VK_NEXT: if (IsMultiLine()) KeyMoveVertical(VisibleLines(), shift); return;
    case VK_HOME: return MoveCaret(ctrl ? 0 : line.start, shift);
    case VK_END: return MoveCaret(ctrl ? buffer_.Size() : line.end, shift);
    case VK_DELETE:
      if (shift) return SendToSelf(WM_CUT);
      if (IsReadOnly()) return void(Refuse());
      if (buffer_.HasSelection()) return Clear();
      if (buffer_.Erase(caret, NextCluster(text, caret), EditKind::Delete)) TextChanged();
      return;
    case VK_INSERT:
      if (ctrl) return SendToSelf(WM_COPY);
      if (shift) return SendToSelf(WM_PASTE);
      return;
  }
}

void EditControl::Char(char Ch) {
  switch (Ch) {
    case 0x01: return SetSel(0, -1);   // Ctrl+A
    case 0x03: return SendToSelf(WM_COPY);    // Ctrl+C
    case 0x16: return SendToSelf(WM_PASTE);   // Ctrl+V
    case 0x18: return SendToSelf(WM_CUT);     // Ctrl+X
    case 0x1A: return SendToSelf(WM_UNDO);    // Ctrl+Z
    case 0x08:
    case 0x7F: {                       // Backspace, Ctrl+Backspace
      if (IsReadOnly()) return void(Refuse());
      if (buffer_.HasSelection()) return EditAtCaret("", EditKind::Backspace);
      const int caret = buffer_.Caret();
      if (caret == 0) return;
      const int from = Ch == 0x7F ? PrevWordStart(buffer_.Text(), caret) : BackspaceStart(buffer_.Text(), caret);
      if (buffer_.Erase(from, caret, EditKind::Backspace)) TextChanged();
      return;
    }
    case '\r':
      if (!IsMultiLine()) return void(Refuse());
      return EditAtCaret("\r\n", EditKind::Typing);
    case '\t':
      if (!IsMultiLine()) return void(Refuse());
      return EditAtCaret("\t", EditKind::Typing);
    case 0x1B:
      if (!IsMultiLine()) Refuse();
      return;
  }
  if (static_cast<unsigned char>(Ch) < 0x20) return;
  if ((Style() & ES_NUMBER) != 0 && (Ch < '0' || Ch > '9')) return void(Refuse());
  EditAtCaret(std::string_view(&Ch, 1), EditKind::Typing);
}

// --- Mouse -------------------------------------------------------------------------------------

void EditControl::MouseDown(TPoint Point, bool Extend, bool DoubleClick) {
  if (GetFocus() != window_) SetFocus(window_);
  SetCapture(window_);
  tracking_ = true;
  goalX_ = -1;
  const int pos = CharFromPos(Point).first;
  if (DoubleClick) {
    trackWord_ = WordAt(buffer_.Text(), pos);
    buffer_.Select(trackWord_.first, trackWord_.second);
    return SelectionChanged();
  }
  trackWord_ = {-1, -1};
  MoveCaret(pos, Extend);
}

void EditControl::MouseMove(TPoint Point) {
  if (!tracking_) return;
  const int pos = CharFromPos(Point).first;
  if (trackWord_.first < 0) return MoveCaret(pos, true);
  // Selecting by words: the double-clicked word stays selected, the other end snaps to words.
  const std::pair<int, int> word = WordAt(buffer_.Text(), pos);
  if (pos < trackWord_.first) buffer_.Select(trackWord_.second, word.first);
  else buffer_.Select(trackWord_.first, std::max(word.second, trackWord_.second));
  SelectionChanged();
}

void EditControl::MouseUp() {
  if (!tracking_) return;
  tracking_ = false;
  ReleaseCapture();
}

// --- Clipboard ---------------------------------------------------------------------------------

void EditControl::Copy() {
  if (passwordChar_ != 0 || !buffer_.HasSelection()) return;
  SetClipboardText(window_, buffer_.SelText());
}

void EditControl::Cut() {
  if (passwordChar_ != 0 || !buffer_.HasSelection()) return;
  if (IsReadOnly()) return void(Refuse());
  Copy();
  Clear();
}

void EditControl::Clear() {
  if (!buffer_.HasSelection()) return;
  if (IsReadOnly()) return void(Refuse());
  EditAtCaret("", EditKind::Other);
}

void EditControl::Paste() {
  if (IsReadOnly()) return void(Refuse());
  std::string text = ClipboardText(window_);
  if (text.empty()) return;
  if (!IsMultiLine()) text = text.substr(0, text.find_first_of("\r\n"));
  EditAtCaret(text, EditKind::Other);
}

}  // namespace edit
