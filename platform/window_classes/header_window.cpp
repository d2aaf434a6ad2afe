#include "platform/window_classes/header_window.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_text.h"
#include "platform/window_classes/font_height.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/owner_draw.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

struct HeaderItem {
  std::string text;
  int width = 0;
  int fmt = HDF_LEFT | HDF_STRING;
  LPARAM lParam = 0;
  int image = -1;
};

// The state of one header window, kept in its first extra slot from WM_NCCREATE to WM_NCDESTROY.
struct HeaderState {
  std::vector<HeaderItem> items;
  std::vector<int> order;   // item indexes in display order
  HFONT font = nullptr;
  int tracked = -1;         // the item whose divider is being dragged
  int trackOffset = 0;      // mouse x minus the tracked item's right edge when the drag began
  int pressed = -1;         // the item held down with the mouse
  bool pressedShown = false;

  static HeaderState* Of(HWND w) { return user::WindowStateOf<HeaderState>(w); }
  int Count() const { return int(items.size()); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }

  int LeftOf(int index) const {
    int left = 0;
    for (int i : order) {
      if (i == index) break;
      left += items[size_t(i)].width;
    }
    return left;
  }
  TRect ItemRect(HWND w, int index) const {
    TRect client{};
    GetClientRect(w, &client);
    const int left = LeftOf(index);
    return TRect{left, 0, left + items[size_t(index)].width, client.Bottom};
  }
};

HDITEMA WidthItem(int width) {
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  item.cxy = width;
  return item;
}

LRESULT Notify(HWND w, UINT code, int item, HDITEMA* pitem = nullptr, int button = 0) {
  NMHEADERA header{};
  header.hdr.hwndFrom = w;
  header.hdr.idFrom = UINT_PTR(GetWindowLongPtrA(w, GWLP_ID));
  header.hdr.code = code;
  header.iItem = item;
  header.iButton = button;
  header.pitem = pitem;
  return SendMessageA(GetParent(w), WM_NOTIFY, WPARAM(header.hdr.idFrom), LPARAM(&header));
}

// --- items ---

void Apply(HeaderItem& item, const HDITEMA& source) {
  if ((source.mask & HDI_WIDTH) != 0) item.width = std::max(0, source.cxy);
  if ((source.mask & HDI_TEXT) != 0) item.text = source.pszText != nullptr ? source.pszText : "";
  if ((source.mask & HDI_FORMAT) != 0) item.fmt = source.fmt;
  if ((source.mask & HDI_LPARAM) != 0) item.lParam = source.lParam;
  if ((source.mask & HDI_IMAGE) != 0) item.image = source.iImage;
}

void PlaceInOrder(HeaderState& s, int index, int position) {
  s.order.erase(std::remove(s.order.begin(), s.order.end(), index), s.order.end());
  position = std::clamp(position, 0, int(s.order.size()));
  s.order.insert(s.order.begin() + position, index);
}

LRESULT InsertItem(HWND w, HeaderState& s, int index, const HDITEMA* source) {
  if (source == nullptr || index < 0) return -1;
  index = std::min(index, s.Count());
  HeaderItem item;
  Apply(item, *source);
  s.items.insert(s.items.begin() + index, item);
  for (int& i : s.order)
    if (i >= index) ++i;
  const bool ordered = (source->mask & HDI_ORDER) != 0;
  PlaceInOrder(s, index, ordered ? source->iOrder : index);
  InvalidateRect(w, nullptr, TRUE);
  return index;
}

LRESULT DeleteItem(HWND w, HeaderState& s, int index) {
  if (!s.Valid(index)) return FALSE;
  s.items.erase(s.items.begin() + index);
  s.order.erase(std::remove(s.order.begin(), s.order.end(), index), s.order.end());
  for (int& i : s.order)
    if (i > index) --i;
  s.pressed = s.tracked = -1;
  InvalidateRect(w, nullptr, TRUE);
  return TRUE;
}

