#include "platform/window_classes/list_box_paint.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/window_classes/list_box_state.h"
#include "platform/window_classes/list_box_window.h"
#include "platform/user/owner_draw.h"
#include "platform/user/focus.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

bool OwnerDraw(const ListBoxState& state) {
  return (state.Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

UINT ItemState(HWND w, const ListBoxState& state, int index) {
  UINT itemState = state.At(index).Selected ? ODS_SELECTED : 0;
  if (index == state.Caret() && GetFocus() == w) itemState |= ODS_FOCUS;
  if (IsWindowEnabled(w) == 0) itemState |= ODS_DISABLED;
  return itemState;
}

void SendDrawItem(HWND w, HDC dc, const ListBoxState& state, int index, const TRect& rect) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_LISTBOX;
  draw.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
  draw.itemID = UINT(index);
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = ItemState(w, state, index);
  draw.hwndItem = w;
  draw.hDC = dc;
  draw.rcItem = rect;
  draw.itemData = state.At(index).Data;
  SendMessageA(state.Parent(), WM_DRAWITEM, draw.CtlID, LPARAM(&draw));
}

void DrawItem(HWND w, HDC dc, const ListBoxState& state, int index, TRect rect) {
  const UINT itemState = ItemState(w, state, index);
  const COLORREF text = GetTextColor(dc);
  const COLORREF back = GetBkColor(dc);
  if ((itemState & ODS_SELECTED) != 0) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if ((itemState & ODS_DISABLED) != 0) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  const std::string& caption = state.At(index).Text;
  TRect textRect = rect;
  textRect.Left += 2;
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                      ((state.Style() & LBS_USETABSTOPS) != 0 ? DT_EXPANDTABS : 0);
  DrawTextA(dc, caption.data(), int(caption.size()), &textRect, format);
  if ((itemState & ODS_FOCUS) != 0) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rect);
  }
  SetTextColor(dc, text);
  SetBkColor(dc, back);
}

}  // namespace

void PaintListBox(HWND Window, HDC DC, const ListBoxState& State) {
  TRect client{};
  GetClientRect(Window, &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(State.Parent(), WM_CTLCOLORLISTBOX, WPARAM(DC),
                                                      LPARAM(Window)));
  FillRect(DC, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = State.font != nullptr ? SelectObject(DC, State.font) : nullptr;
  SetBkMode(DC, TRANSPARENT);
  TRect rect{};
  for (int i = State.Top(); State.ItemRect(i, rect); ++i) {
    if (OwnerDraw(State))
      SendDrawItem(Window, DC, State, i, rect);
    else
      DrawItem(Window, DC, State, i, rect);
  }
  if (oldFont != nullptr) SelectObject(DC, oldFont);
}
