// The lines of an edit control's text and the x offset of every caret position on them.
//
// A line is [start, end) of the text; next is where the following line starts (after "\r\n", or
// at end for a line wrapped there).  Hard lines end at "\r\n".  With a wrap width, a hard line is
// cut where it stops fitting: after its last run of blanks or Thai word boundary that fits (the
// blanks stay at the end of the line), else at the last cluster that fits, one cluster at least.
// A single-line control has exactly one line holding the whole text.  Offsets come from a
// measure function giving, for a text of n bytes, the n + 1 pixel offsets of its boundaries.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace edit {

struct EditLine {
  int start = 0;
  int end = 0;
  int next = 0;
};

using EditMeasure = std::function<std::vector<int>(std::string_view)>;

class EditLayout {
 public:
  // wrapWidth <= 0: no wrapping.
  void Build(std::string_view text, bool multiLine, int wrapWidth, const EditMeasure& measure);

  int LineCount() const { return int(lines_.size()); }
  const EditLine& Line(int index) const { return lines_[std::size_t(index)]; }
  // The line holding pos; a position at a wrapped line's end belongs to the next line.
  int LineFromChar(int pos) const;
  // Pixels from the line's start to pos (clamped to the line).
  int XOfChar(int line, int pos) const;
  // The caret position on the line nearest to x (pixels from the line's start), on a cluster
  // boundary.
  int CharFromX(int line, int x) const;
  int LineWidth(int line) const { return offsets_[std::size_t(line)].back(); }
  int MaxWidth() const;

 private:
  void AddLine(std::string_view text, int start, int end, int next, const EditMeasure& measure);
  void WrapLine(std::string_view text, int start, int end, int next, int width, const EditMeasure& measure);

  std::string_view text_;   // valid while the built text lives
  std::vector<EditLine> lines_;
  std::vector<std::vector<int>> offsets_;
};

}  // namespace edit
