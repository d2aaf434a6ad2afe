// The script player: each step drives a form through the program's own loops, boxes are listed
// with the answer that closed them, and a step that cannot run, a loop left waiting or the time
// limit fails the run with exit code 3.  The scripted run's start-up decides the exit codes 2 and 3.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "platform/core/cp874.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/message_box.h"
#include "platform/ui/open_dialog.h"
#include "platform/ui/scripted_run.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/ui_transcript.h"
#include "tests/support/ui/script_test_support.h"
#include "tests/support/os/child_process.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

template <class T>
T* AddControl(TForm* form, const std::string& name, Integer top, const std::string& caption = {}) {
  auto* control = NewObject<T>(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(8, top, 120, 24);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

class ScriptPlayerTest : public UiTest {
 protected:
  ScriptPlayerTest() {
    // The fixture's own driver leaves modal forms to the scripts.
    driver_->SetQueuedInput(true);
    form_ = NewForm("Form1", false);
    form_->SetCaption("Steps");
    form_->SetBounds(100, 100, 300, 360);
    edit_ = AddControl<TEdit>(form_, "NameEdit", 8);
    grid_ = AddControl<TStringGrid>(form_, "Grid", 40);
    grid_->SetHeight(120);
    auto* box = AddControl<TButton>(form_, "BoxButton", 170, "Box");
    box->OnClick = NotifyEvent([this](TObject*) {
      boxAnswer_ = MessageBoxA(form_->Handle(), "Delete it?", "Question", MB_YESNO);
    });
    auto* open = AddControl<TButton>(form_, "OpenButton", 200, "Open");
    open->OnClick = NotifyEvent([this](TObject*) {
      auto* dialog = NewObject<TOpenDialog>(form_);
      dialog->SetOptions(dialog->Options() + TOpenOptions{ofNoChangeDir});   // the folder goes with the test
      if (dialog->Execute()) chosen_ = dialog->FileName();
    });
    auto* ok = AddControl<TButton>(form_, "OkButton", 230, "OK");
    ok->SetModalResult(mrOk);
    AddControl<TButton>(form_, "Disabled", 260, "Off")->SetEnabled(false);
  }

  TForm* form_ = nullptr;
  TEdit* edit_ = nullptr;
  TStringGrid* grid_ = nullptr;
  int boxAnswer_ = 0;
  std::string chosen_;
};

TEST_F(ScriptPlayerTest, EachStepRunsWhenTheLoopWaitsForInput) {
  PlayedScript played(
      "# fill the form\n"
      "set NameEdit \"Thai ไทย\"\n"
      "key End Backspace\n"
      "type ย!\n"
      "select Grid 3\n"
      "signal ready.flag\n"
      "await ready.flag\n"
      "click BoxButton\n"
      "answer no\n"
      "click OpenButton\n"
      "file sample.txt\n"
      "click OkButton\n");
  WriteRawFile(played.Folder() / "sample.txt", "x");
  EXPECT_EQ(form_->ShowModal(), mrOk);
  EXPECT_EQ(edit_->Text(), std::string("Thai ไทย!"_cp874));
  EXPECT_EQ(grid_->Row(), 3);
  EXPECT_TRUE(std::filesystem::exists(played.Folder() / "ready.flag"));
  EXPECT_EQ(boxAnswer_, IDNO);
  EXPECT_EQ(chosen_, played.Folder() / "sample.txt");
  EXPECT_EQ(played.Finish(0), (std::vector<std::string>{"SHOW Form1|Steps", "BOX Question|Delete it?|No",
                                                          "SHOW TFileDialogForm|Open", "HIDE TFileDialogForm",
                                                          "HIDE Form1", "EXIT 0"}));
  EXPECT_EQ(played.ExitCode(), 0);
}

TEST_F(ScriptPlayerTest, AFileDialogCanBeCancelled) {
  PlayedScript played("click OpenButton\nfile CANCEL\nclick OkButton\n");
  chosen_ = "untouched";
  EXPECT_EQ(form_->ShowModal(), mrOk);
  EXPECT_EQ(chosen_, "untouched");
  EXPECT_EQ(played.Finish(0)[2], "HIDE TFileDialogForm");
}

TEST_F(ScriptPlayerTest, ABoxIsListedWithTheButtonItsInputPressed) {
  const struct {
    std::string answer;
    int id;
    std::string transcript;
  } cases[] = {
      {"answer YES", IDYES, "Yes"},
      {"key Enter", IDYES, "Yes"},        // the default button
      {"key Tab Enter", IDNO, "No"},      // the focused button
      {"key Tab Space", IDNO, "No"},
      {"key N", IDNO, "No"},              // its accelerator
      {"click Button7", IDNO, "No"},
  };
  for (const auto& c : cases) {
    PlayedScript played("click BoxButton\n" + c.answer + "\nclick OkButton\n");
    form_->ShowModal();
    EXPECT_EQ(boxAnswer_, c.id) << c.answer;
    const auto lines = played.Finish();
    ASSERT_EQ(lines.size(), 4u) << c.answer;
    EXPECT_EQ(lines[1], "BOX Question|Delete it?|" + c.transcript) << c.answer;
  }
}

TEST_F(ScriptPlayerTest, EscapeIsTheAnswerOfABoxItCloses) {
  auto* ask = AddControl<TButton>(form_, "AskButton", 290, "Ask");
  ask->OnClick = NotifyEvent([this](TObject*) {
    boxAnswer_ = MessageBoxA(form_->Handle(), "Go on?", "Question", MB_OKCANCEL);
  });
  PlayedScript played("click AskButton\nkey Escape\nclick OkButton\n");
  form_->ShowModal();
  EXPECT_EQ(boxAnswer_, IDCANCEL);
  EXPECT_EQ(played.Finish()[1], "BOX Question|Go on?|Escape");
}

TEST_F(ScriptPlayerTest, AStepThatCannotRunFailsTheRunWithItsLine) {
  const struct {
    std::string script;
    std::string fail;
  } cases[] = {
      {"type x\nclick Nope\n", "FAIL 2: no control named \"Nope\" is on a form"},
      {"click Disabled\n", "FAIL 1: \"Disabled\" is disabled"},
      {"answer OK\n", "FAIL 1: no box is open"},
      {"file x.txt\n", "FAIL 1: no file dialog is open"},
      {"select NameEdit 1\n", "FAIL 1: \"NameEdit\" is not a grid"},
      {"select Grid 0\n", "FAIL 1: row 0 of \"Grid\" cannot be selected (rows 1 to 4)"},
      {"set OkButton x\n", "FAIL 1: \"OkButton\" is not an edit control"},
      {"click BoxButton\nanswer Maybe\n", "FAIL 2: the box \"Question\" has no button \"Maybe\""},
      {"click BoxButton\nclick OkButton\n",
       "FAIL 2: \"OkButton\" is not on \"TMessageBoxForm\", which waits for input"},
      {"", "FAIL 0: no step is left while the form Form1 (\"Steps\") waits for input"},
      {"type x\n", "FAIL 1: no step is left while the form Form1 (\"Steps\") waits for input"},
      {"click BoxButton\n", "FAIL 1: no step is left while the form TMessageBoxForm (\"Question\") waits for input"},
  };
  for (const auto& c : cases) {
    PlayedScript played(c.script);
    EXPECT_EQ(form_->ShowModal(), mrCancel) << c.script;   // the failure ended the loops
    const auto lines = played.Finish(0);
    EXPECT_EQ(played.ExitCode(), 3) << c.script;
    ASSERT_GE(lines.size(), 2u) << c.script;
    EXPECT_EQ(lines[lines.size() - 2], c.fail) << c.script;
    EXPECT_EQ(lines.back(), "EXIT 3") << c.script;
    Application->ClearTerminated();
  }
}

// The main loop plays the steps too, until the main form closes.
TEST_F(ScriptPlayerTest, TheMainLoopPlaysUntilTheMainFormCloses) {
  TForm* main = NewForm("MainForm", false);
  main->SetCaption("Main");
  auto* close = AddControl<TButton>(main, "CloseButton", 8, "Close");
  close->OnClick = NotifyEvent([main](TObject*) { main->Close(); });
  Application->SetMainForm(main);
  const struct {
    std::string script;
    std::vector<std::string> transcript;
  } cases[] = {
      {"type x\nclick CloseButton\n", {"SHOW MainForm|Main", "EXIT 0"}},
      {"type x\n", {"SHOW MainForm|Main", "FAIL 1: no step is left while the main loop waits for input", "EXIT 3"}},
  };
  for (const auto& c : cases) {
    main->Hide();
    PlayedScript played(c.script);
    Application->Run();
    Application->ClearTerminated();
    EXPECT_EQ(played.Finish(0), c.transcript) << c.script;
  }
}

TEST_F(ScriptPlayerTest, TheTimeLimitFailsARunThatWaitsTooLong) {
  PlayedScript played("await never.flag\n", 500);
  form_->ShowModal();
  EXPECT_EQ(played.Finish(0), (std::vector<std::string>{"SHOW Form1|Steps",
                                                          "FAIL 1: the script did not end within 0.5 s", "EXIT 3"}));
  EXPECT_EQ(played.ExitCode(), 3);
}

// A real process whose interface thread is held outside every loop: the watchdog still ends it.
TEST_F(ScriptPlayerTest, TheTimeLimitEndsAProcessThatNeverWaitsForInput) {
  TempFolder folder;
  const std::string transcript = folder / "transcript.txt";
  ChildProcess child([&](Channel&) {
    TUiTranscript written(transcript);
    TScriptPlayer player(TUiScript::Parse("click OkButton\n", folder.Path()), written, 0);
    player.Start();
    for (;;) pause();   // the interface thread is held here: no loop runs
    return 0;
  });
  EXPECT_EQ(child.Wait(), 3);
  EXPECT_EQ(FileLines(transcript),
            (std::vector<std::string>{"FAIL 0: the script did not end within 0 s", "EXIT 3"}));
}

// Sets environment variables for a test and puts the previous values back.
class ScopedEnvironment {
 public:
  void Set(const char* name, const std::optional<std::string>& value) {
    const char* old = getenv(name);
    saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) setenv(it->first, it->second->c_str(), 1);
      else unsetenv(it->first);
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(ScriptPlayerTest, AScriptedRunStartsOrEndsWithTheRightCode) {
  TempFolder folder;
  WriteRawFile(folder / "good.script", "click OkButton\n");
  const struct {
    std::optional<std::string> script;
    std::optional<std::string> timeout;
    std::optional<Integer> startCode;
    std::vector<std::string> transcript;
  } cases[] = {
      {std::nullopt, std::nullopt, 2, {}},   // no display (headless) and no script
      {folder / "missing.script", std::nullopt, 3,
       {"FAIL 0: the script " + (folder / "missing.script") + " cannot be read", "EXIT 3"}},
      {folder / "good.script", "soon", 3, {"FAIL 0: PR_UI_SCRIPT_TIMEOUT=soon is not a number of seconds", "EXIT 3"}},
      {folder / "good.script", "60", std::nullopt, {"EXIT 0"}},
  };
  for (const auto& c : cases) {
    ScopedEnvironment environment;
    environment.Set("PR_UI_SCRIPT", c.script);
    environment.Set("PR_UI_TRANSCRIPT", folder / "transcript.txt");
    environment.Set("PR_UI_SCRIPT_TIMEOUT", c.timeout);
    environment.Set("PR_DISPLAY", std::nullopt);
    std::filesystem::remove(folder / "transcript.txt");
    TScriptedRun run("tool");
    if (c.script) {
      EXPECT_STREQ(getenv("PR_DISPLAY"), "headless");
    }
    const std::optional<Integer> code = run.Start();
    EXPECT_EQ(code, c.startCode) << c.script.value_or("no script");
    if (!code) {
      EXPECT_EQ(run.Finish(0), 0);
    }
    if (c.script) {
      EXPECT_EQ(FileLines(folder / "transcript.txt"), c.transcript);
    }
  }
}

}  // namespace
}  // namespace uitest
