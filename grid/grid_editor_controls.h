// The string grid's editor controls: the separate controls a cell of an editor kind is edited with
// (the plain text kinds use TProInplaceEdit).  Each control works for one TProStringGrid, its owner
// (another owner raises EInvalidCast), lives hidden and disabled as the grid's child until the grid
// fills, places and shows it over a cell, and ends its edit in one of three ways: one of its grid
// keys, the loss of the focus (the edit is hidden into the cell), or, for the button, a click.
//
// Grid keys: the edit with a button takes Tab, Return, Escape, PageUp, PageDown, Up and Down (with
// Ctrl up), validates Tab, Return, Up and Down with its text stored into the cell first and shows
// the accepted cell text again; Escape puts KeptCellText back.  The value-and-unit edit does the
// same; its refusal restores the text without moving the caret, and its Escape shows the cell's text
// with the unit cleared.  Then Tab with goTabs moves to the next tab stop, any other key goes to
// the grid's LeaveEditControl.  A refused value keeps the control, its text the cell's, the caret at
// the end, and the key reaches neither the grid nor the control.  The check box leaves with Return,
// PageUp, PageDown, End and the arrows; the button with Escape and the arrows.
//
// TGridEditorControls holds one control of each kind the grid has opened so far.  The combo box
// editor (edComboEdit, edComboList) is in grid_combo.h.
#pragma once

#include <string>

#include "grid/grid_combo.h"
#include "grid/grid_spin.h"
#include "grid/zav_edit.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"

class TProStringGrid;

// The grid (AOwner as a TProStringGrid); EInvalidCast for another owner.
TProStringGrid* EditorGrid(TComponent* AOwner);
// Tab with goTabs: the edit hidden into the cell, the focus to the grid, the next (with Shift the
// previous) tab stop.
void TabToNextStop(TProStringGrid* Grid, TShiftState Shift);
// After a grid key that was not refused: Tab with goTabs moves on, anything else leaves through
// the grid.
void LeaveWithKey(TProStringGrid* Grid, Word Key, TShiftState Shift);
// Tab, Return, Up and Down: the keys that store an editor control's text in the cell first.
bool IsValidatedKey(Word Key);
// Answers CM_WANTSPECIALKEY: Return always, Tab with goTabs; the form's dialog keys never take them
// from an editor control.
void ClaimEditorKeys(TProStringGrid* Grid, TMessage& Message);
// Stores Control's text in the current cell, validated; either way the control then shows the
// cell's text (repainted when the value was refused).  False when it was refused.
bool StoreControlText(TProStringGrid* Grid, TControl& Control);

class TGridEditBtn : public TZavEditBtn {
  PR_CLASS(TGridEditBtn, TZavEditBtn)

 public:
  explicit TGridEditBtn(TComponent* AOwner);

  // The step by which the grid prepares the control before it places and shows it.
  void RecreateWindow() { RecreateWndIfAllocated(); }

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void Change() override;
  void DoExit() override;
  void WndProc(TMessage& Message) override;
  // Answers the grid's key for the control (Key is 0 afterwards when the key was used).
  virtual void GridKey(Word& Key, TShiftState Shift);
  TProStringGrid* Grid() const { return grid_; }

 private:
  void EllipsClick(TObject* Sender);
  void Paste();
  void WalkRight(Word& Key);
  void WalkLeft(Word& Key);
  // Into the neighbour cell: by a column move when it has a clickable graphic and the value is
  // accepted, else by the Enter advance (left to right) that shows the next cell's editor.
  void WalkTo(Integer NextCol, bool Forward);

  TProStringGrid* grid_;
  Integer keyDownCaret_ = 0;
};

class TGridUnitEditBtn : public TZavUnitEditBtn {
  PR_CLASS(TGridUnitEditBtn, TZavUnitEditBtn)

 public:
  explicit TGridUnitEditBtn(TComponent* AOwner);

  void RecreateWindow() { RecreateWndIfAllocated(); }

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoExit() override;
  void WndProc(TMessage& Message) override;

