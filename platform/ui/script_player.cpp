#include "platform/ui/script_player.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/os/clock.h"
#include "platform/os/thread.h"
#include "platform/ui/button.h"
#include "platform/ui/custom_grid.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/hotkeys.h"
#include "platform/ui/message_form_base.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/scripted_box.h"
#include "platform/ui/test_driver.h"
#include "platform/ui/ui_script_watchdog.h"
#include "platform/ui/ui_transcript.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/timers.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"

namespace {

// The player whose hooks are installed.
TScriptPlayer* activePlayer = nullptr;

constexpr UINT_PTR kAwaitTimer = 1;
// How often a loop held by an await step looks for the file (milliseconds of the platform clock).
constexpr UINT kAwaitLookMs = 20;

// A step that cannot run; its message is the FAIL line's reason.
PR_DECLARE_EXCEPTION(EStepFailed, Exception);

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool IsBox(TCustomForm* form) {
  return dynamic_cast<TMessageFormBase*>(form) != nullptr || dynamic_cast<TScriptedBox*>(form) != nullptr;
}

std::string BoxText(TCustomForm* form) {
  if (auto* box = dynamic_cast<TMessageFormBase*>(form)) return box->Text();
  return dynamic_cast<TScriptedBox*>(form)->BoxText();
}

std::string FormName(const TCustomForm* form) { return form->Name().empty() ? form->ClassName() : form->Name(); }

bool IsShown(const TControl* control) {
  for (; control != nullptr; control = control->Parent())
    if (!control->Visible()) return false;
  return true;
}

bool IsEnabled(const TControl* control) {
  for (; control != nullptr; control = control->Parent())
    if (!control->Enabled()) return false;
  return true;
}

// The buttons a person can press on a form (the form owns every control of its image).
std::vector<TButton*> PressableButtons(TCustomForm* form) {
  std::vector<TButton*> buttons;
  for (Integer i = 0; i < form->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TButton*>(form->Components(i));
        button != nullptr && IsShown(button) && IsEnabled(button))
      buttons.push_back(button);
  return buttons;
}

std::string AnswerOf(const TButton* button) { return StripHotkey(button->Caption()); }

// Milliseconds as seconds: "120", "0.25".
std::string SecondsText(UInt64 ms) {
  std::string text = std::to_string(ms / 1000);
  if (ms % 1000 != 0) {
    text += '.' + std::to_string(1000 + ms % 1000).substr(1);
    while (text.back() == '0') text.pop_back();
  }
  return text;
}

}  // namespace

TScriptPlayer::TScriptPlayer(TUiScript Script, TUiTranscript& Transcript, UInt64 TimeLimitMs)
    : steps_(Script.Steps()), transcript_(Transcript), timeLimitMs_(TimeLimitMs) {
  OnFailed = [] {
    std::fflush(nullptr);
    std::_Exit(3);
  };
}

TScriptPlayer::~TScriptPlayer() {
  Stop();
  if (window_ != nullptr) DeallocateHWnd(window_);
}

void TScriptPlayer::Start() {
  if (activePlayer != nullptr) throw EInvalidOperation("Another script player is playing");
  activePlayer = this;
  playing_ = true;
  TWndMethod method;
  method = [this](TMessage& m) {
    // The await timer only wakes the loop; its idle step looks for the file.
    if (m.Msg != WM_TIMER) m.Result = DefWindowProcA(window_, m.Msg, m.WParam, m.LParam);
  };
  if (window_ == nullptr) window_ = AllocateHWnd(method);
  driver_ = std::make_unique<TTestDriver>();
  driver_->SetQueuedInput(true);
  previousIdle_ = Application->OnIdle;
  Application->OnIdle = [this](TObject* Sender, bool& Done) {
    previousIdle_(Sender, Done);
    Idle(Done);
  };
  Application->AddModalObserver(this);
  getMessageHook_ = SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
  callWndProcHook_ = SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProcHook, nullptr, GetCurrentThreadId());
  watchdog_ = std::make_unique<TUiScriptWatchdog>(CurrentClock(), timeLimitMs_, [this] { WatchdogExpired(); });
}

Integer TScriptPlayer::Finish(Integer ProgramExitCode) {
  Stop();
  if (failed_) return 3;
  transcript_.Exit(ProgramExitCode);
  return ProgramExitCode;
}

void TScriptPlayer::Stop() {
  if (!playing_) return;
  playing_ = false;
  watchdog_->Stop();
  if (Application != nullptr) {
    Application->OnIdle = previousIdle_;
    Application->RemoveModalObserver(this);
  }
  UnhookWindowsHookEx(getMessageHook_);
  UnhookWindowsHookEx(callWndProcHook_);
  KillTimer(window_, kAwaitTimer);
  driver_.reset();
  activePlayer = nullptr;
}

