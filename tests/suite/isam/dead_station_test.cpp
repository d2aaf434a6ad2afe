// A station that dies in the middle of a change, staged with real processes in network mode:
// station A (a child process) adds records, is held at a test point inside its second change and
// dies there (SIGKILL); stations B and C (this process) had the file open all along and carry on.
//
// Without save mode A has flagged the other stations and written its pages but not its data
// header, so OpenFlag is still 1: B and C refuse the file with 10010 at their next lock and read,
// so does every open, and none of them writes a byte.  In save mode the journal replaces the
// station area: the next station to lock rolls A's unfinished operation back and works on, and
// every change A finished is kept.
#include <gtest/gtest.h>

#include <signal.h>

#include <set>

#include "isam_test_support.h"
#include "platform/os/clock.h"
#include "platform/os/random.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"
#include "tests/support/os/child_process.h"

namespace {
constexpr Integer kLength = 40;
constexpr DWORD kOpened = 1, kHeld = 2;

std::string Code(const std::string& station, int i) { return station + std::to_string(i); }

// Adds record `code` with its two keys under the Fileblock lock, as the wrapper does.
bool AddWithKeys(IsamFileBlock* fb, const std::string& code) {
  Integer ref = 0;
  IsamLockFileBlock(fb);
  if (IsamLastOK) IsamAddRecord(fb, ref, MakeRecord(kLength, code).data());
  if (IsamLastOK) IsamInsertKey(fb, 1, ref, code);
  if (IsamLastOK) IsamInsertKey(fb, 2, ref, code.substr(0, 1));
  const bool ok = IsamLastOK;
  IsamUnlockFileBlock(fb);
  return ok && IsamLastOK;
}

// Station A: three additions; the second dies at the test point.  Without save mode that is the
// second publication; in save mode the fourth commit, the record of the second addition (each
// addition commits its record and two keys).
int StationA(const std::string& base, bool save, Channel& ch) {
  Randomize();
  EngineScope engine(2, 500);
  IsamFileBlock* fb = OpenFile(base, save, true);
  if (!fb) return 10;
  const IsamPoint point = save ? IsamPoint::CommitBeforeJournalEnd : IsamPoint::PublishBeforeDataHeader;
  int reached = 0;
  SetTestPointHook([&](IsamPoint p) {
    if (p != point || ++reached != (save ? 4 : 2)) return;
    ch.Send(kHeld);
    ch.Receive();   // held here until the test has looked at the files
    raise(SIGKILL);
  });
  ch.Send(kOpened);
  if (ch.Receive() == kChannelClosed) return 11;
  for (int i = 1; i <= 3; ++i)
    if (!AddWithKeys(fb, Code("A", i))) return 12;
  return 13;   // the second addition never returns
}

std::set<std::string> Codes(const RecordFileImage& img) {
  std::set<std::string> codes;
  for (const auto& [ref, rec] : img.records) codes.insert(rec.substr(4, rec.find('\0', 4) - 4));
  return codes;
}

std::string Files(const std::string& base) {
  return ReadRawFile(base + ".DAT") + "|" + ReadRawFile(base + ".IX") + "|" + ReadRawFile(base + ".DIA");
}

class DeadStation : public ::testing::TestWithParam<bool> {};

TEST_P(DeadStation, OthersRefuseTheFileOrRollTheChangeBack) {
  const bool save = GetParam();
  TempFolder dir;
  const std::string base = dir / "D";
  {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(base, kLength, {{8, 0}, {1, 1}}));
  }
  FakeClock clock(0.0);   // B and C never wait: A holds no lock when they try
  ScopedClock scoped(clock);
  ScopedRandomSeed seed(3);
  ChildProcess a([&](Channel& ch) { return StationA(base, save, ch); });
  ASSERT_EQ(a.Receive(), kOpened);
  EngineScope engine(2, 500);
  IsamFileBlock* b = OpenFile(base, save, true);
  IsamFileBlock* c = OpenFile(base, save, true);
  ASSERT_TRUE(b && c) << IsamErrorCode;
  ASSERT_TRUE(AddWithKeys(b, "B1"));
  a.Send(0);
  ASSERT_EQ(a.Receive(), kHeld);
  const std::string held = Files(base);
  a.Send(0);   // A dies at the point
  EXPECT_EQ(a.Wait(), 128 + SIGKILL);

  Integer ref = 0;
  std::string rec(kLength, '\0');
  if (!save) {
    IsamLockFileBlock(b);
    EXPECT_EQ(IsamErrorCode, 10010);
    IsamFindKey(c, 1, ref, "A1");
    EXPECT_EQ(IsamErrorCode, 10010);
    IsamReadRecord(c, 1, rec.data(), false);
    EXPECT_EQ(IsamErrorCode, 10010);
    IsamLockFileBlock(c);
    EXPECT_EQ(IsamErrorCode, 10010);
    EXPECT_EQ(OpenFile(base, save, true), nullptr);
    EXPECT_EQ(IsamErrorCode, 10010);
    IsamCloseFileBlock(b);
    IsamCloseFileBlock(c);
    EXPECT_TRUE(IsamLastOK);
    EXPECT_TRUE(Files(base) == held) << "a station wrote over the unfinished change";
    IsamExit();
    IsamInit(0, 8);
    EXPECT_EQ(OpenFile(base), nullptr);
    EXPECT_EQ(IsamErrorCode, 10010);
    EXPECT_TRUE(Files(base) == held);
    EXPECT_EQ(ReadRecordFile(base).openFlag, 1);
    EXPECT_FALSE(IsamCheckFile(base).Ok());
    return;
  }
  ASSERT_TRUE(AddWithKeys(b, "B2")) << IsamErrorCode;
  IsamFindKey(c, 1, ref, "A1");
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
  IsamFindKey(c, 1, ref, "A2");
  EXPECT_EQ(IsamErrorCode, 10200);
  IsamCloseFileBlock(b);
  IsamCloseFileBlock(c);
  EXPECT_TRUE(IsamLastOK);
  const IsamCheckReport report = IsamCheckFile(base);
  EXPECT_TRUE(report.Ok()) << report.problems.front();
  const RecordFileImage img = ReadRecordFile(base);
  ASSERT_TRUE(img.faults.empty()) << img.faults.front();
  const std::set<std::string> expected = {"A1", "B1", "B2"};
  EXPECT_EQ(Codes(img), expected);
  std::set<std::string> keyed;
  for (const auto& [text, r] : img.keys[0].ordered) keyed.insert(text);
  EXPECT_EQ(keyed, expected);
}

INSTANTIATE_TEST_SUITE_P(SaveMode, DeadStation, ::testing::Values(false, true));
}  // namespace
