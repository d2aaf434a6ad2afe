// TProStringGrid: comparing cells by sort style, the quicksorts over rows, the sort drivers and the
// way back to the unsorted order; see pro_string_grid.h ("Sorting").
//
// Sorts run in place: rows are swapped whole (texts, objects, heights) by SwapRows, which also
// swaps RowOrder's entries, so RowOrder always says where each row stood before the first sort.
// While a sort runs, three scratch rows hang below the last row with RealRowCount left in front of
// them (reading them skips the display hooks); the middle one holds the quicksort's pivot, the
// first one parks the current row with MoveRowOnSort.  Without display hooks a column sort by
// byte-wise or value styles reads each row's keys once and sorts an index with the same quicksort,
// then moves the rows once (SortRowRangeByKeys).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/cell_text_kinds.h"
#include "grid/grid_dates.h"
#include "grid/grid_update_lock.h"
#include "grid/int_list.h"
#include "grid/markup_text.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"
#include "grid/show_modified.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/core/date_text.h"
#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"
#include "platform/os/collation.h"

namespace {

constexpr Integer kScratchRowCount = 3;

Integer Sign(Integer Value) { return Value < 0 ? -1 : (Value > 0 ? 1 : 0); }

template <typename T>
Integer CompareValues(const T& A, const T& B) {
  return A < B ? -1 : (B < A ? 1 : 0);
}

bool IsNumberText(const std::string& Text) {
  const Integer kind = NumberTextKind(Text);
  return kind == ntkInteger || kind == ntkDecimal || kind == ntkScientific;
}

bool IsDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }

bool IsCheckBoxKind(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox;
}

// The separator's first place (0-based) when it is the text's 2nd or 3rd character and not its
// last; -1 otherwise.
std::ptrdiff_t SeparatorPlace(const std::string& Text, char Separator) {
  const size_t place = Text.find(Separator);
  if (place != 1 && place != 2) return -1;
  if (place + 1 >= Text.size()) return -1;
  return static_cast<std::ptrdiff_t>(place);
}

bool DigitsAround(const std::string& Text, std::ptrdiff_t Place) {
  return IsDigit(Text[Place - 1]) && IsDigit(Text[Place + 1]);
}

// The style ssAutomatic stands for, from one cell's graphic kind and text.
TSortStyle DetectStyle(TCellType Kind, const std::string& Text) {
  if (IsCheckBoxKind(Kind)) return ssCheckBox;
  if (IsNumberText(Text)) return ssNumeric;
  const std::ptrdiff_t date = SeparatorPlace(Text, FormatSettings.DateSeparator);
  if (date >= 0) {
    if (!DigitsAround(Text, date)) return ssAlphabetic;
    return Text.find(FormatSettings.TimeSeparator) == std::string::npos ? ssDate : ssDateTime;
  }
  const std::ptrdiff_t time = SeparatorPlace(Text, FormatSettings.TimeSeparator);
  if (time >= 0) return DigitsAround(Text, time) ? ssTime : ssAlphabetic;
  return ssAlphabetic;
}

void EraseFirst(std::string& Text, const std::string& Part) {
  if (Part.empty()) return;
  const size_t place = Text.find(Part);
  if (place != std::string::npos) Text.erase(place, Part.size());
}

bool ReadNumberText(std::string_view Text, double& Value) {
  Integer code = 0;
  Value = 0;
  if (Text.empty()) return false;
  Val(Text, Value, code);
  if (code != 0) Value = 0;
  return code == 0;
}

// The number a numeric style reads from a cell text; false when it does not read.  The text is
// copied only when there is something to take out or turn.
bool ReadSortNumber(const std::string& Text, const std::string& Prefix, const std::string& Suffix, bool Financial,
                    double& Value) {
  if (Prefix.empty() && Suffix.empty() && !Financial && FormatSettings.DecimalSeparator == '.')
    return ReadNumberText(Text, Value);
  std::string text = Text;
  EraseFirst(text, Suffix);
  EraseFirst(text, Prefix);
  if (Financial) std::erase(text, FormatSettings.ThousandSeparator);
  if (FormatSettings.DecimalSeparator != '.') {
    const size_t place = text.find(FormatSettings.DecimalSeparator);
    if (place != std::string::npos) text[place] = '.';
  }
  return ReadNumberText(text, Value);
}

