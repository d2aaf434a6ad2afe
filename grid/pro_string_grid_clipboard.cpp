// TProStringGrid: copying, cutting and pasting through the clipboard, and smart paste (see
// pro_string_grid.h and docs/grid-clipboard.md).
#include <algorithm>
#include <cstring>
#include <string>

#include "grid/cell_line_breaks.h"
#include "grid/floating_footer.h"
#include "grid/grid_dates.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_grid_unit.h"
#include "grid/pro_string_grid.h"
#include "grid/wide_cell_text.h"
#include "platform/classes/memory_stream.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"
#include "platform/core/float_text.h"
#include "platform/core/format.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"
#include "platform/user/clipboard.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/global_memory.h"

namespace {

UINT RichTextFormat() {
  static const UINT format = RegisterClipboardFormatA("Rich Text Format");
  return format;
}

// Sets Bytes on the open clipboard under Format (the clipboard is not emptied); false when the
// clipboard cannot be opened or the memory not had (nothing is left allocated then).
bool AddClipboardBytes(HWND Owner, UINT Format, const void* Bytes, size_t Size, UINT Flags) {
  HGLOBAL memory = GlobalAlloc(Flags, Size);
  if (memory == nullptr) return false;
  std::memcpy(GlobalLock(memory), Bytes, Size);
  GlobalUnlock(memory);
  if (OpenClipboard(Owner) == FALSE) {
    GlobalFree(memory);
    return false;
  }
  if (SetClipboardData(Format, memory) == nullptr) GlobalFree(memory);
  CloseClipboard();
  return true;
}

// The bytes of the clipboard's data in Format (the clipboard open); false when it has none.
bool ClipboardBytes(UINT Format, std::string& Bytes) {
  HANDLE data = GetClipboardData(Format);
  if (data == nullptr) return false;
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (bytes == nullptr) return false;
  Bytes.assign(bytes, GlobalSize(data));
  GlobalUnlock(data);
  return true;
}

// A date-like text holds the date separator at its second character or later and once more after
// it, or holds the time separator.
bool IsDateLike(const std::string& Text) {
  const size_t first = Text.find(FormatSettings.DateSeparator);
  if (first != std::string::npos && first >= 1 && Text.find(FormatSettings.DateSeparator, first + 1) != std::string::npos)
    return true;
  return Text.find(FormatSettings.TimeSeparator) != std::string::npos;
}

}   // namespace

// ---- Copying and cutting ----

void TProStringGrid::ExtendSelectionToMergedCells() {
  TGridRect sel = Selection();
  bool merged = false;
  if (IsMergedCell(sel.Left, sel.Top)) {
    const TPoint base = GetBaseCell(sel.Left, sel.Top);
    sel.Left = std::min(sel.Left, base.X);
    sel.Top = std::min(sel.Top, base.Y);
    merged = true;
  }
  if (IsMergedCell(sel.Right, sel.Bottom)) {
    const TPoint base = GetBaseCell(sel.Right, sel.Bottom);
    const TPoint span = GetCellSpan(base.X, base.Y);
    sel.Right = std::max(sel.Right, base.X + span.X);
    sel.Bottom = std::max(sel.Bottom, base.Y + span.Y);
    merged = true;
  }
  if (merged) SetSelection(sel);
}

void TProStringGrid::CopyToClipboard() {
  ExtendSelectionToMergedCells();
  const bool disjunct = mouseActions_->DisjunctRowSelect() || mouseActions_->DisjunctColSelect();
  if (!disjunct || navigation_->AllowFmtClipboard())
    CopyRangeToClipboard(Selection(), false);
  else
    CopyRangeToClipboard(TGridRect{FirstSaveCol(), FirstSaveRow(), LastSaveCol(), LastSaveRow()}, true);
  lastOperationCopy_ = true;
}

