// The application: errors in handlers reach the error box and the loop goes on; message boxes
// answered from a script; ending the loop; window hooks and utility windows; hint timing; the
// choice of display.
#include <cstdlib>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/hint_window.h"
#include "platform/ui/object_instance.h"
#include "platform/ui/panel.h"
#include "platform/ui/message_box.h"
#include "platform/ui/screen.h"
#include "platform/user/backend.h"
#include "platform/user/backend/headless/headless_backend.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

TButton* AddButton(TForm* form, const char* name, Integer y) {
  auto* button = new TButton(form);
  button->SetName(name);
  button->SetParent(form);
  button->SetTop(y);
  return button;
}

class ApplicationTest : public UiTest {
 protected:
  ~ApplicationTest() override {
    Application->ClearTerminated();
    Application->SetTitle(savedTitle_);
  }
  std::string savedTitle_ = Application->Title();
};

// Whatever a handler throws, the error box shows it and the loop goes on to the next click.
TEST_F(ApplicationTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheLoopGoesOn) {
  struct Case {
    std::function<void()> raise;
    const char* text;
  };
  const Case cases[] = {
      {[] { throw EConvertError("'12x' is not a valid integer value"); }, "'12x' is not a valid integer value."},
      {[] { throw std::runtime_error("disk full"); }, "disk full."},
      {[] { throw 42; }, "Unknown exception."},
  };
  Application->SetTitle("Payroll Import");
  TForm* form = NewForm("Main");
  Application->SetMainForm(form);
  TButton* bad = AddButton(form, "Bad", 10);
  TButton* quit = AddButton(form, "Quit", 50);
  quit->OnClick = [](TObject*) { Application->Terminate(); };
  driver_->Settle();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    bad->OnClick = [&](TObject*) { c.raise(); };
    driver_->AnswerNextMessageBox(IDOK);
    // Both clicks wait as input; the loop takes the first, survives its error, then the second.
    for (TButton* button : {bad, quit}) {
      const TPoint centre{button->Width() / 2, button->Height() / 2};
      user::Click(button->Handle(), centre.X, centre.Y);
    }
    Application->ClearTerminated();
    Application->Run();
    ASSERT_FALSE(driver_->Transcript().empty());
    const TMessageBoxRecord& box = driver_->Transcript().back();
    EXPECT_EQ(box.Caption, "Payroll Import");
    EXPECT_EQ(box.Text, c.text);
    EXPECT_EQ(box.Type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(box.Answer, IDOK);
  }
  EXPECT_EQ(driver_->Transcript().size(), std::size(cases));
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(ApplicationTest, AbortIsSilentAndOnExceptionReplacesTheBox) {
  TForm* form = NewForm("Main");
  TButton* button = AddButton(form, "Button", 10);
  std::string seen;
  button->OnClick = [](TObject*) { Abort(); };
  driver_->Click(button);
  EXPECT_TRUE(driver_->Transcript().empty());
  Application->OnException = [&](TObject* sender, Exception* e) {
    seen = dynamic_cast<TComponent*>(sender)->Name() + ": " + e->Message();
  };
  button->OnClick = [](TObject*) { throw EInvalidOperation("Cannot focus"); };
  driver_->Click(button);
  Application->OnException = nullptr;
  // The click reaches the button as a notification its form reflects: the form reports it.
  EXPECT_EQ(seen, "Main: Cannot focus");
  EXPECT_TRUE(driver_->Transcript().empty());
}

TEST_F(ApplicationTest, MessageBoxesAreAnsweredFromTheScriptAndKeptInTheTranscript) {
  const struct {
    UINT type;
    int answer;
  } cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO},
               {MB_YESNOCANCEL, IDCANCEL},
               {MB_OKCANCEL | MB_DEFBUTTON2, IDOK},
               {MB_ABORTRETRYIGNORE | MB_ICONWARNING, IDIGNORE},
               {MB_RETRYCANCEL, IDRETRY}};
  for (const auto& c : cases) driver_->AnswerNextMessageBox(c.answer);
  for (const auto& c : cases) EXPECT_EQ(Application->MessageBox("Delete the company?", "Companies", Integer(c.type)), c.answer);
  ASSERT_EQ(driver_->Transcript().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(driver_->Transcript()[i].Text, "Delete the company?");
    EXPECT_EQ(driver_->Transcript()[i].Caption, "Companies");
    EXPECT_EQ(driver_->Transcript()[i].Type, cases[i].type);
    EXPECT_EQ(driver_->Transcript()[i].Answer, cases[i].answer);
  }
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(ApplicationTest, AnUnscriptedBoxIsClosedAndReported) {
  EXPECT_EQ(Application->MessageBox("Saved.", "Companies", MB_OK), IDOK);
  EXPECT_EQ(Application->MessageBox("Really?", "Companies", MB_YESNO), IDCANCEL);
  driver_->AnswerNextMessageBox(IDYES);
  EXPECT_EQ(Application->MessageBox("Continue?", "Companies", MB_OKCANCEL), IDCANCEL);
  const std::vector<std::string> expected = {
      "No script answered the modal form \"Companies\"; it was cancelled",
      "No script answered the modal form \"Companies\"; it was cancelled",
      "The modal form \"Companies\" has no answer 6",
      "The modal form \"Companies\" was left open; it was cancelled"};
  EXPECT_EQ(driver_->Problems(), expected);
  EXPECT_EQ(driver_->Transcript().size(), 3u);
}

