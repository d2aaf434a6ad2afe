#include "platform/user/menu_layout.h"

#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/menu.h"
#include "platform/user/message_ids.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/owner_draw.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_dc.h"

namespace user {

namespace {

constexpr UINT kMeasureFormat = DT_SINGLELINE | DT_CALCRECT;

// What one item needs: its height and the widths of its parts.
struct ItemSize {
  int height = 0;
  int textWidth = 0;       // the label (or the whole of an owner-drawn or bitmap item)
  int shortcutWidth = 0;
};

int TextWidth(HDC dc, std::string_view text) {
  if (text.empty()) return 0;
  TRect r{0, 0, 0, 0};
  DrawTextA(dc, text.data(), int(text.size()), &r, kMeasureFormat);
  return r.Width();
}

int TextRowHeight(HDC dc) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return std::max(int(metrics.tmHeight) + 4, GetSystemMetrics(SM_CYMENUCHECK) + 4);
}

// As on the platform, the mark's width (less one) goes before what the owner asked for.
int OwnerDrawnMarkWidth() { return GetSystemMetrics(SM_CXMENUCHECK) - 1; }

ItemSize MeasureOwnerDrawn(const MenuItem& item, HWND owner) {
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, UINT(GetSystemMetrics(SM_CYMENU) - 1), item.data};
  if (owner != nullptr) SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  return ItemSize{int(measure.itemHeight), int(measure.itemWidth) + OwnerDrawnMarkWidth(), 0};
}

ItemSize MeasureBitmap(const MenuItem& item) {
  BITMAP bitmap{};
  if (GetObjectA(item.typeBitmap, sizeof bitmap, &bitmap) == 0) return ItemSize{};
  return ItemSize{int(bitmap.bmHeight), int(bitmap.bmWidth), 0};
}

ItemSize MeasureItem(HDC dc, const MenuItem& item, HWND owner, const MenuFonts& fonts) {
  if (item.type & MFT_SEPARATOR) return ItemSize{kMenuSeparatorHeight, 0, 0};
  if (item.type & MFT_OWNERDRAW) return MeasureOwnerDrawn(item, owner);
  if (item.type & MFT_BITMAP) return MeasureBitmap(item);
  SelectObject(dc, fonts.For(item));
  const auto [label, shortcut] = SplitMenuText(item.text);
  return ItemSize{TextRowHeight(dc), TextWidth(dc, label), TextWidth(dc, shortcut)};
}

bool StartsColumn(const MenuItem& item) { return (item.type & (MF_MENUBREAK | MF_MENUBARBREAK)) != 0; }

// Lays out items [first, last) as one column at x; answers the column's width.
int PlaceColumn(const std::vector<ItemSize>& sizes, std::size_t first, std::size_t last, int x, MenuLayout& layout) {
  int text = 0, shortcut = 0;
  for (std::size_t i = first; i < last; ++i) {
    text = std::max(text, sizes[i].textWidth);
    shortcut = std::max(shortcut, sizes[i].shortcutWidth);
  }
  const int width = 2 * MenuMarkColumn() + text + (shortcut > 0 ? kMenuShortcutGap + shortcut : 0);
  int y = kMenuFrame;
  for (std::size_t i = first; i < last; ++i) {
    layout.items[i] = TRect{x, y, x + width, y + sizes[i].height};
    y += sizes[i].height;
  }
  layout.size.cy = std::max(int(layout.size.cy), y + kMenuFrame);
  return width;
}

}  // namespace

MenuFonts::MenuFonts() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  normal_ = CreateFontIndirectA(&metrics.lfMenuFont);
  metrics.lfMenuFont.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectA(&metrics.lfMenuFont);
}

MenuFonts::~MenuFonts() {
  DeleteObject(normal_);
  DeleteObject(bold_);
}

HFONT MenuFonts::For(const MenuItem& item) const { return (item.state & MFS_DEFAULT) ? bold_ : normal_; }

int MenuMarkColumn() { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }

int OwnerDrawnMenuItemExtraWidth() { return OwnerDrawnMarkWidth() + 2 * MenuMarkColumn(); }

std::pair<std::string_view, std::string_view> SplitMenuText(std::string_view text) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos) return {text, {}};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

MenuLayout LayoutPopupMenu(const Menu& menu, HWND owner, const MenuFonts& fonts) {
  MenuLayout layout;
  layout.items.resize(menu.items.size());
  HDC dc = GetDC(nullptr);
  const HGDIOBJ oldFont = SelectObject(dc, fonts.For(MenuItem{}));
  std::vector<ItemSize> sizes;
  sizes.reserve(menu.items.size());
  for (const MenuItem& item : menu.items) sizes.push_back(MeasureItem(dc, item, owner, fonts));
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);

  int x = kMenuFrame;
  std::size_t first = 0;
  for (std::size_t i = 1; i <= menu.items.size(); ++i) {
    if (i < menu.items.size() && !StartsColumn(menu.items[i])) continue;
    x += PlaceColumn(sizes, first, i, x, layout);
    if (i < menu.items.size()) {
      if (menu.items[i].type & MF_MENUBARBREAK) layout.barBreaks.push_back(x + kMenuColumnGap / 2 - 1);
      x += kMenuColumnGap;
    }
    first = i;
  }
  layout.size.cx = x + kMenuFrame;
  layout.size.cy = std::max(int(layout.size.cy), 2 * kMenuFrame);
  return layout;
}

}  // namespace user
