// TWinControl: the window's life cycle (making, binding, recreating and destroying the handle),
// showing, the children, and the notifications passed on to them.  Bounds and the border are in
// win_control_bounds.cpp, message dispatch in win_control_dispatch.cpp, keys in win_control_keys.cpp,
// focus in win_control_focus.cpp, aligning in win_control_align.cpp, painting in
// win_control_paint.cpp.
#include "platform/ui/win_control.h"

#include <algorithm>
#include <cstring>

#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/application.h"
#include "platform/ui/bidi.h"
#include "platform/ui/brush.h"
#include "platform/ui/control_binding.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/form.h"
#include "platform/ui/object_instance.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/focus.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TWinControl)

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
  TWndMethod method;
  method = [this](TMessage& m) { MainWndProc(m); };
  objectInstance_ = MakeObjectInstance(method);
}

TWinControl::~TWinControl() {
  Destroying();
  if (Parent() != nullptr) RemoveFocus(true);
  if (handle_ != nullptr) DestroyWindowHandle();
  while (ControlCount() != 0) {
    TControl* child = Controls(ControlCount() - 1);
    Remove(child);
    delete child;
  }
  // Leave the parent while still a TWinControl, so it drops this control from its window lists.
  SetParent(nullptr);
  FreeObjectInstance(objectInstance_);
}

// --- the window ---

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_ != nullptr) return;
  if (Parent() != nullptr) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams{};
  Params.Caption = text_;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) Params.ExStyle |= WS_EX_LEFTSCROLLBAR;
  if (ControlStyle().Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!ComponentState().Contains(csDesigning) && !Enabled()) Params.Style |= WS_DISABLED;
  if (tabStop_) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() != nullptr ? Parent()->Handle() : parentWindow_;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = &DefWindowProcA;
  Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* ControlClassName) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(nullptr, ControlClassName, &wc)) return;
  const UINT keep = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_SAVEBITS;
  wc.style &= keep;
  wc.lpszClassName = nullptr;
  Params.WindowClass = wc;
}

void TWinControl::CreateHandle() {
  if (handle_ != nullptr) return;
  CreateWnd();
  BindControl(handle_, this);
  if (Parent() != nullptr)
    SetWindowPos(handle_, Parent()->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (Integer i = 0; i < ControlCount(); ++i) Controls(i)->UpdateAnchorRules();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.WndParent == nullptr && (params.Style & WS_CHILD) != 0) {
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    if (owner == nullptr || !Owner()->ComponentState().Contains(csReading))
      throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    params.WndParent = owner->Handle();
  }
  defWndProc_ = params.WindowClass.lpfnWndProc;
  RegisterControlClass(params.WinClassName, params.WindowClass);
  CreationControl() = this;
  try {
    CreateWindowHandle(params);
  } catch (...) {
    CreationControl() = nullptr;
    throw;
  }
  CreationControl() = nullptr;
  if (handle_ == nullptr) throw EOutOfResources("Error creating window");
  text_.clear();
  UpdateBounds();
  Perform(WM_SETFONT, WPARAM(Font()->Handle()), 1);
  if (AutoSize()) AdjustSize();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  HWND h = CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                           Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr,
                           Params.Param);
  if (handle_ == nullptr) handle_ = h;
}

void TWinControl::BindHandle(HWND Handle) {
  handle_ = Handle;
  SetWindowLongPtrA(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(objectInstance_));
  if ((GetWindowLongPtrA(Handle, GWL_STYLE) & WS_CHILD) != 0 && GetWindowLongPtrA(Handle, GWLP_ID) == 0)
    SetWindowLongPtrA(Handle, GWLP_ID, reinterpret_cast<LONG_PTR>(Handle));
  BindControl(Handle, this);
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  for (TWinControl* child : winControls_) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  text_ = GetText();
  TControlCanvas::FreeDeviceContexts(handle_);
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  SetControlState(ControlState() + TControlState{csDestroyingHandle});
  DestroyWindow(handle_);
  SetControlState(ControlState() - TControlState{csDestroyingHandle});
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (handle_ != nullptr) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && handle_ != nullptr) ::SetFocus(handle_);
}

void TWinControl::SetParentWindow(HWND Value) {
  if (Parent() != nullptr || parentWindow_ == Value) return;
  if (handle_ != nullptr && parentWindow_ != nullptr && Value != nullptr) {
    parentWindow_ = Value;
    ::SetParent(handle_, Value);
  } else {
    DestroyHandle();
    parentWindow_ = Value;
  }
  UpdateControlState();
}

void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  UnbindControl(handle_);
  handle_ = nullptr;
  showing_ = false;
}

HWND TWinControl::PrecedingWindow(TWinControl* Control) const {
  auto it = std::find(winControls_.begin(), winControls_.end(), Control);
  for (++it; it < winControls_.end(); ++it)
    if ((*it)->handle_ != nullptr) return (*it)->handle_;
  return HWND_TOP;
}

// --- showing ---

void TWinControl::UpdateControlState() {
  TWinControl* control = this;
  while (control->Parent() != nullptr) {
    control = control->Parent();
    if (!control->Showing()) return;
  }
  if (dynamic_cast<TCustomForm*>(control) != nullptr || control->parentWindow_ != nullptr) UpdateShowing();
}

