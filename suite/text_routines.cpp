#include "suite/text_routines.h"

#include <algorithm>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"

std::string CommandLineText;

std::string UpCaseAscii(std::string_view text) { return UpperCase(text); }

std::string RepeatChar(char c, Integer count) { return StringOfChar(c, count); }

std::string PadOrCut(std::string_view text, Integer width) {
  const auto w = static_cast<size_t>(std::max(width, 0));
  std::string result(text.substr(0, w));
  result.resize(w, ' ');
  return result;
}

void InitCommandLineText(int argc, const char* const* argv) {
  CommandLineText.clear();
  for (int i = 1; i < argc; ++i) CommandLineText += Utf8ToCp874(argv[i]);
  CommandLineText = UpCaseAscii(CommandLineText);
}
