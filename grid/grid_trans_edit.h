// TGridTransEdit: the borderless edit a string grid places one pixel inside a fixed cell to edit its
// text (the grid's EditFixedCell).  It validates and stores its own text: leaving it commits, and a
// value OnCellValidate refuses keeps it open on its cell with the focus.  Return is dropped (it
// never reaches the text).  Its grid is its owner when that is a TProStringGrid; with any other
// owner it has no grid and a commit only hides it.
#pragma once

#include "platform/ui/edit.h"

class TProStringGrid;

class TGridTransEdit : public TCustomEdit {
  PR_CLASS(TGridTransEdit, TCustomEdit)

 public:
  explicit TGridTransEdit(TComponent* AOwner);

  Integer Row() const { return row_; }
  void SetRow(Integer Value) { row_ = Value; }
  Integer Col() const { return col_; }
  void SetCol(Integer Value) { col_ = Value; }
  TProStringGrid* Grid() const { return grid_; }
  // True when the text was stored (or there is no grid) and the edit hidden; false when
  // OnCellValidate refused it: the grid's current cell is then the edited one (when it can be
  // current) and the edit keeps the focus.
  bool CommitEdit();

 protected:
  void DoExit() override;
  void KeyPress(char& Key) override;

 private:
  TProStringGrid* grid_;
  Integer row_ = 0;
  Integer col_ = 0;
};