void TProStringGrid::CutToClipboard() {
  CopyToClipboard();
  const TGridRect sel = Selection();
  if (mouseActions_->DisjunctRowSelect()) {
    for (Integer row = FixedRows(); row < RowCount(); ++row)
      if (RowSelectedForCopy(row)) ClearRows(row, 1);
  } else if (mouseActions_->DisjunctColSelect()) {
    for (Integer col = FixedCols(); col < ColCount(); ++col)
      if (GetColSelect(col)) ClearCols(col, 1);
  } else {
    for (Integer row = sel.Top; row <= sel.Bottom; ++row)
      for (Integer col = sel.Left; col <= sel.Right; ++col) {
        const Integer real = DisplToRealCol(col);
        if (navigation_->AllowClipboardAlways() || IsCellEditable(real, row)) SetCellText(real, row, "");
        if (navigation_->AllowFmtClipboard()) FreeCellContents(col, row);
      }
  }
  lastOperationCopy_ = false;
  if (NumHiddenColumns() > 0) Invalidate();
}

bool TProStringGrid::RowSelectedForCopy(Integer ARow) {
  return GetRowSelect(mouseActions_->RowSelectPersistent() ? DisplayToRealRow(ARow) : ARow);
}

std::string TProStringGrid::CopiedCellText(Integer ACol, Integer ARow) {
  std::string text;
  GetSaveCellText(DisplToRealCol(ACol), ARow, text);
  if (text.find('\r') != std::string::npos) {
    std::erase(text, '\r');
    text = '"' + text + '"';
  }
  if (!navigation_->CopyHTMLTagsToClipboard() && text.find("</") != std::string::npos)
    text = GetCellPlainText(ACol, ARow);
  else if (text.find("{\\") != std::string::npos)
    text = RichTextPlain(text);
  if (QuoteMultiLineCells() && CountTextLines(text, Multilinecells()) > 1) QuoteLineBreaks(text);
  return text;
}

std::string TProStringGrid::RangeClipboardText(const TGridRect& Range, bool Disjunct) {
  const bool rowsByFlag =
      Disjunct && mouseActions_->DisjunctRowSelect() && !mouseActions_->DisjunctColSelect();
  const bool colsByFlag = Disjunct && mouseActions_->DisjunctColSelect();
  const Integer rowStage = Range.Top <= FixedRows() - 1 && Range.Bottom >= RowCount() - FixedFooters() - 1 ? 1 : 3;
  const bool multiRow = Range.Bottom > Range.Top;
  std::string text;
  for (Integer row = Range.Top; row <= Range.Bottom; ++row) {
    SaveProgress(rowStage, row);
    if (rowsByFlag && !RowSelectedForCopy(row)) continue;
    bool any = false;
    for (Integer col = Range.Left; col <= Range.Right; ++col) {
      if (colsByFlag && !GetColSelect(col)) continue;
      if (any) text += '\t';
      text += CopiedCellText(col, row);
      any = true;
    }
    if (any && multiRow) text += "\r\n";
  }
  return text;
}

void TProStringGrid::CopyRangeToClipboard(const TGridRect& Range, bool Disjunct) {
  copyOrigin_ = TPoint{Range.Left, Range.Top};
  SaveProgress(0, -1);
  const HWND owner = HandleAllocated() ? Handle() : nullptr;
  SetClipboardText(owner, RangeClipboardText(Range, Disjunct));
  if (navigation_->AllowRTFClipboard()) CopyRTFToClipboard(Range.Left, Range.Top);
  if (navigation_->AllowFmtClipboard()) CopyCellsToClipboard(Range);
  SaveProgress(2, -1);
}

void TProStringGrid::CopyRTFToClipboard(Integer ACol, Integer ARow) {
  const std::string text = GetCellText(ACol, ARow);
  if (text.find("{\\") == std::string::npos) return;
  AddClipboardBytes(HandleAllocated() ? Handle() : nullptr, RichTextFormat(), text.c_str(), text.size() + 1,
                    GMEM_MOVEABLE);
}

void TProStringGrid::CopyCellsToClipboard(const TGridRect& Range) {
  TMemoryStream stream;
  WriteCellRangeComponents(Range, &stream);
  AddClipboardBytes(HandleAllocated() ? Handle() : nullptr, GridCellsClipboardFormat(), stream.Memory(),
                    static_cast<size_t>(stream.Size()), GMEM_MOVEABLE | GMEM_DDESHARE);
}

// ---- Pasting ----