LRESULT GetItem(const HeaderState& s, int index, HDITEMA* target) {
  if (!s.Valid(index) || target == nullptr) return FALSE;
  const HeaderItem& item = s.items[size_t(index)];
  if ((target->mask & HDI_WIDTH) != 0) target->cxy = item.width;
  if ((target->mask & HDI_TEXT) != 0 && target->pszText != nullptr && target->cchTextMax > 0) {
    const size_t n = std::min(item.text.size(), size_t(target->cchTextMax - 1));
    std::memcpy(target->pszText, item.text.data(), n);
    target->pszText[n] = '\0';
  }
  if ((target->mask & HDI_FORMAT) != 0) target->fmt = item.fmt;
  if ((target->mask & HDI_LPARAM) != 0) target->lParam = item.lParam;
  if ((target->mask & HDI_IMAGE) != 0) target->iImage = item.image;
  if ((target->mask & HDI_ORDER) != 0)
    target->iOrder = int(std::find(s.order.begin(), s.order.end(), index) - s.order.begin());
  return TRUE;
}

// Every change goes through here: the parent may refuse it, and hears of it after.
LRESULT SetItem(HWND w, HeaderState& s, int index, HDITEMA* source) {
  if (!s.Valid(index) || source == nullptr) return FALSE;
  if (Notify(w, HDN_ITEMCHANGINGA, index, source) != 0) return FALSE;
  Apply(s.items[size_t(index)], *source);
  if ((source->mask & HDI_ORDER) != 0) PlaceInOrder(s, index, source->iOrder);
  InvalidateRect(w, nullptr, TRUE);
  Notify(w, HDN_ITEMCHANGEDA, index, source);
  return TRUE;
}

LRESULT HitTest(HWND w, const HeaderState& s, HDHITTESTINFO* info) {
  if (info == nullptr) return -1;
  TRect client{};
  GetClientRect(w, &client);
  const TPoint p = info->pt;
  info->iItem = -1;
  info->flags = 0;
  if (p.Y < 0) info->flags |= HHT_ABOVE;
  if (p.Y >= client.Bottom) info->flags |= HHT_BELOW;
  if (p.X < 0) info->flags |= HHT_TOLEFT;
  if (p.X >= client.Right) info->flags |= HHT_TORIGHT;
  if (info->flags != 0) return -1;
  // Dividers first: the last edge within reach wins, a zero-width item only right of its edge.
  for (auto it = s.order.rbegin(); it != s.order.rend(); ++it) {
    const int right = s.LeftOf(*it) + s.items[size_t(*it)].width;
    const bool open = s.items[size_t(*it)].width == 0;
    if (p.X >= (open ? right : right - HHT_DIVIDER_ZONE) && p.X < right + HHT_DIVIDER_ZONE) {
      info->iItem = *it;
      info->flags = open ? HHT_ONDIVOPEN : HHT_ONDIVIDER;
      return *it;
    }
  }
  for (int i : s.order) {
    const TRect r = s.ItemRect(w, i);
    if (p.X >= r.Left && p.X < r.Right) {
      info->iItem = i;
      info->flags = HHT_ONHEADER;
      return i;
    }
  }
  info->flags = HHT_NOWHERE;
  return -1;
}

LRESULT Layout(HWND w, const HeaderState& s, HDLAYOUT* layout) {
  if (layout == nullptr || layout->prc == nullptr || layout->pwpos == nullptr) return FALSE;
  const HGDIOBJ font = s.font != nullptr ? HGDIOBJ(s.font) : GetStockObject(DEFAULT_GUI_FONT);
  const int height = (GetWindowLongPtrA(w, GWL_STYLE) & HDS_HIDDEN) != 0 ? 0 : WindowFontHeight(w, font) + 6;
  TRect& r = *layout->prc;
  *layout->pwpos = WINDOWPOS{};
  layout->pwpos->hwnd = w;
  layout->pwpos->x = r.Left;
  layout->pwpos->y = r.Top;
  layout->pwpos->cx = r.Right - r.Left;
  layout->pwpos->cy = height;
  r.Top += height;
  return TRUE;
}

// --- mouse ---

