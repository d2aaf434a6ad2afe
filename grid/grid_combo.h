// TPSGCustomCombo / TPSGComboBox: the grid library's combo box (the class library's combo box with
// a drop-down button width of 14 to 32 pixels, a settable dropped-list width and the flat-look
// switches), and TGridCombo, the editor control of the edComboEdit and edComboList cells.
//
// TGridCombo completes the text from its items while typing (then from the grid's LookupItems,
// without selecting an item), steps through its items with the grid's wheel message (staying
// among the items; nothing fires without one), fires the grid's combo events, and leaves the cell
// with its grid keys: in a drop-down list or while dropped down Tab, Return, Escape, Left and
// Right; editable and closed Tab, Return, Escape, PageUp, PageDown, End, Up and Down (Alt+Down
// never).  Tab, Return, Up and Down store the text into the cell and validate it first (a refusal
// shows the cell's text again and keeps the combo); Escape shows the cell's text and its item.
//
// Not here: the flat look's painting (frame, etched or raised button, focus border, the parent's
// colour while disabled); the switches are stored and the platform's combo box paints as usual.
#pragma once

#include <string>

#include "platform/ui/combo_box.h"

class TProStringGrid;

class TPSGCustomCombo : public TCustomComboBox {
  PR_CLASS(TPSGCustomCombo, TCustomComboBox)

 public:
  explicit TPSGCustomCombo(TComponent* AOwner);

  // Taken only from 14 to 32; starts at the vertical scroll bar's width + 4.
  Integer ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(Integer Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  bool Etched() const { return etched_; }
  void SetEtched(bool Value);
  bool FocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool Value) { focusBorder_ = Value; }
  bool AutoFocus() const { return autoFocus_; }
  void SetAutoFocus(bool Value) { autoFocus_ = Value; }
  // The dropped list's width; 0 or less keeps the system's.
  Integer DropWidth() const { return dropWidth_; }
  void SetDropWidth(Integer Value);
  // "1.2.0.1" (writing it does nothing).
  std::string Version() const;
  void SetVersion(const std::string&) {}

 private:
  Integer buttonWidth_;
  bool flat_ = true;
  bool etched_ = false;
  bool focusBorder_ = false;
  bool autoFocus_ = false;
  Integer dropWidth_ = 0;
};

class TPSGComboBox : public TPSGCustomCombo {
  PR_CLASS(TPSGComboBox, TPSGCustomCombo)

 public:
  using TPSGCustomCombo::TPSGCustomCombo;
};

class TGridCombo : public TPSGComboBox {
  PR_CLASS(TGridCombo, TPSGComboBox)

 public:
  explicit TGridCombo(TComponent* AOwner);

  void RecreateWindow() { RecreateWndIfAllocated(); }
  // The dropped list made wide enough for the longest item in the grid's font.
  void SizeDropDown();
  bool LookupArmed() const { return lookupArmed_; }
  // OnComboChange and OnComboObjectChange for the selected item.
  void FireComboChange(TObject* Sender, const std::string& Selection);

  TNotifyEvent OnReturnKey;

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void Change() override;
  void DoExit() override;
  void WndProc(TMessage& Message) override;

 private:
  bool IsGridKey(Word Key, TShiftState Shift);
  void GridKey(Word& Key, TShiftState Shift);
  void Complete();

  TProStringGrid* grid_;
  bool lookupArmed_ = true;
};
