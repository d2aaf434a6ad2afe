#include "platform/ui/combo_box.h"

#include <algorithm>

#include "platform/window_classes/combo_box_window.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/form.h"
#include "platform/ui/object_instance.h"
#include "platform/user/owner_draw.h"
#include "platform/user/focus.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

PR_PUBLISH(TComboBox) {
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
  p.Property("CharCase", &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase).Default(ecNormal);
  PublishColor(p);
  PublishConstraints(p);
  PublishDragging(p);
  p.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight).Default(16);
  // A form image may hold ItemIndex before Items: the index is applied in Loaded.
  p.Property("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems);
  p.Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
  p.Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  p.Property("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText);
  PublishVisible(p);
  p.Property("OnChange", &TCustomComboBox::OnChange);
  PublishClickEvents(p);
  PublishDragEvents(p);
  p.Property("OnDrawItem", &TCustomComboBox::OnDrawItem);
  p.Property("OnDropDown", &TCustomComboBox::OnDropDown);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  p.Property("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
  p.Property("OnSelect", &TCustomComboBox::OnSelect);
  p.Property("OnCloseUp", &TCustomComboBox::OnCloseUp);
}

PR_IMPLEMENT_CLASS(TCustomComboBoxStrings)
PR_IMPLEMENT_CLASS(TCustomComboBox)

// --- TCustomComboBoxStrings ---

namespace {
const TItemMessages kComboBoxItemMessages{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                          CB_GETITEMDATA,  CB_SETITEMDATA,  CB_ADDSTRING,
                                          CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT};
}  // namespace

TCustomComboBoxStrings::TCustomComboBoxStrings(TCustomComboBox* ComboBox)
    : TWindowItemStrings(ComboBox, kComboBoxItemMessages), comboBox_(ComboBox) {}

// Clearing keeps the text of an editable combo box.
void TCustomComboBoxStrings::Clear() {
  HWND w = Window();
  if (w == nullptr) return Saved().Clear();
  const std::string text = comboBox_->Text();
  SendMessageA(w, CB_RESETCONTENT, 0, 0);
  if (comboBox_->EditHandle() != nullptr) SendMessageA(w, WM_SETTEXT, 0, LPARAM(text.c_str()));
}

// The window finds a whole text without case, as the list's own search does.
Integer TCustomComboBoxStrings::IndexOf(const std::string& S) const {
  HWND w = Window();
  if (w == nullptr) return Saved().IndexOf(S);
  return Integer(SendMessageA(w, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(S.c_str())));
}

// --- TCustomComboBox ---

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      items_(std::make_unique<TCustomComboBoxStrings>(this)),
      canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  SetControlStyle({csSetCaption, csDoubleClicks, csFixedHeight});
  SetBounds(Left(), Top(), 145, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  TWndMethod method;
  method = [this](TMessage& m) { EditWndProc(m); };
  editInstance_ = MakeObjectInstance(method);
}

TCustomComboBox::~TCustomComboBox() {
  if (HandleAllocated()) DestroyHandle();
  FreeObjectInstance(editInstance_);
}

TCanvas* TCustomComboBox::Canvas() const { return canvas_.get(); }

LRESULT TCustomComboBox::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  return SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), Msg, WParam, LParam);
}

bool TCustomComboBox::Focused() const {
  HWND focus = GetFocus();
  return focus != nullptr && (focus == WindowHandle() || focus == editHandle_);
}

Integer TCustomComboBox::ItemIndex() const {
  return HandleAllocated() ? Integer(Send(CB_GETCURSEL)) : savedIndex_;
}

void TCustomComboBox::SetItemIndex(Integer Value) {
  if (ComponentState().Contains(csLoading)) {
    readingIndex_ = Value;
    return;
  }
  if (!HandleAllocated()) {
    savedIndex_ = Value;
    return;
  }
  if (ItemIndex() != Value) Send(CB_SETCURSEL, WPARAM(Value));
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  RecreateWndIfAllocated();
}

void TCustomComboBox::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  RecreateWndIfAllocated();
}

void TCustomComboBox::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  RecreateWndIfAllocated();
}

void TCustomComboBox::SetMaxLength(Integer Value) {
  maxLength_ = std::max<Integer>(Value, 0);
  if (HandleAllocated()) Send(CB_LIMITTEXT, WPARAM(maxLength_));
}

bool TCustomComboBox::DroppedDown() const { return HandleAllocated() && Send(CB_GETDROPPEDSTATE) != 0; }

void TCustomComboBox::SetDroppedDown(bool Value) { Send(CB_SHOWDROPDOWN, Value ? 1 : 0); }

Integer TCustomComboBox::ItemHeight() const {
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable || !HandleAllocated()) return itemHeight_;
  return Integer(Send(CB_GETITEMHEIGHT, 0));
}

void TCustomComboBox::SetItemHeight(Integer Value) {
  if (Value <= 0 || itemHeight_ == Value) return;
  itemHeight_ = Value;
  RecreateWndIfAllocated();
}

