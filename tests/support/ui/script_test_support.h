// A script played into a ui test's program: a script player over the script's text (relative
// paths from a fresh folder of the test) with its transcript in a file there.  A failure ends the
// loops that run (the application is told to terminate) instead of the process, so the test goes
// on to look at the transcript.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/types.h"
#include "platform/ui/script_player.h"
#include "tests/support/os/temp_folder.h"

class TUiTranscript;

namespace uitest {

class PlayedScript {
 public:
  explicit PlayedScript(const std::string& Script, UInt64 TimeLimitMs = 120000);
  ~PlayedScript();
  PlayedScript(const PlayedScript&) = delete;
  PlayedScript& operator=(const PlayedScript&) = delete;

  // Stops playing (once) and answers the transcript's lines; ExitCode() is then the code the run
  // ends with.
  std::vector<std::string> Finish(Integer ProgramExitCode = 0);
  Integer ExitCode() const { return exitCode_; }
  // The folder relative paths of the script start from.
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::unique_ptr<TUiTranscript> transcript_;
  std::unique_ptr<TScriptPlayer> player_;
  Integer exitCode_ = -1;
};

// The lines of a text file (without their line ends).
std::vector<std::string> FileLines(const std::string& Path);

}  // namespace uitest
