#include "platform/window_classes/list_box_window.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/window_classes/font_height.h"
#include "platform/window_classes/list_box_paint.h"
#include "platform/window_classes/list_box_state.h"
#include "platform/user/owner_draw.h"
#include "platform/user/capture.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/key_state.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/system_parameters.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

bool Down(int vk) { return GetKeyState(vk) < 0; }

bool HasStrings(const ListBoxState& s) {
  return (s.Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0 || (s.Style() & LBS_HASSTRINGS) != 0;
}

void Measure(HWND w, ListBoxState& s, int index) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_LISTBOX;
  measure.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
  measure.itemID = UINT(index);
  measure.itemHeight = UINT(s.FixedHeight());
  measure.itemData = index >= 0 ? s.At(index).Data : 0;
  SendMessageA(s.Parent(), WM_MEASUREITEM, measure.CtlID, LPARAM(&measure));
  s.SetItemHeight(index, int(measure.itemHeight));
}

LRESULT Inserted(HWND w, ListBoxState& s, int index) {
  if ((s.Style() & LBS_OWNERDRAWVARIABLE) != 0) Measure(w, s, index);
  return index;
}

std::string TextArgument(const ListBoxState& s, LPARAM lParam) {
  return HasStrings(s) && lParam != 0 ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
}

ULONG_PTR DataArgument(const ListBoxState& s, LPARAM lParam) { return HasStrings(s) ? 0 : ULONG_PTR(lParam); }

// --- selection by the user ---

// Moves the caret to `index` as a click or a key does, with the modifiers held, and reports
// whether the selection changed.
bool MoveTo(ListBoxState& s, int index, bool shift, bool control, bool toggle) {
  if (!s.Valid(index)) return false;
  bool changed = false;
  if (s.Single()) {
    changed = s.SelectOnly(index);
  } else if (!s.Extended()) {
    if (toggle) changed = s.SetSelected(index, !s.At(index).Selected);
  } else if (shift) {
    const int anchor = s.Anchor() >= 0 ? s.Anchor() : index;
    if (!control) changed = s.SelectRange(0, s.Count() - 1, false);
    changed |= s.SelectRange(std::min(anchor, index), std::max(anchor, index), true);
  } else if (control) {
    if (toggle) changed = s.SetSelected(index, !s.At(index).Selected);
    s.SetAnchor(index);
  } else {
    changed = s.SelectOnly(index);
    s.SetAnchor(index);
  }
  s.SetCaret(index);
  s.EnsureVisible(index);
  return changed;
}

LRESULT OnButtonDown(HWND w, ListBoxState& s, UINT message, WPARAM keys, LPARAM pos) {
  if (GetFocus() != w) SetFocus(w);
  SetCapture(w);
  s.captured = true;
  bool outside = false;
  const int index = s.ItemAt(GET_Y_LPARAM(pos), outside);
  if (!outside || s.Single()) {
    MoveTo(s, index, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0, true);
    s.Notify(LBN_SELCHANGE);
  }
  if (message == WM_LBUTTONDBLCLK && !outside) s.Notify(LBN_DBLCLK);
  return 0;
}

// Dragging with the button held moves a single selection, or an extended range from the anchor.
LRESULT OnMouseMove(ListBoxState& s, WPARAM keys, LPARAM pos) {
  if (!s.captured || (!s.Single() && !s.Extended())) return 0;
  bool outside = false;
  const int index = s.ItemAt(GET_Y_LPARAM(pos), outside);
  if (index != s.Caret() && MoveTo(s, index, s.Extended(), (keys & MK_CONTROL) != 0, false))
    s.Notify(LBN_SELCHANGE);
  return 0;
}

int KeyTarget(const ListBoxState& s, WPARAM key) {
  const int caret = std::max(s.Caret(), 0);
  const int page = s.RowsShown();
  switch (key) {
    case VK_UP: return s.Caret() < 0 ? 0 : caret - 1;
    case VK_DOWN: return s.Caret() < 0 ? 0 : caret + 1;
    case VK_PRIOR: return std::max(caret - (page - 1), 0);
    case VK_NEXT: return std::min(caret + (page - 1), s.Count() - 1);
    case VK_HOME: return 0;
    case VK_END: return s.Count() - 1;
  }
  return -1;
}

LRESULT OnKeyDown(HWND w, ListBoxState& s, WPARAM key) {
  if (key == VK_SPACE && !s.Single() && s.Valid(s.Caret())) {
    const int caret = s.Caret();
    if (MoveTo(s, caret, Down(VK_SHIFT), !s.Extended() || Down(VK_CONTROL), true)) s.Notify(LBN_SELCHANGE);
    return 0;
  }
  const int target = KeyTarget(s, key);
  if (target < 0) return DefWindowProcA(w, WM_KEYDOWN, key, 0);
  // In a multiple-selection list, and with Ctrl in an extended one, keys move only the caret.
  const bool caretOnly = (!s.Single() && !s.Extended()) || (s.Extended() && Down(VK_CONTROL) && !Down(VK_SHIFT));
  if (caretOnly) {
    s.SetCaret(std::clamp(target, 0, s.Count() - 1));
    s.EnsureVisible(s.Caret());
    return 0;
  }
  if (MoveTo(s, std::clamp(target, 0, s.Count() - 1), Down(VK_SHIFT), false, false)) s.Notify(LBN_SELCHANGE);
  return 0;
}

