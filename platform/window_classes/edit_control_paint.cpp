// EditControl: painting.  The background and text colours come from the parent's answer to
// WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only or disabled); the selection is drawn in
// COLOR_HIGHLIGHT / COLOR_HIGHLIGHTTEXT while the control has the focus or has ES_NOHIDESEL;
// a disabled control's text is COLOR_GRAYTEXT.
#include <algorithm>

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_out.h"
#include "platform/user/focus.h"
#include "platform/user/send_message.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/edit_control.h"
#include "platform/window_classes/edit_window.h"

namespace edit {

void EditControl::DrawLine(HDC DC, int Line, int X, int Y) const {
  const EditLine& line = layout_.Line(Line);
  const std::string shown = DisplayText(LineText(Line));
  const bool showSelection = focused_ || (Style() & ES_NOHIDESEL) != 0;
  const int selFrom = std::clamp(buffer_.SelStart(), line.start, line.end) - line.start;
  const int selTo = std::clamp(buffer_.SelEnd(), line.start, line.end) - line.start;
  SetBkMode(DC, TRANSPARENT);
  if (!showSelection || selFrom == selTo) {
    TextOutA(DC, X, Y, shown.data(), int(shown.size()));
    return;
  }
  const COLORREF text = GetTextColor(DC);
  const auto part = [&](int from, int to, bool selected) {
    if (from == to) return;
    const int x = X + layout_.XOfChar(Line, line.start + from);
    if (selected) {
      TRect cell{x, Y, X + layout_.XOfChar(Line, line.start + to), Y + lineHeight_};
      FillRect(DC, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetTextColor(DC, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    TextOutA(DC, x, Y, shown.data() + from, to - from);
    SetTextColor(DC, text);
  };
  part(0, selFrom, false);
  part(selFrom, selTo, true);
  part(selTo, int(shown.size()), false);
}

void EditControl::Paint(HDC DC) {
  const bool enabled = IsWindowEnabled(window_) != FALSE;
  const UINT colorMessage = IsReadOnly() || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HWND parent = GetParent(window_);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(parent != nullptr ? parent : window_, colorMessage, WPARAM(DC), LPARAM(window_)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_WINDOW);
  TRect client{};
  GetClientRect(window_, &client);
  FillRect(DC, &client, brush);
  if (!enabled) SetTextColor(DC, GetSysColor(COLOR_GRAYTEXT));
  HGDIOBJ old = font_ != nullptr ? SelectObject(DC, font_) : nullptr;
  const TRect r = FormatRect();
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, r.Left, r.Top, r.Right, r.Bottom);
  for (int i = firstLine_, y = r.Top; i < LineCount() && y < r.Bottom; ++i, y += lineHeight_)
    DrawLine(DC, i, r.Left + AlignOffset(i) - xScroll_, y);
  RestoreDC(DC, saved);
  if (old != nullptr) SelectObject(DC, old);
}

}  // namespace edit
