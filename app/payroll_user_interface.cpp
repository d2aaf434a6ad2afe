#include "app/payroll_user_interface.h"

#include "app/ask_yes_no_form.h"
#include "app/display_message_form.h"
#include "app/fix_recov_form.h"
#include "app/wait_form.h"
#include "platform/ui/message_dialogs.h"
#include "platform/user/message_beep.h"

void TPayrollUserInterface::ShowMessageKind(Integer kind, const std::string& text) {
  TForm_DisplayMessage::Execute(kind, text);
}

bool TPayrollUserInterface::AskYesNo(Integer kind, const std::string& question) {
  return TForm_AskForYesNo::Execute(kind, question);
}

void TPayrollUserInterface::ShowWait() { ShowWaitForm(); }

void TPayrollUserInterface::CloseWait() { CloseWaitForm(); }

void TPayrollUserInterface::ShowProgressText(const std::string&) {}

bool TPayrollUserInterface::AskRestoreCopy(const std::string& copyName, const std::string& copySize,
                                           const std::string& currentSize) {
  return TForm_FixRecov::Execute(copyName, copySize, currentSize);
}

void TPayrollUserInterface::Beep() { MessageBeep(0); }

void TPayrollUserInterface::ShowPlainMessage(const std::string& text) { ShowMessage(text); }
