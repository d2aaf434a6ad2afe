// The state and behaviour of one EDIT window (edit_window.h): its buffer (text, selection, undo),
// the layout of its lines, scrolling, caret, keyboard and mouse, clipboard and painting.
//
// Geometry: the formatting rectangle is the client area less the margins (1 pixel each side by
// default; EM_SETMARGINS) unless EM_SETRECT set one.  Line i of the layout is drawn at
// rect.top + (i - first visible line) * line height; a line's text starts at rect.left plus its
// alignment offset (ES_CENTER, ES_RIGHT) less the horizontal scroll in pixels.  Single-line
// controls scroll horizontally by a quarter of the width when the caret leaves the rectangle.
//
// Refused input beeps (MessageBeep 0): typing or editing a read-only control, a non-digit typed
// into an ES_NUMBER control, Return, Tab and Escape typed into a single-line control, text the
// length limit leaves no room for (with EN_MAXTEXT), and text that would not fit a control that
// may not scroll (single-line without ES_AUTOHSCROLL, multi-line without ES_AUTOVSCROLL).
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/gdi/gdi_types.h"
#include "platform/user/user_types.h"
#include "platform/window_classes/edit_buffer.h"
#include "platform/window_classes/edit_layout.h"

namespace edit {

class EditControl {
 public:
  EditControl(HWND Window, const char* Text);

  // Text and selection.
  const EditBuffer& Buffer() const { return buffer_; }
  void SetText(std::string_view Text);
  void SetSel(int Anchor, int Caret);
  // Replaces the selection as EM_REPLACESEL does (no beep, limit applies).
  void ReplaceSel(std::string_view Text, bool CanUndo);
  bool Undo();
  void EmptyUndo() { buffer_.EmptyUndo(); }
  void SetModified(bool Value) { buffer_.SetModified(Value); }
  void SetLimit(int Value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char Value);
  void SetReadOnly(bool Value);

  // Clipboard.
  void Copy();
  void Cut();
  void Paste();
  void Clear();

  // Lines and positions.
  int LineCount() const { return layout_.LineCount(); }
  int LineIndex(int Line) const;
  int LineFromChar(int Pos) const;
  int LineLength(int Pos) const;
  std::string_view LineText(int Line) const;
  int FirstVisibleLine() const { return IsMultiLine() ? firstLine_ : FirstVisibleChar(); }
  // Client coordinates of the caret slot before Pos.
  TPoint PosFromChar(int Pos) const;
  // The nearest caret position and its line.
  std::pair<int, int> CharFromPos(TPoint Point) const;

  // Scrolling.
  void LineScroll(int Chars, int Lines);
  void ScrollCaret();
  void OnScrollBar(int Bar, WORD Code, int ThumbPos);
  void OnWheel(int Delta);

  // Geometry and font.
  TRect FormatRect() const;
  void SetFormatRect(const TRect* Rect, bool Redraw);
  std::pair<int, int> Margins() const { return {leftMargin_, rightMargin_}; }
  void SetMargins(WPARAM Which, int Left, int Right);
  HFONT Font() const { return font_; }
  void SetFont(HFONT Font, bool Redraw);
  void Relayout();

  // Input.
  void KeyDown(WPARAM Key);
  void Char(char Ch);
  void MouseDown(TPoint Point, bool Extend, bool DoubleClick);
  void MouseMove(TPoint Point);
  void MouseUp();
  void CaptureLost() { tracking_ = false; }
  void FocusGained();
  void FocusLost();

  void Paint(HDC DC);

 private:
  DWORD Style() const;
  bool IsMultiLine() const;
  bool IsReadOnly() const;
  bool Refuse();   // beeps; false
  // Clipboard and undo keys send WM_COPY, WM_CUT, WM_PASTE and WM_UNDO to the window, so that a
  // subclass of the window sees them as it sees the messages sent by others.
  void SendToSelf(UINT Message) const;
  void Notify(WORD Code) const;
  void TextChanged(bool Notifies = true);
  void SelectionChanged();
  void MoveCaret(int Pos, bool Extend);
  void EditAtCaret(std::string_view Text, EditKind Kind);
  bool Fits() const;
  std::string Converted(std::string_view Text) const;
  std::string DisplayText(std::string_view Text) const;
  std::vector<int> Measure(HDC DC, std::string_view Text) const;
  int AlignOffset(int Line) const;
  int VisibleLines() const;
  int FirstVisibleChar() const;
  void KeyMoveVertical(int Lines, bool Extend);
  void UpdateCaret() const;
  void MakeCaret() const;
  void UpdateScrollBars() const;
  void DrawLine(HDC DC, int Line, int X, int Y) const;

  HWND window_;
  EditBuffer buffer_;
  EditLayout layout_;
  HFONT font_ = nullptr;
  int lineHeight_ = 13;
  int charWidth_ = 6;
  int leftMargin_ = 1;
  int rightMargin_ = 1;
  bool ownRect_ = false;   // EM_SETRECT set rect_
  TRect rect_{};
  int firstLine_ = 0;
  int xScroll_ = 0;        // pixels
  int goalX_ = -1;         // the x Up and Down keep, -1 when unset
  char passwordChar_ = 0;
  bool focused_ = false;
  bool tracking_ = false;  // the left button is selecting
  std::pair<int, int> trackWord_{-1, -1};   // the word a double click selected, while tracking by words
};

}  // namespace edit
