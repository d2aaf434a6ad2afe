// TZavSpinEdit: the grid library's spin edit, an edit that steps an integer, a number, a date or a
// time.  Here: its values with their bounds, the steps, the typing rules and the stepping keys
// (Up and PageUp step up, Down and PageDown down, without a key-down event).
//
// Bounds: a pair of equal bounds means no bound for that kind; times have none.  Unreadable texts
// read as the lower bound (Value, FloatValue, DateValue), 0 (TimeValue); "0" or an empty text as a
// date reads as now.  A date step changes the field the caret stands in (the first two fields by
// the order of M and D in ShortDateFormat, the third always the year); a month step keeps the day
// within the new month, and a year step from 29 February gives the 28th.  A time step changes the
// hour, minute or second the caret stands in and wraps around midnight both ways.
//
// The edit carries a TZavSpinButton at its right edge: two TProTimerSpeedButtons stacked (the up
// button the upper half, the down button from one pixel above the up button's bottom), glyphs
// "ZavSpinUp" and "ZavSpinDown".  A held arrow button clicks again 400 ms after the press and then
// every 100 ms while it is down and holds the capture; the release over it clicks once more.
#pragma once

#include "platform/core/date_time.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/speed_button.h"

class TTimer;

PR_ENUM(TZavSpinType, sptNormal, sptFloat, sptDate, sptTime)
PR_ENUM(TSpinDirection, spVertical, spHorizontal)

class TProTimerSpeedButton : public TSpeedButton {
  PR_CLASS(TProTimerSpeedButton, TSpeedButton)

 public:
  explicit TProTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

  bool AutoRepeat() const { return autoRepeat_; }
  void SetAutoRepeat(bool Value) { autoRepeat_ = Value; }
  // The focus mark: set on the spin button's focused arrow button while the spin button has the
  // focus.
  bool FocusRectShown() const { return focusRectShown_; }
  void SetFocusRectShown(bool Value);

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  void TimerExpired(TObject* Sender);

  TTimer* repeatTimer_ = nullptr;   // owned; made on the first press
  bool autoRepeat_ = true;
  bool focusRectShown_ = false;
};

class TZavSpinButton : public TWinControl {
  PR_CLASS(TZavSpinButton, TWinControl)

 public:
  // 15 x 25; both buttons with their resource glyphs.
  explicit TZavSpinButton(TComponent* AOwner);

  TProTimerSpeedButton* UpButton() const { return up_; }
  TProTimerSpeedButton* DownButton() const { return down_; }
  // The buttons take the layout of the requested size first: vertical (at least 15 wide) the up
  // button the upper half, the down button from one pixel above its bottom; horizontal (at least 20
  // wide) the down button the left half, the up button from one pixel past the middle.
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  // The window made again and the width 15 (vertical) or 20 (horizontal).
  TSpinDirection Direction() const { return direction_; }
  void SetDirection(TSpinDirection Value);
  // The arrow button Space clicks (the up button at first).  Up and Down make their button the
  // focused one (only while the spin button is a tab stop that can take the focus) and click it.
  TProTimerSpeedButton* FocusedButton() const { return focused_; }

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 private:
  void UpClicked(TObject*) { OnUpClick(this); }
  void DownClicked(TObject*) { OnDownClick(this); }
  void ClickButton(TProTimerSpeedButton* Button);
  void SetFocusedButton(TProTimerSpeedButton* Button);

  TProTimerSpeedButton* up_;
  TProTimerSpeedButton* down_;
  TProTimerSpeedButton* focused_;
  TSpinDirection direction_ = spVertical;

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;
};

class TZavSpinEdit : public TCustomMaskEdit {
  PR_CLASS(TZavSpinEdit, TCustomMaskEdit)

 public:
  explicit TZavSpinEdit(TComponent* AOwner);

