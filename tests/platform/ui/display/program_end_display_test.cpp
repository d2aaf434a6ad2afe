// A program on the X display (Xvfb, the SDL backend) ends in order on SIGTERM: the main form's
// close handlers run and it exits with status 0 (SDL's own signal handlers are off; the window
// layer's turn the signal into the main form's close request).  A real child process.
// Skips only when Xvfb cannot start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/os/program_end_child_process.h"
#include "tests/support/os/xvfb_server.h"

namespace {

TEST(ProgramEndOnDisplay, SigtermClosesTheMainFormAndTheProgramExitsNormally) {
  Xvfb xvfb;
  if (xvfb.Display().empty()) GTEST_SKIP() << "Xvfb could not start (is the xvfb package installed?)";
  ProgramEndChild child("", xvfb.Display());
  ASSERT_EQ(child.Line(), "running");
  child.Signal(SIGTERM);
  EXPECT_EQ(child.RestOfOutput(), (std::vector<std::string>{"close query", "close", "ended"}));
  const int status = child.Wait();
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