void TCustomComboBox::GetSelection(DWORD& Start, DWORD& End) const {
  Start = End = 0;
  Send(CB_GETEDITSEL, WPARAM(&Start), LPARAM(&End));
}

Integer TCustomComboBox::SelStart() const {
  DWORD start = 0, end = 0;
  GetSelection(start, end);
  return Integer(start);
}

void TCustomComboBox::SetSelStart(Integer Value) { Send(CB_SETEDITSEL, 0, MAKELPARAM(WORD(Value), WORD(Value))); }

Integer TCustomComboBox::SelLength() const {
  DWORD start = 0, end = 0;
  GetSelection(start, end);
  return Integer(end - start);
}

void TCustomComboBox::SetSelLength(Integer Value) {
  const Integer start = SelStart();
  Send(CB_SETEDITSEL, 0, MAKELPARAM(WORD(start), WORD(start + Value)));
}

std::string TCustomComboBox::SelText() const {
  DWORD start = 0, end = 0;
  GetSelection(start, end);
  const std::string text = Text();
  return start < text.size() ? text.substr(start, end - start) : std::string();
}

void TCustomComboBox::SelectAll() { Send(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF)); }

void TCustomComboBox::Clear() {
  items_->Clear();
  SetText("");
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
  static constexpr DWORD kCases[] = {0, CBS_UPPERCASE, CBS_LOWERCASE};
  RegisterComboBoxClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, "COMBOBOX");
  Params.Style |= CBS_HASSTRINGS | CBS_AUTOHSCROLL | kStyles[style_] | kCases[charCase_];
  if (sorted_) Params.Style |= CBS_SORT;
}

// The saved items move into the new window with their objects, then the item index.
void TCustomComboBox::CreateWnd() {
  inherited::CreateWnd();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  Send(CB_GETCOMBOBOXINFO, 0, LPARAM(&info));
  editHandle_ = info.hwndItem;
  listHandle_ = info.hwndList;
  if (editHandle_ != nullptr)
    editDefProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(editHandle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editInstance_)));
  Send(CB_LIMITTEXT, WPARAM(maxLength_));
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
    Send(CB_SETITEMHEIGHT, 0, MAKELPARAM(WORD(itemHeight_), 0));
  items_->TakeSavedItems();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
}

void TCustomComboBox::Loaded() {
  inherited::Loaded();
  if (readingIndex_ < 0) return;
  SetItemIndex(readingIndex_);
  readingIndex_ = -1;
}

void TCustomComboBox::DestroyWnd() {
  savedIndex_ = ItemIndex();
  items_->SaveItems();
  inherited::DestroyWnd();
  editHandle_ = listHandle_ = nullptr;
  editDefProc_ = nullptr;
}

void TCustomComboBox::EditWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form != nullptr && !form->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (ControlState().Contains(csFocusing)) return;
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(Message)) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(Message)) return;
      break;
    case WM_CHAR:
      if (DoKeyPress(Message)) return;
      break;
  }
  Message.Result = CallWindowProcA(editDefProc_, editHandle_, Message.Msg, Message.WParam, Message.LParam);
}

void TCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    case CN_DRAWITEM: return CNDrawItem(Message);
    case CN_MEASUREITEM: return CNMeasureItem(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomComboBox::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case CBN_DBLCLK: DblClick(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN:
      DropDown();
      AdjustDropDown();
      break;
    case CBN_SELCHANGE:
      Click();
      Select();
      break;
    case CBN_CLOSEUP: CloseUp(); break;
  }
}

// The list drops DropDownCount rows deep (fewer when there are fewer items, at least one).
void TCustomComboBox::AdjustDropDown() {
  const Integer rows = std::clamp<Integer>(items_->Count(), 1, std::max<Integer>(dropDownCount_, 1));
  SetWindowPos(Handle(), nullptr, 0, 0, Width(), ItemHeight() * rows + Height() + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }

void TCustomComboBox::CloseUp() { OnCloseUp(this); }

void TCustomComboBox::CNMeasureItem(TMessage& Message) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  Integer height = itemHeight_;
  if (style_ == csOwnerDrawVariable) MeasureItem(Integer(measure->itemID), height);
  measure->itemHeight = UINT(height);
  Message.Result = 1;
}

void TCustomComboBox::MeasureItem(Integer Index, Integer& Height) { OnMeasureItem(this, Index, Height); }

void TCustomComboBox::CNDrawItem(TMessage& Message) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  PaintOwnerDrawItem(*canvas_, *this, draw,
                     [&](TOwnerDrawState State) { DrawItem(Integer(draw.itemID), draw.rcItem, State); });
  Message.Result = 1;
}

void TCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) return OnDrawItem(this, Index, Rect, State);
  canvas_->FillRect(Rect);
  if (Index < items_->Count()) canvas_->TextOut(Rect.Left + 2, Rect.Top, items_->Strings(Index));
}
