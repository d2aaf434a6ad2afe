#include "platform/window_classes/edit_context_menu.h"

#include "platform/user/caret.h"
#include "platform/user/clipboard.h"
#include "platform/user/focus.h"
#include "platform/user/menu.h"
#include "platform/user/send_message.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

namespace {

struct EditState {
  bool readOnly, password, selection, text, canUndo;
};

EditState StateOf(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return EditState{(GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) != 0,
                   SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0) != 0, start != end,
                   SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) > 0, SendMessageA(edit, EM_CANUNDO, 0, 0) != 0};
}

void Append(HMENU menu, UINT id, const char* text, bool enabled) {
  AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text);
}

HMENU BuildMenu(const EditState& s) {
  HMENU menu = CreatePopupMenu();
  Append(menu, WM_UNDO, "&Undo", s.canUndo && !s.readOnly);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  Append(menu, WM_CUT, "Cu&t", s.selection && !s.readOnly && !s.password);
  Append(menu, WM_COPY, "&Copy", s.selection && !s.password);
  Append(menu, WM_PASTE, "&Paste", !s.readOnly && IsClipboardFormatAvailable(CF_TEXT));
  Append(menu, WM_CLEAR, "&Delete", s.selection && !s.readOnly);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  Append(menu, EM_SETSEL, "Select &All", s.text);
  return menu;
}

// Where the menu opens: the point of a mouse request, the caret for a keyboard one.
TPoint MenuPoint(HWND edit, LPARAM screenPoint) {
  TPoint point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  if (point.X != -1 || point.Y != -1) return point;
  if (!GetCaretPos(&point)) point = TPoint{0, 0};
  ClientToScreen(edit, &point);
  return point;
}

}  // namespace

void ShowEditContextMenu(HWND edit, LPARAM screenPoint) {
  if (GetFocus() != edit) SetFocus(edit);
  HMENU menu = BuildMenu(StateOf(edit));
  const TPoint point = MenuPoint(edit, screenPoint);
  const UINT chosen =
      UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.X, point.Y, 0, edit, nullptr));
  DestroyMenu(menu);
  if (chosen == EM_SETSEL)
    SendMessageA(edit, EM_SETSEL, 0, -1);
  else if (chosen != 0)
    SendMessageA(edit, chosen, 0, 0);
}
