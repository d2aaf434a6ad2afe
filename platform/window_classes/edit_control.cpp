#include "platform/window_classes/edit_control.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_extent.h"
#include "platform/user/caret.h"
#include "platform/user/message_beep.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/edit_units.h"
#include "platform/window_classes/edit_window.h"

namespace edit {

EditControl::EditControl(HWND Window, const char* Text) : window_(Window) {
  if ((Style() & ES_PASSWORD) != 0) passwordChar_ = '*';
  buffer_.SetText(Converted(Text != nullptr ? std::string_view(Text) : std::string_view()));
  Relayout();
}

DWORD EditControl::Style() const { return DWORD(GetWindowLongPtrA(window_, GWL_STYLE)); }

bool EditControl::IsMultiLine() const { return (Style() & ES_MULTILINE) != 0; }

bool EditControl::IsReadOnly() const { return (Style() & ES_READONLY) != 0; }

bool EditControl::Refuse() {
  MessageBeep(0);
  return false;
}

void EditControl::SendToSelf(UINT Message) const { SendMessageA(window_, Message, 0, 0); }

void EditControl::Notify(WORD Code) const {
  HWND parent = GetParent(window_);
  if (parent == nullptr) return;
  const WORD id = WORD(GetWindowLongPtrA(window_, GWLP_ID));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, Code), LPARAM(window_));
}

std::string EditControl::Converted(std::string_view Text) const {
  if ((Style() & ES_UPPERCASE) != 0) return AnsiUpperCase(Text);
  if ((Style() & ES_LOWERCASE) != 0) return AnsiLowerCase(Text);
  return std::string(Text);
}

// --- Text and selection ------------------------------------------------------------------------

// A multi-line control notifies nothing for a new text, as on the platform (the class library
// calls its own Change for it).
void EditControl::SetText(std::string_view Text) {
  buffer_.SetText(Converted(Text));
  firstLine_ = 0;
  xScroll_ = 0;
  TextChanged(!IsMultiLine());
}

void EditControl::TextChanged(bool Notifies) {
  Relayout();
  ScrollCaret();
  if (Notifies) Notify(EN_UPDATE);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateCaret();
  if (Notifies) Notify(EN_CHANGE);
}

void EditControl::SelectionChanged() {
  ScrollCaret();
  InvalidateRect(window_, nullptr, TRUE);
  UpdateCaret();
}

void EditControl::SetSel(int Anchor, int Caret) {
  // -1 as the start removes the selection (the caret stays); -1 as the end means the text's end.
  if (Anchor < 0) Anchor = Caret = buffer_.Caret();
  if (Caret < 0) Caret = buffer_.Size();
  buffer_.Select(Anchor, Caret);
  goalX_ = -1;
  SelectionChanged();
}

void EditControl::MoveCaret(int Pos, bool Extend) {
  buffer_.Select(Extend ? buffer_.Anchor() : Pos, Pos);
  SelectionChanged();
}

bool EditControl::Fits() const {
  if (IsMultiLine()) return (Style() & ES_AUTOVSCROLL) != 0 || LineCount() <= VisibleLines();
  if ((Style() & ES_AUTOHSCROLL) != 0) return true;
  const TRect r = FormatRect();
  return layout_.LineWidth(0) <= r.Right - r.Left;
}

void EditControl::ReplaceSel(std::string_view Text, bool CanUndo) {
  std::string text = Converted(Text);
  if (!IsMultiLine()) text = text.substr(0, text.find_first_of("\r\n"));
  const EditBuffer before = buffer_;
  const EditBuffer::ReplaceResult result = buffer_.Replace(text, EditKind::Other, CanUndo);
  if (result.truncated) Notify(EN_MAXTEXT);
  if (!result.changed) return;
  Relayout();
  if (!Fits()) {
    buffer_ = before;
    Relayout();
    Notify(EN_MAXTEXT);
    return;
  }
  TextChanged();
}

void EditControl::EditAtCaret(std::string_view Text, EditKind Kind) {
  if (IsReadOnly()) {
    Refuse();
    return;
  }
  const EditBuffer before = buffer_;
  const EditBuffer::ReplaceResult result = buffer_.Replace(Converted(Text), Kind);
  if (result.truncated) Notify(EN_MAXTEXT);
  if (!result.changed) {
    Refuse();
    return;
  }
  Relayout();
  if (!Fits()) {
    buffer_ = before;
    Relayout();
    Notify(EN_MAXTEXT);
    Refuse();
    return;
  }
  TextChanged();
}

bool EditControl::Undo() {
  if (!buffer_.Undo()) return false;
  TextChanged();
  return true;
}

void EditControl::SetLimit(int Value) {
  const int unlimited = IsMultiLine() ? 0x7FFFFFFF : 0x7FFFFFFE;
  buffer_.SetLimit(Value <= 0 ? unlimited : Value);
}

