// TControlList: the string grid's list of the controls placed in its cells.  Each entry is a
// TCellControl (the cell's column and row and the control, which the entry does not own); the list
// owns its entries and frees them.  Row is the displayed row; while the entry's row is hidden
// (a contracted node, a filter) RowHidden is set and Row holds the row's real index instead.
#pragma once

#include "platform/classes/list.h"

class TControl;

class TCellControl : public TObject {
  PR_CLASS(TCellControl, TObject)

 public:
  TCellControl(Integer ACol, Integer ARow, TControl* AControl) : Col(ACol), Row(ARow), Control(AControl) {}

  Integer Col;
  Integer Row;
  TControl* Control;
  bool RowHidden = false;
};

class TControlList : public TList {
  PR_CLASS(TControlList, TList)

 public:
  TControlList() = default;
  // Frees every entry, always taking the first.
  ~TControlList() override;

  // Appends an entry the list then owns.
  Integer AddControl(TCellControl* Entry) { return Add(Entry); }
  TCellControl* GetControl(Integer Index) const { return static_cast<TCellControl*>(Items(Index)); }
  // Frees the entry and removes it.
  void DeleteControl(Integer Index);
};
