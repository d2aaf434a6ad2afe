#include "platform/window_classes/combo_box_window.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/os/clock.h"
#include "platform/window_classes/combo_box_paint.h"
#include "platform/window_classes/combo_box_state.h"
#include "platform/window_classes/edit_window.h"
#include "platform/window_classes/font_height.h"
#include "platform/window_classes/list_box_window.h"
#include "platform/user/owner_draw.h"
#include "platform/user/capture.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

// Characters typed closer together than this extend the prefix a drop-down list searches for.
constexpr DWORD kTypingPauseMs = 1000;

// --- keys, shared by the combo box and its edit ---

// Handles the keys a combo box takes from its edit or for itself; false leaves the key alone.
bool ComboKey(ComboBoxState& s, UINT message, WPARAM key, LPARAM flags) {
  const bool alt = message == WM_SYSKEYDOWN && (flags & (LPARAM(1) << 29)) != 0;
  if (!s.Simple() && ((key == VK_F4 && message == WM_KEYDOWN) || (alt && (key == VK_DOWN || key == VK_UP)))) {
    s.Toggle();
    return true;
  }
  if (message != WM_KEYDOWN) return false;
  if (s.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
    s.CloseUp(key == VK_RETURN);
    return true;
  }
  const bool steps = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
                     ((s.ListStyle() || s.dropped) && (key == VK_HOME || key == VK_END));
  if (!steps) return false;
  if (s.extendedUI && !s.dropped && !s.Simple() && key == VK_DOWN) {
    s.DropDown();
    return true;
  }
  s.List(WM_KEYDOWN, key, flags);   // LBN_SELCHANGE comes back for a new selection
  return true;
}

// Typing in the drop-down list style selects the next item starting with what was typed.
LRESULT TypeToSelect(ComboBoxState& s, char ch) {
  if (static_cast<unsigned char>(ch) < 0x20) return 0;
  const DWORD now = GetTickCount();
  if (now - s.lastKeyTime > kTypingPauseMs) s.prefix.clear();
  s.lastKeyTime = now;
  s.prefix += ch;
  const int current = s.Current();
  // A longer prefix may still match the current item; a first character looks past it.
  int found = int(s.List(LB_FINDSTRING, WPARAM(s.prefix.size() > 1 ? current - 1 : current),
                         LPARAM(s.prefix.c_str())));
  if (found < 0 && s.prefix.size() > 1) {
    s.prefix.assign(1, ch);
    found = int(s.List(LB_FINDSTRING, WPARAM(current), LPARAM(s.prefix.c_str())));
  }
  if (found >= 0 && found != current) {
    s.List(LB_SETCURSEL, WPARAM(found));
    s.SelectionChanged();
  }
  return 0;
}

LRESULT ComboEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  ComboBoxState* s = ComboBoxState::Of(GetParent(edit));
  if (s != nullptr) {
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && ComboKey(*s, message, wParam, lParam)) return 0;
    if (message == WM_CHAR && (wParam == '\r' || wParam == 0x1B)) return 0;
  }
  return EditWindowProc(edit, message, wParam, lParam);
}

// --- the mouse ---

