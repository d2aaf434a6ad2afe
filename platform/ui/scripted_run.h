// TScriptedRun: how a program's main runs its user interface, on a display or played from a
// script, decided by the environment:
//   PR_UI_SCRIPT            the script to play (ui_script.h); unset: the program runs for a person
//   PR_UI_TRANSCRIPT        where the transcript goes (ui_transcript.h); unset: standard error
//   PR_UI_SCRIPT_TIMEOUT    the script's time limit in seconds (default 120)
// With a script the display is headless unless PR_DISPLAY=sdl; without one the program needs a
// display.  A program's main:
//     TScriptedRun run("payroll-import");        // before Application->Initialize
//     Application->Initialize();
//     if (auto code = run.Start()) return *code;  // 2: no display and no script; 3: unusable script
//     ... create the main form, Application->Run() ...
//     return run.Finish(exitCode);                // EXIT <code>; 3 when the script failed
// A failed script ends the process with exit code 3 as soon as the failure is found
// (script_player.h).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/core/types.h"

class TScriptPlayer;
class TUiTranscript;

class TScriptedRun {
 public:
  // Reads the environment; with a script, chooses the headless display unless PR_DISPLAY=sdl.
  explicit TScriptedRun(std::string ProgramName);
  ~TScriptedRun();
  TScriptedRun(const TScriptedRun&) = delete;
  TScriptedRun& operator=(const TScriptedRun&) = delete;

  // After Application->Initialize: starts the script player.  Nothing: the program goes on; a
  // value: the program ends at once with it (the reason is on standard error, or a FAIL line).
  std::optional<Integer> Start();
  // The exit code to end with, written as the transcript's last line.
  Integer Finish(Integer ProgramExitCode);
  bool Scripted() const { return !scriptPath_.empty(); }
  TScriptPlayer* Player() const { return player_.get(); }

 private:
  std::optional<Integer> FailBeforePlaying(Integer Line, const std::string& Reason);

  std::string programName_;
  std::string scriptPath_;
  std::string transcriptPath_;
  std::string timeLimitText_;
  std::unique_ptr<TUiTranscript> transcript_;
  std::unique_ptr<TScriptPlayer> player_;
};

// Seconds as written in PR_UI_SCRIPT_TIMEOUT ("120", "0.5") in milliseconds; nothing for a text
// that is not a number of seconds.
std::optional<UInt64> ParseScriptTimeLimit(const std::string& Seconds);
