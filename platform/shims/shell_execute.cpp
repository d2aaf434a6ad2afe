// ShellExecuteA's "open": the opener program started in a grandchild process (see the header).
#include "platform/shims/shell_execute.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <string_view>

#include "platform/core/ansi_strings.h"
#include "platform/core/win_errors.h"

namespace {

std::mutex openerMutex;
std::string openerProgram = "xdg-open";

std::string Opener() {
  std::lock_guard<std::mutex> lock(openerMutex);
  return openerProgram;
}

// The program's full path: as given when it holds a slash, else the first executable of that name
// on PATH; "" when none can be run.
std::string ResolveProgram(const std::string& Program) {
  if (Program.find('/') != std::string::npos) return access(Program.c_str(), X_OK) == 0 ? Program : std::string();
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!rest.empty()) {
    const size_t colon = rest.find(':');
    const std::string_view dir = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    if (dir.empty()) continue;
    const std::string candidate = std::string(dir) + "/" + Program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

}   // namespace

std::string SetShellOpenProgram(const std::string& Program) {
  std::lock_guard<std::mutex> lock(openerMutex);
  std::string before = openerProgram;
  openerProgram = Program;
  return before;
}

std::intptr_t ShellExecuteA(HWND, const char* Operation, const char* File, const char*, const char*, int) {
  const bool open = Operation == nullptr || SameText(Operation, "open");
  if (!open || File == nullptr || *File == '\0') return SE_ERR_NOASSOC;
  const std::string program = ResolveProgram(Opener());
  if (program.empty()) return ERROR_FILE_NOT_FOUND;
  // Everything the child needs is made before fork: after it only exec and _exit are called.
  std::string argument = File;
  char* argv[] = {const_cast<char*>(program.c_str()), argument.data(), nullptr};
  const pid_t child = fork();
  if (child < 0) return SE_ERR_OOM;
  if (child == 0) {
    const pid_t opener = fork();
    if (opener == 0) {
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(opener < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  const bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return started ? 42 : SE_ERR_OOM;
}
