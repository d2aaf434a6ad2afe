#include "app/title_codes.h"

#include "platform/os/classic_io.h"
#include "platform/os/text_file.h"
#include "suite/suite_folders.h"

std::vector<TitleCode> TitleCodes;

namespace {

constexpr size_t kCodeWidth = 2;
constexpr size_t kNameWidth = 20;

TitleCode ParseTitleLine(const std::string& line) {
  TitleCode entry;
  entry.Code = line.substr(0, kCodeWidth);
  if (line.size() > kCodeWidth) {
    const std::string rest = line.substr(kCodeWidth);
    const size_t start = rest.find_first_not_of(' ');
    if (start != std::string::npos) entry.Name = rest.substr(start, kNameWidth);
  }
  return entry;
}

}  // namespace

void ReadTitleCodes() {
  TitleCodes.clear();
  TextFile file;
  AssignFile(file, ProgramFolder + "/TITLE.COD");
  Reset(file);
  if (IOResult() != 0) return;
  std::string line;
  while (!Eof(file) && TitleCodes.size() < static_cast<size_t>(kTitleCodeLimit)) {
    ReadLn(file, line);
    if (!line.empty()) TitleCodes.push_back(ParseTitleLine(line));
  }
  CloseFile(file);
  IOResult();
}
