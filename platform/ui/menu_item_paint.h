// Owner-drawn menu items: the default size and look of an item, and the bridge from the window
// layer's WM_MEASUREITEM / WM_DRAWITEM records (ODT_MENU, itemData the TMenuItem) to the item.
//
// An item's rectangle, left to right: the glyph column (the widest of the image list's images, the
// item's Bitmap and the check mark, with the window layer's mark margins on both sides: exactly the
// layer's mark column when there is no picture), the caption, the shortcut text right-aligned, and
// the layer's mark column, where an item with a sub-menu has its arrow.  Its height is the tallest
// of the menu font's row ("Qg" + 4, MenuTextRowHeight), the check mark and the picture, each with
// the same margins, so that an item without a picture is as tall as a string entry of the layer.
// Separators stay the window layer's own entries; a line measures as the layer's separator.
//
// The look: a selected item is filled with clHighlight (its text clHighlightText), others with
// clMenu; the picture is drawn enabled or embossed as disabled, in a sunken frame when the item
// is checked; a checked item without a picture shows the check or radio mark; the caption shows
// its mnemonic underlined, the default item is bold, disabled text is etched (clBtnHighlight one
// pixel right and down under clGrayText; only clGrayText on the highlight).
#pragma once

#include "platform/classes/type_info.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/owner_draw_item.h"

class TCanvas;
class TMenuItem;
struct DRAWITEMSTRUCT;
struct MEASUREITEMSTRUCT;

// The height of a text row of a popup menu in Canvas's font: the height of "Qg" + 4.
Integer MenuTextRowHeight(TCanvas& Canvas);
// The state an item's entry shows, selection aside: grayed, checked, default.
TOwnerDrawState MenuItemState(const TMenuItem& Item);

// The default measure and look (Canvas as the window's record prepares it: the menu font, bold
// for the default item, and the colours of the state).
void MeasureMenuItem(TMenuItem& Item, TCanvas& Canvas, Integer& Width, Integer& Height);
void PaintMenuItem(TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, TOwnerDrawState State);

// Answer the window layer's records for an owner-drawn menu entry through its item (MeasureItem,
// AdvancedDrawItem) on a canvas with the menu font; false when the record is not a menu's.
bool MeasureMenuEntry(MEASUREITEMSTRUCT& Measure);
bool DrawMenuEntry(const DRAWITEMSTRUCT& Draw);
