// Several stations on one file, played by several Fileblocks of one process (their handles conflict
// like those of separate processes) on the injectable clock: publication through the station area,
// lock waits and refusals, record locks, repairs of the area, and save mode in network mode.
#include <gtest/gtest.h>

#include "isam_test_support.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "platform/os/random.h"
#include "suite/isam/isam_check.h"

namespace {
constexpr Integer kLength = 64;

class Stations : public ::testing::Test {
 protected:
  Stations() : clock_(0.0), scoped_(clock_), seed_(5), engine_(2, 500) {
    CreateFile(base_, kLength, EmployeeKeys());
  }
  ~Stations() override {
    for (IsamFileBlock*& fb : open_) if (fb) IsamCloseFileBlock(fb);
  }
  IsamFileBlock* Open(bool save = false) {
    IsamFileBlock* fb = OpenFile(base_, save, true);
    open_.push_back(fb);
    return fb;
  }
  void Close(IsamFileBlock*& fb) {
    for (IsamFileBlock*& o : open_) if (o == fb) o = nullptr;
    IsamCloseFileBlock(fb);
  }
  std::string Dia() { return ReadRawFile(base_ + ".DIA"); }
  std::string Slot(Word station) { return Dia().substr(3 + station, 1); }
  Integer AddWithKey(IsamFileBlock* fb, const std::string& key) {
    Integer ref = 0;
    IsamLockFileBlock(fb);
    IsamAddRecord(fb, ref, MakeRecord(kLength, key).data());
    IsamInsertKey(fb, 1, ref, key);
    IsamUnlockFileBlock(fb);
    EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
    return ref;
  }
  UInt64 Waited(const std::function<void()>& op) {
    const UInt64 before = clock_.TickCount();
    op();
    return clock_.TickCount() - before;
  }

