#include "tests/app/tool_process.h"

#include <signal.h>
#include <stdlib.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/ui/script_test_support.h"

ToolProcess::ToolProcess(const std::string& ProgramFolder, const std::string& Script,
                         const std::vector<std::pair<std::string, std::string>>& Environment, int AsUser)
    : folder_(ProgramFolder) {
  for (const char* sub : {"config", "tmp"}) std::filesystem::create_directories(folder_ + "/" + sub);
  const std::string script = folder_ + "/run.script";
  {
    FILE* file = std::fopen(script.c_str(), "wb");
    std::fputs(Script.c_str(), file);
    std::fclose(file);
  }
  pid_ = fork();
  if (pid_ != 0) return;
  if (chdir(folder_.c_str()) != 0) _exit(126);
  setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
  setenv("TMPDIR", (folder_ + "/tmp").c_str(), 1);
  setenv("PR_UI_SCRIPT", script.c_str(), 1);
  setenv("PR_UI_TRANSCRIPT", (folder_ + "/transcript.txt").c_str(), 1);
  setenv("PR_UI_SCRIPT_TIMEOUT", "60", 1);
  unsetenv("PR_DISPLAY");
  for (const auto& [name, value] : Environment) setenv(name.c_str(), value.c_str(), 1);
  if (AsUser >= 0) {
    const std::string id = std::to_string(AsUser);
    const std::string reuid = "--reuid=" + id, regid = "--regid=" + id;
    execlp("setpriv", "setpriv", reuid.c_str(), regid.c_str(), "--clear-groups", PAYROLL_IMPORT_TOOL,
           static_cast<char*>(nullptr));
  } else {
    execl(PAYROLL_IMPORT_TOOL, PAYROLL_IMPORT_TOOL, static_cast<char*>(nullptr));
  }
  _exit(127);
}

ToolProcess::~ToolProcess() {
  if (pid_ > 0 && status_ < 0) {
    kill(pid_, SIGKILL);
    Wait();
  }
}

int ToolProcess::Wait() {
  if (status_ >= 0) return status_;
  int status = 0;
  waitpid(pid_, &status, 0);
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return status_;
}

std::vector<std::string> ToolProcess::Transcript() const { return uitest::FileLines(folder_ + "/transcript.txt"); }

bool ToolProcess::AwaitFile(const std::string& Path) const {
  const std::filesystem::path path(Path);
  const int watch = inotify_init1(IN_CLOEXEC);
  inotify_add_watch(watch, path.parent_path().c_str(), IN_CREATE | IN_MOVED_TO);
  const int process = int(syscall(SYS_pidfd_open, pid_, 0));
  pollfd fds[2] = {{watch, POLLIN, 0}, {process, POLLIN, 0}};
  alignas(inotify_event) char events[4096];
  bool found = std::filesystem::exists(path);
  while (!found && poll(fds, 2, -1) > 0) {
    if (fds[0].revents & POLLIN) (void)!read(watch, events, sizeof events);
    found = std::filesystem::exists(path);
    if (fds[1].revents & POLLIN) break;
  }
  close(process);
  close(watch);
  return found;
}

bool ToolProcess::HasMapped(const std::string& NamePart) const {
  std::ifstream maps("/proc/" + std::to_string(pid_) + "/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find(NamePart) != std::string::npos) return true;
  return false;
}
