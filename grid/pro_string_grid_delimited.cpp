// TProStringGrid: loading a delimited text file (comma-separated values and the like): every line
// of the file one row, every field one cell.  The rules, with the examples they were tested on,
// are in docs/grid-string.md ("Delimited files").
//
// Lines are read through the platform's text files: a line ends at LF or CR LF, any other CR is
// dropped, Ctrl-Z ends the file.  A field that begins with a double quote runs to the end of the
// first run of quotes of odd length (pairs stand for one quote); one that meets no such run on its
// line continues on the next line (joined with CR LF), so a quoted cell may hold line breaks.
#include <algorithm>
#include <array>

#include "grid/cell_line_breaks.h"
#include "grid/floating_footer.h"
#include "grid/grid_text_routines.h"
#include "grid/grid_values.h"
#include "grid/pro_grid_error.h"
#include "grid/pro_string_grid.h"
#include "platform/core/exceptions.h"
#include "platform/core/float_math.h"
#include "platform/os/classic_io.h"
#include "platform/os/text_file.h"

namespace {

// The candidates of the delimiter detection, in the order that breaks every tie.
constexpr std::array<char, 10> kDelimiterCandidates = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
constexpr char kQuote = '"';
constexpr Integer kRowGrowth = 1000;

// The delimiter the first two lines agree on: the candidate with the same number of odd quote-
// style runs in both (the most), else the same number of occurrences in both (the most), else the
// one occurring most in either; '\0' when no candidate occurs.
char DetectDelimiter(const std::string& Line1, const std::string& Line2) {
  char delimiter = '\0';
  Integer best = 0;
  for (const char candidate : kDelimiterCandidates) {
    const Integer a = CountOddCharRuns(candidate, Line1);
    if (a == CountOddCharRuns(candidate, Line2) && a > best) {
      delimiter = candidate;
      best = a;
    }
  }
  if (delimiter != '\0') return delimiter;
  for (const char candidate : kDelimiterCandidates) {
    const Integer a = CountChar(candidate, Line1);
    if (a == CountChar(candidate, Line2) && a > best) {
      delimiter = candidate;
      best = a;
    }
  }
  if (delimiter != '\0') return delimiter;
  for (const char candidate : kDelimiterCandidates) {
    const Integer a = CountChar(candidate, Line1);
    const Integer b = CountChar(candidate, Line2);
    if (a > best || b > best) {
      delimiter = candidate;
      best = GreaterOf(a, b);
    }
  }
  return delimiter;
}

// Whether a run of quotes of odd length closes the quoted text (a final even run does not).
bool HasOddQuoteRun(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] != kQuote) {
      ++i;
      continue;
    }
    std::size_t run = 0;
    while (i < Text.size() && Text[i] == kQuote) ++i, ++run;
    if (run % 2 == 1) return true;
  }
  return false;
}

}   // namespace

void TProStringGrid::LoadCSVFile(const std::string& FileName, Integer MaxRows) {
  ImportDelimitedFile(FileName, MaxRows);
}

// The state of one import: the file, the delimiter, the row the next cells go to, and the lines
// read in the current pass over the file.
struct TProStringGrid::DelimitedImport {
  TextFile file;
  char delimiter = '\0';
  Integer row = 0;
  Integer lines = 0;

  // Starts a pass at the file's first line.
  void Restart() {
    Reset(file);
    lines = 0;
  }
  bool NextLine(std::string& Line) {
    if (Eof(file)) return false;
    ReadLn(file, Line);
    ++lines;
    return true;
  }
};

