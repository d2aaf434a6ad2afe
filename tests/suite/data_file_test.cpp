#include "suite/data_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "tests/support/suite/recording_user_interface.h"
#include "suite/cfg_settings.h"
#include "suite/isam/isam_check.h"
#include "suite/isam/isam_env.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/platform_isam_env.h"
#include "suite/lock_retry.h"
#include "suite/program_end.h"
#include "tests/support/suite/suite_folder_fixture.h"
#include "tests/support/os/child_process.h"
#include "tests/support/suite/lock_holding_station.h"

namespace {

using Entry = RecordingUserInterface::Entry;

// Test records: a status word, then three keys, each a text of 10 at 4 + 11 * (k - 1).
constexpr Integer kLength = 40;
constexpr Word kKeyCount = 3;
constexpr KeyTableEntry kKeys[] = {{10, 0}, {10, 0}, {10, 0}};
using Record = std::array<Byte, kLength>;

Record MakeRecord(const std::string& k1, const std::string& k2, const std::string& k3) {
  Record r{};
  const std::string keys[] = {k1, k2, k3};
  for (int k = 0; k < 3; ++k) {
    r[static_cast<size_t>(4 + 11 * k)] = static_cast<Byte>(keys[k].size());
    std::memcpy(r.data() + 5 + 11 * k, keys[k].data(), keys[k].size());
  }
  return r;
}

std::string RecordKey(const void* record, SmallInt keyNo) {
  const auto* r = static_cast<const Byte*>(record);
  const Byte* field = r + 4 + 11 * (keyNo - 1);
  return std::string(reinterpret_cast<const char*>(field + 1), field[0]);
}

std::string Opening(const std::string& what) { return std::string("กำลังเปิดแฟ้มข้อมูล "_cp874) + what; }

class DataFile : public SuiteFolderFixture {
 protected:
  void SetUp() override {
    SuiteFolderFixture::SetUp();
    SaveModeSwitch = false;
    FlushAfterChange = false;
    LockRetryTimeLimitMs = 2000;
  }
  void TearDown() override {
    IsamExit();
    SaveModeSwitch = true;
    FlushAfterChange = true;
    LockRetryTimeLimitMs = kDefaultLockRetryTimeLimitMs;
    SuiteFolderFixture::TearDown();
  }
  void Start() { ASSERT_GT(IsamInit(2, 500), 0); }
  void OpenTestFile(IsamFileBlock*& fb, const std::string& name = "TESTFILE") {
    OpenDataFile(fb, name, kLength, kKeyCount, kKeys);
    ASSERT_TRUE(DataFileCallOK);
  }
  std::vector<Entry> WithoutProgress(const RecordingUserInterface& ui) const {
    std::vector<Entry> entries;
    for (const Entry& e : ui.transcript)
      if (e.call != "progress") entries.push_back(e);
    return entries;
  }

  FakeClock clock_{46000.0};
  ScopedClock installed_{clock_};
};

TEST_F(DataFile, AMissingFileIsCreatedOnceAndOpenedAndEachOpenIsAnnounced) {
  struct Case {
    const char* name;
    const char* shown;
  };
  const Case cases[] = {{"TESTFILE", "TESTFILE.DAT"}, {"~TMP0001", "Temporary File"}};
  Start();
  for (const Case& c : cases) {
    RecordingUserInterface ui;
    IsamFileBlock* fb = nullptr;
    OpenTestFile(fb, c.name);
    EXPECT_TRUE(std::filesystem::exists(program_ / (std::string(c.name) + ".DAT")));
    EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"progress", 0, Opening(c.shown)}, {"progress", 0, Opening(c.shown)}}));
    CloseDataFile(fb);
    EXPECT_TRUE(DataFileCallOK);
  }
  EXPECT_FALSE(ProgramEndRequested());
}

TEST_F(DataFile, ARecordLengthAbove6000IsRefusedAndEndsTheProgramBeforeAnythingIsOpened) {
  Start();
  RecordingUserInterface ui;
  IsamFileBlock* fb = nullptr;
  OpenDataFile(fb, "X", 6001, kKeyCount, kKeys);
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(ui.transcript,
            (std::vector<Entry>{{"message", MessageKindError, "X: Record size too big.! (Size = 6001, Max = 6000)"}}));
  EXPECT_FALSE(std::filesystem::exists(program_ / "X.DAT"));
  EXPECT_EQ(ProgramExitCode(), 1);
}

