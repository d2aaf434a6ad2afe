#include "platform/ui/list_box.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/format.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/owner_draw.h"
#include "platform/user/send_message.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/list_box_window.h"

PR_PUBLISH(TListBox) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle);
  PublishColor(p);
  PublishConstraints(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
  PublishFont(p);
  p.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Default(16);
  p.Property("Items", &TCustomListBox::Items, &TCustomListBox::SetItems);
  p.Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false);
  PublishParentBiDiMode(p);
  PublishParentColor(p, false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
  p.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
  PublishTabOrder(p);
  PublishTabStop(p, true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishDragEvents(p);
  p.Property("OnDrawItem", &TCustomListBox::OnDrawItem);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  p.Property("OnMeasureItem", &TCustomListBox::OnMeasureItem);
  PublishMouseEvents(p);
}

PR_IMPLEMENT_CLASS(TListBoxStrings)
PR_IMPLEMENT_CLASS(TCustomListBox)

// --- TListBoxStrings ---

namespace {
[[noreturn]] void ThrowIndexError(Integer Index) {
  throw EListError(Format(classes_text::kListIndexError, {Index}));
}

const TItemMessages kListBoxItemMessages{LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,
                                         LB_GETITEMDATA,  LB_SETITEMDATA,  LB_ADDSTRING,
                                         LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT};
}  // namespace

TListBoxStrings::TListBoxStrings(TCustomListBox* ListBox) : TWindowItemStrings(ListBox, kListBoxItemMessages) {}

// --- TCustomListBox ---

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      items_(std::make_unique<TListBoxStrings>(this)),
      canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
  SetControlStyle({csSetCaption, csDoubleClicks, csOpaque});   // clicks come from LBN_SELCHANGE
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

TCanvas* TCustomListBox::Canvas() const { return canvas_.get(); }

LRESULT TCustomListBox::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  return SendMessageA(const_cast<TCustomListBox*>(this)->Handle(), Msg, WParam, LParam);
}

Integer TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return savedIndex_;
  return Integer(Send(multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(Integer Value) {
  if (!HandleAllocated()) {
    savedIndex_ = Value;
    return;
  }
  if (ItemIndex() == Value) return;
  if (multiSelect_)
    Send(LB_SETCARETINDEX, WPARAM(Value));
  else
    Send(LB_SETCURSEL, WPARAM(Value));
}

bool TCustomListBox::Selected(Integer Index) const {
  const LRESULT result = Send(LB_GETSEL, WPARAM(Index));
  if (result < 0) ThrowIndexError(Index);
  return result != 0;
}

void TCustomListBox::SetSelected(Integer Index, bool Value) {
  const LRESULT result = multiSelect_ ? Send(LB_SETSEL, Value ? 1 : 0, LPARAM(Index))
                                      : Send(LB_SETCURSEL, Value ? WPARAM(Index) : WPARAM(-1));
  if (result == LB_ERR && (Value || multiSelect_)) ThrowIndexError(Index);
}

Integer TCustomListBox::SelCount() const { return Integer(Send(LB_GETSELCOUNT)); }

Integer TCustomListBox::TopIndex() const { return Integer(Send(LB_GETTOPINDEX)); }

void TCustomListBox::SetTopIndex(Integer Value) {
  if (TopIndex() != Value) Send(LB_SETTOPINDEX, WPARAM(Value));
}

Integer TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
  const LRESULT result = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(WORD(Pos.X), WORD(Pos.Y)));
  if (HIWORD(result) == 0) return LOWORD(result);
  return Existing ? -1 : Integer(LOWORD(result)) + 1;
}

TRect TCustomListBox::ItemRect(Integer Index) const {
  TRect rect{};
  const Integer count = items_->Count();
  if (Index == 0 || Index < count)
    Send(LB_GETITEMRECT, WPARAM(Index), LPARAM(&rect));
  else if (Index == count) {   // the row after the last
    Send(LB_GETITEMRECT, WPARAM(Index - 1), LPARAM(&rect));
    const Integer height = rect.Bottom - rect.Top;
    rect.Top += height;
    rect.Bottom += height;
  }
  return rect;
}

Integer TCustomListBox::ItemHeight() const {
  if (style_ == lbStandard && HandleAllocated()) return Integer(Send(LB_GETITEMHEIGHT));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(Integer Value) {
  if (Value <= 0 || itemHeight_ == Value) return;
  itemHeight_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (multiSelect_ == Value) return;
  multiSelect_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (extendedSelect_ == Value) return;
  extendedSelect_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  static constexpr DWORD kStyles[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};
  RegisterListBoxClass();
  inherited::CreateParams(Params);
  CreateSubClass(Params, "LISTBOX");
  Params.Style |= WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | kStyles[style_];
  if (sorted_) Params.Style |= LBS_SORT;
  if (multiSelect_) Params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

// The saved items move into the new window, their objects and the item index with them.
void TCustomListBox::CreateWnd() {
  inherited::CreateWnd();
  if (style_ != lbStandard) Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(WORD(itemHeight_), 0));
  items_->TakeSavedItems();
  SetItemIndex(savedIndex_);
}

void TCustomListBox::DestroyWnd() {
  savedIndex_ = ItemIndex();
  items_->SaveItems();
  inherited::DestroyWnd();
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    case CN_DRAWITEM: return CNDrawItem(Message);
    case CN_MEASUREITEM: return CNMeasureItem(Message);
    default: return inherited::Dispatch(Message);
  }
}

void TCustomListBox::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
  }
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  Integer height = itemHeight_;
  if (style_ == lbOwnerDrawVariable && Integer(measure->itemID) >= 0) MeasureItem(Integer(measure->itemID), height);
  measure->itemHeight = UINT(height);
  Message.Result = 1;
}

void TCustomListBox::MeasureItem(Integer Index, Integer& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  PaintOwnerDrawItem(*canvas_, *this, draw,
                     [&](TOwnerDrawState State) { DrawItem(Integer(draw.itemID), draw.rcItem, State); });
  Message.Result = 1;
}

void TCustomListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) return OnDrawItem(this, Index, Rect, State);
  canvas_->FillRect(Rect);
  if (Index < items_->Count()) canvas_->TextOut(Rect.Left + 2, Rect.Top, items_->Strings(Index));
}
