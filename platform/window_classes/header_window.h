// The platform's header window class "SysHeader32": a row of column headings (items), each with
// a width, a text, a format (alignment, owner draw), a value and an image index, shown in a
// display order.
//
// Messages: HDM_GETITEMCOUNT, HDM_INSERTITEMA (wParam the index, clamped to the count; answers
// the index or -1), HDM_DELETEITEM, HDM_GETITEMA / HDM_SETITEMA (the fields the mask names; the
// text is copied into pszText up to cchTextMax - 1 bytes and ended with 0), HDM_GETITEMRECT,
// HDM_HITTEST, HDM_ORDERTOINDEX, HDM_LAYOUT, WM_SETFONT / WM_GETFONT.
// Notifications, WM_NOTIFY to the parent with an NMHEADERA: HDN_ITEMCHANGINGA (answer non-zero to
// refuse) and HDN_ITEMCHANGEDA around every change of an item; HDN_ITEMCLICKA when the left
// button is pressed and released on an item (HDS_BUTTONS); HDN_ITEMDBLCLICKA,
// HDN_DIVIDERDBLCLICKA; HDN_BEGINTRACKA (answer non-zero to refuse), HDN_TRACKA for every move
// (the parent may change pitem->cxy, the width taken; non-zero ends the drag) and HDN_ENDTRACKA
// while a divider is dragged.  A dragged item's width changes as the mouse moves.
// Dividers: the HHT_DIVIDER_ZONE pixels each side of an item's right edge; where two overlap (a
// narrow item) the later item wins, and a zero-width item is reached just right of its edge
// (HHT_ONDIVOPEN).
// Look (classic): each item is a push-button frame (pressed: flat) with its text on one line,
// kHeaderTextMargin pixels from the sides, vertically centred; pressed, one pixel right and down.
// Owner-drawn items (HDF_OWNERDRAW) are drawn by the parent through WM_DRAWITEM (ODT_HEADER,
// ODS_SELECTED while pressed).  The area right of the last item is an empty frame.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/user/message_ids.h"
#include "platform/user/user_types.h"
#include "platform/window_classes/notification_header.h"

inline constexpr const char* kHeaderClassName = "SysHeader32";

inline constexpr DWORD HDS_HORZ = 0x0000, HDS_BUTTONS = 0x0002, HDS_HOTTRACK = 0x0004, HDS_HIDDEN = 0x0008,
                       HDS_DRAGDROP = 0x0040, HDS_FULLDRAG = 0x0080;
inline constexpr UINT HDM_FIRST = 0x1200, HDM_GETITEMCOUNT = HDM_FIRST + 0, HDM_INSERTITEMA = HDM_FIRST + 1,
                      HDM_DELETEITEM = HDM_FIRST + 2, HDM_GETITEMA = HDM_FIRST + 3, HDM_SETITEMA = HDM_FIRST + 4,
                      HDM_LAYOUT = HDM_FIRST + 5, HDM_HITTEST = HDM_FIRST + 6, HDM_GETITEMRECT = HDM_FIRST + 7,
                      HDM_ORDERTOINDEX = HDM_FIRST + 15;
inline constexpr UINT HDN_FIRST = UINT(-300), HDN_ITEMCHANGINGA = HDN_FIRST - 0, HDN_ITEMCHANGEDA = HDN_FIRST - 1,
                      HDN_ITEMCLICKA = HDN_FIRST - 2, HDN_ITEMDBLCLICKA = HDN_FIRST - 3,
                      HDN_DIVIDERDBLCLICKA = HDN_FIRST - 5, HDN_BEGINTRACKA = HDN_FIRST - 6,
                      HDN_ENDTRACKA = HDN_FIRST - 7, HDN_TRACKA = HDN_FIRST - 8;
inline constexpr UINT HDI_WIDTH = 0x0001, HDI_HEIGHT = HDI_WIDTH, HDI_TEXT = 0x0002, HDI_FORMAT = 0x0004,
                      HDI_LPARAM = 0x0008, HDI_IMAGE = 0x0020, HDI_ORDER = 0x0080;
inline constexpr int HDF_LEFT = 0x0000, HDF_RIGHT = 0x0001, HDF_CENTER = 0x0002, HDF_JUSTIFYMASK = 0x0003,
                     HDF_IMAGE = 0x0800, HDF_STRING = 0x4000, HDF_OWNERDRAW = 0x8000;
inline constexpr UINT HHT_NOWHERE = 0x0001, HHT_ONHEADER = 0x0002, HHT_ONDIVIDER = 0x0004, HHT_ONDIVOPEN = 0x0008,
                      HHT_ABOVE = 0x0100, HHT_BELOW = 0x0200, HHT_TORIGHT = 0x0400, HHT_TOLEFT = 0x0800;
inline constexpr UINT ODT_HEADER = 100;

inline constexpr int HHT_DIVIDER_ZONE = 3;    // pixels each side of an item's right edge that grab it
inline constexpr int kHeaderTextMargin = 6;   // pixels between an item's sides and its text

struct HDITEMA {
  UINT mask;
  int cxy;
  char* pszText;
  HBITMAP hbm;
  int cchTextMax;
  int fmt;
  LPARAM lParam;
  int iImage;
  int iOrder;
};

struct HDHITTESTINFO {
  TPoint pt;
  UINT flags;
  int iItem;
};

struct HDLAYOUT {
  TRect* prc;
  WINDOWPOS* pwpos;
};

struct NMHEADERA {
  NMHDR hdr;
  int iItem;
  int iButton;   // 0 left, 1 right, 2 middle
  HDITEMA* pitem;
};

void RegisterHeaderClass();
LRESULT HeaderWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