// A point of the combo box's client area in the dropped list's client area.
TPoint InList(const ComboBoxState& s, LPARAM pos) {
  TPoint p{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  ClientToScreen(s.Window(), &p);
  ScreenToClient(s.list, &p);
  return p;
}

// The item under a point of the dropped list, -1 when none.
int ItemUnder(const ComboBoxState& s, TPoint p) {
  TRect client{};
  GetClientRect(s.list, &client);
  if (!PtInRect(&client, p)) return -1;
  const LRESULT hit = s.List(LB_ITEMFROMPOINT, 0, MAKELPARAM(WORD(p.X), WORD(p.Y)));
  return HIWORD(hit) != 0 ? -1 : int(LOWORD(hit));
}

// The item under the mouse is highlighted; the parent hears of it only when the list closes.
void Hover(ComboBoxState& s, LPARAM pos) {
  const int index = ItemUnder(s, InList(s, pos));
  if (index >= 0 && index != s.Current()) s.List(LB_SETCURSEL, WPARAM(index));
}

// A press on the dropped list's scroll bar: the list tracks it, then the combo box takes the
// mouse back.
void ScrollDroppedList(ComboBoxState& s, LPARAM pos) {
  TPoint screen{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  ClientToScreen(s.Window(), &screen);
  s.scrollingList = true;
  SendMessageA(s.list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(WORD(screen.X), WORD(screen.Y)));
  s.scrollingList = false;
  if (s.dropped && IsWindow(s.Window())) SetCapture(s.Window());
}

LRESULT OnButtonDown(HWND w, ComboBoxState& s, LPARAM pos) {
  const TPoint p{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  if (s.dropped) {
    TRect listWindow{};
    GetWindowRect(s.list, &listWindow);
    TPoint screen = p;
    ClientToScreen(w, &screen);
    if (!PtInRect(&listWindow, screen)) {
      s.CloseUp(false);
      return 0;
    }
    if (ItemUnder(s, InList(s, pos)) >= 0) {
      s.trackingList = true;
      Hover(s, pos);
    } else {
      ScrollDroppedList(s, pos);
    }
    return 0;
  }
  if (GetFocus() != w && GetFocus() != s.edit) SetFocus(w);
  if (s.Simple() || !IsWindow(w)) return 0;
  const TRect button = s.ButtonRect();
  if (s.ListStyle() || PtInRect(&button, p)) {
    s.buttonDown = true;
    s.DropDown();
  }
  return 0;
}

LRESULT OnButtonUp(ComboBoxState& s, LPARAM pos) {
  if (!s.dropped) return 0;
  const bool pressed = s.trackingList || s.buttonDown;
  s.trackingList = false;
  s.buttonDown = false;
  if (pressed && ItemUnder(s, InList(s, pos)) >= 0) {
    Hover(s, pos);
    s.CloseUp(true);
  } else {
    s.Invalidate();
  }
  return 0;
}

// --- messages ---

void Measure(HWND w, ComboBoxState& s) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_COMBOBOX;
  measure.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
  measure.itemID = UINT(-1);
  measure.itemHeight = UINT(s.fieldHeight);
  SendMessageA(GetParent(w), WM_MEASUREITEM, measure.CtlID, LPARAM(&measure));
  s.fieldHeight = std::max(int(measure.itemHeight), 1);
}

LRESULT OnCreate(HWND w, ComboBoxState& s, LPARAM lParam) {
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  s.fullHeight = cs != nullptr ? cs->cy : 0;
  s.fieldHeight = WindowFontHeight(w, nullptr) + 2;
  if (s.OwnerDraw()) Measure(w, s);
  s.CreateChildren();
  if (s.edit != nullptr) SetWindowLongPtrA(s.edit, GWLP_WNDPROC, LONG_PTR(&ComboEditProc));
  if (s.edit != nullptr && cs != nullptr && cs->lpszName != nullptr) s.SetEditText(cs->lpszName);
  s.SetFieldHeight(s.fieldHeight);
  return 0;
}

// The list's owner-draw requests reach the parent as the combo box's.
LRESULT ForwardOwnerDraw(HWND w, UINT message, LPARAM lParam) {
  const UINT id = UINT(GetWindowLongPtrA(w, GWLP_ID));
  if (message == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    measure->CtlType = ODT_COMBOBOX;
    measure->CtlID = id;
    if (int(measure->itemID) < 0) measure->itemID = 0;   // the rows of a fixed list
  } else {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    draw->CtlType = ODT_COMBOBOX;
    draw->CtlID = id;
    draw->hwndItem = w;
  }
  return SendMessageA(GetParent(w), message, id, lParam);
}

LRESULT OnCommand(ComboBoxState& s, WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  const HWND from = reinterpret_cast<HWND>(lParam);
  if (from == s.list) {
    if (code == LBN_SELCHANGE) s.SelectionChanged();
    if (code == LBN_DBLCLK) s.Notify(CBN_DBLCLK);
    return 0;
  }
  if (from != s.edit) return 0;
  switch (code) {
    case EN_UPDATE:
      if (!s.editingText) s.Notify(CBN_EDITUPDATE);
      break;
    case EN_CHANGE: {
      if (s.editingText) break;
      // Typed text: a dropped list shows the first item it starts; a closed one selects none.
      std::string text(std::size_t(SendMessageA(s.edit, WM_GETTEXTLENGTH, 0, 0)), '\0');
      SendMessageA(s.edit, WM_GETTEXT, text.size() + 1, LPARAM(text.data()));
      const LRESULT found = s.dropped && !text.empty() ? s.List(LB_FINDSTRING, WPARAM(-1), LPARAM(text.c_str())) : -1;
      s.List(LB_SETCURSEL, WPARAM(found));
      if (!s.dropped) s.reported = int(found);
      s.Notify(CBN_EDITCHANGE);
      break;
    }
    case EN_SETFOCUS: s.Notify(CBN_SETFOCUS); break;
    case EN_KILLFOCUS:
      s.CloseUp(false);
      s.Notify(CBN_KILLFOCUS);
      break;
  }
  return 0;
}

LRESULT GetText(const ComboBoxState& s, WPARAM size, char* buffer) {
  if (s.edit != nullptr) return SendMessageA(s.edit, WM_GETTEXT, size, LPARAM(buffer));
  const std::string text = s.Current() >= 0 ? s.ItemText(s.Current()) : std::string();
  if (size == 0 || buffer == nullptr) return 0;
  const std::size_t n = std::min(text.size(), std::size_t(size) - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return LRESULT(n);
}

LRESULT SetText(ComboBoxState& s, const char* text) {
  const std::string value = text != nullptr ? text : "";
  const LRESULT found = s.List(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(value.c_str()));
  if (s.edit != nullptr) {   // the item with this very text becomes the selection, or none
    s.List(LB_SETCURSEL, WPARAM(found));
    s.reported = int(found);
    s.SetEditText(value);
    return TRUE;
  }
  if (found < 0) return CB_ERR;
  s.Select(int(found));
  return TRUE;
}

LRESULT OnSetFont(ComboBoxState& s, WPARAM font, LPARAM redraw) {
  s.font = reinterpret_cast<HGDIOBJ>(font);
  if (s.edit != nullptr) SendMessageA(s.edit, WM_SETFONT, font, redraw);
  s.List(WM_SETFONT, font, redraw);
  if (!s.OwnerDraw()) s.SetFieldHeight(WindowFontHeight(s.Window(), s.font) + 2);
  return 0;
}

LRESULT OnPaint(HWND w, ComboBoxState& s, WPARAM dc) {
  user::PaintClient(w, dc, [&](HDC paintDc) { PaintComboBox(w, paintDc, s); });
  return 0;
}

LRESULT OnFocus(HWND w, ComboBoxState& s, bool gained, HWND other) {
  if (s.edit != nullptr) {
    if (gained) {
      SetFocus(s.edit);
      SendMessageA(s.edit, EM_SETSEL, 0, -1);
    }
    return 0;   // the edit's own focus reports for the combo box
  }
  if (!gained) s.CloseUp(false);
  if (other != w) s.Notify(gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
  s.Invalidate();
  return 0;
}

LRESULT OnWindowPosChanging(ComboBoxState& s, LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  if (s.Simple() || (pos->flags & SWP_NOSIZE) != 0) return 0;
  s.fullHeight = pos->cy;
  pos->cy = s.WindowHeight();
  return 0;
}

LRESULT EditMessage(ComboBoxState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  if (s.edit == nullptr) return CB_ERR;
  switch (message) {
    case CB_GETEDITSEL: {
      DWORD start = 0, end = 0;
      SendMessageA(s.edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
      return MAKELONG(WORD(start), WORD(end));
    }
    case CB_SETEDITSEL:
      SendMessageA(s.edit, EM_SETSEL, WPARAM(std::int16_t(LOWORD(lParam))), LPARAM(std::int16_t(HIWORD(lParam))));
      return TRUE;
    default:   // CB_LIMITTEXT
      SendMessageA(s.edit, EM_LIMITTEXT, wParam, 0);
      return TRUE;
  }
}

LRESULT Info(const ComboBoxState& s, COMBOBOXINFO* info) {
  if (info == nullptr) return FALSE;
  info->rcItem = s.FieldRect();
  if (!s.Simple()) InflateRect(&info->rcItem, -1, -1);
  info->rcButton = s.ButtonRect();
  info->stateButton = s.Simple() ? STATE_SYSTEM_INVISIBLE : s.buttonDown ? STATE_SYSTEM_PRESSED : 0;
  info->hwndCombo = s.Window();
  info->hwndItem = s.edit;
  info->hwndList = s.list;
  return TRUE;
}

LRESULT ItemHeight(ComboBoxState& s, UINT message, WPARAM index, LPARAM height) {
  if (message == CB_GETITEMHEIGHT) return int(index) == -1 ? s.fieldHeight : s.List(LB_GETITEMHEIGHT, index);
  if (LOWORD(height) == 0 || LOWORD(height) > 255) return CB_ERR;
  if (int(index) == -1) {
    s.SetFieldHeight(LOWORD(height));
    return CB_OKAY;
  }
  return s.List(LB_SETITEMHEIGHT, index, height);
}

LRESULT ComboMessage(HWND w, ComboBoxState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_GETEDITSEL:
    case CB_SETEDITSEL:
    case CB_LIMITTEXT: return EditMessage(s, message, wParam, lParam);
    case CB_ADDSTRING: return s.List(LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING: return s.List(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: {
      const LRESULT left = s.List(LB_DELETESTRING, wParam, lParam);
      s.reported = s.Current();
      s.Invalidate();
      return left;
    }
    case CB_RESETCONTENT:
      s.List(LB_RESETCONTENT);
      s.reported = -1;
      s.ShowInField(-1);
      return CB_OKAY;
    case CB_GETCOUNT: return s.List(LB_GETCOUNT);
    case CB_GETCURSEL: return s.Current();
    case CB_SETCURSEL:
      s.Select(int(wParam));
      return s.Current() == int(wParam) && int(wParam) >= 0 ? LRESULT(wParam) : CB_ERR;
    case CB_GETLBTEXT: return s.List(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return s.List(LB_GETTEXTLEN, wParam, lParam);
    case CB_GETITEMDATA: return s.List(LB_GETITEMDATA, wParam, lParam);
    case CB_SETITEMDATA: return s.List(LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRING: return s.List(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return s.List(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
      const LRESULT found = s.List(LB_FINDSTRING, wParam, lParam);
      if (found >= 0) s.Select(int(found));
      return found;
    }
    case CB_SHOWDROPDOWN:
      if (wParam != 0) s.DropDown(); else s.CloseUp(false);
      return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: *reinterpret_cast<TRect*>(lParam) = s.DroppedRect(); return TRUE;
    case CB_SETITEMHEIGHT:
    case CB_GETITEMHEIGHT: return ItemHeight(s, message, wParam, lParam);
    case CB_SETEXTENDEDUI: s.extendedUI = wParam != 0; return CB_OKAY;
    case CB_GETEXTENDEDUI: return s.extendedUI ? TRUE : FALSE;
    case CB_GETTOPINDEX: return s.List(LB_GETTOPINDEX);
    case CB_SETTOPINDEX: return s.List(LB_SETTOPINDEX, wParam);
    case CB_GETHORIZONTALEXTENT: return s.List(LB_GETHORIZONTALEXTENT);
    case CB_SETHORIZONTALEXTENT: return s.List(LB_SETHORIZONTALEXTENT, wParam);
    case CB_SETDROPPEDWIDTH: s.droppedWidth = std::max(int(wParam), 0); return s.DroppedRect().Width();
    case CB_GETDROPPEDWIDTH: return s.DroppedRect().Width();
    case CB_GETCOMBOBOXINFO: return Info(s, reinterpret_cast<COMBOBOXINFO*>(lParam));
  }
  return DefWindowProcA(w, message, wParam, lParam);
}

LRESULT OnDestroy(HWND w, ComboBoxState& s) {
  s.CloseUp(false);
  if (!s.Simple() && s.list != nullptr) DestroyWindow(s.list);
  s.list = nullptr;
  return DefWindowProcA(w, WM_DESTROY, 0, 0);
}

}  // namespace

void RegisterComboBoxClass() {
  user::EnsureClassRegistered(user::ClassRecord("COMBOBOX", &ComboBoxWindowProc,
                                                CS_DBLCLKS | CS_PARENTDC, int(sizeof(LONG_PTR))));
}

LRESULT ComboBoxWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) user::AttachWindowState(w, new ComboBoxState(w));
  ComboBoxState* state = ComboBoxState::Of(w);
  if (state == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  ComboBoxState& s = *state;
  if (message >= CB_GETEDITSEL && message <= CB_GETCOMBOBOXINFO) return ComboMessage(w, s, message, wParam, lParam);
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    HWND parent = GetParent(w);
    return parent != nullptr ? SendMessageA(parent, message, wParam, LPARAM(w)) : 0;
  }
  switch (message) {
    case WM_NCDESTROY:
      user::FreeWindowState<ComboBoxState>(w);
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_CREATE: return OnCreate(w, s, lParam);
    case WM_DESTROY: return OnDestroy(w, s);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(s, lParam);
    case WM_SIZE: s.Layout(); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(w, s, wParam);
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return OnSetFont(s, wParam, lParam);
    case WM_GETFONT: return LRESULT(s.font);
    case WM_SETFOCUS: return OnFocus(w, s, true, reinterpret_cast<HWND>(wParam));
    case WM_KILLFOCUS: return OnFocus(w, s, false, reinterpret_cast<HWND>(wParam));
    case WM_ENABLE:
      if (s.edit != nullptr) EnableWindow(s.edit, BOOL(wParam));
      if (wParam == 0) s.CloseUp(false);
      s.Invalidate();
      return 0;
    case WM_COMMAND: return OnCommand(s, wParam, lParam);
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return ForwardOwnerDraw(w, message, lParam);
    case WM_GETTEXT: return GetText(s, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: return s.edit != nullptr ? SendMessageA(s.edit, WM_GETTEXTLENGTH, 0, 0)
                                                    : LRESULT(s.Current() >= 0 ? s.ItemText(s.Current()).size() : 0);
    case WM_SETTEXT: return SetText(s, reinterpret_cast<const char*>(lParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(w, s, lParam);
    case WM_MOUSEMOVE:
      if (s.dropped) Hover(s, lParam);
      return 0;
    case WM_LBUTTONUP: return OnButtonUp(s, lParam);
    case WM_CAPTURECHANGED:
      if (s.dropped && !s.scrollingList && reinterpret_cast<HWND>(lParam) != w) s.CloseUp(false);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ComboKey(s, message, wParam, lParam)) return 0;
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_CHAR: return s.ListStyle() ? TypeToSelect(s, char(wParam)) : 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (s.dropped ? DLGC_WANTALLKEYS : 0);
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
