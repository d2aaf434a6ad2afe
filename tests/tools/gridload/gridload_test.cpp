// gridload as a program: the lines it prints for a fixture with a multi-line cell, a TAB and
// backslashes, a line limit, and its exit statuses with what it writes to stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/os/temp_folder.h"

namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

class GridloadTest : public ::testing::Test {
 protected:
  Outcome Gridload(const std::string& args) {
    const std::string out = folder_ / "out";
    const std::string err = folder_ / "err";
    const int status = std::system((std::string(GRIDLOAD_TOOL) + " " + args + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadRawFile(out), ReadRawFile(err)};
  }
  static std::string Fixture(const std::string& name) {
    return std::string(std::getenv("PR_SOURCE_DIR")) + "/tests/tools/gridload/" + name;
  }
  TempFolder folder_;
};

TEST_F(GridloadTest, PrintsEveryCellOfTheLoadedFile) {
  const Outcome run = Gridload(Fixture("multiline.csv"));
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err, "");
  // A default grid has 5 columns; loading only ever adds columns.
  EXPECT_EQ(run.out,
            "3 5\n"
            "0,0\tCode\n1,0\tNote\n2,0\tPath\n3,0\t\n4,0\t\n"
            "0,1\tE1\n1,1\tfirst line\\r\\nsecond line\n2,1\tC:\\\\payroll\\\\in\n3,1\t\n4,1\t\n"
            "0,2\tE2\n1,2\ttab\\there\n2,2\tx\n3,2\t\n4,2\t\n");
}

TEST_F(GridloadTest, EscapesControlBytesAndKeepsTheOthersRaw) {
  WriteRawFile(folder_ / "bytes.txt", std::string("a\x01\x1f\x7f\x80\xA1z", 7));
  const Outcome run = Gridload(folder_ / "bytes.txt");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string("1 5\n0,0\ta\\x01\\x1f\\x7f\x80\xA1z\n1,0\t\n2,0\t\n3,0\t\n4,0\t\n"));
}

TEST_F(GridloadTest, ALineLimitLoadsThatManyRecords) {
  const Outcome run = Gridload(Fixture("multiline.csv") + " 2");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.substr(0, 4), "2 5\n");
}

TEST_F(GridloadTest, AMissingFileGivesTheGridsMessageAndExitOne) {
  const std::string missing = folder_ / "missing.csv";
  const Outcome run = Gridload(missing);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Cannot open file " + missing + "\n");
}

TEST_F(GridloadTest, WrongArgumentsGiveTheUsageAndExitTwo) {
  for (const char* args : {"", "a b c", "file notanumber"}) {
    const Outcome run = Gridload(args);
    EXPECT_EQ(run.code, 2) << args;
    EXPECT_EQ(run.err, "usage: gridload FILE [MAXROWS]\n") << args;
  }
}

}   // namespace