// A date or time reading; a text that does not read (or whose reading raises) is 0.
template <typename Reader>
TDateTime ReadDate(Reader Read, const std::string& Text) {
  try {
    return Read(Text);
  } catch (const Exception&) {
    return 0;
  }
}

TDateTime LocaleDateTime(const std::string& Text) {
  TDateTime value = 0;
  return TryStrToDateTime(Text, value) ? value : 0;
}

TDateTime LocaleTime(const std::string& Text) {
  TDateTime value = 0;
  return TryStrToTime(Text, value) ? value : 0;
}

// The styles that compare a value read from each text: numbers, dates and times.
bool IsValueStyle(TSortStyle Style) {
  switch (Style) {
    case ssNumeric:
    case ssFinancial:
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS: return true;
    default: return false;
  }
}

// A sort value: what a value style reads from one text; Read is false for a number that does not
// read (a date or time that does not read counts 0 and is read).
struct SortValue {
  double value = 0;
  bool read = true;
};

SortValue ReadSortValue(TSortStyle Style, const std::string& Text, const std::string& Prefix,
                        const std::string& Suffix) {
  SortValue v;
  switch (Style) {
    case ssNumeric:
    case ssFinancial: v.read = ReadSortNumber(Text, Prefix, Suffix, Style == ssFinancial, v.value); break;
    case ssDate:
    case ssDateTime: v.value = ReadDate(LocaleDateTime, Text); break;
    case ssTime: v.value = ReadDate(LocaleTime, Text); break;
    case ssShortDateEU: v.value = ReadDate(ParseDateDMY, Text); break;
    default: v.value = ReadDate(ParseDateMDY, Text); break;
  }
  return v;
}

// Two numbers that do not read are equal.
Integer CompareSortValues(const SortValue& A, const SortValue& B) {
  if (!A.read && !B.read) return 0;
  return CompareValues(A.value, B.value);
}

// With IgnoreBlanks one blank cell goes first (blFirst) or last (blLast) whichever way the rows run.
Integer OrderBlanks(Integer Result, bool Blank1, bool Blank2, const TSortSettings& Settings,
                    TSortDirection Direction) {
  if (!Settings.IgnoreBlanks() || Blank1 == Blank2) return Result;
  const Integer blankFirst = Settings.BlankPos() == blFirst ? -1 : 1;
  const Integer ascending = Blank1 ? blankFirst : -blankFirst;
  return Direction == sdAscending ? ascending : -ascending;
}

std::string UpperAscii(std::string Text) {
  for (char& ch : Text)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return Text;
}

Integer CompareBytes(const std::string& S1, const std::string& S2) { return Sign(S1.compare(S2)); }

}   // namespace

// ---- Comparing ----

bool TProStringGrid::CellCheckState(Integer ACol, Integer ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic == nullptr) return false;
  switch (graphic->CellType()) {
    case ctCheckBox:
      return graphic->CellBoolean();
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checked;
      DoGetCheckTrue(ACol, ARow, checked);
      return GetCellText(ACol, ARow) == checked;
    }
    case ctRowCheckBox:
      return ACol == 0 && graphic->CellBoolean();   // the row's selection, set by GetCellGraphic
    default:
      return false;
  }
}

Integer TProStringGrid::CompareByStyle(TSortStyle Style, Integer ACol, Integer ARow1, Integer ARow2,
                                       const std::string& S1, const std::string& S2, const std::string& Prefix,
                                       const std::string& Suffix) {
  if (IsValueStyle(Style))
    return CompareSortValues(ReadSortValue(Style, S1, Prefix, Suffix), ReadSortValue(Style, S2, Prefix, Suffix));
  switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase:
      return CompareBytes(S1, S2);
    case ssAlphaNoCase: {
      const Integer upper = CompareBytes(UpperAscii(S1), UpperAscii(S2));
      return upper != 0 ? upper : CompareBytes(S1, S2);
    }
    case ssCustom: {
      Integer result = 0;
      OnCustomCompare(this, S1, S2, result);
      return Sign(result);
    }
    case ssRaw: {
      Integer result = 0;
      OnRawCompare(this, ACol, ARow1, ARow2, result);
      return Sign(result);
    }
    case ssAnsiAlphaCase:
      return Sign(AnsiCompareStr(S1, S2));
    case ssAnsiAlphaNoCase:
      return Sign(AnsiCompareText(S1, S2));
    case ssHTML:
      return CompareBytes(StripMarkup(S1), StripMarkup(S2));
    case ssImages:
      return CompareValues(GetCellImageKey(ACol, ARow1), GetCellImageKey(ACol, ARow2));
    case ssCheckBox:
      return CompareValues(CellCheckState(ACol, ARow1), CellCheckState(ACol, ARow2));
    case ssUnicode:
      return Sign(WideCompareText(GetWideCells(ACol, ARow1), GetWideCells(ACol, ARow2)));
    default:
      return 1;   // a style no comparison exists for
  }
}

