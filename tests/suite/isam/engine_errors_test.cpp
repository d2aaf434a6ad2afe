// The engine's refusals: every edge case of the interface and of the header checks reports its
// number, and leaves nothing behind that it should not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "isam_test_support.h"
#include "platform/os/file.h"
#include "suite/isam/isam_error_text.h"
#include "tests/support/os/child_process.h"

namespace {
struct ErrorCase {
  const char* what;
  std::function<void(const std::string& base)> run;   // ends with the engine call under test
  Integer expected;
};

// The employee file with three records, opened single-station; `fb` is closed by the fixture.
IsamFileBlock* OpenFilled(const std::string& base) {
  if (!CreateFile(base, 2567, EmployeeKeys())) return nullptr;
  IsamFileBlock* fb = OpenFile(base);
  Integer ref = 0;
  for (int i = 0; fb && i < 3; ++i) IsamAddRecord(fb, ref, MakeRecord(2567, "r").data());
  return fb;
}

// Creates the employee file, then changes stored bytes (offset, value) before the open under test.
std::function<void(const std::string&)> OpenPatched(const char* ext, std::vector<std::pair<long, unsigned char>> bytes) {
  return [=](const std::string& base) {
    CreateFile(base, 2567, EmployeeKeys());
    for (const auto& [offset, value] : bytes) PokeByte(base + ext, offset, value);
    IsamFileBlock* fb = OpenFile(base);
    const Integer code = IsamErrorCode;
    EXPECT_EQ(fb, nullptr);
    if (fb) IsamCloseFileBlock(fb);
    IsamForceError(code);
  };
}

// Runs `op` on the open employee file and closes it, keeping op's status.
std::function<void(const std::string&)> OnOpenFile(std::function<void(IsamFileBlock*)> op) {
  return [op](const std::string& base) {
    IsamFileBlock* fb = OpenFilled(base);
    ASSERT_NE(fb, nullptr);
    op(fb);
    const bool ok = IsamLastOK;
    const Integer code = IsamErrorCode;
    IsamCloseFileBlock(fb);
    if (!ok) IsamForceError(code);
    else IsamClearStatus();
  };
}

TEST(EngineErrors, EdgeCasesReportTheirNumbers) {
  const std::string ten(10, 'x');
  const ErrorCase cases[] = {
      {"second start", [](const std::string&) { IsamInit(0, 8); }, 10450},
      {"record length 20", [](const std::string& b) { CreateFile(b, 20, EmployeeKeys()); }, 10020},
      {"key length 0", [](const std::string& b) { CreateFile(b, 100, {{9, 0}, {0, 0}}); }, 10055},
      {"key length 101", [](const std::string& b) { CreateFile(b, 100, {{101, 0}}); }, 10055},
      {"101 keys", [](const std::string& b) { CreateFile(b, 100, std::vector<KeyTableEntry>(101, {5, 0})); }, 10050},
      {"write record 0", OnOpenFile([](IsamFileBlock* fb) { IsamWriteRecord(fb, 0, MakeRecord(2567, "").data(), false); }), 10130},
      {"free record 0", OnOpenFile([](IsamFileBlock* fb) { IsamFreeRecord(fb, 0); }), 10135},
      {"free above the allocated count", OnOpenFile([](IsamFileBlock* fb) { IsamFreeRecord(fb, 4); }), 10135},
      {"10 characters into a key of 9", OnOpenFile([ten](IsamFileBlock* fb) { IsamInsertKey(fb, 1, 1, ten); }), 10125},
      {"key number 0", OnOpenFile([](IsamFileBlock* fb) { IsamInsertKey(fb, 0, 1, "a"); }), 10164},
      {"key number 6", OnOpenFile([](IsamFileBlock* fb) { Integer r; IsamFindKey(fb, 6, r, "a"); }), 10164},
      {"key not found", OnOpenFile([](IsamFileBlock* fb) { Integer r; IsamFindKey(fb, 1, r, "a"); }), 10200},
      {"key removed twice", OnOpenFile([](IsamFileBlock* fb) { IsamInsertKey(fb, 1, 1, "a"); IsamRemoveKey(fb, 1, 1, "a"); IsamRemoveKey(fb, 1, 1, "a"); }), 10220},
      {"read beyond the end", OnOpenFile([](IsamFileBlock* fb) { std::string r(2567, 0); IsamReadRecord(fb, 9, r.data(), false); }), 10070},
      {"closing twice",
       [](const std::string& b) {
         IsamFileBlock* fb = OpenFilled(b);
         IsamFileBlock* copy = fb;
         IsamCloseFileBlock(fb);
         IsamCloseFileBlock(copy);
       },
       10080},
      {"OpenFlag 1 at open", OpenPatched(".DAT", {{20, 1}}), 10010},
      {"101 keys in the data header", OpenPatched(".DAT", {{16, 101}}), 10060},
      {"63 entries per page", OpenPatched(".IX", {{1122 + 26, 63}}), 10122},
      {"page size not whole entries", OpenPatched(".IX", {{12, 0x63}}), 10120},
      {"key length 0 in a header", OpenPatched(".IX", {{12, 0x34}, {13, 0x02}}), 10121},
      {"key length 101 in a header", OpenPatched(".IX", {{12, 0xAA}, {13, 0x1A}}), 10121},
      {"126 entries per page", OpenPatched(".IX", {{26, 126}}), 10122},
      {"record length 20 in the data header", OpenPatched(".DAT", {{12, 20}, {13, 0}}), 10020},
      {"negative record length", OpenPatched(".DAT", {{15, 0xFF}}), 10020},
      {"2^31 - 1 records allocated", OpenPatched(".DAT", {{8, 0xFF}, {9, 0xFF}, {10, 0xFF}, {11, 0x7F}}), 10010},
      {"more free records than allocated", OpenPatched(".DAT", {{4, 1}}), 10010},
      {"2^31 - 1 pages of a key", OpenPatched(".IX", {{8, 0xFF}, {9, 0xFF}, {10, 0xFF}, {11, 0x7F}}), 10010},
      {"a root beyond the pages", OpenPatched(".IX", {{16, 1}}), 10010},
      {"missing file", [](const std::string& b) { OpenFile(b + "X"); }, 9903},
      {"missing folder", [](const std::string& b) { OpenFile(b + "/no/such"); }, 9900},
      {"free-chain link out of range",
       [](const std::string& b) {
         IsamFileBlock* fb = OpenFilled(b);
         IsamFreeRecord(fb, 2);
         IsamCloseFileBlock(fb);
         PokeByte(b + ".DAT", 2 * 2567, 9);   // record 2 links to 9: beyond the 3 allocated
         fb = OpenFile(b);
         Integer ref = 0;
         IsamAddRecord(fb, ref, MakeRecord(2567, "").data());
         const Integer code = IsamErrorCode;
         IsamCloseFileBlock(fb);
         IsamForceError(code);
       },
       10170},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    EngineScope engine(0, 8);
    c.run(dir / "T");
    EXPECT_FALSE(IsamLastOK);
    EXPECT_EQ(IsamErrorCode, c.expected);
  }
}

TEST(EngineErrors, StartRefusals) {
  const struct {
    Byte mode;
    Integer buffers;
    Integer expected;
  } cases[] = {{1, 500, 10310}, {0, 7, 10451}, {2, 0, 10451}, {3, 8, 10310}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsamInit(c.mode, c.buffers), 0);
    EXPECT_EQ(IsamErrorCode, c.expected);
    IsamExit();
    EXPECT_EQ(IsamErrorCode, 10455);   // nothing was started
  }
  EXPECT_EQ(IsamInit(2, 500), 500);
  EXPECT_EQ(IsamInit(2, 500), 0);
  EXPECT_EQ(IsamErrorCode, 10450);
  IsamExit();
  EXPECT_TRUE(IsamLastOK);
}