// An environment in which the data file never opens, although it can be created.
class DataFileNeverOpens final : public IsamEnv {
 public:
  DWORD Open(const std::string& name, IsamAccess access, bool shared, std::unique_ptr<IsamIoFile>& file) override {
    if (name.ends_with(".DAT")) return ERROR_FILE_NOT_FOUND;
    return base_.Open(name, access, shared, file);
  }
  DWORD Create(const std::string& name, std::unique_ptr<IsamIoFile>& file) override {
    if (name.ends_with(".DAT")) ++dataCreates;
    return base_.Create(name, file);
  }
  DWORD Delete(const std::string& name) override { return base_.Delete(name); }
  void Sleep(DWORD ms) override { base_.Sleep(ms); }
  DWORD RandomFrom1(DWORD n) override { return base_.RandomFrom1(n); }

  int dataCreates = 0;

 private:
  PlatformIsamEnv base_;
};

TEST_F(DataFile, AFileStillMissingAfterItWasCreatedIsFatalAndTheCompanyIsNoLongerChosenAutomatically) {
  CfgSettings.OpenCompanySelect = true;
  DataFileNeverOpens env;
  IsamSetEnv(&env);
  Start();
  RecordingUserInterface ui;
  IsamFileBlock* fb = nullptr;
  testing::internal::CaptureStdout();
  OpenDataFile(fb, "TESTFILE", kLength, kKeyCount, kKeys);
  testing::internal::GetCapturedStdout();
  IsamExit();
  IsamSetEnv(nullptr);
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(env.dataCreates, 1);
  EXPECT_EQ(WithoutProgress(ui), (std::vector<Entry>{{"message", MessageKindError, "9903: File not found"},
                                                     {"message", MessageKindError,
                                                      std::string("ไม่สามารถเปิดแฟ้มข้อมูล TESTFILE ได้."_cp874)}}));
  EXPECT_EQ(ProgramExitCode(), 1);
  EXPECT_NE(ReadBytes(CfgPath()).find("OPENCOMPANY_SELECT=0"), std::string::npos);
}

TEST_F(DataFile, AnAddWhoseLaterKeyIsADuplicateLeavesTheFileAsBefore) {
  Start();
  RecordingUserInterface ui;
  IsamFileBlock* fb = nullptr;
  OpenTestFile(fb);
  const Record first = MakeRecord("a1", "a2", "a3");
  Integer firstRef = 0;
  AddDataRecord(fb, RecordKey, kKeyCount, firstRef, first.data());
  ASSERT_TRUE(DataFileCallOK);

  const Record clash = MakeRecord("b1", "b2", "a3");
  Integer clashRef = 0;
  AddDataRecord(fb, RecordKey, kKeyCount, clashRef, clash.data());
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(IsamErrorCode, 10230) << "the cause survives the clean-up";
  EXPECT_NE(clashRef, firstRef);
  for (const auto& [keyNo, text] : {std::pair{1, "b1"}, std::pair{2, "b2"}}) {
    Integer ref = 0;
    FindDataKey(fb, keyNo, ref, text);
    EXPECT_FALSE(DataFileCallOK) << text;
    EXPECT_EQ(IsamErrorCode, 10200) << text;
  }
  EXPECT_EQ(IsamUsedRecords(fb), 1);

  // The record went back on the free chain: a put refuses it, the next add takes it.
  const std::string before = ReadBytes(program_ / "TESTFILE.DAT");
  PutDataRecord(fb, clashRef, MakeRecord("c1", "c2", "c3").data());
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(PutStatus, kPutRecordFree);
  CloseDataFile(fb);
  EXPECT_EQ(ReadBytes(program_ / "TESTFILE.DAT"), before);
  const IsamCheckReport report = IsamCheckFile((program_ / "TESTFILE").string());
  EXPECT_TRUE(report.Ok());
  for (const std::string& note : report.notes)
    EXPECT_EQ(note.find("not listed"), std::string::npos) << "a record without its keys: " << note;

  OpenTestFile(fb);
  Integer reused = 0;
  AddDataRecord(fb, RecordKey, kKeyCount, reused, MakeRecord("c1", "c2", "c3").data());
  EXPECT_TRUE(DataFileCallOK);
  EXPECT_EQ(reused, clashRef);
  EXPECT_TRUE(WithoutProgress(ui).empty()) << "a duplicate is no fatal error";
  EXPECT_FALSE(ProgramEndRequested());
}

