// The engine's promises to a station that dies at any moment, checked by killing real processes:
// a child station kills itself (SIGKILL: nothing after it reaches the disk) at a random write,
// while in network mode two more stations work on the same file.  Then the file is opened again
// and judged by the tests' independent reader:
//   save mode: the unfinished operation is rolled back (or was finished whole) and nothing that
//     a station was told had succeeded is lost;
//   without save mode (single station, network): the file is consistent, with every acknowledged
//     change and the unfinished one whole or not at all, or it is refused with 10010; never
//     damaged and accepted.  A station that saw 10010 leaves the file refused: no one wrote
//     OpenFlag 0 over the unfinished change.
// A refused file is put back as it was before the run, and the next run goes on from there.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <thread>

#include "isam_test_support.h"
#include "platform/os/clock.h"
#include "platform/os/random.h"
#include "record_file_reader.h"
#include "suite/isam/isam_check.h"
#include "tests/support/os/child_process.h"

namespace {
namespace fs = std::filesystem;
constexpr Integer kLength = 40;
enum Op : DWORD { AddRecord = 1, InsertKey, RemoveKey, FreeRecord, Rewrite };
constexpr DWORD kBegin = 0xB0B0, kDone = 0xD0D0;
constexpr int kRefused = 30;   // a station's exit code after it met 10010

// What is on file, by content: each record holds "code:version"; codes are unique across stations.
struct Model {
  std::map<DWORD, DWORD> records;                       // code -> version
  std::set<std::pair<std::string, DWORD>> keys[2];      // (text, code)

  static std::string KeyText(int key, DWORD code) {
    return key == 0 ? "K" + std::to_string(code) : "G" + std::to_string(code % 7);
  }
  static std::string Content(DWORD code, DWORD version) {
    return MakeRecord(kLength, std::to_string(code) + ":" + std::to_string(version));
  }
  bool operator==(const Model&) const = default;
};

struct Step {
  DWORD op = 0, key = 0, code = 0, version = 0;
};
using Unit = std::vector<Step>;   // what one acknowledgement covers

void Apply(Model& m, const Unit& unit) {
  for (const Step& s : unit) {
    switch (s.op) {
      case AddRecord: case Rewrite: m.records[s.code] = s.version; break;
      case InsertKey: m.keys[s.key].insert({Model::KeyText(static_cast<int>(s.key), s.code), s.code}); break;
      case RemoveKey: m.keys[s.key].erase({Model::KeyText(static_cast<int>(s.key), s.code), s.code}); break;
      case FreeRecord: m.records.erase(s.code); break;
    }
  }
}

struct Row {
  const char* name;
  Byte mode;        // the engine's: 0 single station, 2 network
  bool save;
  bool network;     // the open's network argument (the suite's wrapper always passes it)
  int stations;     // the first is killed; the others work on
  int actions;      // of each station in a run
  int runs;
  long writes;      // the killed station dies at one of its first `writes` writes
  int minKills;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

// A live record of a station: its number in the file and its version.
using Owned = std::map<DWORD, std::pair<Integer, DWORD>>;   // code -> (ref, version)

// Repeats `op` while another station's lock is in the way, giving the others the processor (the
// stations run on a fake clock, so the engine's lock waits do not sleep).
void WithRetry(const std::function<void()>& op) {
  for (;;) {
    op();
    if (IsamLastOK || IsamErrorClass() != 2) return;
    std::this_thread::yield();
  }
}

// One station's work: a number of actions (add a record with two keys, rewrite one, delete one
// with its keys), each under the Fileblock lock.  In save mode every engine call is acknowledged on its own;
// without it an action is, once its lock is released (published).
class Station {
 public:
  // Codes of run r are index * 100,000 + r * 100 + 0..actions - 1.
  Station(const Row& row, int index, int run, Owned owned, Channel& ch)
      : row_(row), index_(index), rnd_(static_cast<UInt64>(run * 10 + index)), owned_(std::move(owned)), ch_(ch),
        seq_(static_cast<DWORD>(index * 100000 + run * 100)) {}

  int Run() {
    FakeClock clock(0.0);
    ScopedClock scoped(clock);
    ScopedRandomSeed seed(static_cast<Integer>(rnd_.Next() & 0x7FFFFFFF));
    FaultEnv env;
    EngineScope engine(row_.mode, 8);
    WithRetry([&] { IsamOpenFileBlock(fb_, base_, false, false, row_.save, row_.network); });
    if (!fb_) return 10;
    ch_.Send(1);
    if (ch_.Receive() == kChannelClosed) return 11;   // every station has opened
    if (index_ == 0) env.Arm(FaultEnv::Fault::Kill, 1 + rnd_.Random(static_cast<Integer>(row_.writes)));
    for (int i = 0; i < row_.actions; ++i)
      if (const int rc = Action(static_cast<DWORD>(i)); rc != 0) return rc;
    IsamCloseFileBlock(fb_);
    return IsamLastOK ? 0 : 12;
  }

