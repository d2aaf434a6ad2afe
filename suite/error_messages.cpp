#include "suite/error_messages.h"

#include <cstdio>
#include <string>

#include "platform/core/cp874.h"
#include "platform/os/classic_io.h"
#include "platform/os/text_file.h"
#include "suite/number_text.h"
#include "suite/suite_folders.h"

namespace {

constexpr std::string_view kMarker = "%ERROR%";

void WriteOutputLine(const std::string& line) {
  const std::string text = Cp874ToUtf8(line) + '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

void ErrorMsgLookup(Word errorNumber) {
  const std::string marker = (std::string(kMarker) + IntToText(errorNumber)).substr(0, 20);
  TextFile file;
  AssignFile(file, ProgramFolder + "/QZERROR.MSG");
  Reset(file);
  if (IOResult() != 0) return;
  bool inSection = false;
  std::string line;
  while (!Eof(file)) {
    ReadLn(file, line);
    if (!inSection) {
      inSection = line == marker;
    } else if (line.starts_with(kMarker)) {
      break;
    } else {
      WriteOutputLine(line);
    }
  }
  std::fflush(stdout);
  CloseFile(file);
  IOResult();
}
