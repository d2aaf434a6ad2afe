// Throughput of concurrent additions to one record file in network mode: 1, 2, 4 and 8 processes
// each add their share of employee records (Fileblock lock, record, five keys, unlock), retrying
// lock conflicts as the suite's wrapper does.
//
//   isam_concurrent_adds [FOLDER] [RECORDS PER RUN]
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/suite/isam/employee_rows.h"
#include "platform/os/random.h"
#include "suite/isam/isam_engine.h"

namespace {
// Repeats `op` while it fails with a lock conflict (error class 2).
template <class Op> void Retry(Op op) {
  for (int i = 0; i <= 100000; ++i) {
    op();
    if (IsamLastOK || IsamErrorClass() != 2) return;
  }
}

int Worker(const std::string& base, const std::vector<EmployeeRow>& rows, size_t first, size_t count) {
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
  return IsamLastOK ? 0 : 3;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const int total = argc > 2 ? std::atoi(argv[2]) : 40000;
  if (argc > 3 || !std::filesystem::is_directory(folder) || total < 8) {
    std::fprintf(stderr, "usage: isam_concurrent_adds [FOLDER [COUNT]]  (an existing folder, COUNT >= 8)\n");
    return 2;
  }
  const std::string base = folder + "/bench_concurrent";
  const auto rows = MakeEmployeeRows(total, 7);
  double single = 0;
  for (int procs : {1, 2, 4, 8}) {
    IsamInit(0, 8);
    const KeyTableEntry keys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
    IsamCreateFileBlock(base, 2567, 5, keys);
    IsamExit();
    const double t = NowSeconds();
    const size_t share = rows.size() / static_cast<size_t>(procs);
    for (int p = 0; p < procs; ++p)
      if (fork() == 0) _exit(Worker(base, rows, static_cast<size_t>(p) * share, share));
    bool ok = true;
    for (int p = 0; p < procs; ++p) {
      int status = 0;
      wait(&status);
      ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    const double rate = static_cast<double>(share) * procs / SecondsSince(t);
    if (procs == 1) single = rate;
    std::printf("%d process(es): %8.0f adds/s (%.2fx one process)%s\n", procs, rate, rate / single, ok ? "" : " FAILED");
  }
  for (const char* ext : {".DAT", ".IX", ".DIA"}) std::remove((base + ext).c_str());
  return 0;
}
