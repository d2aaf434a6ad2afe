// Opening the SQLite side of the record-file benchmarks.
#include "bench/suite/isam/sqlite_table.h"

#include <fcntl.h>
#include <unistd.h>

bool SqliteExec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

sqlite3* OpenEmployeeDb(const std::string& path, const SqliteMode& mode, bool create) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return sqlite3_close(db), nullptr;
  sqlite3_busy_timeout(db, 60000);
  const std::string pragmas =
      std::string("PRAGMA journal_mode=") + mode.journal + "; PRAGMA synchronous=" + mode.synchronous;
  bool ok = SqliteExec(db, pragmas.c_str());
  if (ok && create)
    ok = SqliteExec(db,
                    "CREATE TABLE emp(id INTEGER PRIMARY KEY, k1 TEXT, k2 TEXT, k3 TEXT, k4 TEXT, k5 TEXT, rec BLOB);"
                    "CREATE UNIQUE INDEX i1 ON emp(k1); CREATE UNIQUE INDEX i2 ON emp(k2);"
                    "CREATE INDEX i3 ON emp(k3); CREATE INDEX i4 ON emp(k4); CREATE INDEX i5 ON emp(k5)");
  if (!ok) sqlite3_close(db), db = nullptr;
  return db;
}

bool SyncDbFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = fdatasync(fd) == 0;
  close(fd);
  return ok;
}
