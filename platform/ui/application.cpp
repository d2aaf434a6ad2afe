// TApplication: creation, the message loop, the hidden window and its hooks, errors and modal
// book-keeping.  Hints are in application_hints.cpp.
#include "platform/ui/application.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/classes/publisher.h"
#include "platform/os/file_names.h"
#include "platform/os/module_name.h"
#include "platform/ui/control_binding.h"
#include "platform/ui/form.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/hints.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/screen.h"
#include "platform/user/backend.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/display_choice.h"
#include "platform/user/focus.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/program_end_requests.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TApplication)

TApplication* Application = nullptr;

namespace {

constexpr char kApplicationClass[] = "TApplication";
// The error box's text for something thrown that carries no message of its own.
constexpr char kUnknownExceptionText[] = "Unknown exception";

void InitializeForms() {
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
  InstallMenuHooks();
}

void FinalizeForms() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
}

}  // namespace

const Unit FormsUnit{"Forms", &InitializeForms, &FinalizeForms};

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), hintColor_(clInfoBk) {
  title_ = ChangeFileExt(ExtractFileName(ModuleFileName()), "");
  CreateHandle();
}

TApplication::~TApplication() {
  Destroying();
  CancelHint();
  delete hintWindow_;
  hintWindow_ = nullptr;
  DestroyComponents();
  if (handle_ != nullptr) {
    auto instance = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle_, GWLP_WNDPROC));
    DestroyWindow(handle_);
    FreeObjectInstance(instance);
  }
}

void TApplication::CreateHandle() {
  user::EnsureClassRegistered(user::ClassRecord(kApplicationClass, &DefWindowProcA));
  handle_ = CreateWindowExA(0, kApplicationClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, nullptr, nullptr);
  TWndMethod method;
  method = [this](TMessage& m) { WndProc(m); };
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(method)));
}

void TApplication::Initialize() {
  if (user::BackendInstalled()) return;
  const user::DisplayChoice choice = user::InstallDisplayBackend();
  if (!choice.backend.empty()) return;
  // A display asked for by name and not available is an error the user must see, not a program
  // running unseen in memory.
  throw Exception("The display asked for by PR_DISPLAY=" + std::string(std::getenv("PR_DISPLAY")) +
                  " cannot be used: " + choice.note);
}

TCustomForm* TApplication::CreateFormOfClass(TClass FormClass) {
  auto* form = CreateInstance<TCustomForm>(FormClass, this);
  if (mainForm_ == nullptr) {
    form->HandleNeeded();
    mainForm_ = form;
  }
  return form;
}

const std::string& TApplication::Title() const {
  if (handle_ != nullptr) {
    std::string text(std::size_t(GetWindowTextLengthA(handle_)), '\0');
    GetWindowTextA(handle_, text.data(), Integer(text.size()) + 1);
    title_ = text;
  }
  return title_;
}

void TApplication::SetTitle(const std::string& Value) {
  title_ = Value;
  if (handle_ != nullptr) SetWindowTextA(handle_, Value.c_str());
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == mainForm_) mainForm_ = nullptr;
}

// --- the loop ---

