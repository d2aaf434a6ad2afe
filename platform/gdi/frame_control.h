// DrawFrameControl: buttons, check boxes, radio buttons, scroll arrows, size grips, caption
// buttons and menu symbols in the classic look, pixel for pixel as docs/classic-look.md shows.
// With DFCS_ADJUSTRECT the rectangle of push, scroll and caption buttons becomes the area inside
// their edge.
#pragma once

#include "platform/gdi/gdi_types.h"

inline constexpr UINT DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4, DFC_POPUPMENU = 5;
inline constexpr UINT DFCS_CAPTIONCLOSE = 0x0000, DFCS_CAPTIONMIN = 0x0001, DFCS_CAPTIONMAX = 0x0002,
                      DFCS_CAPTIONRESTORE = 0x0003, DFCS_CAPTIONHELP = 0x0004;
inline constexpr UINT DFCS_MENUARROW = 0x0000, DFCS_MENUCHECK = 0x0001, DFCS_MENUBULLET = 0x0002,
                      DFCS_MENUARROWRIGHT = 0x0004;
inline constexpr UINT DFCS_SCROLLUP = 0x0000, DFCS_SCROLLDOWN = 0x0001, DFCS_SCROLLLEFT = 0x0002,
                      DFCS_SCROLLRIGHT = 0x0003, DFCS_SCROLLCOMBOBOX = 0x0005, DFCS_SCROLLSIZEGRIP = 0x0008,
                      DFCS_SCROLLSIZEGRIPRIGHT = 0x0010;
inline constexpr UINT DFCS_BUTTONCHECK = 0x0000, DFCS_BUTTONRADIOIMAGE = 0x0001, DFCS_BUTTONRADIOMASK = 0x0002,
                      DFCS_BUTTONRADIO = 0x0004, DFCS_BUTTON3STATE = 0x0008, DFCS_BUTTONPUSH = 0x0010;
inline constexpr UINT DFCS_INACTIVE = 0x0100, DFCS_PUSHED = 0x0200, DFCS_CHECKED = 0x0400,
                      DFCS_TRANSPARENT = 0x0800, DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000,
                      DFCS_MONO = 0x8000;

BOOL DrawFrameControl(HDC dc, TRect* rect, UINT type, UINT state);
// A DFC_MENU symbol (DFCS_MENUCHECK, DFCS_MENUBULLET, DFCS_MENUARROW, DFCS_MENUARROWRIGHT) drawn
// straight in `color`, centred in the rectangle, nothing else painted; with DFCS_INACTIVE etched
// (COLOR_BTNHIGHLIGHT one pixel down and right, then COLOR_BTNSHADOW).  What menus draw their marks
// with.
BOOL DrawMenuSymbol(HDC dc, const TRect& rect, UINT state, COLORREF color);
