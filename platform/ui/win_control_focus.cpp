// TWinControl: focus, the tab order, and reading children from a component stream.
#include "platform/ui/win_control.h"

#include <algorithm>

#include "platform/classes/reader.h"
#include "platform/core/exceptions.h"
#include "platform/ui/form.h"
#include "platform/user/focus.h"

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return false;
  for (TWinControl* c = this; c != form; c = c->Parent())
    if (!(c->Visible() && c->Enabled())) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_ != nullptr) {
    ::SetFocus(Handle());
  } else {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
}

void TWinControl::DoEnter() { OnEnter(this); }

void TWinControl::DoExit() { OnExit(this); }

void TWinControl::RemoveFocus(bool Removing) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, Removing);
}

Integer TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : Integer(it - list.begin());
}

void TWinControl::SetTabOrder(Integer Value) {
  if (ControlState().Contains(csReadingState)) {
    readingTabOrder_ = Value;
    return;
  }
  const Integer current = TabOrder();
  if (current < 0) return;
  auto& list = Parent()->tabList_;
  Value = std::clamp(Value, 0, Integer(list.size()) - 1);
  if (Value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (tabStop_ == Value) return;
  tabStop_ = Value;
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* control : tabList_) {
    List.push_back(control);
    control->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const Integer count = Integer(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  const Integer start = found != list.end() ? Integer(found - list.begin()) : GoForward ? count - 1 : 0;
  Integer i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[std::size_t(i)];
    if (candidate->CanFocus() && (!CheckTabStop || candidate->TabStop()) &&
        (!CheckParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return;
  TWinControl* control = FindNextControl(nullptr, true, true, false);
  if (control == nullptr) control = FindNextControl(nullptr, true, false, false);
  if (control != nullptr) form->SetActiveControl(control);
}

// Streamed tab orders are applied once every windowed child is read: each child's position is
// its streamed TabOrder when that is a valid index.
void TWinControl::FixupTabList() {
  const std::size_t count = winControls_.size();
  std::vector<TWinControl*> byOrder(count, nullptr);
  for (TWinControl* child : winControls_) {
    const Integer order = child->readingTabOrder_;
    if (order >= 0 && std::size_t(order) < count) byOrder[std::size_t(order)] = child;
  }
  for (std::size_t i = 0; i < count; ++i)
    if (byOrder[i] != nullptr) byOrder[i]->SetTabOrder(Integer(i));
}

void TWinControl::ReadState(TReader* Reader) {
  DisableAlign();
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  FixupTabList();
  if (Parent() != nullptr) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  UpdateControlState();
}

void TWinControl::Loaded() {
  inherited::Loaded();
  Realign();
}
