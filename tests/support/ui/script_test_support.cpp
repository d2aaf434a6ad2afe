#include "tests/support/ui/script_test_support.h"

#include <sstream>

#include "platform/os/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/ui_transcript.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"

namespace uitest {

PlayedScript::PlayedScript(const std::string& Script, UInt64 TimeLimitMs)
    : transcript_(std::make_unique<TUiTranscript>(folder_ / "transcript.txt")) {
  player_ = std::make_unique<TScriptPlayer>(TUiScript::Parse(Script, folder_.Path()), *transcript_, TimeLimitMs);
  // The failure may be found on the watchdog's thread: the interface thread is told by a message.
  player_->OnFailed = [thread = GetCurrentThreadId()] { PostThreadMessageA(thread, WM_QUIT, 0, 0); };
  player_->Start();
}

PlayedScript::~PlayedScript() {
  Finish();
  Application->ClearTerminated();
}

std::vector<std::string> PlayedScript::Finish(Integer ProgramExitCode) {
  if (exitCode_ < 0) exitCode_ = player_->Finish(ProgramExitCode);
  return FileLines(folder_ / "transcript.txt");
}

std::vector<std::string> FileLines(const std::string& Path) {
  std::istringstream text(ReadRawFile(Path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

}  // namespace uitest
