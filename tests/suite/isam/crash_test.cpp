// Save mode under sudden death: a child process works on the file and kills itself (SIGKILL) at a
// random write; the next open rolls the unfinished operation back.  Every call that had returned
// success is still there, the unfinished one is there whole or not at all, and the file checks.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "isam_test_support.h"
#include "platform/os/random.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"
#include "tests/support/os/child_process.h"

namespace {
constexpr Integer kLength = 40;
enum Op : DWORD { AddRecord = 1, InsertKey, RemoveKey, FreeRecord, Rewrite };
constexpr DWORD kDone = 0xD0D0;

using Entries = std::set<std::pair<std::string, Integer>>;

struct Model {
  std::map<Integer, std::string> records;
  Entries keys[2];
  std::map<Integer, DWORD> keyedBy;   // record -> the seq of its keys

  static std::string KeyText(int key, DWORD seq) {
    return key == 0 ? "K" + std::to_string(seq) : "G" + std::to_string(seq % 7);
  }
};

struct Pending {
  DWORD op = 0, key = 0, ref = 0, seq = 0;
};

// The child's work: adds (record, then two keys), rewrites, deletes (keys, then the record).
int Work(const std::string& base, Model model, UInt64 seed, Channel& ch) {
  RandomSource rnd(seed);
  FaultEnv env;
  env.Arm(FaultEnv::Fault::Kill, 1 + rnd.Random(60));
  EngineScope engine(0, 8);
  IsamFileBlock* fb = OpenFile(base, true);
  if (!fb) return 10;
  auto call = [&](DWORD op, DWORD key, DWORD ref, DWORD seq, const std::function<void()>& f) {
    ch.Send(op | key << 8);
    ch.Send(ref);
    ch.Send(seq);
    f();
    if (!IsamLastOK) _exit(20 + static_cast<int>(op));
    ch.Send(kDone);
  };
  for (DWORD seq = seed * 1000; seq < seed * 1000 + 30; ++seq) {
    const int pick = rnd.Random(100);
    if (model.keyedBy.empty() || pick < 50) {
      Integer ref = 0;
      call(AddRecord, 0, 0, seq, [&] { IsamAddRecord(fb, ref, MakeRecord(kLength, "a" + std::to_string(seq)).data()); });
      ch.Send(static_cast<DWORD>(ref));
      for (int k = 0; k < 2; ++k)
        call(InsertKey, k, ref, seq, [&] { IsamInsertKey(fb, k + 1, ref, Model::KeyText(k, seq)); });
      model.keyedBy[ref] = seq;
      continue;
    }
    auto it = model.keyedBy.begin();
    std::advance(it, rnd.Random(static_cast<Integer>(model.keyedBy.size())));
    const Integer ref = it->first;
    const DWORD keySeq = it->second;
    if (pick < 75) {
      call(Rewrite, 0, ref, seq, [&] { IsamWriteRecord(fb, ref, MakeRecord(kLength, "w" + std::to_string(seq)).data(), false); });
      continue;
    }
    for (int k = 0; k < 2; ++k)
      call(RemoveKey, k, ref, keySeq, [&] { IsamRemoveKey(fb, k + 1, ref, Model::KeyText(k, keySeq)); });
    call(FreeRecord, 0, ref, seq, [&] { IsamFreeRecord(fb, ref); });
    model.keyedBy.erase(it);
  }
  IsamCloseFileBlock(fb);
  return 0;
}

// Applies a finished operation to the model.
void Apply(Model& m, const Pending& p) {
  switch (p.op) {
    case AddRecord: m.records[static_cast<Integer>(p.ref)] = MakeRecord(kLength, "a" + std::to_string(p.seq)); break;
    case InsertKey:
      m.keys[p.key].insert({Model::KeyText(static_cast<int>(p.key), p.seq), static_cast<Integer>(p.ref)});
      if (p.key == 1) m.keyedBy[static_cast<Integer>(p.ref)] = p.seq;
      break;
    case RemoveKey:
      m.keys[p.key].erase({Model::KeyText(static_cast<int>(p.key), p.seq), static_cast<Integer>(p.ref)});
      m.keyedBy.erase(static_cast<Integer>(p.ref));
      break;
    case FreeRecord: m.records.erase(static_cast<Integer>(p.ref)); break;
    case Rewrite: m.records[static_cast<Integer>(p.ref)] = MakeRecord(kLength, "w" + std::to_string(p.seq)); break;
  }
}

bool Matches(const RecordFileImage& img, const Model& m) {
  if (img.records != m.records) return false;
  for (int k = 0; k < 2; ++k)
    if (Entries(img.keys[static_cast<size_t>(k)].ordered.begin(), img.keys[static_cast<size_t>(k)].ordered.end()) != m.keys[k])
      return false;
  return true;
}

TEST(SaveModeCrash, EveryNextOpenRollsBackTheUnfinishedOperation) {
  TempFolder dir;
  const std::string base = dir / "C";
  {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(base, kLength, {{12, 0}, {6, 1}}));
  }
  Model model;
  int killed = 0, rolledBack = 0;
  FaultEnv env;   // no fault: the parent's opens undo without forcing writes to the disk
  for (UInt64 run = 1; run <= 120 && !::testing::Test::HasFailure(); ++run) {
    SCOPED_TRACE(run);
    ChildProcess child([&](Channel& ch) { return Work(base, model, run, ch); });
    Pending pending;
    bool open = false;
    for (DWORD v; (v = child.Receive()) != kChannelClosed;) {
      if (v == kDone) {
        if (pending.op == AddRecord) pending.ref = child.Receive();
        if (pending.ref == kChannelClosed) break;
        Apply(model, pending);
        open = false;
        continue;
      }
      pending = {v & 0xFF, v >> 8, child.Receive(), child.Receive()};
      open = true;
    }
    const int status = child.Wait();
    ASSERT_TRUE(status == 0 || status == 128 + 9) << status;
    killed += status != 0;

    EngineScope engine(0, 8);
    IsamFileBlock* fb = OpenFile(base, true);
    ASSERT_NE(fb, nullptr) << IsamErrorCode;
    IsamCloseFileBlock(fb);
    EXPECT_EQ(FileSize(base + ".DIA"), 1);
    const IsamCheckReport report = IsamCheckFile(base);
    ASSERT_TRUE(report.Ok()) << report.problems.front();
    const RecordFileImage img = ReadRecordFile(base);
    ASSERT_TRUE(img.faults.empty()) << img.faults.front();
    if (Matches(img, model)) {
      rolledBack += open;
      continue;
    }
    // Otherwise the unfinished operation must have completed whole.
    ASSERT_TRUE(open);
    if (pending.op == AddRecord) {
      ASSERT_EQ(img.records.size(), model.records.size() + 1);
      for (const auto& [ref, rec] : img.records)
        if (!model.records.count(ref)) pending.ref = static_cast<DWORD>(ref);
    }
    Apply(model, pending);
    ASSERT_TRUE(Matches(img, model)) << "operation " << pending.op << " on record " << pending.ref;
  }
  EXPECT_GE(killed, 100);
  EXPECT_GT(rolledBack, 0);
}
}  // namespace