void TApplication::Run() {
  const user::ProgramEndRequests endRequests(handle_);
  running_ = true;
  try {
    if (mainForm_ != nullptr) {
      if (showMainForm_) mainForm_->SetVisible(true);
      do {
        try {
          HandleMessage();
        } catch (...) {
          HandleException(this);
        }
      } while (!terminated_);
    }
  } catch (...) {
    running_ = false;
    throw;
  }
  running_ = false;
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::ProcessMessage() {
  MSG msg{};
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  OnMessage(msg, handled);
  if (!IsHintMsg(msg) && !handled && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  if (IdleStep()) WaitMessage();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Idle() { IdleStep(); }

bool TApplication::IdleStep() {
  TControl* control = DoMouseIdle();
  if (showHint_ && mouseControl_ == nullptr) CancelHint();
  SetHint(GetLongHint(GetHint(control)));
  DoActionIdle();
  bool done = true;
  try {
    OnIdle(this, done);
  } catch (...) {
    HandleException(this);
  }
  return done;
}

// Key messages go to the nearest control's window as CN_ messages first; a nonzero answer means
// the control (or its form, as a dialog key) handled them.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  HWND target = GetCapture();
  if (target == nullptr) {
    target = Msg.hwnd;
    while (target != nullptr && FindControl(target) == nullptr) target = GetParent(target);
    if (target == nullptr) target = Msg.hwnd;
  }
  return SendMessageA(target, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

TControl* TApplication::DoMouseIdle() {
  TPoint p{};
  GetCursorPos(&p);
  TControl* result = FindDragTarget(p, true);
  if (result != nullptr && result->ComponentState().Contains(csDesigning)) result = nullptr;
  TControl* capture = GetCaptureControl();
  if (mouseControl_ != result) {
    auto notify = [capture](TControl* c) { return (c != nullptr && capture == nullptr) || (capture != nullptr && c == capture); };
    if (notify(mouseControl_)) mouseControl_->Perform(CM_MOUSELEAVE, 0, 0);
    mouseControl_ = result;
    if (notify(mouseControl_)) mouseControl_->Perform(CM_MOUSEENTER, 0, 0);
  }
  return result;
}

void TApplication::DoActionIdle() {
  for (Integer i = 0; Screen != nullptr && i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (form->WindowHandle() != nullptr && IsWindowVisible(form->Handle()) && IsWindowEnabled(form->Handle()))
      form->UpdateActions();
  }
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (mainForm_ == Control) mainForm_ = nullptr;
  if (mouseControl_ == Control) mouseControl_ = nullptr;
  if (hintControl_ == Control) hintControl_ = nullptr;
}

void TApplication::Minimize() {
  if (mainForm_ != nullptr && mainForm_->WindowHandle() != nullptr) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (mainForm_ != nullptr && mainForm_->WindowHandle() != nullptr) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

// --- the hidden window ---

void TApplication::WndProc(TMessage& Message) {
  try {
    Message.Result = 0;
    for (const TWindowHook& hook : std::vector<TWindowHook>(windowHooks_))
      if (hook(Message)) return;
    switch (Message.Msg) {
      case WM_CLOSE:
        if (mainForm_ != nullptr && !closingMainForm_) CloseMainForm();
        return;
      case WM_ENDSESSION:
        if (Message.WParam != 0) terminated_ = true;
        return;
      case WM_TIMER:
        HintTimerExpired();
        return;
      case CM_APPKEYDOWN:
        if (IsShortCut(Message)) Message.Result = 1;
        return;
      case CM_APPSYSCOMMAND:
        if (mainForm_ != nullptr && mainForm_->WindowHandle() != nullptr && IsWindowEnabled(mainForm_->Handle()) &&
            IsWindowVisible(mainForm_->Handle())) {
          HWND saved = GetFocus();
          ::SetFocus(mainForm_->Handle());
          mainForm_->Perform(WM_SYSCOMMAND, Message.WParam, Message.LParam);
          ::SetFocus(saved);
          Message.Result = 1;
        }
        return;
      case CM_WINDOWHOOK: {
        const auto* hook = reinterpret_cast<const TWindowHook*>(Message.LParam);
        if (Message.WParam == 0) HookMainWindow(*hook);
        else UnhookMainWindow(*hook);
        return;
      }
      default:
        Message.Result = DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
    }
  } catch (...) {
    HandleException(this);
  }
}

// One close of the main form per request: requests that arrive while it closes (a second signal)
// are dropped, whether they reach a loop run by the close handlers or wait for the main loop.
void TApplication::CloseMainForm() {
  closingMainForm_ = true;
  try {
    mainForm_->Close();
  } catch (...) {
    closingMainForm_ = false;
    throw;
  }
  closingMainForm_ = false;
  MSG request{};
  while (PeekMessageA(&request, handle_, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
  }
}

void TApplication::HookMainWindow(const TWindowHook& Hook) { windowHooks_.push_back(Hook); }

void TApplication::UnhookMainWindow(const TWindowHook& Hook) {
  auto it = std::find_if(windowHooks_.begin(), windowHooks_.end(),
                         [&](const TWindowHook& h) { return h.SameHandler(Hook); });
  if (it != windowHooks_.end()) windowHooks_.erase(it);
}

LRESULT TApplication::SendAppMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return handle_ != nullptr ? SendMessageA(handle_, Msg, WParam, LParam) : 0;
}

bool TApplication::IsShortCut(TMessage& Message) {
  bool handled = false;
  OnShortCut(Message, handled);
  if (handled) return true;
  return mainForm_ != nullptr && mainForm_->WindowHandle() != nullptr && IsWindowEnabled(mainForm_->Handle()) &&
         mainForm_->IsShortCut(Message);
}

// --- errors ---

void TApplication::HandleException(TObject* Sender) {
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  // What is not one of the class library's exceptions is reported as one, so that nothing thrown
  // by a handler gets past the loop.
  const auto report = [&](Exception& e) {
    if (OnException) OnException(Sender, &e);
    else ShowException(e);
  };
  try {
    throw;
  } catch (const EAbort&) {
  } catch (Exception& e) {
    report(e);
  } catch (const std::exception& e) {
    Exception wrapped(e.what());
    report(wrapped);
  } catch (...) {
    Exception unknown(kUnknownExceptionText);
    report(unknown);
  }
}

void TApplication::ShowException(const Exception& E) {
  std::string text = E.Message();
  if (!text.empty() && Byte(text.back()) > Byte('.')) text += '.';
  MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const std::string& Text, const std::string& Caption, Integer Flags) {
  HWND active = GetActiveWindow();
  const Integer result = MessageBoxA(active, Text.c_str(), Caption.c_str(), UINT(Flags));
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  return result;
}

// --- modal forms ---

void TApplication::ModalStarted(TCustomForm* Form) {
  if (++modalLevel_ == 1) OnModalBegin(this);
  for (TModalObserver* o : std::vector<TModalObserver*>(modalObservers_)) o->ModalStarted(Form);
}

void TApplication::ModalFinished(TCustomForm* Form) {
  for (TModalObserver* o : std::vector<TModalObserver*>(modalObservers_)) o->ModalFinished(Form);
  if (--modalLevel_ == 0) OnModalEnd(this);
}

void TApplication::AddModalObserver(TModalObserver* Observer) { modalObservers_.push_back(Observer); }

void TApplication::RemoveModalObserver(TModalObserver* Observer) { std::erase(modalObservers_, Observer); }