void TProStringGrid::PasteFromClipboard() {
  LoadProgress(0, -1);
  ExtendSelectionToMergedCells();
  const TGridRect sel = Selection();
  const Integer pasted = PasteClipboardAt(Options().Contains(goRowSelect) ? FixedCols() : sel.Left, sel.Top);
  if (navigation_->AllowSmartClipboard()) SmartFill(Selection(), pasted);
}

Integer TProStringGrid::PasteClipboardAt(Integer ACol, Integer ARow) {
  // The data is taken while the clipboard is open; the paste runs after it is closed, so the
  // events it fires may use the clipboard.
  enum class Kind { None, Cells, RichText, Text } kind = Kind::None;
  std::string bytes;
  if (OpenClipboard(HandleAllocated() ? Handle() : nullptr) == FALSE) return 0;
  if (navigation_->AllowFmtClipboard() && IsClipboardFormatAvailable(GridCellsClipboardFormat()))
    kind = ClipboardBytes(GridCellsClipboardFormat(), bytes) ? Kind::Cells : Kind::None;
  else if (navigation_->AllowRTFClipboard() && IsClipboardFormatAvailable(RichTextFormat()))
    kind = ClipboardBytes(RichTextFormat(), bytes) ? Kind::RichText : Kind::None;
  else if (IsClipboardFormatAvailable(CF_TEXT))
    kind = ClipboardBytes(CF_TEXT, bytes) ? Kind::Text : Kind::None;
  CloseClipboard();

  switch (kind) {
    case Kind::Cells: {
      BeforePaste();
      TMemoryStream stream;
      stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
      stream.SetPosition(0);
      const Integer cells = PasteCellsFormat(ACol, ARow, &stream);
      AfterPaste();
      return cells;
    }
    case Kind::RichText:
      bytes.resize(strnlen(bytes.data(), bytes.size()));
      if (IsCellEditable(DisplToRealCol(ACol), ARow)) SetCellFromText(ACol, ARow, bytes);
      return 0;
    case Kind::Text:
      return PasteTextAt(ACol, ARow, bytes);
    case Kind::None:
      break;
  }
  return 0;
}

void TProStringGrid::MeasureTextBlock(std::string_view Text, Integer& Cols, Integer& Rows) {
  Text = Text.substr(0, Text.find('\0'));
  Cols = 0;
  Rows = -1;
  size_t pos = 0;
  while (pos < Text.size()) {
    size_t end = Text.find('\r', pos);
    if (end == std::string_view::npos) end = Text.size();
    const std::string_view line = Text.substr(pos, end - pos);
    Cols = std::max(Cols, static_cast<Integer>(std::count(line.begin(), line.end(), '\t')) + 1);
    if (!line.empty()) ++Rows;
    pos = end + 1;
    if (pos < Text.size() && Text[pos] == '\n') ++pos;
  }
}

bool TProStringGrid::PastesTextInto(Integer ACol, Integer ARow) {
  if (ACol >= ColCount() || ARow >= RowCount()) return false;
  return navigation_->AllowClipboardAlways() || IsCellEditable(DisplToRealCol(ACol), ARow);
}

void TProStringGrid::PasteField(Integer ACol, Integer ARow, std::string Field) {
  if (Field.find('\n') != std::string::npos) {
    // A multi-line cell copied in quotes: the quotes go, #11 stands for CR LF.
    if (!Field.empty() && Field.front() == '"') Field.erase(0, 1);
    if (const size_t quote = Field.find('"'); quote != std::string::npos && quote + 1 == Field.size())
      Field.pop_back();
    std::string expanded;
    for (const char ch : Field) {
      if (ch == '\x0B') expanded += "\r\n";
      else expanded += ch;
    }
    Field = std::move(expanded);
  }
  if (!PastesTextInto(ACol, ARow)) return;
  bool allow = true;
  if (Field.starts_with("|\\")) {
    std::u16string wide = DecodeWideCellText(Field);
    OnClipboardBeforePasteWideCell(this, ACol, ARow, wide, allow);
    Field = EncodeWideCellText(wide);
  } else {
    OnClipboardBeforePasteCell(this, ACol, ARow, Field, allow);
  }
  if (allow) SetCellFromText(ACol, ARow, Field);
}

