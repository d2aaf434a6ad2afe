// TApplication: the program's message loop, its hidden window, the main form, exception
// reporting and hints.
//
// The loop: HandleMessage takes one message (PeekMessage); OnMessage may handle it; then hint
// messages, key messages offered to controls as CN_ messages (IsKeyMsg) and the rest are
// translated and dispatched.  With nothing waiting it is idle (mouse enter/leave, hints, OnIdle)
// and waits for a message.  Terminate posts WM_QUIT, so the loop ends at its next turn; Run
// shows the main form and loops until then.  While Run loops, SIGTERM, SIGINT, SIGHUP and the
// display's quit request post WM_CLOSE to the hidden window (user/program_end_requests.h), which
// closes the main form in order (OnCloseQuery, OnClose); close requests that arrive while the
// main form is closing are dropped, so a second signal cannot cut the first one's close short.
//
// The hidden application window (class "TApplication") owns every form and popup; its procedure
// offers each message to the hooks installed with HookMainWindow (a hook that answers true ends
// the message), then handles CM_APPKEYDOWN (shortcuts of the main form) and CM_APPSYSCOMMAND
// (system commands relayed from owned forms).
//
// Errors: an exception escaping a window procedure or the loop reaches HandleException, which
// calls OnException or shows the message in an error box captioned with Title (MB_ICONSTOP);
// EAbort is silent.  The loop goes on.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/classes/component.h"
#include "platform/core/exceptions.h"
#include "platform/core/units.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_types.h"
#include "platform/ui/message.h"
#include "platform/ui/modal_observer.h"

class TControl;
class TCustomForm;
class THintWindow;

using TMessageEvent = Event<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = Event<void(TObject* Sender, Exception* E)>;
using TIdleEvent = Event<void(TObject* Sender, bool& Done)>;
using TWindowHook = Event<bool(TMessage& Message)>;

// What a control's hint shows, filled in before CM_HINTSHOW lets the control change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;             // screen position of the hint window
  Integer HintMaxWidth = 0;
  TColor HintColor = 0;
  TRect CursorRect;           // the hint hides when the mouse leaves this (client coordinates)
  TPoint CursorPos;           // client coordinates
  Integer ReshowTimeout = 0;
  Integer HideTimeout = 0;
  std::string HintStr;
};

class TApplication : public TComponent {
  PR_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Chooses the display from PR_DISPLAY (docs/platform-user-sdl.md) unless one is installed
  // already; raises Exception, saying why, when PR_DISPLAY names a display that cannot be used.
  void Initialize();
  // Creates a form of class T owned by the application, reads its form image and runs OnCreate;
  // the first form created becomes the main form.
  template <class T>
  T* CreateForm() {
    return static_cast<T*>(CreateFormOfClass(T::StaticClass()));
  }
  TCustomForm* CreateFormOfClass(TClass FormClass);
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Lets the loop run again after Terminate ended it (test programs that run it more than once).
  void ClearTerminated() { terminated_ = false; }
  void ProcessMessages();
  void HandleMessage();
  // One turn with the idle step but without waiting: for test drivers (true when a message was
  // handled).
  bool ProcessMessage();
  void Idle();
  void Minimize();
  void Restore();

  HWND Handle() const { return handle_; }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* Form) { mainForm_ = Form; }
  const std::string& Title() const;
  void SetTitle(const std::string& Value);
  // Whether components that keep values made from FormatSettings reload it (GetFormatSettings)
  // when the regional settings change ("intl").  Default true.
  bool UpdateFormatSettings() const { return updateFormatSettings_; }
  void SetUpdateFormatSettings(bool Value) { updateFormatSettings_ = Value; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool Value) { showMainForm_ = Value; }
  bool Active() const { return active_; }

  // Errors.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  Integer MessageBox(const std::string& Text, const std::string& Caption, Integer Flags);

  // Window hooks of the hidden window.
  void HookMainWindow(const TWindowHook& Hook);
  void UnhookMainWindow(const TWindowHook& Hook);
  LRESULT SendAppMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  bool IsShortCut(TMessage& Message);

  // Modal forms tell the application when they start and end.
  void ModalStarted(TCustomForm* Form);
  void ModalFinished(TCustomForm* Form);
  void AddModalObserver(TModalObserver* Observer);
  void RemoveModalObserver(TModalObserver* Observer);

  // Hints.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  Integer HintPause() const { return hintPause_; }
  void SetHintPause(Integer Value) { hintPause_ = Value; }
  Integer HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(Integer Value) { hintShortPause_ = Value; }
  Integer HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(Integer Value) { hintHidePause_ = Value; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor Value) { hintColor_ = Value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  void ActivateHint(TPoint CursorPos);
  void CancelHint();
  void HideHint();
  THintWindow* HintWindow() const { return hintWindow_; }
  void HintMouseMessage(TControl* Control, TMessage& Message);
  // The control under the mouse at the last idle step.
  TControl* MouseControl() const { return mouseControl_; }
  void ControlDestroyed(TControl* Control);

  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TNotifyEvent OnHint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnModalBegin;
  TNotifyEvent OnModalEnd;
  Event<void(TMessage& Msg, bool& Handled)> OnShortCut;
  Event<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)> OnShowHint;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void WndProc(TMessage& Message);
  // The idle step; true when nothing asked for more work (the loop may then wait).
  bool IdleStep();
  bool IsKeyMsg(MSG& Msg);
  bool IsHintMsg(const MSG& Msg);
  void CloseMainForm();
  TControl* DoMouseIdle();
  // Lets the actions of every visible, enabled form update themselves (TCustomForm::UpdateActions).
  void DoActionIdle();
  void HintTimerExpired();
  void StartHintTimer(UINT Milliseconds, Integer Mode);
  void StopHintTimer();
  void CreateHandle();

  HWND handle_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  mutable std::string title_;
  bool terminated_ = false;
  bool running_ = false;
  bool closingMainForm_ = false;
  bool showMainForm_ = true;
  bool updateFormatSettings_ = true;
  bool active_ = true;
  std::vector<TWindowHook> windowHooks_;
  std::vector<TModalObserver*> modalObservers_;
  Integer modalLevel_ = 0;
  TControl* mouseControl_ = nullptr;
  // Hints.
  bool showHint_ = true;
  Integer hintPause_ = 500;
  Integer hintShortPause_ = 50;
  Integer hintHidePause_ = 2500;
  TColor hintColor_;
  std::string hint_;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  TRect hintCursorRect_;
  bool hintActive_ = false;
  Integer hintTimerMode_ = 0;   // 0: none, 1: show after the pause, 2: hide
};

// The program's application and screen (the class library's globals), made by FormsUnit's
// initialisation and freed by its finalisation.
extern TApplication* Application;
extern const Unit FormsUnit;