  std::string base_;

 private:
  int Action(DWORD i) {
    const DWORD code = seq_++;
    const int pick = rnd_.Random(100);
    Unit unit;
    std::vector<std::function<void()>> calls;
    Integer added = 0;
    if (owned_.empty() || pick < 50) {
      unit = {{AddRecord, 0, code, i}, {InsertKey, 0, code, 0}, {InsertKey, 1, code, 0}};
      calls = {[&] { IsamAddRecord(fb_, added, Model::Content(code, i).data()); },
               [&] { IsamInsertKey(fb_, 1, added, Model::KeyText(0, code)); },
               [&] { IsamInsertKey(fb_, 2, added, Model::KeyText(1, code)); }};
    } else {
      auto it = owned_.begin();
      std::advance(it, rnd_.Random(static_cast<Integer>(owned_.size())));
      const DWORD mine = it->first;
      const Integer ref = it->second.first;
      if (pick < 75) {
        unit = {{Rewrite, 0, mine, 1000 + i}};
        calls = {[&, ref, mine] { IsamWriteRecord(fb_, ref, Model::Content(mine, 1000 + i).data(), false); }};
        it->second.second = 1000 + i;
      } else {
        unit = {{RemoveKey, 0, mine, 0}, {RemoveKey, 1, mine, 0}, {FreeRecord, 0, mine, 0}};
        calls = {[&, ref, mine] { IsamRemoveKey(fb_, 1, ref, Model::KeyText(0, mine)); },
                 [&, ref, mine] { IsamRemoveKey(fb_, 2, ref, Model::KeyText(1, mine)); },
                 [&, ref] { IsamFreeRecord(fb_, ref); }};
        owned_.erase(it);
      }
    }
    WithRetry([&] { IsamLockFileBlock(fb_); });
    if (const int rc = Stopped(0)) return rc;
    if (row_.save) {
      for (size_t s = 0; s < unit.size(); ++s) {
        Send({unit[s]});
        calls[s]();
        if (const int rc = Stopped(unit[s].op)) return rc;
        ch_.Send(kDone);
      }
    } else {
      Send(unit);
      for (const auto& call : calls) {
        call();
        if (const int rc = Stopped(unit.front().op)) return rc;
      }
    }
    IsamUnlockFileBlock(fb_);
    if (const int rc = Stopped(0)) return rc;
    if (!row_.save) ch_.Send(kDone);
    if (unit.front().op == AddRecord) owned_[code] = {added, i};
    return 0;
  }

  void Send(const Unit& unit) {
    ch_.Send(kBegin);
    ch_.Send(static_cast<DWORD>(unit.size()));
    for (const Step& s : unit) {
      ch_.Send(s.op | s.key << 8);
      ch_.Send(s.code);
      ch_.Send(s.version);
    }
  }

  // 0 after a successful call; the station's exit code after a failed one.
  int Stopped(DWORD op) const {
    if (IsamLastOK) return 0;
    if (IsamErrorCode == 10010 && !row_.save) return kRefused;
    std::cerr << "station " << index_ << ": error " << IsamErrorCode << " in operation " << op << "\n";
    return 20 + static_cast<int>(op);
  }

