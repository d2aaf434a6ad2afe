// TProStringGrid: the grid text stream, the line format in which a grid writes its sizes, column
// widths and non-empty cell texts and reads them back (Assign copies cells with it).  The format is
// in docs/grid-string.md ("The grid text stream").
#include "grid/cell_line_breaks.h"
#include "grid/grid_text_routines.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/stream.h"
#include "platform/core/int_text.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

void WriteLine(TStream* Stream, const std::string& Line) {
  const std::string bytes = Line + kLineEnd;
  Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

// The lines of the stream from its position on: each runs to the first CR, and the byte after the
// CR is skipped whatever it is; the last may end at the stream's end.  Offset() is where the next
// line starts, relative to the start.
class StreamLines {
 public:
  explicit StreamLines(TStream* Stream) : start_(Stream->Position()) {
    const Int64 size = Stream->Size() - start_;
    bytes_.resize(static_cast<std::size_t>(size > 0 ? size : 0));
    if (!bytes_.empty()) Stream->ReadBuffer(bytes_.data(), static_cast<Integer>(bytes_.size()));
  }
  bool AtEnd() const { return next_ >= bytes_.size(); }
  std::string Next() {
    const std::size_t cr = bytes_.find('\r', next_);
    const std::size_t end = cr == std::string::npos ? bytes_.size() : cr;
    std::string line = bytes_.substr(next_, end - next_);
    next_ = cr == std::string::npos ? bytes_.size() : std::min(cr + 2, bytes_.size());
    return line;
  }
  Int64 Start() const { return start_; }
  std::size_t Offset() const { return next_; }

 private:
  Int64 start_;
  std::string bytes_;
  std::size_t next_ = 0;
};

}   // namespace

void TProStringGrid::WriteGridText(TStream* Stream) {
  WriteLine(Stream, IntToStr(SaveColCount()) + "," + IntToStr(SaveRowCount()));
  for (Integer col = 0; col < ColCount(); ++col)
    WriteLine(Stream, "cw " + IntToStr(col) + "," + IntToStr(ColWidths(col)));
  SaveProgress(0, -1);
  for (Integer row = FirstSaveRow(); row <= LastSaveRow(); ++row) {
    SaveProgress(1, row);
    for (Integer col = FirstSaveCol(); col <= LastSaveCol(); ++col) {
      std::string text;
      GetSaveCellText(col, row, text);
      if (text.empty()) continue;
      WriteLine(Stream, IntToStr(col - FirstSaveCol()) + "," + IntToStr(row - FirstSaveRow()) + "," +
                            EncodeCellLineBreaks(text));
    }
  }
  SaveProgress(2, -1);
}

// Widths and cells that name a column or row outside the grid are skipped.  A header, width or
// position that is no integer raises EConvertError; what was read before stays.
void TProStringGrid::ReadGridText(TStream* Stream) {
  StreamLines lines(Stream);
  if (!lines.AtEnd()) {
    std::string header = lines.Next();
    if (!header.empty()) {
      std::string cols;
      TakeToken(header, ",", cols);
      const Integer colCount = StrToInt(cols);
      const Integer rowCount = StrToInt(header);
      SetColCount(colCount + FirstSaveCol());
      SetRowCount(rowCount + FirstSaveRow());
    }
  }
  while (!lines.AtEnd()) {
    const std::size_t lineStart = lines.Offset();
    std::string line = lines.Next();
    std::string first;
    if (line.starts_with("cw")) {
      line.erase(0, 3);
      TakeToken(line, ",", first);
      const Integer col = StrToInt(first);
      const Integer width = StrToInt(line);
      if (col >= 0 && col < ColCount()) SetColWidths(col, width);
      continue;
    }
    std::string second;
    TakeToken(line, ",", first);
    if (!first.empty()) TakeToken(line, ",", second);
    if (first.empty() || second.empty()) {
      Stream->SetPosition(lines.Start() + static_cast<Int64>(lineStart));
      break;
    }
    const Integer col = StrToInt(first) + FirstSaveCol();
    const Integer row = StrToInt(second) + FirstSaveRow();
    if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
      SetLoadedCellText(col, row, DecodeCellLineBreaks(line, Multilinecells()));
  }
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllCellsChanged();
}