void TProStringGrid::ImportDelimitedFile(const std::string& FileName, Integer MaxRows) {
  DelimitedImport import;
  AssignFile(import.file, FileName);
  {
    IOCheckScope quiet(false);
    IOResult();
    Reset(import.file);
    if (IOResult() != 0) throw EProGridError(SCannotOpenFile + FileName);
  }
  IOCheckScope check;   // read errors from here on raise EInOutError
  const Integer startCol = includeFixedCells_ ? 0 : FixedCols();
  const Integer startRow = includeFixedCells_ ? 0 : FixedRows();
  const char setDelimiter = delimiter_;
  import.delimiter = setDelimiter;
  std::string line;
  if (setDelimiter == '\0') {
    std::string line2;
    import.NextLine(line);
    import.NextLine(line2);
    import.delimiter = DetectDelimiter(line, line2);
  }
  Integer total = 0;
  if (OnFileProgress) {
    import.Restart();
    if (!loadFirstLine_) import.NextLine(line);
    while (import.NextLine(line)) ++total;
    SetRowCount(startRow + total + fixedFooters_);
  }
  import.Restart();
  if (!loadFirstLine_) import.NextLine(line);
  const Integer skipped = import.lines;
  import.row = startRow;
  Integer records = 0;
  Integer lastProgress = -1;
  while ((MaxRows == -1 || records < MaxRows) && import.NextLine(line)) {
    ++records;
    if (OemConvert()) OemToAnsiText(line);
    // Growing by the rows loaded so far (at least kRowGrowth) keeps the steps few and the cell
    // blocks large; the rows not filled are dropped after the last line.
    if (import.row >= RowCount() - fixedFooters_) SetRowCount(import.row + std::max(kRowGrowth, import.row));
    LoadRecord(import, line, startCol);
    ++import.row;
    if (!OnFileProgress || total == 0) continue;
    const auto progress = static_cast<Integer>(Round(100.0 * (import.lines - skipped) / total));
    if (progress == lastProgress) continue;
    OnFileProgress(this, static_cast<SmallInt>(progress));
    lastProgress = progress;
  }
  CloseFile(import.file);
  SetRowCount(import.row + fixedFooters_);
  maxRowCount_ = RowCount();
  if (floatingFooter_->ShowsLastRow())
    for (Integer col = 0; col < ColCount(); ++col) SetCellText(col, RowCount() - 1, "");
  delimiter_ = setDelimiter;
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllCellsChanged();
}

// Splits one record (a line, or a line with the lines a quoted field runs on to) into the cells of
// the import's row from StartCol on.
void TProStringGrid::LoadRecord(DelimitedImport& Import, std::string& Rest, Integer StartCol) {
  Integer col = StartCol;
  auto store = [&](std::string field) {
    if (tildeLineBreaks_)
      RestoreTildeLineBreaks(field);
    else
      RestoreVTLineBreaks(field);
    if (ColCount() < col + 1) SetColCount(col + 1);
    SetLoadedCellText(col, Import.row, field);
  };
  const char delimiter = Import.delimiter;
  while (delimiter != '\0') {
    JoinQuotedLines(Import, Rest);
    Integer p = 0;
    if (FindCharPos(delimiter, Rest, p) == 0) break;
    std::string field;
    if (Rest.front() == kQuote) {
      Rest.erase(0, 1);
      Integer q = 0;
      if (FindOddCharRun(kQuote, Rest, q) > 0) {
        field = UndoubleChar(kQuote, std::string_view(Rest).substr(0, q - 1));
        Rest.erase(0, q);
      }
      // Text after the closing quote up to the next delimiter is dropped; with no delimiter left
      // the rest of the record is dropped too.
      if (FindCharPos(delimiter, Rest, p) == 0) p = static_cast<Integer>(Rest.size());
    } else {
      field = UndoubleChar(kQuote, std::string_view(Rest).substr(0, p - 1));
    }
    store(std::move(field));
    Rest.erase(0, std::min<std::size_t>(p, Rest.size()));
    ++col;
  }
  if (delimiter == '\0') JoinQuotedLines(Import, Rest);
  if (Rest.empty()) return;
  std::string_view last = Rest;
  if (last.front() == kQuote) last.remove_prefix(1);
  if (!last.empty() && last.back() == kQuote) last.remove_suffix(1);
  store(UndoubleChar(kQuote, last));
}

// A field that begins with a quote and meets no odd run of quotes on its line runs on: the next
// line is appended with CR LF between, until a run closes it or the file ends.
void TProStringGrid::JoinQuotedLines(DelimitedImport& Import, std::string& Rest) {
  std::string next;
  while (!Rest.empty() && Rest.front() == kQuote && !HasOddQuoteRun(std::string_view(Rest).substr(1)) &&
         Import.NextLine(next)) {
    if (OemConvert()) OemToAnsiText(next);
    Rest += "\r\n";
    Rest += next;
  }
}
