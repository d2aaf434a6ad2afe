// The state behind one COMBOBOX window (combo_box_window.h): its edit and list windows, the
// geometry of the field and button, dropping the list down and closing it, and the selection the
// combo box last reported.  Lives from WM_NCCREATE to WM_NCDESTROY, pointed to by the window's
// first extra slot.
//
// Invariants: `reported` is the list's selection as the parent last heard of it (by CBN_SELCHANGE
// or by a selection the program made), so a cancelled drop-down puts the list back there.  While
// dropped the combo box holds the mouse capture.
#pragma once

#include <string>

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

class ComboBoxState {
 public:
  explicit ComboBoxState(HWND window) : window_(window) {}
  static ComboBoxState* Of(HWND window);

  HWND Window() const { return window_; }
  DWORD Style() const;
  DWORD Kind() const { return Style() & 3; }   // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
  bool Simple() const { return Kind() == 1; }
  bool ListStyle() const { return Kind() == 3; }
  bool OwnerDraw() const;

  // Children, made on WM_CREATE.
  void CreateChildren();
  HWND edit = nullptr;
  HWND list = nullptr;

  // Geometry.  The field is the edit's place (or the shown item's); all in client coordinates.
  int WindowHeight() const { return fieldHeight + 6; }
  TRect FieldRect() const;
  TRect ButtonRect() const;
  void Layout();
  void SetFieldHeight(int height);

  // The list.
  LRESULT List(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  int Current() const;   // the list's selection, -1 when none
  std::string ItemText(int index) const;
  // Selects an item as the program does (no notification) and shows it in the field.
  void Select(int index);
  // The list's selection changed by the user: show it and tell the parent.
  void SelectionChanged();
  void ShowInField(int index);
  void SetEditText(const std::string& text);   // without CBN_EDITCHANGE

  // Dropping.
  bool dropped = false;
  void DropDown();
  void CloseUp(bool accept);
  void Toggle() { dropped ? CloseUp(true) : DropDown(); }
  TRect DroppedRect() const;   // screen coordinates

  void Notify(WORD code) const;
  void Invalidate() const;

  HGDIOBJ font = nullptr;
  int fieldHeight = 15;
  int fullHeight = 0;       // the height the window was asked for
  int droppedWidth = 0;     // 0: the window's width
  int reported = -1;
  bool extendedUI = false;
  bool buttonDown = false;  // the button is held by the mouse
  bool trackingList = false;   // a press in the dropped list waits for its release
  bool scrollingList = false;  // the dropped list's scroll bar has the mouse
  bool editingText = false;    // the edit's notifications come from the combo box itself
  // Typing in the drop-down list style selects by a prefix that grows while keys come quickly.
  std::string prefix;
  DWORD lastKeyTime = 0;

 private:
  HWND window_;
};