Integer TProStringGrid::CompareCells(Integer ACol, Integer ARow1, Integer ARow2, TSortDirection Direction) {
  TSortStyle style = sortSettings_->AutoFormat() ? ssAutomatic : ssAlphabetic;
  std::string prefix, suffix;
  DoGetFormat(ACol, style, prefix, suffix);
  const std::string s1 = GetCellText(ACol, ARow1);
  const std::string s2 = GetCellText(ACol, ARow2);
  if (style == ssAutomatic) style = DetectStyle(GetCellType(ACol, ARow1), s1);
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    if (IsNumberText(s1) && IsNumberText(s2))
      style = ssNumeric;
    else
      style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
  }
  const Integer result = CompareByStyle(style, ACol, ARow1, ARow2, s1, s2, prefix, suffix);
  return OrderBlanks(result, s1.empty(), s2.empty(), *sortSettings_, Direction);
}

Integer TProStringGrid::CompareRows(Integer ACol, Integer ARow1, Integer ARow2) {
  for (;; ++ACol) {
    const Integer result = CompareCells(ACol, ARow1, ARow2, sortSettings_->Direction());
    if (result != 0 || !sortSettings_->Full() || ACol > ColCount() - 2) return result;
  }
}

Integer TProStringGrid::CompareRowsIndexed(Integer Depth, Integer ARow1, Integer ARow2) {
  for (;; ++Depth) {
    const Integer column = sortIndex_->GetSortColumn(Depth);
    const bool descending = sortIndex_->IsDescending(Depth);
    const Integer result = CompareCells(column, ARow1, ARow2, descending ? sdDescending : sdAscending);
    if (result != 0 || !sortSettings_->Full()) return descending ? -result : result;
    if (Depth >= sortIndex_->Count() - 1) return 0;
  }
}

// ---- Quicksorts ----

// The pivot's copy in the middle scratch row: the display texts cell by cell while a display hook
// is assigned (the scratch row skips the hooks), otherwise the stored row as it is.
void TProStringGrid::CopyPivot(Integer ARow) {
  const Integer pivot = RowCount() - 2;
  const bool displayed = static_cast<bool>(OnGetDisplText);
  for (Integer col = 0; col < ColCount(); ++col) {
    SetRawCellText(col, pivot, displayed ? GetCellText(col, ARow) : GetRawCellText(col, ARow));
    SetRawCellObject(col, pivot, GetRawCellObject(col, ARow));
  }
}

namespace {

// The quicksort of the class library's grids (not stable): the middle element is the pivot.  Rows
// and an index of cached keys are sorted by it alike, so equal keys end in the same order.  Steps
// gives the positions Lo..Hi their meaning: TakePivot(position) keeps that position's element as
// the pivot, which Compare reaches as the position Steps.Pivot (outside Lo..Hi); Swap exchanges
// two positions; InOrder is the result of comparing two elements already in order; with
// CompareBeforeSwap equal elements are not swapped.
template <typename Steps>
void QuickSortPositions(Integer Lo, Integer Hi, Steps& S) {
  while (Lo < Hi) {
    S.TakePivot((Lo + Hi) / 2);
    Integer i = Lo, j = Hi;
    do {
      while (S.Compare(S.Pivot, i) == S.InOrder && i < Hi) ++i;
      while (S.Compare(j, S.Pivot) == S.InOrder && Lo < j) --j;
      if (j >= i) {
        if (i != j && (!S.CompareBeforeSwap || S.Compare(i, j) != 0)) S.Swap(i, j);
        --j;
        ++i;
      }
    } while (j >= i);
    if (Lo < j) QuickSortPositions(Lo, j, S);
    Lo = i;   // the upper part, without another level of recursion
  }
}

// Sorting the grid's rows themselves: the pivot goes to the middle scratch row.
struct RowSortSteps {
  Integer Pivot;
  Integer InOrder;
  bool CompareBeforeSwap;
  TFunctionRef<void(Integer)> TakePivot;
  TFunctionRef<Integer(Integer, Integer)> Compare;
  TFunctionRef<void(Integer, Integer)> Swap;
};

}   // namespace

