#include "platform/ui/menu_item_paint.h"

#include <algorithm>
#include <string>

#include "platform/gdi/dc.h"
#include "platform/gdi/draw_edge.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/screen.h"
#include "platform/user/menu_layout.h"
#include "platform/user/owner_draw.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_dc.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER;

// The window layer's margins round the mark, both sides together.
Integer MarkMargins() { return user::MenuMarkColumn() - GetSystemMetrics(SM_CXMENUCHECK); }

bool IsDisabled(TOwnerDrawState State) { return State.Contains(odGrayed) || State.Contains(odDisabled); }

// The picture cell's size: the check mark, the item's image list and its bitmap, the largest.
TSize PictureSize(const TMenuItem& Item) {
  TSize size{GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)};
  const auto grow = [&size](Integer cx, Integer cy) {
    size.cx = std::max<Integer>(size.cx, cx);
    size.cy = std::max<Integer>(size.cy, cy);
  };
  if (TCustomImageList* images = Item.GetImageList()) grow(images->Width(), images->Height());
  if (Item.HasBitmap()) grow(Item.Bitmap()->Width(), Item.Bitmap()->Height());
  return size;
}

Integer GlyphColumnWidth(const TMenuItem& Item) { return PictureSize(Item).cx + MarkMargins(); }

std::string ShortCutText(const TMenuItem& Item) {
  return Item.ShortCut() != scNone ? ShortCutToText(Item.ShortCut()) : std::string();
}

