#include "platform/ui/window_item_strings.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"
#include "platform/ui/win_control.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"

PR_IMPLEMENT_CLASS(TWindowItemStrings)

TWindowItemStrings::TWindowItemStrings(TWinControl* Control, const TItemMessages& Messages)
    : control_(Control), messages_(Messages) {}

HWND TWindowItemStrings::Window() const {
  if (!control_->HandleAllocated() && control_->Parent() != nullptr) control_->HandleNeeded();
  return control_->HandleAllocated() ? control_->Handle() : nullptr;
}

void TWindowItemStrings::Check(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(Format(classes_text::kListIndexError, {Index}));
}

Integer TWindowItemStrings::GetCount() const {
  HWND w = Window();
  return w != nullptr ? Integer(SendMessageA(w, messages_.GetCount, 0, 0)) : saved_.Count();
}

std::string TWindowItemStrings::Get(Integer Index) const {
  HWND w = Window();
  if (w == nullptr) return saved_.Strings(Index);
  Check(Index);
  std::string text(std::size_t(SendMessageA(w, messages_.GetTextLen, WPARAM(Index), 0)), '\0');
  SendMessageA(w, messages_.GetText, WPARAM(Index), LPARAM(text.data()));
  return text;
}

TObject* TWindowItemStrings::GetObject(Integer Index) const {
  HWND w = Window();
  if (w == nullptr) return saved_.Objects(Index);
  Check(Index);
  return reinterpret_cast<TObject*>(SendMessageA(w, messages_.GetItemData, WPARAM(Index), 0));
}

void TWindowItemStrings::PutObject(Integer Index, TObject* AObject) {
  HWND w = Window();
  if (w == nullptr) return saved_.SetObjects(Index, AObject);
  Check(Index);
  SendMessageA(w, messages_.SetItemData, WPARAM(Index), LPARAM(AObject));
}

namespace {
constexpr char kInsertError[] = "Failed to insert a line into the list";
}  // namespace

Integer TWindowItemStrings::Add(const std::string& S) {
  HWND w = Window();
  if (w == nullptr) return saved_.Add(S);
  const LRESULT index = SendMessageA(w, messages_.AddString, 0, LPARAM(S.c_str()));
  if (index < 0) throw EOutOfResources(kInsertError);
  return Integer(index);
}

void TWindowItemStrings::Insert(Integer Index, const std::string& S) {
  HWND w = Window();
  if (w == nullptr) return saved_.Insert(Index, S);
  if (SendMessageA(w, messages_.InsertString, WPARAM(Index), LPARAM(S.c_str())) < 0)
    throw EOutOfResources(kInsertError);
}

void TWindowItemStrings::Delete(Integer Index) {
  HWND w = Window();
  if (w == nullptr) return saved_.Delete(Index);
  Check(Index);
  SendMessageA(w, messages_.DeleteString, WPARAM(Index), 0);
}

void TWindowItemStrings::Clear() {
  HWND w = Window();
  if (w == nullptr) return saved_.Clear();
  SendMessageA(w, messages_.ResetContent, 0, 0);
}

void TWindowItemStrings::SetUpdateState(bool Updating) {
  if (HWND w = Window(); w != nullptr) SendMessageA(w, WM_SETREDRAW, Updating ? 0 : 1, 0);
  if (!Updating) control_->Refresh();
}

void TWindowItemStrings::TakeSavedItems() {
  TStringList saved;
  saved.Assign(&saved_);
  saved_.Clear();
  for (Integer i = 0; i < saved.Count(); ++i) AddObject(saved.Strings(i), saved.Objects(i));
}

void TWindowItemStrings::SaveItems() {
  TStringList items;
  for (Integer i = 0; i < Count(); ++i) items.AddObject(Strings(i), Objects(i));
  saved_.Assign(&items);
}