void TProStringGrid::QuickSortRows(Integer Lo, Integer Hi, Integer InOrder, bool CompareBeforeSwap,
                                   TFunctionRef<Integer(Integer, Integer)> RowCompare) {
  auto takePivot = [this](Integer Row) { CopyPivot(Row); };
  auto swap = [this](Integer R1, Integer R2) { SwapRows(R1, R2); };
  RowSortSteps steps{RowCount() - 2, InOrder, CompareBeforeSwap, takePivot, RowCompare, swap};
  QuickSortPositions(Lo, Hi, steps);
}

void TProStringGrid::SortRowRange(Integer ACol, Integer Lo, Integer Hi) {
  const Integer inOrder = sortSettings_->Direction() == sdAscending ? 1 : -1;
  if (SortRowRangeByKeys(ACol, Lo, Hi, inOrder)) return;
  QuickSortRows(Lo, Hi, inOrder, true, [&](Integer R1, Integer R2) { return CompareRows(ACol, R1, R2); });
}

// ---- Sorting by keys read once ----

namespace {

// The value styles ssAutomatic detects, by their place in ColumnKeys::autoValues; a row detected
// alphabetic compares its bytes.
constexpr TSortStyle kDetectedValueStyles[] = {ssNumeric, ssDate, ssDateTime, ssTime};
constexpr Byte kDetectedBytes = 4;
constexpr Integer kPrefetchRows = 8;

// One column's sort keys, read once per row of the range: the stored text for the byte-wise
// styles, the value read from it for the value styles.  Under ssAutomatic the first row of each
// comparison picks the style from its own text (as comparing the cells does): each row keeps its
// detected style and, for every value style detected in the column, its value under that style.
struct ColumnKeys {
  bool byValue = false;
  bool automatic = false;
  std::vector<const std::string*> texts;
  std::vector<SortValue> values;
  std::vector<Byte> detected;   // per row: an index into kDetectedValueStyles, or kDetectedBytes
  std::vector<SortValue> autoValues[kDetectedBytes];
};

Integer CompareColumnKeys(const ColumnKeys& Keys, Integer A, Integer B) {
  if (Keys.automatic) {
    const Byte style = Keys.detected[A];
    if (style == kDetectedBytes) return CompareBytes(*Keys.texts[A], *Keys.texts[B]);
    return CompareSortValues(Keys.autoValues[style][A], Keys.autoValues[style][B]);
  }
  return Keys.byValue ? CompareSortValues(Keys.values[A], Keys.values[B]) : CompareBytes(*Keys.texts[A], *Keys.texts[B]);
}

Byte DetectedPlace(TSortStyle Style) {
  for (Byte i = 0; i < kDetectedBytes; ++i)
    if (kDetectedValueStyles[i] == Style) return i;
  return kDetectedBytes;
}

// A row of the index: its number (from Lo) and, for a byte-wise first column, the first 16 bytes
// of its text as two big-endian numbers padded with zero bytes, so that unequal heads order the
// rows as comparing the texts would, without reaching the texts.
struct KeyEntry {
  uint64_t head0 = 0, head1 = 0;
  Integer row = 0;
};

// Bytes From .. From + 7 of Text (zero past its end) as a big-endian number.
uint64_t HeadBytes(const std::string& Text, size_t From) {
  unsigned char bytes[8] = {};
  if (From < Text.size()) std::memcpy(bytes, Text.data() + From, std::min<size_t>(8, Text.size() - From));
  uint64_t head = 0;
  for (const unsigned char byte : bytes) head = (head << 8) | byte;
  return head;
}

// The detected style of each row (Kinds: the rows' graphic kinds) and, for each value style
// detected, every row's value under it; false (the rows are compared cell by cell instead) when a
// row holds a check box.
bool ReadDetectedKeys(const std::vector<TCellType>& Kinds, const std::string& Prefix, const std::string& Suffix,
                      ColumnKeys& Keys) {
  Keys.automatic = true;
  const size_t count = Keys.texts.size();
  Keys.detected.resize(count);
  for (size_t i = 0; i < count; ++i) {
    if (IsCheckBoxKind(Kinds[i])) return false;
    Keys.detected[i] = DetectedPlace(DetectStyle(Kinds[i], *Keys.texts[i]));
  }
  for (const Byte place : Keys.detected) {
    if (place == kDetectedBytes || !Keys.autoValues[place].empty()) continue;
    Keys.autoValues[place].reserve(count);
    for (const std::string* text : Keys.texts)
      Keys.autoValues[place].push_back(ReadSortValue(kDetectedValueStyles[place], *text, Prefix, Suffix));
  }
  return true;
}

// Sorting the index: CompareRows on the cached keys.
struct KeySortSteps {
  Integer Pivot;
  Integer InOrder;
  bool CompareBeforeSwap;
  Integer lo;
  std::vector<KeyEntry>& entries;
  const std::vector<ColumnKeys>& columns;
  const TSortSettings& settings;
  bool headsCompare;   // the first column is byte-wise: the heads decide where they differ
  bool ignoreBlanks;
  // One byte-wise column without the blank rule: the heads, then the texts, decide.
  bool headsOnly = headsCompare && !ignoreBlanks && columns.size() == 1;

