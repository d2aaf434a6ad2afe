// ShellExecuteA "open": the opener gets the text as its one argument untouched by any shell, the
// call does not wait and leaves no child behind, and the refusals.
#include "platform/shims/shell_execute.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/core/win_errors.h"

namespace {

class ShellExecuteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/shell_execute_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fifo_ = dir_ + "/record";
    ASSERT_EQ(mkfifo(fifo_.c_str(), 0600), 0);
    // The recorder writes its argument count and first argument into the FIFO.
    opener_ = dir_ + "/opener";
    std::ofstream(opener_) << "#!/bin/sh\nprintf '%s\\n%s\\n' \"$#\" \"$1\" > '" << fifo_ << "'\n";
    ASSERT_EQ(chmod(opener_.c_str(), 0700), 0);
    before_ = SetShellOpenProgram(opener_);
  }
  void TearDown() override {
    SetShellOpenProgram(before_);
    std::remove(opener_.c_str());
    std::remove(fifo_.c_str());
    rmdir(dir_.c_str());
  }

  // What the recorder wrote: read until it closes the FIFO (at most 20 s of waiting for it).
  std::string Recorded() {
    const int fd = open(fifo_.c_str(), O_RDONLY | O_NONBLOCK);
    std::string text;
    char buffer[4096];
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
      const ssize_t n = read(fd, buffer, sizeof buffer);
      if (n > 0) text.append(buffer, size_t(n));
      else if (n == 0 && !text.empty()) break;
      else if (n < 0 && errno != EAGAIN) break;
    }
    close(fd);
    return text;
  }

  std::string dir_, fifo_, opener_, before_;
};

TEST_F(ShellExecuteTest, OpenPassesTheTextAsOneArgumentAndLeavesNoChild) {
  const std::string url = "http://example.com/a b;echo $HOME `id` \"q\" 'r'";
  EXPECT_GT(ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL), 32);
  EXPECT_EQ(Recorded(), "1\n" + url + "\n");
  int status = 0;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(ShellExecuteTest, OtherVerbsEmptyTextsAndMissingOpenersAreRefused) {
  EXPECT_EQ(ShellExecuteA(nullptr, "print", "http://example.com", nullptr, nullptr, SW_SHOWNORMAL), SE_ERR_NOASSOC);
  EXPECT_EQ(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOWNORMAL), SE_ERR_NOASSOC);
  SetShellOpenProgram(dir_ + "/missing");
  EXPECT_EQ(ShellExecuteA(nullptr, "open", "http://example.com", nullptr, nullptr, SW_SHOWNORMAL),
            std::intptr_t(ERROR_FILE_NOT_FOUND));
  SetShellOpenProgram("no-such-opener-program");
  EXPECT_EQ(ShellExecuteA(nullptr, "OPEN", "http://example.com", nullptr, nullptr, SW_SHOWNORMAL),
            std::intptr_t(ERROR_FILE_NOT_FOUND));
}

}   // namespace
