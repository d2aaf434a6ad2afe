// A program that shows a form ends in order on SIGTERM, SIGINT and SIGHUP: the main form's close
// query and close handlers run and the program exits with status 0; a second signal while the
// form closes neither cuts the close short nor runs it again.  Real child processes
// (program_end_child), headless.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class Child {
 public:
  explicit Child(const char* mode) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      setenv("PR_DISPLAY", "headless", 1);
      execl(PROGRAM_END_CHILD, PROGRAM_END_CHILD, mode, static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    output_ = fdopen(out[0], "r");
  }
  ~Child() {
    if (output_ != nullptr) std::fclose(output_);
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

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

TEST(ProgramEnd, ATerminationSignalClosesTheMainFormAndTheProgramExitsNormally) {
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(number));
    Child child("");
    ASSERT_EQ(child.Line(), "running");
    child.Signal(number);
    EXPECT_EQ(child.RestOfOutput(), (std::vector<std::string>{"close query", "close", "ended"}));
    const int status = child.Wait();
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

TEST(ProgramEnd, ASecondSignalWhileTheFormClosesDoesNotCutItShort) {
  Child child("slow");
  ASSERT_EQ(child.Line(), "running");
  child.Signal(SIGTERM);
  ASSERT_EQ(child.Line(), "close query");
  ASSERT_EQ(child.Line(), "closing");
  child.Signal(SIGINT);
  EXPECT_EQ(child.RestOfOutput(), (std::vector<std::string>{"closed", "ended"}));
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