HDHITTESTINFO HitAt(HWND w, const HeaderState& s, LPARAM pos) {
  HDHITTESTINFO info{};
  info.pt = TPoint{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  HitTest(w, s, &info);
  return info;
}

void SetPressedShown(HWND w, HeaderState& s, bool shown) {
  if (s.pressedShown == shown) return;
  s.pressedShown = shown;
  const TRect r = s.ItemRect(w, s.pressed);
  InvalidateRect(w, &r, TRUE);
}

LRESULT OnButtonDown(HWND w, HeaderState& s, LPARAM pos, bool dbl) {
  const HDHITTESTINFO hit = HitAt(w, s, pos);
  const bool divider = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0;
  if (dbl) {
    if (hit.iItem >= 0) Notify(w, divider ? HDN_DIVIDERDBLCLICKA : HDN_ITEMDBLCLICKA, hit.iItem);
    return 0;
  }
  if (divider) {
    HDITEMA item = WidthItem(s.items[size_t(hit.iItem)].width);
    if (Notify(w, HDN_BEGINTRACKA, hit.iItem, &item) != 0) return 0;
    s.tracked = hit.iItem;
    s.trackOffset = hit.pt.X - (s.LeftOf(hit.iItem) + item.cxy);
    SetCapture(w);
  } else if (hit.iItem >= 0 && (GetWindowLongPtrA(w, GWL_STYLE) & HDS_BUTTONS) != 0) {
    s.pressed = hit.iItem;
    SetCapture(w);
    SetPressedShown(w, s, true);
  }
  return 0;
}

void EndTrack(HWND w, HeaderState& s) {
  const int item = s.tracked;
  s.tracked = -1;
  HDITEMA info = WidthItem(s.items[size_t(item)].width);
  Notify(w, HDN_ENDTRACKA, item, &info);
}

LRESULT OnMouseMove(HWND w, HeaderState& s, LPARAM pos) {
  const int x = GET_X_LPARAM(pos);
  if (s.tracked >= 0) {
    HDITEMA item = WidthItem(std::max(0, x - s.trackOffset - s.LeftOf(s.tracked)));
    if (Notify(w, HDN_TRACKA, s.tracked, &item) != 0) {
      ReleaseCapture();
      return 0;
    }
    if (item.cxy != s.items[size_t(s.tracked)].width) SetItem(w, s, s.tracked, &item);
  } else if (s.pressed >= 0) {
    const TRect r = s.ItemRect(w, s.pressed);
    SetPressedShown(w, s, PtInRect(&r, TPoint{x, GET_Y_LPARAM(pos)}) != 0);
  }
  return 0;
}

LRESULT OnButtonUp(HWND w, HeaderState& s) {
  const int clicked = s.pressed >= 0 && s.pressedShown ? s.pressed : -1;
  if (GetCapture() == w) ReleaseCapture();
  if (clicked >= 0) Notify(w, HDN_ITEMCLICKA, clicked);
  return 0;
}

void OnCaptureLost(HWND w, HeaderState& s) {
  if (s.tracked >= 0) EndTrack(w, s);
  if (s.pressed >= 0) {
    SetPressedShown(w, s, false);
    s.pressed = -1;
  }
}

LRESULT OnSetCursor(HWND w, HeaderState& s, WPARAM wParam, LPARAM lParam) {
  TPoint p{};
  GetCursorPos(&p);
  ScreenToClient(w, &p);
  const HDHITTESTINFO hit = HitAt(w, s, MAKELPARAM(p.X, p.Y));
  if (s.tracked >= 0 || (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0) {
    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    return TRUE;
  }
  return DefWindowProcA(w, WM_SETCURSOR, wParam, lParam);
}

// --- painting ---

UINT TextFormat(int fmt) {
  switch (fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return DT_RIGHT;
    case HDF_CENTER: return DT_CENTER;
    default: return DT_LEFT;
  }
}

void PaintItem(HWND w, HDC dc, const HeaderState& s, int index) {
  const HeaderItem& item = s.items[size_t(index)];
  TRect r = s.ItemRect(w, index);
  const bool pressed = index == s.pressed && s.pressedShown;
  if ((item.fmt & HDF_OWNERDRAW) != 0) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_HEADER;
    draw.CtlID = UINT(GetWindowLongPtrA(w, GWLP_ID));
    draw.itemID = UINT(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = pressed ? ODS_SELECTED : 0;
    draw.hwndItem = w;
    draw.hDC = dc;
    draw.rcItem = r;
    draw.itemData = ULONG_PTR(item.lParam);
    SendMessageA(GetParent(w), WM_DRAWITEM, WPARAM(draw.CtlID), LPARAM(&draw));
    return;
  }
  TRect frame = r;
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  InflateRect(&r, -kHeaderTextMargin, 0);
  if (pressed) OffsetRect(&r, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, item.text.data(), int(item.text.size()), &r,
            TextFormat(item.fmt) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Paint(HWND w, HDC dc, const HeaderState& s) {
  HGDIOBJ old = SelectObject(dc, s.font != nullptr ? HGDIOBJ(s.font) : GetStockObject(DEFAULT_GUI_FONT));
  for (int i : s.order) PaintItem(w, dc, s, i);
  TRect rest{};
  GetClientRect(w, &rest);
  rest.Left = s.order.empty() ? 0 : s.LeftOf(s.order.back()) + s.items[size_t(s.order.back())].width;
  if (rest.Left < rest.Right) DrawFrameControl(dc, &rest, DFC_BUTTON, DFCS_BUTTONPUSH);
  SelectObject(dc, old);
}

LRESULT OnPaint(HWND w, const HeaderState& s, WPARAM wParam) {
  user::PaintClient(w, wParam, [&](HDC dc) { Paint(w, dc, s); });
  return 0;
}

LRESULT ItemMessage(HWND w, HeaderState& s, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = int(wParam);
  switch (message) {
    case HDM_GETITEMCOUNT: return s.Count();
    case HDM_INSERTITEMA: return InsertItem(w, s, index, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_DELETEITEM: return DeleteItem(w, s, index);
    case HDM_GETITEMA: return GetItem(s, index, reinterpret_cast<HDITEMA*>(lParam));
    case HDM_SETITEMA: return SetItem(w, s, index, reinterpret_cast<HDITEMA*>(lParam));
    case HDM_LAYOUT: return Layout(w, s, reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST: return HitTest(w, s, reinterpret_cast<HDHITTESTINFO*>(lParam));
    case HDM_GETITEMRECT:
      if (!s.Valid(index) || lParam == 0) return FALSE;
      *reinterpret_cast<TRect*>(lParam) = s.ItemRect(w, index);
      return TRUE;
    case HDM_ORDERTOINDEX: return index >= 0 && index < int(s.order.size()) ? s.order[size_t(index)] : index;
  }
  return 0;
}

}  // namespace

void RegisterHeaderClass() {
  user::EnsureClassRegistered(user::ClassRecord(kHeaderClassName, &HeaderWindowProc,
                                                CS_DBLCLKS, int(sizeof(LONG_PTR))));
}

LRESULT HeaderWindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) user::AttachWindowState(w, new HeaderState);
  HeaderState* state = HeaderState::Of(w);
  if (state == nullptr) return DefWindowProcA(w, message, wParam, lParam);
  HeaderState& s = *state;
  if (message >= HDM_GETITEMCOUNT && message <= HDM_ORDERTOINDEX) return ItemMessage(w, s, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      user::FreeWindowState<HeaderState>(w);
      return DefWindowProcA(w, message, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(w, s, wParam);
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: return OnButtonDown(w, s, lParam, false);
    case WM_LBUTTONDBLCLK: return OnButtonDown(w, s, lParam, true);
    case WM_MOUSEMOVE: return OnMouseMove(w, s, lParam);
    case WM_LBUTTONUP: return OnButtonUp(w, s);
    case WM_CAPTURECHANGED: OnCaptureLost(w, s); return 0;
    case WM_SETCURSOR: return OnSetCursor(w, s, wParam, lParam);
    case WM_SETFONT:
      s.font = reinterpret_cast<HFONT>(wParam);
      if (lParam != 0) InvalidateRect(w, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return LRESULT(s.font);
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
