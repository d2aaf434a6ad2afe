// Employee records through the record-file engine beside SQLite: 100,000 records of 2,567 bytes with
// the employee file's five keys are added, each key of each record is searched once, every record
// is rewritten, and every record is deleted with its keys.  The engine runs single-station and in
// network mode (Fileblock lock around every change, as the suite's wrapper takes it), each with and
// without save mode; SQLite holds the same rows and indexes (journal_mode=DELETE, synchronous=OFF)
// with one transaction per statement, and with one transaction per phase.
//
// As in the import, each record is built in one reused buffer before it is handed over: records
// passed from 100,000 separate heap blocks would mostly time the kernel touching fresh user pages.
//
//   isam_vs_sqlite [FOLDER] [COUNT] [RUNS]   RUNS: any of s (single station), n (network mode),
//                  S, N (the same in save mode), p (SQLite per statement), o (SQLite one transaction)
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/suite/isam/employee_rows.h"
#include "suite/isam/isam_engine.h"

namespace {
// 500 page buffers as the payroll import asks, unless ISAM_BENCH_BUFFERS says otherwise.
Integer PoolSize() {
  const char* v = std::getenv("ISAM_BENCH_BUFFERS");
  return v ? std::atoi(v) : 500;
}

enum Phase { Add, Find, Rewrite, Delete, PhaseCount };
const char* const kPhaseNames[PhaseCount] = {"add", "find", "rewrite", "delete"};

struct Result {
  bool ran = false;
  bool ok = true;
  double seconds[PhaseCount] = {};
  double operations[PhaseCount] = {};
};

// Times `body` as phase `p` of `res` over `n` operations.
template <class Body> void Time(Result& res, Phase p, size_t n, Body body) {
  const double t = NowSeconds();
  body();
  res.seconds[p] = SecondsSince(t);
  res.operations[p] = static_cast<double>(n);
}

// The record the rewrite phase stores: the original with its last byte changed.
void Rewritten(std::string& buffer, const EmployeeRow& r) {
  buffer = r.record;
  buffer.back() = 'R';
}

Result RunEngine(const std::string& base, const std::vector<EmployeeRow>& rows, bool network, bool save) {
  Result res;
  res.ran = true;
  IsamInit(network ? 2 : 0, PoolSize());
  const KeyTableEntry keys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
  IsamCreateFileBlock(base, 2567, 5, keys);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, base, false, false, save, network);
  if (!fb) return res.ok = false, res;
  auto lock = [&] { if (network) IsamLockFileBlock(fb); };
  auto unlock = [&] { if (network) IsamUnlockFileBlock(fb); };
  std::vector<Integer> refs(rows.size());
  std::string buffer;
  const size_t n = rows.size();
  Time(res, Add, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      buffer = rows[i].record;
      lock();
      IsamAddRecord(fb, refs[i], buffer.data());
      for (int k = 0; k < 5; ++k) IsamInsertKey(fb, k + 1, refs[i], rows[i].key[k]);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
    IsamFlushFileBlock(fb);
  });
  Time(res, Find, 5 * n, [&] {
    for (int k = 0; k < 5; ++k)
      for (const EmployeeRow& r : rows) {
        Integer ref = 0;
        IsamFindKey(fb, k + 1, ref, r.key[k]);
        res.ok = res.ok && IsamLastOK;
      }
  });
  Time(res, Rewrite, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      Rewritten(buffer, rows[i]);
      lock();
      IsamWriteRecord(fb, refs[i], buffer.data(), false);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
  });
  Time(res, Delete, n, [&] {
    for (size_t i = 0; i < n; ++i) {
      lock();
      for (int k = 0; k < 5; ++k) IsamRemoveKey(fb, k + 1, refs[i], rows[i].key[k]);
      IsamFreeRecord(fb, refs[i]);
      unlock();
      res.ok = res.ok && IsamLastOK;
    }
    IsamFlushFileBlock(fb);
  });
  res.ok = res.ok && IsamUsedRecords(fb) == 0;
  IsamCloseFileBlock(fb);
  IsamExit();
  return res;
}

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  void Text(int i, const std::string& s) { sqlite3_bind_text(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_STATIC); }
  void Blob(int i, const std::string& s) { sqlite3_bind_blob(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_STATIC); }
  void Int(int i, sqlite3_int64 v) { sqlite3_bind_int64(stmt_, i, v); }
  // Runs the statement once; true when it gave `expected` (SQLITE_DONE or SQLITE_ROW).
  bool Step(int expected = SQLITE_DONE) {
    const bool ok = sqlite3_step(stmt_) == expected;
    sqlite3_reset(stmt_);
    return ok;
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

Result RunSqlite(const std::string& path, const std::vector<EmployeeRow>& rows, bool oneTransaction) {
  Result res;
  res.ran = true;
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  res.ok = Exec(db, "PRAGMA journal_mode=DELETE") && Exec(db, "PRAGMA synchronous=OFF") &&
           Exec(db, "CREATE TABLE emp(id INTEGER PRIMARY KEY, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT, k5 TEXT, rec BLOB)") &&
           Exec(db, "CREATE UNIQUE INDEX i1 ON emp(k1)") && Exec(db, "CREATE UNIQUE INDEX i2 ON emp(k2)") &&
           Exec(db, "CREATE INDEX i3 ON emp(k3)") && Exec(db, "CREATE INDEX i4 ON emp(k4)") &&
           Exec(db, "CREATE INDEX i5 ON emp(k5)");
  auto begin = [&] { if (oneTransaction) Exec(db, "BEGIN"); };
  auto commit = [&] { if (oneTransaction) res.ok = Exec(db, "COMMIT") && res.ok; };
  const size_t n = rows.size();
  std::string buffer;
  {
    Statement ins(db, "INSERT INTO emp(id,k1,k2,k3,k4,k5,rec) VALUES(?,?,?,?,?,?,?)");
    Time(res, Add, n, [&] {
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
  Time(res, Find, 5 * n, [&] {
    for (int k = 0; k < 5; ++k) {
      Statement q(db, "SELECT id FROM emp WHERE k" + std::to_string(k + 1) + "=? LIMIT 1");
      for (const EmployeeRow& r : rows) {
        q.Text(1, r.key[k]);
        res.ok = q.Step(SQLITE_ROW) && res.ok;
      }
    }
  });
  {
    Statement upd(db, "UPDATE emp SET rec=? WHERE id=?");
    Time(res, Rewrite, n, [&] {
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
    Time(res, Delete, n, [&] {
      begin();
      for (size_t i = 0; i < n; ++i) {
        del.Int(1, static_cast<sqlite3_int64>(i + 1));
        res.ok = del.Step() && res.ok;
      }
      commit();
    });
  }
  sqlite3_close(db);
  std::remove(path.c_str());
  return res;
}

double Rate(const Result& r, Phase p) { return r.operations[p] / r.seconds[p]; }

void Report(const char* what, const Result& r) {
  if (!r.ran) return;
  std::printf("%-32s", what);
  for (int p = 0; p < PhaseCount; ++p)
    std::printf(" %9.0f/s %6.1fus", Rate(r, static_cast<Phase>(p)), 1e6 / Rate(r, static_cast<Phase>(p)));
  std::printf("%s\n", r.ok ? "" : "  (FAILED)");
}

// Prints a / b per phase (how many times faster a is), when both ran.
void Ratio(const char* what, const Result& a, const Result& b) {
  if (!a.ran || !b.ran) return;
  std::printf("%-32s", what);
  for (int p = 0; p < PhaseCount; ++p) std::printf(" %17.2fx", Rate(a, static_cast<Phase>(p)) / Rate(b, static_cast<Phase>(p)));
  std::printf("\n");
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
  const std::string runs = argc > 3 ? argv[3] : "snpo";
  if (argc > 4 || !std::filesystem::is_directory(folder) || count <= 0 ||
      runs.find_first_not_of("snSNpo") != std::string::npos) {
    std::fprintf(stderr, "usage: isam_vs_sqlite [FOLDER [COUNT [RUNS]]]  (an existing folder, COUNT > 0, RUNS of snSNpo)\n");
    return 2;
  }
  const auto rows = MakeEmployeeRows(count, 42);
  auto wanted = [&](char c) { return runs.find(c) != std::string::npos; };
  Result single, network, singleSave, networkSave, perStatement, oneTx;
  if (wanted('s')) single = RunEngine(folder + "/bench_single", rows, false, false);
  if (wanted('n')) network = RunEngine(folder + "/bench_network", rows, true, false);
  if (wanted('S')) singleSave = RunEngine(folder + "/bench_single_save", rows, false, true);
  if (wanted('N')) networkSave = RunEngine(folder + "/bench_network_save", rows, true, true);
  if (wanted('p')) perStatement = RunSqlite(folder + "/bench_per_statement.db", rows, false);
  if (wanted('o')) oneTx = RunSqlite(folder + "/bench_one_tx.db", rows, true);
  std::printf("%d employee records of 2,567 bytes, five keys, %d page buffers\n%-32s", count, PoolSize(), "");
  for (const char* name : kPhaseNames) std::printf(" %18s", name);
  std::printf("\n");
  Report("engine, single station", single);
  Report("engine, network mode", network);
  Report("engine, single station, save", singleSave);
  Report("engine, network mode, save", networkSave);
  Report("SQLite, transaction per stmt", perStatement);
  Report("SQLite, one transaction", oneTx);
  Ratio("single / SQLite one transaction", single, oneTx);
  Ratio("network / SQLite per statement", network, perStatement);
  Ratio("single save / single", singleSave, single);
  Ratio("network save / network", networkSave, network);
  for (const char* ext : {".DAT", ".IX", ".DIA"})
    for (const char* f : {"/bench_single", "/bench_network", "/bench_single_save", "/bench_network_save"})
      std::remove((folder + f + ext).c_str());
  const bool ok = single.ok && network.ok && singleSave.ok && networkSave.ok && perStatement.ok && oneTx.ok;
  return ok ? 0 : 1;
}