Integer TProStringGrid::PasteTextAt(Integer ACol, Integer ARow, std::string_view Text) {
  if (ACol < 0 || ARow < 0) return 0;
  if (!Options().Contains(goEditing) && !navigation_->AllowClipboardAlways() && !mouseActions_->RangeSelectAndEdit())
    return 0;
  Text = Text.substr(0, Text.find('\0'));
  const bool footerRow = floatingFooter_->Visible() && floatingFooter_->FooterStyle() == fsFixedLastRow;
  Integer fields = 0, row = ARow, lastCol = ACol, lastRow = ARow;
  size_t pos = 0;
  while (pos < Text.size()) {
    LoadProgress(3, row);
    size_t end = Text.find('\r', pos);
    const bool lastLine = end == std::string_view::npos;
    if (lastLine) end = Text.size();
    const std::string_view line = Text.substr(pos, end - pos);
    Integer col = ACol;
    size_t start = 0;
    while (true) {
      const size_t tab = line.find('\t', start);
      const std::string_view field = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
      ++fields;
      // Room is made before the field is stored; without growth a field outside is dropped.
      if (col >= ColCount() && navigation_->AllowClipboardColGrow()) SetColCount(col + 1);
      const bool lastField = lastLine && tab == std::string_view::npos;
      if (!(lastField && field.empty())) PasteField(col, row, std::string(field));
      lastCol = std::max(lastCol, col);
      if (tab == std::string_view::npos) break;
      start = tab + 1;
      ++col;
    }
    if (lastLine) break;
    pos = end + 1;
    if (pos < Text.size() && Text[pos] == '\n') ++pos;
    if (pos >= Text.size()) {
      ++fields;   // the empty rest after the final line break
      break;
    }
    ++row;
    lastRow = row;
    if (row == RowCount() - (footerRow ? 1 : 0) && navigation_->AllowClipboardRowGrow()) SetRowCount(RowCount() + 1);
  }
  const TGridRect range{ACol, ARow, lastCol, lastRow};
  CellsPasted(copyOrigin_, range, lastOperationCopy_);
  CellsChanged(TRect{DisplToRealCol(range.Left), range.Top, DisplToRealCol(range.Right), range.Bottom});
  return fields;
}

void TProStringGrid::SetCellFromText(Integer ACol, Integer ARow, const std::string& Text) {
  bool state = false;
  if (GetCheckBoxState(ACol, ARow, state)) {
    SetCheckBoxState(ACol, ARow, Text == CheckText(ACol, ARow, true));
    return;
  }
  const Integer real = DisplToRealCol(ACol);
  SetCellText(real, ARow, Text);
  if (real != ACol) RepaintCell(ACol, ARow);
}

// ---- Smart paste ----

bool TProStringGrid::SmartWritable(Integer ACol, Integer ARow) {
  return navigation_->AllowClipboardAlways() || IsCellEditable(DisplToRealCol(ACol), ARow);
}

void TProStringGrid::OfferSmartValue(Integer ACol, Integer ARow, bool First, std::string Value) {
  bool allow = true;
  if (!First) OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
  if (allow) SetCellFromText(ACol, ARow, Value);
}

void TProStringGrid::SmartFill(const TGridRect& Sel, Integer Pasted) {
  const Int64 cells = Int64{Sel.Right - Sel.Left + 1} * (Sel.Bottom - Sel.Top + 1);
  // A block of this grid's own multi-row copy (its text ends with CR LF) that fills the selection.
  if (Pasted == cells + 1) return;
  BeforePaste();
  if (Pasted == 1 && cells > 1) FillSelectionWithTopLeft(Sel);
  AfterPaste();
  if (Pasted < 2 || (Sel.Left != Sel.Right && Sel.Top != Sel.Bottom)) {
    LoadProgress(2, -1);
    AllCellsChanged();
    return;
  }
  FillSeries(Sel, Pasted);
}

