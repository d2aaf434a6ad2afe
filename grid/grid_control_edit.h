// TControlEdit: the borderless masked edit a string grid opens over an EDIT, PASSWORD or MASK form
// control of a markup cell (the grid's StartControlEdit).  Its grid is its parent when that is a
// TProStringGrid.  It claims Tab (not Return) from the form's dialog keys; Return and Tab end the
// control edit through the grid (the value is written into the cell's markup), Tab then moves on to
// the cell's next form control.  Leaving it ends the control edit too.
#pragma once

#include "platform/ui/mask_edit.h"

class TProStringGrid;

class TControlEdit : public TMaskEdit {
  PR_CLASS(TControlEdit, TMaskEdit)

 public:
  explicit TControlEdit(TComponent* AOwner);

  void WndProc(TMessage& Message) override;

 protected:
  void DoExit() override;
  void KeyPress(char& Key) override;

 private:
  TProStringGrid* Grid() const;
};
