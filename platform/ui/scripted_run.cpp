#include "platform/ui/scripted_run.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ui/script_player.h"
#include "platform/ui/ui_transcript.h"
#include "platform/user/backend.h"

namespace {

constexpr UInt64 kDefaultTimeLimitMs = 120000;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::optional<UInt64> ParseScriptTimeLimit(const std::string& Seconds) {
  UInt64 whole = 0, fraction = 0, scale = 1000;
  std::size_t i = 0;
  for (; i < Seconds.size() && Seconds[i] >= '0' && Seconds[i] <= '9'; ++i) {
    whole = whole * 10 + UInt64(Seconds[i] - '0');
    if (whole > 1000000000) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  if (i < Seconds.size() && Seconds[i] == '.') {
    for (++i; i < Seconds.size() && Seconds[i] >= '0' && Seconds[i] <= '9'; ++i) {
      scale /= 10;
      fraction += UInt64(Seconds[i] - '0') * scale;
    }
  }
  if (i != Seconds.size()) return std::nullopt;
  return whole * 1000 + fraction;
}

TScriptedRun::TScriptedRun(std::string ProgramName)
    : programName_(std::move(ProgramName)),
      scriptPath_(Environment("PR_UI_SCRIPT")),
      transcriptPath_(Environment("PR_UI_TRANSCRIPT")),
      timeLimitText_(Environment("PR_UI_SCRIPT_TIMEOUT")) {
  if (Scripted() && Environment("PR_DISPLAY") != "sdl") setenv("PR_DISPLAY", "headless", 1);
}

TScriptedRun::~TScriptedRun() = default;

std::optional<Integer> TScriptedRun::Start() {
  if (!Scripted()) {
    if (std::string(user::CurrentBackend().Name()) != "headless") return std::nullopt;
    std::fprintf(stderr,
                 "%s: there is no display to show the windows on: set DISPLAY, or PR_UI_SCRIPT to play a script\n",
                 programName_.c_str());
    return 2;
  }
  try {
    transcript_ = std::make_unique<TUiTranscript>(transcriptPath_);
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s: %s\n", programName_.c_str(), e.Message().c_str());
    return 3;
  }
  const std::optional<UInt64> limit =
      timeLimitText_.empty() ? kDefaultTimeLimitMs : ParseScriptTimeLimit(timeLimitText_);
  if (!limit) return FailBeforePlaying(0, "PR_UI_SCRIPT_TIMEOUT=" + timeLimitText_ + " is not a number of seconds");
  try {
    player_ = std::make_unique<TScriptPlayer>(TUiScript::Load(scriptPath_), *transcript_, *limit);
  } catch (const EUiScriptError& e) {
    return FailBeforePlaying(e.Line(), e.Message());
  }
  player_->Start();
  return std::nullopt;
}

std::optional<Integer> TScriptedRun::FailBeforePlaying(Integer Line, const std::string& Reason) {
  transcript_->Fail(Line, Reason);
  transcript_->Exit(3);
  return 3;
}

Integer TScriptedRun::Finish(Integer ProgramExitCode) {
  return player_ != nullptr ? player_->Finish(ProgramExitCode) : ProgramExitCode;
}
