// TCustomComboBox and TComboBox: a combo box over the COMBOBOX window class.
//
// Styles: csDropDown (an edit and a drop-down list), csSimple (an edit above a list),
// csDropDownList (a field showing the selected item), csOwnerDrawFixed and csOwnerDrawVariable
// (drop-down lists whose items OnDrawItem draws, OnMeasureItem giving variable heights).  Items
// are the window's own while it exists (TCustomComboBoxStrings sends CB_ messages; each string's
// object is the item's data); without a window they, the item index and the text wait in the
// control, so a recreated window (Style, Sorted, CharCase) keeps them.
//
// Notifications, reflected as CN_COMMAND: CBN_EDITCHANGE runs Change (OnChange); CBN_SELCHANGE
// runs Click (OnClick) then Select (OnSelect, or Change when OnSelect is not assigned);
// CBN_DROPDOWN runs DropDown (OnDropDown) and sizes the list to DropDownCount rows;
// CBN_CLOSEUP runs CloseUp (OnCloseUp); CBN_DBLCLK runs DblClick.  Key messages of the edit go
// through the control's key handling (OnKeyDown, OnKeyPress, OnKeyUp, the form's key preview)
// before the edit sees them, and the edit's focus is the control's.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/edit.h"
#include "platform/ui/owner_draw_item.h"
#include "platform/ui/win_control.h"
#include "platform/ui/window_item_strings.h"

class TCanvas;
class TControlCanvas;
class TCustomComboBox;

PR_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)

// The Items of a combo box: a TStrings over its window's CB_ messages or, without one, its saved list.
class TCustomComboBoxStrings : public TWindowItemStrings {
  PR_CLASS(TCustomComboBoxStrings, TWindowItemStrings)

 public:
  explicit TCustomComboBoxStrings(TCustomComboBox* ComboBox);
  void Clear() override;
  Integer IndexOf(const std::string& S) const override;

 private:
  TCustomComboBox* comboBox_;
};

class TCustomComboBox : public TWinControl {
  PR_CLASS(TCustomComboBox, TWinControl)

 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  Integer ItemIndex() const;
  void SetItemIndex(Integer Value);
  TComboBoxStyle Style() const { return style_; }
  virtual void SetStyle(TComboBoxStyle Value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase Value);
  Integer MaxLength() const { return maxLength_; }
  void SetMaxLength(Integer Value);
  Integer DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(Integer Value) { dropDownCount_ = Value; }
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  Integer ItemHeight() const;
  void SetItemHeight(Integer Value);
  Integer SelStart() const;
  void SetSelStart(Integer Value);
  Integer SelLength() const;
  void SetSelLength(Integer Value);
  std::string SelText() const;
  void SelectAll();
  void Clear();
  TCanvas* Canvas() const;
  // The edit (null in the drop-down list styles) and the list windows.
  HWND EditHandle() const { return editHandle_; }
  HWND ListHandle() const { return listHandle_; }
  bool Focused() const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void Dispatch(TMessage& Message) override;

 protected:
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(Integer Index, Integer& Height);
  // Every message of the edit window; the default runs the key handling, then the edit.
  virtual void EditWndProc(TMessage& Message);
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Loaded() override;

 private:
  void CNCommand(TMessage& Message);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  void AdjustDropDown();
  void GetSelection(DWORD& Start, DWORD& End) const;
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const;

  std::unique_ptr<TCustomComboBoxStrings> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  WNDPROC editInstance_ = nullptr;
  WNDPROC editDefProc_ = nullptr;
  HWND editHandle_ = nullptr;
  HWND listHandle_ = nullptr;
  Integer savedIndex_ = -1;
  Integer readingIndex_ = -1;   // a streamed ItemIndex waits for Loaded, when Items are all read
  TComboBoxStyle style_ = csDropDown;
  TEditCharCase charCase_ = ecNormal;
  Integer maxLength_ = 0;
  Integer dropDownCount_ = 8;
  Integer itemHeight_ = 16;
  bool sorted_ = false;
};

class TComboBox : public TCustomComboBox {
  PR_CLASS(TComboBox, TCustomComboBox)

 public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
