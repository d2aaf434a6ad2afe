#include "platform/user/menu_paint.h"

#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/menu.h"
#include "platform/user/message_ids.h"
#include "platform/user/owner_draw.h"
#include "platform/user/send_message.h"

namespace user {

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER;

bool Disabled(const MenuItem& item) { return (item.state & MFS_GRAYED) != 0; }

void FillWith(HDC dc, const TRect& rect, int colorIndex) { FillRect(dc, &rect, GetSysColorBrush(colorIndex)); }

void PaintSeparator(HDC dc, const TRect& rect) {
  TRect line{rect.Left + 1, rect.Top + rect.Height() / 2 - 1, rect.Right - 1, rect.Bottom};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

void PaintBarBreak(HDC dc, int x, int height) {
  TRect line{x, kMenuFrame, x + 2, height - kMenuFrame};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
}

// A bitmap centred in a cell.
void PaintBitmap(HDC dc, HBITMAP bitmap, const TRect& cell) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return;
  HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(dc, cell.Left + (cell.Width() - info.bmWidth) / 2, cell.Top + (cell.Height() - info.bmHeight) / 2,
         info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

// The mark column: the check or radio mark (or the item's own check pictures), else its picture.
void PaintMark(HDC dc, const MenuItem& item, const TRect& cell, UINT symbolState, COLORREF color) {
  const bool checked = (item.state & MFS_CHECKED) != 0;
  const HBITMAP picture = checked ? item.checkedMark : item.uncheckedMark;
  if (picture != nullptr) return PaintBitmap(dc, picture, cell);
  if (checked) {
    const UINT symbol = (item.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK;
    DrawMenuSymbol(dc, cell, symbol | symbolState, color);
    return;
  }
  PaintBitmap(dc, item.itemBitmap, cell);
}

void PaintText(HDC dc, const MenuItem& item, TRect area, COLORREF color) {
  const auto [label, shortcut] = SplitMenuText(item.text);
  SetTextColor(dc, color);
  DrawTextA(dc, label.data(), int(label.size()), &area, kTextFormat | DT_LEFT);
  if (!shortcut.empty()) DrawTextA(dc, shortcut.data(), int(shortcut.size()), &area, kTextFormat | DT_RIGHT);
}

void PaintEtchedText(HDC dc, const MenuItem& item, const TRect& area) {
  const TRect shifted{area.Left + 1, area.Top + 1, area.Right + 1, area.Bottom + 1};
  PaintText(dc, item, shifted, GetSysColor(COLOR_BTNHIGHLIGHT));
  PaintText(dc, item, area, GetSysColor(COLOR_GRAYTEXT));
}

void PaintOwnerDrawn(HDC dc, const PopupPaintContext& context, std::size_t index) {
  const MenuItem& item = context.menu.items[index];
  UINT state = 0;
  if (int(index) == context.highlighted) state |= ODS_SELECTED;
  if (item.state & MF_GRAYED) state |= ODS_GRAYED;
  if (item.state & MF_DISABLED) state |= ODS_DISABLED;
  if (item.state & MFS_CHECKED) state |= ODS_CHECKED;
  if (item.state & MFS_DEFAULT) state |= ODS_DEFAULT;
  DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(context.menu.handle), dc,
                      context.layout.items[index], item.data};
  if (context.owner != nullptr) SendMessageA(context.owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

void PaintItem(HDC dc, const PopupPaintContext& context, std::size_t index) {
  const MenuItem& item = context.menu.items[index];
  const TRect& rect = context.layout.items[index];
  if (item.type & MFT_SEPARATOR) return PaintSeparator(dc, rect);
  if (item.type & MFT_OWNERDRAW) return PaintOwnerDrawn(dc, context, index);
  const bool lit = int(index) == context.highlighted;
  const bool etched = Disabled(item) && !lit;
  if (lit) FillWith(dc, rect, COLOR_HIGHLIGHT);
  const COLORREF color = GetSysColor(lit ? (Disabled(item) ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT) : COLOR_MENUTEXT);
  const UINT symbolState = etched ? DFCS_INACTIVE : 0;
  const int column = MenuMarkColumn();
  PaintMark(dc, item, TRect{rect.Left, rect.Top, rect.Left + column, rect.Bottom}, symbolState, color);
  const TRect content{rect.Left + column, rect.Top, rect.Right - column, rect.Bottom};
  if (item.type & MFT_BITMAP) {
    PaintBitmap(dc, item.typeBitmap, content);
  } else {
    SelectObject(dc, context.fonts.For(item));
    if (etched)
      PaintEtchedText(dc, item, content);
    else
      PaintText(dc, item, content, color);
  }
  if (item.subMenu != nullptr)
    DrawMenuSymbol(dc, TRect{rect.Right - column, rect.Top, rect.Right, rect.Bottom}, DFCS_MENUARROW | symbolState,
                   color);
}

}  // namespace

void PaintPopupMenu(HDC dc, const PopupPaintContext& context) {
  TRect frame{0, 0, context.layout.size.cx, context.layout.size.cy};
  FillWith(dc, frame, COLOR_MENU);
  DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT);
  for (int x : context.layout.barBreaks) PaintBarBreak(dc, x, context.layout.size.cy);
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t i = 0; i < context.menu.items.size(); ++i) PaintItem(dc, context, i);
  RestoreDC(dc, saved);
}

}  // namespace user
