// The payroll import tool as a real process for the end-to-end tests: a program folder with its
// own settings and temporary folders, the tool started there with a script played headless, and
// its transcript and exit status.
#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

// The tool running in ProgramFolder (XDG_CONFIG_HOME and TMPDIR in its "config" and "tmp"
// subfolders), playing Script with its transcript in ProgramFolder/transcript.txt.  Environment
// holds further variables.  With AsUser (a uid) the tool runs under setpriv as that user.
class ToolProcess {
 public:
  ToolProcess(const std::string& ProgramFolder, const std::string& Script,
              const std::vector<std::pair<std::string, std::string>>& Environment = {}, int AsUser = -1);
  ~ToolProcess();
  ToolProcess(const ToolProcess&) = delete;
  ToolProcess& operator=(const ToolProcess&) = delete;

  // Waits for the tool; its exit status (128 + signal when a signal ended it).
  int Wait();
  std::vector<std::string> Transcript() const;
  // Blocks until the file exists (true) or the tool has ended without it (false); inotify on the
  // file's folder and the process's pidfd, no timer.
  bool AwaitFile(const std::string& Path) const;
  // Whether the running tool has a file whose name contains `NamePart` mapped (/proc/PID/maps):
  // which shared libraries it loaded.
  bool HasMapped(const std::string& NamePart) const;

 private:
  std::string folder_;
  pid_t pid_ = -1;
  int status_ = -1;
};