TEST(EngineErrors, FailedCreateLeavesNoFiles) {
  TempFolder dir;
  EngineScope engine(0, 8);
  CreateFile(dir / "T", 100, {{9, 0}, {0, 0}});
  EXPECT_EQ(IsamErrorCode, 10055);
  for (const char* ext : {".DAT", ".IX", ".DIA"}) EXPECT_EQ(FileSize(dir / ("T" + std::string(ext))), -1) << ext;
}

// A refused open leaves no handle behind: the files can be opened exclusively at once.
TEST(EngineErrors, RefusedOpenLeavesNothingOpen) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "T", 2567, EmployeeKeys()));
  PokeByte(dir / "T.DAT", 20, 1);
  EXPECT_EQ(OpenFile(dir / "T"), nullptr);
  EXPECT_EQ(IsamErrorCode, 10010);
  for (const char* ext : {".DAT", ".IX"}) {
    File f;
    EXPECT_EQ(f.Open(dir / ("T" + std::string(ext)), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING), 0u) << ext;
  }
}

// Freed records are reused newest first; record 0 reads as the header.
TEST(EngineErrors, FreeChainIsAStack) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "T", 40, {}));
  IsamFileBlock* fb = OpenFile(dir / "T");
  ASSERT_NE(fb, nullptr);
  Integer ref = 0;
  for (int i = 0; i < 10; ++i) IsamAddRecord(fb, ref, MakeRecord(40, std::to_string(i)).data());
  EXPECT_EQ(ref, 10);
  IsamFreeRecord(fb, 5);
  IsamFreeRecord(fb, 9);
  std::vector<Integer> reused;
  for (int i = 0; i < 3; ++i) {
    IsamAddRecord(fb, ref, MakeRecord(40, "new").data());
    reused.push_back(ref);
  }
  EXPECT_EQ(reused, (std::vector<Integer>{9, 5, 11}));
  IsamFlushFileBlock(fb);
  std::string header(40, '\0');
  IsamReadRecord(fb, 0, header.data(), false);
  EXPECT_TRUE(IsamLastOK);
  EXPECT_EQ(header, ReadRawFile(dir / "T.DAT").substr(0, 40));
  EXPECT_EQ(header.substr(0, 12), std::string("\xff\xff\xff\xff\0\0\0\0\x0b\0\0\0", 12));
  IsamCloseFileBlock(fb);
}