// --- playing ---

void TScriptPlayer::Idle(bool& Done) {
  if (!playing_ || failed_) return;
  if (awaiting_) {
    std::error_code error;
    if (!std::filesystem::exists(*awaiting_, error)) return;
    awaiting_.reset();
    KillTimer(window_, kAwaitTimer);
  }
  if (next_ == steps_.size()) {
    Fail(line_, "no step is left while " + WaitingLoop() + " waits for input");
    return;
  }
  const TUiStep& step = steps_[next_++];
  line_ = step.Line;
  try {
    RunStep(step);
  } catch (const EStepFailed& e) {
    Fail(step.Line, e.Message());
    return;
  }
  Done = false;
}

void TScriptPlayer::RunStep(const TUiStep& Step) {
  switch (Step.Kind) {
    case TUiStepKind::Select: SelectRow(Step); break;
    case TUiStepKind::Click: driver_->Click(ShownControl(Step.Name)); break;
    case TUiStepKind::Key: PressKeys(Step); break;
    case TUiStepKind::Type: driver_->Type(Step.Text); break;
    case TUiStepKind::Set: SetText(Step); break;
    case TUiStepKind::File: ChooseFile(Step); break;
    case TUiStepKind::Answer: AnswerBox(Step); break;
    case TUiStepKind::Signal: Signal(Step); break;
    case TUiStepKind::Await:
      awaiting_ = Step.Path;
      SetTimer(window_, kAwaitTimer, kAwaitLookMs, nullptr);
      break;
  }
}

void TScriptPlayer::SelectRow(const TUiStep& Step) {
  auto* grid = dynamic_cast<TCustomGrid*>(ShownControl(Step.Name));
  if (grid == nullptr) throw EStepFailed(Quoted(Step.Name) + " is not a grid");
  if (Step.Row < grid->FixedRows() || Step.Row >= grid->RowCount())
    throw EStepFailed("row " + std::to_string(Step.Row) + " of " + Quoted(Step.Name) + " cannot be selected (rows " +
                      std::to_string(grid->FixedRows()) + " to " + std::to_string(grid->RowCount() - 1) + ")");
  if (grid->CanFocus()) grid->SetFocus();
  grid->SetRow(Step.Row);
}

void TScriptPlayer::PressKeys(const TUiStep& Step) {
  for (const TUiKeyStroke& key : Step.Keys) {
    TShiftState shift;
    if (key.Shift) shift.Include(ssShift);
    if (key.Ctrl) shift.Include(ssCtrl);
    if (key.Alt) shift.Include(ssAlt);
    driver_->PressKey(key.Key, shift);
  }
}

void TScriptPlayer::SetText(const TUiStep& Step) {
  auto* edit = dynamic_cast<TCustomEdit*>(ShownControl(Step.Name));
  if (edit == nullptr) throw EStepFailed(Quoted(Step.Name) + " is not an edit control");
  if (!edit->CanFocus()) throw EStepFailed(Quoted(Step.Name) + " cannot take the focus");
  edit->SetFocus();
  edit->SelectAll();
  if (Step.Text.empty()) driver_->PressKey(VK_DELETE);
  else driver_->Type(Step.Text);
}

void TScriptPlayer::ChooseFile(const TUiStep& Step) {
  TCustomForm* dialog = InnermostModal();
  if (dialog == nullptr || dialog->FindComponent("FileNameEdit") == nullptr)
    throw EStepFailed("no file dialog is open");
  if (!Step.Path.empty()) {
    driver_->EnterFileName(*dialog, Utf8ToCp874(Step.Path));
  } else if (auto* cancel = dynamic_cast<TButton*>(dialog->FindComponent("CancelButton"))) {
    driver_->Click(cancel);
  } else {
    driver_->PressKey(VK_ESCAPE);
  }
}

void TScriptPlayer::AnswerBox(const TUiStep& Step) {
  TCustomForm* box = InnermostModal();
  if (box == nullptr || !IsBox(box)) throw EStepFailed("no box is open");
  for (TButton* button : PressableButtons(box))
    if (SameText(AnswerOf(button), StripHotkey(Step.Name))) return driver_->Click(button);
  throw EStepFailed("the box " + Quoted(box->Caption()) + " has no button " + Quoted(Step.Name));
}

void TScriptPlayer::Signal(const TUiStep& Step) {
  std::ofstream file(Step.Path, std::ios::binary | std::ios::app);
  if (!file) throw EStepFailed("the file " + Utf8ToCp874(Step.Path) + " cannot be created");
}

