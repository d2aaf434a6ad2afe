// TStringGridStrings: one row or one column of a TStringGrid seen as a TStrings: item i is the cell
// at column i of the row (or row i of the column), string and object.  The count is the grid's
// column (or row) count; items cannot be inserted or deleted.  Assigning another TStrings copies its
// strings and objects into the first cells and empties the rest; Clear empties every cell of the line
// (objects are never freed).  Index checks are the grid's (EInvalidGridOperation).
#pragma once

#include "platform/classes/tstrings.h"

class TStringGrid;

class TStringGridStrings : public TStrings {
  PR_CLASS(TStringGridStrings, TStrings)

 public:
  TStringGridStrings(TStringGrid* Grid, bool IsRow, Integer Index);

  void Assign(TPersistent* Source) override;
  void Clear() override;
  void Delete(Integer Index) override;
  void Insert(Integer Index, const std::string& S) override;

 protected:
  std::string Get(Integer Index) const override;
  Integer GetCount() const override;
  TObject* GetObject(Integer Index) const override;
  void Put(Integer Index, const std::string& S) override;
  void PutObject(Integer Index, TObject* AObject) override;

 private:
  Integer ColOf(Integer Index) const { return isRow_ ? Index : index_; }
  Integer RowOf(Integer Index) const { return isRow_ ? index_ : Index; }

  TStringGrid* grid_;
  bool isRow_;
  Integer index_;
};
