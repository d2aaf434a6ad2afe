// payroll-import: the payroll import tool.  The program block: the platform's and the suite's units,
// the application, the main form (TForm1), the message loop.  The user interface runs on a display
// or from a script (TScriptedRun: PR_UI_SCRIPT, PR_UI_TRANSCRIPT, PR_UI_SCRIPT_TIMEOUT, PR_DISPLAY).
// PR_LOCK_RETRY_MS sets how long the data-file wrapper retries a locked record silently before it
// asks (milliseconds; default 3,000).
//
// The folder it is started in is its program folder (USERDRV.INI, TITLE.COD, QZERROR.MSG).
// Exit status: 0 a normal end (also when no company was chosen), 1 the user refused to go on or a
// failure was fatal, 2 no display and no script, or PR_DISPLAY naming a display that cannot be used
// (with the reason on standard error), 3 a script that failed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "app/payroll_user_interface.h"
#include "app/program_environment.h"
#include "controls/foundation/foundation_units.h"
#include "controls/interim/interim_controls.h"
#include "grid/pro_grid_unit.h"
#include "platform/core/exceptions.h"
#include "platform/core/units.h"
#include "platform/ui/application.h"
#include "platform/ui/scripted_run.h"
#include "platform/ui/ui_classes.h"
#include "suite/lock_retry.h"
#include "suite/program_end.h"
#include "suite/suite_runtime.h"
#include "suite/text_routines.h"
#include "suite/user_interface.h"

namespace {

// PR_LOCK_RETRY_MS, when set to a number of milliseconds; false for any other text.
bool ReadLockRetryTime() {
  const char* text = std::getenv("PR_LOCK_RETRY_MS");
  if (text == nullptr) return true;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (*text < '0' || *text > '9' || *end != '\0' || value > 86400000UL) return false;
  LockRetryTimeLimitMs = DWORD(value);
  return true;
}

Integer RunMainForm() {
  TPayrollUserInterface ui;
  SetSuiteUserInterface(&ui);
  InitCalendarOffset();
  Application->CreateForm<TForm1>();
  // A start that ended (no company chosen, or one that cannot be used) shows no window.
  if (!ProgramEndRequested()) Application->Run();
  SetSuiteUserInterface(nullptr);
  return ProgramExitCode();
}

}  // namespace

int main(int argc, char** argv) {
  if (!ReadLockRetryTime()) {
    std::fprintf(stderr, "payroll-import: PR_LOCK_RETRY_MS=%s is not a number of milliseconds\n",
                 std::getenv("PR_LOCK_RETRY_MS"));
    return 2;
  }
  TScriptedRun run("payroll-import");
  InitCommandLineText(argc, argv);
  InitializeUnits({FormsUnit, ProGridUnit});
  InitializeUnits(ControlFoundationUnits());
  InitializeSuiteRuntime();
  RegisterUiClasses();
  RegisterInterimControls();
  try {
    Application->Initialize();
  } catch (const Exception& e) {
    // The display PR_DISPLAY asks for cannot be used (SDL2 missing, no X server): say why.
    std::fprintf(stderr, "payroll-import: %s\n", e.Message().c_str());
    FinalizeUnits();
    return 2;
  }
  Integer code = 0;
  if (const auto refused = run.Start()) {
    code = *refused;
  } else {
    code = run.Finish(RunMainForm());
  }
  FinalizeUnits();
  return code;
}
