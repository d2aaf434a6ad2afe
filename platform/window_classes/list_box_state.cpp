#include "platform/window_classes/list_box_state.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"
#include "platform/window_classes/list_box_window.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

ListBoxState* ListBoxState::Of(HWND window) {
  return user::WindowStateOf<ListBoxState>(window);
}

DWORD ListBoxState::Style() const { return DWORD(GetWindowLongPtrA(window_, GWL_STYLE)); }
bool ListBoxState::Single() const { return (Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) == 0; }
bool ListBoxState::Extended() const { return (Style() & LBS_EXTENDEDSEL) != 0; }
bool ListBoxState::Notify() const { return (Style() & LBS_NOTIFY) != 0; }

HWND ListBoxState::Parent() const { return combo != nullptr ? combo : GetParent(window_); }

void ListBoxState::Notify(WORD code) const {
  if (!Notify()) return;
  HWND parent = Parent();
  if (parent == nullptr) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(WORD(GetWindowLongPtrA(window_, GWLP_ID)), code), LPARAM(window_));
}

int ListBoxState::Insert(int index, std::string text, ULONG_PTR data) {
  if (index < 0 || index > Count()) index = Count();
  items_.insert(items_.begin() + index, Item{std::move(text), data, itemHeight_, false});
  if (caret_ >= index) ++caret_;
  if (anchor_ >= index) ++anchor_;
  Fix();
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, TRUE);
  return index;
}

int ListBoxState::Add(std::string text, ULONG_PTR data) {
  if ((Style() & LBS_SORT) == 0) return Insert(-1, std::move(text), data);
  const auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& s, const Item& item) {
    return CompareText(s, item.Text) < 0;
  });
  return Insert(int(at - items_.begin()), std::move(text), data);
}

int ListBoxState::Delete(int index) {
  if (!Valid(index)) return int(LB_ERR);
  items_.erase(items_.begin() + index);
  if (caret_ > index || caret_ == Count()) --caret_;
  if (anchor_ > index || anchor_ == Count()) --anchor_;
  Fix();
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, TRUE);
  return Count();
}

void ListBoxState::Reset() {
  items_.clear();
  top_ = 0;
  caret_ = anchor_ = -1;
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, TRUE);
}

// A prefix (or, exact, the whole text) without case, searched from the item after `after` round
// to `after` itself.
int ListBoxState::Find(int after, const std::string& text, bool exact) const {
  const int n = Count();
  if (n == 0) return int(LB_ERR);
  const int start = Valid(after) ? after + 1 : 0;
  for (int k = 0; k < n; ++k) {
    const Item& item = At((start + k) % n);
    const bool match = exact ? SameText(item.Text, text)
                             : item.Text.size() >= text.size() && SameText(item.Text.substr(0, text.size()), text);
    if (match) return (start + k) % n;
  }
  return int(LB_ERR);
}

int ListBoxState::Current() const {
  for (int i = 0; i < Count(); ++i)
    if (At(i).Selected) return i;
  return -1;
}

bool ListBoxState::SetSelected(int index, bool on) {
  if (index == -1) return SelectRange(0, Count() - 1, on);
  if (!Valid(index) || At(index).Selected == on) return false;
  At(index).Selected = on;
  InvalidateItem(index);
  return true;
}

bool ListBoxState::SelectRange(int first, int last, bool on) {
  bool changed = false;
  for (int i = std::max(first, 0); i <= std::min(last, Count() - 1); ++i) changed |= SetSelected(i, on);
  return changed;
}

bool ListBoxState::SelectOnly(int index) {
  bool changed = false;
  for (int i = 0; i < Count(); ++i) changed |= SetSelected(i, i == index);
  return changed;
}

int ListBoxState::SelectedCount() const {
  return int(std::count_if(items_.begin(), items_.end(), [](const Item& item) { return item.Selected; }));
}