// A typed character selects the next item starting with it.
LRESULT OnChar(ListBoxState& s, WPARAM ch) {
  if (ch < 0x20 || !HasStrings(s)) return 0;
  const int found = s.Find(s.Caret(), std::string(1, char(ch)), false);
  if (found >= 0 && MoveTo(s, found, false, false, false)) s.Notify(LBN_SELCHANGE);
  return 0;
}

LRESULT OnScroll(ListBoxState& s, WPARAM wParam) {
  const int page = s.RowsShown();
  switch (LOWORD(wParam)) {
    case SB_LINEUP: s.SetTop(s.Top() - 1); break;
    case SB_LINEDOWN: s.SetTop(s.Top() + 1); break;
    case SB_PAGEUP: s.SetTop(s.Top() - page); break;
    case SB_PAGEDOWN: s.SetTop(s.Top() + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: s.SetTop(int(HIWORD(wParam))); break;
    case SB_TOP: s.SetTop(0); break;
    case SB_BOTTOM: s.SetTop(s.Count()); break;
  }
  return 0;
}

// --- messages ---

LRESULT CopyText(const ListBoxState& s, WPARAM index, LPARAM buffer) {
  if (!s.Valid(int(index))) return LB_ERR;
  if (!HasStrings(s)) {
    std::memcpy(reinterpret_cast<void*>(buffer), &s.At(int(index)).Data, sizeof(ULONG_PTR));
    return sizeof(ULONG_PTR);
  }
  const std::string& text = s.At(int(index)).Text;
  std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
  return LRESULT(text.size());
}

LRESULT SelectString(ListBoxState& s, WPARAM after, LPARAM text) {
  const int found = s.Find(int(after), TextArgument(s, text), false);
  if (found < 0) return LB_ERR;
  if (s.Single()) MoveTo(s, found, false, false, false);
  return found;
}

LRESULT SelectionMessage(ListBoxState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_SETCURSEL:
      if (!s.Single()) return LB_ERR;
      if (!s.Valid(int(wParam))) {
        s.SelectOnly(-1);
        return int(wParam) == -1 ? LB_OKAY : LB_ERR;
      }
      MoveTo(s, int(wParam), false, false, false);
      return LRESULT(wParam);
    case LB_GETCURSEL: return s.Single() ? s.Current() : s.Caret();
    case LB_SETSEL:
      if (s.Single() || (int(lParam) != -1 && !s.Valid(int(lParam)))) return LB_ERR;
      s.SetSelected(int(lParam), wParam != 0);
      if (int(lParam) != -1) s.SetCaret(int(lParam));
      return LB_OKAY;
    case LB_GETSEL: return s.Valid(int(wParam)) ? LRESULT(s.At(int(wParam)).Selected) : LB_ERR;
    case LB_GETSELCOUNT: return s.Single() ? LB_ERR : s.SelectedCount();
    case LB_GETSELITEMS: {
      if (s.Single()) return LB_ERR;
      auto* out = reinterpret_cast<int*>(lParam);
      int n = 0;
      for (int i = 0; i < s.Count() && n < int(wParam); ++i)
        if (s.At(i).Selected) out[n++] = i;
      return n;
    }
    case LB_SELITEMRANGE:
      if (s.Single()) return LB_ERR;
      s.SelectRange(LOWORD(lParam), HIWORD(lParam), wParam != 0);
      return LB_OKAY;
    case LB_SELITEMRANGEEX:
      if (s.Single()) return LB_ERR;
      if (int(wParam) <= int(lParam))
        s.SelectRange(int(wParam), int(lParam), true);
      else
        s.SelectRange(int(lParam), int(wParam), false);
      return LB_OKAY;
    case LB_GETCARETINDEX: return s.Caret();
    case LB_SETCARETINDEX:
      if (!s.Valid(int(wParam))) return LB_ERR;
      s.SetCaret(int(wParam));
      s.EnsureVisible(int(wParam));
      return LB_OKAY;
    case LB_GETANCHORINDEX: return s.Anchor();
    case LB_SETANCHORINDEX:
      if (!s.Valid(int(wParam))) return LB_ERR;
      s.SetAnchor(int(wParam));
      return LB_OKAY;
    case LB_SELECTSTRING: return SelectString(s, wParam, lParam);
  }
  return LB_ERR;
}

