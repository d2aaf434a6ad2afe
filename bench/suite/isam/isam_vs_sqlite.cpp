// Employee records through the record-file engine beside SQLite, like for like: 100,000 records of
// 2,567 bytes with the employee file's five keys are added, each key of each record is searched
// once, every record is rewritten, and every record is deleted with its keys.  Each engine side is
// paired with the SQLite side that gives the same guarantees (docs/format-record-file.md lists the
// pairs and why), and the sides run one after another in every round, so that each ratio is taken
// between runs close together; the summary gives the median of every figure and ratio over the
// rounds and the spread (lowest and highest).
//
// As in the import, each record is built in one reused buffer before it is handed over: records
// passed from 100,000 separate heap blocks would mostly time the kernel touching fresh user pages.
//
//   isam_vs_sqlite [FOLDER [COUNT [ROUNDS [SIDES [SAVE COUNT]]]]]
//
// SIDES picks and orders the sides (default all, engine and SQLite alternating):
//   s  engine, single station, changes handed to the system at each phase's end, no sync
//   o  SQLite, one transaction per phase, rollback journal, synchronous=OFF
//   y  engine, single station, each change phase ending with a flush (one fdatasync per file)
//   O  as o, each change phase ending with an fdatasync of the database file
//   n  engine, network mode: the Fileblock lock around every change, each change visible at once
//   f  SQLite, one transaction per statement, journal_mode=OFF, synchronous=OFF
//   d  as f with the rollback journal (journal_mode=DELETE)          (reference)
//   w  as f in WAL mode                                               (reference)
//   v  engine, single station, save mode, syncs skipped               (SAVE COUNT records)
//   j  as d                                                           (SAVE COUNT records)
//   V  engine, single station, save mode                              (SAVE COUNT records)
//   J  as d with synchronous=FULL                                     (SAVE COUNT records)
// Every side searches twice: each search on its own, then all inside one read transaction or lock.
// The summary ends with every side's syncs per phase (SQLite's counted by its file layer in
// sqlite_counting_vfs) and the engine's byte-range lock calls.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/suite/isam/counting_env.h"
#include "bench/suite/isam/employee_rows.h"
#include "bench/suite/isam/sqlite_counting_vfs.h"
#include "bench/suite/isam/sqlite_table.h"
#include "suite/isam/isam_engine.h"

