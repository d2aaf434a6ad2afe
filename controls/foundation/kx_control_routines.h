// Small stateless routines the control library's controls share: windows and their coordinates,
// keys and characters, captions, popup menus, and the drag object last seen over a control.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"
#include "platform/ui/message.h"
#include "platform/user/user_types.h"

class TComponent;
class TControl;
class TDragObject;
class TMenu;
class TMenuItem;

// The private message a control with its own scroll bars gets when the system's scroll-bar
// metrics have changed (wParam and lParam 0).
inline constexpr UINT KXM_SCROLLBARMETRICSCHANGED = 0x8065;

// The control, or a parent up the chain, has a window handle or a ParentWindow.
bool HasHandleOrParentWindow(TControl* Control);
UINT GetSystemDoubleClickTime();
// GetCursorPos, or (-1, -1) when it fails.
TPoint GetCursorPosSafe();
bool HasChildWindowStyle(HWND Window);
// Parent is set and is Window or one of its ancestors.
bool IsWindowOrChild(HWND Parent, HWND Window);
bool IsCtrlKeyDown();
// Both distances from Origin are below Mouse.DragThreshold.
bool IsPointInDragThreshold(TPoint Origin, Integer X, Integer Y);
// '+', '-' and digits; kind 1 adds the locale's decimal separator, kind 2 that and 'e' / 'E'.
bool IsNumericChar(char C, Integer Kind);
// Character code 32 or above.
bool IsPrintableChar(char C);
// From and To are windows, or null for the screen.
void MapPointBetweenWindows(HWND From, HWND To, TPoint& P);
void MapRectBetweenWindows(HWND From, HWND To, TRect& R);
// Accelerator prefixes removed: "&x" is "x", "&&" is "&", and a final "&" becomes "_".
std::string StripHotKeyPrefixes(const std::string& Caption);
// MK_ flags of the shift state's buttons, shift and control keys (alt and double click drop).
WPARAM ShiftStateToMouseKeys(TShiftState Shift);
// The key as the editors compare it: unchanged.
Word NormalizeKeyCode(Word Key);
bool IsComponentLoading(TComponent* Component);
// A popup menu with a window takes the key message as its shortcut; anything else does not.
bool IsPopupMenuShortCut(TComponent* PopupMenu, TMessage& Message);
// A popup menu with AutoPopup pops up at the screen point for the control (True); anything else:
// False.
bool ShowPopupMenuAt(TControl* Control, TComponent* PopupMenu, Integer X, Integer Y);
// The menu is owner-drawn, or the item has an image list or a picture.
bool MenuItemNeedsMeasuring(TMenu* Menu, TMenuItem* Item);
// The height the menu's visible items take in a popup: each the menu font's height of "Qg" plus
// 4, or what the item measures when it measures itself; plus 4.
Integer GetPopupMenuHeight(TMenu* Menu);

// The drag object a control of the library last saw dragged over it.
TDragObject* GetCurrentDragObject();
void SetCurrentDragObject(TDragObject* Value);