  TempFolder dir_;
  std::string base_ = dir_ / "S";
  FakeClock clock_;
  ScopedClock scoped_;
  ScopedRandomSeed seed_;
  FaultEnv env_;
  EngineScope engine_;
  std::vector<IsamFileBlock*> open_;
};

TEST_F(Stations, OpenDrawsDifferentStationsAndSizesTheArea) {
  IsamFileBlock* a = Open();
  IsamFileBlock* b = Open();
  ASSERT_TRUE(a && b);
  EXPECT_NE(IsamStationNumber(a), IsamStationNumber(b));
  EXPECT_GE(IsamStationNumber(a), 1);
  EXPECT_LE(IsamStationNumber(b), 1000);
  EXPECT_EQ(Dia().size(), 3u + 1001u);
  const std::string seven = dir_ / "K7";
  CreateFile(seven, kLength, std::vector<KeyTableEntry>(7, {5, 0}));
  IsamFileBlock* c = OpenFile(seven, false, true);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(FileSize(seven + ".DIA"), 3 + 1001 * 2);
  IsamCloseFileBlock(c);
}

// A's changes reach B through B's slot: bits 0, the key's and K + 1; B's next read applies them.
TEST_F(Stations, PublicationFlagsTheChangedSections) {
  IsamFileBlock* a = Open();
  IsamFileBlock* b = Open();
  ASSERT_TRUE(a && b);
  Integer ref = 0;
  IsamFindKey(b, 1, ref, "E001");   // B caches key 1's header: empty
  EXPECT_EQ(IsamErrorCode, 10200);
  ref = AddWithKey(a, "E001");
  EXPECT_EQ(Slot(IsamStationNumber(b)), std::string(1, static_cast<char>(0x01 | 0x02 | 0x40)));
  EXPECT_EQ(Slot(IsamStationNumber(a)), std::string(1, '\0'));
  Integer found = 0;
  IsamFindKey(b, 1, found, "E001");
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
  EXPECT_EQ(found, ref);
  EXPECT_EQ(Slot(IsamStationNumber(b)), std::string(1, '\0'));
  std::string rec(kLength, '\0');
  IsamReadRecord(b, ref, rec.data(), false);
  EXPECT_EQ(rec, MakeRecord(kLength, "E001"));
  EXPECT_EQ(IsamUsedRecords(b), 1);
  // A's next change flags B's slot again: A publishes over the slot B cleared, not over what its own
  // last publication wrote.
  const Integer second = AddWithKey(a, "E002");
  EXPECT_EQ(Slot(IsamStationNumber(b)), std::string(1, static_cast<char>(0x01 | 0x02 | 0x40)));
  IsamFindKey(b, 1, found, "E002");
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
  EXPECT_EQ(found, second);
}

// While A holds the Fileblock lock: B's read waits 12 attempts (10399), its Fileblock lock and its
// open 48 (10330, 10355); a change without the lock fails at once (10398).  After A: all succeed.
TEST_F(Stations, FileBlockLockKeepsOthersOut) {
  IsamFileBlock* a = Open();
  IsamFileBlock* b = Open();
  ASSERT_TRUE(a && b);
  const Integer ref = AddWithKey(a, "E001");
  IsamLockFileBlock(a);
  std::string rec(kLength, '\0');
  const struct {
    const char* what;
    std::function<void()> op;
    Integer code;
    long attempts;
    UInt64 waited;
  } cases[] = {
      {"read", [&] { IsamReadRecord(b, ref, rec.data(), false); }, 10399, 12, 704},
      {"find", [&] { Integer r; IsamFindKey(b, 1, r, "E001"); }, 10399, 12, 704},
      {"lock", [&] { IsamLockFileBlock(b); }, 10330, 48, 3008},
      {"open", [&] { IsamFileBlock* c = Open(); EXPECT_EQ(c, nullptr); }, 10355, 48, 3008},
      {"add without the lock", [&] { Integer r; IsamAddRecord(b, r, rec.data()); }, 10398, 0, 0},
      {"insert without the lock", [&] { IsamInsertKey(b, 1, 1, "X"); }, 10398, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const long locksBefore = env_.SystemLocks();
    const UInt64 waited = Waited(c.op);
    EXPECT_EQ(IsamErrorCode, c.code);
    EXPECT_EQ(IsamErrorClass(), c.code == 10398 ? 4 : 2);
    EXPECT_EQ(waited, c.waited);
    // Opening also tries the presence byte etc. after the opening lock fails: count the lock calls.
    EXPECT_GE(env_.SystemLocks() - locksBefore, c.attempts);
    EXPECT_LE(env_.SystemLocks() - locksBefore, c.attempts + 1);
  }
  IsamUnlockFileBlock(a);
  IsamReadRecord(b, ref, rec.data(), false);
  EXPECT_TRUE(IsamLastOK);
  IsamLockFileBlock(b);
  EXPECT_TRUE(IsamLastOK);
  IsamUnlockFileBlock(b);
  EXPECT_NE(Open(), nullptr);
}

TEST_F(Stations, RecordLockHoldsUntilClose) {
  IsamFileBlock* a = Open();
  IsamFileBlock* b = Open();
  ASSERT_TRUE(a && b);
  const Integer ref = AddWithKey(a, "E001");
  IsamLockRecord(a, ref);
  ASSERT_TRUE(IsamLastOK);
  IsamLockRecord(a, ref);   // already held: succeeds at once
  EXPECT_TRUE(IsamLastOK);
  EXPECT_EQ(Waited([&] { IsamLockRecord(b, ref); }), 704u);
  EXPECT_EQ(IsamErrorCode, 10335);
  std::string rec(kLength, '\0');
  IsamReadRecord(b, ref, rec.data(), false);   // the status word is locked: the read is refused
  EXPECT_EQ(IsamErrorCode, 10397);
  Close(a);
  EXPECT_EQ(Waited([&] { IsamLockRecord(b, ref); }), 0u);
  EXPECT_TRUE(IsamLastOK);
  IsamUnlockRecord(b, ref);
  EXPECT_TRUE(IsamLastOK);
}

TEST_F(Stations, RepairsOfTheArea) {
  IsamFileBlock* a = Open();
  ASSERT_NE(a, nullptr);
  const Integer ref = AddWithKey(a, "E001");
  // An area whose word is not 2000 is rebuilt by the next reader: all bits in every other slot.
  PokeByte(base_ + ".DIA", 1, 0);
  Integer found = 0;
  IsamFindKey(a, 1, found, "E001");
  EXPECT_EQ(found, ref);
  std::string dia = Dia();
  ASSERT_EQ(dia.size(), 1004u);
  EXPECT_EQ(dia.substr(1, 2), "\xd0\x07");
  for (Integer s = 0; s <= 1000; ++s)
    EXPECT_EQ(static_cast<unsigned char>(dia[3 + static_cast<size_t>(s)]), s == IsamStationNumber(a) ? 0 : 0xFF) << s;
  // A dialog file that needs repair is refused while another station has the file open.
  WriteRawFile(base_ + ".DIA", std::string(1, '\0'));
  EXPECT_EQ(Open(), nullptr);
  EXPECT_EQ(IsamErrorCode, 10360);
  Close(a);
  IsamFileBlock* c = Open();
  EXPECT_NE(c, nullptr);
  EXPECT_EQ(Dia().size(), 1004u);
}

// Network mode with save mode: the journal replaces the area while the lock is held.
TEST_F(Stations, SaveModeCutsTheAreaWhileLocked) {
  IsamFileBlock* a = Open(true);
  IsamFileBlock* b = Open(true);
  ASSERT_TRUE(a && b);
  IsamLockFileBlock(a);
  EXPECT_EQ(Dia().size(), 1u);
  Integer ref = 0;
  IsamAddRecord(a, ref, MakeRecord(kLength, "E001").data());
  IsamInsertKey(a, 1, ref, "E001");
  EXPECT_EQ(Dia().size(), 1u);
  IsamUnlockFileBlock(a);
  const std::string dia = Dia();
  ASSERT_EQ(dia.size(), 1004u);
  for (Integer s = 0; s <= 1000; ++s)
    EXPECT_EQ(static_cast<unsigned char>(dia[3 + static_cast<size_t>(s)]), s == IsamStationNumber(a) ? 0 : 0xFF) << s;
  Integer found = 0;
  IsamFindKey(b, 1, found, "E001");
  EXPECT_EQ(found, ref);
  EXPECT_EQ(Slot(IsamStationNumber(b)), std::string(1, '\0'));
}
}  // namespace
