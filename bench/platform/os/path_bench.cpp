// What resolving a program path costs at open: a path that exists as written (one stat) against
// one whose folder and file arrive in another case (a scan of each folder on the way), in a
// company folder of 200 entries.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/path.h"

namespace {

struct CompanyFolder {
  std::string root;
  CompanyFolder() {
    std::string pattern = "/tmp/pr-bench-XXXXXX";
    root = mkdtemp(pattern.data());
    mkdir((root + "/PayRoll").c_str(), 0777);
    for (int i = 0; i < 200; ++i) std::ofstream(root + "/PayRoll/prfile" + std::to_string(i) + ".dat");
  }
  ~CompanyFolder() { std::filesystem::remove_all(root); }
};

void Resolve(benchmark::State& state, const char* tail) {
  CompanyFolder company;
  const std::string path = company.root + tail;
  for (auto _ : state) benchmark::DoNotOptimize(ResolvePath(path));
}

void BM_ResolveExact(benchmark::State& s) { Resolve(s, "/PayRoll/prfile117.dat"); }
void BM_ResolveOtherCase(benchmark::State& s) { Resolve(s, "\\PAYROLL\\PRFILE117.DAT"); }
void BM_ResolveNewFile(benchmark::State& s) { Resolve(s, "/PayRoll/NEW.DAT"); }

BENCHMARK(BM_ResolveExact);
BENCHMARK(BM_ResolveOtherCase);
BENCHMARK(BM_ResolveNewFile);

}  // namespace