// How a process ends decides what the next open finds.  Closing, and a normal end with the engine
// still started (exit, as after a return from main), write the changes back; a process that dies
// after a change it did not write back leaves OpenFlag 1, and the next open reports 10010.
TEST(EngineErrors, ProgramEndWritesBackWhatDeathLeaves) {
  enum class End { Close, Exit, Die };
  const struct {
    const char* what;
    End end;
    Integer openCode;
  } cases[] = {
      {"closes the file", End::Close, 0},
      {"calls exit(0) with the engine started", End::Exit, 0},
      {"dies without writing back", End::Die, 10010},
  };
  TempFolder dir;
  const std::string base = dir / "T";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChildProcess child([&](Channel&) {
      IsamInit(0, 8);
      if (!CreateFile(base, 2567, EmployeeKeys())) return 1;
      IsamFileBlock* fb = OpenFile(base);
      Integer ref = 0;
      IsamAddRecord(fb, ref, MakeRecord(2567, "x").data());
      IsamInsertKey(fb, 1, ref, "E001");
      if (!IsamLastOK) return 2;
      if (c.end == End::Exit) std::exit(0);
      if (c.end == End::Die) _exit(0);
      IsamCloseFileBlock(fb);
      IsamExit();
      return IsamLastOK ? 0 : 3;
    });
    EXPECT_EQ(child.Wait(), 0);
    EngineScope engine(0, 8);
    IsamFileBlock* fb = OpenFile(base);
    EXPECT_EQ(IsamErrorCode, c.openCode);
    if (!fb) continue;
    Integer ref = 0;
    IsamFindKey(fb, 1, ref, "E001");
    EXPECT_EQ(ref, 1);
    IsamCloseFileBlock(fb);
  }
}
}  // namespace

namespace {
TEST(EngineErrors, TextsOfTheNumbers) {
  const struct {
    Integer code;
    const char* text;
  } cases[] = {{9502, "DOS error code <2>"},
               {9903, "File not found"},
               {10004, "Serious I/O error occurred while in save mode"},
               {10125, "Key too long"},
               {10399, "A lock prevents the operation"},
               {10451, ""},
               {12345, ""}};
  for (const auto& c : cases) EXPECT_EQ(IsamErrorText(c.code), c.text) << c.code;
}
}  // namespace
