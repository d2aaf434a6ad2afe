// TSortIndexList: the columns of a multi-column sort, most significant first.  An entry is a
// column index in bits 0-30; bit 31 set marks that column as sorted descending.
#pragma once

#include "grid/int_list.h"

class TSortIndexList : public TIntList {
  PR_CLASS(TSortIndexList, TIntList)

 public:
  static constexpr Cardinal kDescending = 0x80000000u;

  TSortIndexList() : TIntList(0, 0) {}

  // Adds ACol, with the descending bit unless Ascending.
  void AddIndex(Integer ACol, bool Ascending);
  // Position of the first entry for ACol (bits 0-30); -1 when absent.
  Integer FindIndex(Integer ACol) const;
  // Bits 0-30 of the entry at Index.
  Integer GetSortColumn(Integer Index) const;
  bool IsDescending(Integer Index) const;
  // Flips the descending bit of the first entry for ACol through SetItem; nothing when absent.
  void ToggleDirection(Integer ACol);
};
