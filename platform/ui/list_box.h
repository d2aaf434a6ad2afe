// TCustomListBox and TListBox: a list of strings over the LISTBOX window class.
//
// Items are the window's own items while the window exists (TListBoxStrings talks to it with LB_
// messages; each string's object is the item's data); without a window they wait in a string
// list, which the window takes over when it is made and gives back when it is destroyed (with the
// item index), so a recreated window keeps its items.  Selection: single; MultiSelect with
// ExtendedSelect (Shift and Ctrl ranges, the default) or without it (each click toggles).
// ItemIndex is the selected item of a single-selection list and the caret item otherwise.
// LBN_SELCHANGE runs Click (OnClick) and LBN_DBLCLK DblClick.  Owner draw (lbOwnerDrawFixed,
// lbOwnerDrawVariable) asks OnMeasureItem for heights and OnDrawItem to draw on Canvas; without
// OnDrawItem the item's text is drawn as a standard list draws it.
#pragma once

#include <memory>

#include "platform/classes/event.h"
#include "platform/ui/owner_draw_item.h"
#include "platform/ui/win_control.h"
#include "platform/ui/window_item_strings.h"

class TCanvas;
class TControlCanvas;
class TCustomListBox;

PR_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

// The Items of a list box: a TStrings over its window's LB_ messages or, without one, its saved list.
class TListBoxStrings : public TWindowItemStrings {
  PR_CLASS(TListBoxStrings, TWindowItemStrings)

 public:
  explicit TListBoxStrings(TCustomListBox* ListBox);
};

class TCustomListBox : public TWinControl {
  PR_CLASS(TCustomListBox, TWinControl)

 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  Integer ItemIndex() const;
  void SetItemIndex(Integer Value);
  bool Selected(Integer Index) const;
  void SetSelected(Integer Index, bool Value);
  Integer SelCount() const;
  Integer TopIndex() const;
  void SetTopIndex(Integer Value);
  Integer ItemAtPos(TPoint Pos, bool Existing) const;
  TRect ItemRect(Integer Index) const;
  void Clear() { items_->Clear(); }

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle Value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  Integer ItemHeight() const;
  void SetItemHeight(Integer Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TCanvas* Canvas() const;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(Integer Index, Integer& Height);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;

 private:
  void CNCommand(TMessage& Message);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const;

  std::unique_ptr<TListBoxStrings> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  Integer savedIndex_ = -1;
  TListBoxStyle style_ = lbStandard;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  Integer itemHeight_ = 16;
  TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
  PR_CLASS(TListBox, TCustomListBox)

 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