namespace {
// 500 page buffers as the payroll import asks, unless ISAM_BENCH_BUFFERS says otherwise.
Integer PoolSize() {
  const char* v = std::getenv("ISAM_BENCH_BUFFERS");
  return v ? std::atoi(v) : 500;
}

// Find: every search on its own (the engine's network mode takes its read lock for each, SQLite a
// transaction for each).  Find in one: the searches inside one read transaction (SQLite) or inside
// one Fileblock lock (the engine's network mode; single station the same as Find).
enum Phase { Add, Find, FindInOne, Rewrite, Delete, PhaseCount };
const char* const kPhaseNames[PhaseCount] = {"add", "find", "find in one", "rewrite", "delete"};

struct EngineMode {
  bool network = false;
  bool save = false;
  bool syncs = true;       // false: syncs return at once (the changes still reach the system)
  bool flushAtEnd = false;  // each change phase ends with IsamFlushFileBlock
};

struct Side {
  char letter;
  const char* name;
  bool engine;
  EngineMode engineMode;
  SqliteMode sqliteMode;
  bool small;   // runs with the save-mode count
};

const Side kSides[] = {
    {'s', "engine single, no sync", true, {false, false, false, true}, {}, false},
    {'o', "SQLite one tx, no sync", false, {}, {"DELETE", "OFF", true, false}, false},
    {'y', "engine single, sync at end", true, {false, false, true, true}, {}, false},
    {'O', "SQLite one tx, sync at end", false, {}, {"DELETE", "OFF", true, true}, false},
    {'n', "engine network", true, {true, false, true, false}, {}, false},
    {'f', "SQLite per stmt, journal OFF", false, {}, {"OFF", "OFF", false, false}, false},
    {'d', "SQLite per stmt, DELETE", false, {}, {"DELETE", "OFF", false, false}, false},
    {'w', "SQLite per stmt, WAL", false, {}, {"WAL", "OFF", false, false}, false},
    {'v', "engine save, syncs skipped", true, {false, true, false, false}, {}, true},
    {'j', "SQLite per stmt, DELETE", false, {}, {"DELETE", "OFF", false, false}, true},
    {'V', "engine save", true, {false, true, true, false}, {}, true},
    {'J', "SQLite per stmt, DELETE, FULL", false, {}, {"DELETE", "FULL", false, false}, true},
};

// Engine side and SQLite side that give the same guarantees; `reference` pairs are for comparison.
struct Pair {
  char engine, sqlite;
  const char* what;
};
const Pair kPairs[] = {
    {'s', 'o', "single / SQLite one tx, neither syncs"},
    {'y', 'O', "single / SQLite one tx, both sync at end"},
    {'n', 'f', "network / SQLite per stmt, journal OFF"},
    {'n', 'd', "network / SQLite per stmt, DELETE (ref)"},
    {'n', 'w', "network / SQLite per stmt, WAL (ref)"},
    {'v', 'j', "save / SQLite per stmt DELETE, no syncs"},
    {'V', 'J', "save / SQLite per stmt DELETE, syncs"},
};

struct Result {
  bool ok = true;
  double seconds[PhaseCount] = {};
  double operations[PhaseCount] = {};
  IoCounts counts[PhaseCount];   // syncs of every side, lock calls of engine sides
  double Rate(int p) const { return operations[p] / seconds[p]; }
};

// Times `body` as phase `p` of `res` over `n` operations, with the syncs and locks that `counts`
// (the side's running totals) grew by.
template <class Counts, class Body> void Time(Result& res, Counts counts, Phase p, size_t n, Body body) {
  const IoCounts before = counts();
  const double t = NowSeconds();
  body();
  res.seconds[p] = SecondsSince(t);
  res.operations[p] = static_cast<double>(n);
  const IoCounts after = counts();
  res.counts[p] = {after.syncs - before.syncs, after.locks - before.locks};
}

// The record the rewrite phase stores: the original with its last byte changed.
void Rewritten(std::string& buffer, const EmployeeRow& r) {
  buffer = r.record;
  buffer.back() = 'R';
}

void RemoveEngineFiles(const std::string& base) {
  for (const char* ext : {".DAT", ".IX", ".DIA"}) std::remove((base + ext).c_str());
}

Result RunEngine(const std::string& base, const std::vector<EmployeeRow>& rows, const EngineMode& mode) {
  Result res;
  CountingEnv env;
  env.skipSyncs = !mode.syncs;
  IsamSetEnv(&env);
  IsamInit(mode.network ? 2 : 0, PoolSize());
  const KeyTableEntry keys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
  IsamCreateFileBlock(base, 2567, 5, keys);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, base, false, false, mode.save, mode.network);
  if (!fb) {
    IsamExit();
    IsamSetEnv(nullptr);
    return res.ok = false, res;
  }
  auto lock = [&] { if (mode.network) IsamLockFileBlock(fb); };
  auto unlock = [&] { if (mode.network) IsamUnlockFileBlock(fb); };
  auto flush = [&] {
    if (mode.flushAtEnd) IsamFlushFileBlock(fb), res.ok = res.ok && IsamLastOK;
  };
  auto counts = [&] { return env.counts; };
  std::vector<Integer> refs(rows.size());
  std::string buffer;
  const size_t n = rows.size();
  Time(res, counts, Add, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      buffer = rows[i].record;
      lock();
      IsamAddRecord(fb, refs[i], buffer.data());
      for (int k = 0; k < 5; ++k) IsamInsertKey(fb, k + 1, refs[i], rows[i].key[k]);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
    flush();
  });
  auto findAll = [&] {
    for (int k = 0; k < 5; ++k)
      for (size_t i = 0; i < n; ++i) {
        Integer ref = 0;
        IsamFindKey(fb, k + 1, ref, rows[i].key[k]);
        res.ok = res.ok && IsamLastOK && (k > 1 || ref == refs[i]);
      }
  };
  Time(res, counts, Find, 5 * n, findAll);
  Time(res, counts, FindInOne, 5 * n, [&] {
    lock();
    findAll();
    unlock();
  });
  Time(res, counts, Rewrite, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      Rewritten(buffer, rows[i]);
      lock();
      IsamWriteRecord(fb, refs[i], buffer.data(), false);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
    flush();
  });
  Time(res, counts, Delete, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      lock();
      for (int k = 0; k < 5; ++k) IsamRemoveKey(fb, k + 1, refs[i], rows[i].key[k]);
      IsamFreeRecord(fb, refs[i]);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
    flush();
  });
  res.ok = res.ok && IsamUsedRecords(fb) == 0;
  IsamCloseFileBlock(fb);
  IsamExit();
  IsamSetEnv(nullptr);
  RemoveEngineFiles(base);
  return res;
}

