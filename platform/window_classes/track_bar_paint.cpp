#include "platform/window_classes/track_bar_paint.h"

#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/focus.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/track_bar_window.h"

namespace {

HBRUSH BackgroundBrush(HWND w, HDC dc) {
  HWND parent = GetParent(w);
  HBRUSH brush = parent == nullptr ? nullptr
                                   : reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(w)));
  return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void PaintChannel(HDC dc, DWORD style, const TrackBarLayout& layout, const TrackBarState& s) {
  TRect channel = layout.Channel();
  DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, &channel, GetSysColorBrush(COLOR_WINDOW));
  if ((style & TBS_ENABLESELRANGE) == 0 || s.selEnd <= s.selStart) return;
  const int from = layout.CentreOf(std::max(s.selStart, s.min)), to = layout.CentreOf(std::min(s.selEnd, s.max)) + 1;
  TRect selected = channel;
  if (layout.Vertical()) {
    selected.Top = from;
    selected.Bottom = to;
  } else {
    selected.Left = from;
    selected.Right = to;
  }
  FillRect(dc, &selected, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void PaintTicks(HDC dc, DWORD style, const TrackBarLayout& layout, const TrackBarState& s) {
  if ((style & TBS_NOTICKS) != 0) return;
  const bool before = (style & (TBS_TOP | TBS_BOTH)) != 0, after = (style & TBS_TOP) == 0 || (style & TBS_BOTH) != 0;
  std::vector<int> values = InteriorTics(style, s);
  values.push_back(s.min);
  values.push_back(s.max);
  auto tick = [&](int value, bool afterThumb) {
    const TRect rect = layout.TickAt(value, afterThumb);
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNTEXT));
  };
  for (int value : values) {
    if (before) tick(value, false);
    if (after) tick(value, true);
  }
}

}  // namespace

void PaintTrackBar(HWND w, HDC dc, const TrackBarState& s) {
  const DWORD style = DWORD(GetWindowLongPtrA(w, GWL_STYLE));
  const TrackBarLayout layout(w, s);
  TRect client{};
  GetClientRect(w, &client);
  FillRect(dc, &client, BackgroundBrush(w, dc));
  PaintChannel(dc, style, layout, s);
  PaintTicks(dc, style, layout, s);
  if ((style & TBS_NOTHUMB) == 0) {
    TRect thumb = layout.Thumb();
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const bool dragged = s.press == TrackBarState::Press::Thumb;
    FillRect(dc, &thumb, GetSysColorBrush(dragged ? COLOR_3DLIGHT : COLOR_BTNFACE));
  }
  if (GetFocus() == w) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &client);
  }
}
