// Save mode: a write that fails anywhere inside an operation is rolled back from the journal; the
// operation reports its save-mode number and the file is logically as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "isam_test_support.h"
#include "platform/os/clock.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"

namespace {
namespace fs = std::filesystem;
constexpr Integer kLength = 48;

// What "logically the same" compares: headers, chains, entries, live records.
std::string Logical(const std::string& base) {
  const RecordFileImage img = ReadRecordFile(base);
  std::string s = std::to_string(img.freeHead) + "/" + std::to_string(img.freeCount) + "/" +
                  std::to_string(img.allocated) + ";";
  for (Integer n : img.freeRecords) s += std::to_string(n) + ",";
  for (const auto& [n, rec] : img.records) s += std::to_string(n) + "=" + rec + ";";
  for (const ReaderKey& k : img.keys) {
    s += "|" + std::to_string(k.freeHead) + "/" + std::to_string(k.freeCount) + "/" + std::to_string(k.pages) + "/" +
         std::to_string(k.root) + "/" + std::to_string(k.entries) + ":";
    for (Integer p : k.freePages) s += std::to_string(p) + ",";
    for (const auto& [text, ref] : k.ordered) s += text + "@" + std::to_string(ref) + ",";
  }
  for (const auto& f : img.faults) s += "FAULT " + f;
  return s;
}

void Copy(const std::string& from, const std::string& to) {
  for (const char* ext : {".DAT", ".IX", ".DIA"}) {
    fs::remove(to + ext);
    if (fs::exists(from + ext)) fs::copy_file(from + ext, to + ext);
  }
}

struct Operation {
  const char* what;
  std::function<void(IsamFileBlock*)> run;
  Integer undone;
};

class SaveMode : public ::testing::TestWithParam<bool> {
 protected:
  // 300 records with keys, every third one deleted again, so that chains and merges are in play.
  void Prepare() {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(templ_, kLength, {{10, 0}, {12, 1}}));
    IsamFileBlock* fb = OpenFile(templ_);
    for (int i = 0; i < 300; ++i) {
      Integer ref = 0;
      const std::string code = "C" + std::to_string(1000 + i * 7 % 300);
      IsamAddRecord(fb, ref, MakeRecord(kLength, code).data());
      IsamInsertKey(fb, 1, ref, code);
      IsamInsertKey(fb, 2, ref, "N" + std::to_string(i % 17));
    }
    for (int i = 0; i < 300; i += 3) {
      const std::string code = "C" + std::to_string(1000 + i * 7 % 300);
      IsamRemoveKey(fb, 1, i + 1, code);
      IsamRemoveKey(fb, 2, i + 1, "N" + std::to_string(i % 17));
      IsamFreeRecord(fb, i + 1);
    }
    IsamAddRecord(fb, keyless_, MakeRecord(kLength, "no keys").data());
    IsamCloseFileBlock(fb);
    ASSERT_TRUE(IsamLastOK);
  }

  TempFolder dir_;
  std::string templ_ = dir_ / "TEMPLATE";
  std::string base_ = dir_ / "F";
  Integer keyless_ = 0;   // a record that no key lists
};

TEST_P(SaveMode, FailedWritesAreRolledBack) {
  const bool network = GetParam();
  Prepare();
  const Operation ops[] = {
      {"add record", [](IsamFileBlock* fb) { Integer r; IsamAddRecord(fb, r, MakeRecord(kLength, "new").data()); }, 10001},
      {"free record", [this](IsamFileBlock* fb) { IsamFreeRecord(fb, keyless_); }, 10002},
      {"insert key", [](IsamFileBlock* fb) { IsamInsertKey(fb, 1, 5, "C1000a"); }, 10003},
      {"insert duplicate key", [this](IsamFileBlock* fb) { IsamInsertKey(fb, 2, keyless_, "N3"); }, 10003},
      {"remove key", [](IsamFileBlock* fb) { IsamRemoveKey(fb, 1, 0, "C1014"); }, 10004},
      {"remove duplicate key", [](IsamFileBlock* fb) { IsamRemoveKey(fb, 2, 2, "N1"); }, 10004},
  };
  FakeClock clock(0.0);
  ScopedClock scoped(clock);
  FaultEnv env;
  EngineScope engine(network ? 2 : 0, 8);
  for (const Operation& op : ops) {
    SCOPED_TRACE(op.what);
    // A clean run counts the writes of the operation (after the lock, as the wrapper takes it).
    Copy(templ_, base_);
    IsamFileBlock* fb = OpenFile(base_, true, network);
    ASSERT_NE(fb, nullptr) << IsamErrorCode;
    IsamLockFileBlock(fb);
    const std::string before = Logical(base_);
    env.Count("");
    op.run(fb);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    const long writes = env.Writes();
    IsamUnlockFileBlock(fb);
    IsamCloseFileBlock(fb);
    ASSERT_TRUE(Logical(base_) != before);
    EXPECT_TRUE(IsamCheckFile(base_).Ok());
    for (long n = 1; n <= writes; ++n) {
      SCOPED_TRACE(n);
      Copy(templ_, base_);
      fb = OpenFile(base_, true, network);
      IsamLockFileBlock(fb);
      env.Arm(FaultEnv::Fault::Fail, n);
      op.run(fb);
      EXPECT_EQ(IsamErrorCode, op.undone);
      env.Disarm();
      EXPECT_EQ(FileSize(base_ + ".DIA"), 1);
      EXPECT_TRUE(Logical(base_) == before);
      IsamUnlockFileBlock(fb);
      IsamCloseFileBlock(fb);
      EXPECT_TRUE(Logical(base_) == before);
      const IsamCheckReport report = IsamCheckFile(base_);
      EXPECT_TRUE(report.Ok()) << report.problems.front();
      if (HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, SaveMode, ::testing::Values(false, true));

// Single station, an operation syncs its journal before the first change and after cutting it, and
// of the data and index files only the one it wrote: a sync of an unchanged file still costs a
// disk flush.
TEST(SaveModeSyncs, AnOperationSyncsOnlyTheFilesItWrote) {
  TempFolder dir;
  FaultEnv env;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "F", kLength, {{10, 0}}));
  IsamFileBlock* fb = OpenFile(dir / "F", true);
  ASSERT_NE(fb, nullptr);
  auto extensions = [&] {
    std::vector<std::string> ext;
    for (const std::string& name : env.TakeFlushed()) ext.push_back(fs::path(name).extension().string());
    return ext;
  };
  // After the open every file is synced once (nothing says what the open left unsynced).
  Integer ref = 0;
  IsamAddRecord(fb, ref, MakeRecord(kLength, "A").data());
  EXPECT_EQ(extensions(), (std::vector<std::string>{".DIA", ".DAT", ".IX", ".DIA"}));
  IsamInsertKey(fb, 1, ref, "A");
  EXPECT_EQ(extensions(), (std::vector<std::string>{".DIA", ".IX", ".DIA"}));
  IsamAddRecord(fb, ref, MakeRecord(kLength, "B").data());
  EXPECT_EQ(extensions(), (std::vector<std::string>{".DIA", ".DAT", ".DIA"}));
  IsamInsertKey(fb, 1, ref, "B");
  EXPECT_EQ(extensions(), (std::vector<std::string>{".DIA", ".IX", ".DIA"}));
  IsamCloseFileBlock(fb);
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
  EXPECT_TRUE(IsamCheckFile(dir / "F").Ok());
}
}  // namespace