void TWinControl::UpdateShowing() {
  const bool designing = ComponentState().Contains(csDesigning);
  const bool noDesignVisible = ControlStyle().Contains(csNoDesignVisible);
  const bool show = ((Visible() && (!designing || !noDesignVisible)) || (designing && !noDesignVisible)) &&
                    !ControlState().Contains(csReadingState);
  if (show) {
    if (handle_ == nullptr) CreateHandle();
    for (TWinControl* child : std::vector<TWinControl*>(winControls_)) child->UpdateShowing();
  }
  if (handle_ == nullptr || showing_ == show) return;
  showing_ = show;
  try {
    Perform(CM_SHOWINGCHANGED, 0, 0);
  } catch (...) {
    showing_ = !show;
    throw;
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, flags | (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!Visible() && Parent() != nullptr) RemoveFocus(false);
  if (!ComponentState().Contains(csDesigning) || ControlStyle().Contains(csNoDesignVisible)) UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (!Enabled() && Parent() != nullptr) RemoveFocus(false);
  if (handle_ != nullptr && !ComponentState().Contains(csDesigning)) EnableWindow(handle_, Enabled());
}

// --- children ---

TControl* TWinControl::Controls(Integer Index) const {
  const Integer graphic = Integer(controls_.size());
  if (Index < 0 || Index >= ControlCount()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return Index < graphic ? controls_[std::size_t(Index)] : winControls_[std::size_t(Index - graphic)];
}

void TWinControl::Insert(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    winControls_.push_back(w);
    tabList_.push_back(w);
  } else {
    controls_.push_back(AControl);
  }
  AControl->SetParentField(this);
}

void TWinControl::Remove(TControl* AControl) {
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    std::erase(tabList_, w);
    std::erase(winControls_, w);
  } else {
    std::erase(controls_, AControl);
  }
  AControl->SetParentField(nullptr);
}

void TWinControl::InsertControl(TControl* AControl) {
  AControl->ValidateContainer(this);
  Perform(CM_CONTROLLISTCHANGE, WPARAM(AControl), 1);
  Insert(AControl);
  if (!AControl->ComponentState().Contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
      w->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
      w->UpdateControlState();
    } else if (handle_ != nullptr) {
      AControl->Invalidate();
    }
    AlignControl(AControl);
  }
  Perform(CM_CONTROLCHANGE, WPARAM(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  Perform(CM_CONTROLCHANGE, WPARAM(AControl), 0);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    w->RemoveFocus(true);
    w->DestroyHandle();
  } else if (handle_ != nullptr) {
    AControl->InvalidateControl(AControl->Visible(), false);
  }
  Remove(AControl);
  Perform(CM_CONTROLLISTCHANGE, WPARAM(AControl), 0);
  Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  while (Control != nullptr && Control != this) Control = Control->Parent();
  return Control != nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) {
  auto hit = [&](TControl* c) {
    const TPoint p{Pos.X - c->Left(), Pos.Y - c->Top()};
    const TRect client = c->ClientRect();
    if (!PtInRect(&client, p)) return false;
    if (c->ComponentState().Contains(csDesigning))
      return c->Visible() || !c->ControlStyle().Contains(csNoDesignVisible);
    return c->Visible() && (c->Enabled() || AllowDisabled) && c->Perform(CM_HITTEST, 0, PointToLParam(p)) != 0;
  };
  if (AllowWinControls)
    for (auto it = winControls_.rbegin(); it != winControls_.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

TControl* TWinControl::FindChildControl(std::string_view ControlName) const {
  for (Integer i = 0; i < ControlCount(); ++i)
    if (SameText(Controls(i)->Name(), ControlName)) return Controls(i);
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (Integer i = 0; i < ControlCount(); ++i) {
    Controls(i)->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage message{Msg, 0, 0, 0};
  Broadcast(message);
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Owner() == Root) Proc(c);
  }
}

void TWinControl::SetChildOrder(TComponent* Child, Integer Order) {
  if (auto* control = dynamic_cast<TControl*>(Child)) control->SetZOrderPosition(Order);
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (Parent() == nullptr && AParent != nullptr && parentWindow_ != nullptr) {
    DestroyHandle();
    parentWindow_ = nullptr;
  }
  inherited::SetParent(AParent);
}

// --- notifications ---

void TWinControl::CMColorChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  brush_->SetColor(Color());
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (handle_ != nullptr) Perform(WM_SETFONT, WPARAM(Font()->Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::SetCtl3D(bool Value) {
  if (ctl3D_ == Value) return;
  ctl3D_ = Value;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (parentCtl3D_ == Value) return;
  parentCtl3D_ = Value;
  if (Parent() != nullptr && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  if (ControlStyle().Contains(csFramed) && Parent() != nullptr && handle_ != nullptr && IsWindowVisible(handle_))
    InvalidateFrame();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage& Message) {
  if (!parentCtl3D_) return;
  if (Message.WParam != 0)
    SetCtl3D(Message.LParam != 0);
  else if (Parent() != nullptr)
    SetCtl3D(Parent()->Ctl3D());
  parentCtl3D_ = true;
}

void TWinControl::CMShowHintChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMBiDiModeChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (SysLocaleMiddleEast() && Message.WParam == 0) RecreateWnd();
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}
