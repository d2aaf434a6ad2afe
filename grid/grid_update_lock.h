// Holds a string grid's update lock for a scope, released also when the scope ends by an exception.
#pragma once

#include "grid/pro_string_grid.h"

class GridUpdateLock {
 public:
  explicit GridUpdateLock(TProStringGrid* Grid) : grid_(Grid) { grid_->BeginUpdate(); }
  ~GridUpdateLock() { grid_->EndUpdate(); }
  GridUpdateLock(const GridUpdateLock&) = delete;
  GridUpdateLock& operator=(const GridUpdateLock&) = delete;

 private:
  TProStringGrid* grid_;
};
