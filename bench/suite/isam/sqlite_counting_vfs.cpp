// A pass-through VFS that counts SQLite's syncs and sleeps.
#include "bench/suite/isam/sqlite_counting_vfs.h"

#include <sqlite3.h>

namespace {
long syncs = 0;
long sleeps = 0;
long sleptMicroseconds = 0;
sqlite3_vfs* systemVfs = nullptr;

// The counted file; the system VFS's own file follows it in the same block.
struct CountedFile {
  sqlite3_file base;
  sqlite3_file* inner;
  bool directorySyncPending;   // the system VFS syncs the directory at this file's first sync
};

sqlite3_file* Inner(sqlite3_file* f) { return reinterpret_cast<CountedFile*>(f)->inner; }
const sqlite3_io_methods& InnerMethods(sqlite3_file* f) { return *Inner(f)->pMethods; }

int Close(sqlite3_file* f) { return InnerMethods(f).xClose(Inner(f)); }
int Read(sqlite3_file* f, void* b, int n, sqlite3_int64 o) { return InnerMethods(f).xRead(Inner(f), b, n, o); }
int Write(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
  return InnerMethods(f).xWrite(Inner(f), b, n, o);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) { return InnerMethods(f).xTruncate(Inner(f), size); }
int Sync(sqlite3_file* f, int flags) {
  auto* file = reinterpret_cast<CountedFile*>(f);
  syncs += file->directorySyncPending ? 2 : 1;
  file->directorySyncPending = false;
  return InnerMethods(f).xSync(Inner(f), flags);
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return InnerMethods(f).xFileSize(Inner(f), size); }
int Lock(sqlite3_file* f, int level) { return InnerMethods(f).xLock(Inner(f), level); }
int Unlock(sqlite3_file* f, int level) { return InnerMethods(f).xUnlock(Inner(f), level); }
int CheckReservedLock(sqlite3_file* f, int* out) { return InnerMethods(f).xCheckReservedLock(Inner(f), out); }
int FileControl(sqlite3_file* f, int op, void* arg) { return InnerMethods(f).xFileControl(Inner(f), op, arg); }
int SectorSize(sqlite3_file* f) { return InnerMethods(f).xSectorSize(Inner(f)); }
int DeviceCharacteristics(sqlite3_file* f) { return InnerMethods(f).xDeviceCharacteristics(Inner(f)); }
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return InnerMethods(f).xShmMap(Inner(f), region, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return InnerMethods(f).xShmLock(Inner(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { InnerMethods(f).xShmBarrier(Inner(f)); }
int ShmUnmap(sqlite3_file* f, int deleteFlag) { return InnerMethods(f).xShmUnmap(Inner(f), deleteFlag); }
int Fetch(sqlite3_file* f, sqlite3_int64 o, int n, void** out) { return InnerMethods(f).xFetch(Inner(f), o, n, out); }
int Unfetch(sqlite3_file* f, sqlite3_int64 o, void* p) { return InnerMethods(f).xUnfetch(Inner(f), o, p); }

// Version 3 methods; used only for files whose system methods are version 3 too (checked at open).
const sqlite3_io_methods kMethods = {
    3,         Close,      Read,         Write,      Truncate,          Sync,
    FileSize,  Lock,       Unlock,       CheckReservedLock, FileControl, SectorSize,
    DeviceCharacteristics, ShmMap,       ShmLock,    ShmBarrier,        ShmUnmap,    Fetch,
    Unfetch};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  auto* file = reinterpret_cast<CountedFile*>(f);
  file->inner = reinterpret_cast<sqlite3_file*>(file + 1);
  file->base.pMethods = nullptr;
  const int rc = systemVfs->xOpen(systemVfs, name, file->inner, flags, outFlags);
  if (file->inner->pMethods == nullptr) return rc;
  if (file->inner->pMethods->iVersion < 3) {
    file->inner->pMethods->xClose(file->inner);
    return SQLITE_CANTOPEN;
  }
  const int type = flags & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_SUPER_JOURNAL | SQLITE_OPEN_WAL);
  file->directorySyncPending = (flags & SQLITE_OPEN_CREATE) != 0 && type != 0;
  file->base.pMethods = &kMethods;
  return rc;
}

int Delete(sqlite3_vfs*, const char* name, int syncDirectory) {
  if (syncDirectory & 1) ++syncs;
  return systemVfs->xDelete(systemVfs, name, syncDirectory);
}
int Access(sqlite3_vfs*, const char* name, int flags, int* out) {
  return systemVfs->xAccess(systemVfs, name, flags, out);
}
int FullPathname(sqlite3_vfs*, const char* name, int n, char* out) {
  return systemVfs->xFullPathname(systemVfs, name, n, out);
}
void* DlOpen(sqlite3_vfs*, const char* name) { return systemVfs->xDlOpen(systemVfs, name); }
void DlError(sqlite3_vfs*, int n, char* out) { systemVfs->xDlError(systemVfs, n, out); }
void (*DlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
  return systemVfs->xDlSym(systemVfs, handle, symbol);
}
void DlClose(sqlite3_vfs*, void* handle) { systemVfs->xDlClose(systemVfs, handle); }
int Randomness(sqlite3_vfs*, int n, char* out) { return systemVfs->xRandomness(systemVfs, n, out); }
int SleepMicro(sqlite3_vfs*, int us) {
  ++sleeps;
  sleptMicroseconds += us;
  return systemVfs->xSleep(systemVfs, us);
}
int CurrentTime(sqlite3_vfs*, double* out) { return systemVfs->xCurrentTime(systemVfs, out); }
int GetLastError(sqlite3_vfs*, int n, char* out) { return systemVfs->xGetLastError(systemVfs, n, out); }
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) { return systemVfs->xCurrentTimeInt64(systemVfs, out); }

sqlite3_vfs countingVfs = {};
}  // namespace

bool InstallSqliteCounters() {
  if (systemVfs != nullptr) return true;
  sqlite3_vfs* system = sqlite3_vfs_find(nullptr);
  if (system == nullptr || system->iVersion < 2) return false;
  systemVfs = system;
  countingVfs.iVersion = 2;
  countingVfs.szOsFile = static_cast<int>(sizeof(CountedFile)) + system->szOsFile;
  countingVfs.mxPathname = system->mxPathname;
  countingVfs.zName = "sync-counting";
  countingVfs.xOpen = Open;
  countingVfs.xDelete = Delete;
  countingVfs.xAccess = Access;
  countingVfs.xFullPathname = FullPathname;
  countingVfs.xDlOpen = DlOpen;
  countingVfs.xDlError = DlError;
  countingVfs.xDlSym = DlSym;
  countingVfs.xDlClose = DlClose;
  countingVfs.xRandomness = Randomness;
  countingVfs.xSleep = SleepMicro;
  countingVfs.xCurrentTime = CurrentTime;
  countingVfs.xGetLastError = GetLastError;
  countingVfs.xCurrentTimeInt64 = CurrentTimeInt64;
  if (sqlite3_vfs_register(&countingVfs, 1) == SQLITE_OK) return true;
  systemVfs = nullptr;
  return false;
}

long SqliteSyncCount() { return syncs; }
long SqliteSleepCount() { return sleeps; }
long SqliteSleptMicroseconds() { return sleptMicroseconds; }
