// 100,000 random adds, finds, steps, deletes and rewrites against an in-memory model, with the file
// closed, checked and reopened between batches; once with a large page pool and once with the
// smallest, so that dirty pages are evicted all the time.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "isam_test_support.h"
#include "platform/os/random.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"

namespace {
constexpr Integer kRecordLength = 64;
constexpr int kKeys = 3;   // 1 code (unique), 2 name (duplicates), 3 department (duplicates)

struct Rec {
  std::string key[kKeys];
};

std::string RecordOf(const Rec& r) {
  std::string text;
  for (const auto& k : r.key) text += static_cast<char>(k.size()) + k;
  return MakeRecord(kRecordLength, text);
}

class RandomRun {
 public:
  RandomRun(const std::string& base, UInt64 seed) : base_(base), rnd_(seed) {}

  void Batch(int ops) {
    fb_ = OpenFile(base_);
    ASSERT_NE(fb_, nullptr) << IsamErrorCode;
    for (int i = 0; i < ops && !::testing::Test::HasFailure(); ++i) Step();
    IsamCloseFileBlock(fb_);
    ASSERT_TRUE(IsamLastOK);
    Verify();
  }

 private:
  using Index = std::set<std::pair<std::string, Integer>>;

  void Step() {
    const int pick = rnd_.Random(100);
    if (pick < 30 || model_.empty()) return Add();
    const Integer ref = AnyRef();
    if (pick < 50) return Find(ref);
    if (pick < 65) return Walk(ref);
    if (pick < 80) return Delete(ref);
    return Rewrite(ref);
  }

  Integer AnyRef() {
    auto it = model_.lower_bound(1 + rnd_.Random(maxRef_));
    return it == model_.end() ? model_.begin()->first : it->first;
  }

  Rec NewRec() {
    Rec r;
    r.key[0] = "C" + std::to_string(1000000 + next_++);
    r.key[1] = "N" + std::to_string(rnd_.Random(300));
    r.key[2] = "D" + std::to_string(rnd_.Random(10));
    return r;
  }

  void Add() {
    const Rec r = NewRec();
    Integer ref = 0;
    IsamAddRecord(fb_, ref, RecordOf(r).data());
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    ASSERT_EQ(model_.count(ref), 0u);
    for (int k = 0; k < kKeys; ++k) {
      IsamInsertKey(fb_, k + 1, ref, r.key[k]);
      ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
      index_[k].insert({r.key[k], ref});
    }
    model_[ref] = r;
    maxRef_ = std::max(maxRef_, ref);
  }

  void Find(Integer ref) {
    const int k = rnd_.Random(kKeys);
    const std::string& text = model_[ref].key[k];
    Integer found = 0;
    IsamFindKey(fb_, k + 1, found, text);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    EXPECT_EQ(found, index_[k].lower_bound({text, 0})->second);
    IsamFindKey(fb_, 1, found, "C" + std::to_string(next_ + 5));
    EXPECT_EQ(IsamErrorCode, 10200);
    std::string stored(kRecordLength, '\0');
    IsamReadRecord(fb_, ref, stored.data(), false);
    EXPECT_EQ(stored, RecordOf(model_[ref]));
  }

  // Finds an entry and steps from it, comparing every step with the model's order.
  void Walk(Integer ref) {
    const int k = rnd_.Random(kKeys);
    const Index& index = index_[k];
    Integer found = 0;
    IsamFindKey(fb_, k + 1, found, model_[ref].key[k]);
    auto it = index.lower_bound({model_[ref].key[k], 0});
    ASSERT_EQ(found, it->second);
    std::string text = it->first;
    for (int s = rnd_.Random(20); s >= 0; --s) {
      IsamNextKey(fb_, k + 1, found, text);
      if (++it == index.end()) {
        EXPECT_EQ(IsamErrorCode, 10250);
        return;
      }
      ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
      EXPECT_EQ(std::make_pair(text, found), *it);
    }
  }

  void Delete(Integer ref) {
    for (int k = 0; k < kKeys; ++k) {
      IsamRemoveKey(fb_, k + 1, ref, model_[ref].key[k]);
      ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
      index_[k].erase({model_[ref].key[k], ref});
    }
    IsamFreeRecord(fb_, ref);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    model_.erase(ref);
  }

  void Rewrite(Integer ref) {
    Rec& r = model_[ref];
    const int k = 1 + rnd_.Random(kKeys - 1);
    IsamRemoveKey(fb_, k + 1, ref, r.key[k]);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    index_[k].erase({r.key[k], ref});
    r.key[k] = NewRec().key[k];
    IsamInsertKey(fb_, k + 1, ref, r.key[k]);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
    index_[k].insert({r.key[k], ref});
    IsamWriteRecord(fb_, ref, RecordOf(r).data(), false);
    ASSERT_TRUE(IsamLastOK) << IsamErrorCode;
  }

  void Verify() {
    const IsamCheckReport report = IsamCheckFile(base_);
    EXPECT_TRUE(report.Ok()) << report.problems.front();
    const RecordFileImage img = ReadRecordFile(base_);
    ASSERT_TRUE(img.faults.empty()) << img.faults.front();
    ASSERT_EQ(img.records.size(), model_.size());
    for (const auto& [ref, rec] : model_) EXPECT_EQ(img.records.at(ref), RecordOf(rec)) << ref;
    for (int k = 0; k < kKeys; ++k) {
      const std::vector<std::pair<std::string, Integer>> expected(index_[k].begin(), index_[k].end());
      if (k == 0) {
        // Without duplicates the order is by text alone, which the unique codes make total.
        EXPECT_EQ(img.keys[0].ordered, expected);
      } else {
        EXPECT_EQ(img.keys[static_cast<size_t>(k)].ordered, expected) << "key " << k + 1;
      }
    }
  }

  std::string base_;
  RandomSource rnd_;
  IsamFileBlock* fb_ = nullptr;
  std::map<Integer, Rec> model_;
  Index index_[kKeys];
  Integer maxRef_ = 1;
  int next_ = 0;
};

class RandomOperations : public ::testing::TestWithParam<Integer> {};

TEST_P(RandomOperations, MatchTheModel) {
  TempFolder dir;
  EngineScope engine(0, GetParam());
  ASSERT_TRUE(CreateFile(dir / "R", kRecordLength, {{10, 0}, {12, 1}, {6, 1}}));
  RandomRun run(dir / "R", 20261210 + static_cast<UInt64>(GetParam()));
  for (int batch = 0; batch < 10 && !HasFailure(); ++batch) run.Batch(10000);
}

INSTANTIATE_TEST_SUITE_P(PagePools, RandomOperations, ::testing::Values(500, 8));
}  // namespace