// A key builder that gives key 1 another text every time it is asked, so that the key inserted
// first cannot be found again when an add is undone.
int builds = 0;
std::string DriftingKey(const void* record, SmallInt keyNo) {
  return keyNo == 1 ? "d" + std::to_string(++builds) : RecordKey(record, keyNo);
}

TEST_F(DataFile, AKeyThatCannotBeRemovedWhenAnAddIsUndoneIsFatal) {
  Start();
  IsamFileBlock* fb = nullptr;
  OpenTestFile(fb);
  Integer ref = 0;
  AddDataRecord(fb, RecordKey, kKeyCount, ref, MakeRecord("a1", "a2", "a3").data());
  RecordingUserInterface ui;
  testing::internal::CaptureStdout();
  AddDataRecord(fb, DriftingKey, kKeyCount, ref, MakeRecord("", "a2", "b3").data());
  testing::internal::GetCapturedStdout();
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(IsamErrorCode, 10230) << "the cause of the failed add";
  EXPECT_EQ(WithoutProgress(ui), (std::vector<Entry>{{"message", MessageKindError, "10220: Key to delete was not found"},
                                                     {"message", MessageKindError, ""}}));
  EXPECT_EQ(ProgramExitCode(), 1);
  CloseDataFile(fb);
}

TEST_F(DataFile, PutRewritesALiveRecordAndASearchMissIsQuiet) {
  Start();
  RecordingUserInterface ui;
  IsamFileBlock* fb = nullptr;
  OpenTestFile(fb);
  Integer ref = 0;
  AddDataRecord(fb, RecordKey, kKeyCount, ref, MakeRecord("a1", "a2", "a3").data());
  Record changed = MakeRecord("a1", "a2", "a3");
  changed[kLength - 1] = 0x5A;
  PutDataRecord(fb, ref, changed.data());
  EXPECT_TRUE(DataFileCallOK);
  EXPECT_EQ(PutStatus, 0);
  Integer found = 0;
  FindDataKey(fb, 3, found, "a3");
  ASSERT_TRUE(DataFileCallOK);
  Record read{};
  GetDataRecord(fb, found, read.data());
  EXPECT_TRUE(DataFileCallOK);
  EXPECT_EQ(read, changed);
  FindDataKey(fb, 1, found, "zz");
  EXPECT_FALSE(DataFileCallOK);
  EXPECT_EQ(IsamErrorCode, 10200);
  EXPECT_TRUE(WithoutProgress(ui).empty());
  CloseDataFile(fb);
}

TEST_F(DataFile, WithAnotherStationHoldingTheLockTheUserDecidesAfterABoundedWait) {
  for (const bool yes : {false, true}) {
    const std::string name = (program_ / (yes ? "YESFILE" : "NOFILE")).string();
    ChildProcess holder([&](Channel& channel) { return HoldFileBlockLock(channel, name); });
    Start();
    IsamFileBlock* fb = nullptr;
    OpenTestFile(fb, name);
    holder.Send(kGo);
    ASSERT_EQ(holder.Receive(), kLocked);

    RecordingUserInterface ui;
    ui.answers = {yes};
    if (yes) ui.beforeAnswer = [&] {
      holder.Send(kRelease);
      ASSERT_EQ(holder.Receive(), kReleased);
    };
    const UInt64 start = clock_.TickCount();
    Integer ref = 0;
    AddDataRecord(fb, RecordKey, kKeyCount, ref, MakeRecord("k1", "k2", "k3").data());
    EXPECT_EQ(DataFileCallOK, yes);
    EXPECT_EQ(WithoutProgress(ui).size(), 1u) << "one question";
    EXPECT_GE(clock_.TickCount() - start, 2000u);
    EXPECT_LT(clock_.TickCount() - start, 10000u) << "bounded on the clock";
    EXPECT_EQ(ProgramExitCode(), yes ? 0 : 1);
    if (!yes) {
      holder.Send(kRelease);
      ASSERT_EQ(holder.Receive(), kReleased);
    }
    Integer found = 0;
    FindDataKey(fb, 1, found, "k1");
    EXPECT_EQ(DataFileCallOK, yes) << "No adds nothing";
    holder.Send(kEnd);
    EXPECT_EQ(holder.Wait(), 0);
    CloseDataFile(fb);
    IsamExit();
    ResetProgramEnd();
  }
}

}  // namespace
