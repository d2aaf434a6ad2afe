// The text of an edit control with its selection, length limit, modified flag and undo.
//
// Text is code page 874 bytes; a multi-line text breaks lines with "\r\n".  The selection runs
// from the anchor to the caret (either may be the larger); both stay within 0 .. size.  Undo
// holds one step, as the platform's edit control does: the text and selection before the last
// edit; undoing swaps it with the present, so a second undo redoes.  Consecutive edits of one
// kind (typing, Backspace, Delete) with no caret move between them make one step.  The limit
// bounds what editing inserts, never what SetText puts in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace edit {

enum class EditKind { Other, Typing, Backspace, Delete };

class EditBuffer {
 public:
  static constexpr int kDefaultLimit = 32767;

  const std::string& Text() const { return text_; }
  int Size() const { return int(text_.size()); }
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }
  int SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  int SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool HasSelection() const { return anchor_ != caret_; }
  std::string_view SelText() const { return std::string_view(text_).substr(SelStart(), SelEnd() - SelStart()); }

  int Limit() const { return limit_; }
  void SetLimit(int Value) { limit_ = Value; }
  bool Modified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }

  // Replaces the whole text: caret at 0, undo emptied, not modified.
  void SetText(std::string Value);
  // Clamped to the text; ends an undo run.
  void Select(int Anchor, int Caret);

  struct ReplaceResult {
    bool changed = false;
    bool truncated = false;   // the limit cut the insertion (EN_MAXTEXT)
  };
  // Replaces the selection by insert (cut to what the limit leaves room for); the caret ends
  // after it.  canUndo false leaves the undo step as it was.
  ReplaceResult Replace(std::string_view insert, EditKind kind, bool canUndo = true);
  // Removes [from, to) as one edit of the given kind; the caret ends at from.
  bool Erase(int from, int to, EditKind kind);

  bool CanUndo() const { return undo_.has_value(); }
  bool Undo();
  void EmptyUndo() { undo_.reset(); run_ = EditKind::Other; }

 private:
  struct Snapshot {
    std::string text;
    int anchor = 0;
    int caret = 0;
  };
  void Remember(EditKind kind);

  std::string text_;
  int anchor_ = 0;
  int caret_ = 0;
  int limit_ = kDefaultLimit;
  bool modified_ = false;
  std::optional<Snapshot> undo_;
  EditKind run_ = EditKind::Other;   // the kind of the open undo run, Other when none is open
};

}  // namespace edit
