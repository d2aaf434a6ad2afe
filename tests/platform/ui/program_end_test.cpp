// A program that shows a form ends in order on SIGTERM, SIGINT and SIGHUP: the main form's close
// query and close handlers run and the program exits with status 0; a second signal while the
// form closes neither cuts the close short nor runs it again.  Real child processes
// (program_end_child), headless.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/os/program_end_child_process.h"

namespace {

TEST(ProgramEnd, ATerminationSignalClosesTheMainFormAndTheProgramExitsNormally) {
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(number));
    ProgramEndChild child("");
    ASSERT_EQ(child.Line(), "running");
    child.Signal(number);
    EXPECT_EQ(child.RestOfOutput(), (std::vector<std::string>{"close query", "close", "ended"}));
    const int status = child.Wait();
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

TEST(ProgramEnd, ASecondSignalWhileTheFormClosesDoesNotCutItShort) {
  ProgramEndChild child("slow");
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
