// The state behind one LISTBOX window (list_box_window.h): its items, selection, caret, anchor and
// top index, and the operations the window's messages and input share.  Lives from WM_NCCREATE to
// WM_NCDESTROY, pointed to by the window's first extra slot.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

class ListBoxState {
 public:
  struct Item {
    std::string Text;
    ULONG_PTR Data = 0;
    int Height = 0;   // pixels; owner draw variable only
    bool Selected = false;
  };

  explicit ListBoxState(HWND window) : window_(window) {}
  static ListBoxState* Of(HWND window);

  DWORD Style() const;
  bool Single() const;
  bool Extended() const;
  bool Notify() const;

  int Count() const { return int(items_.size()); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  const Item& At(int index) const { return items_[std::size_t(index)]; }
  Item& At(int index) { return items_[std::size_t(index)]; }

  int Insert(int index, std::string text, ULONG_PTR data);
  int Add(std::string text, ULONG_PTR data);   // sorted place with LBS_SORT, else the end
  int Delete(int index);
  void Reset();
  int Find(int after, const std::string& text, bool exact) const;

  // Selection.  Select* repaint what changed and return whether anything did.
  int Current() const;   // the selected item of a single-selection list, -1 when none
  bool SelectOnly(int index);
  bool SetSelected(int index, bool on);   // index -1: every item
  bool SelectRange(int first, int last, bool on);
  int SelectedCount() const;
  int Caret() const { return caret_; }
  void SetCaret(int index);
  int Anchor() const { return anchor_; }
  void SetAnchor(int index) { anchor_ = Valid(index) ? index : -1; }

  // Geometry: rows from the top index down.
  int ItemHeight(int index) const;
  void SetItemHeight(int index, int height);
  int FixedHeight() const { return itemHeight_; }
  void SetFixedHeight(int height) { itemHeight_ = height; }
  int Top() const { return top_; }
  void SetTop(int index);
  void EnsureVisible(int index);
  bool ItemRect(int index, TRect& rect) const;   // any item; false when it is not in view
  int ItemAt(int y, bool& outside) const;
  int RowsShown() const;   // whole rows from the top index
  void UpdateScrollBar();
  void InvalidateItem(int index);
  void Notify(WORD code) const;
  // Where notifications, measuring, drawing and colours are asked: the combo box that owns a
  // LBS_COMBOBOX list, else the parent.
  HWND Parent() const;

  HGDIOBJ font = nullptr;
  LRESULT horizontalExtent = 0;
  bool captured = false;
  bool scrollBar = false;   // made with WS_VSCROLL
  HWND combo = nullptr;     // LBS_COMBOBOX: the combo box given as the creation parameter

 private:
  int ClientHeight() const;
  void Fix();   // keep top, caret and anchor inside the items

  HWND window_;
  std::vector<Item> items_;
  int top_ = 0;
  int caret_ = -1;
  int anchor_ = -1;
  int itemHeight_ = 13;
};
