// TMouseActions (the string grid's MouseActions): what the mouse may do in the grid: selecting
// rows, columns and disjunct sets of them, sizing, editing on a click, check boxes, the wheel.
//
// The three disjunct selections exclude each other in the designer only: while the grid is being
// designed, switching one on switches the other two off; at run time their setters only store.
// HotmailRowSelect repaints the grid.  Assign copies every property but HotmailRowSelect and
// SizeFixedRow, field by field (no setter runs), from another TMouseActions; any other source is
// ignored.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"

class TProStringGrid;

PR_ENUM(TGridFixedCellEdit, fceNone, fceDblClick, fceLeftClick, fceRightClick)
PR_ENUM(TWheelAction, waMoveSelection, waScroll)

class TMouseActions : public TPersistent {
  PR_CLASS(TMouseActions, TPersistent)

 public:
  explicit TMouseActions(TProStringGrid* AGrid) : grid_(AGrid) {}

  void Assign(TPersistent* Source) override;

  bool DisjunctRowSelect() const { return disjunctRowSelect_; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return disjunctColSelect_; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return disjunctCellSelect_; }
  void SetDisjunctCellSelect(bool Value);
  bool HotmailRowSelect() const { return hotmailRowSelect_; }
  void SetHotmailRowSelect(bool Value);

 private:
  bool Designing() const;

  TProStringGrid* grid_;
  bool disjunctRowSelect_ = false;
  bool disjunctColSelect_ = false;
  bool disjunctCellSelect_ = false;
  bool hotmailRowSelect_ = false;

  PR_STORED_PROPERTY(bool, AllColumnSize, false)
  PR_STORED_PROPERTY(bool, AllRowSize, false)
  PR_STORED_PROPERTY(bool, AllSelect, false)
  PR_STORED_PROPERTY(bool, AutoSizeColOnDblClick, true)
  PR_STORED_PROPERTY(bool, CaretPositioning, false)
  PR_STORED_PROPERTY(bool, CheckAllCheck, false)
  PR_STORED_PROPERTY(bool, ColSelect, false)
  PR_STORED_PROPERTY(bool, DirectComboDrop, false)
  PR_STORED_PROPERTY(bool, DirectDateDrop, false)
  PR_STORED_PROPERTY(bool, DirectEdit, false)
  PR_STORED_PROPERTY(bool, MoveRowOnNodeClick, false)
  PR_STORED_PROPERTY(bool, NoAutoRangeScroll, false)
  PR_STORED_PROPERTY(bool, NodeAllExpandContract, false)
  PR_STORED_PROPERTY(bool, NoScrollOnPartialRow, false)
  PR_STORED_PROPERTY(bool, PreciseCheckBoxCheck, false)
  PR_STORED_PROPERTY(bool, RangeSelectAndEdit, false)
  PR_STORED_PROPERTY(bool, RowSelect, false)
  PR_STORED_PROPERTY(bool, RowSelectPersistent, false)
  PR_STORED_PROPERTY(bool, SelectOnRightClick, false)
  PR_STORED_PROPERTY(bool, SizeFixedCol, false)
  PR_STORED_PROPERTY(bool, SizeFixedRow, false)
  PR_STORED_PROPERTY(TGridFixedCellEdit, FixedRowsEdit, fceNone)
  PR_STORED_PROPERTY(TGridFixedCellEdit, FixedColsEdit, fceNone)
  PR_STORED_PROPERTY(Integer, WheelIncrement, 0)
  PR_STORED_PROPERTY(TWheelAction, WheelAction, waMoveSelection)
};