void EditControl::SetPasswordChar(char Value) {
  passwordChar_ = Value;
  const DWORD style = Value != 0 ? Style() | ES_PASSWORD : Style() & ~ES_PASSWORD;
  SetWindowLongPtrA(window_, GWL_STYLE, LONG_PTR(style));
  Relayout();
  InvalidateRect(window_, nullptr, TRUE);
  UpdateCaret();
}

void EditControl::SetReadOnly(bool Value) {
  const DWORD style = Value ? Style() | ES_READONLY : Style() & ~ES_READONLY;
  SetWindowLongPtrA(window_, GWL_STYLE, LONG_PTR(style));
  InvalidateRect(window_, nullptr, TRUE);
}

// --- Lines and positions -----------------------------------------------------------------------

int EditControl::LineIndex(int Line) const {
  if (Line < 0) Line = LineFromChar(buffer_.Caret());
  return Line < LineCount() ? layout_.Line(Line).start : -1;
}

int EditControl::LineFromChar(int Pos) const {
  if (Pos < 0) Pos = buffer_.HasSelection() ? buffer_.SelStart() : buffer_.Caret();
  return layout_.LineFromChar(std::min(Pos, buffer_.Size()));
}

int EditControl::LineLength(int Pos) const {
  if (Pos >= 0) {
    const EditLine& line = layout_.Line(LineFromChar(Pos));
    return line.end - line.start;
  }
  // -1: the characters of the selection's lines that are not selected.
  const EditLine& first = layout_.Line(LineFromChar(buffer_.SelStart()));
  const EditLine& last = layout_.Line(LineFromChar(buffer_.SelEnd()));
  return (buffer_.SelStart() - first.start) + (last.end - std::min(last.end, buffer_.SelEnd()));
}

std::string_view EditControl::LineText(int Line) const {
  if (Line < 0 || Line >= LineCount()) return {};
  const EditLine& line = layout_.Line(Line);
  return std::string_view(buffer_.Text()).substr(std::size_t(line.start), std::size_t(line.end - line.start));
}

int EditControl::AlignOffset(int Line) const {
  const TRect r = FormatRect();
  const int room = r.Right - r.Left - layout_.LineWidth(Line);
  if (room <= 0) return 0;
  if ((Style() & ES_RIGHT) != 0) return room;
  if ((Style() & ES_CENTER) != 0) return room / 2;
  return 0;
}

TPoint EditControl::PosFromChar(int Pos) const {
  const TRect r = FormatRect();
  const int line = layout_.LineFromChar(Pos);
  return TPoint{r.Left + AlignOffset(line) + layout_.XOfChar(line, Pos) - xScroll_,
                r.Top + (line - firstLine_) * lineHeight_};
}

std::pair<int, int> EditControl::CharFromPos(TPoint Point) const {
  const TRect r = FormatRect();
  int line = firstLine_ + (Point.Y >= r.Top ? (Point.Y - r.Top) / lineHeight_ : -1);
  line = std::clamp(line, 0, LineCount() - 1);
  const int x = Point.X - r.Left - AlignOffset(line) + xScroll_;
  return {layout_.CharFromX(line, x), line};
}

int EditControl::VisibleLines() const {
  const TRect r = FormatRect();
  return std::max(1, (r.Bottom - r.Top) / lineHeight_);
}

int EditControl::FirstVisibleChar() const {
  return layout_.CharFromX(0, xScroll_ - AlignOffset(0));
}

// --- Geometry and font -------------------------------------------------------------------------

TRect EditControl::FormatRect() const {
  if (ownRect_) return rect_;
  TRect r{};
  GetClientRect(window_, &r);
  r.Left += leftMargin_;
  r.Right = std::max(r.Left, r.Right - rightMargin_);
  if (!IsMultiLine()) r.Bottom = std::max(r.Bottom, r.Top + lineHeight_);
  return r;
}

void EditControl::SetFormatRect(const TRect* Rect, bool Redraw) {
  ownRect_ = Rect != nullptr;
  if (Rect != nullptr) rect_ = *Rect;
  Relayout();
  ScrollCaret();
  UpdateCaret();
  if (Redraw) InvalidateRect(window_, nullptr, TRUE);
}

void EditControl::SetMargins(WPARAM Which, int Left, int Right) {
  // EC_USEFONTINFO asks for the font's own margins: a third of its average character width.
  if ((Which & EC_LEFTMARGIN) != 0) leftMargin_ = Left == int(EC_USEFONTINFO) ? charWidth_ / 3 : Left;
  if ((Which & EC_RIGHTMARGIN) != 0) rightMargin_ = Right == int(EC_USEFONTINFO) ? charWidth_ / 3 : Right;
  SetFormatRect(nullptr, true);
}

void EditControl::SetFont(HFONT Font, bool Redraw) {
  font_ = Font;
  Relayout();
  ScrollCaret();
  if (focused_) MakeCaret();   // the caret takes the new line height
  if (Redraw) InvalidateRect(window_, nullptr, TRUE);
}

std::string EditControl::DisplayText(std::string_view Text) const {
  return passwordChar_ != 0 ? std::string(Text.size(), passwordChar_) : std::string(Text);
}

