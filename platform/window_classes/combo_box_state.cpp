#include "platform/window_classes/combo_box_state.h"

#include <algorithm>

#include "platform/window_classes/combo_box_window.h"
#include "platform/window_classes/edit_window.h"
#include "platform/window_classes/list_box_window.h"
#include "platform/user/capture.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/user/window_state.h"

namespace {

constexpr int kEdge = 2;     // the sunken edge round a drop-down field
constexpr LONG_PTR kEditId = 1001, kListId = 1000;

}  // namespace

ComboBoxState* ComboBoxState::Of(HWND window) {
  return user::WindowStateOf<ComboBoxState>(window);
}

DWORD ComboBoxState::Style() const { return DWORD(GetWindowLongPtrA(window_, GWL_STYLE)); }

bool ComboBoxState::OwnerDraw() const { return (Style() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }

void ComboBoxState::CreateChildren() {
  const DWORD style = Style();
  RegisterListBoxClass();
  if (!ListStyle()) {
    RegisterEditClass();
    DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if ((style & CBS_UPPERCASE) != 0) editStyle |= ES_UPPERCASE;
    if ((style & CBS_LOWERCASE) != 0) editStyle |= ES_LOWERCASE;
    edit = CreateWindowExA(Simple() ? WS_EX_CLIENTEDGE : 0, "EDIT", "", editStyle, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
  }
  DWORD listStyle = LBS_COMBOBOX | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  static constexpr struct {
    DWORD combo, list;
  } kStyles[] = {{CBS_OWNERDRAWFIXED, LBS_OWNERDRAWFIXED}, {CBS_OWNERDRAWVARIABLE, LBS_OWNERDRAWVARIABLE},
                 {CBS_SORT, LBS_SORT}, {CBS_HASSTRINGS, LBS_HASSTRINGS}, {CBS_DISABLENOSCROLL, LBS_DISABLENOSCROLL}};
  for (const auto& bits : kStyles)
    if ((style & bits.combo) != 0) listStyle |= bits.list;
  listStyle |= Simple() ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_BORDER;
  list = CreateWindowExA(Simple() ? WS_EX_CLIENTEDGE : WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "LISTBOX", "", listStyle, 0,
                         0, 0, 0, Simple() ? window_ : GetParent(window_),
                         Simple() ? reinterpret_cast<HMENU>(kListId) : nullptr, nullptr, window_);
}

// --- geometry ---

TRect ComboBoxState::FieldRect() const {
  TRect client{};
  GetClientRect(window_, &client);
  if (Simple()) return TRect{0, 0, client.Right, fieldHeight + 2 * kEdge};
  const TRect button = ButtonRect();
  return TRect{kEdge, kEdge, button.Left, client.Bottom - kEdge};
}

TRect ComboBoxState::ButtonRect() const {
  if (Simple()) return TRect{};
  TRect client{};
  GetClientRect(window_, &client);
  const int width = std::min(GetSystemMetrics(SM_CXVSCROLL), std::max(int(client.Right) - 2 * kEdge, 0));
  return TRect{client.Right - kEdge - width, kEdge, client.Right - kEdge, client.Bottom - kEdge};
}

void ComboBoxState::Layout() {
  TRect client{};
  GetClientRect(window_, &client);
  const TRect field = FieldRect();
  if (edit != nullptr) {
    const int inset = Simple() ? 0 : 1;
    SetWindowPos(edit, nullptr, field.Left + inset, field.Top + inset, field.Width() - 2 * inset,
                 field.Height() - 2 * inset, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (Simple() && list != nullptr)
    SetWindowPos(list, nullptr, 0, field.Bottom, client.Right, std::max(int(client.Bottom - field.Bottom), 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  Invalidate();
}

void ComboBoxState::SetFieldHeight(int height) {
  fieldHeight = height;
  if (!Simple()) {
    // The window is the field's height; the height it was asked for is kept for the list.
    const int full = std::max(fullHeight, WindowHeight());
    TRect rect{};
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, 0, 0, rect.Width(), WindowHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fullHeight = full;
  }
  Layout();
}

// --- the list and the selection ---

LRESULT ComboBoxState::List(UINT message, WPARAM wParam, LPARAM lParam) const {
  return list != nullptr ? SendMessageA(list, message, wParam, lParam) : LB_ERR;
}

int ComboBoxState::Current() const { return int(List(LB_GETCURSEL)); }

std::string ComboBoxState::ItemText(int index) const {
  const LRESULT length = List(LB_GETTEXTLEN, WPARAM(index));
  if (length < 0) return {};
  std::string text(std::size_t(length), '\0');
  List(LB_GETTEXT, WPARAM(index), LPARAM(text.data()));
  if (OwnerDraw() && (Style() & CBS_HASSTRINGS) == 0) return {};   // the "text" is the item's value
  return text;
}

void ComboBoxState::SetEditText(const std::string& text) {
  if (edit == nullptr) return;
  editingText = true;
  SendMessageA(edit, WM_SETTEXT, 0, LPARAM(text.c_str()));
  editingText = false;
  SendMessageA(edit, EM_SETSEL, 0, -1);
}

void ComboBoxState::ShowInField(int index) {
  if (edit != nullptr)
    SetEditText(index >= 0 ? ItemText(index) : std::string());
  else
    Invalidate();
}

void ComboBoxState::Select(int index) {
  List(LB_SETCURSEL, WPARAM(index));   // which scrolls it into view
  reported = Current();
  ShowInField(reported);
}

void ComboBoxState::SelectionChanged() {
  const int index = Current();
  if (index == reported) return;
  reported = index;
  if (index < 0 && edit != nullptr) return;   // typed text that no item starts stays, unreported
  ShowInField(index);
  Notify(CBN_SELCHANGE);
}

// --- dropping ---

TRect ComboBoxState::DroppedRect() const {
  TRect rect{};
  GetWindowRect(window_, &rect);
  const int itemHeight = std::max(int(List(LB_GETITEMHEIGHT, 0)), 1);
  const int height = std::max(fullHeight - rect.Height(), itemHeight + 2);
  const int width = std::max(droppedWidth, int(rect.Width()));
  return TRect{rect.Left, rect.Bottom, rect.Left + width, rect.Bottom + height};
}

void ComboBoxState::DropDown() {
  if (dropped || Simple()) return;
  Notify(CBN_DROPDOWN);
  if (!IsWindow(window_)) return;
  dropped = true;
  const TRect rect = DroppedRect();
  SetWindowPos(list, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  // The list opens at its start, scrolled only as far as the selection needs.
  List(LB_SETTOPINDEX, 0);
  if (Current() >= 0) List(LB_SETCARETINDEX, WPARAM(Current()));
  SetCapture(window_);
  Invalidate();
}

// Accepting keeps the list's selection (a new one is reported after the list has closed);
// cancelling puts back the selection last reported.
void ComboBoxState::CloseUp(bool accept) {
  if (!dropped) return;
  dropped = false;
  trackingList = false;
  buttonDown = false;
  if (!accept && Current() != reported) List(LB_SETCURSEL, WPARAM(reported));
  Notify(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
  if (!IsWindow(window_)) return;
  ShowWindow(list, SW_HIDE);
  if (GetCapture() == window_) ReleaseCapture();
  Invalidate();
  Notify(CBN_CLOSEUP);
  if (accept && IsWindow(window_)) SelectionChanged();
}

void ComboBoxState::Notify(WORD code) const {
  HWND parent = GetParent(window_);
  if (parent == nullptr) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(WORD(GetWindowLongPtrA(window_, GWLP_ID)), code), LPARAM(window_));
}

void ComboBoxState::Invalidate() const { InvalidateRect(window_, nullptr, TRUE); }