Result RunSqlite(const std::string& path, const std::vector<EmployeeRow>& rows, const SqliteMode& mode) {
  Result res;
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) std::remove((path + suffix).c_str());
  sqlite3* db = OpenEmployeeDb(path, mode, true);
  if (!db) return res.ok = false, res;
  long ownSyncs = 0;   // the fdatasync after a commit, made outside SQLite
  auto counts = [&] { return IoCounts{SqliteSyncCount() + ownSyncs, 0}; };
  auto begin = [&] { if (mode.oneTransaction) SqliteExec(db, "BEGIN"); };
  auto commit = [&] {
    if (mode.oneTransaction) res.ok = SqliteExec(db, "COMMIT") && res.ok;
    if (mode.syncAtEnd) res.ok = SyncDbFile(path) && res.ok, ++ownSyncs;
  };
  const size_t n = rows.size();
  std::string buffer;
  {
    Statement ins(db, kInsertEmployee);
    Time(res, counts, Add, n, [&] {
      begin();
      for (size_t i = 0; i < n; ++i) {
        buffer = rows[i].record;
        ins.Int(1, static_cast<sqlite3_int64>(i + 1));
        for (int k = 0; k < 5; ++k) ins.Text(k + 2, rows[i].key[k]);
        ins.Blob(7, buffer);
        res.ok = ins.Step() && res.ok;
      }
      commit();
    });
  }
  auto findAll = [&] {
    for (int k = 0; k < 5; ++k) {
      Statement q(db, "SELECT id FROM emp WHERE k" + std::to_string(k + 1) + "=? LIMIT 1");
      for (size_t i = 0; i < n; ++i) {
        q.Text(1, rows[i].key[k]);
        res.ok = q.Step(SQLITE_ROW) && res.ok;
      }
    }
  };
  Time(res, counts, Find, 5 * n, findAll);
  Time(res, counts, FindInOne, 5 * n, [&] {
    res.ok = SqliteExec(db, "BEGIN") && res.ok;
    findAll();
    res.ok = SqliteExec(db, "COMMIT") && res.ok;
  });
  {
    Statement upd(db, "UPDATE emp SET rec=? WHERE id=?");
    Time(res, counts, Rewrite, n, [&] {
      begin();
      for (size_t i = 0; i < n; ++i) {
        Rewritten(buffer, rows[i]);
        upd.Blob(1, buffer);
        upd.Int(2, static_cast<sqlite3_int64>(i + 1));
        res.ok = upd.Step() && res.ok;
      }
      commit();
    });
  }
  {
    Statement del(db, "DELETE FROM emp WHERE id=?");
    Time(res, counts, Delete, n, [&] {
      begin();
      for (size_t i = 0; i < n; ++i) {
        del.Int(1, static_cast<sqlite3_int64>(i + 1));
        res.ok = del.Step() && res.ok;
      }
      commit();
    });
  }
  sqlite3_close(db);
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) std::remove((path + suffix).c_str());
  return res;
}