// Width of single-line text as drawn, "&" marking the mnemonic.
Integer TextWidth(TCanvas& Canvas, const std::string& Text) {
  if (Text.empty()) return 0;
  TRect r{0, 0, 0, 0};
  Canvas.RequiredState({csHandleValid, csFontValid});
  DrawTextA(Canvas.Handle(), Text.data(), int(Text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
  return r.Width();
}

void SetMenuItemColors(TCanvas& Canvas, TOwnerDrawState State) {
  const bool selected = State.Contains(odSelected);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(selected ? clHighlight : clMenu);
  Canvas.Font()->SetColor(selected ? clHighlightText : clMenuText);
}

// The menu font (bold for the default item), or the canvas's own without a screen.
void UseMenuFont(TCanvas& Canvas, const TMenuItem& Item) {
  if (Screen != nullptr) Canvas.Font()->Assign(Screen->MenuFont());
  if (Item.Default()) Canvas.Font()->SetStyle(Canvas.Font()->Style() + TFontStyles{fsBold});
}

// Image Index of Images centred in Cell.
void DrawCentred(TCustomImageList& Images, Integer Index, TCanvas& Canvas, const TRect& Cell, bool Enabled) {
  Images.Draw(&Canvas, Cell.Left + (Cell.Width() - Images.Width()) / 2,
              Cell.Top + (Cell.Height() - Images.Height()) / 2, Index, Enabled);
}

// The picture (embossed when disabled, framed sunken when checked), else the check or radio mark.
void PaintGlyph(TMenuItem& Item, TCanvas& Canvas, const TRect& Cell, TOwnerDrawState State) {
  const bool enabled = !IsDisabled(State);
  if (Item.HasImage()) {
    DrawCentred(*Item.GetImageList(), Item.ImageIndex(), Canvas, Cell, enabled);
  } else if (Item.HasBitmap()) {
    TBitmap* bitmap = Item.Bitmap();
    TCustomImageList picture(nullptr, bitmap->Width(), bitmap->Height());
    picture.AddMasked(bitmap, bitmap->TransparentColor());
    DrawCentred(picture, 0, Canvas, Cell, enabled);
  } else {
    if (!State.Contains(odChecked)) return;
    const UINT symbol = Item.RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK;
    const UINT inactive = enabled || State.Contains(odSelected) ? 0 : DFCS_INACTIVE;
    Canvas.RequiredState({csHandleValid});
    DrawMenuSymbol(Canvas.Handle(), Cell, symbol | inactive, ColorToRGB(Canvas.Font()->Color()));
    return;
  }
  if (!State.Contains(odChecked)) return;
  TRect frame{Cell.Left + 1, Cell.Top + 1, Cell.Right - 1, Cell.Bottom - 1};
  Canvas.RequiredState({csHandleValid});
  DrawEdge(Canvas.Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
}

// The caption at the left of Area and the shortcut at its right, in the font's colour.
void PaintTexts(TMenuItem& Item, TCanvas& Canvas, TRect Area) {
  Canvas.RequiredState({csHandleValid, csFontValid, csBrushValid});
  const std::string& caption = Item.Caption();
  DrawTextA(Canvas.Handle(), caption.data(), int(caption.size()), &Area, kTextFormat | DT_LEFT);
  const std::string shortCut = ShortCutText(Item);
  if (!shortCut.empty()) DrawTextA(Canvas.Handle(), shortCut.data(), int(shortCut.size()), &Area, kTextFormat | DT_RIGHT);
}

void PaintCaption(TMenuItem& Item, TCanvas& Canvas, const TRect& Area, TOwnerDrawState State) {
  Canvas.Brush()->SetStyle(bsClear);
  if (IsDisabled(State)) {
    if (!State.Contains(odSelected)) {
      Canvas.Font()->SetColor(clBtnHighlight);
      PaintTexts(Item, Canvas, TRect{Area.Left + 1, Area.Top + 1, Area.Right + 1, Area.Bottom + 1});
    }
    Canvas.Font()->SetColor(clGrayText);
  }
  PaintTexts(Item, Canvas, Area);
}

void PaintSeparator(TCanvas& Canvas, const TRect& Rect) {
  TRect line{Rect.Left + 1, Rect.Top + Rect.Height() / 2 - 1, Rect.Right - 1, Rect.Bottom};
  Canvas.RequiredState({csHandleValid});
  DrawEdge(Canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
}

// A canvas on the display context, for measuring.
class TScreenCanvas : public TCanvas {
 public:
  TScreenCanvas() { SetHandle(dc_); }
  ~TScreenCanvas() override {
    SetHandle(nullptr);
    ReleaseDC(nullptr, dc_);
  }

 private:
  HDC dc_ = GetDC(nullptr);
};

TMenuItem* ItemOf(UINT CtlType, ULONG_PTR ItemData) {
  return CtlType == ODT_MENU ? reinterpret_cast<TMenuItem*>(ItemData) : nullptr;
}

}  // namespace

Integer MenuTextRowHeight(TCanvas& Canvas) { return Canvas.TextHeight("Qg") + 4; }

TOwnerDrawState MenuItemState(const TMenuItem& Item) {
  TOwnerDrawState state;
  if (!Item.Enabled()) state.Include(odGrayed);
  if (Item.Checked()) state.Include(odChecked);
  if (Item.Default()) state.Include(odDefault);
  return state;
}

void MeasureMenuItem(TMenuItem& Item, TCanvas& Canvas, Integer& Width, Integer& Height) {
  if (Item.IsLine()) {
    Width = 0;
    Height = user::kMenuSeparatorHeight;
    return;
  }
  const std::string shortCut = ShortCutText(Item);
  const Integer shortCutWidth = shortCut.empty() ? 0 : user::kMenuShortcutGap + TextWidth(Canvas, shortCut);
  const Integer needed = GlyphColumnWidth(Item) + TextWidth(Canvas, Item.Caption()) + shortCutWidth + user::MenuMarkColumn();
  Width = std::max<Integer>(0, needed - user::OwnerDrawnMenuItemExtraWidth());
  Height = std::max<Integer>(MenuTextRowHeight(Canvas), PictureSize(Item).cy + MarkMargins());
}

void PaintMenuItem(TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, TOwnerDrawState State) {
  SetMenuItemColors(Canvas, State);
  Canvas.FillRect(Rect);
  if (Item.IsLine()) return PaintSeparator(Canvas, Rect);
  if (State.Contains(odDefault)) Canvas.Font()->SetStyle(Canvas.Font()->Style() + TFontStyles{fsBold});
  const Integer glyphRight = Rect.Left + GlyphColumnWidth(Item);
  PaintGlyph(Item, Canvas, TRect{Rect.Left, Rect.Top, glyphRight, Rect.Bottom}, State);
  const Integer arrowLeft = Rect.Right - user::MenuMarkColumn();
  PaintCaption(Item, Canvas, TRect{glyphRight, Rect.Top, arrowLeft, Rect.Bottom}, State);
  if (Item.Count() == 0) return;
  const UINT inactive = IsDisabled(State) && !State.Contains(odSelected) ? DFCS_INACTIVE : 0;
  DrawMenuSymbol(Canvas.Handle(), TRect{arrowLeft, Rect.Top, Rect.Right, Rect.Bottom}, DFCS_MENUARROW | inactive,
                 ColorToRGB(State.Contains(odSelected) ? clHighlightText : clMenuText));
}

bool MeasureMenuEntry(MEASUREITEMSTRUCT& Measure) {
  TMenuItem* item = ItemOf(Measure.CtlType, Measure.itemData);
  if (item == nullptr) return false;
  TScreenCanvas canvas;
  UseMenuFont(canvas, *item);
  Integer width = 0, height = MenuTextRowHeight(canvas);
  item->MeasureItem(&canvas, width, height);
  Measure.itemWidth = UINT(std::max<Integer>(width, 0));
  Measure.itemHeight = UINT(std::max<Integer>(height, 0));
  return true;
}

bool DrawMenuEntry(const DRAWITEMSTRUCT& Draw) {
  TMenuItem* item = ItemOf(Draw.CtlType, Draw.itemData);
  if (item == nullptr) return false;
  const TOwnerDrawState state = OwnerDrawStateOf(Draw.itemState);
  const int saved = SaveDC(Draw.hDC);
  TCanvas canvas;
  canvas.SetHandle(Draw.hDC);
  UseMenuFont(canvas, *item);
  SetMenuItemColors(canvas, state);
  item->AdvancedDrawItem(&canvas, Draw.rcItem, state);
  canvas.SetHandle(nullptr);
  RestoreDC(Draw.hDC, saved);
  return true;
}