  // The pivot's copy lives in the slot after the range's last entry (the position Pivot).
  const KeyEntry& At(Integer Position) const { return entries[Position - lo]; }
  void TakePivot(Integer Position) { entries[Pivot - lo] = At(Position); }
  void Swap(Integer P1, Integer P2) { std::swap(entries[P1 - lo], entries[P2 - lo]); }

  Integer Compare(Integer P1, Integer P2) const {
    const KeyEntry& a = At(P1);
    const KeyEntry& b = At(P2);
    if (headsOnly) {
      if (a.head0 != b.head0) return a.head0 < b.head0 ? -1 : 1;
      if (a.head1 != b.head1) return a.head1 < b.head1 ? -1 : 1;
      return CompareColumnKeys(columns[0], a.row, b.row);
    }
    for (size_t k = 0;; ++k) {
      const ColumnKeys& keys = columns[k];
      Integer result;
      if (k == 0 && headsCompare && (a.head0 != b.head0 || a.head1 != b.head1))
        result = a.head0 != b.head0 ? (a.head0 < b.head0 ? -1 : 1) : (a.head1 < b.head1 ? -1 : 1);
      else
        result = CompareColumnKeys(keys, a.row, b.row);
      if (ignoreBlanks)
        result = OrderBlanks(result, keys.texts[a.row]->empty(), keys.texts[b.row]->empty(), settings,
                             settings.Direction());
      if (result != 0 || k + 1 == columns.size()) return result;
    }
  }
};

}   // namespace

bool TProStringGrid::SortRowRangeByKeys(Integer ACol, Integer Lo, Integer Hi, Integer InOrder) {
  if (OnGetDisplText || OnGetDisplWideText || ACol < 0 || ACol >= ColCount() || Lo >= Hi) return false;
  const bool full = sortSettings_->Full();
  // With SingleColumn the other columns stay in place, so only the sort column's keys travel.
  if (full && sortSettings_->SingleColumn()) return false;
  const Integer lastCol = full ? std::max(ACol, ColCount() - 1) : ACol;
  const Integer count = Hi - Lo + 1;
  std::vector<ColumnKeys> columns(lastCol - ACol + 1);
  for (Integer col = ACol; col <= lastCol; ++col) {
    TSortStyle style = sortSettings_->AutoFormat() ? ssAutomatic : ssAlphabetic;
    std::string prefix, suffix;
    DoGetFormat(col, style, prefix, suffix);
    if (style != ssAlphabetic && style != ssAlphaCase && style != ssAutomatic && !IsValueStyle(style)) return false;
    ColumnKeys& keys = columns[col - ACol];
    keys.byValue = IsValueStyle(style);
    keys.texts.resize(count);
    std::vector<TCellType> kinds;   // ssAutomatic only
    for (Integer row = Lo; row <= Hi; ++row) {
      // Each row's cells lie in memory of their own: ask for the cell some rows ahead early.
      if (row + kPrefetchRows <= Hi) __builtin_prefetch(&StoredCell(col, row + kPrefetchRows));
      const TGridCells::Cell& cell = StoredCell(col, row);
      // A covered cell reads its base cell, which moves.
      if (cell.Object != nullptr && IsMergedCell(col, row)) return false;
      keys.texts[row - Lo] = &cell.Text;
      if (style == ssAutomatic) kinds.push_back(GetCellType(col, row));
    }
    if (keys.byValue) {
      keys.values.reserve(count);
      for (const std::string* text : keys.texts) keys.values.push_back(ReadSortValue(style, *text, prefix, suffix));
    }
    if (style == ssAutomatic && !ReadDetectedKeys(kinds, prefix, suffix, keys)) return false;
  }
  const bool headsCompare = !columns[0].byValue && !columns[0].automatic;
  std::vector<KeyEntry> entries(count + 1);   // and the pivot's slot
  for (Integer i = 0; i < count; ++i) {
    entries[i].row = i;
    if (!headsCompare) continue;
    entries[i].head0 = HeadBytes(*columns[0].texts[i], 0);
    entries[i].head1 = HeadBytes(*columns[0].texts[i], 8);
  }
  KeySortSteps steps{Hi + 1, InOrder, true, Lo, entries, columns, *sortSettings_, headsCompare,
                     sortSettings_->IgnoreBlanks()};
  QuickSortPositions(Lo, Hi, steps);
  std::vector<Integer> order(count);
  for (Integer i = 0; i < count; ++i) order[i] = entries[i].row;
  MoveRowsInto(Lo, order);
  return true;
}