TEST_F(ApplicationTest, TerminateEndsTheLoopAtItsNextTurn) {
  TForm* form = NewForm("Main");
  Application->SetMainForm(form);
  std::vector<WPARAM> handled;
  Application->OnMessage = [&](MSG& msg, bool& handledHere) {
    if (msg.message != WM_USER + 1) return;
    handled.push_back(msg.wParam);
    if (msg.wParam == 1) Application->Terminate();
    handledHere = true;
  };
  for (WPARAM i : {1, 2}) PostMessageA(form->Handle(), WM_USER + 1, i, 0);
  Application->Run();
  Application->OnMessage = nullptr;
  // Terminate ends the loop at its next turn: the message already waiting is still handled.
  EXPECT_EQ(handled, (std::vector<WPARAM>{1, 2}));
  EXPECT_TRUE(Application->Terminated());
}

// Hooks are methods of objects, as the application compares them to unhook.
class THookRecorder : public TObject {
 public:
  std::vector<UINT> seen;
  bool Hook(TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg != WM_USER + 7) return false;
    m.Result = 9;
    return true;
  }
  void Utility(TMessage& m) {
    seen.push_back(m.Msg);
    m.Result = LRESULT(m.WParam) * 2;
  }
};

TEST_F(ApplicationTest, HooksOfTheApplicationWindowAndUtilityWindowsSeeTheirMessages) {
  THookRecorder first, second;
  TWindowHook hook1, hook2;
  hook1.Bind(&first, &THookRecorder::Hook);
  hook2.Bind(&second, &THookRecorder::Hook);
  Application->HookMainWindow(hook1);
  Application->HookMainWindow(hook2);
  EXPECT_EQ(SendMessageA(Application->Handle(), WM_USER + 7, 0, 0), 9);   // the first hook ends it
  SendMessageA(Application->Handle(), WM_USER + 8, 0, 0);
  Application->UnhookMainWindow(hook1);
  SendMessageA(Application->Handle(), WM_USER + 7, 0, 0);
  Application->UnhookMainWindow(hook2);
  SendMessageA(Application->Handle(), WM_USER + 7, 0, 0);
  EXPECT_EQ(first.seen, (std::vector<UINT>{WM_USER + 7, WM_USER + 8}));
  EXPECT_EQ(second.seen, (std::vector<UINT>{WM_USER + 8, WM_USER + 7}));

  THookRecorder owner;
  TWndMethod method;
  method.Bind(&owner, &THookRecorder::Utility);
  HWND window = AllocateHWnd(method);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(SendMessageA(window, WM_USER + 3, 21, 0), 42);
  DeallocateHWnd(window);
  EXPECT_FALSE(IsWindow(window));
  // The method hears the window's destruction too.
  ASSERT_GE(owner.seen.size(), 2u);
  EXPECT_EQ(owner.seen.front(), UINT(WM_USER + 3));
  EXPECT_EQ(owner.seen.back(), UINT(WM_NCDESTROY));
}

