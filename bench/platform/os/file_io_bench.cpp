// What the mandatory-lock test costs per positioned read and write.
//
// A handle opened without sharing transfers directly; a shared handle first asks the kernel with
// F_OFD_GETLK whether another handle holds part of the range.  Both run on a 4 MiB file in the page
// cache with 1,024-byte transfers at page-aligned offsets, the record-file engine's pattern; the
// "busy" variants add what a station sees in use: another handle holding 1,000 station presence
// bytes and 100 record locks.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/os/file.h"

namespace {

constexpr DWORD kPage = 1024;
constexpr Int64 kFileSize = 4 << 20;

struct Fixture {
  std::string folder;
  std::string path;
  File other;   // holds the busy locks

  Fixture() {
    std::string pattern = "/tmp/pr-bench-XXXXXX";
    folder = mkdtemp(pattern.data());
    path = folder + "/DATA.DAT";
    File f;
    f.Open(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
    f.SetSize(kFileSize);
  }
  ~Fixture() {
    other.Close();
    unlink(path.c_str());
    rmdir(folder.c_str());
  }
  void HoldBusyLocks() {
    other.Open(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    for (Int64 s = 1; s <= 1000; ++s) other.Lock(2147483647 - s, 1);
    for (Int64 r = 0; r < 100; ++r) other.Lock(r * 40960 + 7, 4);
  }
};

void Transfer(benchmark::State& state, DWORD share, bool write, bool busy) {
  Fixture fx;
  if (busy) fx.HoldBusyLocks();
  File f;
  if (f.Open(fx.path, GENERIC_READ | GENERIC_WRITE, share, OPEN_EXISTING) != 0) {
    state.SkipWithError("open failed");
    return;
  }
  std::vector<char> page(kPage, 'x');
  Int64 offset = 0;
  DWORD done = 0;
  for (auto _ : state) {
    // Pages whose first bytes stay clear of the record locks above.
    offset = (offset + 7 * 4096) % (kFileSize - 4096) / 4096 * 4096 + 1024;
    const DWORD err = write ? f.WriteAt(offset, page.data(), kPage, done) : f.ReadAt(offset, page.data(), kPage, done);
    if (err != 0) state.SkipWithError("transfer failed");
    benchmark::DoNotOptimize(page.data());
  }
}

constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;

void BM_ReadExclusive(benchmark::State& s) { Transfer(s, 0, false, false); }
void BM_ReadShared(benchmark::State& s) { Transfer(s, kShared, false, false); }
void BM_ReadSharedBusy(benchmark::State& s) { Transfer(s, kShared, false, true); }
void BM_WriteExclusive(benchmark::State& s) { Transfer(s, 0, true, false); }
void BM_WriteShared(benchmark::State& s) { Transfer(s, kShared, true, false); }
void BM_WriteSharedBusy(benchmark::State& s) { Transfer(s, kShared, true, true); }

BENCHMARK(BM_ReadExclusive);
BENCHMARK(BM_ReadShared);
BENCHMARK(BM_ReadSharedBusy);
BENCHMARK(BM_WriteExclusive);
BENCHMARK(BM_WriteShared);
BENCHMARK(BM_WriteSharedBusy);

}  // namespace
