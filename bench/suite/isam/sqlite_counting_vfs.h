// SQLite's syncs and busy waits counted, so that the record-file benchmarks can set them beside the
// engine's.  A VFS installed as SQLite's default passes every call to the system's VFS and counts
// each sync it makes: every sync of a file, and the directory syncs the system's VFS adds on its
// own (at the first sync of a rollback journal or write-ahead log it created, and at a delete asked
// to sync its directory); and the time SQLite sleeps waiting for a busy database.
#pragma once

// Installs the counting VFS as SQLite's default (once); databases opened afterwards are counted.
// False when SQLite refused it.
bool InstallSqliteCounters();
// Syncs counted so far in this process.
long SqliteSyncCount();
// Sleeps so far in this process, and their total in microseconds.
long SqliteSleepCount();
long SqliteSleptMicroseconds();
