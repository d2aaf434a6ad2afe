// TCompanyList: the company list USERDRV.INI of the program folder as the company dialog edits it:
// rows 1..90, each a company's name, its data folder and its report-template folder (the dialog's
// grid shows them in its columns 0, 1 and 2).
//
// File: code page 874 text, a line per row: name ";" folder, then "|" template when the row has
// one; a line without ";" is an empty row; lines past the 90th are not read.  Written as exactly
// 90 lines, an empty line for a row without name and folder.  USERDRV.DEF (one folder a line)
// seeds a missing list once; without it the list starts with one unnamed row whose folder is the
// program folder's DATAFILE subfolder ("new list": the dialog opens the row's editor at once).
//
// The remembered company (QZACC.CFG: OPENCOMPANY_COMPANY and OPENCOMPANY_DIR) is the last row
// whose name and folder equal it without regard to case; moving, removing and inserting rows take
// it along (a removed remembered row leaves none).
#pragma once

#include <array>
#include <string>

#include "platform/core/types.h"

struct TCompanyRow {
  std::string Name;
  std::string Folder;
  std::string Template;
  // A row with neither name nor folder is empty (it is written as an empty line).
  bool Used() const { return !Name.empty() || !Folder.empty(); }
};

class TCompanyList {
 public:
  static constexpr Integer kRows = 90;

  // Makes the program folder current and makes sure USERDRV.INI is there (seeding it when
  // missing); false when it cannot be made.
  bool Ensure();
  // Whether the last Ensure made the default one-row list.
  bool NewList() const { return newList_; }
  void ClearNewList() { newList_ = false; }
  // Reads the list (after LoadConfiguration, so the remembered company is current).  Nothing is
  // read without USERDRV.INI.
  void Load();
  // Writes the 90 rows to the program folder's USERDRV.INI; raises EInOutError on a failure.
  void Save() const;

  TCompanyRow& Row(Integer Index) { return rows_.at(std::size_t(Index - 1)); }
  const TCompanyRow& Row(Integer Index) const { return rows_.at(std::size_t(Index - 1)); }
  // The rows that have a folder.
  Integer CompanyCount() const;
  // The folder the edit dialog opens row Index with: the row's own; for a row without one, the
  // current folder's DATAFILE subfolder while no row has a folder or the only one with a folder is
  // the demo's (its folder holds "DATADEMO"); otherwise the current folder itself (the dialog then
  // opens a new entry whose folder follows its name).
  std::string FolderToEdit(Integer Index) const;
  // The remembered company's row, 0 when no row is it.
  Integer RememberedRow() const { return rememberedRow_; }
  // The check box "choose this company automatically": a remembered row with the auto-select flag.
  bool AutoSelect() const;

  // Row operations (Index 1..90); each marks the list changed.
  // Rows below Index move up, row 90 becomes empty.
  void RemoveRow(Integer Index);
  // Rows Index..89 move down and Index becomes empty; false, and nothing changes, when row 90 is
  // used (its company would be lost).
  bool InsertRow(Integer Index);
  // Exchanges the row with the one above (below); answers the row that is current afterwards.
  Integer MoveUp(Integer Index);
  Integer MoveDown(Integer Index);

  bool Changed() const { return changed_; }
  void SetChanged(bool Value) { changed_ = Value; }

 private:
  void Exchange(Integer First, Integer Second);

  std::array<TCompanyRow, kRows> rows_{};
  Integer rememberedRow_ = 0;
  bool newList_ = false;
  bool changed_ = false;
};
