// TCustomForm: construction from form images, window parameters, showing and hiding, painting.
#include "platform/ui/form.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/form_image.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/core/format.h"
#include "platform/ui/application.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/icon.h"
#include "platform/ui/screen.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"

PR_PUBLISH(TCustomForm) {}

PR_PUBLISH(TForm) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  p.Property("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth).Default(0);
  p.Property("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll).Default(true);
  PublishAutoSize(p);
  PublishCaption(p);
  p.Property("ClientHeight", &TCustomForm::ClientHeightValue, &TCustomForm::SetClientHeightValue).NoDefault();
  p.Property("ClientWidth", &TCustomForm::ClientWidthValue, &TCustomForm::SetClientWidthValue).NoDefault();
  PublishColor(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  p.Property("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
  p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  p.Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  p.Property("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder).Default(false);
  PublishParentBiDiMode(p);
  p.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).NoDefault();
  PublishPopupMenu(p);
  p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  p.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
  PublishShowHint(p);
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(false);
  p.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
  p.Property("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight).Stored(false);
  p.Property("OnActivate", &TCustomForm::OnActivate);
  p.Property("OnClick", &TControl::OnClick);
  p.Property("OnClose", &TCustomForm::OnClose);
  p.Property("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Property("OnCreate", &TCustomForm::OnCreate);
  p.Property("OnDblClick", &TControl::OnDblClick);
  p.Property("OnDeactivate", &TCustomForm::OnDeactivate);
  p.Property("OnDestroy", &TCustomForm::OnDestroy);
  p.Property("OnHide", &TCustomForm::OnHide);
  PublishKeyEvents(p);
  PublishMouseEvents(p);
  p.Property("OnPaint", &TCustomForm::OnPaint);
  p.Property("OnResize", &TControl::OnResize);
  p.Property("OnShortCut", &TCustomForm::OnShortCut);
  p.Property("OnShow", &TCustomForm::OnShow);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomForm(AOwner, CreateNewTag{}) { loadImage_ = true; }

TCustomForm::TCustomForm(TComponent* AOwner, CreateNewTag)
    : TWinControl(AOwner),
      canvas_(std::make_unique<TControlCanvas>()),
      icon_(std::make_unique<TIcon>()) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 320, 240);
  canvas_->SetControl(this);
  if (Screen != nullptr) pixelsPerInch_ = Screen->PixelsPerInch();
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  if (Screen != nullptr) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  DestroyHandle();
  if (Screen != nullptr) Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  if (loadImage_ && !ComponentState().Contains(csDesigning)) {
    formState_.Include(fsCreating);
    try {
      if (ClassType() != TForm::StaticClass() && !InitInheritedComponent(this, TForm::StaticClass()))
        throw EResNotFound(Format(classes_text::kResNotFound, {ClassName()}));
    } catch (...) {
      formState_.Exclude(fsCreating);
      throw;
    }
    formState_.Exclude(fsCreating);
  }
  if (!oldCreateOrder_ || !loadImage_) DoCreate();
}

void TCustomForm::BeforeDestruction() {
  if (destroyingStarted_) return;
  destroyingStarted_ = true;
  Destroying();
  if (Screen != nullptr) Screen->ForgetSavedFocus(this);
  if (formStyle_ != fsMDIChild && Visible()) Hide();
  DoDestroy();
}

void TCustomForm::DoCreate() {
  try {
    OnCreate(this);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
  if (formState_.Contains(fsVisible)) SetVisible(true);
}

void TCustomForm::DoDestroy() {
  try {
    OnDestroy(this);
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  inherited::GetChildren(Proc, Root);
  if (Root != this) return;
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) Proc(Components(i));
}

void TCustomForm::ReadState(TReader* Reader) {
  DisableAlign();
  clientWidth_ = 0;
  clientHeight_ = 0;
  textHeight_ = 0;
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  if (clientWidth_ > 0) SetClientWidth(clientWidth_);
  if (clientHeight_ > 0) SetClientHeight(clientHeight_);
  Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  EnableAlign();
}

void TCustomForm::Loaded() {
  inherited::Loaded();
  if (activeControl_ != nullptr) {
    // The form image names the active control before the form can give it the focus.
    TWinControl* control = activeControl_;
    activeControl_ = nullptr;
    if (control->CanFocus() || ComponentState().Contains(csLoading)) activeControl_ = control;
  }
}

void TCustomForm::SetClientWidthValue(Integer Value) {
  if (ControlState().Contains(csReadingState))
    clientWidth_ = Value;
  else
    SetClientWidth(Value);
}

void TCustomForm::SetClientHeightValue(Integer Value) {
  if (ControlState().Contains(csReadingState))
    clientHeight_ = Value;
  else
    SetClientHeight(Value);
}

TCanvas* TCustomForm::Canvas() const { return canvas_.get(); }

void TCustomForm::SetIcon(TIcon* Value) { icon_->Assign(Value); }

void TCustomForm::SetMenu(TComponent* Value) {
  menu_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == menu_) menu_ = nullptr;
  if (AComponent == activeControl_) activeControl_ = nullptr;
  if (AComponent == focusedControl_) focusedControl_ = nullptr;
}

// --- window parameters ---

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWndIfAllocated();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (borderIcons_ == Value) return;
  borderIcons_ = Value;
  RecreateWndIfAllocated();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (formStyle_ == Value) return;
  const bool wasTopMost = formStyle_ == fsStayOnTop;
  formStyle_ = Value;
  if (WindowHandle() == nullptr || ComponentState().Contains(csDesigning)) return;
  if (wasTopMost || Value == fsStayOnTop)
    SetWindowPos(WindowHandle(), Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetPosition(TPosition Value) { position_ = Value; }

void TCustomForm::SetWindowState(TWindowState Value) {
  if (windowState_ == Value) return;
  windowState_ = Value;
  if (!ComponentState().Contains(csDesigning) && Showing()) {
    static constexpr int kCommands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
    ShowWindow(WindowHandle(), kCommands[Value]);
  }
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (Parent() == nullptr && ParentWindow() == nullptr) {
    Params.WndParent = Application != nullptr ? Application->Handle() : nullptr;
    Params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
  }
  Params.WindowClass.style = CS_DBLCLKS;
  const bool designingTop = ComponentState().Contains(csDesigning) && Parent() == nullptr;
  if (designingTop) {
    Params.Style |= WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
    return;
  }
  if (position_ == poDefault || position_ == poDefaultPosOnly) Params.X = Params.Y = CW_USEDEFAULT;
  TBorderIcons icons = borderIcons_;
  switch (borderStyle_) {
    case bsNone:
      if (Parent() == nullptr && ParentWindow() == nullptr) Params.Style |= WS_POPUP;
      icons = {};
      break;
    case bsSingle:
    case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      if (position_ == poDefault || position_ == poDefaultSizeOnly) Params.Width = Params.Height = CW_USEDEFAULT;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      icons = icons * TBorderIcons{biSystemMenu, biHelp};
      Params.WindowClass.style |= CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) {
    Params.ExStyle = WS_EX_TOOLWINDOW;
    icons = icons * TBorderIcons{biSystemMenu};
  }
  if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable || borderStyle_ == bsNone) {
    if (icons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
    if (icons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    if (windowState_ == wsMinimized) Params.Style |= WS_MINIMIZE;
    else if (windowState_ == wsMaximized) Params.Style |= WS_MAXIMIZE;
  } else {
    windowState_ = wsNormal;
  }
  if (icons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
  if (icons.Contains(biHelp)) Params.ExStyle |= WS_EX_CONTEXTHELP;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  if (!ComponentState().Contains(csDesigning) && formStyle_ == fsStayOnTop)
    SetWindowPos(WindowHandle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- showing ---

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::VisibleChanging() {
  if (formStyle_ == fsMDIChild && Visible()) throw EInvalidOperation("Cannot hide an MDI Child Form");
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (!ComponentState().Contains(csDesigning) && formState_.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
  formState_.Include(fsShowing);
  try {
    if (!ComponentState().Contains(csDesigning)) {
      if (Showing())
        ShowWindowNow();
      else
        HideWindowNow();
    }
  } catch (...) {
    formState_.Exclude(fsShowing);
    throw;
  }
  formState_.Exclude(fsShowing);
}

void TCustomForm::ShowWindowNow() {
  try {
    DoShow();
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
  PlaceAtPosition();
  static constexpr int kCommands[] = {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
  ShowWindow(WindowHandle(), kCommands[windowState_]);
}

void TCustomForm::HideWindowNow() {
  try {
    DoHide();
  } catch (...) {
    if (Application == nullptr) throw;
    Application->HandleException(this);
  }
  if (formState_.Contains(fsModal)) {
    SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    ShowWindow(WindowHandle(), SW_HIDE);
  }
}

// Centring positions apply once, at the first showing; the form then keeps where it is.
void TCustomForm::PlaceAtPosition() {
  if (Screen == nullptr) return;
  const TRect work = Screen->WorkAreaRect();
  TRect around{0, 0, Screen->Width(), Screen->Height()};
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* center = Application != nullptr ? Application->MainForm() : nullptr;
      if (position_ == poOwnerFormCenter)
        if (auto* owner = dynamic_cast<TCustomForm*>(Owner())) center = owner;
      if (center != nullptr && center != this) around = center->BoundsRect();
      break;
    }
    default: return;
  }
  Integer x = around.Left + (around.Width() - Width()) / 2;
  Integer y = around.Top + (around.Height() - Height()) / 2;
  if (x < work.Left) x = work.Left;
  if (y < work.Top) y = work.Top;
  SetBounds(x, y, Width(), Height());
  position_ = poDesigned;
}

void TCustomForm::DoShow() { OnShow(this); }

void TCustomForm::DoHide() { OnHide(this); }

// --- painting ---

void TCustomForm::Paint() { OnPaint(this); }

void TCustomForm::PaintWindow(HDC DC) {
  canvas_->PaintOn(DC, [this] { Paint(); });
}

void TCustomForm::WMPaint(TMessage& Message) {
  SetControlState(ControlState() + TControlState{csCustomPaint});
  inherited::Dispatch(Message);
  SetControlState(ControlState() - TControlState{csCustomPaint});
}

TCustomForm* ValidParentForm(TControl* Control) {
  TCustomForm* form = GetParentForm(Control);
  if (form == nullptr) throw EInvalidOperation("Control '" + Control->Name() + "' has no parent window");
  return form;
}