LRESULT ItemMessage(HWND w, ListBoxState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_ADDSTRING: return Inserted(w, s, s.Add(TextArgument(s, lParam), DataArgument(s, lParam)));
    case LB_INSERTSTRING:
      if (int(wParam) != -1 && (int(wParam) < 0 || int(wParam) > s.Count())) return LB_ERR;
      return Inserted(w, s, s.Insert(int(wParam), TextArgument(s, lParam), DataArgument(s, lParam)));
    case LB_DELETESTRING: return s.Delete(int(wParam));
    case LB_RESETCONTENT: s.Reset(); return 0;
    case LB_GETCOUNT: return s.Count();
    case LB_GETTEXT: return CopyText(s, wParam, lParam);
    case LB_GETTEXTLEN:
      if (!s.Valid(int(wParam))) return LB_ERR;
      return HasStrings(s) ? LRESULT(s.At(int(wParam)).Text.size()) : LRESULT(sizeof(ULONG_PTR));
    case LB_GETITEMDATA: return s.Valid(int(wParam)) ? LRESULT(s.At(int(wParam)).Data) : LB_ERR;
    case LB_SETITEMDATA:
      if (!s.Valid(int(wParam))) return LB_ERR;
      s.At(int(wParam)).Data = ULONG_PTR(lParam);
      return LB_OKAY;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: return s.Find(int(wParam), TextArgument(s, lParam), message == LB_FINDSTRINGEXACT);
    case LB_GETTOPINDEX: return s.Top();
    case LB_SETTOPINDEX:
      if (!s.Valid(int(wParam)) && !(wParam == 0 && s.Count() == 0)) return LB_ERR;
      s.SetTop(int(wParam));
      return LB_OKAY;
    case LB_GETITEMHEIGHT: return s.ItemHeight(int(wParam));
    case LB_SETITEMHEIGHT:
      if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return LB_ERR;
      s.SetItemHeight(int(wParam), LOWORD(lParam));
      return LB_OKAY;
    case LB_GETITEMRECT: {
      if (!s.Valid(int(wParam))) return LB_ERR;
      s.ItemRect(int(wParam), *reinterpret_cast<TRect*>(lParam));
      return 1;
    }
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      const int index = s.ItemAt(GET_Y_LPARAM(lParam), outside);
      return MAKELONG(WORD(std::max(index, 0)), WORD(outside ? 1 : 0));
    }
    case LB_GETHORIZONTALEXTENT: return s.horizontalExtent;
    case LB_SETHORIZONTALEXTENT: s.horizontalExtent = LRESULT(wParam); return 0;
  }
  return SelectionMessage(s, message, wParam, lParam);
}

LRESULT OnCreate(HWND w, ListBoxState& s) {
  s.scrollBar = (s.Style() & WS_VSCROLL) != 0;
  s.SetFixedHeight(WindowFontHeight(w, nullptr));
  if ((s.Style() & LBS_OWNERDRAWFIXED) != 0) Measure(w, s, -1);
  s.UpdateScrollBar();
  return 0;
}

LRESULT OnPaint(HWND w, ListBoxState& s, WPARAM dc) {
  user::PaintClient(w, dc, [&](HDC paintDc) { PaintListBox(w, paintDc, s); });
  return 0;
}

LRESULT OnFocus(ListBoxState& s, bool gained) {
  s.InvalidateItem(s.Caret());
  s.Notify(gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
  return 0;
}

LRESULT OnSetFont(HWND w, ListBoxState& s, WPARAM font, LPARAM redraw) {
  s.font = reinterpret_cast<HGDIOBJ>(font);
  if ((s.Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0) s.SetFixedHeight(WindowFontHeight(w, s.font));
  s.UpdateScrollBar();
  if (redraw != 0) InvalidateRect(w, nullptr, TRUE);
  return 0;
}

void OnNcCreate(HWND w, LPARAM lParam) {
  auto* s = new ListBoxState(w);
  const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  if ((s->Style() & LBS_COMBOBOX) != 0 && cs != nullptr) s->combo = static_cast<HWND>(cs->lpCreateParams);
  user::AttachWindowState(w, s);
}

}  // namespace

void RegisterListBoxClass() {
  user::EnsureClassRegistered(user::ClassRecord("LISTBOX", &ListBoxWindowProc,
                                                CS_DBLCLKS | CS_PARENTDC, int(sizeof(LONG_PTR))));
}

LRESULT ListBoxWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) OnNcCreate(w, lParam);
  ListBoxState* state = ListBoxState::Of(w);
  if (state == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  ListBoxState& s = *state;
  if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) return ItemMessage(w, s, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      user::FreeWindowState<ListBoxState>(w);
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_CREATE: return OnCreate(w, s);
    case WM_SIZE: s.UpdateScrollBar(); return 0;
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(w, s, wParam);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(w, s, message, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(s, wParam, lParam);
    case WM_LBUTTONUP:
      if (s.captured) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED: s.captured = false; return 0;
    case WM_KEYDOWN: return OnKeyDown(w, s, wParam);
    case WM_CHAR: return OnChar(s, wParam);
    case WM_VSCROLL: return OnScroll(s, wParam);
    case WM_MOUSEWHEEL: s.SetTop(s.Top() + user::WheelScrollLines(GET_WHEEL_DELTA_WPARAM(wParam))); return 0;
    case WM_SETFOCUS: return OnFocus(s, true);
    case WM_KILLFOCUS: return OnFocus(s, false);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ENABLE: InvalidateRect(w, nullptr, TRUE); return 0;
    case WM_SETFONT: return OnSetFont(w, s, wParam, lParam);
    case WM_GETFONT: return LRESULT(s.font);
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