// Rows Lo.. rearranged so that position Lo + i holds the row that stood at Lo + Order[i], through
// SwapRows (at most one swap per row), so everything that travels with a row travels.
void TProStringGrid::MoveRowsInto(Integer Lo, const std::vector<Integer>& Order) {
  const Integer count = static_cast<Integer>(Order.size());
  std::vector<Integer> placeOf(count), rowAt(count);   // where each row is now; which row is where
  for (Integer i = 0; i < count; ++i) placeOf[i] = rowAt[i] = i;
  for (Integer i = 0; i < count; ++i) {
    const Integer wanted = Order[i];
    const Integer from = placeOf[wanted];
    if (from == i) continue;
    SwapRows(Lo + i, Lo + from);
    const Integer displaced = rowAt[i];
    rowAt[from] = displaced;
    placeOf[displaced] = from;
    rowAt[i] = wanted;
    placeOf[wanted] = i;
  }
}

void TProStringGrid::SortRowRangeIndexed(Integer Lo, Integer Hi) {
  QuickSortRows(Lo, Hi, 1, false, [&](Integer R1, Integer R2) { return CompareRowsIndexed(0, R1, R2); });
}

// ---- Row swaps ----

namespace {

// Swaps two entries of a flag list, growing it with 0 entries to hold both.
void SwapFlags(TIntList* Flags, Integer A, Integer B) {
  if (A < 0 || B < 0) return;
  while (Flags->Count() <= std::max(A, B)) Flags->Add(0);
  const Integer a = Flags->GetItem(A);
  Flags->SetItem(A, Flags->GetItem(B));
  Flags->SetItem(B, a);
}

}   // namespace

void TProStringGrid::SwapRows(Integer ARow1, Integer ARow2) {
  ++swapCount_;
  if (ARow1 < rowOrder_->Count() && ARow2 < rowOrder_->Count()) SwapFlags(rowOrder_.get(), ARow1, ARow2);
  if (sortSettings_->SingleColumn()) {
    std::swap(StoredCell(sortSettings_->Column(), ARow1), StoredCell(sortSettings_->Column(), ARow2));
    return;
  }
  SwapStoredRows(ARow1, ARow2);
  const Integer height1 = RowHeights(ARow1), height2 = RowHeights(ARow2);
  if (height1 != height2) {
    SetRowHeights(ARow1, height2);
    SetRowHeights(ARow2, height1);
  }
  if (mouseActions_->DisjunctRowSelect() && navigation_->MoveRowOnSort()) {
    const bool byReal = mouseActions_->RowSelectPersistent() || NumHiddenRows() > 0;
    SwapFlags(rowSelect_.get(), byReal ? DisplayToRealRow(ARow1) : ARow1, byReal ? DisplayToRealRow(ARow2) : ARow2);
  }
  if (showModified_->Enabled()) SwapFlags(modifiedRows_.get(), ARow1, ARow2);
  if (sortTrackedRow_ == ARow1)
    sortTrackedRow_ = ARow2;
  else if (sortTrackedRow_ == ARow2)
    sortTrackedRow_ = ARow1;
}

