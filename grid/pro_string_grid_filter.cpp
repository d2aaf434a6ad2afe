// TProStringGrid: filtering.  Switching FilterActive on tests every data row against the Filter
// items and hides the failing rows in one operation of the hidden-row store; switching it off
// brings back every hidden row (also rows hidden by other means) and marks every node expanded.
#include <cmath>
#include <string>

#include "grid/condition_matcher.h"
#include "grid/grid_filter.h"
#include "grid/grid_update_lock.h"
#include "grid/int_list.h"
#include "grid/markup_text.h"
#include "grid/pro_string_grid.h"
#include "grid/wide_cell_text.h"
#include "platform/core/cp874.h"
#include "platform/core/exceptions.h"

void TProStringGrid::SetFilter(TFilter* Value) { filter_->Assign(Value); }

std::string TProStringGrid::FilterCellText(const TFilterData* Item, Integer ARow) {
  const Integer col = Item->Column();
  std::string text;
  switch (Item->Data()) {
    case fcVirtual:
      return GetCellText(col, ARow);
    case fcNormal:
      return GetRawCellText(col, ARow);
    case fcStripHTML:
      return StripMarkup(GetCellText(col, ARow));
    case fcCalculated:
      GetCalculatedCellText(col, ARow, text);
      return text;
  }
  return text;
}

bool TProStringGrid::FilterRowMatches(Integer ARow) {
  bool outcome = true;
  for (Integer i = 0; i < filter_->Count(); ++i) {
    const TFilterData* item = filter_->Items(i);
    std::string text = FilterCellText(item, ARow);
    if (text.find("|\\") != std::string::npos) text = Utf16ToCp874(DecodeWideCellText(text));
    if (!item->Prefix().empty() && text.starts_with(item->Prefix())) text.erase(0, item->Prefix().size());
    const std::string& suffix = item->Suffix();
    const size_t suffixAt = suffix.empty() ? std::string::npos : text.find(suffix);
    if (suffixAt != std::string::npos && suffixAt + suffix.size() == text.size()) text.erase(suffixAt);
    bool match = false;
    try {
      match = MatchCondition(item->Condition(), text, item->CaseSensitive());
    } catch (const Exception&) {
      // A condition that fails to match counts as not matching.
    }
    switch (item->Operation()) {
      case foSHORT:
        if (!match) return false;
        outcome = true;
        break;
      case foNONE:
        outcome = match;
        break;
      case foAND:
        outcome = outcome && match;
        break;
      case foXOR:
        outcome = outcome != match;
        break;
      case foOR:
        outcome = outcome || match;
        break;
    }
  }
  return outcome;
}

// Progress is the share of data rows tested, in whole percent rounded half to even.
void TProStringGrid::HideFilteredRows() {
  const Integer first = FixedRows();
  const Integer last = RowCount() - fixedFooters_ - 1;
  const Integer total = last - first + 1;
  const bool reports = static_cast<bool>(OnFilterProgress) && total > 0;
  TIntList failing(-1, -1);
  Integer tested = 0;
  for (Integer row = first; row <= last; ++row) {
    if (!FilterRowMatches(row)) failing.Add(row);
    ++tested;
    if (reports) OnFilterProgress(this, static_cast<SmallInt>(std::nearbyint(tested * 100.0 / total)));
  }
  HideRowList(&failing);
  if (reports) OnFilterProgress(this, 100);
}

void TProStringGrid::SetFilterActive(bool Value) {
  if (Value != filterActive_) {
    filterActive_ = Value;
    if (Value) {
      // Hiding every data row can make the class library lower FixedRows.
      filterFixedRows_ = FixedRows();
      {
        GridUpdateLock lock(this);
        HideFilteredRows();
      }
      selectionHidden_ = false;
    } else {
      UnHideRowsAll();
      MarkNodesExpanded();
      SetFixedRows(filterFixedRows_);
      if (selectionHidden_) RestoreSelection();
    }
  }
  RecalcFooter(-1);
}