  const Row& row_;
  int index_;
  RandomSource rnd_;
  Owned owned_;
  Channel& ch_;
  DWORD seq_;
  IsamFileBlock* fb_ = nullptr;
};

// The acknowledged units of a station's messages, and the unit it had begun when it ended.
struct Report {
  std::vector<Unit> done;
  Unit pending;
};

Report ReadReport(ChildProcess& child) {
  Report r;
  for (DWORD v; (v = child.Receive()) != kChannelClosed;) {
    if (v == kDone) {
      r.done.push_back(std::move(r.pending));
      r.pending.clear();
      continue;
    }
    if (v != kBegin) break;
    const DWORD n = child.Receive();
    r.pending.assign(n, {});
    for (Step& s : r.pending) {
      const DWORD opKey = child.Receive();
      s = {opKey & 0xFF, opKey >> 8, child.Receive(), child.Receive()};
    }
  }
  return r;
}

// The file's content as the model sees it, and each station's records that hold both keys (the
// ones it may rewrite or delete) with their numbers.
bool Read(const RecordFileImage& img, Model& m, std::vector<Owned>& owned) {
  std::map<Integer, DWORD> codeOf;
  for (const auto& [ref, rec] : img.records) {
    const std::string text = rec.substr(4, rec.find('\0', 4) - 4);
    const DWORD code = static_cast<DWORD>(std::stoul(text.substr(0, text.find(':'))));
    const auto version = static_cast<DWORD>(std::stoul(text.substr(text.find(':') + 1)));
    if (rec != Model::Content(code, version)) return false;
    m.records[code] = version;
    codeOf[ref] = code;
  }
  std::map<Integer, int> keyCount;
  for (int k = 0; k < 2; ++k)
    for (const auto& [text, ref] : img.keys[static_cast<size_t>(k)].ordered) {
      if (!codeOf.count(ref)) return false;
      m.keys[k].insert({text, codeOf[ref]});
      ++keyCount[ref];
    }
  for (const auto& [ref, code] : codeOf)
    if (keyCount[ref] == 2 && code / 100000 < owned.size()) owned[code / 100000][code] = {ref, m.records[code]};
  return true;
}

// Whether the file equals the model with each station's unfinished unit applied whole or not at all.
bool Matches(const Model& found, const Model& model, const std::vector<Unit>& pending) {
  for (unsigned mask = 0; mask < 1u << pending.size(); ++mask) {
    Model m = model;
    for (size_t s = 0; s < pending.size(); ++s)
      if (mask >> s & 1) Apply(m, pending[s]);
    if (m == found) return true;
  }
  return false;
}

void CopyFiles(const std::string& from, const std::string& to) {
  for (const char* ext : {".DAT", ".IX", ".DIA"}) {
    fs::remove(to + ext);
    if (fs::exists(from + ext)) fs::copy_file(from + ext, to + ext);
  }
}

class CrashPromises : public ::testing::TestWithParam<Row> {};

TEST_P(CrashPromises, HoldWhateverMomentAStationDies) {
  const Row& row = GetParam();
  TempFolder dir;
  const std::string base = dir / "C", kept = dir / "KEPT";
  {
    EngineScope engine(0, 8);
    ASSERT_TRUE(CreateFile(base, kLength, {{12, 0}, {6, 1}}));
  }
  Model model;
  std::vector<Owned> owned(static_cast<size_t>(row.stations));
  int killed = 0, kept_whole = 0, refused = 0;
  for (int run = 1; run <= row.runs && !HasFailure(); ++run) {
    SCOPED_TRACE(run);
    CopyFiles(base, kept);
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (int s = 0; s < row.stations; ++s)
      children.push_back(std::make_unique<ChildProcess>([&, s](Channel& ch) {
        Station station(row, s, run, owned[static_cast<size_t>(s)], ch);
        station.base_ = base;
        return station.Run();
      }));
    for (auto& c : children) ASSERT_EQ(c->Receive(), 1u);
    for (auto& c : children) c->Send(0);
    std::vector<Unit> pending;
    Model next = model;
    bool sawRefusal = false;
    for (int s = 0; s < row.stations; ++s) {
      ChildProcess& c = *children[static_cast<size_t>(s)];
      const int status = c.Wait();
      const Report r = ReadReport(c);
      for (const Unit& u : r.done) Apply(next, u);
      if (!r.pending.empty()) pending.push_back(r.pending);
      sawRefusal = sawRefusal || (s > 0 && status == kRefused);
      if (s == 0) killed += status == 128 + 9;
      const bool allowed = status == 0 || (s == 0 && status == 128 + 9) || (s > 0 && !row.save && status == kRefused);
      ASSERT_TRUE(allowed) << "station " << s << " ended with " << status;
    }

    EngineScope engine(0, 8);
    IsamFileBlock* fb = OpenFile(base, row.save);
    if (!fb) {
      ASSERT_FALSE(row.save) << "save mode must roll back, not refuse: " << IsamErrorCode;
      ASSERT_EQ(IsamErrorCode, 10010);
      EXPECT_EQ(ReadRecordFile(base).openFlag, 1);
      ++refused;
      CopyFiles(kept, base);   // go on from the file as it was before the run
      continue;
    }
    ASSERT_FALSE(sawRefusal) << "a station met 10010, yet the file opens";
    IsamCloseFileBlock(fb);
    const IsamCheckReport report = IsamCheckFile(base);
    ASSERT_TRUE(report.Ok()) << report.problems.front();
    const RecordFileImage img = ReadRecordFile(base);
    ASSERT_TRUE(img.faults.empty()) << img.faults.front();
    Model found;
    std::vector<Owned> live(static_cast<size_t>(row.stations));
    ASSERT_TRUE(Read(img, found, live)) << "a record or key the stations never wrote";
    ASSERT_TRUE(Matches(found, next, pending)) << "acknowledged work lost or an unfinished change cut in two";
    kept_whole += !pending.empty();
    model = found;
    owned = live;
  }
  std::cout << row.name << ": " << killed << " kills, " << kept_whole << " files consistent with work unfinished, "
            << refused << " refused with 10010\n";
  EXPECT_GE(killed, row.minKills);
  EXPECT_GT(kept_whole, 0);
  if (!row.save) {
    EXPECT_GT(refused, 0);
  }
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  std::string name;
  for (const char* c = info.param.name; *c; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CrashPromises,
    ::testing::Values(Row{"single station, save mode", 0, true, false, 1, 30, 120, 60, 100},
                      Row{"network, save mode", 2, true, true, 3, 12, 55, 150, 50},
                      Row{"single station", 0, false, true, 1, 30, 60, 150, 50},
                      Row{"network", 2, false, true, 3, 12, 60, 80, 50}),
    RowName);
}  // namespace
