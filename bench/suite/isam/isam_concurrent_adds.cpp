// Throughput of concurrent additions to one record file in network mode beside SQLite in WAL mode:
// 1, 2, 4 and 8 processes each add their share of employee records.  An engine process takes the
// Fileblock lock, adds the record and its five keys and releases the lock, retrying lock conflicts
// as the suite's wrapper does; a SQLite process runs one transaction per record (BEGIN IMMEDIATE,
// synchronous=OFF as the engine's network mode does not sync either, waiting on a busy database).
// Each round runs both sides for every process count one after the other, and afterwards checks
// that nothing was lost: the offline check passes and every record is found by both unique keys
// with its bytes (engine), every row is there once (SQLite).  Each run also says how long the
// processes waited for each other: the engine's pauses between attempts at the Fileblock or opening
// lock, SQLite's sleeps on a busy database.
//
//   isam_concurrent_adds [FOLDER [COUNT [ROUNDS]]]
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/suite/isam/counting_env.h"
#include "bench/suite/isam/employee_rows.h"
#include "bench/suite/isam/sqlite_counting_vfs.h"
#include "bench/suite/isam/sqlite_table.h"
#include "platform/os/random.h"
#include "suite/isam/isam_check.h"
#include "suite/isam/isam_engine.h"

namespace {
constexpr int kProcessCounts[] = {1, 2, 4, 8};
constexpr int kMostProcesses = 8;   // the largest of kProcessCounts
const SqliteMode kWal{"WAL", "OFF", false, false};

// What one worker process waited, left in memory shared with the parent.
struct Waits {
  long count = 0;
  long ms = 0;
};
Waits* sharedWaits = nullptr;   // kMostProcesses slots

// Repeats `op` while it fails with a lock conflict (error class 2).
template <class Op> void Retry(Op op) {
  for (int i = 0; i <= 100000; ++i) {
    op();
    if (IsamLastOK || IsamErrorClass() != 2) return;
  }
}

int EngineWorker(const std::string& base, const std::vector<EmployeeRow>& rows, int slot, size_t first,
                 size_t count) {
  CountingEnv env;
  IsamSetEnv(&env);
  Randomize();
  IsamInit(2, 500);
  IsamFileBlock* fb = nullptr;
  Retry([&] { IsamOpenFileBlock(fb, base, false, false, false, true); });
  if (!fb) return 1;
  std::string buffer;   // one reused record buffer, as in the import
  for (size_t i = first; i < first + count; ++i) {
    buffer = rows[i].record;
    Retry([&] { IsamLockFileBlock(fb); });
    Integer ref = 0;
    IsamAddRecord(fb, ref, buffer.data());
    for (int k = 0; k < 5 && IsamLastOK; ++k) IsamInsertKey(fb, k + 1, ref, rows[i].key[k]);
    const bool ok = IsamLastOK;
    IsamUnlockFileBlock(fb);
    if (!ok || !IsamLastOK) return 2;
  }
  IsamCloseFileBlock(fb);
  IsamExit();
  sharedWaits[slot] = {env.counts.waits, env.counts.waitedMs};
  return IsamLastOK ? 0 : 3;
}

int SqliteWorker(const std::string& path, const std::vector<EmployeeRow>& rows, int slot, size_t first,
                 size_t count) {
  const long sleepsBefore = SqliteSleepCount(), usBefore = SqliteSleptMicroseconds();
  sqlite3* db = OpenEmployeeDb(path, kWal, false);
  if (!db) return 1;
  bool ok = true;
  {
    Statement ins(db, kInsertEmployee);
    for (size_t i = first; i < first + count && ok; ++i) {
      ok = SqliteExec(db, "BEGIN IMMEDIATE");
      ins.Int(1, static_cast<sqlite3_int64>(i + 1));
      for (int k = 0; k < 5; ++k) ins.Text(k + 2, rows[i].key[k]);
      ins.Blob(7, rows[i].record);
      ok = ok && ins.Step() && SqliteExec(db, "COMMIT");
    }
  }
  sqlite3_close(db);
  sharedWaits[slot] = {SqliteSleepCount() - sleepsBefore, (SqliteSleptMicroseconds() - usBefore) / 1000};
  return ok ? 0 : 2;
}

// Runs `worker(slot, first, count)` in `procs` processes; true when every one succeeded.  `waits`
// gets the sum of what they waited.
template <class Worker> bool InProcesses(int procs, size_t share, Waits& waits, Worker worker) {
  for (int p = 0; p < procs; ++p) sharedWaits[p] = {};
  for (int p = 0; p < procs; ++p)
    if (fork() == 0) _exit(worker(p, static_cast<size_t>(p) * share, share));
  bool ok = true;
  for (int p = 0; p < procs; ++p) {
    int status = 0;
    wait(&status);
    ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  waits = {};
  for (int p = 0; p < procs; ++p) waits.count += sharedWaits[p].count, waits.ms += sharedWaits[p].ms;
  return ok;
}

void RemoveFiles(const std::string& base, const std::string& db) {
  for (const char* ext : {".DAT", ".IX", ".DIA"}) std::remove((base + ext).c_str());
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((db + suffix).c_str());
}

bool EngineLostNothing(const std::string& base, const std::vector<EmployeeRow>& rows, size_t added) {
  if (!IsamCheckFile(base).Ok()) return false;
  IsamInit(0, 500);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, base, false, false, false, false);
  bool ok = fb && IsamUsedRecords(fb) == static_cast<Integer>(added);
  std::string record(2567, '\0');
  for (size_t i = 0; i < added && ok; ++i) {
    Integer byCode = 0, byId = 0;
    IsamFindKey(fb, 1, byCode, rows[i].key[0]);
    IsamFindKey(fb, 2, byId, rows[i].key[1]);
    IsamReadRecord(fb, byCode, record.data(), false);
    ok = IsamLastOK && byCode == byId && record == rows[i].record;
  }
  if (fb) IsamCloseFileBlock(fb);
  IsamExit();
  return ok;
}

bool SqliteLostNothing(const std::string& path, size_t added) {
  sqlite3* db = OpenEmployeeDb(path, kWal, false);
  if (!db) return false;
  bool ok = false;
  {
    Statement q(db, "SELECT COUNT(*), COUNT(DISTINCT id), MIN(id), MAX(id) FROM emp");
    const auto n = static_cast<sqlite3_int64>(added);
    ok = sqlite3_step(q.Handle()) == SQLITE_ROW && q.Column(0) == n && q.Column(1) == n && q.Column(2) == 1 &&
         q.Column(3) == n;
  }
  sqlite3_close(db);
  return ok;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const int total = argc > 2 ? std::atoi(argv[2]) : 40000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  if (argc > 4 || !std::filesystem::is_directory(folder) || total < 8 || rounds < 1) {
    std::fprintf(stderr, "usage: isam_concurrent_adds [FOLDER [COUNT [ROUNDS]]]  (an existing folder, COUNT >= 8)\n");
    return 2;
  }
  void* shared = mmap(nullptr, sizeof(Waits) * kMostProcesses, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS,
                      -1, 0);
  if (shared == MAP_FAILED || !InstallSqliteCounters()) {
    std::fprintf(stderr, "isam_concurrent_adds: no shared memory or no counting SQLite file layer\n");
    return 1;
  }
  sharedWaits = static_cast<Waits*>(shared);
  const std::string base = folder + "/bench_concurrent";
  const std::string db = folder + "/bench_concurrent.db";
  const auto rows = MakeEmployeeRows(total, 7);
  std::vector<double> engineRates[4], sqliteRates[4], ratios[4];
  bool allOk = true;
  for (int round = 1; round <= rounds; ++round) {
    for (int c = 0; c < 4; ++c) {
      const int procs = kProcessCounts[c];
      const size_t share = rows.size() / static_cast<size_t>(procs);
      const size_t added = share * static_cast<size_t>(procs);
      RemoveFiles(base, db);
      IsamInit(0, 8);
      const KeyTableEntry keys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
      IsamCreateFileBlock(base, 2567, 5, keys);
      IsamExit();
      Waits engineWaits, sqliteWaits;
      double t = NowSeconds();
      bool ok = InProcesses(procs, share, engineWaits, [&](int slot, size_t first, size_t n) {
        return EngineWorker(base, rows, slot, first, n);
      });
      const double engine = static_cast<double>(added) / SecondsSince(t);
      ok = EngineLostNothing(base, rows, added) && ok;
      sqlite3* created = OpenEmployeeDb(db, kWal, true);
      ok = created && ok;
      sqlite3_close(created);
      t = NowSeconds();
      ok = InProcesses(procs, share, sqliteWaits, [&](int slot, size_t first, size_t n) {
             return SqliteWorker(db, rows, slot, first, n);
           }) && ok;
      const double sqlite = static_cast<double>(added) / SecondsSince(t);
      ok = SqliteLostNothing(db, added) && ok;
      std::printf("round %d, %d process(es): engine %8.0f adds/s, SQLite WAL %8.0f adds/s, %.2fx%s\n", round, procs,
                  engine, sqlite, engine / sqlite, ok ? "" : "  FAILED");
      std::printf("    waits: engine %ld pauses, %.2f s in all; SQLite %ld sleeps, %.2f s in all\n", engineWaits.count,
                  engineWaits.ms / 1000.0, sqliteWaits.count, sqliteWaits.ms / 1000.0);
      std::fflush(stdout);
      engineRates[c].push_back(engine);
      sqliteRates[c].push_back(sqlite);
      ratios[c].push_back(engine / sqlite);
      allOk = allOk && ok;
    }
  }
  std::printf("\nmedians [lowest-highest ratio]\n");
  for (int c = 0; c < 4; ++c)
    std::printf("%d process(es): engine %8.0f adds/s, SQLite WAL %8.0f adds/s, %.2fx [%.2f-%.2f]\n",
                kProcessCounts[c], Median(engineRates[c]), Median(sqliteRates[c]), Median(ratios[c]),
                *std::min_element(ratios[c].begin(), ratios[c].end()),
                *std::max_element(ratios[c].begin(), ratios[c].end()));
  RemoveFiles(base, db);
  return allOk ? 0 : 1;
}
