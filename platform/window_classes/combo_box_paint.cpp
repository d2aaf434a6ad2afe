#include "platform/window_classes/combo_box_paint.h"

#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/window_classes/combo_box_state.h"
#include "platform/window_classes/combo_box_window.h"
#include "platform/window_classes/list_box_window.h"
#include "platform/user/owner_draw.h"
#include "platform/user/focus.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

HBRUSH FieldBrush(HWND w, HDC dc, const ComboBoxState& s) {
  HWND parent = GetParent(w);
  const UINT message = s.ListStyle() ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT;
  auto brush = parent != nullptr ? reinterpret_cast<HBRUSH>(SendMessageA(parent, message, WPARAM(dc), LPARAM(w)))
                                 : nullptr;
  return brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW);
}

void SendDrawItem(HWND w, HDC dc, const ComboBoxState& s, int index, UINT state, const TRect& rect) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_COMBOBOX;
  draw.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
  draw.itemID = UINT(index);
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = state;
  draw.hwndItem = w;
  draw.hDC = dc;
  draw.rcItem = rect;
  draw.itemData = index >= 0 ? ULONG_PTR(s.List(LB_GETITEMDATA, WPARAM(index))) : 0;
  SendMessageA(GetParent(w), WM_DRAWITEM, draw.CtlID, LPARAM(&draw));
}

void DrawSelectedItem(HWND w, HDC dc, const ComboBoxState& s, const TRect& field) {
  const int index = s.dropped ? s.reported : s.Current();
  const bool focused = GetFocus() == w && !s.dropped;
  const bool enabled = IsWindowEnabled(w) != 0;
  TRect inner = field;
  InflateRect(&inner, -1, -1);
  if (s.OwnerDraw()) {
    UINT state = ODS_COMBOBOXEDIT | (focused ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    SendDrawItem(w, dc, s, index, state, inner);
    return;
  }
  if (focused) {
    FillRect(dc, &inner, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if (!enabled) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  const std::string text = index >= 0 ? s.ItemText(index) : std::string();
  TRect textRect = inner;
  textRect.Left += 2;
  DrawTextA(dc, text.data(), int(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (focused) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &inner);
  }
}

}  // namespace

void PaintComboBox(HWND Window, HDC DC, const ComboBoxState& State) {
  TRect client{};
  GetClientRect(Window, &client);
  HGDIOBJ oldFont = State.font != nullptr ? SelectObject(DC, State.font) : nullptr;
  HBRUSH brush = FieldBrush(Window, DC, State);
  SetBkMode(DC, TRANSPARENT);
  if (State.Simple()) {
    FillRect(DC, &client, brush);
  } else {
    TRect edge = client;
    DrawEdge(DC, &edge, EDGE_SUNKEN, BF_RECT);
    TRect field = State.FieldRect();
    FillRect(DC, &field, brush);
    TRect button = State.ButtonRect();
    const UINT pushed = State.buttonDown && State.dropped ? DFCS_PUSHED | DFCS_FLAT : 0;
    DrawFrameControl(DC, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | pushed | (IsWindowEnabled(Window) != 0 ? 0 : DFCS_INACTIVE));
    if (State.ListStyle()) DrawSelectedItem(Window, DC, State, field);
  }
  if (oldFont != nullptr) SelectObject(DC, oldFont);
}
