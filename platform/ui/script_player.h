// TScriptPlayer: plays a script (ui_script.h) into the running program as a person at the keyboard
// would, and keeps the transcript (ui_transcript.h) of what the program showed.
//
// Timing: a step runs when a message loop of the application (the main loop or a modal form's)
// is about to wait for input, that is at the loop's idle step (Application->OnIdle, chained to a
// handler the program set before).  A step injects its input through a test driver in queued mode
// and returns; the loop handles that input as it handles a person's, and the next step runs at
// the next idle step, in whichever loop that is.  `await` holds the script until its file exists
// (a timer wakes the waiting loop to look).
//
// Failure: a step that cannot run (no control of that name, a disabled control, no box open, no
// such button, no file dialog, a row out of range), a loop waiting for input with no step left,
// or the time limit (a watchdog thread, which holds even when no loop runs) writes
// "FAIL <line>: <reason>" and "EXIT 3", stops playing and calls OnFailed on the thread that found
// the failure.  The default OnFailed ends the process at once with exit code 3: nothing more of
// the program runs, so a broken script cannot drive it into steps nobody meant.
//
// Transcript: SHOW and HIDE of every form that is not a box (seen as the window is shown or
// hidden), and one BOX line when a box closes: the platform's message boxes and dialogs and every
// form that derives from TScriptedBox.  The answer is the button the input that closed the box
// pressed (a click, Enter on the focused or default button, Space on the focused button, its
// accelerator), "Escape" for the Escape key, or else the button whose modal result the box ended
// with.
//
// One player plays at a time (its window hooks are the thread's).
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/modal_observer.h"
#include "platform/ui/ui_script.h"

class TButton;
class TControl;
class TTestDriver;
class TUiScriptWatchdog;
class TUiTranscript;

class TScriptPlayer : public TModalObserver {
 public:
  TScriptPlayer(TUiScript Script, TUiTranscript& Transcript, UInt64 TimeLimitMs);
  ~TScriptPlayer() override;
  TScriptPlayer(const TScriptPlayer&) = delete;
  TScriptPlayer& operator=(const TScriptPlayer&) = delete;

  // Starts playing: hooks the application's idle step, its modal forms and the windows.
  void Start();
  // Stops playing and answers the exit code to end with: 3 after a failure (whose EXIT line is
  // written), otherwise ProgramExitCode, written as the last line "EXIT <code>".
  Integer Finish(Integer ProgramExitCode);
  bool Failed() const { return failed_; }

  // Runs after a failure was written, on the thread that found it (see above).
  std::function<void()> OnFailed;

  void ModalStarted(TCustomForm* Form) override;
  void ModalFinished(TCustomForm* Form) override;

 private:
  struct TOpenBox {
    TCustomForm* Form = nullptr;
    std::string Answer;  // from the input that pressed one of its buttons; empty until then
  };

  void Idle(bool& Done);
  void RunStep(const TUiStep& Step);
  void SelectRow(const TUiStep& Step);
  void ClickControl(const TUiStep& Step);
  void PressKeys(const TUiStep& Step);
  void SetText(const TUiStep& Step);
  void ChooseFile(const TUiStep& Step);
  void AnswerBox(const TUiStep& Step);
  void Signal(const TUiStep& Step);
  void Fail(Integer Line, const std::string& Reason);
  void WatchdogExpired();
  void Stop();

  TControl* ShownControl(const std::string& Name) const;
  TCustomForm* InnermostModal() const;
  std::string WaitingLoop() const;
  void NoteInput(const MSG& Msg);
  void NoteShowing(HWND Window, bool Shown);
  static LRESULT GetMessageHook(int Code, WPARAM WParam, LPARAM LParam);
  static LRESULT CallWndProcHook(int Code, WPARAM WParam, LPARAM LParam);

  std::vector<TUiStep> steps_;
  std::size_t next_ = 0;
  std::atomic<Integer> line_{0};              // the step under way or last run
  std::optional<std::string> awaiting_;       // the path an await step waits for
  TUiTranscript& transcript_;
  UInt64 timeLimitMs_;
  std::unique_ptr<TTestDriver> driver_;
  std::unique_ptr<TUiScriptWatchdog> watchdog_;
  std::vector<TCustomForm*> modalForms_;      // innermost last
  std::vector<TOpenBox> openBoxes_;           // innermost last
  TIdleEvent previousIdle_;
  HWND window_ = nullptr;                     // wakes the loop during an await
  HHOOK getMessageHook_ = nullptr;
  HHOOK callWndProcHook_ = nullptr;
  bool playing_ = false;
  std::atomic<bool> failed_{false};
};
