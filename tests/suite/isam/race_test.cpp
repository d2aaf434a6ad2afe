// Stations as separate processes on one file in network mode.  Two read at once, each under the
// read lock of its own slot.  Eight work at once: each adds its own records, then deletes and
// rewrites a random share of them, retrying lock conflicts as the suite's wrapper does; afterwards
// exactly the expected records exist, every key lists exactly their keys, and the file checks.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "isam_test_support.h"
#include "platform/core/win_errors.h"
#include "platform/os/random.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"
#include "tests/support/os/child_process.h"

namespace {
constexpr Integer kLength = 48;
constexpr int kProcesses = 8;
using EntrySet = std::set<std::pair<std::string, Integer>>;

// Repeats `op` while it fails with a lock conflict (error class 2), as the wrapper does.
template <class F> bool Retry(F op) {
  for (int i = 0; i < 100000; ++i) {
    op();
    if (IsamLastOK) return true;
    if (IsamErrorClass() != 2) return false;
  }
  return false;
}

struct Plan {
  // What process p does with its record i: 0 keep, 1 delete, 2 rewrite (new name).
  static int Fate(int round, int p, int i) {
    RandomSource rnd(static_cast<UInt64>(round * 1000 + p * 100000 + i));
    const int r = rnd.Random(10);
    return r < 3 ? 1 : r < 5 ? 2 : 0;
  }
  static std::string Code(int round, int p, int i) { return "R" + std::to_string(round) + "P" + std::to_string(p) + "-" + std::to_string(i); }
  static std::string Name(int i, bool rewritten) { return (rewritten ? "r" : "n") + std::to_string(i % 50); }
  static std::string Record(const std::string& code, const std::string& name) { return MakeRecord(kLength, code + "|" + name); }
};

int Worker(const std::string& base, int round, int p, int count, Channel& ch) {
  Randomize();
  EngineScope engine(2, 500);
  IsamFileBlock* fb = nullptr;
  if (!Retry([&] { IsamOpenFileBlock(fb, base, false, false, false, true); })) return 10;
  ch.Send(IsamStationNumber(fb));
  // All eight stay open until every one has its number: only stations open together must differ.
  if (ch.Receive() == kChannelClosed) return 20;
  std::vector<Integer> refs(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string code = Plan::Code(round, p, i), name = Plan::Name(i, false);
    if (!Retry([&] { IsamLockFileBlock(fb); })) return 11;
    IsamAddRecord(fb, refs[static_cast<size_t>(i)], Plan::Record(code, name).data());
    if (IsamLastOK) IsamInsertKey(fb, 1, refs[static_cast<size_t>(i)], code);
    if (IsamLastOK) IsamInsertKey(fb, 2, refs[static_cast<size_t>(i)], name);
    if (!IsamLastOK) return 12;
    IsamUnlockFileBlock(fb);
    if (!IsamLastOK) return 13;
  }
  for (int i = 0; i < count; ++i) {
    const int fate = Plan::Fate(round, p, i);
    if (fate == 0) continue;
    const Integer ref = refs[static_cast<size_t>(i)];
    const std::string code = Plan::Code(round, p, i);
    if (fate == 2 && !Retry([&] { IsamLockRecord(fb, ref); })) return 14;
    if (!Retry([&] { IsamLockFileBlock(fb); })) return 15;
    if (fate == 1) {
      IsamRemoveKey(fb, 1, ref, code);
      if (IsamLastOK) IsamRemoveKey(fb, 2, ref, Plan::Name(i, false));
      if (IsamLastOK) IsamFreeRecord(fb, ref);
    } else {
      std::string stored(kLength, '\0');
      IsamReadRecord(fb, ref, stored.data(), true);
      if (IsamLastOK && stored != Plan::Record(code, Plan::Name(i, false))) return 16;
      if (IsamLastOK) IsamRemoveKey(fb, 2, ref, Plan::Name(i, false));
      if (IsamLastOK) IsamInsertKey(fb, 2, ref, Plan::Name(i, true));
      if (IsamLastOK) IsamWriteRecord(fb, ref, Plan::Record(code, Plan::Name(i, true)).data(), true);
    }
    if (!IsamLastOK) return 17;
    IsamUnlockFileBlock(fb);
    if (fate == 2) IsamUnlockRecord(fb, ref);
    if (!IsamLastOK) return 18;
  }
  IsamCloseFileBlock(fb);
  return IsamLastOK ? 0 : 19;
}

// The child stops in the middle of its read (its slot's read lock held) until the parent, another
// station, has read the same record.
TEST(TwoStations, ReadAtOnce) {
  TempFolder dir;
  const std::string base = dir / "TWO";
  const std::string record = MakeRecord(kLength, "shared");
  {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(base, kLength, {{12, 0}, {4, 1}}));
    IsamFileBlock* fb = OpenFile(base);
    Integer ref = 0;
    IsamAddRecord(fb, ref, record.data());
    IsamCloseFileBlock(fb);
    ASSERT_EQ(ref, 1);
  }
  ChildProcess child([&](Channel& ch) {
    Randomize();
    FaultEnv env;
    EngineScope engine(2, 500);
    IsamFileBlock* fb = OpenFile(base, false, true);
    if (!fb) return 10;
    ch.Send(IsamStationNumber(fb));
    ch.Receive();   // the parent has opened the file too
    env.BeforeNextRead(".DAT", [&] {
      ch.Send(1);
      ch.Receive();
    });
    std::string read(kLength, '\0');
    IsamReadRecord(fb, 1, read.data(), false);
    if (!IsamLastOK || read != record) return 11;
    IsamCloseFileBlock(fb);
    return IsamLastOK ? 0 : 12;
  });
  const DWORD childStation = child.Receive();
  ASSERT_NE(childStation, kChannelClosed);
  Randomize();
  EngineScope engine(2, 500);
  IsamFileBlock* fb = OpenFile(base, false, true);
  ASSERT_NE(fb, nullptr) << IsamErrorCode;
  EXPECT_NE(static_cast<DWORD>(IsamStationNumber(fb)), childStation);
  child.Send(0);
  ASSERT_EQ(child.Receive(), 1u);
  // The child is inside its read: its slot (one byte, two keys) is locked.
  std::unique_ptr<IsamIoFile> dia;
  ASSERT_EQ(PlatformIsamEnv().Open(base + ".DIA", IsamAccess::ReadWrite, true, dia), ERROR_SUCCESS);
  EXPECT_EQ(dia->Lock(3 + childStation, 1), ERROR_LOCK_VIOLATION);
  std::string read(kLength, '\0');
  IsamReadRecord(fb, 1, read.data(), false);
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
  EXPECT_EQ(read, record);
  child.Send(0);
  EXPECT_EQ(child.Wait(), 0);
  IsamCloseFileBlock(fb);
  dia->Close();
}

