#include "platform/window_classes/edit_buffer.h"

#include <algorithm>
#include <utility>

#include "platform/window_classes/edit_units.h"

namespace edit {

void EditBuffer::SetText(std::string Value) {
  text_ = std::move(Value);
  anchor_ = caret_ = 0;
  modified_ = false;
  EmptyUndo();
}

void EditBuffer::Select(int Anchor, int Caret) {
  anchor_ = std::clamp(Anchor, 0, Size());
  caret_ = std::clamp(Caret, 0, Size());
  run_ = EditKind::Other;
}

void EditBuffer::Remember(EditKind kind) {
  if (kind != EditKind::Other && kind == run_) return;
  undo_ = Snapshot{text_, anchor_, caret_};
  run_ = kind;
}

EditBuffer::ReplaceResult EditBuffer::Replace(std::string_view insert, EditKind kind, bool canUndo) {
  ReplaceResult result;
  const int room = std::max(0, limit_ - (Size() - (SelEnd() - SelStart())));
  if (int(insert.size()) > room) {
    int cut = room;
    while (cut > 0 && ClusterStart(insert, cut) != cut) --cut;   // never split a cluster
    insert = insert.substr(0, std::size_t(cut));
    result.truncated = true;
  }
  if (insert.empty() && !HasSelection()) return result;
  if (canUndo) Remember(kind);
  const int start = SelStart();
  text_.replace(std::size_t(start), std::size_t(SelEnd() - start), insert);
  anchor_ = caret_ = start + int(insert.size());
  modified_ = true;
  result.changed = true;
  return result;
}

bool EditBuffer::Erase(int from, int to, EditKind kind) {
  from = std::clamp(from, 0, Size());
  to = std::clamp(to, from, Size());
  if (from == to) return false;
  Remember(kind);
  text_.erase(std::size_t(from), std::size_t(to - from));
  anchor_ = caret_ = from;
  modified_ = true;
  return true;
}

bool EditBuffer::Undo() {
  if (!undo_) return false;
  Snapshot now{text_, anchor_, caret_};
  text_ = std::move(undo_->text);
  anchor_ = undo_->anchor;
  caret_ = undo_->caret;
  undo_ = std::move(now);
  run_ = EditKind::Other;
  modified_ = true;
  return true;
}

}  // namespace edit