  Integer MinValue() const { return minValue_; }
  void SetMinValue(Integer Value) { minValue_ = Value; }
  Integer MaxValue() const { return maxValue_; }
  void SetMaxValue(Integer Value) { maxValue_ = Value; }
  double MinFloatValue() const { return minFloatValue_; }
  void SetMinFloatValue(double Value) { minFloatValue_ = Value; }
  double MaxFloatValue() const { return maxFloatValue_; }
  void SetMaxFloatValue(double Value) { maxFloatValue_ = Value; }
  TDateTime MinDateValue() const { return minDateValue_; }
  void SetMinDateValue(TDateTime Value) { minDateValue_ = Value; }
  TDateTime MaxDateValue() const { return maxDateValue_; }
  void SetMaxDateValue(TDateTime Value) { maxDateValue_ = Value; }
  Integer Increment() const { return increment_; }
  void SetIncrement(Integer Value) { increment_ = Value; }
  double IncrementFloat() const { return incrementFloat_; }
  void SetIncrementFloat(double Value) { incrementFloat_ = Value; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
  // Setting either writes the current type's value again (the text is reformatted).
  TZavSpinType SpinType() const { return spinType_; }
  void SetSpinType(TZavSpinType Value);
  Integer Precision() const { return precision_; }
  void SetPrecision(Integer Value);
  // On: the keypad's "." (key data bit 22) types the locale's decimal separator.
  bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
  void SetExcelStyleDecimalSeparator(bool Value) { excelStyleDecimalSeparator_ = Value; }

  // Written limited to the bounds; Value selects the whole text while EditorEnabled is off;
  // FloatValue in fixed notation with Precision decimals (0: the general format); DateValue in
  // ShortDateFormat and TimeValue in LongTimeFormat, the caret kept.
  Integer Value();
  void SetValue(Integer AValue);
  double FloatValue();
  void SetFloatValue(double AValue);
  TDateTime DateValue();
  void SetDateValue(TDateTime AValue);
  TDateTime TimeValue();
  void SetTimeValue(TDateTime AValue);

  // One step of the spin type; a read-only edit beeps and changes nothing.
  virtual void StepUp() { Step(1); }
  virtual void StepDown() { Step(-1); }
  // Whether a typed character is taken; a refused one is dropped with a beep.
  virtual bool AcceptsChar(char Key);

  TZavSpinButton* Button() const { return button_; }
  // Passed to the spin button; the edit's layout is redone.
  TSpinDirection Direction() const { return button_->Direction(); }
  void SetDirection(TSpinDirection Value);
  // The spin button follows the right edge (left = width - its width, top 1, height - 3).
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  void Dispatch(TMessage& Message) override;

 protected:
  void KeyPress(char& Key) override;
  // Leaving writes an integer, number or date outside its bounds again, which limits it.
  void DoExit() override;

 private:
  void ButtonStepUp(TObject*) { StepUp(); }
  void ButtonStepDown(TObject*) { StepDown(); }
  void Step(Integer Direction);
  void StepDate(Integer Direction);
  void StepTime(Integer Direction);
  // The caret's field: 0 before the first Separator, 1 before the second, else 2.
  Integer CaretField(char Separator);
  void SetTextKeepingCaret(const std::string& Value);
  bool TypedCharAllowed(char Key);

  TZavSpinButton* button_ = nullptr;   // owned child
  Integer minValue_ = 0;
  Integer maxValue_ = 100;
  double minFloatValue_ = 0;
  double maxFloatValue_ = 100;
  TDateTime minDateValue_ = 0;
  TDateTime maxDateValue_ = 0;
  TDateTime dateValue_ = 0;
  TDateTime timeValue_ = 0;
  Integer increment_ = 1;
  double incrementFloat_ = 0.1;
  bool editorEnabled_ = true;
  TZavSpinType spinType_ = sptNormal;
  Integer precision_ = 0;
  bool excelStyleDecimalSeparator_ = false;
};