TControl* TScriptPlayer::ShownControl(const std::string& Name) const {
  TControl* control = driver_->Find(Name);
  if (control == nullptr) throw EStepFailed("no control named " + Quoted(Name) + " is on a form");
  if (!IsShown(control)) throw EStepFailed(Quoted(Name) + " is not shown");
  if (!IsEnabled(control)) throw EStepFailed(Quoted(Name) + " is disabled");
  TCustomForm* modal = InnermostModal();
  if (modal != nullptr && GetParentForm(control) != modal)
    throw EStepFailed(Quoted(Name) + " is not on " + Quoted(FormName(modal)) + ", which waits for input");
  return control;
}

TCustomForm* TScriptPlayer::InnermostModal() const { return modalForms_.empty() ? nullptr : modalForms_.back(); }

std::string TScriptPlayer::WaitingLoop() const {
  TCustomForm* modal = InnermostModal();
  if (modal == nullptr) return "the main loop";
  return "the form " + FormName(modal) + " (" + Quoted(modal->Caption()) + ")";
}

// --- failing ---

void TScriptPlayer::Fail(Integer Line, const std::string& Reason) {
  if (failed_.exchange(true)) return;
  transcript_.Fail(Line, Reason);
  transcript_.Exit(3);
  if (OnFailed) OnFailed();
}

void TScriptPlayer::WatchdogExpired() {
  Fail(line_, "the script did not end within " + SecondsText(timeLimitMs_) + " s");
}

// --- watching ---

void TScriptPlayer::ModalStarted(TCustomForm* Form) {
  modalForms_.push_back(Form);
  if (IsBox(Form)) openBoxes_.push_back({Form, {}});
}

void TScriptPlayer::ModalFinished(TCustomForm* Form) {
  if (!openBoxes_.empty() && openBoxes_.back().Form == Form) {
    std::string answer = openBoxes_.back().Answer;
    if (answer.empty())
      for (TButton* button : PressableButtons(Form))
        if (button->ModalResult() != mrNone && button->ModalResult() == Form->ModalResult()) answer = AnswerOf(button);
    if (!failed_) transcript_.Box(Form->Caption(), BoxText(Form), answer);
    openBoxes_.pop_back();
  }
  std::erase(modalForms_, Form);
}

// Remembers which button of the box in front the input about to be handled presses.
void TScriptPlayer::NoteInput(const MSG& Msg) {
  if (openBoxes_.empty() || openBoxes_.back().Form != InnermostModal()) return;
  TCustomForm* box = openBoxes_.back().Form;
  TWinControl* target = FindControl(Msg.hwnd);
  if (target == nullptr || GetParentForm(target) != box) return;
  auto* focusedButton = dynamic_cast<TButton*>(target);
  const TButton* pressed = nullptr;
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (Msg.wParam == VK_ESCAPE) {
        openBoxes_.back().Answer = "Escape";
        return;
      }
      if (Msg.wParam == VK_SPACE) pressed = focusedButton;
      if (Msg.wParam == VK_RETURN) {
        pressed = focusedButton;
        for (TButton* button : PressableButtons(box))
          if (pressed == nullptr && button->Default()) pressed = button;
      }
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      for (TButton* button : PressableButtons(box))
        if (pressed == nullptr && IsAccel(Word(std::toupper(int(Msg.wParam & 0xFF))), button->Caption()))
          pressed = button;
      break;
    case WM_LBUTTONDOWN:
      pressed = focusedButton;
      break;
    default:
      break;
  }
  if (pressed != nullptr) openBoxes_.back().Answer = AnswerOf(pressed);
}

void TScriptPlayer::NoteShowing(HWND Window, bool Shown) {
  auto* form = dynamic_cast<TCustomForm*>(FindControl(Window));
  if (form == nullptr || form->Parent() != nullptr || IsBox(form) || failed_) return;
  if (Shown) transcript_.Show(FormName(form), form->Caption());
  else transcript_.Hide(FormName(form));
}

LRESULT TScriptPlayer::GetMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code == HC_ACTION && WParam == PM_REMOVE && activePlayer != nullptr)
    activePlayer->NoteInput(*reinterpret_cast<const MSG*>(LParam));
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

LRESULT TScriptPlayer::CallWndProcHook(int Code, WPARAM WParam, LPARAM LParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(LParam);
  if (Code == HC_ACTION && activePlayer != nullptr && call->message == WM_WINDOWPOSCHANGED) {
    const UINT flags = reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags;
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) activePlayer->NoteShowing(call->hwnd, (flags & SWP_SHOWWINDOW) != 0);
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}
