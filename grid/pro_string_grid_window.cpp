// TProStringGrid: window messages other than keys and mouse buttons: the grid's own timer (lookup
// pause, hovering, blinking markup), focus with Navigation.AlwaysEdit, the stretched column on a
// size change, and the tooltip's request for a balloon text.
#include "grid/balloon_settings.h"
#include "grid/column_size.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/timers.h"
#include "platform/user/window_from_point.h"
#include "platform/window_classes/tooltip_notifications.h"

namespace {

// The grid's timer: identifier and period in milliseconds.
constexpr UINT_PTR kGridTimer = 111;
constexpr UINT kGridTimerPeriod = 500;
// Ticks of typing pause after which the incremental lookup starts anew (about 2 s).
constexpr Integer kLookupPauseTicks = 4;
// Balloon texts and titles longer than these are cut to 3 less and "...".
constexpr size_t kBalloonTextLimit = 1024;
constexpr size_t kBalloonTitleLimit = 100;

std::string CutWithEllipsis(const std::string& Text, size_t Limit) {
  return Text.size() > Limit ? Text.substr(0, Limit - 3) + "..." : Text;
}

}   // namespace

void TProStringGrid::StartGridTimer() { SetTimer(WindowHandle(), kGridTimer, kGridTimerPeriod, nullptr); }

// ---- The grid's timer ----

void TProStringGrid::WMTimer(TMessage& Message) {
  if (Message.WParam != kGridTimer) return inherited::Dispatch(Message);
  ++tickCount_;
  if (navigation_->AutoGotoIncremental() && ++lookupPause_ == kLookupPauseTicks) {
    lookupText_.clear();
    lookupPause_ = 0;
  }
  if (Hovering() && !ComponentState().Contains(csDesigning)) HoverTick();
  if (EnableBlink()) BlinkTick();
}

// The normal cell under a resting pointer becomes current.
void TProStringGrid::HoverTick() {
  TPoint screen{};
  GetCursorPos(&screen);
  if (WindowFromPoint(screen) != WindowHandle()) return;
  const TPoint client = ScreenToClient(screen);
  const TGridCoord cell = MouseCoord(client.X, client.Y);
  const bool normal = cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() - FixedRightCols() &&
                      cell.Y < RowCount() - FixedFooters();
  if (!normal) return;
  if (CanFocus()) SetFocus();
  if (cell.X != Col() || cell.Y != Row()) MoveColRow(cell.X, cell.Y, true, true);
}

// Blinking markup shows and hides with each tick: the visible cells holding it, the headers of the
// visible columns and rows included, are repainted.
void TProStringGrid::BlinkTick() {
  blinkVisible_ = !blinkVisible_;
  const Integer lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
  const Integer lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
  auto repaintBlinking = [this](Integer ACol, Integer ARow) {
    if (AnsiUpperCase(GetCellText(ACol, ARow)).find("<BLI") != std::string::npos) RepaintCell(ACol, ARow);
  };
  for (Integer row = TopRow(); row <= lastRow; ++row)
    for (Integer col = LeftCol(); col <= lastCol; ++col) repaintBlinking(col, row);
  for (Integer row = 0; row < FixedRows(); ++row)
    for (Integer col = LeftCol(); col <= lastCol; ++col) repaintBlinking(col, row);
  for (Integer row = TopRow(); row <= lastRow; ++row)
    for (Integer col = 0; col < FixedCols(); ++col) repaintBlinking(col, row);
}

// ---- Focus ----

// With Navigation.AlwaysEdit, focus that comes from elsewhere than the in-place editor reopens it,
// but only on a cell that OnCanEditCell allows (the question starts from "no").
void TProStringGrid::WMSetFocus(TMessage& Message) {
  if (popupClosed_) {   // a custom editor's popup just closed by a click elsewhere: skipped once
    popupClosed_ = false;
    return;
  }
  inherited::Dispatch(Message);
  TInplaceEdit* editor = InplaceEditor();
  const bool fromEditor = editor != nullptr && reinterpret_cast<HWND>(Message.WParam) == editor->WindowHandle();
  if (editor == nullptr || fromEditor || !navigation_->AlwaysEdit()) return;
  bool canEdit = false;
  CanEditCell(Col(), Row(), canEdit);
  const bool visible = Col() >= LeftCol() && Col() <= LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                       Row() <= TopRow() + VisibleRowCount();
  if (canEdit && visible) ShowCellEditor();
}

// ---- The tooltip's text request ----

void TProStringGrid::WMNotify(TMessage& Message) {
  auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
  if (header == nullptr || header->code == TTN_SHOW || header->code == TTN_POP) return;
  if (header->code != TTN_GETDISPINFOA) return inherited::Dispatch(Message);
  if (balloon_->Enable()) AnswerBalloonText(*reinterpret_cast<NMTTDISPINFOA*>(Message.LParam));
}

// The text of the cell under the pointer (markup stripped, tabs as blanks, leading tab and line
// breaks dropped, at most 1,024 characters), with title and icon as OnCellBalloon leaves them.
void TProStringGrid::AnswerBalloonText(NMTTDISPINFOA& Info) {
  TPoint screen{};
  GetCursorPos(&screen);
  const TPoint client = ScreenToClient(screen);
  const TGridCoord cell = MouseCoord(client.X, client.Y);
  if (cell.X < 0 || cell.Y < 0) return;
  std::string text = GetCellPlainText(cell.X, cell.Y);
  if (text.find("{\\") != std::string::npos) text = RichTextPlain(text);
  const size_t start = text.find_first_not_of("\t\r\n");
  text = start == std::string::npos ? std::string() : text.substr(start);
  for (char& ch : text)
    if (ch == '\t') ch = ' ';
  text = CutWithEllipsis(text, kBalloonTextLimit);
  std::string title = " ";
  Integer icon = 1;
  OnCellBalloon(this, cell.X, cell.Y, title, text, icon);
  balloonCell_ = TPoint{cell.X, cell.Y};
  balloonText_ = CutWithEllipsis(text, kBalloonTextLimit);
  Info.lpszText = balloonText_.data();
  title = CutWithEllipsis(title, kBalloonTitleLimit);
  const HWND tip = Info.hdr.hwndFrom;
  if (tip == nullptr) return;
  if (balloon_->TextColor() != clNone) SendMessageA(tip, TTM_SETTIPTEXTCOLOR, WPARAM(balloon_->TextColor()), 0);
  if (balloon_->BackgroundColor() != clNone)
    SendMessageA(tip, TTM_SETTIPBKCOLOR, WPARAM(balloon_->BackgroundColor()), 0);
  SendMessageA(tip, TTM_SETTITLEA, WPARAM(icon), reinterpret_cast<LPARAM>(title.c_str()));
}