TEST_F(ApplicationTest, UnhookingRemovesExactlyTheHookGiven) {
  std::vector<std::string> seen;
  TWindowHook a, b;
  a = [&](TMessage& m) { seen.push_back("a" + std::to_string(m.Msg - WM_USER)); return false; };
  b = [&](TMessage& m) { seen.push_back("b" + std::to_string(m.Msg - WM_USER)); return false; };
  Application->HookMainWindow(a);
  Application->HookMainWindow(b);
  TWindowHook stranger;
  stranger = [](TMessage&) { return false; };
  Application->UnhookMainWindow(stranger);
  SendMessageA(Application->Handle(), WM_USER + 1, 0, 0);
  const TWindowHook copyOfB = b;
  Application->UnhookMainWindow(copyOfB);
  SendMessageA(Application->Handle(), WM_USER + 2, 0, 0);
  Application->UnhookMainWindow(a);
  SendMessageA(Application->Handle(), WM_USER + 3, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"a1", "b1", "a2"}));
}

// A key pressed on a form that is not the main form, offered in turn to that form's shortcuts, the
// application's OnShortCut (CM_APPKEYDOWN) and the main form's shortcuts, then to the control.
TEST_F(ApplicationTest, ShortcutKeysReachTheApplicationAndTheMainFormInTurn) {
  TForm* main = NewForm("Main");
  TForm* other = NewForm("Other");
  auto* button = new TButton(other);
  button->SetParent(other);
  std::vector<std::string> seen;
  std::string taker;
  auto offer = [&](const std::string& who, const TMessage& m, bool& handled) {
    if (m.WParam != 'K') return;   // Ctrl itself goes the same way
    seen.push_back(who);
    handled = who == taker;
  };
  other->OnShortCut = [&](TMessage& m, bool& handled) { offer("Other", m, handled); };
  Application->OnShortCut = [&](TMessage& m, bool& handled) { offer("Application", m, handled); };
  main->OnShortCut = [&](TMessage& m, bool& handled) { offer("Main", m, handled); };
  button->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
    if (Key == 'K') seen.push_back("Button");
  };
  Application->SetMainForm(main);
  const struct {
    const char* taker;
    std::vector<std::string> seen;
  } cases[] = {
      {"Other", {"Other"}},
      {"Application", {"Other", "Application"}},
      {"Main", {"Other", "Application", "Main"}},
      {"", {"Other", "Application", "Main", "Button"}},
  };
  for (const auto& c : cases) {
    taker = c.taker;
    seen.clear();
    other->Show();
    button->SetFocus();
    driver_->PressKey('K', {ssCtrl});
    EXPECT_EQ(seen, c.seen) << "taken by " << c.taker;
  }
  Application->OnShortCut = nullptr;
  Application->SetMainForm(nullptr);
}

TEST_F(ApplicationTest, TheScreenHasOneMonitorThatEveryWindowIsOn) {
  ASSERT_EQ(Screen->MonitorCount(), 1);
  TMonitor* monitor = Screen->Monitors(0);
  EXPECT_EQ(monitor->MonitorNum(), 0);
  EXPECT_EQ(monitor->BoundsRect(), (TRect{0, 0, Screen->Width(), Screen->Height()}));
  EXPECT_EQ(monitor->WorkareaRect(), Screen->WorkAreaRect());
  TForm* form = NewForm("Far");
  form->SetBounds(5000, -3000, 100, 100);
  EXPECT_EQ(Screen->MonitorFromWindow(form->Handle()), monitor) << "the nearest monitor";
  EXPECT_EQ(Screen->MonitorFromPoint(TPoint{-10, 20}), monitor);
  EXPECT_EQ(Screen->MonitorFromRect(TRect{10, 10, 20, 20}), monitor);
}

