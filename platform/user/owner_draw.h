// The owner-draw records a control sends its parent: WM_MEASUREITEM asks an item's height,
// WM_DRAWITEM asks the parent to draw an item into the control's device context.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

inline constexpr UINT ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4, ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 0x1, ODA_SELECT = 0x2, ODA_FOCUS = 0x4;
inline constexpr UINT ODS_SELECTED = 0x0001, ODS_GRAYED = 0x0002, ODS_DISABLED = 0x0004, ODS_CHECKED = 0x0008,
                      ODS_FOCUS = 0x0010, ODS_DEFAULT = 0x0020, ODS_COMBOBOXEDIT = 0x1000;

struct MEASUREITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemWidth;
  UINT itemHeight;
  ULONG_PTR itemData;
};

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  TRect rcItem;
  ULONG_PTR itemData;
};
