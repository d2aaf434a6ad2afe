// The edits with an embedded button; see zav_edit.h.
#include "grid/zav_edit.h"

#include <algorithm>

#include "grid/theme_api.h"
#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/font.h"
#include "platform/user/menu.h"
#include "platform/user/send_message.h"
#include "platform/user/track_popup_menu.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

PR_PUBLISH(TProSpeedButton) { p.Property("IsWinXP", &TProSpeedButton::IsWinXP, &TProSpeedButton::SetIsWinXP); }
PR_PUBLISH(TZavEditButton) { p.Property("Flat", &TZavEditButton::Flat, &TZavEditButton::SetFlat); }
PR_PUBLISH(TZavEditBtn) {
  p.Property("ButtonWidth", &TZavEditBtn::ButtonWidth, &TZavEditBtn::SetButtonWidth);
  p.Property("EditorEnabled", &TZavEditBtn::EditorEnabled, &TZavEditBtn::SetEditorEnabled).Default(true);
  p.Property("IsWinXP", &TZavEditBtn::IsWinXP, &TZavEditBtn::SetIsWinXP);
  p.Property("RightAlign", &TZavEditBtn::RightAlign, &TZavEditBtn::SetRightAlign);
  p.Property("OnClickBtn", &TZavEditBtn::OnClickBtn);
}
PR_PUBLISH(TZavUnitEditBtn) {
  p.Property("UnitID", &TZavUnitEditBtn::UnitID, &TZavUnitEditBtn::SetUnitID);
  p.Property("UnitSpace", &TZavUnitEditBtn::UnitSpace, &TZavUnitEditBtn::SetUnitSpace).Default(20);
}

namespace {

constexpr Integer kButtonSize = 18;
constexpr int kPushButtonPart = 1, kNormalState = 1, kHotState = 2, kPressedState = 3;
// Edit-change notifications of the edit itself come as WM_COMMAND too; they choose no unit.
constexpr WPARAM kEditChangeNotification = 0x300;

}   // namespace

// ---- TProSpeedButton ----

void TProSpeedButton::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  Invalidate();
}

void TProSpeedButton::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  if (Message.Msg != CM_MOUSEENTER && Message.Msg != CM_MOUSELEAVE) return;
  hot_ = Message.Msg == CM_MOUSEENTER;
  Invalidate();
}

// The themed push button only while visual styles are active; otherwise the speed button's own
// classic or flat face, glyph and caption.
void TProSpeedButton::Paint() {
  const bool themed = isWinXP_ && VerUZED::ThemeApiLoaded() && VerUZED::IsThemeActive() != nullptr &&
                      VerUZED::IsThemeActive()() && Parent() != nullptr && Parent()->HandleAllocated();
  if (!themed) return inherited::Paint();
  HTHEME theme = VerUZED::OpenThemeData()(Parent()->Handle(), u"button");
  const RECT r{0, 0, Width(), Height()};
  const int state = Down() ? kPressedState : hot_ ? kHotState : kNormalState;
  VerUZED::DrawThemeBackground()(theme, Canvas()->Handle(), kPushButtonPart, state, &r, nullptr);
  VerUZED::CloseThemeData()(theme);
  TRect text{0, 0, Width(), Height()};
  if (Down()) text = TRect{1, 1, Width() + 1, Height() + 1};
  Canvas()->Brush()->SetStyle(bsClear);
  const std::string caption = Caption();
  DrawTextA(Canvas()->Handle(), caption.c_str(), int(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---- TZavEditButton ----

TZavEditButton::TZavEditButton(TComponent* AOwner) : TWinControl(AOwner), button_(new TProSpeedButton(this)) {
  SetControlStyle(TControlStyle{csFramed, csOpaque});
  button_->SetParent(this);
  button_->SetVisible(true);
  button_->SetEnabled(true);
  button_->OnMouseDown.Bind(this, &TZavEditButton::BtnMouseDown);
  SetBounds(Left(), Top(), 20, 25);
}

void TZavEditButton::FitButton() {
  if (!ComponentState().Contains(csLoading)) button_->SetBounds(0, 0, Width(), Height());
}

void TZavEditButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  FitButton();
}

void TZavEditButton::Loaded() {
  inherited::Loaded();
  FitButton();
}

void TZavEditButton::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TZavEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TZavEditButton::SetFlat(bool Value) {
  flat_ = Value;
  button_->SetFlat(Value);
}

void TZavEditButton::BtnMouseDown(TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
  if (Button != mbLeft) return;
  OnClick(this);
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
    focusControl_->SetFocus();
  else if (focusControl_ == nullptr && TabStop() && !Focused() && CanFocus())
    SetFocus();
}

// ---- TZavEditBtn ----

TZavEditBtn::TZavEditBtn(TComponent* AOwner) : TCustomEdit(AOwner), button_(new TZavEditButton(this)) {
  button_->SetBounds(0, 0, kButtonSize, kButtonSize);
  button_->SetVisible(true);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnClick = [this](TObject*) { DoClickBtn(this); };
  SetText("0");
  SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
  // The class library's auto-size would also fit the edit around its button; the height rule of
  // the size message keeps the edit high enough instead.
  SetAutoSize(false);
}

void TZavEditBtn::DoClickBtn(TObject* Sender) { OnClickBtn(Sender); }

void TZavEditBtn::SetRightAlign(bool Value) {
  if (rightAlign_ == Value) return;
  rightAlign_ = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TZavEditBtn::SetButtonWidth(Integer Value) {
  buttonWidth_ = Value;
  button_->SetBounds(button_->Left(), button_->Top(), Value, button_->Height());
  if (HandleAllocated()) SetEditRect();
}

void TZavEditBtn::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  button_->Button()->SetIsWinXP(Value);
}

std::string TZavEditBtn::ButtonCaption() const { return button_->Button()->Caption(); }

void TZavEditBtn::SetButtonCaption(const std::string& Value) { button_->Button()->SetCaption(Value); }

void TZavEditBtn::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | ES_MULTILINE;
  if (rightAlign_) Params.Style |= ES_RIGHT;
}

void TZavEditBtn::CreateWnd() {
  inherited::CreateWnd();
  SetEditRect();
}

void TZavEditBtn::SetEditRect() {
  const Integer edge = BorderStyle() == bsSingle ? 1 : 2;
  Integer right = ClientWidth() - button_->Width() - unitSize_ - 3;
  if (unitSize_ > 0) right -= 3;
  TRect format{edge, edge, right, ClientHeight() + 1};
  SendMessageA(Handle(), EM_SETRECTNP, 0, LPARAM(&format));
}

Integer TZavEditBtn::MinHeight() {
  const Integer fontHeight = std::abs(Font()->Height());
  const Integer systemHeight = 13;   // the system font's height at the classic metrics
  return fontHeight + std::min(fontHeight, systemHeight) / 4;
}

void TZavEditBtn::PlaceButton() {
  if (Height() < MinHeight()) {
    SetHeight(MinHeight());
    return;
  }
  const Integer inset = BorderStyle() == bsSingle ? 5 : 1;
  if (Ctl3D())
    button_->SetBounds(Width() - button_->Width() - inset, 0, button_->Width(), Height() - inset);
  else
    button_->SetBounds(Width() - button_->Width(), 1, button_->Width(), Height() - 3);
  SetEditRect();
}

void TZavEditBtn::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key == VK_F4) DoClickBtn(this);
}

void TZavEditBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR:
      if (!editorEnabled_) return;
      break;
    case WM_CUT:
    case WM_PASTE:
      if (!editorEnabled_ || ReadOnly()) return;
      break;
    case WM_SIZE:
      inherited::WndProc(Message);
      PlaceButton();
      return;
    default: break;
  }
  inherited::WndProc(Message);
}

// ---- TZavUnitEditBtn ----

TZavUnitEditBtn::TZavUnitEditBtn(TComponent* AOwner) : TZavEditBtn(AOwner), units_(std::make_unique<TStringList>()) {
  SetUnitSize(20);
  SetRightAlign(true);
}

TZavUnitEditBtn::~TZavUnitEditBtn() = default;

TStrings* TZavUnitEditBtn::Units() const { return units_.get(); }

void TZavUnitEditBtn::SetUnits(TStrings* Value) {
  if (Value != nullptr) units_->Assign(Value);
}

void TZavUnitEditBtn::SetUnitID(const std::string& Value) {
  unitID_ = Value;
  Invalidate();
}

void TZavUnitEditBtn::SetUnitSpace(Integer Value) {
  SetUnitSize(Value);
  if (HandleAllocated()) SetEditRect();
  Invalidate();
}

void TZavUnitEditBtn::DoClickBtn(TObject*) {
  HMENU menu = CreatePopupMenu();
  for (Integer i = 0; i < units_->Count(); ++i)
    AppendMenuA(menu, MF_STRING, UINT_PTR(i + 1), units_->Strings(i).c_str());
  const TPoint corner = ClientToScreen(TPoint{ClientWidth() - 15, ClientHeight()});
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, corner.X, corner.Y, 0, Handle(), nullptr);
  DestroyMenu(menu);
}

void TZavUnitEditBtn::PaintUnit() {
  HDC dc = GetDC(Handle());
  const Integer right = ClientWidth() - EditButton()->Width() - 3;
  TRect r{right - UnitSize(), 2, right, ClientHeight()};
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, unitID_.c_str(), int(unitID_.size()), &r, DT_LEFT | DT_EDITCONTROL);
  SelectObject(dc, oldFont);
  ReleaseDC(Handle(), dc);
}

void TZavUnitEditBtn::WndProc(TMessage& Message) {
  if (Message.Msg == WM_COMMAND && HIWORD(Message.WParam) != kEditChangeNotification) {
    const Integer chosen = LOWORD(Message.WParam);
    if (chosen >= 1 && chosen <= units_->Count()) SetUnitID(units_->Strings(chosen - 1));
    return;
  }
  inherited::WndProc(Message);
  if (Message.Msg == WM_PAINT) PaintUnit();
}