TEST_F(ApplicationTest, AHintShowsAfterThePauseAndHidesAfterTheHidePause) {
  TForm* form = NewForm("Main");
  auto* panel = new TPanel(form);
  panel->SetBounds(10, 10, 100, 40);
  panel->SetParent(form);
  panel->SetHint("Save|Saves the company's file");
  panel->SetShowHint(true);
  Application->SetHintPause(500);
  Application->SetHintHidePause(2500);
  auto hintShown = [] {
    THintWindow* hint = Application->HintWindow();
    return hint != nullptr && hint->HandleAllocated() && IsWindowVisible(hint->Handle()) != 0;
  };
  driver_->MoveMouseTo(panel, TPoint{20, 20});
  clock_.Advance(400);
  driver_->Settle();
  EXPECT_FALSE(hintShown());
  clock_.Advance(100);
  driver_->Settle();
  ASSERT_TRUE(hintShown());
  EXPECT_EQ(Application->HintWindow()->Caption(), "Save");   // the short hint
  clock_.Advance(2499);
  driver_->Settle();
  EXPECT_TRUE(hintShown());
  clock_.Advance(1);
  driver_->Settle();
  EXPECT_FALSE(hintShown());
  // Leaving the control cancels a pending hint.
  driver_->MoveMouseTo(form, TPoint{150, 80});
  driver_->MoveMouseTo(panel, TPoint{30, 20});
  driver_->MoveMouseTo(form, TPoint{150, 80});
  clock_.Advance(1000);
  driver_->Settle();
  EXPECT_FALSE(hintShown());
}

// Initialize with PR_DISPLAY=headless, from the built-in default display (the previous display and
// PR_DISPLAY come back afterwards).
class DisplayChoiceTest : public ApplicationTest {
 protected:
  DisplayChoiceTest() {
    if (const char* value = std::getenv("PR_DISPLAY")) savedDisplay_ = value;
    setenv("PR_DISPLAY", "headless", 1);
  }
  ~DisplayChoiceTest() override {
    user::SetBackend(std::move(previous_));
    if (savedDisplay_) setenv("PR_DISPLAY", savedDisplay_->c_str(), 1); else unsetenv("PR_DISPLAY");
  }
  // Shows a form and tells whether its pixels reached `display`.
  template <class Display>
  static bool ShowsOn(const Display& display, TForm* form) {
    const int before = display.Presents();
    form->Show();
    form->Update();
    return display.Presents() > before;
  }

  std::unique_ptr<user::Backend> previous_ = user::SetBackend(nullptr);
  std::optional<std::string> savedDisplay_;
};

TEST_F(DisplayChoiceTest, InitializeWithPrDisplayHeadlessPutsWindowsOnTheHeadlessDisplay) {
  ASSERT_FALSE(user::BackendInstalled());
  Application->Initialize();
  ASSERT_TRUE(user::BackendInstalled());
  auto* display = dynamic_cast<user::HeadlessBackend*>(&user::CurrentBackend());
  ASSERT_NE(display, nullptr) << user::CurrentBackend().Name();
  EXPECT_TRUE(ShowsOn(*display, NewForm("Main", false)));
}

// This program links the headless display only: SDL, like any display it does not link, is refused.
TEST_F(DisplayChoiceTest, ADisplayAskedForByNameThatCannotBeUsedIsAnError) {
  for (const char* wanted : {"sdl", "x11"}) {
    setenv("PR_DISPLAY", wanted, 1);
    try {
      Application->Initialize();
      ADD_FAILURE() << "PR_DISPLAY=" << wanted << " was silently replaced by " << user::CurrentBackend().Name();
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), std::string("The display asked for by PR_DISPLAY=") + wanted +
                                 " cannot be used: this program was built without the \"" + wanted + "\" display");
    }
    EXPECT_FALSE(user::BackendInstalled());
  }
}

TEST_F(DisplayChoiceTest, InitializeKeepsADisplayAlreadyInstalled) {
  struct OwnDisplay final : user::Backend {
    const char* Name() const override { return "own"; }
    void Present(HWND, const TRect&) override { ++presents; }
    int Presents() const { return presents; }
    int presents = 0;
  };
  auto own = std::make_unique<OwnDisplay>();
  OwnDisplay* display = own.get();
  user::SetBackend(std::move(own));
  Application->Initialize();
  EXPECT_EQ(&user::CurrentBackend(), display);
  EXPECT_TRUE(ShowsOn(*display, NewForm("Main", false)));
}

}  // namespace
}  // namespace uitest