TEST(EightStations, ConcurrentAddsDeletesAndRewritesLoseNothing) {
  TempFolder dir;
  const std::string base = dir / "RACE";
  {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(base, kLength, {{12, 0}, {4, 1}}));
  }
  std::map<std::string, std::string> expected;   // code -> record
  const int counts[] = {2000, 300, 300};
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (int p = 0; p < kProcesses; ++p)
      children.push_back(std::make_unique<ChildProcess>(
          [&, p](Channel& ch) { return Worker(base, round, p, counts[round], ch); }));
    std::set<DWORD> stations;
    for (auto& c : children) stations.insert(c->Receive());
    for (auto& c : children) c->Send(1);
    EXPECT_EQ(stations.size(), static_cast<size_t>(kProcesses));
    for (auto& c : children) EXPECT_EQ(c->Wait(), 0);
    for (int p = 0; p < kProcesses; ++p)
      for (int i = 0; i < counts[round]; ++i) {
        const int fate = Plan::Fate(round, p, i);
        const std::string code = Plan::Code(round, p, i);
        if (fate != 1) expected[code] = Plan::Record(code, Plan::Name(i, fate == 2));
      }
    const IsamCheckReport report = IsamCheckFile(base);
    ASSERT_TRUE(report.Ok()) << report.problems.front();
    const RecordFileImage img = ReadRecordFile(base);
    ASSERT_TRUE(img.faults.empty()) << img.faults.front();
    std::map<std::string, std::string> found;
    EntrySet codes, names;
    for (const auto& [ref, rec] : img.records) {
      const std::string text = rec.substr(4, rec.find('\0', 4) - 4);
      const std::string code = text.substr(0, text.find('|'));
      found[code] = rec;
      codes.insert({code, ref});
      names.insert({text.substr(text.find('|') + 1), ref});
    }
    EXPECT_TRUE(found == expected) << found.size() << " records, expected " << expected.size();
    EXPECT_TRUE(EntrySet(img.keys[0].ordered.begin(), img.keys[0].ordered.end()) == codes);
    EXPECT_TRUE(EntrySet(img.keys[1].ordered.begin(), img.keys[1].ordered.end()) == names);
  }
}
}  // namespace