const Side* FindSide(char letter) {
  for (const Side& s : kSides)
    if (s.letter == letter) return &s;
  return nullptr;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// "median [lowest-highest]" of a series.
void PrintSpread(const std::vector<double>& v, const char* format) {
  char med[32], lo[32], hi[32];
  std::snprintf(med, sizeof med, format, Median(v));
  std::snprintf(lo, sizeof lo, format, *std::min_element(v.begin(), v.end()));
  std::snprintf(hi, sizeof hi, format, *std::max_element(v.begin(), v.end()));
  std::printf(" %7s [%s-%s]", med, lo, hi);
}

void PrintRound(const Side& side, const Result& r) {
  std::printf("  %c %-30s", side.letter, side.name);
  for (int p = 0; p < PhaseCount; ++p) std::printf(" %10.0f/s", r.Rate(p));
  std::printf("%s\n", r.ok ? "" : "  (FAILED)");
}

void PrintSummary(const std::string& sides, const std::map<char, std::vector<Result>>& results) {
  std::printf("\nMedians over the rounds [lowest-highest], operations per second:\n%-33s", "");
  for (const char* name : kPhaseNames) std::printf(" %-24s", name);
  std::printf("\n");
  for (char c : sides) {
    const Side& side = *FindSide(c);
    const auto& rs = results.at(c);
    std::printf("%c %-31s", c, side.name);
    for (int p = 0; p < PhaseCount; ++p) {
      std::vector<double> rates;
      for (const Result& r : rs) rates.push_back(r.Rate(p));
      PrintSpread(rates, "%.0f");
    }
    std::printf("\n");
  }
  std::printf("\nRatios engine / SQLite within each round, median [lowest-highest]:\n");
  for (const Pair& pair : kPairs) {
    if (!results.count(pair.engine) || !results.count(pair.sqlite)) continue;
    const auto& e = results.at(pair.engine);
    const auto& s = results.at(pair.sqlite);
    std::printf("%-41s", pair.what);
    for (int p = 0; p < PhaseCount; ++p) {
      std::vector<double> ratios;
      for (size_t i = 0; i < e.size() && i < s.size(); ++i) ratios.push_back(e[i].Rate(p) / s[i].Rate(p));
      PrintSpread(ratios, "%.2f");
    }
    std::printf("\n");
  }
  std::printf("\nSyncs (every side) and byte-range lock calls (engine sides) in each phase of the first round,"
              " per operations:\n");
  for (char c : sides) {
    const Side& side = *FindSide(c);
    const Result& r = results.at(c).front();
    std::printf("%c %-31s", c, side.name);
    for (int p = 0; p < PhaseCount; ++p) {
      std::printf("  %s: %ld syncs", kPhaseNames[p], r.counts[p].syncs);
      if (side.engine) std::printf(", %ld locks", r.counts[p].locks);
      std::printf(" / %.0f", r.operations[p]);
    }
    std::printf("\n");
  }
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  const std::string sides = argc > 4 ? argv[4] : "soyOnfdwvjVJ";
  const int saveCount = argc > 5 ? std::atoi(argv[5]) : 2000;
  bool known = !sides.empty();
  for (char c : sides) known = known && FindSide(c) && sides.find(c) == sides.rfind(c);
  if (argc > 6 || !std::filesystem::is_directory(folder) || count <= 0 || rounds <= 0 || saveCount <= 0 || !known) {
    std::fprintf(stderr, "usage: isam_vs_sqlite [FOLDER [COUNT [ROUNDS [SIDES [SAVE COUNT]]]]]  "
                         "(an existing folder, counts > 0, SIDES each once of soyOnfdwvjVJ)\n");
    return 2;
  }
  if (!InstallSqliteCounters()) {
    std::fprintf(stderr, "isam_vs_sqlite: SQLite refused the sync-counting file layer\n");
    return 1;
  }
  const auto rows = MakeEmployeeRows(count, 42);
  const auto saveRows = MakeEmployeeRows(saveCount, 42);
  std::printf("%d employee records of 2,567 bytes (save-mode sides %d), five keys, %d page buffers, %d rounds\n",
              count, saveCount, PoolSize(), rounds);
  std::printf("%-34s", "");
  for (const char* name : kPhaseNames) std::printf(" %12s", name);
  std::printf("\n");
  std::map<char, std::vector<Result>> results;
  bool ok = true;
  for (int round = 1; round <= rounds; ++round) {
    std::printf("round %d\n", round);
    for (char c : sides) {
      const Side& side = *FindSide(c);
      const auto& use = side.small ? saveRows : rows;
      const Result r = side.engine ? RunEngine(folder + "/bench_engine", use, side.engineMode)
                                   : RunSqlite(folder + "/bench_sqlite.db", use, side.sqliteMode);
      PrintRound(side, r);
      std::fflush(stdout);
      ok = ok && r.ok;
      results[c].push_back(r);
    }
  }
  PrintSummary(sides, results);
  return ok ? 0 : 1;
}