void TProStringGrid::FillSelectionWithTopLeft(const TGridRect& Sel) {
  std::string value = GetCellText(Sel.Left, Sel.Top);
  if (bool state = false; GetCheckBoxState(Sel.Left, Sel.Top, state)) value = CheckText(Sel.Left, Sel.Top, state);
  for (Integer col = Sel.Left; col <= Sel.Right; ++col)
    for (Integer row = Sel.Top; row <= Sel.Bottom; ++row) {
      if (!SmartWritable(col, row)) continue;
      OfferSmartValue(col, row, col == Sel.Left && row == Sel.Top, value);
      CellsPasted(copyOrigin_, TGridRect{col, row, col, row}, true);
    }
}

void TProStringGrid::FillSeries(const TGridRect& Sel, Integer Pasted) {
  const bool column = Sel.Left == Sel.Right;
  const std::string t1 = GetCellText(Sel.Left, Sel.Top);
  const std::string t2 = column ? GetCellText(Sel.Left, Sel.Top + 1) : GetCellText(Sel.Left + 1, Sel.Top);
  const Integer count = column ? Sel.Bottom - Sel.Top + 1 : Sel.Right - Sel.Left + 1;
  // Each cell of the single column (row) in order, with its place in the run.
  auto forEachCell = [&](auto&& Visit) {
    for (Integer i = 0; i < count; ++i) {
      const Integer col = column ? Sel.Left : Sel.Left + i, row = column ? Sel.Top + i : Sel.Top;
      if (!Visit(col, row, i)) return;
    }
  };
  const char decimal = FormatSettings.DecimalSeparator;
  const bool decimals = t1.find(decimal) != std::string::npos || t2.find(decimal) != std::string::npos;

  if (IsDateLike(t1) && IsDateLike(t2)) {
    try {
      TDateTime date = StrToDateTime(t1);
      const TDateTime second = StrToDateTime(t2);
      Word y1, m1, d1, y2, m2, d2;
      DecodeDate(date, y1, m1, d1);
      DecodeDate(second, y2, m2, d2);
      const TDateTime delta = second - date;
      const bool timeOnly = t1.find(FormatSettings.DateSeparator) == std::string::npos;
      forEachCell([&](Integer col, Integer row, Integer i) {
        if (SmartWritable(col, row))
          OfferSmartValue(col, row, i == 0,
                          FormatDateTime(timeOnly ? FormatSettings.LongTimeFormat : FormatSettings.ShortDateFormat, date));
        date = StepDate(static_cast<SmallInt>(y2 - y1), static_cast<SmallInt>(m2 - m1), static_cast<SmallInt>(d2 - d1),
                        date, delta);
        return true;
      });
    } catch (const EConvertError&) {
      // A text that does not read as a date, or a step to a day that does not exist, ends the fill.
    }
    return;
  }

  Int64 v1 = 0, v2 = 0;
  if (!decimals && TryStrToInt64(t1, v1) && TryStrToInt64(t2, v2)) {
    // 64 bits: a series goes on past the 32-bit range; it stops where 64 bits end.
    Int64 step = 0;
    if (__builtin_sub_overflow(v2, v1, &step)) return;
    Int64 value = v1;
    forEachCell([&](Integer col, Integer row, Integer i) {
      if (SmartWritable(col, row)) OfferSmartValue(col, row, i == 0, IntToStr(value));
      return !__builtin_add_overflow(value, step, &value);
    });
    return;
  }

  if (!decimals) {
    // The pasted block repeats down the column (across the row).
    const Integer block = column ? Pasted - 1 : Pasted;
    forEachCell([&](Integer col, Integer row, Integer i) {
      if (i >= block && SmartWritable(col, row))
        OfferSmartValue(col, row, false, column ? GetCellText(col, row - block) : GetCellText(col - block, row));
      return true;
    });
    LoadProgress(2, -1);
    AllCellsChanged();
    return;
  }

  try {
    double value = StrToFloat(t1);
    const double step = StrToFloat(t2) - value;
    forEachCell([&](Integer col, Integer row, Integer i) {
      if (SmartWritable(col, row)) OfferSmartValue(col, row, i == 0, Format(FloatFormat(), {value}));
      value += step;
      return true;
    });
  } catch (const EConvertError&) {
    // A text that does not read as a number ends the fill.
  }
}