// ---- Drivers ----

void TProStringGrid::RebuildRowOrder() {
  if (rowOrder_->Count() == RowCount()) return;
  rowOrder_->Clear();
  for (Integer row = 0; row < RowCount(); ++row) rowOrder_->Add(row);
}

// Everything a sort driver sets up around its quicksort and undoes afterwards, also when the sort
// fails: the update lock, column 0 kept in place (NormalCellsOnly), the scratch rows, the last
// column's width and the current row (parked on the first scratch row with MoveRowOnSort).
class TProStringGrid::SortSession {
 public:
  enum Parts : unsigned { kKeepColumn0 = 1, kScratchRows = 2, kParkRow = 4 };
  static constexpr unsigned kWholeSort = kKeepColumn0 | kScratchRows | kParkRow;

  SortSession(TProStringGrid* Grid, unsigned What) : grid_(Grid), what_(What), lock_(Grid) {
    if ((what_ & kKeepColumn0) != 0 && grid_->sortSettings_->NormalCellsOnly() && grid_->FixedCols() > 0)
      for (Integer row = 0; row < grid_->RowCount(); ++row) column0_.push_back(grid_->GetRawCellText(0, row));
    if ((what_ & kScratchRows) != 0) {
      grid_->SetRowCount(grid_->RowCount() + kScratchRowCount);
      grid_->SetRealRowCount(grid_->RowCount() - kScratchRowCount);
    }
    lastColWidth_ = grid_->ColWidths(grid_->ColCount() - 1);
    if ((what_ & kParkRow) == 0) return;
    grid_->sortTrackedRow_ = grid_->Row();
    rememberedRow_ = grid_->Row();
    if (grid_->navigation_->MoveRowOnSort()) MoveCurrentRowUnreported(grid_->RowCount() - kScratchRowCount);
  }
  ~SortSession() {
    if ((what_ & kScratchRows) != 0) {
      // The pivot's row shares its objects with a real row: emptied, not freed.
      grid_->ResetRow(grid_->RowCount() - 2);
      grid_->ResetRow(grid_->RowCount() - 1);
    }
    if ((what_ & kParkRow) != 0) PlaceCurrentRow();
    grid_->SetColWidths(grid_->ColCount() - 1, lastColWidth_);
    if ((what_ & kScratchRows) != 0) grid_->SetRowCount(grid_->RowCount() - kScratchRowCount);
    for (size_t row = 0; row < column0_.size() && static_cast<Integer>(row) < grid_->RowCount(); ++row)
      grid_->SetRawCellText(0, static_cast<Integer>(row), column0_[row]);
  }
  SortSession(const SortSession&) = delete;
  SortSession& operator=(const SortSession&) = delete;

  Integer RememberedRow() const { return rememberedRow_; }

 private:
  void PlaceCurrentRow() {
    const bool editorOpen = grid_->editorOpen_;
    grid_->editorOpen_ = false;
    if (grid_->navigation_->MoveRowOnSort()) {
      MoveCurrentRowUnreported(grid_->sortTrackedRow_);
      grid_->lastUpdatedRow_ = -1;
    } else {
      grid_->TBaseGrid::SetRow(rememberedRow_);
    }
    grid_->editorOpen_ = editorOpen;
  }

  // The current row parked on a scratch row and brought back onto its data is the sort's own
  // bookkeeping: OnRowUpdate must not report a scratch row that is gone when the sort ends.
  void MoveCurrentRowUnreported(Integer ARow) {
    grid_->lastUpdatedRow_ = ARow;
    grid_->TBaseGrid::SetRow(ARow);
  }

  TProStringGrid* grid_;
  unsigned what_;
  GridUpdateLock lock_;
  std::vector<std::string> column0_;
  Integer lastColWidth_ = 0;
  Integer rememberedRow_ = 0;
};

Integer TProStringGrid::LastNormalRowWhileSorting() const { return RowCount() - FixedFooters() - kScratchRowCount - 1; }

void TProStringGrid::SortByColumn() {
  RebuildRowOrder();
  sortIndex_->Clear();
  Integer remembered = 0;
  {
    SortSession session(this, SortSession::kWholeSort);
    remembered = session.RememberedRow();
    SortRowRange(sortSettings_->Column(), FixedRows(), LastNormalRowWhileSorting());
  }
  if (!navigation_->MoveRowOnSort()) OnRowUpdate(this, remembered, Row());
}

