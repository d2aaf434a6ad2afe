// A child program the program-end tests start and signal: its standard output read line by line,
// its exit status waited for (a child still running at the end is killed).
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

class ProgramEndChild {
 public:
  // Runs PROGRAM_END_CHILD with `mode` on the display `display` ("" keeps it headless).
  explicit ProgramEndChild(const char* mode, const std::string& display = "") {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      if (display.empty()) {
        setenv("PR_DISPLAY", "headless", 1);
      } else {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("PR_DISPLAY", "sdl", 1);
      }
      execl(PROGRAM_END_CHILD, PROGRAM_END_CHILD, mode, static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    output_ = fdopen(out[0], "r");
  }
  ~ProgramEndChild() {
    if (output_ != nullptr) std::fclose(output_);
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  ProgramEndChild(const ProgramEndChild&) = delete;
  ProgramEndChild& operator=(const ProgramEndChild&) = delete;

  // The next line the program says ("" at its end).
  std::string Line() {
    char buffer[128];
    if (output_ == nullptr || std::fgets(buffer, sizeof buffer, output_) == nullptr) return "";
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }
  std::vector<std::string> RestOfOutput() {
    std::vector<std::string> lines;
    for (std::string line = Line(); !line.empty(); line = Line()) lines.push_back(line);
    return lines;
  }
  void Signal(int number) const { kill(pid_, number); }
  int Wait() {
    waitpid(pid_, &status_, 0);
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  FILE* output_ = nullptr;
};
