// The employee table in SQLite for the record-file benchmarks: the same rows and the same five
// indexes as the engine's employee file (two unique, three with duplicates).
#pragma once

#include <sqlite3.h>

#include <string>

// How a SQLite side runs: its journal mode, its synchronous setting, and for the timing whether
// each change phase is one transaction (else one per statement) and ends with an fdatasync of the
// database file.
struct SqliteMode {
  const char* journal = "DELETE";
  const char* synchronous = "OFF";
  bool oneTransaction = false;
  bool syncAtEnd = false;
};

bool SqliteExec(sqlite3* db, const char* sql);
// Opens (creating when `create`) the database at `path` with the mode's pragmas and a busy timeout
// for concurrent writers; nullptr on failure.
sqlite3* OpenEmployeeDb(const std::string& path, const SqliteMode& mode, bool create);
// Forces the database file to the disk (fdatasync), as the engine's flush does.
bool SyncDbFile(const std::string& path);

class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  void Text(int i, const std::string& s) {
    sqlite3_bind_text(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
  }
  void Blob(int i, const std::string& s) {
    sqlite3_bind_blob(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
  }
  void Int(int i, sqlite3_int64 v) { sqlite3_bind_int64(stmt_, i, v); }
  // Runs the statement once; true when it gave `expected` (SQLITE_DONE or SQLITE_ROW).
  bool Step(int expected = SQLITE_DONE) {
    const bool ok = sqlite3_step(stmt_) == expected;
    sqlite3_reset(stmt_);
    return ok;
  }
  sqlite3_int64 Column(int i) { return sqlite3_column_int64(stmt_, i); }
  sqlite3_stmt* Handle() { return stmt_; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

inline constexpr const char* kInsertEmployee = "INSERT INTO emp(id,k1,k2,k3,k4,k5,rec) VALUES(?,?,?,?,?,?,?)";