void ListBoxState::SetCaret(int index) {
  if (!Valid(index) || index == caret_) return;
  InvalidateItem(caret_);
  caret_ = index;
  InvalidateItem(caret_);
}

int ListBoxState::ItemHeight(int index) const {
  if ((Style() & LBS_OWNERDRAWVARIABLE) != 0 && Valid(index)) return At(index).Height;
  return itemHeight_;
}

void ListBoxState::SetItemHeight(int index, int height) {
  if ((Style() & LBS_OWNERDRAWVARIABLE) != 0 && Valid(index))
    At(index).Height = height;
  else
    itemHeight_ = height;
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, TRUE);
}

int ListBoxState::ClientHeight() const {
  TRect client{};
  GetClientRect(window_, &client);
  return client.Bottom - client.Top;
}

int ListBoxState::RowsShown() const {
  int rows = 0;
  for (int y = 0, i = top_; i < Count(); ++i, ++rows) {
    y += ItemHeight(i);
    if (y > ClientHeight()) break;
  }
  return std::max(rows, 1);
}

void ListBoxState::SetTop(int index) {
  // The last page is full: the top stops where the last item is the last whole row.
  int lowest = Count() - 1;
  for (int y = ItemHeight(lowest); lowest > 0 && y + ItemHeight(lowest - 1) <= ClientHeight(); --lowest)
    y += ItemHeight(lowest - 1);
  index = std::clamp(index, 0, std::max(lowest, 0));
  if (index == top_) return;
  top_ = index;
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, TRUE);
}

void ListBoxState::EnsureVisible(int index) {
  if (!Valid(index)) return;
  if (index < top_) return SetTop(index);
  int y = 0;
  for (int i = index; i >= 0; --i) {
    y += ItemHeight(i);
    if (y > ClientHeight()) return SetTop(std::max(top_, i + 1));
    if (i == top_) return;
  }
}

bool ListBoxState::ItemRect(int index, TRect& rect) const {
  if (!Valid(index)) return false;
  TRect client{};
  GetClientRect(window_, &client);
  int y = 0;
  for (int i = top_; i < index; ++i) y += ItemHeight(i);
  for (int i = index; i < top_; ++i) y -= ItemHeight(i);
  rect = TRect{client.Left, y, client.Right, y + ItemHeight(index)};
  return rect.Bottom > client.Top && rect.Top < client.Bottom;
}

int ListBoxState::ItemAt(int y, bool& outside) const {
  outside = y < 0 || y >= ClientHeight();
  if (y < 0) return std::max(top_ - 1, 0);
  int bottom = 0;
  for (int i = top_; i < Count(); ++i) {
    bottom += ItemHeight(i);
    if (y < bottom) return i;
  }
  outside = true;
  return Count() - 1;
}

// The bar shows only while the items do not fit (always, disabled when they do, with
// LBS_DISABLENOSCROLL).
void ListBoxState::UpdateScrollBar() {
  if (!scrollBar) return;
  const bool keep = (Style() & LBS_DISABLENOSCROLL) != 0;
  int total = 0;
  for (int i = 0; i < Count(); ++i) total += ItemHeight(i);
  if (!keep) ShowScrollBar(window_, SB_VERT, total > ClientHeight() || top_ > 0);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL | (keep ? SIF_DISABLENOSCROLL : 0);
  info.nMax = std::max(Count() - 1, 0);
  info.nPage = UINT(RowsShown());
  info.nPos = top_;
  SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void ListBoxState::InvalidateItem(int index) {
  TRect rect{};
  if (ItemRect(index, rect)) InvalidateRect(window_, &rect, TRUE);
}

void ListBoxState::Fix() {
  if (Count() == 0) {
    top_ = 0;
    caret_ = anchor_ = -1;
    return;
  }
  top_ = std::clamp(top_, 0, Count() - 1);
  caret_ = std::clamp(caret_, Single() ? -1 : 0, Count() - 1);
  anchor_ = std::clamp(anchor_, -1, Count() - 1);
}
