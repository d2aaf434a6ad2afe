// EditControl: keyboard, mouse and clipboard.
#include <algorithm>
#include <cstring>

#include "platform/ui/edit_control.h"
#include "platform/ui/edit_units.h"
#include "platform/ui/edit_window.h"
#include "platform/user/capture.h"
#include "platform/user/clipboard.h"
#include "platform/user/focus.h"
#include "platform/user/global_memory.h"
#include "platform/user/key_state.h"
#include "platform/user/message_beep.h"
#include "platform/user/virtual_keys.h"

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
      if (shift) return Cut();
      if (IsReadOnly()) return void(Refuse());
      if (buffer_.HasSelection()) return Clear();
      if (buffer_.Erase(caret, NextCluster(text, caret), EditKind::Delete)) TextChanged();
      return;
    case VK_INSERT:
      if (ctrl) return Copy();
      if (shift) return Paste();
      return;
  }
}

void EditControl::Char(char Ch) {
  switch (Ch) {
    case 0x01: return SetSel(0, -1);   // Ctrl+A
    case 0x03: return Copy();          // Ctrl+C
    case 0x16: return Paste();         // Ctrl+V
    case 0x18: return Cut();           // Ctrl+X
    case 0x1A: Undo(); return;         // Ctrl+Z
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
  const std::string_view text = buffer_.SelText();
  if (OpenClipboard(window_) == FALSE) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory != nullptr) {
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
  }
  CloseClipboard();
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
  if (OpenClipboard(window_) == FALSE) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (text.empty()) return;
  if (!IsMultiLine()) text = text.substr(0, text.find_first_of("\r\n"));
  EditAtCaret(text, EditKind::Other);
}

}  // namespace edit
