// The isam tool as people and scripts use it: exit codes, printed results, and the messages of
// refusals.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "suite/isam/isam_engine.h"
#include "tests/support/os/temp_folder.h"

namespace {
struct Output {
  int code;
  std::string text;   // standard output and error together
};

Output RunTool(const std::string& args) {
  const std::string cmd = std::string(ISAM_TOOL) + " " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::string text;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
  const int status = pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(IsamTool, CommandsWorkTogether) {
  TempFolder dir;
  const std::string f = dir / "T";
  struct Step {
    std::string args;
    int code;
    std::string text;
  } steps[] = {
      {"create " + f + " 2567 9:0 11:0 26:1 40:1 20:1", 0, ""},
      {"add " + f + " E002 ID2 'Somchai Jaidee' Clerk Sales", 0, "1\n"},
      {"add " + f + " E001 ID1 'สมหญิง' Clerk Sales", 0, "2\n"},
      {"add " + f + " E001 ID9", 1, "isam: add: key 1: error 10230: Cannot add duplicate key\n"},
      {"find " + f + " 3 'สมหญิง'", 0, "2\n"},
      {"find " + f + " 1 E009", 1, "isam: find: error 10200: No matching key found\n"},
      {"list " + f + " 4", 0, "Clerk\t1\nClerk\t2\n"},
      {"delete " + f + " 1", 0, ""},
      {"list " + f + " 1", 0, "E001\t2\n"},
      {"add " + f + " E003", 0, "1\n"},
      {"--net add " + f + " E004 ID4", 0, "3\n"},
      {"--net --save list " + f + " 2", 0, "ID1\t2\nID4\t3\n"},
      {"check " + f, 0, "note: key 2: 1 records in use are not listed\n"
                        "note: key 3: 2 records in use are not listed\n"
                        "note: key 4: 2 records in use are not listed\n"
                        "note: key 5: 2 records in use are not listed\n"
                        "note: station area of 1001 slots\nok\n"},
      {"create " + f + "S 21 9:0", 0, ""},
      {"add " + f + "S 'far too long a text'", 1, "isam: add: the key texts do not fit in a record of 21 bytes\n"},
  };
  for (const Step& s : steps) {
    const Output out = RunTool(s.args);
    EXPECT_EQ(out.code, s.code) << s.args << "\n" << out.text;
    EXPECT_EQ(out.text, s.text) << s.args;
  }
}

// --help prints the whole usage and succeeds; wrong usage prints the same text and fails.
TEST(IsamTool, UsageNamesEveryCommand) {
  const Output help = RunTool("--help");
  EXPECT_EQ(help.code, 0);
  for (const char* part : {"usage: isam [--net] [--save] create FILE RECLEN LEN:DUP...", "add FILE KEY1 [KEY2 ...]",
                           "find FILE KEYNO TEXT", "list FILE KEYNO", "delete FILE REF", "isam dump FILE",
                           "isam check FILE", "--net starts the engine in network mode 2",
                           "--save opens in save mode", "(2 for wrong usage)"})
    EXPECT_NE(help.text.find(part), std::string::npos) << part;
  for (const char* wrong : {"frobnicate T", "find T", "--net", "--help T"}) {
    const Output out = RunTool(wrong);
    EXPECT_EQ(out.code, 2) << wrong;
    EXPECT_EQ(out.text, help.text) << wrong;
  }
}

// With --net a lock held by another station is retried for a bounded time, as the suite's wrapper
// retries, and then the tool gives up with the engine's error.  (It used to try 900 times, each
// open waiting about 3 seconds for the lock.)
TEST(IsamTool, NetRetryEndsAfterABoundedTime) {
  TempFolder dir;
  const std::string f = dir / "T";
  ASSERT_EQ(RunTool("create " + f + " 40 9:0").code, 0);
  IsamInit(2, 8);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, f, false, false, false, true);
  ASSERT_NE(fb, nullptr);
  IsamLockFileBlock(fb);
  EXPECT_TRUE(IsamLastOK);
  const auto start = std::chrono::steady_clock::now();
  const Output out = RunTool("--net find " + f + " 1 A");
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  IsamCloseFileBlock(fb);
  IsamExit();
  EXPECT_EQ(out.code, 1);
  EXPECT_NE(out.text.find("isam: open " + f + ": error 10355"), std::string::npos) << out.text;
  EXPECT_LT(seconds.count(), 60);
}

TEST(IsamTool, CheckReportsDamage) {
  TempFolder dir;
  const std::string f = dir / "T";
  ASSERT_EQ(RunTool("create " + f + " 40 9:0").code, 0);
  for (const char* code : {"A", "B", "C"}) ASSERT_EQ(RunTool("add " + f + " " + code).code, 0);
  std::string ix = ReadRawFile(f + ".IX");
  // Swap the texts of the first two entries of the root page (slot 1): keys out of order.
  const size_t first = 1122 + 6 + 9, second = first + 18;
  std::swap(ix[first], ix[second]);
  ix[second + 18 - 1] = 10;   // the third entry's length byte: above L = 9
  WriteRawFile(f + ".IX", ix);
  const Output out = RunTool("check " + f);
  EXPECT_EQ(out.code, 1);
  EXPECT_NE(out.text.find("problem: key 1: entries 1 and 2 out of order"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("problem: key 1: page 1 holds a key text longer than 9"), std::string::npos) << out.text;
  const Output dump = RunTool("dump " + f);
  EXPECT_EQ(dump.code, 0);
  EXPECT_NE(dump.text.find("[1] \"B\" ref=1"), std::string::npos) << dump.text;
  // A save-mode operation cut short leaves its journal in the dialog file: a header record here.
  const std::string g = dir / "G";
  ASSERT_EQ(RunTool("create " + g + " 40 9:0").code, 0);
  WriteRawFile(g + ".DIA", std::string("\0\xe8\x03", 3) + std::string(34, '\0'));
  const Output journal = RunTool("check " + g);
  EXPECT_EQ(journal.code, 1);
  EXPECT_EQ(journal.text, "problem: dialog file holds an unfinished save-mode operation (37 bytes)\n1 problem(s)\n");
}
// What a damaged file makes the tool do: refuse it with the engine's error, or report it, never read
// past a file, allocate or loop by a header's counts, or read a file byte by byte for its size.
TEST(IsamTool, DamagedHeadersAreReportedNotFollowed) {
  auto put32 = [](std::string& bytes, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  const struct {
    const char* what;
    const char* ext;
    size_t offset;
    std::uint32_t value;
    const char* command;
    int code;
    const char* output;
  } cases[] = {
      {"record length 20", ".DAT", 12, 20, "delete", 1, "isam: open %: error 10020"},
      {"record length -1", ".DAT", 12, 0xFFFFFFFF, "delete", 1, "isam: open %: error 10020"},
      {"negative page size", ".IX", 12, 0xFFFFFFFF, "dump", 0, "key 1: header fails its check (10120)"},
      {"page size 2^31 - 1", ".IX", 12, 0x7FFFFFFF, "dump", 0, "key 1: header fails its check (10120)"},
      {"2^31 - 1 pages", ".IX", 8, 0x7FFFFFFF, "check", 1, "key 1: 2147483647 pages counted, the index file holds 1"},
      {"2^31 - 1 pages", ".IX", 8, 0x7FFFFFFF, "dump", 0, "key 1: 2147483647 pages counted, the index file holds 1"},
      {"2^31 - 1 records", ".DAT", 8, 0x7FFFFFFF, "check", 1,
       "data file shorter than its 2147483647 allocated records"},
  };
  TempFolder dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string f = dir / "T";
    ASSERT_EQ(RunTool("create " + f + " 40 9:0").code, 0);
    ASSERT_EQ(RunTool("add " + f + " A").code, 0);
    std::string bytes = ReadRawFile(f + c.ext);
    put32(bytes, c.offset, c.value);
    WriteRawFile(f + c.ext, bytes);
    const Output out = RunTool(std::string(c.command) + " " + f + (std::string(c.command) == "delete" ? " 1" : ""));
    EXPECT_EQ(out.code, c.code) << out.text;
    std::string expected = c.output;
    if (const size_t at = expected.find('%'); at != std::string::npos) expected.replace(at, 1, f);
    EXPECT_NE(out.text.find(expected), std::string::npos) << out.text;
  }
  // A sparse dialog file of 1 GB: the dump tells its size from the file system.
  const std::string g = dir / "G";
  ASSERT_EQ(RunTool("create " + g + " 40 9:0").code, 0);
  WriteRawFile(g + ".DIA", std::string(1, '\0'));
  ASSERT_EQ(truncate((g + ".DIA").c_str(), 1 << 30), 0);
  const Output dump = RunTool("dump " + g);
  EXPECT_EQ(dump.code, 0);
  EXPECT_NE(dump.text.find(g + ".DIA: 1073741824 bytes"), std::string::npos) << dump.text;
}
}  // namespace