std::vector<int> EditControl::Measure(HDC DC, std::string_view Text) const {
  const std::string shown = DisplayText(Text);
  std::vector<int> offsets(shown.size() + 1, 0);
  if (shown.empty()) return offsets;
  TSize size{};
  GetTextExtentExPointA(DC, shown.data(), int(shown.size()), 0, nullptr, offsets.data() + 1, &size);
  return offsets;
}

void EditControl::Relayout() {
  HDC dc = GetDC(window_);
  HGDIOBJ old = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  lineHeight_ = std::max<int>(1, tm.tmHeight);
  charWidth_ = std::max<int>(1, tm.tmAveCharWidth);
  const TRect r = FormatRect();
  const bool wraps = IsMultiLine() && (Style() & (ES_AUTOHSCROLL | WS_HSCROLL)) == 0;
  layout_.Build(buffer_.Text(), IsMultiLine(), wraps ? std::max(1, r.Right - r.Left) : 0,
                [&](std::string_view text) { return Measure(dc, text); });
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(window_, dc);
  firstLine_ = std::clamp(firstLine_, 0, std::max(0, LineCount() - 1));
  UpdateScrollBars();
}

// --- Scrolling ---------------------------------------------------------------------------------

void EditControl::ScrollCaret() {
  const TRect r = FormatRect();
  const int width = r.Right - r.Left;
  const int line = layout_.LineFromChar(buffer_.Caret());
  const int x = AlignOffset(line) + layout_.XOfChar(line, buffer_.Caret());
  const int oldX = xScroll_, oldLine = firstLine_;
  if (layout_.MaxWidth() <= width) xScroll_ = 0;
  else if (x < xScroll_) xScroll_ = std::max(0, x - width / 4);
  else if (x >= xScroll_ + width) xScroll_ = x - width + width / 4;
  if (IsMultiLine()) {
    if (line < firstLine_) firstLine_ = line;
    else if (line >= firstLine_ + VisibleLines()) firstLine_ = line - VisibleLines() + 1;
  }
  if (oldX != xScroll_ || oldLine != firstLine_) {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateScrollBars();
  }
}

void EditControl::LineScroll(int Chars, int Lines) {
  if (IsMultiLine()) firstLine_ = std::clamp(firstLine_ + Lines, 0, std::max(0, LineCount() - 1));
  xScroll_ = std::max(0, xScroll_ + Chars * charWidth_);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateScrollBars();
  UpdateCaret();
}

void EditControl::OnScrollBar(int Bar, WORD Code, int ThumbPos) {
  const bool vertical = Bar == SB_VERT;
  const int page = vertical ? VisibleLines() : std::max(1, (FormatRect().Right - FormatRect().Left) / charWidth_);
  const int pos = vertical ? firstLine_ : xScroll_ / charWidth_;
  const int last = vertical ? LineCount() - 1 : layout_.MaxWidth() / charWidth_;
  int delta = 0;
  switch (Code) {
    case SB_LINEUP: delta = -1; break;
    case SB_LINEDOWN: delta = 1; break;
    case SB_PAGEUP: delta = -page; break;
    case SB_PAGEDOWN: delta = page; break;
    case SB_TOP: delta = -pos; break;
    case SB_BOTTOM: delta = last - pos; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: delta = (vertical ? ThumbPos : ThumbPos / charWidth_) - pos; break;
    default: return;
  }
  if (vertical) LineScroll(0, delta);
  else LineScroll(delta, 0);
  Notify(vertical ? EN_VSCROLL : EN_HSCROLL);
}

void EditControl::OnWheel(int Delta) {
  if (!IsMultiLine()) return;
  Notify(EN_VSCROLL);
  LineScroll(0, user::WheelScrollLines(Delta));
}

void EditControl::UpdateScrollBars() const {
  const DWORD style = Style();
  if ((style & WS_VSCROLL) != 0) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = LineCount() - 1;
    info.nPage = UINT(VisibleLines());
    info.nPos = firstLine_;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
  }
  if ((style & WS_HSCROLL) != 0) {
    const TRect r = FormatRect();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = layout_.MaxWidth();
    info.nPage = UINT(std::max(0, r.Right - r.Left));
    info.nPos = xScroll_;
    SetScrollInfo(window_, SB_HORZ, &info, TRUE);
  }
}

void EditControl::UpdateCaret() const {
  if (!focused_) return;
  const TPoint p = PosFromChar(buffer_.Caret());
  SetCaretPos(p.X, p.Y);
}

void EditControl::MakeCaret() const {
  CreateCaret(window_, nullptr, 1, lineHeight_);
  UpdateCaret();
  ShowCaret(window_);
}

void EditControl::FocusGained() {
  focused_ = true;
  MakeCaret();
  if (buffer_.HasSelection()) InvalidateRect(window_, nullptr, TRUE);
  Notify(EN_SETFOCUS);
}

void EditControl::FocusLost() {
  focused_ = false;
  DestroyCaret();
  if (buffer_.HasSelection()) InvalidateRect(window_, nullptr, TRUE);
  Notify(EN_KILLFOCUS);
}

}  // namespace edit
