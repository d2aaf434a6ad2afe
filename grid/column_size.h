// TColumnSize (the string grid's ColumnSize): whether the column widths are kept in an ini file or
// the registry (Save, Key, Section, Location), and the column stretched to fill the client width
// (Stretch, StretchColumn: -1 is the last column; SynchWithGrid scales the widths with the grid).
// No Assign of its own: assigning one raises the class library's assignment error.
#pragma once

#include <string>

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"
#include "platform/classes/type_info.h"

class TProStringGrid;

PR_ENUM(TColumnSizeLocation, clRegistry, clIniFile)

class TColumnSize : public TPersistent {
  PR_CLASS(TColumnSize, TPersistent)

 public:
  explicit TColumnSize(TProStringGrid* AGrid) : grid_(AGrid) {}

  TProStringGrid* Grid() const { return grid_; }

 private:
  TProStringGrid* grid_;

  PR_STORED_PROPERTY(bool, Save, false)
  PR_STORED_PROPERTY(std::string, Key, "")
  PR_STORED_PROPERTY(std::string, Section, "")
  // Stored; the stretch itself is the grid's scrolling and column sizing.
  PR_STORED_PROPERTY(bool, Stretch, false)
  PR_STORED_PROPERTY(Integer, StretchColumn, -1)
  PR_STORED_PROPERTY(bool, SynchWithGrid, false)
  PR_STORED_PROPERTY(TColumnSizeLocation, Location, clRegistry)
};
