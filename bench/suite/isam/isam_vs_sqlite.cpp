// Inserts 100,000 employee records with the employee file's five keys, then searches every key of
// every record once: the engine in single-station and in network mode (Fileblock lock around every
// addition, as the suite's wrapper does) beside SQLite with the same rows and indexes
// (journal_mode=DELETE, synchronous=OFF; one transaction per insert, and one for all).
//
//   isam_vs_sqlite [FOLDER] [COUNT] [RUNS]   RUNS: any of s (single station), n (network mode),
//                                            p (SQLite per insert), o (SQLite one transaction)
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/suite/isam/employee_rows.h"
#include "suite/isam/isam_engine.h"

namespace {
// 500 page buffers as the payroll import asks, unless ISAM_BENCH_BUFFERS says otherwise.
Integer PoolSize() {
  const char* v = std::getenv("ISAM_BENCH_BUFFERS");
  return v ? std::atoi(v) : 500;
}

struct Result {
  double insertSeconds = 0, findSeconds = 0;
  bool ok = true;
};

Result RunEngine(const std::string& base, const std::vector<EmployeeRow>& rows, bool network) {
  Result res;
  IsamInit(network ? 2 : 0, PoolSize());
  const KeyTableEntry keys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
  IsamCreateFileBlock(base, 2567, 5, keys);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, base, false, false, false, network);
  if (!fb) return res.ok = false, res;
  double t = NowSeconds();
  for (const EmployeeRow& r : rows) {
    if (network) IsamLockFileBlock(fb);
    Integer ref = 0;
    IsamAddRecord(fb, ref, r.record.data());
    for (int k = 0; k < 5; ++k) IsamInsertKey(fb, k + 1, ref, r.key[k]);
    if (network) IsamUnlockFileBlock(fb);
    res.ok = res.ok && IsamLastOK;
  }
  IsamFlushFileBlock(fb);
  res.insertSeconds = SecondsSince(t);
  t = NowSeconds();
  for (int k = 0; k < 5; ++k)
    for (const EmployeeRow& r : rows) {
      Integer ref = 0;
      IsamFindKey(fb, k + 1, ref, r.key[k]);
      res.ok = res.ok && IsamLastOK;
    }
  res.findSeconds = SecondsSince(t);
  IsamCloseFileBlock(fb);
  IsamExit();
  return res;
}

bool Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

Result RunSqlite(const std::string& path, const std::vector<EmployeeRow>& rows, bool oneTransaction) {
  Result res;
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  res.ok = Exec(db, "PRAGMA journal_mode=DELETE") && Exec(db, "PRAGMA synchronous=OFF") &&
           Exec(db, "CREATE TABLE emp(id INTEGER PRIMARY KEY, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT, k5 TEXT, rec BLOB)") &&
           Exec(db, "CREATE UNIQUE INDEX i1 ON emp(k1)") && Exec(db, "CREATE UNIQUE INDEX i2 ON emp(k2)") &&
           Exec(db, "CREATE INDEX i3 ON emp(k3)") && Exec(db, "CREATE INDEX i4 ON emp(k4)") &&
           Exec(db, "CREATE INDEX i5 ON emp(k5)");
  sqlite3_stmt* ins = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO emp(k1,k2,k3,k4,k5,rec) VALUES(?,?,?,?,?,?)", -1, &ins, nullptr);
  double t = NowSeconds();
  if (oneTransaction) Exec(db, "BEGIN");
  for (const EmployeeRow& r : rows) {
    for (int k = 0; k < 5; ++k) sqlite3_bind_text(ins, k + 1, r.key[k].data(), static_cast<int>(r.key[k].size()), SQLITE_STATIC);
    sqlite3_bind_blob(ins, 6, r.record.data(), static_cast<int>(r.record.size()), SQLITE_STATIC);
    res.ok = res.ok && sqlite3_step(ins) == SQLITE_DONE;
    sqlite3_reset(ins);
  }
  if (oneTransaction) Exec(db, "COMMIT");
  res.insertSeconds = SecondsSince(t);
  sqlite3_finalize(ins);
  t = NowSeconds();
  for (int k = 0; k < 5; ++k) {
    const std::string sql = "SELECT id FROM emp WHERE k" + std::to_string(k + 1) + "=? LIMIT 1";
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &q, nullptr);
    for (const EmployeeRow& r : rows) {
      sqlite3_bind_text(q, 1, r.key[k].data(), static_cast<int>(r.key[k].size()), SQLITE_STATIC);
      res.ok = res.ok && sqlite3_step(q) == SQLITE_ROW;
      sqlite3_reset(q);
    }
    sqlite3_finalize(q);
  }
  res.findSeconds = SecondsSince(t);
  sqlite3_close(db);
  std::remove(path.c_str());
  return res;
}

void Report(const char* what, const Result& r, size_t n) {
  std::printf("%-34s %10.0f inserts/s  %10.0f finds/s%s\n", what, n / r.insertSeconds, 5 * n / r.findSeconds,
              r.ok ? "" : "  (FAILED)");
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
  const std::string runs = argc > 3 ? argv[3] : "snpo";
  const auto rows = MakeEmployeeRows(count, 42);
  auto wanted = [&](char c) { return runs.find(c) != std::string::npos; };
  const Result none{1e-9, 1e-9, true};
  const Result single = wanted('s') ? RunEngine(folder + "/bench_single", rows, false) : none;
  const Result network = wanted('n') ? RunEngine(folder + "/bench_network", rows, true) : none;
  const Result perInsert = wanted('p') ? RunSqlite(folder + "/bench_per_insert.db", rows, false) : none;
  const Result oneTx = wanted('o') ? RunSqlite(folder + "/bench_one_tx.db", rows, true) : none;
  const size_t n = rows.size();
  std::printf("%d employee records of 2,567 bytes, five keys\n", count);
  Report("engine, single station", single, n);
  Report("engine, network mode", network, n);
  Report("SQLite, transaction per insert", perInsert, n);
  Report("SQLite, one transaction", oneTx, n);
  std::printf("single station / SQLite one transaction: inserts %.2fx, finds %.2fx\n",
              oneTx.insertSeconds / single.insertSeconds, oneTx.findSeconds / single.findSeconds);
  std::printf("network mode / SQLite transaction per insert: inserts %.2fx, finds %.2fx\n",
              perInsert.insertSeconds / network.insertSeconds, perInsert.findSeconds / network.findSeconds);
  for (const char* ext : {".DAT", ".IX", ".DIA"})
    for (const char* f : {"/bench_single", "/bench_network"}) std::remove((folder + f + ext).c_str());
  return single.ok && network.ok && perInsert.ok && oneTx.ok ? 0 : 1;
}
