// TPayrollUserInterface: the suite's user interface (suite/user_interface.h) filled with the tool's
// dialogs: message boxes (TForm_DisplayMessage), questions (TForm_AskForYesNo), the wait popup
// (TForm_Wait), the saved-copy question (TForm_FixRecov), the beep and the class library's plain
// message box.  The progress text of each file being opened is not shown.  The program installs
// one at start-up (SetSuiteUserInterface) and keeps it while it runs.
#pragma once

#include "suite/user_interface.h"

class TPayrollUserInterface final : public SuiteUserInterface {
 public:
  void ShowMessageKind(Integer kind, const std::string& text) override;
  bool AskYesNo(Integer kind, const std::string& question) override;
  void ShowWait() override;
  void CloseWait() override;
  void ShowProgressText(const std::string& text) override;
  bool AskRestoreCopy(const std::string& copyName, const std::string& copySize,
                      const std::string& currentSize) override;
  void Beep() override;
  void ShowPlainMessage(const std::string& text) override;
};
