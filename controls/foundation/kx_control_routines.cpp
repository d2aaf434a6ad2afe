#include "controls/foundation/kx_control_routines.h"

#include <cstdlib>

#include "controls/foundation/kx_screen_canvas.h"
#include "platform/core/format_settings.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/mouse.h"
#include "platform/ui/screen.h"
#include "platform/ui/win_control.h"
#include "platform/user/cursor.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

TDragObject* currentDragObject = nullptr;

}  // namespace

bool HasHandleOrParentWindow(TControl* Control) {
  for (TControl* c = Control; c != nullptr; c = c->Parent()) {
    auto* windowed = dynamic_cast<TWinControl*>(c);
    if (windowed != nullptr && (windowed->HandleAllocated() || windowed->ParentWindow() != nullptr)) return true;
  }
  return false;
}

UINT GetSystemDoubleClickTime() { return GetDoubleClickTime(); }

TPoint GetCursorPosSafe() {
  TPoint p{};
  return GetCursorPos(&p) ? p : TPoint{-1, -1};
}

bool HasChildWindowStyle(HWND Window) { return (GetWindowLongPtrA(Window, GWL_STYLE) & WS_CHILD) != 0; }

bool IsWindowOrChild(HWND Parent, HWND Window) {
  return Parent != nullptr && (Parent == Window || IsChild(Parent, Window));
}

bool IsCtrlKeyDown() { return GetAsyncKeyState(VK_CONTROL) < 0; }

bool IsPointInDragThreshold(TPoint Origin, Integer X, Integer Y) {
  return std::abs(X - Origin.X) < Mouse.DragThreshold() && std::abs(Y - Origin.Y) < Mouse.DragThreshold();
}

bool IsNumericChar(char C, Integer Kind) {
  if (C == '+' || C == '-' || (C >= '0' && C <= '9')) return true;
  if (Kind == 1 || Kind == 2) {
    if (C == FormatSettings.DecimalSeparator) return true;
    if (Kind == 2) return C == 'e' || C == 'E';
  }
  return false;
}

bool IsPrintableChar(char C) { return Byte(C) >= 32; }

void MapPointBetweenWindows(HWND From, HWND To, TPoint& P) { MapWindowPoints(From, To, &P, 1); }

void MapRectBetweenWindows(HWND From, HWND To, TRect& R) {
  TPoint topLeft{R.Left, R.Top}, bottomRight{R.Right, R.Bottom};
  MapPointBetweenWindows(From, To, topLeft);
  MapPointBetweenWindows(From, To, bottomRight);
  R = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

std::string StripHotKeyPrefixes(const std::string& Caption) {
  std::string result;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] != '&') {
      result += Caption[i];
    } else if (i + 1 < Caption.size()) {
      result += Caption[++i];
    } else {
      result += '_';
    }
  }
  return result;
}

WPARAM ShiftStateToMouseKeys(TShiftState Shift) {
  WPARAM keys = 0;
  if (Shift.Contains(ssShift)) keys |= MK_SHIFT;
  if (Shift.Contains(ssCtrl)) keys |= MK_CONTROL;
  if (Shift.Contains(ssLeft)) keys |= MK_LBUTTON;
  if (Shift.Contains(ssRight)) keys |= MK_RBUTTON;
  if (Shift.Contains(ssMiddle)) keys |= MK_MBUTTON;
  return keys;
}

Word NormalizeKeyCode(Word Key) { return Key; }

bool IsComponentLoading(TComponent* Component) { return Component->ComponentState().Contains(csLoading); }

bool IsPopupMenuShortCut(TComponent* PopupMenu, TMessage& Message) {
  auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu);
  return menu != nullptr && menu->WindowHandle() != nullptr && menu->IsShortCut(Message);
}

bool ShowPopupMenuAt(TControl* Control, TComponent* PopupMenu, Integer X, Integer Y) {
  auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu);
  if (menu == nullptr || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(Control);
  menu->Popup(X, Y);
  return true;
}

bool MenuItemNeedsMeasuring(TMenu* Menu, TMenuItem* Item) {
  return Menu->OwnerDraw() || Item->GetImageList() != nullptr || Item->HasBitmap();
}

Integer GetPopupMenuHeight(TMenu* Menu) {
  TkxScreenCanvas canvas;
  canvas.SetFont(Screen->MenuFont());
  const Integer defaultHeight = canvas.GetTextHeight("Qg") + 4;
  Integer height = 0;
  TMenuItem* items = Menu->Items();
  for (Integer i = 0; i < items->Count(); ++i) {
    TMenuItem* item = items->Items(i);
    if (!item->Visible()) continue;
    Integer itemWidth = 0, itemHeight = defaultHeight;
    if (MenuItemNeedsMeasuring(Menu, item)) item->MeasureItem(canvas.Canvas(), itemWidth, itemHeight);
    height += itemHeight;
  }
  return height + 4;
}

TDragObject* GetCurrentDragObject() { return currentDragObject; }

void SetCurrentDragObject(TDragObject* Value) { currentDragObject = Value; }
