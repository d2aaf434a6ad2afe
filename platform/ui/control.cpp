// TControl: construction, appearance properties, text, and message handling.
#include "platform/ui/control.h"

#include <cstring>

#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/application.h"
#include "platform/ui/bidi.h"
#include "platform/ui/control_action_link.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/size_constraints.h"
#include "platform/ui/win_control.h"
#include "platform/user/window_styles.h"

PR_PUBLISH(TControl) {
  p.Property("Left", &TControl::Left, &TControl::SetLeft).NoDefault();
  p.Property("Top", &TControl::Top, &TControl::SetTop).NoDefault();
  p.Property("Width", &TControl::Width, &TControl::SetWidth).NoDefault();
  p.Property("Height", &TControl::Height, &TControl::SetHeight).NoDefault();
  p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Type(CursorTypeInfo()).Default(crDefault);
  p.Property("Hint", &TControl::Hint, &TControl::SetHint).Stored(&TControl::IsHintStored);
  p.Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext)
      .Stored(&TControl::IsHelpContextStored)
      .Default(0);
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner),
      constraints_(std::make_unique<TSizeConstraints>(this)),
      font_(std::make_unique<TFont>()),
      controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks} {
  WindowProc.Bind(this, &TControl::WndProc);
  font_->SetOwnerObject(this);
  font_->OnChange.Bind(this, &TControl::FontChanged);
  constraints_->OnChange.Bind(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() {
  if (Application != nullptr) Application->ControlDestroyed(this);
  SetParent(nullptr);
}

// --- messages ---

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WindowProc(message);
  return message.Result;
}

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

}  // namespace

void TControl::WndProc(TMessage& Message) {
  if (ComponentState().Contains(csDesigning) && IsMouseMessage(Message.Msg) &&
      Perform(CM_DESIGNHITTEST, Message.WParam, Message.LParam) == 0)
    return;   // at design time a control takes only the mouse messages it asks for
  if (IsMouseMessage(Message.Msg)) {
    if (!controlStyle_.Contains(csDoubleClicks)) {
      switch (Message.Msg) {
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
          Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
          break;
      }
    }
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        if (Application != nullptr) Application->HintMouseMessage(this, Message);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (dragMode_ == dmAutomatic) {
          BeginAutoDrag();
          return;
        }
        controlState_.Include(csLButtonDown);
        break;
      case WM_LBUTTONUP:
        controlState_.Exclude(csLButtonDown);
        break;
    }
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: return WMMouseButton(Message, mbLeft, true, false);
    case WM_LBUTTONDBLCLK: return WMMouseButton(Message, mbLeft, true, true);
    case WM_LBUTTONUP: return WMMouseButton(Message, mbLeft, false, false);
    case WM_RBUTTONDOWN: return WMMouseButton(Message, mbRight, true, false);
    case WM_RBUTTONDBLCLK: return WMMouseButton(Message, mbRight, true, true);
    case WM_RBUTTONUP: return WMMouseButton(Message, mbRight, false, false);
    case WM_MBUTTONDOWN: return WMMouseButton(Message, mbMiddle, true, false);
    case WM_MBUTTONDBLCLK: return WMMouseButton(Message, mbMiddle, true, true);
    case WM_MBUTTONUP: return WMMouseButton(Message, mbMiddle, false, false);
    case WM_MOUSEMOVE: return WMMouseMove(Message);
    case WM_MOUSEWHEEL: case CM_MOUSEWHEEL: return WMMouseWheel(Message);
    case WM_CONTEXTMENU: return WMContextMenu(Message);
    case WM_CANCELMODE: return WMCancelMode(Message);
    case CM_VISIBLECHANGED: return InvalidateControl(true, visible_ && controlStyle_.Contains(csOpaque));
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: return Invalidate();
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(Message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(Message);
    case CM_PARENTSHOWHINTCHANGED: return CMParentShowHintChanged(Message);
    case CM_PARENTBIDIMODECHANGED: return CMParentBiDiModeChanged(Message);
    case CM_BIDIMODECHANGED:
      if (SysLocaleMiddleEast() && Message.WParam == 0) Invalidate();
      return;
    case CM_MOUSEENTER: return CMMouseEnterLeave(Message, true);
    case CM_MOUSELEAVE: return CMMouseEnterLeave(Message, false);
    case CM_HITTEST: Message.Result = HTCLIENT; return;
    case CM_DRAG: return CMDrag(Message);
    default: return DefaultHandler(Message);
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      if (Message.WParam == 0) return;
      const std::size_t n = std::min<std::size_t>(text_.size(), Message.WParam - 1);
      char* out = reinterpret_cast<char*>(Message.LParam);
      std::memcpy(out, text_.data(), n);
      out[n] = '\0';
      Message.Result = LRESULT(n);
      return;
    }
    case WM_GETTEXTLENGTH: Message.Result = LRESULT(text_.size()); return;
    case WM_SETTEXT: text_ = reinterpret_cast<const char*>(Message.LParam); return;
  }
}

// --- text ---

Integer TControl::GetTextLen() const {
  return Integer(const_cast<TControl*>(this)->Perform(WM_GETTEXTLENGTH, 0, 0));
}

Integer TControl::GetTextBuf(char* Buffer, Integer BufSize) const {
  return Integer(const_cast<TControl*>(this)->Perform(WM_GETTEXT, WPARAM(BufSize), LPARAM(Buffer)));
}

