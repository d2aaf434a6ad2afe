// The fixture of the tool's dialog tests: a ui test whose suite messages go to the tool's dialogs,
// driven by played scripts (queued input), with a probe of the form in front at each moment a loop
// is about to wait, before the script's next step.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "app/payroll_user_interface.h"
#include "platform/ui/application.h"
#include "platform/ui/screen.h"
#include "suite/program_end.h"
#include "suite/user_interface.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {

// The process's current folder for a scope.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& Folder) : saved_(std::filesystem::current_path()) {
    std::filesystem::current_path(Folder);
  }
  ~ScopedCurrentFolder() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

class DialogTest : public UiTest {
 protected:
  DialogTest() : previous_(SetSuiteUserInterface(&ui_)) {
    driver_->SetQueuedInput(true);   // the scripts answer the dialogs
    ResetProgramEnd();
  }
  ~DialogTest() override {
    SetSuiteUserInterface(previous_);
    ResetProgramEnd();
  }

  // Runs Probe on the active form each time a loop is about to wait, before the script's step.
  class IdleProbe {
   public:
    explicit IdleProbe(std::function<void(TCustomForm*)> Probe) {
      Application->OnIdle = [Probe](TObject*, bool&) { Probe(Screen->ActiveCustomForm()); };
    }
    ~IdleProbe() { Application->OnIdle = {}; }
  };

  TPayrollUserInterface ui_;
  SuiteUserInterface* previous_;
};

}  // namespace uitest
