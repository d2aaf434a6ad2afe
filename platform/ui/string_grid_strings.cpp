#include "platform/ui/string_grid_strings.h"

#include "platform/classes/publisher.h"

#include "platform/ui/string_grid.h"

PR_IMPLEMENT_CLASS(TStringGridStrings)

TStringGridStrings::TStringGridStrings(TStringGrid* Grid, bool IsRow, Integer Index)
    : grid_(Grid), isRow_(IsRow), index_(Index) {}

void TStringGridStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  for (Integer i = 0; i < Count(); ++i) {
    const bool copied = i < source->Count();
    Put(i, copied ? source->Strings(i) : std::string());
    PutObject(i, copied ? source->Objects(i) : nullptr);
  }
}

void TStringGridStrings::Clear() {
  for (Integer i = 0; i < Count(); ++i) {
    Put(i, std::string());
    PutObject(i, nullptr);
  }
}

void TStringGridStrings::Delete(Integer) { throw EInvalidGridOperation("Grid lines cannot delete cells"); }

void TStringGridStrings::Insert(Integer, const std::string&) {
  throw EInvalidGridOperation("Grid lines cannot insert cells");
}

std::string TStringGridStrings::Get(Integer Index) const { return grid_->Cells(ColOf(Index), RowOf(Index)); }

Integer TStringGridStrings::GetCount() const { return isRow_ ? grid_->ColCount() : grid_->RowCount(); }

TObject* TStringGridStrings::GetObject(Integer Index) const { return grid_->Objects(ColOf(Index), RowOf(Index)); }

void TStringGridStrings::Put(Integer Index, const std::string& S) { grid_->SetCells(ColOf(Index), RowOf(Index), S); }

void TStringGridStrings::PutObject(Integer Index, TObject* AObject) {
  grid_->SetObjects(ColOf(Index), RowOf(Index), AObject);
}