std::string TControl::GetText() const {
  std::string text(std::size_t(GetTextLen()), '\0');
  if (!text.empty()) text.resize(std::size_t(GetTextBuf(text.data(), Integer(text.size()) + 1)));
  return text;
}

void TControl::SetText(const std::string& Value) {
  if (GetText() != Value) SetTextBuf(Value.c_str());
}

void TControl::SetTextBuf(const char* Buffer) {
  Perform(WM_SETTEXT, 0, LPARAM(Buffer));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const std::string& NewName) {
  // A control whose caption still shows its name follows a rename (the designer's default caption).
  const bool changeText = controlStyle_.Contains(csSetCaption) &&
                          !ComponentState().Contains(csLoading) && Name() == GetText() &&
                          (Owner() == nullptr || !Owner()->ComponentState().Contains(csLoading));
  inherited::SetName(NewName);
  if (changeText) SetText(NewName);
}

// --- appearance ---

void TControl::SetVisible(bool Value) {
  if (visible_ == Value) return;
  VisibleChanging();
  visible_ = Value;
  Perform(CM_VISIBLECHANGED, WPARAM(Value), 0);
  RequestAlign();
}

void TControl::Show() {
  if (parent_ != nullptr) parent_->Show();
  if (!ComponentState().Contains(csDesigning) || controlStyle_.Contains(csNoDesignVisible)) SetVisible(true);
}

void TControl::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetFont(TFont* Value) { font_->Assign(Value); }

void TControl::FontChanged(TObject*) {
  parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (parentFont_ == Value) return;
  parentFont_ = Value;
  if (parent_ != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (parent_ != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  if (Message.WParam != 0)
    SetFont(reinterpret_cast<TFont*>(Message.LParam));
  else if (parent_ != nullptr)
    SetFont(parent_->Font());
  parentFont_ = true;
}

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  if (Message.WParam != 0)
    SetColor(TColor(Message.LParam));
  else if (parent_ != nullptr)
    SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetShowHint(bool Value) {
  if (showHint_ == Value) return;
  showHint_ = Value;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (parentShowHint_ == Value) return;
  parentShowHint_ = Value;
  if (parent_ != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!parentShowHint_ || parent_ == nullptr) return;
  SetShowHint(parent_->ShowHint());
  parentShowHint_ = true;
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (biDiMode_ == Value) return;
  biDiMode_ = Value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (parentBiDiMode_ == Value) return;
  parentBiDiMode_ = Value;
  if (parent_ != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!parentBiDiMode_ || parent_ == nullptr) return;
  SetBiDiMode(parent_->BiDiMode());
  parentBiDiMode_ = true;
}

bool TControl::IsRightToLeft() const { return SysLocaleMiddleEast() && biDiMode_ != bdLeftToRight; }

bool TControl::UseRightToLeftAlignment() const { return SysLocaleMiddleEast() && biDiMode_ == bdRightToLeft; }

bool TControl::UseRightToLeftReading() const { return SysLocaleMiddleEast() && biDiMode_ != bdLeftToRight; }

bool TControl::UseRightToLeftScrollBar() const {
  return SysLocaleMiddleEast() && biDiMode_ != bdLeftToRight && biDiMode_ != bdRightToLeftReadingOnly;
}

Integer TControl::DrawTextBiDiModeFlags(Integer Flags) const {
  return ::DrawTextBiDiModeFlags(Flags, UseRightToLeftAlignment(), UseRightToLeftReading());
}

Integer TControl::DrawTextBiDiModeFlagsReadingOnly() const {
  return ::DrawTextBiDiModeFlags(0, false, UseRightToLeftReading());
}

void TControl::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TComponent* Value) {
  popupMenu_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && popupMenu_ == AComponent) popupMenu_ = nullptr;
  // A freed action has unregistered the link before its removal is announced: the link then has
  // no action left.
  if (Operation == opRemove && actionLink_ != nullptr && (AComponent == Action() || Action() == nullptr))
    SetAction(nullptr);
}

void TControl::ReadState(TReader* Reader) {
  controlState_.Include(csReadingState);
  if (auto* parent = dynamic_cast<TWinControl*>(Reader->Parent())) SetParent(parent);
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    controlState_.Exclude(csReadingState);
    throw;
  }
  controlState_.Exclude(csReadingState);
  if (parent_ == nullptr) return;
  // Values the control takes from its parent follow the parent now that its own are read.
  Perform(CM_PARENTCOLORCHANGED, 0, 0);
  Perform(CM_PARENTFONTCHANGED, 0, 0);
  Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
  Perform(CM_SYSFONTCHANGED, 0, 0);
  Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::Loaded() {
  inherited::Loaded();
  if (Action() != nullptr) ActionChange(Action(), true);
  UpdateAnchorRules();
}

void TControl::CMMouseEnterLeave(TMessage& Message, bool Enter) {
  if (parent_ != nullptr) parent_->Perform(Enter ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, LPARAM(this));
  if (Message.LParam == 0) (Enter ? OnMouseEnter : OnMouseLeave)(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* parent = dynamic_cast<TWinControl*>(Value); parent != nullptr && parent != parent_) SetParent(parent);
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (AParent != nullptr) {
    AParent->InsertControl(this);
    UpdateAnchorRules();
  }
}

TCustomForm* GetParentForm(const TControl* Control) {
  while (Control != nullptr && Control->Parent() != nullptr) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Control));
}
