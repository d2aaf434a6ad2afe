// TGridSpin: the spin edit the grid opens over edSpinEdit, edFloatSpinEdit, edTimeSpinEdit and
// edDateSpinEdit cells (bounds 0..100, step 1 at creation).  Each step fires the grid's spin event
// of the spin type (OnSpinClick, OnFloatSpinClick, OnDateSpinClick, OnTimeSpinClick) with the
// grid's current cell and UpDown true for a step up; each change fires OnEditChange.
//
// Keys: Up, Down, PageUp and PageDown step.  Home writes the upper bound and End the lower one
// (integers and numbers; dates and times stay), then fire OnSpinClick with Value and UpDown false
// when it is assigned.  The grid keys: Tab and Return store the text validated first (a refusal
// keeps the control); Escape puts KeptCellText back (integers and numbers written again from it);
// then Tab with goTabs moves on and any other grid key leaves through the grid.  Leaving the
// control hides it into the cell.
#pragma once

#include "grid/zav_spin_edit.h"

class TProStringGrid;

class TGridSpin : public TZavSpinEdit {
  PR_CLASS(TGridSpin, TZavSpinEdit)

 public:
  // The grid (AOwner as a TProStringGrid); EInvalidCast for another owner.
  explicit TGridSpin(TComponent* AOwner);

  void RecreateWindow() { RecreateWndIfAllocated(); }

  void StepUp() override;
  void StepDown() override;

 protected:
  void Change() override;
  void DoExit() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WndProc(TMessage& Message) override;

 private:
  void FireSpinEvent(bool Up);
  // Tab, Return, Escape; Key is 0 afterwards.
  void GridKey(Word& Key, TShiftState Shift);

  TProStringGrid* grid_;
};
