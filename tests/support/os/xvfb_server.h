// An Xvfb server for the tests that need a real X display.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// An Xvfb server on a free display number (Xvfb picks it and writes it to a pipe once it accepts
// connections, so nothing waits on a timer).  -noreset keeps the server up when its last client
// disconnects (SDL's start-up opens and closes a first connection); the pipe stays open for the
// server's life because a server that starts again writes its number again.
class Xvfb {
 public:
  // Screen: "WIDTHxHEIGHTxDEPTH".
  explicit Xvfb(const char* Screen = "800x600x24") {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", Screen, "-nolisten", "tcp",
             "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    numbers_ = fds[0];
    char buffer[16] = {};
    const ssize_t n = read(numbers_, buffer, sizeof buffer - 1);
    if (n > 0) display_ = ":" + std::string(buffer, std::size_t(n - (buffer[n - 1] == '\n')));
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (numbers_ >= 0) close(numbers_);
  }
  const std::string& Display() const { return display_; }   // empty: it did not start

 private:
  pid_t pid_ = -1;
  int numbers_ = -1;
  std::string display_;
};