void TProStringGrid::SortByIndex() {
  RebuildRowOrder();
  if (sortIndex_->Count() == 0) throw EProGridError(SNoSortIndexes);
  SortSession session(this, SortSession::kWholeSort);
  SortRowRangeIndexed(FixedRows(), LastNormalRowWhileSorting());
}

void TProStringGrid::SortRangeByIndex(Integer Lo, Integer Hi) {
  SortSession session(this, SortSession::kScratchRows);
  SortRowRangeIndexed(Lo, Hi);
}

void TProStringGrid::SortNodeGroups() { SortNodeGroupsBy(false); }

void TProStringGrid::SortNodeGroupsByIndex() { SortNodeGroupsBy(true); }

void TProStringGrid::SortNodeGroupsBy(bool ByIndex) {
  RebuildRowOrder();
  SortSession session(this, SortSession::kWholeSort);
  const Integer last = LastNormalRowWhileSorting() + 1;
  for (Integer row = FixedRows(); row <= last; ++row) {
    const TCellGraphic* node = GetCellGraphic(0, row);
    if (node == nullptr || node->CellType() != ctNode || node->CellBoolean()) continue;
    const Integer span = NodeSpanEnd(row) - row;
    if (span - 1 <= 1) continue;
    if (ByIndex)
      SortRangeByIndex(row + 1, row + span - 1);
    else
      SortRowRange(sortSettings_->Column(), row + 1, row + span - 1);
  }
}

// ---- Back to the unsorted order ----

void TProStringGrid::SortByOriginalOrder(TIntList* Keys, Integer Lo, Integer Hi) {
  while (Lo < Hi) {
    const Integer pivot = Keys->GetItem((Lo + Hi) / 2);
    Integer i = Lo, j = Hi;
    do {
      while (Keys->GetItem(i) < pivot && i < Hi) ++i;
      while (pivot < Keys->GetItem(j) && Lo < j) --j;
      if (j >= i) {
        if (i != j && Keys->GetItem(i) != Keys->GetItem(j)) {
          SwapRows(i, j);
          SwapFlags(Keys, i, j);
        }
        ++i;
        --j;
      }
    } while (j >= i);
    if (Lo < j) SortByOriginalOrder(Keys, Lo, j);
    Lo = i;
  }
}

void TProStringGrid::RestoreUnsortedOrder() {
  TIntList keys(-1, -1);
  for (Integer i = 0; i < rowOrder_->Count(); ++i) keys.Add(rowOrder_->GetItem(i));
  SortSession session(this, SortSession::kKeepColumn0);
  SortByOriginalOrder(&keys, 0, RowCount() - 1);
}

// ---- Cell and row colours ----

TColor TProStringGrid::GetCellColor(Integer ACol, Integer ARow) {
  if (!HasCellProperties(ACol, ARow)) return clNone;
  return GetCellProperties(ACol, ARow)->BrushColor();
}

void TProStringGrid::SetCellColor(Integer ACol, Integer ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColor(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::SetCellColorTo(Integer ACol, Integer ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::SetCellFontColor(Integer ACol, Integer ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetFontColor(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

// A cell that carries a graphic keeps its properties (the graphic lives there) and takes clNone.
void TProStringGrid::SetRowColors(Integer ARow, TColor Value, void (TCellProperties::*Setter)(TColor)) {
  for (Integer col = FixedCols(); col < AllColCount(); ++col) {
    if (Value == clNone && GetCellGraphicObject(col, ARow) == nullptr)
      FreeCellProperties(col, ARow);
    else
      (GetCellProperties(col, ARow)->*Setter)(Value);
  }
  for (Integer col = 0; col < ColCount(); ++col) RepaintCell(col, ARow);
}

void TProStringGrid::SetRowColor(Integer ARow, TColor Value) {
  SetRowColors(ARow, Value, &TCellProperties::SetBrushColor);
}

void TProStringGrid::SetRowColorTo(Integer ARow, TColor Value) {
  SetRowColors(ARow, Value, &TCellProperties::SetBrushColorTo);
}

void TProStringGrid::SetRowFontColor(Integer ARow, TColor Value) {
  SetRowColors(ARow, Value, &TCellProperties::SetFontColor);
}
