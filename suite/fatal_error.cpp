#include "suite/fatal_error.h"

#include "platform/core/cp874.h"
#include "platform/os/classic_io.h"
#include "suite/error_messages.h"
#include "suite/isam/isam_error_text.h"
#include "suite/number_text.h"
#include "suite/program_end.h"
#include "suite/user_interface.h"

namespace {

void ShowNumberAndText(Integer n, const std::string& numberText, const std::string& text) {
  ShowErrorBox(IntToText(n) + ": " + numberText);
  ShowErrorBox(text);
}

}  // namespace

void IsamFatalErrorText(Integer n, const std::string& text) {
  ShowNumberAndText(n, IsamErrorText(n), text);
  ErrorMsgLookup(static_cast<Word>(n));
  RequestProgramEnd(1);
}

void IsamFatalError(Integer n) { IsamFatalErrorText(n, {}); }

void FileFatalErrorText(Integer ioResult, const std::string& text) {
  ShowNumberAndText(ioResult, InOutErrorMessage(ioResult), text);
  RequestProgramEnd(1);
}

std::string CannotOpenFileText(const std::string& name) {
  return std::string("ไม่สามารถเปิดแฟ้มข้อมูล "_cp874) + name + std::string(" ได้."_cp874);
}

std::string CannotCreateFileText(const std::string& name) {
  return std::string("ไม่สามารถสร้างแฟ้มข้อมูล "_cp874) + name;
}