 private:
  TProStringGrid* grid_;
};

class TGridCheckBox : public TCheckBox {
  PR_CLASS(TGridCheckBox, TCheckBox)

 public:
  explicit TGridCheckBox(TComponent* AOwner);

  void RecreateWindow() { RecreateWndIfAllocated(); }

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DoExit() override;

 private:
  TProStringGrid* grid_;
};

class TGridButton : public TButton {
  PR_CLASS(TGridButton, TButton)

 public:
  explicit TGridButton(TComponent* AOwner);

  void RecreateWindow() { RecreateWndIfAllocated(); }

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DoExit() override;
  void WndProc(TMessage& Message) override;

 private:
  // The caption through the grid's OnEllipsClick into the caption and the cell.
  void StoreClick();
  // Hidden and disabled, the edit no longer active, the focus to the grid.
  void HideSelf();

  TProStringGrid* grid_;
};

// The editor controls of one grid, each made on the first edit of its kind, owned by the grid as
// components and freed with this holder.
class TGridEditorControls {
 public:
  explicit TGridEditorControls(TProStringGrid* Grid) : grid_(Grid) {}
  ~TGridEditorControls();
  TGridEditorControls(const TGridEditorControls&) = delete;
  TGridEditorControls& operator=(const TGridEditorControls&) = delete;

  TGridEditBtn* EditBtn();
  TGridUnitEditBtn* UnitEditBtn();
  TGridCheckBox* CheckBox();
  TGridButton* Button();
  TGridCombo* Combo();
  TGridSpin* Spin();
  // The controls made so far (nullptr for the others).
  TGridEditBtn* EditBtnIfMade() const { return editBtn_; }
  TGridUnitEditBtn* UnitEditBtnIfMade() const { return unitEditBtn_; }
  TGridCheckBox* CheckBoxIfMade() const { return checkBox_; }
  TGridButton* ButtonIfMade() const { return button_; }
  TGridCombo* ComboIfMade() const { return combo_; }
  TGridSpin* SpinIfMade() const { return spin_; }

  // Opens the control of the grid's ActiveEditorType over the cell (display column ACol): false when
  // the kind has no control here.
  bool Open(Integer ACol, Integer ARow);
  // Stores the control's value into the cell (real column of ACol) and hides it: false when the
  // kind has no control here.
  bool Close(Integer ACol, Integer ARow);
  // The grid's own key handling (for the keys a control passes on).
  static void GridKeyDown(TProStringGrid* Grid, Word& Key, TShiftState Shift);
  // The class library's ShowEditor of the grid.
  static void GridShowEditor(TProStringGrid* Grid);

 private:
  template <class T>
  T* Made(T*& Slot);
  // Prepared, enabled, shown, coloured and focused on Bounds.
  void Show(TWinControl* Control, const TRect& Bounds, TColor Color);
  static void Hide(TWinControl* Control);
  void OpenCombo(const TRect& Cell, TColor Color, const std::string& Value, bool List);
  // The spin type of the kind and the cell's value in it (unreadable dates: now).
  void OpenSpin(const TRect& Cell, TColor Color, const std::string& Value);
  // The spin edit's value into the cell in the kind's format.
  void CloseSpin(Integer RealCol, Integer ARow);
  // The grid's EditLink built, placed, filled and focused over the cell (or on its popup form);
  // false without a link.
  bool OpenLink(Integer ACol, Integer ARow, const TRect& Cell, TColor Color, const std::string& Value);
  // The link's value into the cell, an in-place link hidden, its control released.
  bool CloseLink(Integer RealCol, Integer ARow);

  TProStringGrid* grid_;
  TGridEditBtn* editBtn_ = nullptr;
  TGridUnitEditBtn* unitEditBtn_ = nullptr;
  TGridCheckBox* checkBox_ = nullptr;
  TGridButton* button_ = nullptr;
  TGridCombo* combo_ = nullptr;
  TGridSpin* spin_ = nullptr;
};
