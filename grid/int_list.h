// TIntList: a list of 32-bit signed integers bound to a cell (Col, Row), kept in the class library's
// pointer list (each entry holds its integer as the pointer value).  Changes through SetItem, Add
// and Delete fire OnChange(self, Col, Row); Insert fires nothing.  A bad index raises the list's
// EListError "List index out of bounds (%d)".
#pragma once

#include <string>

#include "platform/classes/event.h"
#include "platform/classes/list.h"

class TIntList;
using TIntListChangeEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow)>;

class TIntList : public TList {
  PR_CLASS(TIntList, TList)

 public:
  TIntList(Integer ACol, Integer ARow) : col_(ACol), row_(ARow) {}

  Integer GetItem(Integer Index) const;
  void SetItem(Integer Index, Integer Value);
  Integer Items(Integer Index) const { return GetItem(Index); }
  Integer Add(Integer Value);
  void Insert(Integer Index, Integer Value);
  void Delete(Integer Index);
  // Deletes the first entry equal to Value (through Delete); nothing when absent.
  void DeleteValue(Integer Value);
  bool HasValue(Integer Value) const;
  // The entries in decimal joined by "," ("" for an empty list).
  std::string GetCommaText() const;
  // Clears the list, then Adds each item of the class library's comma text converted to an
  // integer; an item that is no integer raises EConvertError, the entries added before it stay.
  void SetCommaText(const std::string& Text);

  Integer Col() const { return col_; }
  Integer Row() const { return row_; }

  TIntListChangeEvent OnChange;

 private:
  void Changed();

  Integer col_;
  Integer row_;
};
